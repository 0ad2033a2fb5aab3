-- One set of documents for both pending reports, the sales side and the purchase side.
UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

-- Two customers of one name give two blocks, in the order of their ids.
INSERT INTO customers (CustomerId, CustomerName) VALUES
  (1, 'Acme Trading'), (2, 'Acme Trading'), (3, 'شركة الأمل'), (4, 'Markup <b>&</b> $INVOICES'), (5, 'All Invoiced');

-- Inside a block by date; no ship date, deposit or comments show empty cells and 0.
-- Not listed: an order without customer, and those an invoice was made from (one of
-- them refunded since).
INSERT INTO salesorder (SalesOrderId, SalesOrderNo, CustomerId, `Date`, ShipDate, Total, DepositPaid, Comments) VALUES
  (1, 'SO-001', 1, '2024-01-10', '2024-01-12', 1500.00, 200.50, 'Urgent'),
  (2, 'SO-002', 1, '2024-01-05', NULL, 12.50, NULL, NULL),
  (3, 'SO-003', 1, '2024-01-07', NULL, 40.00, 0.00, 'Invoiced'),
  (4, 'SO-004', 2, '2024-01-07', '2024-01-07', 75.25, 0.00, 'Second Acme'),
  (5, 'SO-005', NULL, '2024-01-08', NULL, 60.00, 0.00, 'No customer'),
  (6, 'SO-006', 3, '2024-02-01', '2024-02-03', 1234567.89, 1000.00, 'تسليم سريع'),
  (7, 'SO <7> & $CUST_NAME', 4, '2024-02-02', NULL, 0.10, 0.00, '<i>$DETAILS</i>'),
  (8, 'SO-008', 5, '2024-02-05', NULL, 80.00, 0.00, 'Invoiced and refunded');

-- Invoices made without an order hide nothing.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, CustomerId, `Date`, Total) VALUES
  (1, 'INV-001', 3, 1, '2024-01-09', 40.00),
  (2, 'INV-002', NULL, 1, '2024-01-09', 15.00),
  (3, 'INV-003', 8, 5, '2024-02-06', 80.00);
INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, `Date`, Total) VALUES (1, 3, '2024-02-07', 80.00);

-- The purchase side alike, a vendor's block captioned "Supplier Name:".
INSERT INTO vendors (VendorId, VendorName) VALUES
  (1, 'Delta Supplies'), (2, 'مورد النيل'), (3, '$SUPP_NAME <i>&</i> Sons');
INSERT INTO purchaseorder (PurchaseOrderId, PurchaseOrderNo, VendorId, `Date`, ShipDate, Total, Comments) VALUES
  (1, 'PO-001', 1, '2024-03-02', '2024-03-05', 2500.00, 'Monthly stock'),
  (2, 'PO-002', 1, '2024-03-01', NULL, 99.90, NULL),
  (3, 'PO-003', 1, '2024-03-03', NULL, 10.00, 'Invoiced'),
  (4, 'PO-004', NULL, '2024-03-04', NULL, 20.00, 'No vendor'),
  (5, 'PO-005', 2, '2024-03-06', '2024-03-08', 300.00, 'دفعة أولى'),
  (6, 'PO <6> & $INVOICES', 3, '2024-03-07', NULL, 0.50, '<b>$DETAILS</b>');
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, PurchaseOrderId, VendorId, `Date`, Total) VALUES
  (1, 'PI-001', 3, 1, '2024-03-03', 10.00),
  (2, 'PI-002', NULL, 1, '2024-03-03', 5.00);
