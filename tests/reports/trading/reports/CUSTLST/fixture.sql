-- The company's details print at the head of the page, as typed.
UPDATE companyinfo SET CompanyName = 'Nile & Delta <Trading>', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

INSERT INTO persons (PersonId, PersonName, Street1, Street2, City, Province, PostalCode, Country, Phone1, Phone2, Fax, EMail) VALUES
  (11, 'Ali Hassan', '12 Nile Street', 'Floor 3', 'Cairo', 'Cairo Governorate', '11511', 'Egypt', '0100 555 1234', '02 2345 6789', '02 2345 6790', 'ali@acme.example'),
  (12, 'Mona Said', '5 Harbour Road', NULL, 'Alexandria', NULL, NULL, 'Egypt', '0122 333 4444', NULL, NULL, NULL),
  (13, 'سارة أحمد', 'شارع النيل', NULL, 'الجيزة', 'الجيزة', NULL, 'مصر', NULL, NULL, NULL, 'sara@amal.example');

-- Listed: a full address with its province; no second street, province or second phone;
-- Arabic; markup and tokens as a name. Not listed: no contact person, and a contact
-- person id that names nobody.
INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId) VALUES
  (1, 'Acme Trading', 11),
  (2, 'O''Neil <b>&</b> Sons', 12),
  (3, 'شركة الأمل', 13),
  (4, 'Customer $DETAILS $DATE', 11),
  (5, 'No Contact Ltd', NULL);
SET FOREIGN_KEY_CHECKS = 0;
INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId) VALUES (6, 'Gone Person Ltd', 99);
SET FOREIGN_KEY_CHECKS = 1;
