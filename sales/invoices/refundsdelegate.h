#ifndef REFUNDSDELEGATE_H
#define REFUNDSDELEGATE_H

#include "core/direction.h"

// The one cell editor of the refund grid: a whole number of units taken back, kept
// within what the invoice line has left. Every other cell is shown only. Amounts are
// painted with their cents.
class RefundsDelegate : public DirectionDelegate
{
public:
    RefundsDelegate();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;
};

#endif // REFUNDSDELEGATE_H
