-- From 5/1/2024 to 31/1/2024: both end days are in, the days around them are out.
INSERT INTO customers (CustomerId, CustomerName) VALUES (1, 'Acme Trading');
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, EmployeeId, `Date`, ShipDate, Total) VALUES
  (1, 'DAY-BEFORE', 1, 1, 1, '2024-01-04', NULL, 1.00),
  (2, 'FIRST-DAY', 1, 1, 1, '2024-01-05', NULL, 2.00),
  (3, 'LAST-DAY', 1, 1, 1, '2024-01-31', NULL, 3.00),
  (4, 'DAY-AFTER', 1, 1, 1, '2024-02-01', NULL, 4.00);
