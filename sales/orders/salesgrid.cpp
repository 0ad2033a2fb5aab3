#include "sales/orders/salesgrid.h"

#include "core/db/connection.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/widgets/screenfit.h"
#include "items/frmItemsView.h"
#include "sales/orders/salesdelegate.h"

#include <QHash>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>

#include <memory>

using namespace SalesLine;

namespace SalesLine {
const QString priceTypesOfItemSql = QStringLiteral(
    "select DISTINCT(pricetypes.priceTypeId), PriceType, Price from pricetypes Inner Join itemprices "
    "on pricetypes.PriceTypeId = itemprices.PriceTypeId Where ItemId = :id AND UOMId = :uomid "
    "order by pricetypes.PriceTypeId");
}

namespace {
cLineGrid::Columns salesColumns()
{
    cLineGrid::Columns columns;
    columns.id = DetailsId;
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

cSalesGrid::cSalesGrid(QTableView *view, QStandardItemModel *model, SalesDelegate *delegate,
                       const QString &detailsIdHeader, QObject *parent)
    : cLineGrid(model, salesColumns(), WithTrailingRow, parent), view(view)
{
    model->setHorizontalHeaderLabels({tr("Item No"), tr("Item"), tr("Quantity"), tr("Unit of Measure"),
                                      tr("Price Type"), tr("Unit Price"), tr("Discount"), tr("Discount %"), tr("Tax"),
                                      tr("Tax %"), tr("Price"), tr("ItemId"), tr("UOMId"), tr("PriceTypeId"),
                                      detailsIdHeader});
    view->setModel(model);
    view->setItemDelegate(delegate);
    keepWithinLimits(delegate, view);
    // Every step relies on the empty row staying last: a header click must not move it.
    view->setSortingEnabled(false);
    view->horizontalHeader()->setSortIndicatorShown(false);
    for (int column : {DiscountPercent, TaxPercent, ItemId, UomId, PriceTypeId, DetailsId})
        view->hideColumn(column);
    if (!DocumentLines::showsDiscountAndTax()) {
        view->hideColumn(Discount);
        view->hideColumn(Tax);
    }
    view->setColumnWidth(ItemName, 250);
    // The headers of the short text columns read whole, in either language.
    for (int column : {ItemNo, Uom, PriceType})
        view->setColumnWidth(column, qMax(view->columnWidth(column), view->horizontalHeader()->sectionSizeHint(column)));
    fitColumns();
    connect(this, &cLineGrid::recalculated, this, &cSalesGrid::fitColumns);
}

void cSalesGrid::fitColumns()
{
    Direction::showAmountColumns(view, {Quantity, UnitPrice, Discount, Tax, Price}, {ItemName});
}

void cSalesGrid::fillLineDefaults(int row)
{
    setValue(row, Quantity, 1);
    QSqlQuery units(liveDefaultConnection());
    units.prepare(unitsOfItemSql);
    units.bindValue(QStringLiteral(":id"), value(row, ItemId));
    if (!units.exec())
        FailedReads::tell(view, units.lastError());
    const bool hasUnit = units.isActive() && units.next();
    setValue(row, Uom, hasUnit ? units.value(1) : QVariant());
    setValue(row, UomId, hasUnit ? units.value(0) : QVariant());

    QSqlQuery prices(liveDefaultConnection());
    prices.prepare(priceTypesOfItemSql);
    prices.bindValue(QStringLiteral(":id"), value(row, ItemId));
    prices.bindValue(QStringLiteral(":uomid"), value(row, UomId));
    if (hasUnit && !prices.exec())
        FailedReads::tell(view, prices.lastError());
    const bool hasPrice = prices.isActive() && prices.next();
    setValue(row, PriceType, hasPrice ? prices.value(1) : QVariant());
    setValue(row, UnitPrice, hasPrice ? prices.value(2) : QVariant());
    setValue(row, Price, hasPrice ? prices.value(2) : QVariant());
    setValue(row, PriceTypeId, hasPrice ? prices.value(0) : QVariant());
    // Held as the amount editors write them, so that they show as amounts.
    for (int column : {Discount, DiscountPercent, Tax, TaxPercent})
        setValue(row, column, 0.0);
}

void cSalesGrid::unitChanged(int row)
{
    if (isTyped(row, UnitPrice))
        return;
    FailedReads::Action action;
    QSqlQuery price(liveDefaultConnection());
    price.prepare(QStringLiteral("select Price from itemprices Where ItemId = :id AND UOMId = :uomid "
                                 "AND PriceTypeId = :typeid order by ItemPriceId limit 1"));
    price.bindValue(QStringLiteral(":id"), value(row, ItemId));
    price.bindValue(QStringLiteral(":uomid"), value(row, UomId));
    price.bindValue(QStringLiteral(":typeid"), value(row, PriceTypeId));
    if (!price.exec())
        FailedReads::tell(view, price.lastError());
    setValue(row, UnitPrice, price.isActive() && price.next() ? price.value(0) : QVariant());
}

void cSalesGrid::repriceChoice(int row)
{
    if (followsListPrices)
        listPrices()(row);
}

QString cSalesGrid::pricingKey(int row) const
{
    // The ids are the grid's own numbers, never typed text; an empty id matches nothing,
    // as `= NULL` did.
    auto id = [this, row](int column) {
        const QVariant shown = value(row, column);
        bool isNumber = false;
        const qlonglong number = shown.toLongLong(&isNumber);
        return isNumber && !shown.isNull() ? QString::number(number) : QStringLiteral("NULL");
    };
    return QStringLiteral("(%1, %2, %3)").arg(id(ItemId), id(UomId), id(PriceTypeId));
}

void cSalesGrid::markStored()
{
    cLineGrid::markStored();
    storedPricing.clear();
    for (int row = 0; row < lineCount(); ++row) {
        const QVariant id = storedId(row);
        if (id.isValid())
            storedPricing.insert(id.toString(), {pricingKey(row), value(row, UnitPrice)});
    }
}

std::function<void(int row)> cSalesGrid::listPrices()
{
    // Every line's price in one statement: a statement per line made each change to a
    // long document, and its save, cost a round trip per line. Of two prices for the same
    // unit and type, the older, as the lookup by item gave it.
    QStringList keys;
    for (int row = 0; row < lineCount(); ++row)
        keys << pricingKey(row);
    auto prices = std::make_shared<QHash<QString, QVariant>>();
    bool answered = keys.isEmpty();
    if (!answered) {
        QSqlQuery query;
        query.setForwardOnly(true);
        answered = query.prepare(QStringLiteral("select ItemId, UOMId, PriceTypeId, Price from itemprices "
                                                "Where (ItemId, UOMId, PriceTypeId) IN (%1) order by ItemPriceId")
                                     .arg(keys.join(QStringLiteral(", "))))
                   && query.exec();
        while (answered && query.next()) {
            const QString key = QStringLiteral("(%1, %2, %3)")
                                    .arg(query.value(0).toLongLong())
                                    .arg(query.value(1).toLongLong())
                                    .arg(query.value(2).toLongLong());
            if (!prices->contains(key))
                prices->insert(key, query.value(3));
        }
    }
    return [this, prices, answered](int row) {
        // A sale stored at its day's price stays at it: a later list price is for lines
        // priced afresh.
        const QString key = pricingKey(row);
        const QVariant id = storedId(row);
        const auto stored = id.isValid() ? storedPricing.constFind(id.toString()) : storedPricing.constEnd();
        if (stored != storedPricing.constEnd() && stored->key == key) {
            setValue(row, UnitPrice, stored->unitPrice);
            return;
        }
        // A lookup the server did not answer keeps the price that was shown, rather than
        // pricing the line at nothing.
        if (answered)
            setValue(row, UnitPrice, prices->value(key));
    };
}

bool cSalesGrid::addPickedItem()
{
    frmItemsView picker(nullptr);
    picker.pickerMode = true;
    if (ScreenFit::exec(picker) != QDialog::Accepted)
        return false;
    return addItem(pickedItemId);
}

bool cSalesGrid::addItem(int itemId)
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

bool cSalesGrid::removeCurrentLine(QWidget *parent)
{
    return askAndRemoveLine(parent, view->currentIndex().row(), ItemName);
}

bool cSalesGrid::checkLines(QWidget *parent) const
{
    return cLineGrid::checkLines(
        parent, ItemName,
        {{UomId, noUnitText()}, {PriceTypeId, tr("Line %1 (%2) has no price type. Choose one before saving.")}});
}
