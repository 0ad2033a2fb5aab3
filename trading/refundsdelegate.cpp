#include "trading/refundsdelegate.h"

#include "trading/refundgrid.h"

#include <QSpinBox>

using namespace RefundLine;

namespace {
const int largestRefund = 999999999;

int cell(const QModelIndex &index, int column)
{
    return index.sibling(index.row(), column).data(Qt::EditRole).toInt();
}
}

QWidget *RefundsDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (index.column() != Refund)
        return nullptr;
    return wholeNumberEditor(parent, 0, largestRefund);
}

void RefundsDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    setNumberEditorData(editor, index);
}

void RefundsDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *units = qobject_cast<QSpinBox *>(editor);
    if (!units || index.column() != Refund)
        return;
    units->interpretText();
    writeTyped(model, index, cappedRefund(units->value(), cell(index, Quantity), cell(index, Refunded)));
}
