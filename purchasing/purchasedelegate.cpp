#include "purchasing/purchasedelegate.h"

#include "core/widgets/comboboxes.h"
#include "core/documents/documentlines.h"
#include "purchasing/purchasegrid.h"

#include <QComboBox>

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
    if (column == Date)
        return dateEditor(parent);
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
    if (setNumberEditorData(editor, index) || setDateEditorData(editor, index))
        return;
    if (auto *units = qobject_cast<QComboBox *>(editor))
        setChoiceEditorData(units, index, UomId);
}

void PurchaseDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (setNumberModelData(editor, model, index) || setDateModelData(editor, model, index))
        return;
    if (auto *units = qobject_cast<QComboBox *>(editor))
        setChoiceModelData(units, model, index, UomId);
}
