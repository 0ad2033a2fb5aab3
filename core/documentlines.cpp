#include "core/documentlines.h"

#include "core/cXml.h"
#include "core/dbsave.h"
#include "core/globals.h"
#include "core/linegrid.h"
#include "core/messages.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace DocumentLines {

const QString unitsOfItemSql = QStringLiteral(
    "select DISTINCT(uom.UomId), UOM from uom inner join itemprices on uom.UOMId = itemprices.UOMId "
    "Where itemprices.ItemId = :id order by uom.UomId");

bool showsDiscountAndTax()
{
    cXml settings(cXml::programSettingsPath());
    settings.load();
    const QStringList shown = settings.getAttributes(QStringLiteral("Preferences"), QStringLiteral("ShowDiscountAndTax"));
    return shown.isEmpty() || QVariant(shown.first()).toBool();
}

QVariant cellOrNull(const cLineGrid *lines, int row, int column)
{
    const QVariant value = lines->value(row, column);
    return value.isNull() || value.toString().isEmpty() ? QVariant(QVariant::String) : value;
}

QVariant amountOrNull(const cLineGrid *lines, int row, int column)
{
    const QVariant value = cellOrNull(lines, row, column);
    return value.isNull() ? value : lines->amount(row, column).toDecimal();
}

void lockHeader(cDbSave &save, const Document &document, int id)
{
    save.lockStored(document.header, document.headerId, id);
}

void checkStoredLines(cDbSave &save, const Document &document, int id, int lineCount, Money subtotal)
{
    QSqlQuery stored = save.prepare(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(Price), 0) FROM %1 WHERE %2 = :id")
                                        .arg(document.details, document.headerId));
    stored.bindValue(QStringLiteral(":id"), id);
    if (!save.exec(stored) || !stored.next())
        return;
    if (stored.value(0).toInt() != lineCount || Money::fromDecimal(stored.value(1)) != subtotal)
        save.failWith(QCoreApplication::translate("DocumentLines",
                                                  "Another user has changed this document meanwhile. Nothing was saved."));
}

bool commitOrTell(cDbSave &save, QWidget *parent)
{
    if (save.commit())
        return true;
    // A line that a refund names stays: its removal would undo the refund's account.
    if (save.errorNumber() == 1451)
        Messages::critical(parent, msgCaption,
                           QCoreApplication::translate("DocumentLines", "A removed line has been refunded and "
                                                                        "cannot be deleted. Nothing was saved."));
    else
        Messages::critical(parent, msgCaption, msgInsertFailed + QLatin1Char('\n') + save.errorText());
    return false;
}

} // namespace DocumentLines
