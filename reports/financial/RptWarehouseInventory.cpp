#include "reports/financial/RptWarehouseInventory.h"

#include "core/db/connection.h"
#include "reports/framework/cReport.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {
enum Column { ItemId, ItemName, ItemNo, UomId, Uom, PurchasedQty, PurchaseRefQty, SalesQty, SalesRefQty };

// Every inventory item's priced units with what the warehouse received and gave out in
// each. Refunds carry no warehouse: they count in the warehouse of the invoice they
// refund. An item's units come cheapest first, each converting to the one before it;
// the order is stated here, since a view's own ORDER BY may be dropped inside a join.
QString stockStatement(int warehouseId)
{
    return QStringLiteral(
               "SELECT units.ItemId, items.ItemName, items.ItemNo, units.UOMId, uom.UOM, "
               "(SELECT IFNULL(SUM(purchaseinvoicedetails.Quantity), 0) FROM purchaseinvoicedetails "
               " INNER JOIN purchaseinvoice ON purchaseinvoicedetails.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId "
               " WHERE purchaseinvoicedetails.ItemId = units.ItemId AND purchaseinvoicedetails.UOMId = units.UOMId "
               " AND purchaseinvoice.ShipToWarehouseID = %1) AS PurchasedQty, "
               "(SELECT IFNULL(SUM(purchaserefunddetails.Quantity), 0) FROM purchaserefunddetails "
               " INNER JOIN purchaserefund ON purchaserefunddetails.PurchaseRefundId = purchaserefund.PurchaseRefundId "
               " INNER JOIN purchaseinvoice ON purchaserefund.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId "
               " WHERE purchaserefunddetails.ItemId = units.ItemId AND purchaserefunddetails.UOMId = units.UOMId "
               " AND purchaseinvoice.ShipToWarehouseID = %1) AS PurchaseRefQty, "
               "(SELECT IFNULL(SUM(salesinvoicedetails.Quantity), 0) FROM salesinvoicedetails "
               " INNER JOIN salesinvoice ON salesinvoicedetails.SalesInvoiceId = salesinvoice.SalesInvoiceId "
               " WHERE salesinvoicedetails.ItemId = units.ItemId AND salesinvoicedetails.UOMId = units.UOMId "
               " AND salesinvoice.WarehouseId = %1) AS SalesQty, "
               "(SELECT IFNULL(SUM(salesrefunddetails.Quantity), 0) FROM salesrefunddetails "
               " INNER JOIN salesrefund ON salesrefunddetails.SalesRefundId = salesrefund.SalesRefundId "
               " INNER JOIN salesinvoice ON salesrefund.SalesInvoiceId = salesinvoice.SalesInvoiceId "
               " WHERE salesrefunddetails.ItemId = units.ItemId AND salesrefunddetails.UOMId = units.UOMId "
               " AND salesinvoice.WarehouseId = %1) AS SalesRefQty "
               "FROM (SELECT ItemId, UOMId, MIN(Price) AS LowestPrice FROM itemprices GROUP BY ItemId, UOMId) AS units "
               "INNER JOIN items ON units.ItemId = items.ItemId "
               "INNER JOIN uom ON units.UOMId = uom.UOMId "
               "WHERE items.TypeId = 1 "
               "ORDER BY units.ItemId, units.LowestPrice, units.UOMId")
        .arg(warehouseId);
}

// What is in the warehouse of one unit of an item, in that unit.
int netQuantity(const QSqlRecord &record)
{
    return qRound(record.value(PurchasedQty).toDouble() - record.value(PurchaseRefQty).toDouble()
                  - record.value(SalesQty).toDouble() + record.value(SalesRefQty).toDouble());
}

QString quantityCell(const QString &text, bool negative)
{
    // Negative stock (more given out than received) stands out in italics.
    const QString escaped = text.toHtmlEscaped();
    return QStringLiteral("<td> ") + (negative ? QStringLiteral("<i>%1</i>").arg(escaped) : escaped)
           + QStringLiteral(" </td>");
}
}

