#include "core/comboboxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>

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

QVariant comboItemId(const QComboBox *combo)
{
    const QVariant id = combo->currentData();
    return id.isValid() ? id : QVariant(QVariant::Int);
}

void showEntriesWhole(QComboBox *combo)
{
    QAbstractItemView *list = combo->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());
}
