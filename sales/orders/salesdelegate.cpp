#include "sales/orders/salesdelegate.h"

#include "core/widgets/comboboxes.h"
#include "sales/orders/salesgrid.h"

#include <QComboBox>

using namespace SalesLine;

namespace {
// As many units as a sales line offers; the quantity column holds more.
const int largestQuantity = 999999999;

bool isAmountEdit(int column)
{
    return column >= UnitPrice && column <= TaxPercent;
}

QVariant cell(const QModelIndex &index, int column)
{
    return index.sibling(index.row(), column).data(Qt::EditRole);
}

// Where a list's cell keeps the chosen entry's id.
int idColumn(const QModelIndex &index)
{
    return index.column() == Uom ? UomId : PriceTypeId;
}
}

QWidget *SalesDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int column = index.column();
    if (column == Quantity)
        return wholeNumberEditor(parent, 1, largestQuantity);
    if (isAmountEdit(column))
        return amountEditor(parent);
    if (column != Uom && column != PriceType)
        return nullptr;
    // A row without an item has nothing to choose from.
    const QVariant itemId = cell(index, ItemId);
    if (itemId.toString().isEmpty())
        return nullptr;
    // Built afresh at each opening: the list is always the item's current price list.
    auto *list = new QComboBox(parent);
    if (column == Uom)
        fillCombo(list, {}, unitsOfItemSql, {{QStringLiteral(":id"), itemId}});
    else
        fillCombo(list, {}, priceTypesOfItemSql,
                  {{QStringLiteral(":id"), itemId}, {QStringLiteral(":uomid"), cell(index, UomId)}});
    return list;
}

void SalesDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (setNumberEditorData(editor, index))
        return;
    if (auto *list = qobject_cast<QComboBox *>(editor))
        setChoiceEditorData(list, index, idColumn(index));
}

void SalesDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (setNumberModelData(editor, model, index))
        return;
    if (auto *list = qobject_cast<QComboBox *>(editor))
        setChoiceModelData(list, model, index, idColumn(index));
}
