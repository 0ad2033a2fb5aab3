-- Capital paid into the bank, a loan that bought fixed assets, an invoice of 700 with 300
-- paid in cash, an office expense paid from the bank and an opening credit on retained
-- earnings. Assets 1550, liabilities 400, paid-in capital 500: retained earnings hold
-- 650 (its own 50 and the net income of 600), so equity is assets less liabilities.
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES
  (1, '2013-01-01', 'Capital'), (2, '2013-01-02', 'Loan'), (3, '2013-02-01', 'Supplies'), (4, '2013-01-01', 'Opening');
INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) VALUES
  (1, 35, 500, 0), (1, 54, 0, 500),
  (2, 40, 400, 0), (2, 116, 0, 400),
  (3, 109, 100, 0), (3, 35, 0, 100),
  (4, 40, 50, 0), (4, 55, 0, 50);
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, Total, DepositPaid, PaymentMethod) VALUES
  (1, 'INV-1', '2013-03-01', 700.00, 300.00, '0');
