#ifndef INVOICEPAGE_H
#define INVOICEPAGE_H

#include <QList>
#include <QString>
#include <QStringList>

// The printed sales invoice: the compiled-in page of the language, filled with the
// invoice's values.
namespace InvoicePage {

struct Invoice
{
    QString customerName;
    QString date;      // already in the program's date format
    QString invoiceNo;
    // One list per line: item no., item name, quantity, unit, unit price, discount,
    // tax and line price, as they print.
    QList<QStringList> lines;
    double subtotal = 0;
    double freight = 0;
    double total = 0;
    double paid = 0;
    double debt = 0;
    QString greeting1; // "THANK YOU", translated
    QString greeting2;
};

// The resource of the invoice page: Arabic for "ar", English for any other language.
QString templatePath(const QString &language);

// A number as the invoice prints it: up to 15 significant digits, no trailing zeros, no
// grouping, a point as decimal separator (12.5, 100).
QString number(double value);

// `page` with every placeholder replaced by the invoice's value (and the company's, from
// the login state), each value escaped for HTML; a value never fills a placeholder.
QString fill(const QString &page, const Invoice &invoice);

} // namespace InvoicePage

#endif // INVOICEPAGE_H
