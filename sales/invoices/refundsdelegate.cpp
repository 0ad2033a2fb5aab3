#include "sales/invoices/refundsdelegate.h"

#include "core/globals.h"
#include "core/money.h"
#include "core/numberfields.h"
#include "sales/invoices/refundgrid.h"

#include <QDate>
#include <QSpinBox>

using namespace RefundLine;

namespace {
const int largestRefund = 999999999;

int cell(const QModelIndex &index, int column)
{
    return index.sibling(index.row(), column).data(Qt::EditRole).toInt();
}
}

RefundsDelegate::RefundsDelegate() : DirectionDelegate(nullptr) {}

QWidget *RefundsDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (index.column() != Refund)
        return nullptr;
    auto *units = new QSpinBox(parent);
    NumberFields::setupWholeNumber(units, 0, largestRefund);
    return units;
}

void RefundsDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *units = qobject_cast<QSpinBox *>(editor))
        units->setValue(index.data(Qt::EditRole).toInt());
}

void RefundsDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *units = qobject_cast<QSpinBox *>(editor);
    if (!units || index.column() != Refund)
        return;
    units->interpretText();
    model->setData(index, cappedRefund(units->value(), cell(index, Quantity), cell(index, Refunded)), Qt::EditRole);
}

void RefundsDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                           const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

QString RefundsDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.type() == QVariant::Double)
        return Money::fromDouble(value.toDouble()).fixedText();
    if (value.type() == QVariant::Date)
        return value.toDate().toString(dateFormat);
    return DirectionDelegate::displayText(value, locale);
}
