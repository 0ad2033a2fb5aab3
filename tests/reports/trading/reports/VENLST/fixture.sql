-- The company's details print at the head of the page, as typed.
UPDATE companyinfo SET CompanyName = 'Nile & Delta <Trading>', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

INSERT INTO persons (PersonId, PersonName, Street1, Street2, City, Country, Phone1, Phone2, Fax, EMail) VALUES
  (11, 'Omar Farouk', '12 Nile Street', 'Floor 3', 'Cairo', 'Egypt', '0100 555 1234', '02 2345 6789', '02 2345 6790', 'omar@delta.example'),
  (12, 'Mona Said', '5 Harbour Road', NULL, 'Alexandria', 'Egypt', '0122 333 4444', NULL, NULL, NULL),
  (13, 'سارة أحمد', 'شارع النيل', NULL, 'الجيزة', 'مصر', NULL, NULL, NULL, 'sara@nile.example'),
  (14, 'Listed Nowhere', 'Street', NULL, 'Town', 'Country', NULL, NULL, NULL, NULL);

-- Listed: full address; no second street and no second phone; Arabic; markup and a token as names.
-- Not listed: no contact person, and a contact person id that names nobody.
INSERT INTO vendors (VendorId, VendorName, ContactPersonId) VALUES
  (1, 'Delta Paper Supplies', 11),
  (2, 'Harbour <b>Freight</b> & Co', 12),
  (3, 'شركة النيل للورق', 13),
  (4, 'Vendor $DETAILS $DATE', 11),
  (5, 'No Contact Ltd', NULL);
-- A contact person id that names nobody: left behind by data from before the key.
SET FOREIGN_KEY_CHECKS = 0;
INSERT INTO vendors (VendorId, VendorName, ContactPersonId) VALUES (6, 'Gone Person Ltd', 99);
SET FOREIGN_KEY_CHECKS = 1;
