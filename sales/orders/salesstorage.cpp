#include "sales/orders/salesstorage.h"

#include "core/db/dbsave.h"
#include "core/documents/linegrid.h"
#include "sales/orders/salesgrid.h"

#include "core/db/connection.h"

#include <QSqlQuery>

namespace SalesStorage {

const Document quote{QStringLiteral("salesquote"), QStringLiteral("SalesQuoteId"), QStringLiteral("salesquotedetails"),
                     QStringLiteral("SalesQuoteDetailsId")};
const Document order{QStringLiteral("salesorder"), QStringLiteral("SalesOrderId"), QStringLiteral("salesorderdetails"),
                     QStringLiteral("SalesOrderDetailsId")};
const Document invoice{QStringLiteral("salesinvoice"), QStringLiteral("SalesInvoiceId"),
                       QStringLiteral("salesinvoicedetails"), QStringLiteral("SalesInvoiceDetailsId")};

using namespace SalesLine;

namespace {
// The rows that name what the grid shows of a line: a line whose item, unit or price type
// row is missing could not be shown whole, and is neither loaded nor counted as loaded.
QString shownJoins(const Document &document)
{
    return QStringLiteral("Inner Join items on %1.ItemId = items.ItemId Inner Join uom on %1.UOMId = uom.UOMId "
                          "Inner Join pricetypes on %1.PriceTypeId = pricetypes.PriceTypeId")
        .arg(document.details);
}
} // namespace

QSqlError loadLines(cSalesGrid *lines, const Document &document, int id, bool keepIds)
{
    lines->clear();
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select %3, %2.ItemId, ItemNo, ItemName, Quantity, %2.UOMId, %2.PriceTypeId, "
                                 "BasePrice, Discount, Tax, Price, UOM, PriceType from %2 %4 "
                                 "where %1 = :id order by %3")
                      .arg(document.headerId, document.details, document.detailsId, shownJoins(document)));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return query.lastError();
    while (query.next()) {
        // Written into the trailing row, so no value starts a recalculation: the prices
        // are shown as stored.
        lines->addLine([&](int row) {
            lines->setValue(row, ItemNo, query.value(2));
            lines->setValue(row, ItemId, query.value(1));
            lines->setValue(row, ItemName, query.value(3));
            lines->setValue(row, Quantity, query.value(4));
            lines->setValue(row, Uom, query.value(11));
            lines->setValue(row, PriceType, query.value(12));
            lines->setValue(row, UomId, query.value(5));
            lines->setValue(row, PriceTypeId, query.value(6));
            lines->setValue(row, UnitPrice, query.value(7));
            lines->setValue(row, Discount, query.value(8));
            lines->setValue(row, Tax, query.value(9));
            lines->setValue(row, Price, query.value(10));
            if (keepIds)
                lines->setValue(row, DetailsId, query.value(0));
        });
    }
    lines->markStored();
    lines->fitColumns();
    return QSqlError();
}

void writeLines(cDbSave &save, const cSalesGrid *lines, const Document &document, int id, Money subtotal)
{
    const QString values = QStringLiteral(":ItemId, :Quantity, :UOMId, :PriceTypeId, :BasePrice, :Discount, :Tax, :Price");
    LineStatements sql;
    sql.insert = QStringLiteral("INSERT INTO `%1` (`%2`, `ItemId`, `Quantity`, `UOMId`, `PriceTypeId`, `BasePrice`, "
                                "`Discount`, `Tax`, `Price`) VALUES(:%2, %3)")
                     .arg(document.details, document.headerId, values);
    sql.update = QStringLiteral("Update `%1` Set `ItemId` = :ItemId, `Quantity` = :Quantity, `UOMId` = :UOMId, "
                                "`PriceTypeId` = :PriceTypeId, `BasePrice` = :BasePrice, `Discount` = :Discount, "
                                "`Tax` = :Tax, `Price` = :Price Where %2 = :id")
                     .arg(document.details, document.detailsId);
    sql.remove = QStringLiteral("Delete from %1 where %2 = :id").arg(document.details, document.detailsId);
    sql.parentPlaceholder = QLatin1Char(':') + document.headerId;
    sql.parentId = id;
    lines->write(save, sql, [lines](LineValues &line, int row) {
        line.bindValue(QStringLiteral(":ItemId"), cellOrNull(lines, row, ItemId));
        line.bindValue(QStringLiteral(":Quantity"), cellOrNull(lines, row, Quantity));
        line.bindValue(QStringLiteral(":UOMId"), cellOrNull(lines, row, UomId));
        line.bindValue(QStringLiteral(":PriceTypeId"), cellOrNull(lines, row, PriceTypeId));
        line.bindValue(QStringLiteral(":BasePrice"), amountOrNull(lines, row, UnitPrice));
        line.bindValue(QStringLiteral(":Discount"), amountOrNull(lines, row, Discount));
        line.bindValue(QStringLiteral(":Tax"), amountOrNull(lines, row, Tax));
        line.bindValue(QStringLiteral(":Price"), amountOrNull(lines, row, Price));
    });

    checkStoredLines(save, document, id, lines->lineCount(), subtotal, shownJoins(document));
}

} // namespace SalesStorage
