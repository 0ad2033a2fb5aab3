#include "sales/invoices/invoicepage.h"

#include "core/system/globals.h"
#include "core/widgets/htmltemplate.h"

#include <QHash>

namespace InvoicePage {

QString templatePath(const QString &language)
{
    return language == QLatin1String("ar") ? QStringLiteral(":/arRep/Reports/ar/SalesInvoice.html")
                                           : QStringLiteral(":/enRep/Reports/en/SalesInvoice.html");
}

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

QString fill(const QString &page, const Invoice &invoice)
{
    QString rows;
    for (const QStringList &line : invoice.lines) {
        rows += QLatin1String("<tr>");
        for (const QString &cell : line)
            rows += QLatin1String("<td> ") + cell.toHtmlEscaped() + QLatin1String(" </td>");
        rows += QLatin1String("</tr>");
    }
    const QHash<QString, QString> values{
        {QStringLiteral("$CUSTOMER_NAME$"), invoice.customerName},
        {QStringLiteral("$DATE$"), invoice.date},
        {QStringLiteral("$COMPANY_NAME$"), companyName},
        {QStringLiteral("$COMPANY_ADDRESS$"), companyAddress},
        {QStringLiteral("$COMPANY_PHONE$"), companyPhone},
        {QStringLiteral("$INVOICE_NO$"), invoice.invoiceNo},
        {QStringLiteral("$SUBTOTAL$"), number(invoice.subtotal)},
        {QStringLiteral("$FRIGHT$"), number(invoice.freight)},
        {QStringLiteral("$TOTAL$"), number(invoice.total)},
        {QStringLiteral("$PAID$"), number(invoice.paid)},
        {QStringLiteral("$DEBT$"), number(invoice.debt)},
        {QStringLiteral("$GREETING1$"), invoice.greeting1},
        {QStringLiteral("$GREETING2$"), invoice.greeting2},
    };
    // The whole cell gives way to the rows, which are built from escaped values.
    return fillTemplate(page, values, {{QStringLiteral("<td colspan=\"8\">$DETAILS$</td>"), rows}});
}

} // namespace InvoicePage
