-- Every criterion at once, each leaving out one invoice that meets all the others.
INSERT INTO persons (PersonId, PersonName) VALUES (21, 'Sara Ahmed'), (22, 'Mona Said');
INSERT INTO employees (EmployeeId, EmployeePersonId, IsActive) VALUES (2, 21, 1), (3, 22, 1);
INSERT INTO customers (CustomerId, CustomerName) VALUES (1, 'Acme Trading'), (2, 'Beta Stores');
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, EmployeeId, `Date`, ShipDate, Total) VALUES
  (1, 'MEETS-ALL', 1, 1, 2, '2024-02-10', '2024-02-12', 10.00),
  (2, 'OTHER-CUSTOMER', 2, 1, 2, '2024-02-10', '2024-02-12', 20.00),
  (3, 'OTHER-WAREHOUSE', 1, 2, 2, '2024-02-10', '2024-02-12', 30.00),
  (4, 'OTHER-DATE', 1, 1, 2, '2024-03-10', '2024-02-12', 40.00),
  (5, 'OTHER-SHIP-DATE', 1, 1, 2, '2024-02-10', '2024-03-12', 50.00),
  (6, 'OTHER-EMPLOYEE', 1, 1, 3, '2024-02-10', '2024-02-12', 60.00);
