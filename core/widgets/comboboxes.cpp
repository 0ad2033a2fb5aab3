#include "core/widgets/comboboxes.h"

#include "core/db/connection.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

QSqlError fillCombo(QComboBox *combo, const QStringList &leading, const QString &sql, const QVariantMap &values)
{
    combo->clear();
    combo->addItems(leading);
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    bool ran;
    if (values.isEmpty()) {
        ran = query.exec(sql);
    } else {
        ran = query.prepare(sql);
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            query.bindValue(value.key(), value.value());
        ran = ran && query.exec();
    }
    if (!ran)
        return FailedReads::noteRead(combo, failureOf(query));
    const bool withIds = query.record().count() > 1;
    while (query.next()) {
        if (withIds)
            combo->addItem(query.value(1).toString(), query.value(0).toInt());
        else
            combo->addItem(query.value(0).toString());
    }
    return FailedReads::noteRead(combo, QSqlError());
}

QString accountEntrySql()
{
    return rightToLeft ? QStringLiteral("Concat(AccountNo, ': ', COALESCE(NULLIF(DescriptionAr, ''), Description, ''))")
                       : QStringLiteral("Concat(AccountNo, ': ', COALESCE(Description, ''))");
}

QString accountEntryOfIdSql()
{
    return QStringLiteral("select %1 from accounts where AccountId = :id").arg(accountEntrySql());
}

bool fillComboFromQuery(QComboBox *combo, const QStringList &leading, const QString &sql)
{
    return !fillCombo(combo, leading, sql).isValid();
}

void selectComboItemById(QComboBox *combo, const QVariant &id)
{
    combo->setCurrentIndex(id.isNull() ? -1 : combo->findData(id.toInt()));
}

namespace {
// Marks the entries that selectStoredItem and selectStoredText added.
const int notOfferedRole = Qt::UserRole + 1;

// The entry of a stored id that `combo` does not offer, named by `nameSql` where it can be.
QString notOfferedEntry(QComboBox *combo, int id, const QString &nameSql)
{
    if (!nameSql.isEmpty()) {
        QSqlQuery query(liveDefaultConnection());
        query.setForwardOnly(true);
        query.prepare(nameSql);
        query.bindValue(QStringLiteral(":id"), id);
        if (FailedReads::execOrTell(query, combo->window()) && query.next())
            return QCoreApplication::translate("ComboBoxes", "%1 (not in the list)").arg(query.value(0).toString());
    }
    return QCoreApplication::translate("ComboBoxes", "No. %1, not in the list").arg(id);
}
}

void selectStoredItem(QComboBox *combo, const QVariant &id, const QString &nameSql)
{
    if (id.isNull() || id.toInt() <= 0) {
        combo->setCurrentIndex(-1);
        return;
    }
    if (combo->findData(id.toInt()) < 0) {
        combo->addItem(notOfferedEntry(combo, id.toInt(), nameSql), id.toInt());
        combo->setItemData(combo->count() - 1, true, notOfferedRole);
    }
    combo->setCurrentIndex(combo->findData(id.toInt()));
}

bool showsStoredItemNotOffered(const QComboBox *combo)
{
    return combo->currentIndex() >= 0 && combo->itemData(combo->currentIndex(), notOfferedRole).toBool();
}

void selectStoredText(QComboBox *combo, const QString &text)
{
    if (!text.isEmpty() && combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        combo->addItem(text);
        combo->setItemData(combo->count() - 1, true, notOfferedRole);
    }
    combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void removeEntriesNotOffered(QComboBox *combo)
{
    if (showsStoredItemNotOffered(combo))
        combo->setCurrentIndex(-1);
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemData(i, notOfferedRole).toBool())
            combo->removeItem(i);
    }
}

void selectStoredIndex(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

QVariant comboItemId(const QComboBox *combo)
{
    const QVariant id = combo->currentData();
    return id.isValid() ? id : QVariant(QVariant::Int);
}

namespace {
const char listingRuleProperty[] = "zarpoListingRule";
}

void setListingRule(QComboBox *combo, const QString &rule)
{
    combo->setProperty(listingRuleProperty, rule);
}

void refillAndSelectAdded(QComboBox *combo, const std::function<void()> &refill, int addedId,
                          const QList<QComboBox *> &keep)
{
    QList<QPair<QVariant, int>> shown;
    for (const QComboBox *other : keep)
        shown.append({other->currentData(), other->currentIndex()});
    bool refilled;
    {
        const FailedReads::Action refilling;
        refill();
        refilled = !refilling.told();
    }
    for (int i = 0; i < keep.size(); ++i) {
        const QVariant id = shown.at(i).first;
        keep.at(i)->setCurrentIndex(id.isValid() ? keep.at(i)->findData(id) : shown.at(i).second);
    }
    // Not the newest entry: where the list leaves the added record out, that is another one.
    const int added = addedId > 0 ? combo->findData(addedId) : -1;
    combo->setCurrentIndex(added);
    if (addedId <= 0 || added >= 0 || !refilled)
        return;
    const QString rule = combo->property(listingRuleProperty).toString();
    Messages::information(
        combo->window(), msgCaption,
        QCoreApplication::translate("ComboBoxes", "The record just added cannot be chosen here, so none is chosen.")
            + QLatin1Char('\n')
            + (rule.isEmpty()
                   ? QCoreApplication::translate("ComboBoxes", "Another user may have deleted it meanwhile.")
                   : rule));
}

namespace {
// The width of the widest entry's text as Qt's own sizing measures it, each entry once.
int widestEntry(const QComboBox *combo)
{
    const QFontMetrics metrics = combo->fontMetrics();
    int widest = combo->count() ? 0 : 7 * metrics.horizontalAdvance(QLatin1Char('x'));
    for (int i = 0; i < combo->count(); ++i)
        widest = qMax(widest, metrics.boundingRect(combo->itemText(i)).width());
    return widest;
}
}

void showEntriesWhole(QComboBox *combo)
{
    QAbstractItemView *list = combo->view();
    // The list's margins around an entry's text, read from its first entry: each entry is
    // measured once, as a choice of thousands of customers asks.
    const QModelIndex first = combo->model()->index(0, combo->modelColumn(), combo->rootModelIndex());
    const int margins = first.isValid() ? list->sizeHintForIndex(first).width()
                                              - combo->fontMetrics().boundingRect(combo->itemText(0)).width()
                                        : 0;
    list->setMinimumWidth(widestEntry(combo) + margins + list->verticalScrollBar()->sizeHint().width());
}

void growToWidestEntry(QComboBox *combo)
{
    // Asked for in whole characters of the style's measure: the hint is never narrower than
    // the widest entry, and at most a character wider.
    const int character = combo->fontMetrics().horizontalAdvance(QLatin1Char('X'));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLength);
    combo->setMinimumContentsLength((widestEntry(combo) + character - 1) / character);
    showEntriesWhole(combo);
}
