#include "core/cItemValidity.h"

#include <QSqlDatabase>
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

double cItemValidity::itemValidity(int itemId, const QString &uom, double onHand, double *week, double *month)
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT IFNULL(d.Quantity, 0) - IFNULL((SELECT SUM(r.Quantity) FROM purchaserefunddetails r "
        "    WHERE r.PurchaseInvoiceDetailsId = d.PurchaseInvoiceDetailsId), 0) AS Quantity, "
        "  IF(i.ValidityInDays > 0, d.ProductionDate + INTERVAL i.ValidityInDays DAY, NULL) AS ExpireDate, "
        "  CURDATE() AS CurrentServerDate "
        "FROM purchaseinvoicedetails d "
        "JOIN items i ON i.ItemId = d.ItemId "
        "JOIN uom u ON u.UOMId = d.UOMId "
        "WHERE d.ItemId = :ItemId AND u.UOM <=> :UOM "
        "ORDER BY d.PurchaseInvoiceDetailsId DESC"));
    query.bindValue(QStringLiteral(":ItemId"), itemId);
    query.bindValue(QStringLiteral(":UOM"), uom);
    if (!query.exec())
        return 0;
    QList<PurchaseLine> lines;
    QDate today;
    while (query.next()) {
        lines.append(PurchaseLine{query.value(0).toDouble(), query.value(1).toDate()});
        today = query.value(2).toDate();
    }
    const Classes classes = allot(lines, onHand, today);
    *week += classes.week;
    *month += classes.month;
    return classes.expired;
}

QList<ItemRow> cItemValidity::itemsValidity()
{
    // vw_itemcapital has a row per item, unit and warehouse, but purchase lines are matched
    // on the item and its unit only. Walking each warehouse row against all the item's
    // lines would count the same expired goods once per warehouse, so the warehouses are
    // added up first: that is the item's true stock in the unit, also when goods were sold
    // from a warehouse they were never bought into (that row is negative). Units are not
    // added: a case and an each cannot be summed, and each unit is walked over the lines
    // bought in it.
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT ItemId, ItemNo, ItemName, UOM, SUM(QOH) AS QOH FROM vw_itemcapital "
        "GROUP BY ItemId, ItemNo, ItemName, UOM HAVING SUM(QOH) > 0 ORDER BY ItemId, UOM"));
    QList<ItemRow> rows;
    if (!query.exec())
        return rows;
    while (query.next()) {
        ItemRow row;
        row.ItemId = query.value(0).toInt();
        row.ItemNo = query.value(1).toString();
        row.ItemName = query.value(2).toString();
        row.UOM = query.value(3).toString();
        double week = 0;
        double month = 0;
        const double expired = itemValidity(row.ItemId, row.UOM, query.value(4).toDouble(), &week, &month);
        const std::pair<double, int> classes[] = {{expired, 0}, {week, 7}, {month, 30}};
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
