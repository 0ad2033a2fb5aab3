-- Every order has its invoice, on both sides: the page shows its frame and no block.
UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';
INSERT INTO customers (CustomerId, CustomerName) VALUES (1, 'Acme Trading');
INSERT INTO salesorder (SalesOrderId, SalesOrderNo, CustomerId, `Date`, Total) VALUES (1, 'SO-001', 1, '2024-01-10', 100.00);
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, CustomerId, `Date`, Total) VALUES
  (1, 'INV-001', 1, 1, '2024-01-11', 100.00);
INSERT INTO vendors (VendorId, VendorName) VALUES (1, 'Delta Supplies');
INSERT INTO purchaseorder (PurchaseOrderId, PurchaseOrderNo, VendorId, `Date`, Total) VALUES (1, 'PO-001', 1, '2024-01-10', 100.00);
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, PurchaseOrderId, VendorId, `Date`, Total) VALUES
  (1, 'PI-001', 1, 1, '2024-01-11', 100.00);
