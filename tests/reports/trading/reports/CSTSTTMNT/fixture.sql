UPDATE companyinfo SET CompanyName = 'Nile Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

-- Customers by id, not by name; one without entries has no block.
INSERT INTO customers (CustomerId, CustomerName) VALUES
  (1, 'Zed Trading'), (2, 'شركة الأمل'), (3, 'Equal <b>&</b> $TOTAL_DEBIT'), (4, 'No Entries');

-- Zed: 150 owed, 20 paid on the invoice, then two payments of 50 on one day by cash and
-- by cheque, which stay two rows: 150 against 120.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'INV-001', 1, '2024-01-10', 150.00, 20.00, '0');
INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES
  (1, '2024-01-20', '0', 50.00), (1, '2024-01-20', '1', 50.00);

-- Al Amal: a down payment on an order, a sale, a refund: 120 against 150.
INSERT INTO salesorder (SalesOrderId, SalesOrderNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'SO-001', 2, '2024-01-03', 200.00, 30.50, '0');
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (2, 'INV-002', 2, '2024-01-05', 120.00, 0.00, '0');
INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (1, 2, '2024-01-15', 119.50, 0.00, '0');

-- Equal sides: 100 against 100.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, CustomerId, `Date`, Total, DepositPaid, PaymentMethod) VALUES
  (3, 'INV-003', 3, '2024-02-01', 100.00, 100.00, '0');
