#ifndef BENCHSIZES_H
#define BENCHSIZES_H

#include <QString>
#include <QVector>

// How many rows of each kind the generated company holds. Each count is the number of
// rows its table ends up with (the seed rows of employees and warehouses included);
// persons, prices, unit conversions, refund lines and payments follow from these.
struct BenchSizes
{
    int departments = 8;
    int employees = 50;
    int customers = 10000;
    int vendors = 1000;
    int items = 5000;
    int warehouses = 3;
    int salesQuotes = 5000;
    int salesQuoteLines = 15000;
    int salesOrders = 20000;
    int salesOrderLines = 60000;
    int salesInvoices = 100000;
    int salesInvoiceLines = 500000;
    int salesRefunds = 3000;
    int purchaseOrders = 5000;
    int purchaseOrderLines = 20000;
    int purchaseInvoices = 20000;
    int purchaseInvoiceLines = 100000;
    int purchaseRefunds = 1000;
    int journalEntries = 20000;
    int journalLines = 100000;

    struct Field
    {
        const char *option; // the command-line option that sets it
        const char *table;  // the table whose row count it is
        int BenchSizes::*count;
    };
    static const QVector<Field> &fields();

    // Every count but the warehouses multiplied by `factor`, kept large enough that each
    // kind of row and each link between documents still occurs.
    BenchSizes scaled(double factor) const;

    // Empty when these sizes can be generated, else what is wrong with them.
    QString problem() const;

    // The sizes as one line of text, for recognising a database made with them.
    QString text() const;
};

#endif // BENCHSIZES_H
