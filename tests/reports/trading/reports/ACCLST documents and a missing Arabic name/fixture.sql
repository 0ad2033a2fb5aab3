-- An invoice of 500 without deposit, paid 200 in cash: sales, receivable and safe.
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'INV-1', '2013-05-24', 500.00, 0.00, '0');
INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES (1, '2013-05-30', '0', 200.00);

-- A large amount prints whole, never as 1.23457e+06.
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES (1, '2013-05-01', 'Capital');
INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) VALUES
  (1, 40, 1234567.50, 0), (1, 54, 0, 1234567.50);

-- A top-level account without children is listed with its journal lines.
INSERT INTO accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, ParentAccountId) VALUES
  (200, '45000', 'Late Fees', 'غرامات التأخير', 4, NULL);
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES (2, '2013-05-02', 'Fee');
INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) VALUES
  (2, 105, 25, 0), (2, 200, 0, 25);

-- Without an Arabic description the Arabic page shows an empty account cell.
UPDATE accounts SET DescriptionAr = NULL WHERE AccountNo = '50700';
