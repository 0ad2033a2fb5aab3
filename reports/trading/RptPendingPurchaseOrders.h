#ifndef RPTPENDINGPURCHASEORDERS_H
#define RPTPENDINGPURCHASEORDERS_H

#include <QCoreApplication>

// The purchase orders that no purchase invoice was made from, a block per vendor in the
// order of the vendors' ids, each order with its total and comments.
class RptPendingPurchaseOrders
{
    Q_DECLARE_TR_FUNCTIONS(RptPendingPurchaseOrders)

public:
    static void showReport();
};

#endif // RPTPENDINGPURCHASEORDERS_H
