-- Contact person contains "ali" and the address contains "cairo": the street lines, the
-- city and the country are searched in any letter case, the province is not.
INSERT INTO persons (PersonId, PersonName, Street1, Street2, City, Province, Country) VALUES
  (11, 'Ali Hassan', '12 Nile Street', NULL, 'Cairo', NULL, 'Egypt'),
  (12, 'Khalid Ali', '3 Museum Lane', 'Off Cairo Road', 'Giza', NULL, 'Egypt'),
  (13, 'Salim Alibaba', '7 cairo street', NULL, 'Giza', NULL, 'Egypt'),
  (14, 'Mona Said', '1 Square', NULL, 'Cairo', NULL, 'Egypt'),
  (15, 'Alia Nour', '9 Pyramids Road', NULL, 'Giza', 'Cairo', 'Egypt'),
  (16, 'Ali Rahman', '2 Corniche', NULL, 'Doha', NULL, 'Cairo Islands');
INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId) VALUES
  (1, 'City Match', 11),
  (2, 'Second Street Match', 12),
  (3, 'First Street Match', 13),
  (4, 'Other Contact', 14),
  (5, 'Province Only', 15),
  (6, 'Country Match', 16);
