-- Two invoices of 600 and 400 without journal lines: the sales account holds 1000.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'INV-1', '2013-03-01', 600.00, 0.00, '0'),
  (2, 'INV-2', '2013-03-02', 400.00, 400.00, '1');
