#include "trading/refundgrid.h"

#include "core/widgets/direction.h"
#include "core/documents/documentlines.h"
#include "trading/refundsdelegate.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

#include <cmath>

using namespace RefundLine;

namespace RefundLine {

Money rowAmount(Money unitPrice, int quantity, Money discount, Money tax, int refund)
{
    if (refund <= 0 || quantity <= 0)
        return Money();
    // A line stored with a price and a quantity each near its column's limit comes to
    // more cents than 64 bits hold: it reads as too large, never wrapped round.
    const double estimateCents =
        (double(unitPrice.cents()) * quantity - discount.cents() + tax.cents()) / quantity * refund;
    if (std::fabs(estimateCents) > 1e15)
        return Money::fromDouble(estimateCents / 100);
    const qint64 lineCents = unitPrice.cents() * quantity - discount.cents() + tax.cents();
    // The line's cents times refund ÷ quantity, taken apart so that multiplying by the
    // units refunded cannot outgrow 64 bits; the remainder's share is rounded once,
    // halves away from zero.
    const qint64 whole = lineCents / quantity * refund;
    const qint64 rest = lineCents % quantity * refund;
    const qint64 restShare = (rest >= 0 ? rest + quantity / 2 : rest - quantity / 2) / quantity;
    return Money::fromCents(whole + restShare);
}

int cappedRefund(int typed, int quantity, int refunded)
{
    return qBound(0, typed, qMax(0, quantity - refunded));
}

} // namespace RefundLine

namespace {
cLineGrid::Columns refundColumns()
{
    cLineGrid::Columns columns;
    columns.id = DetailId;
    columns.quantity = Refund;
    columns.unitPrice = UnitPrice;
    columns.discount = Discount;
    columns.tax = Tax;
    columns.total = Price;
    columns.name = ItemName;
    return columns;
}

const int itemNameWidth = 250;
const QList<int> amountColumns{Quantity, Refunded, Refund, UnitPrice, Discount, Tax, Price};
}

cRefundGrid::cRefundGrid(QTableView *view, QStandardItemModel *model, RefundsDelegate *delegate,
                         const QString &dateHeader, const QString &invoiceLineHeader, bool showDate, QObject *parent)
    : cLineGrid(model, refundColumns(), NoTrailingRow, parent), view(view)
{
    model->setHorizontalHeaderLabels({tr("Item No"), tr("Item"), tr("Quantity"), tr("Refunded"), tr("Refund"),
                                      tr("Unit of Measure"), tr("Unit Price"), tr("Discount"), tr("Discount %"),
                                      tr("Tax"), tr("Tax %"), tr("Price"), dateHeader, tr("ItemId"), tr("UOMId"),
                                      tr("DetailId"), invoiceLineHeader});
    view->setModel(model);
    view->setItemDelegate(delegate);
    delegate->setAmountColumns(amountColumns);
    keepWithinLimits(delegate, view);
    // Sorting only reorders rows, each of which carries its own ids; none until asked.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->setShowGrid(false);
    for (int column : {DiscountPercent, TaxPercent, ItemId, UomId, DetailId, InvoiceDetailId})
        view->hideColumn(column);
    if (!showDate)
        view->hideColumn(Date);
    if (!DocumentLines::showsDiscountAndTax()) {
        view->hideColumn(Discount);
        view->hideColumn(Tax);
    }
    view->setColumnWidth(ItemName, itemNameWidth);
    for (int column : {ItemNo, Uom, Date})
        view->setColumnWidth(column, qMax(view->columnWidth(column), view->horizontalHeader()->sectionSizeHint(column)));
    fitColumns();
    connect(this, &cLineGrid::recalculated, this, &cRefundGrid::fitColumns);
}

Money cRefundGrid::lineTotal(int row) const
{
    return rowAmount(amount(row, UnitPrice), value(row, Quantity).toInt(), amount(row, Discount), amount(row, Tax),
                     refund(row));
}

int cRefundGrid::refund(int row) const
{
    return value(row, Refund).toInt();
}

int cRefundGrid::refundingLineCount() const
{
    int count = 0;
    for (int row = 0; row < lineCount(); ++row)
        if (refund(row) > 0)
            ++count;
    return count;
}

void cRefundGrid::fitColumns()
{
    // The name asks for its full width each time; where room lacks, the item number and the
    // unit give way first, and the name no further than it still reads.
    view->setColumnWidth(ItemName, itemNameWidth);
    Direction::showAmountColumns(view, amountColumns, {ItemName, Uom, ItemNo}, {ItemName});
}
