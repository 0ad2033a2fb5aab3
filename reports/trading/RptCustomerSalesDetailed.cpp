#include "reports/trading/RptCustomerSalesDetailed.h"

#include "reports/framework/cReport.h"

void RptCustomerSalesDetailed::showReport(const QString &condition)
{
    // The inner joins leave out an invoice without customer, warehouse or an employee
    // with a person: the condition names their columns.
    cReport::showGrouped(
        QStringLiteral("CustomerSalesDetailed.Rep"),
        QStringLiteral("SELECT salesinvoice.CustomerId, customers.CustomerName, warehouses.WarehouseName, "
                       "salesinvoice.SalesInvoiceId, salesinvoice.SalesInvoiceNo, salesinvoice.`Date`, ShipDate, "
                       "persons.PersonName, SUM(salesinvoice.Total) AS TotalInvoice "
                       "FROM salesinvoice "
                       "INNER JOIN customers ON salesinvoice.CustomerId = customers.CustomerId "
                       "INNER JOIN warehouses ON salesinvoice.WarehouseId = warehouses.WarehouseId "
                       "INNER JOIN employees ON salesinvoice.EmployeeId = employees.EmployeeId "
                       "INNER JOIN persons ON employees.EmployeePersonId = persons.PersonId ")
            + condition
            + QStringLiteral(" GROUP BY salesinvoice.CustomerId, customers.CustomerName, "
                             "salesinvoice.SalesInvoiceId, salesinvoice.SalesInvoiceNo, salesinvoice.`Date` "
                             "ORDER BY customers.CustomerId, salesinvoice.`Date`, salesinvoice.SalesInvoiceId"),
        QStringLiteral("<td>$DETAILS</td>"),
        {tr("<tr><td><b>Customer Name:</b> <span dir=\"auto\">$CUST_NAME</span><br>"
            "<table class=\"rows invoices\"><thead><tr><th>Warehouse</th><th>Invoice No.</th>"
            "<th>Date</th><th>Ship Date</th><th>Employee</th><th>Total</th></tr></thead>"
            "<tbody><tr><td colspan=\"6\">$INVOICES</td></tr></tbody></table><br/></td></tr>"),
         QStringLiteral("$CUST_NAME"), QStringLiteral("<tr><td colspan=\"6\">$INVOICES</td></tr>"), {2, 4, 5, 6, 7, 8}, {8}});
}
