-- A contact person's phones as far as there are any: both, the first or the second
-- alone, or none.
INSERT INTO persons (PersonId, PersonName, Street1, City, Country, Phone1, Phone2) VALUES
  (11, 'Both Phones', '1 Quay', 'Suez', 'Egypt', '0100 555 1234', '02 2345 6789'),
  (12, 'First Phone', '2 Quay', 'Suez', 'Egypt', '0122 333 4444', NULL),
  (13, 'Second Phone', '3 Quay', 'Suez', 'Egypt', NULL, '03 4567 8901'),
  (14, 'No Phone', '4 Quay', 'Suez', 'Egypt', NULL, NULL);
INSERT INTO vendors (VendorId, VendorName, ContactPersonId) VALUES
  (1, 'Both Ltd', 11),
  (2, 'First Ltd', 12),
  (3, 'Second Ltd', 13),
  (4, 'None Ltd', 14);
