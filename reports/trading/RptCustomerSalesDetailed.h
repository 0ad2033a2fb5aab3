#ifndef RPTCUSTOMERSALESDETAILED_H
#define RPTCUSTOMERSALESDETAILED_H

#include <QCoreApplication>
#include <QString>

// The sales invoices that meet `condition` (empty, or " WHERE ..." on the columns of the
// invoice, its customer, warehouse and the employee's person), a block per customer in
// the order of the customers' ids, each invoice with its total.
class RptCustomerSalesDetailed
{
    Q_DECLARE_TR_FUNCTIONS(RptCustomerSalesDetailed)

public:
    static void showReport(const QString &condition);
};

#endif // RPTCUSTOMERSALESDETAILED_H
