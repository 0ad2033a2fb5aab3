-- Purchase invoices that the report cannot place: the page shows its frame and no block.
UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';
INSERT INTO vendors (VendorId, VendorName) VALUES (1, 'Delta Supplies');
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, VendorId, ShipToWarehouseID, EmployeeId, `Date`, Total) VALUES
  (1, 'PI-001', 1, NULL, 1, '2024-01-10', 10.00),
  (2, 'PI-002', 1, 1, NULL, '2024-01-10', 10.00);
