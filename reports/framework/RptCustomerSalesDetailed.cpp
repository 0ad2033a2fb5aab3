#include "reports/framework/RptCustomerSalesDetailed.h"

#include "core/htmltemplate.h"
#include "reports/framework/cReport.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

void RptCustomerSalesDetailed::showReport(const QString &condition)
{
    cReport report(QStringLiteral("CustomerSalesDetailed.Rep"));
    if (!report.readTemplate())
        return;
    // The inner joins leave out an invoice without customer, warehouse or an employee
    // with a person: the condition names their columns.
    QSqlQueryModel model;
    if (!cReport::runQuery(model, QStringLiteral(
                                      "SELECT salesinvoice.CustomerId, customers.CustomerName, warehouses.WarehouseName, "
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
                                                       "ORDER BY customers.CustomerId, salesinvoice.`Date`, salesinvoice.SalesInvoiceId")))
        return;

    const QString block = tr("<tr><td><b>Customer Name:</b> <span dir=\"auto\">$CUST_NAME</span><br>"
                             "<table class=\"rows invoices\"><thead><tr><th>Warehouse</th><th>Invoice No.</th>"
                             "<th>Date</th><th>Ship Date</th><th>Employee</th><th>Total</th></tr></thead>"
                             "<tbody><tr><td colspan=\"6\">$INVOICES</td></tr></tbody></table><br/></td></tr>");
    QString body;
    for (const cReport::Run &customer : cReport::runs(model, 0)) {
        // Read before the rows: a step back makes the driver walk its result from the start.
        const QString name = cReport::cellText(model.record(customer.first).value(1));
        QString invoices;
        for (int i = customer.first; i < customer.end; ++i) {
            const QSqlRecord invoice = model.record(i);
            invoices += QStringLiteral("<tr>");
            for (int column : {2, 4, 5, 6, 7, 8})
                invoices += cReport::cell(cReport::cellText(invoice.value(column)));
            invoices += QStringLiteral("</tr>");
        }
        body += fillTemplate(block, {{QStringLiteral("$CUST_NAME"), name}},
                             {{QStringLiteral("<tr><td colspan=\"6\">$INVOICES</td></tr>"), invoices}});
    }
    cReport::show(report.page({}, {{QStringLiteral("<td>$DETAILS</td>"), body}}));
}
