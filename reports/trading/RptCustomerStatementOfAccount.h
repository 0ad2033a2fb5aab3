#ifndef RPTCUSTOMERSTATEMENTOFACCOUNT_H
#define RPTCUSTOMERSTATEMENTOFACCOUNT_H

#include <QCoreApplication>
#include <QString>

// Each customer's sales, down payments, payments and refunds that meet `where` (empty, or
// " WHERE ..." on the statement view's columns), in date order with debit and credit, the
// totals and which side is larger by how much. With `fromDate` ("yyyyMMdd") every block
// opens with the sums of the customer's entries before that day.
class RptCustomerStatementOfAccount
{
    Q_DECLARE_TR_FUNCTIONS(RptCustomerStatementOfAccount)

public:
    static void showReport(const QString &where, const QString &fromDate);
};

#endif // RPTCUSTOMERSTATEMENTOFACCOUNT_H
