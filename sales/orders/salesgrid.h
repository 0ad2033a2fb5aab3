#ifndef SALESGRID_H
#define SALESGRID_H

#include "core/documents/documentlines.h"
#include "core/documents/linegrid.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

class QTableView;
class QWidget;
class SalesDelegate;

// The columns of a sales line, in the quote, the order and the sales invoice alike.
namespace SalesLine {
enum Column {
    ItemNo,
    ItemName,
    Quantity,
    Uom,
    PriceType,
    UnitPrice,
    Discount,        // an amount for the whole line
    DiscountPercent, // kept for the table's shape, read by nothing
    Tax,             // an amount for the whole line
    TaxPercent,      // kept for the table's shape, read by nothing
    Price,           // the line price
    ItemId,
    UomId,
    PriceTypeId,
    DetailsId,       // the stored line's id, empty for a line not stored yet
    ColumnCount
};

using DocumentLines::unitsOfItemSql;
// The price types with a price for the item ":id" in the unit ":uomid": price type id,
// name and price, in a stable order.
extern const QString priceTypesOfItemSql;
}

// The line grid of the sales documents: the lines of items sold, with the empty trailing
// row that receives the next item, line prices and the subtotal kept up to date. Each
// editor keeps its own model, delegate and slots, and hands the work to this grid.
class cSalesGrid : public cLineGrid
{
    Q_OBJECT

public:
    // Gives `view` the `model` (SalesLine::ColumnCount columns) with its headers and the
    // `delegate`, hides what is not for the eye and, as the ShowDiscountAndTax preference
    // says, the discount and tax. `detailsIdHeader` heads the column of stored line ids.
    cSalesGrid(QTableView *view, QStandardItemModel *model, SalesDelegate *delegate,
               const QString &detailsIdHeader, QObject *parent);

    // A new line for the item in `row`'s ItemId: one of the first unit that has a price,
    // its first price type and that price, no discount and no tax. Where the item has no
    // price, the unit, price type and prices stay empty. A read that failed is told.
    void fillLineDefaults(int row);

    // A line refresh for recalculate(): each line's unit price from its item's price list
    // for its unit and price type, empty when the list has no such price. A stored line
    // keeps the price it was stored with while its item, unit and price type stay.
    std::function<void(int row)> listPrices();
    // The window recalculates through listPrices(): a choice of unit or price type is
    // judged at the list price the line will get.
    void followListPrices() { followsListPrices = true; }

    // Also remembers what each stored line is priced by, and at what price.
    void markStored() override;

    // Runs the item picker and adds the chosen item as a new line with its quantity
    // editor open; false when nothing was picked or the item is gone.
    bool addPickedItem();
    bool addItem(int itemId);

    // Asks whether the view's current line goes and removes it on Yes; false otherwise,
    // and always for the trailing row.
    bool removeCurrentLine(QWidget *parent);

    // A line without a unit or a price type, or with an amount its column cannot hold,
    // could not be stored as shown: tells which line and returns false.
    bool checkLines(QWidget *parent) const;

public slots:
    // Widens the amount columns to what they show, the item's name giving way first when
    // the view is narrow; done after every recalculation, and by whoever fills the lines
    // without one.
    void fitColumns();

protected:
    // A price the user did not type follows the unit: the list price of the line's price
    // type in the new unit, empty where the list has none.
    void unitChanged(int row) override;
    void repriceChoice(int row) override;

private:
    // "(item, unit, price type)" of a line, as the price list is looked up by.
    QString pricingKey(int row) const;

    QTableView *view;
    bool followsListPrices = false;
    struct StoredPricing
    {
        QString key;
        QVariant unitPrice;
    };
    QHash<QString, StoredPricing> storedPricing; // by the stored line's id
};

#endif // SALESGRID_H
