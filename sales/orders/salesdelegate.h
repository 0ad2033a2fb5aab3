#ifndef SALESDELEGATE_H
#define SALESDELEGATE_H

#include "core/direction.h"

// The cell editors of the sales line grid: a whole number for the quantity, the item's
// units, the price types that price the item in the line's unit, and amounts, each
// taking only what its column stores. The two lists write their entry's id beside the
// name. Cells are painted by the direction rule, amounts with their cents at the end of
// the line.
class SalesDelegate : public DirectionDelegate
{
public:
    SalesDelegate();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    // Amounts, the only values of the grid held as doubles, with their cents.
    QString displayText(const QVariant &value, const QLocale &locale) const override;
};

#endif // SALESDELEGATE_H
