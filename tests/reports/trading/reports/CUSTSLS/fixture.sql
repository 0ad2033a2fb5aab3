UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

INSERT INTO persons (PersonId, PersonName) VALUES (21, 'Sara Ahmed'), (22, 'منى سعيد');
INSERT INTO employees (EmployeeId, EmployeePersonId, IsActive) VALUES (2, 21, 1), (3, 22, 1), (4, NULL, 1);
INSERT INTO warehouses (WarehouseId, WarehouseName, IsActive) VALUES (3, 'مخزن الإسكندرية', 1);
-- Two customers of one name give two blocks, in the order of their ids.
INSERT INTO customers (CustomerId, CustomerName) VALUES
  (1, 'Acme Trading'), (2, 'Acme Trading'), (3, 'شركة الأمل'), (4, 'Markup <b>&</b> $INVOICES');

-- Inside a block by date; no ship date shows an empty cell; amounts as stored, shortest.
-- Not listed: no warehouse, an employee without a person, no customer.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, EmployeeId, `Date`, ShipDate, Total) VALUES
  (1, 'INV-001', 1, 1, 2, '2024-01-10', '2024-01-12', 150.50),
  (2, 'INV-002', 1, 3, 3, '2024-01-05', NULL, 100.00),
  (3, 'INV-003', 2, 2, 2, '2024-01-07', '2024-01-07', 75.25),
  (4, 'INV-004', 3, 1, 1, '2024-02-01', '2024-02-03', 1234567.89),
  (5, 'INV <5> & $CUST_NAME', 4, 1, 1, '2024-02-02', NULL, 0.10),
  (6, 'INV-006', 3, NULL, 1, '2024-02-01', NULL, 10.00),
  (7, 'INV-007', 3, 1, 4, '2024-02-01', NULL, 10.00),
  (8, 'INV-008', NULL, 1, 1, '2024-02-01', NULL, 10.00);
