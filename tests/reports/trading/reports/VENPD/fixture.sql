UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

INSERT INTO persons (PersonId, PersonName) VALUES (21, 'Sara Ahmed'), (22, 'منى سعيد');
INSERT INTO employees (EmployeeId, EmployeePersonId, IsActive) VALUES (2, 21, 1), (3, 22, 1), (4, NULL, 1);
INSERT INTO warehouses (WarehouseId, WarehouseName, IsActive) VALUES (3, 'مخزن الإسكندرية', 1);
-- Two vendors of one name give two blocks, in the order of their ids.
INSERT INTO vendors (VendorId, VendorName) VALUES
  (1, 'Delta Supplies'), (2, 'Delta Supplies'), (3, 'مورد النيل'), (4, 'Markup <b>&</b> $INVOICES');

-- Inside a block by date; the warehouse is the ship-to one; no ship date shows an empty
-- cell; amounts as stored, shortest.
-- Not listed: no ship-to warehouse, no employee, an employee without a person, no vendor.
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, VendorId, ShipToWarehouseID, EmployeeId, `Date`, ShipDate, Total) VALUES
  (1, 'PI-001', 1, 1, 2, '2024-01-10', '2024-01-12', 150.50),
  (2, 'PI-002', 1, 3, 3, '2024-01-05', NULL, 100.00),
  (3, 'PI-003', 2, 2, 2, '2024-01-07', '2024-01-07', 75.25),
  (4, 'PI-004', 3, 1, 1, '2024-02-01', '2024-02-03', 1234567.89),
  (5, 'PI <5> & $VEND_NAME', 4, 1, 1, '2024-02-02', NULL, 0.10),
  (6, 'PI-006', 3, NULL, 1, '2024-02-01', NULL, 10.00),
  (7, 'PI-007', 3, 1, NULL, '2024-02-01', NULL, 10.00),
  (8, 'PI-008', 3, 1, 4, '2024-02-01', NULL, 10.00),
  (9, 'PI-009', NULL, 1, 1, '2024-02-01', NULL, 10.00);
