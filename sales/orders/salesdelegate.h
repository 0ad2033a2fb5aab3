#ifndef SALESDELEGATE_H
#define SALESDELEGATE_H

#include "core/documents/linedelegate.h"

// The cell editors of the sales line grid: a whole number for the quantity, the item's
// units, the price types that price the item in the line's unit, and amounts, each
// taking only what its column stores. The two lists write their entry's id beside the
// name.
class SalesDelegate : public cLineDelegate
{
public:
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

#endif // SALESDELEGATE_H
