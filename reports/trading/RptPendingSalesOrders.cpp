#include "reports/trading/RptPendingSalesOrders.h"

#include "reports/framework/cReport.h"

void RptPendingSalesOrders::showReport()
{
    // An invoice made without an order counts as order 0, which no order has: a NULL in
    // the list would make NOT IN true for no order at all and empty the report.
    cReport::showGrouped(
        QStringLiteral("PendingSalesOrders.Rep"),
        QStringLiteral("SELECT customers.CustomerId, customers.CustomerName, SalesOrderNo, salesorder.`Date`, "
                       "ShipDate, Total, DepositPaid, Comments "
                       "FROM salesorder INNER JOIN customers ON salesorder.CustomerId = customers.CustomerId "
                       "WHERE SalesOrderId NOT IN (SELECT IFNULL(salesinvoice.SalesOrderId, 0) FROM salesinvoice) "
                       "ORDER BY customers.CustomerId, salesorder.`Date`, SalesOrderId"),
        QStringLiteral("<td>$DETAILS</td>"),
        {tr("<tr><td><b>Customer Name:</b> <span dir=\"auto\">$CUST_NAME</span><br>"
            "<table class=\"rows orders\"><thead><tr><th>Order No.</th><th>Date</th><th>Ship Date</th>"
            "<th>Total</th><th>Deposit Paid</th><th>Comments</th></tr></thead>"
            "<tbody><tr><td colspan=\"6\">$INVOICES</td></tr></tbody></table><br/></td></tr>"),
         QStringLiteral("$CUST_NAME"), QStringLiteral("<tr><td colspan=\"6\">$INVOICES</td></tr>"), {2, 3, 4, 5, 6, 7}, {5, 6}});
}
