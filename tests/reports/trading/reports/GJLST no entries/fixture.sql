-- An entry without lines is no entry of the list.
INSERT INTO generaljournal (GeneralJournalId, JournalDate, Description) VALUES (1, '2013-05-24', 'Never written');
