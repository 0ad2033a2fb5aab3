#ifndef CITEMVALIDITY_H
#define CITEMVALIDITY_H

#include <QDate>
#include <QList>
#include <QString>

class QSqlError;

// One line of the home page's stock validity panel: how much of an item, in one unit,
// falls in one class.
struct ItemRow
{
    int ItemId = 0;
    QString ItemNo;
    QString ItemName;
    QString UOM;
    double quantity = 0;
    int expiresWithin = 0; // 0 expired, 7 within a week, 30 within a month
};

// Tells how much of the stock has expired or expires soon. Stock keeps no batches, so it
// is allotted to the purchase lines newest first, on the assumption that the oldest goods
// went out first; a line expires its item's validity period after its production date.
class cItemValidity
{
public:
    struct PurchaseLine
    {
        double quantity = 0; // bought less returned
        QDate expires;       // null: the goods do not expire
    };
    struct Classes
    {
        double expired = 0;
        double week = 0;
        double month = 0;
    };

    // Allots `onHand` to `lines`, newest first. Goods expiring today count as expired,
    // within seven days in the week, within a calendar month in the month; stock the lines
    // do not cover is classed nowhere.
    static Classes allot(const QList<PurchaseLine> &lines, double onHand, const QDate &today);

    // The walk over the purchase lines of `itemId` bought in the unit named `uom`, against
    // the server's date. Returns the expired quantity and adds the week's and the month's
    // to *week and *month; a failed query classes nothing.
    double itemValidity(int itemId, const QString &uom, double onHand, double *week, double *month);

    // The panel's lines for every item and unit in stock: expired, week, month, each only
    // when above 0. A failed query gives an empty list and its error in *error.
    QList<ItemRow> itemsValidity(QSqlError *error = nullptr);
};

#endif // CITEMVALIDITY_H
