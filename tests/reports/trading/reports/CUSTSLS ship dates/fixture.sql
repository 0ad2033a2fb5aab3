-- Ship dates over the whole of 2024: an invoice without a ship date is dropped.
INSERT INTO customers (CustomerId, CustomerName) VALUES (1, 'Acme Trading');
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, WarehouseId, EmployeeId, `Date`, ShipDate, Total) VALUES
  (1, 'NOT-SHIPPED', 1, 1, 1, '2024-03-01', NULL, 1.00),
  (2, 'SHIPPED-IN-2024', 1, 1, 1, '2024-03-02', '2024-12-31', 2.00),
  (3, 'SHIPPED-IN-2025', 1, 1, 1, '2024-03-03', '2025-01-01', 3.00);
