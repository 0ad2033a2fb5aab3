#ifndef RPTPENDINGSALESORDERS_H
#define RPTPENDINGSALESORDERS_H

#include <QCoreApplication>

// The sales orders that no sales invoice was made from, a block per customer in the order
// of the customers' ids, each order with its total, deposit and comments.
class RptPendingSalesOrders
{
    Q_DECLARE_TR_FUNCTIONS(RptPendingSalesOrders)

public:
    static void showReport();
};

#endif // RPTPENDINGSALESORDERS_H
