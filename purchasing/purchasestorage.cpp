#include "purchasing/purchasestorage.h"

#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "purchasing/purchasegrid.h"

#include <QDate>
#include <QSqlQuery>

namespace PurchaseStorage {

using namespace PurchaseLine;

const Document order{{QStringLiteral("purchaseorder"), QStringLiteral("PurchaseOrderId"),
                      QStringLiteral("purchaseorderdetails"), QStringLiteral("PurchaseOrderDetailsId")},
                     QString()};
const Document invoice{{QStringLiteral("purchaseinvoice"), QStringLiteral("PurchaseInvoiceId"),
                        QStringLiteral("purchaseinvoicedetails"), QStringLiteral("PurchaseInvoiceDetailsId")},
                       QStringLiteral("ProductionDate")};

namespace {
// The rows that name what the grid shows of a line: a line whose item or unit row is
// missing could not be shown whole, and is neither loaded nor counted as loaded.
QString shownJoins(const Document &document)
{
    return QStringLiteral("Inner Join items on %1.ItemId = items.ItemId Inner Join uom on %1.UOMId = uom.UOMId")
        .arg(document.details);
}
} // namespace

QSqlError loadLines(cPurchaseGrid *lines, const Document &document, int id, bool keepIds)
{
    lines->clear();
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("Select %3, %2.ItemId, ItemNo, ItemName, Quantity, %2.UOMId, BasePrice, Discount, "
                                 "Tax, Price, UOM, %4 from %2 %5 where %1 = :id order by %3")
                      .arg(document.headerId, document.details, document.detailsId,
                           document.lineDate.isEmpty() ? QStringLiteral("NULL") : document.lineDate,
                           shownJoins(document)));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return query.lastError();
    while (query.next()) {
        // Written into the trailing row, so no value starts a recalculation: the prices
        // are shown as stored.
        lines->addLine([&](int row) {
            if (keepIds)
                lines->setValue(row, DetailId, query.value(0));
            lines->setValue(row, ItemId, query.value(1));
            lines->setValue(row, ItemNo, query.value(2));
            lines->setValue(row, ItemName, query.value(3));
            lines->setValue(row, Quantity, query.value(4));
            lines->setValue(row, UomId, query.value(5));
            lines->setValue(row, UnitPrice, query.value(6));
            lines->setValue(row, Discount, query.value(7));
            lines->setValue(row, Tax, query.value(8));
            lines->setValue(row, Price, query.value(9));
            lines->setValue(row, Uom, query.value(10));
            lines->setValue(row, Date, query.value(11).toDate().isValid() ? query.value(11) : QVariant());
        });
    }
    lines->markStored();
    lines->fitColumns();
    return QSqlError();
}

void writeLines(cDbSave &save, const cPurchaseGrid *lines, const Document &document, int id, Money subtotal)
{
    const bool dated = !document.lineDate.isEmpty();
    LineStatements sql;
    sql.insert = QStringLiteral("INSERT INTO `%1` (`%2`, `ItemId`, `Quantity`, `UOMId`, `BasePrice`, `Discount`, "
                                "`Tax`, `Price`%3) VALUES (:%2, :ItemId, :Quantity, :UOMId, "
                                ":BasePrice, :Discount, :Tax, :Price%4)")
                     .arg(document.details, document.headerId,
                          dated ? QStringLiteral(", `%1`").arg(document.lineDate) : QString(),
                          dated ? QStringLiteral(", :LineDate") : QString());
    sql.update = QStringLiteral("Update `%1` Set `ItemId` = :ItemId, `Quantity` = :Quantity, `UOMId` = :UOMId, "
                                "`BasePrice` = :BasePrice, `Discount` = :Discount, `Tax` = :Tax, `Price` = :Price%3 "
                                "Where %2 = :id")
                     .arg(document.details, document.detailsId,
                          dated ? QStringLiteral(", `%1` = :LineDate").arg(document.lineDate) : QString());
    sql.remove = QStringLiteral("Delete from %1 where %2 = :id").arg(document.details, document.detailsId);
    sql.parentPlaceholder = QLatin1Char(':') + document.headerId;
    sql.parentId = id;
    lines->write(save, sql, [lines, dated](LineValues &line, int row) {
        using DocumentLines::amountOrNull;
        using DocumentLines::cellOrNull;
        line.bindValue(QStringLiteral(":ItemId"), cellOrNull(lines, row, ItemId));
        line.bindValue(QStringLiteral(":Quantity"), cellOrNull(lines, row, Quantity));
        line.bindValue(QStringLiteral(":UOMId"), cellOrNull(lines, row, UomId));
        line.bindValue(QStringLiteral(":BasePrice"), amountOrNull(lines, row, UnitPrice));
        line.bindValue(QStringLiteral(":Discount"), amountOrNull(lines, row, Discount));
        line.bindValue(QStringLiteral(":Tax"), amountOrNull(lines, row, Tax));
        line.bindValue(QStringLiteral(":Price"), amountOrNull(lines, row, Price));
        if (!dated)
            return;
        const QDate date = lines->value(row, Date).toDate();
        line.bindValue(QStringLiteral(":LineDate"), date.isValid() ? QVariant(date) : QVariant(QVariant::Date));
    });
    DocumentLines::checkStoredLines(save, document, id, lines->lineCount(), subtotal, shownJoins(document));
}

} // namespace PurchaseStorage
