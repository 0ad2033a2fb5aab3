#ifndef RPTGENERALJOURNALLIST_H
#define RPTGENERALJOURNALLIST_H

#include <QCoreApplication>

// Every manual journal entry: its date and description, its lines (account, debit,
// credit, comment) and its debit and credit totals. Entries without lines are left out.
class RptGeneralJournalList
{
    Q_DECLARE_TR_FUNCTIONS(RptGeneralJournalList)

public:
    static void showReport();
};

#endif // RPTGENERALJOURNALLIST_H
