#include "core/widgets/comboboxes.h"

#include "core/db/connection.h"

#include <QAbstractItemView>
#include <QComboBox>
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
        return failureOf(query);
    const bool withIds = query.record().count() > 1;
    while (query.next()) {
        if (withIds)
            combo->addItem(query.value(1).toString(), query.value(0).toInt());
        else
            combo->addItem(query.value(0).toString());
    }
    return QSqlError();
}

bool fillComboFromQuery(QComboBox *combo, const QStringList &leading, const QString &sql)
{
    return !fillCombo(combo, leading, sql).isValid();
}

void selectNewestComboItem(QComboBox *combo)
{
    int bestId = -1;
    int bestIndex = 0;
    for (int i = 0; i < combo->count(); ++i) {
        const int id = combo->itemData(i, Qt::UserRole).toInt();
        if (id > bestId) {
            bestId = id;
            bestIndex = i;
        }
    }
    combo->setCurrentIndex(bestIndex);
}

void selectComboItemById(QComboBox *combo, const QVariant &id)
{
    combo->setCurrentIndex(id.isNull() ? -1 : combo->findData(id.toInt()));
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

void refillAndSelectNewest(QComboBox *combo, const std::function<void()> &refill, const QList<QComboBox *> &keep)
{
    QList<QPair<QVariant, int>> shown;
    for (const QComboBox *other : keep)
        shown.append({other->currentData(), other->currentIndex()});
    refill();
    for (int i = 0; i < keep.size(); ++i) {
        const QVariant id = shown.at(i).first;
        keep.at(i)->setCurrentIndex(id.isValid() ? keep.at(i)->findData(id) : shown.at(i).second);
    }
    selectNewestComboItem(combo);
}

void fitToWidestEntry(QComboBox *combo)
{
    const QFontMetrics metrics = combo->fontMetrics();
    int widest = combo->count() ? 0 : 7 * metrics.horizontalAdvance(QLatin1Char('x'));
    for (int i = 0; i < combo->count(); ++i)
        widest = qMax(widest, metrics.boundingRect(combo->itemText(i)).width());
    // Sized by no entry, the combo is its frame and arrow alone, the style's part, less
    // one: Qt starts from the invalid width -1, which any entry's width replaces.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(0);
    combo->setMinimumWidth(combo->minimumSizeHint().width() + 1 + widest);
}

void showEntriesWhole(QComboBox *combo)
{
    QAbstractItemView *list = combo->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());
}
