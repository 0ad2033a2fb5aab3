#include "reports/trading/RptVendorPurchaseDetailed.h"

#include "reports/framework/cReport.h"

void RptVendorPurchaseDetailed::showReport()
{
    cReport::showGrouped(
        QStringLiteral("VendorPurchaseDetailed.Rep"),
        QStringLiteral("SELECT purchaseinvoice.VendorId, vendors.VendorName, warehouses.WarehouseName, "
                       "purchaseinvoice.PurchaseInvoiceId, purchaseinvoice.PurchaseInvoiceNo, purchaseinvoice.`Date`, "
                       "ShipDate, persons.PersonName, SUM(purchaseinvoice.Total) AS TotalInvoice "
                       "FROM purchaseinvoice "
                       "INNER JOIN vendors ON purchaseinvoice.VendorId = vendors.VendorId "
                       "INNER JOIN warehouses ON purchaseinvoice.ShipToWarehouseId = warehouses.WarehouseId "
                       "INNER JOIN employees ON purchaseinvoice.EmployeeId = employees.EmployeeId "
                       "INNER JOIN persons ON employees.EmployeePersonId = persons.PersonId "
                       "GROUP BY purchaseinvoice.VendorId, vendors.VendorName, purchaseinvoice.PurchaseInvoiceId, "
                       "purchaseinvoice.PurchaseInvoiceNo, purchaseinvoice.`Date` "
                       "ORDER BY vendors.VendorId, purchaseinvoice.`Date`, purchaseinvoice.PurchaseInvoiceId"),
        QStringLiteral("<td>$DETAILS</td>"),
        {tr("<tr><td><b>Vendor Name:</b> <span dir=\"auto\">$VEND_NAME</span><br>"
            "<table class=\"rows invoices\"><thead><tr><th>Warehouse</th><th>Invoice No.</th>"
            "<th>Date</th><th>Ship Date</th><th>Employee</th><th>Total</th></tr></thead>"
            "<tbody><tr><td colspan=\"6\">$INVOICES</td></tr></tbody></table><br/></td></tr>"),
         QStringLiteral("$VEND_NAME"), QStringLiteral("<tr><td colspan=\"6\">$INVOICES</td></tr>"), {2, 4, 5, 6, 7, 8}, {8}});
}
