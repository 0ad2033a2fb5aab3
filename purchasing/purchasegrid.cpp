#include "purchasing/purchasegrid.h"

#include "core/db/connection.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "purchasing/purchasedelegate.h"
#include "purchasing/purchasestorage.h"
#include "core/documents/documentlines.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>

using namespace PurchaseLine;

namespace {
cLineGrid::Columns purchaseColumns()
{
    cLineGrid::Columns columns;
    columns.id = DetailId;
    columns.quantity = Quantity;
    columns.unitPrice = UnitPrice;
    columns.discount = Discount;
    columns.tax = Tax;
    columns.total = Price;
    columns.unitId = UomId;
    columns.name = ItemName;
    return columns;
}
}

cPurchaseGrid::cPurchaseGrid(QTableView *view, QStandardItemModel *model, PurchaseDelegate *delegate,
                             const QString &dateHeader, bool showDate, QObject *parent)
    : cLineGrid(model, purchaseColumns(), WithTrailingRow, parent), view(view)
{
    pricesFrom(PurchaseStorage::invoice);
    model->setHorizontalHeaderLabels({tr("Item No"), tr("Item"), tr("Quantity"), tr("Unit of Measure"),
                                      tr("Unit Price"), tr("Discount"), tr("Discount %"), tr("Tax"), tr("Tax %"),
                                      tr("Price"), dateHeader, tr("ItemId"), tr("UOMId"), tr("DetailId")});
    view->setModel(model);
    view->setItemDelegate(delegate);
    delegate->setAmountColumns({Quantity, UnitPrice, Discount, Tax, Price});
    keepWithinLimits(delegate, view);
    // Every step relies on the empty row staying last: a header click must not move it.
    view->setSortingEnabled(false);
    for (int column : {DiscountPercent, TaxPercent, ItemId, UomId, DetailId})
        view->hideColumn(column);
    if (!showDate)
        view->hideColumn(Date);
    if (!DocumentLines::showsDiscountAndTax()) {
        view->hideColumn(Discount);
        view->hideColumn(Tax);
    }
    view->setColumnWidth(ItemName, 250);
    // The headers of the short text columns read whole, in either language.
    for (int column : {ItemNo, Uom, Date})
        view->setColumnWidth(column, qMax(view->columnWidth(column), view->horizontalHeader()->sectionSizeHint(column)));
    fitColumns();
    connect(this, &cLineGrid::recalculated, this, &cPurchaseGrid::fitColumns);
}

void cPurchaseGrid::pricesFrom(const DocumentLines::Document &document)
{
    lastPriceSql = QStringLiteral("Select BasePrice from %1 Where ItemId = :id and UOMId = :uomid "
                                  "order by %2 desc limit 1")
                       .arg(document.details, document.detailsId);
}

void cPurchaseGrid::fitColumns()
{
    Direction::showAmountColumns(view, {Quantity, UnitPrice, Discount, Tax, Price}, {ItemName});
}

void cPurchaseGrid::fillLineDefaults(int row)
{
    setValue(row, Quantity, 1);
    QSqlQuery units(liveDefaultConnection());
    units.prepare(DocumentLines::unitsOfItemSql);
    units.bindValue(QStringLiteral(":id"), value(row, ItemId));
    if (!units.exec())
        FailedReads::tell(view, units.lastError());
    const bool hasUnit = units.isActive() && units.next();
    setValue(row, Uom, hasUnit ? units.value(1) : QVariant());
    setValue(row, UomId, hasUnit ? units.value(0) : QVariant());
    if (!hasUnit)
        return;

    const QVariant price = lastPrice(row);
    if (!price.isValid())
        return;
    setValue(row, UnitPrice, price);
    setValue(row, Price, price);
    // Held as the amount editors write them, so that they show as amounts.
    for (int column : {Discount, DiscountPercent, Tax, TaxPercent})
        setValue(row, column, 0.0);
}

QVariant cPurchaseGrid::lastPrice(int row)
{
    QSqlQuery last(liveDefaultConnection());
    last.prepare(lastPriceSql);
    last.bindValue(QStringLiteral(":id"), value(row, ItemId));
    last.bindValue(QStringLiteral(":uomid"), value(row, UomId));
    if (!last.exec()) {
        FailedReads::tell(view, last.lastError());
        return QVariant();
    }
    if (!last.next())
        return QVariant();
    return Money::fromDecimal(last.value(0)).toDouble();
}

void cPurchaseGrid::unitChanged(int row)
{
    if (isTyped(row, UnitPrice))
        return;
    FailedReads::Action action;
    setValue(row, UnitPrice, lastPrice(row));
}

bool cPurchaseGrid::addItem(int itemId)
{
    FailedReads::Action action;
    QSqlQuery item(liveDefaultConnection());
    item.prepare(QStringLiteral("Select ItemId, ItemNo, ItemName from items Where ItemId = :id"));
    item.bindValue(QStringLiteral(":id"), itemId);
    if (!FailedReads::execOrTell(item, view) || !item.next())
        return false;
    // Filled while it is still the trailing row, so that only the caller's one
    // recalculation follows.
    const int row = addLine([&](int row) {
        setValue(row, ItemId, item.value(0));
        setValue(row, ItemNo, item.value(1));
        setValue(row, ItemName, item.value(2));
        fillLineDefaults(row);
    });
    view->setCurrentIndex(model()->index(row, Quantity));
    return true;
}

bool cPurchaseGrid::removeCurrentLine(QWidget *parent)
{
    return askAndRemoveLine(parent, view->currentIndex().row(), ItemName);
}

bool cPurchaseGrid::checkLines(QWidget *parent) const
{
    return cLineGrid::checkLines(parent, ItemName, {{UomId, noUnitText()}});
}
