#include "app/cItemValidity.h"

#include "core/db/connection.h"

#include <QHash>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <utility>

cItemValidity::Classes cItemValidity::allot(const QList<PurchaseLine> &lines, double onHand, const QDate &today)
{
    Classes classes;
    const QDate inAWeek = today.addDays(7);
    // addMonths keeps to the last day of a shorter month: 31 January gives 28 or 29 February.
    const QDate inAMonth = today.addMonths(1);
    double remaining = onHand;
    for (const PurchaseLine &line : lines) {
        if (remaining <= 0)
            break;
        // A line returned in full holds nothing, and one returned beyond what it brought
        // must not give stock back to the lines after it.
        const double taken = std::min(std::max(line.quantity, 0.0), remaining);
        remaining -= taken;
        // A line without an expiry date is fresh for good, never expired.
        if (line.expires.isNull())
            continue;
        if (line.expires <= today)
            classes.expired += taken;
        else if (line.expires <= inAWeek)
            classes.week += taken;
        else if (line.expires <= inAMonth)
            classes.month += taken;
    }
    return classes;
}

namespace {
using LineKey = QPair<int, QString>; // item and unit name

// The purchase lines of stock items, newest first within each item and unit, with what
// was returned of them taken off and their expiry date; of one item and unit only when
// `itemId` is not 0. `today` is the server's date (the client's clock is never used).
// False, with the server's error in *error when one is given, when the query failed.
bool readPurchaseLines(int itemId, const QString &uom, QHash<LineKey, QList<cItemValidity::PurchaseLine>> *lines,
                       QDate *today, QSqlError *error = nullptr)
{
    QSqlQuery query(liveDefaultConnection());
    // Newest first is all the order the lines need: they are grouped by item and unit
    // here. Read in the lines' own order from the lines table first, the server streams
    // them instead of sorting them all by item and unit name.
    query.prepare(QStringLiteral(
        "SELECT STRAIGHT_JOIN d.ItemId, u.UOM, IFNULL(d.Quantity, 0) - IFNULL(r.Returned, 0) AS Quantity, "
        "  IF(i.ValidityInDays > 0, d.ProductionDate + INTERVAL i.ValidityInDays DAY, NULL) AS ExpireDate, "
        "  CURDATE() AS CurrentServerDate "
        "FROM purchaseinvoicedetails d "
        "JOIN items i ON i.ItemId = d.ItemId "
        "JOIN uom u ON u.UOMId = d.UOMId "
        "LEFT JOIN (SELECT PurchaseInvoiceDetailsId, SUM(Quantity) AS Returned FROM purchaserefunddetails "
        "    GROUP BY PurchaseInvoiceDetailsId) r ON r.PurchaseInvoiceDetailsId = d.PurchaseInvoiceDetailsId "
        "WHERE i.TypeId = 1 AND (:AllItems OR (d.ItemId = :ItemId AND u.UOM <=> :UOM)) "
        "ORDER BY d.PurchaseInvoiceDetailsId DESC"));
    query.bindValue(QStringLiteral(":AllItems"), itemId == 0);
    query.bindValue(QStringLiteral(":ItemId"), itemId);
    query.bindValue(QStringLiteral(":UOM"), uom);
    query.setForwardOnly(true);
    if (!query.exec()) {
        if (error)
            *error = failureOf(query);
        return false;
    }
    while (query.next()) {
        *today = query.value(4).toDate();
        (*lines)[LineKey(query.value(0).toInt(), query.value(1).toString())].append(
            cItemValidity::PurchaseLine{query.value(2).toDouble(), query.value(3).toDate()});
    }
    return true;
}
}

double cItemValidity::itemValidity(int itemId, const QString &uom, double onHand, double *week, double *month)
{
    QHash<LineKey, QList<PurchaseLine>> lines;
    QDate today;
    if (!readPurchaseLines(itemId, uom, &lines, &today))
        return 0;
    const Classes classes = allot(lines.value(LineKey(itemId, uom)), onHand, today);
    *week += classes.week;
    *month += classes.month;
    return classes.expired;
}

QList<ItemRow> cItemValidity::itemsValidity(QSqlError *error)
{
    // Stock is summed per item and unit over every movement, whatever the warehouse.
    // Purchase lines are matched on the item and its unit only, so walking each
    // warehouse's stock against all the item's lines would count the same expired goods
    // once per warehouse; the sum is the item's true stock in the unit, also when goods
    // were sold from a warehouse they were never bought into. Units are not added: a case
    // and an each cannot be summed, and each unit is walked over the lines bought in it.
    // The movements are read straight from the document lines, as the stock views count
    // them, by ids alone: through the views the texts they group by make it many times
    // slower on a busy shop's books.
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral(
        "SELECT i.ItemId, i.ItemNo, i.ItemName, u.UOM, SUM(m.Quantity) AS QOH FROM ("
        "  SELECT ItemId, UOMId, SUM(Quantity) AS Quantity FROM purchaseinvoicedetails GROUP BY ItemId, UOMId "
        "  UNION ALL SELECT d.ItemId, d.UOMId, -SUM(d.Quantity) FROM purchaserefunddetails d "
        "    JOIN purchaserefund r ON r.PurchaseRefundId = d.PurchaseRefundId "
        "    JOIN purchaseinvoice p ON p.PurchaseInvoiceId = r.PurchaseInvoiceId GROUP BY d.ItemId, d.UOMId "
        "  UNION ALL SELECT ItemId, UOMId, -SUM(Quantity) FROM salesinvoicedetails GROUP BY ItemId, UOMId "
        "  UNION ALL SELECT d.ItemId, d.UOMId, SUM(d.Quantity) FROM salesrefunddetails d "
        "    JOIN salesrefund r ON r.SalesRefundId = d.SalesRefundId "
        "    JOIN salesinvoice s ON s.SalesInvoiceId = r.SalesInvoiceId GROUP BY d.ItemId, d.UOMId "
        ") m "
        "JOIN items i ON i.ItemId = m.ItemId "
        "JOIN uom u ON u.UOMId = m.UOMId "
        "WHERE i.TypeId = 1 "
        "GROUP BY i.ItemId, i.ItemNo, i.ItemName, u.UOM HAVING SUM(m.Quantity) > 0 ORDER BY i.ItemId, u.UOM"));
    QList<ItemRow> rows;
    if (!query.exec()) {
        if (error)
            *error = failureOf(query);
        return rows;
    }
    // All the lines in one statement: one per item would be thousands of round trips.
    QHash<LineKey, QList<PurchaseLine>> lines;
    QDate today;
    if (!readPurchaseLines(0, QString(), &lines, &today, error))
        return rows;
    while (query.next()) {
        ItemRow row;
        row.ItemId = query.value(0).toInt();
        row.ItemNo = query.value(1).toString();
        row.ItemName = query.value(2).toString();
        row.UOM = query.value(3).toString();
        const Classes found = allot(lines.value(LineKey(row.ItemId, row.UOM)), query.value(4).toDouble(), today);
        const std::pair<double, int> classes[] = {{found.expired, 0}, {found.week, 7}, {found.month, 30}};
        for (const auto &[quantity, expiresWithin] : classes) {
            if (quantity <= 0)
                continue;
            row.quantity = quantity;
            row.expiresWithin = expiresWithin;
            rows.append(row);
        }
    }
    return rows;
}
