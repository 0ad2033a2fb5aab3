#ifndef PURCHASEDELEGATE_H
#define PURCHASEDELEGATE_H

#include "core/direction.h"

// The cell editors of the purchase line grid: a whole number for the quantity, the
// item's units (writing the unit's id beside its name), amounts that take only what
// their column stores, and a date. Amounts are painted with their cents.
class PurchaseDelegate : public DirectionDelegate
{
public:
    PurchaseDelegate();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;
};

#endif // PURCHASEDELEGATE_H
