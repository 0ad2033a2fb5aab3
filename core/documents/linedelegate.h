#ifndef LINEDELEGATE_H
#define LINEDELEGATE_H

#include "core/widgets/direction.h"

#include <functional>

class QComboBox;

// What the cell editors of the document line grids share: each editor fills its cell;
// amounts are painted with their cents and dates in the program's date format; a whole
// number and an amount are edited in spin boxes that take only what their column stores;
// a list of choices (a unit, a price type) writes the chosen entry's name and id; a date
// may stay empty.
class cLineDelegate : public DirectionDelegate
{
public:
    cLineDelegate();

    // Asked before a number the user typed goes into its cell; false keeps the cell as it
    // was, the check having told the user why.
    using NumberCheck = std::function<bool(const QModelIndex &index, const QVariant &typed)>;
    void setNumberCheck(const NumberCheck &check) { numberCheck = check; }
    // Makes a choice the user made in a list (`chosen`, the entry's text) by running
    // `choose`, which writes it; false when the choice was undone again, the check having
    // told the user why.
    using ChoiceCheck =
        std::function<bool(const QModelIndex &index, const QString &chosen, const std::function<void()> &choose)>;
    void setChoiceCheck(const ChoiceCheck &check) { choiceCheck = check; }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    static QWidget *wholeNumberEditor(QWidget *parent, int minimum, int maximum);
    static QWidget *amountEditor(QWidget *parent);
    // Moves the cell's value into a whole-number or amount editor; false for any other.
    static bool setNumberEditorData(QWidget *editor, const QModelIndex &index);
    // Writes what a whole-number or amount editor holds, as typed, into the cell (through
    // writeTyped()); false for any other editor.
    bool setNumberModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const;
    // Writes a number the user typed into the cell, marked as typed (cLineGrid::typedRole),
    // unless the number check refuses it.
    void writeTyped(QAbstractItemModel *model, const QModelIndex &index, const QVariant &typed) const;

    // Opens `list` on the entry whose id is the one in the row's `idColumn`, the first
    // entry when none is.
    static void setChoiceEditorData(QComboBox *list, const QModelIndex &index, int idColumn);
    // Writes the chosen entry's name into the cell and its id into the row's `idColumn`,
    // through the choice check.
    void setChoiceModelData(QComboBox *list, QAbstractItemModel *model, const QModelIndex &index, int idColumn) const;

    // A date editor that shows nothing until the user picks a date (an arrow key, the
    // wheel or a digit starts from today), and is emptied again by Delete.
    static QWidget *dateEditor(QWidget *parent);
    // Moves the cell's date, or its emptiness, into a date editor; false for any other.
    static bool setDateEditorData(QWidget *editor, const QModelIndex &index);
    // Writes the picked date, or an empty cell, when it differs from the cell's; false
    // for any other editor.
    static bool setDateModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index);

private:
    NumberCheck numberCheck;
    ChoiceCheck choiceCheck;
};

#endif // LINEDELEGATE_H
