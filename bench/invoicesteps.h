#ifndef INVOICESTEPS_H
#define INVOICESTEPS_H

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QWidget;

// An invoice window as the benchmark writes and loads a long invoice in it: what it opens,
// where its fields are, and the tables its save writes.
struct InvoiceWindow
{
    QString name;        // "sales invoice"
    std::function<QWidget *()> open;
    const char *warehouseCombo;
    const char *partnerCombo;
    const char *numberField;
    QString headerTable; // its lines go with it: they are deleted in cascade
    QString linesTable;
    QString idColumn;
    QString numberColumn;
    int *pickedId;       // the hand-off its list fills for the editor
};

// The sales and purchase invoice windows, in the order of the table.
const QVector<InvoiceWindow> &invoiceWindows();

// The number the benchmark's own invoices carry, and how many lines they have.
QString benchInvoiceNumber();
int benchInvoiceLines();

// The codes of at most `count` items that each carry a code of their own, the oldest first.
QStringList itemCodes(QSqlDatabase db, int count);

// Types the invoice as a user would: the first warehouse and partner, the number, then
// the codes scanned into the barcode field, one line each, over again until the invoice
// has its lines (a small company has fewer items).
void writeInvoice(QWidget *window, const InvoiceWindow &invoice, const QStringList &codes);

// Takes the benchmark's invoice away and sets the tables' next ids back, so that the
// next save gets the ids its captured statements name. False when a statement failed.
bool removeBenchInvoice(QSqlDatabase db, const InvoiceWindow &invoice, QString *error);

// The id of the benchmark's invoice; -1 when there is none.
int benchInvoiceId(QSqlDatabase db, const InvoiceWindow &invoice);

// When the invoice list opens from the editor's Search, picks `id` from it as Edit does.
void pickFromListWhenShown(int *pickedId, int id);

#endif // INVOICESTEPS_H