void RptWarehouseInventory::showReport(int warehouseId, const QString &warehouseName)
{
    cReport report(QStringLiteral("WarehouseInventory.Rep"));
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!cReport::runQuery(model, stockStatement(warehouseId)))
        return;

    // Every conversion in one statement: one per unit would grow with the items. The
    // oldest row of a pair counts, as the index on ItemId hands it out first.
    std::map<std::tuple<int, int, int>, double> conversions;
    QSqlQuery conversion(liveDefaultConnection());
    conversion.setForwardOnly(true);
    if (!conversion.exec(QStringLiteral("SELECT ItemId, BigUOMId, SmallUOMId, `Variance` FROM itemuom "
                                        "WHERE ItemId IS NOT NULL AND BigUOMId IS NOT NULL AND SmallUOMId IS NOT NULL "
                                        "ORDER BY ItemUOMId"))) {
        cReport::reportFailure(failureOf(conversion));
        return;
    }
    while (conversion.next())
        conversions.emplace(std::make_tuple(conversion.value(0).toInt(), conversion.value(1).toInt(),
                                            conversion.value(2).toInt()),
                            conversion.value(3).toDouble());

    QString rows;
    for (const cReport::Run &item : cReport::runs(model, ItemId)) {
        const QSqlRecord first = model.record(item.first);
        const int itemId = first.value(ItemId).toInt();
        QStringList unitNames{first.value(Uom).toString()};
        QList<int> factors{1};
        QList<int> unconverted{0};
        int total = netQuantity(first);
        int multiplier = 1;
        bool converting = true;
        // Each unit after the previous one: a step back makes the driver walk its result
        // from the start.
        int smallerUomId = first.value(UomId).toInt();
        for (int i = item.first + 1; i < item.end; ++i) {
            const QSqlRecord unit = model.record(i);
            const auto found = conversions.find(std::make_tuple(itemId, unit.value(UomId).toInt(), smallerUomId));
            const double variance = found == conversions.end() ? 0 : found->second;
            smallerUomId = unit.value(UomId).toInt();
            const int factor = int(std::trunc(variance));
            unitNames << unit.value(Uom).toString();
            factors << factor;
            // Past a missing conversion no unit can be counted in the smallest one; each
            // keeps its own count.
            converting = converting && factor >= 1;
            if (converting) {
                multiplier *= factor;
                total += netQuantity(unit) * multiplier;
                unconverted << 0;
            } else {
                unconverted << netQuantity(unit);
            }
        }
        const bool negative = total < 0 || std::any_of(unconverted.cbegin(), unconverted.cend(), [](int n) { return n < 0; });
        // The quantity is the one figure: the cells of text are the ones marked.
        const QString text = QStringLiteral("text");
        rows += QStringLiteral("<tr>") + cReport::cell(cReport::cellText(first.value(ItemNo)), text)
                + cReport::cell(cReport::cellText(first.value(ItemName)), text) + cReport::cell(QStringLiteral("---"), text)
                + quantityCell(formatQuantity(unitNames, factors, total, unconverted), negative)
                + cReport::cell(QString(), text) + QStringLiteral("</tr>");
    }
    cReport::show(report.page({{QStringLiteral("$WAREHOUSE"), warehouseName}},
                              {{QStringLiteral("<td colspan=\"5\">$DETAILS</td>"), rows}}));
}

double RptWarehouseInventory::uomVariance(int itemId, int bigUomId, int smallUomId, bool *ok)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("SELECT `Variance` FROM itemuom "
                                 "WHERE ItemId = :ItemId AND BigUOMId = :BigUOMId AND SmallUOMId = :SmallUOMId"));
    query.bindValue(QStringLiteral(":ItemId"), itemId);
    query.bindValue(QStringLiteral(":BigUOMId"), bigUomId);
    query.bindValue(QStringLiteral(":SmallUOMId"), smallUomId);
    if (!query.exec()) {
        // A conversion that could not be read must not show as a missing one.
        cReport::reportFailure(failureOf(query));
        if (ok)
            *ok = false;
        return 0;
    }
    if (ok)
        *ok = true;
    return query.next() ? query.value(0).toDouble() : 0;
}

QString RptWarehouseInventory::formatQuantity(const QStringList &unitNames, const QList<int> &factors, int quantity,
                                              const QList<int> &unconverted)
{
    if (unitNames.isEmpty())
        return QString();
    const auto count = [&unitNames](int unit, int n) { return unitNames.at(unit) + QStringLiteral(": ") + QString::number(n); };

    int convertible = 1;
    while (convertible < unitNames.size() && factors.value(convertible) >= 1)
        ++convertible;
    if (convertible < unitNames.size()) {
        QStringList parts{count(0, quantity)};
        for (int unit = convertible; unit < unitNames.size(); ++unit)
            if (unconverted.value(unit) != 0)
                parts << count(unit, unconverted.value(unit));
        return parts.join(QStringLiteral(", ")) + QLatin1Char(' ')
               + tr("(no conversion to %1)").arg(unitNames.at(convertible));
    }

    QList<int> multipliers{1};
    for (int unit = 1; unit < unitNames.size(); ++unit)
        multipliers << multipliers.last() * factors.at(unit);
    // From the largest unit down, until nothing is left: C++ division truncates toward
    // zero and the remainder keeps the quantity's sign, so a negative stock counts down
    // in negative counts.
    QStringList parts;
    int remaining = quantity;
    for (int unit = unitNames.size() - 1; unit >= 0; --unit) {
        parts << count(unit, remaining / multipliers.at(unit));
        remaining %= multipliers.at(unit);
        if (remaining == 0)
            break;
    }
    return parts.join(QStringLiteral(", "));
}
