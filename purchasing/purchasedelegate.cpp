#include "purchasing/purchasedelegate.h"

#include "core/widgets/comboboxes.h"
#include "core/documents/documentlines.h"
#include "core/system/globals.h"
#include "purchasing/purchasegrid.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>

using namespace PurchaseLine;

namespace {
const int largestQuantity = 999999999;

QVariant cell(const QModelIndex &index, int column)
{
    return index.sibling(index.row(), column).data(Qt::EditRole);
}
}

QWidget *PurchaseDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int column = index.column();
    if (column == Quantity)
        return wholeNumberEditor(parent, 1, largestQuantity);
    if (column >= UnitPrice && column <= TaxPercent)
        return amountEditor(parent);
    if (column == Date) {
        auto *date = new QDateEdit(parent);
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
        return date;
    }
    if (column != Uom)
        return nullptr;
    // A row without an item has no unit to choose.
    const QVariant itemId = cell(index, ItemId);
    if (itemId.toString().isEmpty())
        return nullptr;
    auto *units = new QComboBox(parent);
    fillCombo(units, {}, DocumentLines::unitsOfItemSql, {{QStringLiteral(":id"), itemId}});
    return units;
}

void PurchaseDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (setNumberEditorData(editor, index))
        return;
    const QVariant value = index.data(Qt::EditRole);
    if (auto *date = qobject_cast<QDateEdit *>(editor)) {
        if (value.toDate().isValid())
            date->setDate(value.toDate());
    } else if (auto *units = qobject_cast<QComboBox *>(editor)) {
        const QString unitId = cell(index, UomId).toString();
        int current = 0;
        for (int entry = 0; entry < units->count(); ++entry)
            if (units->itemData(entry).toString() == unitId)
                current = entry;
        units->setCurrentIndex(current);
    }
}

void PurchaseDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (setNumberModelData(editor, model, index))
        return;
    if (auto *date = qobject_cast<QDateEdit *>(editor)) {
        model->setData(index, date->date(), Qt::EditRole);
    } else if (auto *units = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, units->currentText(), Qt::EditRole);
        model->setData(index.sibling(index.row(), UomId), units->currentData(), Qt::EditRole);
    }
}
