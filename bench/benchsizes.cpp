#include "bench/benchsizes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

const QVector<BenchSizes::Field> &BenchSizes::fields()
{
    static const QVector<Field> list = {
        {"departments", "departments", &BenchSizes::departments},
        {"employees", "employees", &BenchSizes::employees},
        {"customers", "customers", &BenchSizes::customers},
        {"vendors", "vendors", &BenchSizes::vendors},
        {"items", "items", &BenchSizes::items},
        {"warehouses", "warehouses", &BenchSizes::warehouses},
        {"sales-quotes", "salesquote", &BenchSizes::salesQuotes},
        {"sales-quote-lines", "salesquotedetails", &BenchSizes::salesQuoteLines},
        {"sales-orders", "salesorder", &BenchSizes::salesOrders},
        {"sales-order-lines", "salesorderdetails", &BenchSizes::salesOrderLines},
        {"sales-invoices", "salesinvoice", &BenchSizes::salesInvoices},
        {"sales-invoice-lines", "salesinvoicedetails", &BenchSizes::salesInvoiceLines},
        {"sales-refunds", "salesrefund", &BenchSizes::salesRefunds},
        {"purchase-orders", "purchaseorder", &BenchSizes::purchaseOrders},
        {"purchase-order-lines", "purchaseorderdetails", &BenchSizes::purchaseOrderLines},
        {"purchase-invoices", "purchaseinvoice", &BenchSizes::purchaseInvoices},
        {"purchase-invoice-lines", "purchaseinvoicedetails", &BenchSizes::purchaseInvoiceLines},
        {"purchase-refunds", "purchaserefund", &BenchSizes::purchaseRefunds},
        {"journal-entries", "generaljournal", &BenchSizes::journalEntries},
        {"journal-lines", "generaljournaltransactions", &BenchSizes::journalLines},
    };
    return list;
}

BenchSizes BenchSizes::scaled(double factor) const
{
    BenchSizes result = *this;
    auto scale = [factor](int count, int minimum) { return std::max(minimum, int(std::llround(count * factor))); };
    result.departments = scale(departments, 2);
    result.employees = scale(employees, 4);
    result.customers = scale(customers, 5);
    result.vendors = scale(vendors, 2);
    result.items = scale(items, 10);
    result.salesQuotes = scale(salesQuotes, 5);
    result.salesQuoteLines = std::max(scale(salesQuoteLines, 1), result.salesQuotes);
    result.salesOrders = scale(salesOrders, 10);
    result.salesOrderLines = std::max(scale(salesOrderLines, 1), result.salesOrders);
    result.salesInvoices = scale(salesInvoices, 20);
    result.salesInvoiceLines = std::max(scale(salesInvoiceLines, 1), result.salesInvoices);
    result.salesRefunds = std::min(scale(salesRefunds, 2), result.salesInvoices);
    result.purchaseOrders = scale(purchaseOrders, 5);
    result.purchaseOrderLines = std::max(scale(purchaseOrderLines, 1), result.purchaseOrders);
    result.purchaseInvoices = scale(purchaseInvoices, 10);
    result.purchaseInvoiceLines = std::max(scale(purchaseInvoiceLines, 1), result.purchaseInvoices);
    result.purchaseRefunds = std::min(scale(purchaseRefunds, 2), result.purchaseInvoices);
    result.journalEntries = scale(journalEntries, 5);
    result.journalLines = std::max(scale(journalLines, 1), 2 * result.journalEntries);
    return result;
}

QString BenchSizes::problem() const
{
    for (const Field &field : fields()) {
        if (this->*field.count < 0)
            return QStringLiteral("--%1 cannot be negative").arg(QLatin1String(field.option));
    }
    if (departments < 1 || employees < 1 || customers < 1 || vendors < 1 || items < 1)
        return QStringLiteral("there must be at least one department, employee, customer, vendor and item");
    if (warehouses < 2)
        return QStringLiteral("a company starts with two warehouses: --warehouses cannot be below 2");
    struct Pair { int documents; int lines; const char *name; };
    const Pair pairs[] = {{salesQuotes, salesQuoteLines, "sales-quote"},
                          {salesOrders, salesOrderLines, "sales-order"},
                          {salesInvoices, salesInvoiceLines, "sales-invoice"},
                          {purchaseOrders, purchaseOrderLines, "purchase-order"},
                          {purchaseInvoices, purchaseInvoiceLines, "purchase-invoice"}};
    for (const Pair &pair : pairs) {
        if (pair.lines < pair.documents || (pair.documents == 0 && pair.lines > 0))
            return QStringLiteral("every document has at least one line: --%1-lines must be at least the number of documents")
                .arg(QLatin1String(pair.name));
    }
    if (journalLines < 2 * journalEntries || (journalEntries == 0 && journalLines > 0))
        return QStringLiteral("a journal entry has a debit and a credit line: --journal-lines must be at least twice --journal-entries");
    if (salesRefunds > salesInvoices || purchaseRefunds > purchaseInvoices)
        return QStringLiteral("there cannot be more refunds than invoices");
    return QString();
}

QString BenchSizes::text() const
{
    QStringList parts;
    for (const Field &field : fields())
        parts << QStringLiteral("%1=%2").arg(QLatin1String(field.option)).arg(this->*field.count);
    return parts.join(QLatin1Char(' '));
}
