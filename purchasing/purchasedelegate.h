#ifndef PURCHASEDELEGATE_H
#define PURCHASEDELEGATE_H

#include "core/documents/linedelegate.h"

// The cell editors of the purchase line grid: a whole number for the quantity, the
// item's units (writing the unit's id beside its name), amounts that take only what
// their column stores, and a date.
class PurchaseDelegate : public cLineDelegate
{
public:
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

#endif // PURCHASEDELEGATE_H
