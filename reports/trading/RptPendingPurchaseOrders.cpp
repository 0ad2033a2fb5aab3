#include "reports/trading/RptPendingPurchaseOrders.h"

#include "reports/framework/cReport.h"

void RptPendingPurchaseOrders::showReport()
{
    // As on the sales side, an invoice made without an order counts as order 0 and hides none.
    cReport::showGrouped(
        QStringLiteral("PendingPurchaseOrders.Rep"),
        QStringLiteral("SELECT vendors.VendorId, vendors.VendorName, PurchaseOrderNo, purchaseorder.`Date`, "
                       "ShipDate, Total, Comments "
                       "FROM purchaseorder INNER JOIN vendors ON purchaseorder.VendorId = vendors.VendorId "
                       "WHERE PurchaseOrderId NOT IN (SELECT IFNULL(purchaseinvoice.PurchaseOrderId, 0) FROM purchaseinvoice) "
                       "ORDER BY vendors.VendorId, purchaseorder.`Date`, PurchaseOrderId"),
        QStringLiteral("<td>$DETAILS</td>"),
        {tr("<tr><td><b>Supplier Name:</b> <span dir=\"auto\">$SUPP_NAME</span><br>"
            "<table class=\"rows orders\"><thead><tr><th>Order No.</th><th>Date</th><th>Ship Date</th>"
            "<th>Total</th><th>Comments</th></tr></thead>"
            "<tbody><tr><td colspan=\"5\">$INVOICES</td></tr></tbody></table><br/></td></tr>"),
         QStringLiteral("$SUPP_NAME"), QStringLiteral("<tr><td colspan=\"5\">$INVOICES</td></tr>"), {2, 3, 4, 5, 6}, {5}});
}
