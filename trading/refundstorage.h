#ifndef REFUNDSTORAGE_H
#define REFUNDSTORAGE_H

#include "core/db/money.h"

#include <QSqlError>
#include <QString>
#include <QVariant>

class cDbSave;
class cLineGrid;
class cRefundGrid;
class cStoredRecord;
class QComboBox;

// The storage of refunds, sales and purchase alike: a refund row against one invoice and
// one line row per invoice line it takes back.
namespace RefundStorage {

// The tables and columns of one side.
struct Side
{
    QString refund;           // "salesrefund"
    QString refundId;         // "SalesRefundId"
    QString details;          // "salesrefunddetails"
    QString detailsId;        // "SalesRefundDetailsId"
    QString invoice;          // "salesinvoice"
    QString invoiceId;        // "SalesInvoiceId"
    QString invoiceNo;        // "SalesInvoiceNo"
    QString invoiceDetails;   // "salesinvoicedetails"
    QString invoiceDetailsId; // "SalesInvoiceDetailsId"
    QString partnerId;        // "CustomerId"
    QString lineDate;         // the invoice line's date kept with a refund line, "NULL" for none
};
extern const Side sales;
extern const Side purchase;

// A refund's own values, as a save writes them and a load reads them.
struct Header
{
    QVariant partnerId;
    int invoiceId = -1;
    QVariant date; // a NULL date for none
    Money subTotal;
    Money freight;
    Money total;
    int paymentMethod = 0;
    Money deposit;
    QString comment;
};

// Refills `invoices` with the partner's invoices, newest first, each as its number ("#"
// without one), ": " and its date (the number alone without one); no entry current.
QSqlError fillInvoices(QComboBox *invoices, const Side &side, const QVariant &partnerId);

// Empties `lines` and shows the lines of invoice `invoiceId` in it, each with what
// stored refunds took back of it and nothing refunded yet.
QSqlError loadInvoiceLines(cRefundGrid *lines, const Side &side, int invoiceId);

// Reads refund `refundId` into `header`; false when it is not there or cannot be read
// (`error` then tells which).
bool loadHeader(const Side &side, int refundId, Header *header, QSqlError *error);

// Empties `lines` and shows the stored lines of refund `refundId`, each with what the
// other refunds took back of its invoice line.
QSqlError loadRefundLines(cRefundGrid *lines, const Side &side, int refundId);

// Writes a new refund (`refundId` 0) with the grid's refunding lines, or updates refund
// `refundId` and all its lines, inside `save`, refused when another user changed it since
// it was `loaded`. The invoice is locked first, so that two
// refunds of it are saved one after the other; afterwards what is stored is checked: no
// invoice line refunded beyond what it holds, the refund's lines all of its invoice and
// worth its subtotal. Returns the refund's id.
int write(cDbSave &save, const Side &side, const Header &header, int refundId, const cStoredRecord &loaded,
          const cRefundGrid *lines);

// The columns of an invoice's line grid that its refunds depend on.
struct InvoiceLineColumns
{
    int itemId;
    int uomId;
    int quantity;
    int name;
};

// Inside `save`, after invoice `invoiceId` is locked and before its lines are written:
// fails the save, naming the line and what refunds took back of it, when `lines` remove
// a line a refund names, lower one below what refunds took back, or give it another item
// or unit. A refund counts in the invoice line's unit, so either change would leave it
// taking back what was never sold or bought.
void keepRefundedLines(cDbSave &save, const Side &side, int invoiceId, const cLineGrid *lines,
                       const InvoiceLineColumns &columns);

} // namespace RefundStorage

#endif // REFUNDSTORAGE_H
