#include "core/documents/documentlines.h"

#include "core/system/cXml.h"
#include "core/widgets/comboboxes.h"
#include "core/db/connection.h"
#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/documents/linegrid.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/direction.h"
#include "core/widgets/numberfields.h"
#include "core/widgets/storedfields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

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

Chosen chosenItems(const cLineGrid *lines, int itemColumn)
{
    Chosen items{QStringLiteral("items"), QStringLiteral("ItemId"), {},
                 QCoreApplication::translate("DocumentLines", "an item of the lines")};
    for (int row = 0; row < lines->lineCount(); ++row)
        items.ids << lines->value(row, itemColumn);
    return items;
}

cStoredRecord storedDocument(const Document &document, const QString &thisDocument,
                             const QList<cStoredRecord::Rows> &more)
{
    return cStoredRecord(QList<cStoredRecord::Rows>{{document.header, document.headerId, document.headerId},
                                                    {document.details, document.headerId, document.detailsId}}
                             + more,
                         thisDocument);
}

int writeHeader(cDbSave &save, int storedId, const cStoredRecord &loaded,
                const QList<Chosen> &chosen, const QString &insert, const QString &update,
                const std::function<void(QSqlQuery &header)> &bind)
{
    for (const Chosen &records : chosen)
        save.lockChosen(records.table, records.idColumn, records.ids, records.what);
    if (storedId == 0) {
        QSqlQuery header = save.prepare(insert);
        bind(header);
        save.exec(header);
        return save.lastInsertId();
    }
    loaded.lockUnchanged(save, storedId);
    QSqlQuery header = save.prepare(update);
    bind(header);
    header.bindValue(QStringLiteral(":id"), storedId);
    save.execOnStored(header);
    return save.failed() ? 0 : storedId;
}

void checkStoredLines(cDbSave &save, const Document &document, int id, int lineCount, Money subtotal,
                      const QString &shownJoins)
{
    QSqlQuery stored = save.prepare(
        QStringLiteral("SELECT COUNT(*), COALESCE(SUM(%1.Price), 0) FROM %1 %3 WHERE %1.%2 = :id")
            .arg(document.details, document.headerId, shownJoins));
    stored.bindValue(QStringLiteral(":id"), id);
    if (!save.exec(stored) || !stored.next())
        return;
    if (stored.value(0).toInt() != lineCount || Money::fromDecimal(stored.value(1)) != subtotal)
        save.failWith(cDbSave::recordChangedText(QCoreApplication::translate("DocumentLines", "this document")));
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
        Messages::critical(parent, msgCaption, save.failureText(msgInsertFailed));
    return false;
}

bool hasChoicesAndLines(QWidget *window, const QList<Choice> &choices, int lineCount)
{
    if (!FailedReads::readWhole(window))
        return false;
    for (const Choice &choice : choices) {
        if (choice.combo->currentIndex() < 1) {
            Messages::critical(window, msgCaption, choice.missing);
            return false;
        }
    }
    if (lineCount == 0) {
        Messages::critical(window, msgCaption,
                           QCoreApplication::translate("DocumentLines", "Select items by double clicking the first "
                                                                        "empty row below 'Item No' or 'Item' column"));
        return false;
    }
    return true;
}

NamedAmount deposit(const QDoubleSpinBox *field)
{
    return {QCoreApplication::translate("DocumentLines", "Deposit"), Money::fromDouble(field->value())};
}

bool headerAmountsFit(QWidget *window, Money subtotal, Money freight, Money total, const QList<NamedAmount> &more)
{
    const QList<NamedAmount> amounts = QList<NamedAmount>{
        {QCoreApplication::translate("DocumentLines", "Subtotal"), subtotal},
        {QCoreApplication::translate("DocumentLines", "Freight"), freight},
        {QCoreApplication::translate("DocumentLines", "Total"), total}} + more;
    for (const NamedAmount &amount : amounts) {
        if (amount.amount.fitsDecimal10())
            continue;
        Messages::critical(window, msgCaption,
                           QCoreApplication::translate("DocumentLines", "The %1 (%2) is larger than a document can "
                                                                        "hold. Nothing was saved.")
                               .arg(amount.name, Direction::isolated(amount.amount.fixedText())));
        return false;
    }
    return true;
}

