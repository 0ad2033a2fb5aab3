#ifndef REFUNDGRID_H
#define REFUNDGRID_H

#include "core/documents/linegrid.h"

#include <QString>

class RefundsDelegate;
class QTableView;

// The columns of a refund line, in the sales and the purchase refund alike.
namespace RefundLine {
enum Column {
    ItemNo,
    ItemName,
    Quantity,        // what the invoice line sold or bought
    Refunded,        // what other refunds took back of that invoice line
    Refund,          // what this refund takes back: the one column the user edits
    Uom,
    UnitPrice,
    Discount,        // the invoice line's, an amount for the whole line
    DiscountPercent, // kept for the table's shape, read by nothing
    Tax,             // the invoice line's, an amount for the whole line
    TaxPercent,      // kept for the table's shape, read by nothing
    Price,           // the row amount
    Date,            // the purchase line's production date; empty in a sales refund
    ItemId,
    UomId,
    DetailId,        // the stored refund line's id, empty for a line taken from an invoice
    InvoiceDetailId, // the invoice line the row takes back
    ColumnCount
};

// What a refund of `refund` units of an invoice line of `quantity` units, worth
// `unitPrice` each with `discount` and `tax` for the whole line, amounts to: the line's
// own amount in proportion to the units taken back, rounded once, so that refunding the
// whole line gives back exactly what it cost. 0 when nothing is refunded or the line
// holds no units.
Money rowAmount(Money unitPrice, int quantity, Money discount, Money tax, int refund);

// The most `typed` may be for an invoice line of `quantity` units of which other refunds
// took back `refunded`: between 0 and what is left.
int cappedRefund(int typed, int quantity, int refunded);
}

// The refund line grid: one row per invoice line, each with the units taken back now and
// what they amount to, and the subtotal kept up to date. Rows are the invoice's lines and
// are never added or removed by the user.
class cRefundGrid : public cLineGrid
{
    Q_OBJECT

public:
    // Gives `view` the `model` (RefundLine::ColumnCount columns) with its headers and the
    // `delegate`, hides what is not for the eye and, as the ShowDiscountAndTax preference
    // says, the discount and tax. `dateHeader` and `invoiceLineHeader` head the date and
    // invoice line columns; the date shows only with `showDate`.
    cRefundGrid(QTableView *view, QStandardItemModel *model, RefundsDelegate *delegate, const QString &dateHeader,
                const QString &invoiceLineHeader, bool showDate, QObject *parent);

    Money lineTotal(int row) const override;
    int refund(int row) const;
    // The rows that take anything back.
    int refundingLineCount() const;

public slots:
    // Widens the amount columns to what they show; where room lacks, the item number and
    // the unit give way, then the item's name down to what still reads.
    void fitColumns();

private:
    QTableView *view;
};

#endif // REFUNDGRID_H
