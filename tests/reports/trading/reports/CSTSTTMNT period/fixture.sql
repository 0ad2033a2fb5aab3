-- The period is February 2024, names containing "o".
INSERT INTO customers (CustomerId, CustomerName) VALUES
  (1, 'Before And During'), (2, 'Only During'), (3, 'Only Before'), (4, 'Never');

-- Before the period: 150 owed and 20 paid, the previous balance. In it: a sale on its
-- first day and a payment on its last. After it: a sale that counts nowhere.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'INV-001', 1, '2024-01-15', 150.00, 0.00, '0'),
  (2, 'INV-002', 1, '2024-02-01', 100.00, 0.00, '0'),
  (3, 'INV-003', 1, '2024-03-01', 999.00, 0.00, '0');
INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES
  (1, '2024-01-31', '0', 20.00), (1, '2024-02-29', '0', 50.00);

-- Entries in the period alone: a previous balance of 0 and 0.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (4, 'INV-004', 2, '2024-02-10', 120.00, 0.00, '0');
INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES
  (4, '2024-02-11', '2', 150.00);

-- Entries before the period alone: no block, whatever is owed. "Never" is left out by its name.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (5, 'INV-005', 3, '2024-01-05', 500.00, 0.00, '0'),
  (6, 'INV-006', 4, '2024-02-05', 70.00, 0.00, '0');
