#ifndef RPTVENDORPURCHASEDETAILED_H
#define RPTVENDORPURCHASEDETAILED_H

#include <QCoreApplication>

// Every purchase invoice that has a vendor, a ship-to warehouse and an employee with a
// person, a block per vendor in the order of the vendors' ids, each vendor's invoices in
// date order with their totals.
class RptVendorPurchaseDetailed
{
    Q_DECLARE_TR_FUNCTIONS(RptVendorPurchaseDetailed)

public:
    static void showReport();
};

#endif // RPTVENDORPURCHASEDETAILED_H
