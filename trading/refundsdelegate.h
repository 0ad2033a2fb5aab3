#ifndef REFUNDSDELEGATE_H
#define REFUNDSDELEGATE_H

#include "core/documents/linedelegate.h"

// The one cell editor of the refund grid: a whole number of units taken back, kept
// within what the invoice line has left. Every other cell is shown only.
class RefundsDelegate : public cLineDelegate
{
public:
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

#endif // REFUNDSDELEGATE_H
