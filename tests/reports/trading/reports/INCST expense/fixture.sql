-- An office expense of 70 paid from the safe and nothing sold: a loss of 70.
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES (1, '2013-02-01', 'Supplies');
INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) VALUES
  (1, 109, 70, 0), (1, 114, 0, 70);
