-- No vendors at all: the page shows its headings and no rows.
UPDATE companyinfo SET CompanyName = 'Empty Books';
