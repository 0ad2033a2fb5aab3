#include "sales/orders/salesdelegate.h"

#include "core/comboboxes.h"
#include "core/money.h"
#include "core/numberfields.h"
#include "sales/orders/salesgrid.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

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
}

SalesDelegate::SalesDelegate() : DirectionDelegate(nullptr) {}

QWidget *SalesDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int column = index.column();
    if (column == Quantity) {
        auto *quantity = new QSpinBox(parent);
        NumberFields::setupWholeNumber(quantity, 1, largestQuantity);
        return quantity;
    }
    if (isAmountEdit(column)) {
        auto *amount = new QDoubleSpinBox(parent);
        NumberFields::setupAmount(amount);
        return amount;
    }
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
    const QVariant value = index.data(Qt::EditRole);
    if (auto *quantity = qobject_cast<QSpinBox *>(editor)) {
        quantity->setValue(value.toInt());
    } else if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor)) {
        amount->setValue(Money::fromDecimal(value).toDouble());
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        list->setCurrentIndex(qMax(0, list->findText(value.toString())));
    }
}

void SalesDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *quantity = qobject_cast<QSpinBox *>(editor)) {
        quantity->interpretText();
        model->setData(index, quantity->value(), Qt::EditRole);
    } else if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor)) {
        amount->interpretText();
        model->setData(index, amount->value(), Qt::EditRole);
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        const int idColumn = index.column() == Uom ? UomId : PriceTypeId;
        model->setData(index, list->currentText(), Qt::EditRole);
        model->setData(index.sibling(index.row(), idColumn), list->currentData(), Qt::EditRole);
    }
}

void SalesDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

QString SalesDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.type() == QVariant::Double)
        return Money::fromDouble(value.toDouble()).fixedText();
    return DirectionDelegate::displayText(value, locale);
}
