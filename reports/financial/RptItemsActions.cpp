#include "reports/financial/RptItemsActions.h"

#include "core/db/money.h"
#include "reports/framework/cReport.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {
enum Column { ItemNo, ItemName, Uom, Purchased, Sold, Qoh, PurchaseCapital, SalesCapital };
}

void RptItemsActions::showReport()
{
    cReport report(QStringLiteral("ItemsActions.Rep"));
    if (!report.readTemplate())
        return;
    QSqlQueryModel model;
    if (!cReport::runQuery(model, QStringLiteral("SELECT ItemNo, ItemName, UOM, Purchased, Sold, QOH, PurchaseCapital, "
                                                 "SalesCapital FROM vw_itemcapital Order By ItemName")))
        return;

    // The capitals are shown and summed in cents: the sales capital is an average price
    // times a quantity, with more decimals than money has. An item without a price in
    // its unit has no sales capital and adds 0.
    QString rows;
    Money purchaseTotal;
    Money salesTotal;
    for (int i = 0; i < model.rowCount(); ++i) {
        const QSqlRecord record = model.record(i);
        const Money purchaseCapital = Money::fromDecimal(record.value(PurchaseCapital));
        const Money salesCapital = Money::fromDecimal(record.value(SalesCapital));
        rows += QStringLiteral("<tr>");
        for (int column : {ItemNo, ItemName, Uom})
            rows += cReport::cell(cReport::cellText(record.value(column)));
        for (int column : {Purchased, Sold, Qoh})
            rows += cReport::numberCell(cReport::cellText(record.value(column)));
        rows += cReport::numberCell(purchaseCapital.shortText()) + cReport::numberCell(salesCapital.shortText())
                + QStringLiteral("</tr>");
        purchaseTotal += purchaseCapital;
        salesTotal += salesCapital;
    }
    cReport::show(report.page({{QStringLiteral("$TOTAL_PURCHASE"), purchaseTotal.shortText()},
                               {QStringLiteral("$TOTAL_SALES"), salesTotal.shortText()},
                               {QStringLiteral("$PROFIT_LOSS"), (salesTotal - purchaseTotal).shortText()}},
                              {{QStringLiteral("<td colspan=\"8\">$DETAILS</td>"), rows}}));
}
