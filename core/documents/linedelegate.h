#ifndef LINEDELEGATE_H
#define LINEDELEGATE_H

#include "core/widgets/direction.h"

// What the cell editors of the document line grids share: each editor fills its cell;
// amounts are painted with their cents and dates in the program's date format; a whole
// number and an amount are edited in spin boxes that take only what their column stores.
class cLineDelegate : public DirectionDelegate
{
public:
    cLineDelegate();

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    static QWidget *wholeNumberEditor(QWidget *parent, int minimum, int maximum);
    static QWidget *amountEditor(QWidget *parent);
    // Moves the cell's value into a whole-number or amount editor; false for any other.
    static bool setNumberEditorData(QWidget *editor, const QModelIndex &index);
    // Writes what a whole-number or amount editor holds, as typed, into the cell; false
    // for any other editor.
    static bool setNumberModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index);
};

#endif // LINEDELEGATE_H
