#ifndef PURCHASEGRID_H
#define PURCHASEGRID_H

#include "core/documents/documentlines.h"
#include "core/documents/linegrid.h"

#include <QString>

class PurchaseDelegate;
class QTableView;
class QWidget;

// The columns of a purchase line, in the purchase order and the purchase invoice alike.
namespace PurchaseLine {
enum Column {
    ItemNo,
    ItemName,
    Quantity,
    Uom,
    UnitPrice,
    Discount,        // an amount for the whole line
    DiscountPercent, // kept for the table's shape, read by nothing
    Tax,             // an amount for the whole line
    TaxPercent,      // kept for the table's shape, read by nothing
    Price,           // the line price
    Date,            // the order's expiry date, the invoice's production date
    ItemId,
    UomId,
    DetailId,        // the stored line's id, empty for a line not stored yet
    ColumnCount
};
}

// The line grid of the purchase documents: the lines of items bought, with the empty
// trailing row that receives the next item, line prices and the subtotal kept up to
// date. Prices are what was last paid, never a list price.
class cPurchaseGrid : public cLineGrid
{
    Q_OBJECT

public:
    // Gives `view` the `model` (PurchaseLine::ColumnCount columns) with its headers and
    // the `delegate`, hides what is not for the eye and, as the ShowDiscountAndTax
    // preference says, the discount and tax. `dateHeader` heads the date column, which
    // shows only with `showDate`.
    cPurchaseGrid(QTableView *view, QStandardItemModel *model, PurchaseDelegate *delegate, const QString &dateHeader,
                  bool showDate, QObject *parent);

    // New lines are priced from the stored lines of `document` (a purchase invoice's
    // unless this says otherwise).
    void pricesFrom(const DocumentLines::Document &document);

    // A new line for the item in `row`'s ItemId: one of its first unit that has a price,
    // at the newest price the item has in that unit on a stored line of the pricing
    // document. An item never on one in that unit keeps an empty price. A unit or price
    // that could not be read is told.
    void fillLineDefaults(int row);

    // Adds the item as a new line (with its quantity editor current); false when the item
    // is gone. Whatever of its defaults could not be read is told once.
    bool addItem(int itemId);

    // Asks whether the view's current line goes and removes it on Yes; false otherwise,
    // and always for the trailing row.
    bool removeCurrentLine(QWidget *parent);

    // A line without a unit, or with an amount its column cannot hold, could not be
    // stored as shown: tells which line and returns false.
    bool checkLines(QWidget *parent) const;

public slots:
    // Widens the amount columns to what they show, the item's name giving way first when
    // the view is narrow; done after every recalculation and every load.
    void fitColumns();

protected:
    // A price the user did not type follows the unit, as a new line's does.
    void unitChanged(int row) override;

private:
    // The newest price of `row`'s item in its unit, as fillLineDefaults() gives it; an
    // invalid QVariant for none, and for a read that failed (told).
    QVariant lastPrice(int row);

    QTableView *view;
    QString lastPriceSql;
};

#endif // PURCHASEGRID_H
