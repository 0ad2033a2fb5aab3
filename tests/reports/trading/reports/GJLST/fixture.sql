UPDATE companyinfo SET CompanyName = 'Zarpo Trading', Address = '12 Tahrir Square, Cairo', Phone = '02 2345 6789';

-- An account without an Arabic description, and one without an English one.
INSERT INTO accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, ParentAccountId) VALUES
  (200, '10900', 'Petty Cash', NULL, 1, 34),
  (201, '50900', NULL, 'مصروفات نثرية', 5, NULL);

-- Entries 1 and 2 share their date and description: two blocks. Entry 3 has no lines
-- and is left out. Entry 5's description reads like markup and a token.
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES
  (1, '2013-05-24', 'Opening balances'),
  (2, '2013-05-24', 'Opening balances'),
  (3, '2013-05-25', 'Never written'),
  (4, '2013-06-01', 'قيد مصروفات'),
  (5, '2013-12-31', '<b>Rent</b> & $TOTAL_DEBIT'),
  (6, '2014-01-02', NULL);

-- Lines are entered out of entry order; each entry shows its own in the order written.
INSERT INTO generaljournaltransactions (TransactionId, GeneralJournalId, AccountId, Debit, Credit, Comment) VALUES
  (1, 1, 35, 1500, 0, 'Capital paid in'),
  (2, 1, 54, 0, 1500, NULL),
  (3, 2, 200, 12.50, NULL, 'Float'),
  (4, 4, 201, 250, 0, 'نثريات'),
  (5, 2, 35, NULL, 12.50, NULL),
  (6, 4, 35, 0, 250, 'Cheque 1001'),
  (7, 5, 55, 100.10, 0.20, '$JOUR_DETAILS'),
  (8, 5, 35, 0.20, 100.10, NULL),
  (9, 6, 35, NULL, NULL, 'Empty line');