bool headerAmountsFit(QWidget *window, const HeaderFields &fields, const QList<NamedAmount> &more)
{
    const auto amount = [](const QDoubleSpinBox *field) { return Money::fromDouble(field->value()); };
    return headerAmountsFit(window, amount(fields.subtotal), amount(fields.freight), amount(fields.total), more);
}

void bindHeader(QSqlQuery &query, const HeaderFields &fields, const QString &partnerKey)
{
    query.bindValue(QStringLiteral(":EmployeeId"), currentEmployeeId);
    query.bindValue(partnerKey, comboItemId(fields.partner));
    query.bindValue(QStringLiteral(":Date"), StoredFields::dateOrNull(fields.date));
    query.bindValue(QStringLiteral(":ShipDate"), StoredFields::dateOrNull(fields.shipDate));
    query.bindValue(QStringLiteral(":Subtotal"), Money::fromDouble(fields.subtotal->value()).toDecimal());
    query.bindValue(QStringLiteral(":Freight"), Money::fromDouble(fields.freight->value()).toDecimal());
    query.bindValue(QStringLiteral(":Total"), Money::fromDouble(fields.total->value()).toDecimal());
    query.bindValue(QStringLiteral(":Comments"), textOrNull(fields.comment->toPlainText()));
}

namespace {
using ShowDate = void (*)(QDateEdit *, const QVariant &);

void copyDate(QDateEdit *edit, const QVariant &date)
{
    if (!date.isNull() && date.toDate().isValid())
        StoredFields::showDate(edit, date);
}

void showHeaderWith(const QSqlQuery &query, const HeaderFields &fields, ShowDate showDate)
{
    selectComboItemById(fields.partner, query.value(1));
    showDate(fields.date, query.value(2));
    showDate(fields.shipDate, query.value(3));
    NumberFields::showSum(fields.subtotal, Money::fromDecimal(query.value(4)).toDouble());
    fields.freight->setValue(Money::fromDecimal(query.value(5)).toDouble());
    NumberFields::showSum(fields.total, Money::fromDecimal(query.value(6)).toDouble());
    fields.comment->setPlainText(query.value(7).toString());
}
} // namespace

void showHeader(const QSqlQuery &query, const HeaderFields &fields)
{
    showHeaderWith(query, fields, StoredFields::showDate);
}

void showSourceHeader(const QSqlQuery &query, const HeaderFields &fields)
{
    showHeaderWith(query, fields, copyDate);
}

void datesForNew(const QList<QDateEdit *> &dates, bool showedStored)
{
    if (!showedStored)
        return;
    for (QDateEdit *date : dates)
        StoredFields::showDefaultDate(date, QDate::currentDate());
}

void rememberChoice(cXml &settings, const QString &element, const QComboBox *combo)
{
    const int id = combo->currentIndex() < 1 ? 0 : combo->currentData().toInt();
    if (id > 0)
        settings.setAttributes(element, {QStringLiteral("Id")}, {QString::number(id)});
}

bool recallChoice(const cXml &settings, const QString &element, QComboBox *combo)
{
    const QStringList kept = settings.getAttributes(element, QStringLiteral("Id"));
    if (kept.isEmpty())
        return false;
    bool isId = false;
    const int id = kept.first().toInt(&isId);
    combo->setCurrentIndex(isId && id > 0 ? combo->findData(id) : -1);
    return true;
}

bool execOrTell(QSqlQuery &query, QWidget *window)
{
    return FailedReads::execOrTell(query, window);
}

void tellSelectFailed(QWidget *window, const QSqlError &error)
{
    FailedReads::tell(window, error);
}

void showAddress(QWidget *window, const QString &sql, const QVariant &id, QPlainTextEdit *shipTo)
{
    QSqlQuery query(liveDefaultConnection());
    query.prepare(sql);
    query.bindValue(QStringLiteral(":id"), id);
    if (!execOrTell(query, window))
        return;
    const bool found = query.next();
    QStringList address;
    for (int column = 0; column < query.record().count(); ++column)
        address << (found ? query.value(column).toString() : QString());
    shipTo->setPlainText(address.join(QLatin1Char('\n')));
}

} // namespace DocumentLines
