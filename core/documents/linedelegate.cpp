#include "core/documents/linedelegate.h"

#include "core/system/globals.h"
#include "core/db/money.h"
#include "core/documents/linegrid.h"
#include "core/widgets/numberfields.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QSpinBox>

namespace {
// An empty date editor holds its minimum and shows this instead: the special text of a
// spin box shows only when it is not empty.
const QString noDate = QStringLiteral(" ");

// A date that stays empty until the user picks one: opening, or merely passing through,
// the cell of an empty date writes nothing.
class OptionalDateEdit : public QDateEdit
{
public:
    explicit OptionalDateEdit(QWidget *parent) : QDateEdit(parent)
    {
        setDisplayFormat(dateFormat);
        setSpecialValueText(noDate);
        empty();
    }

    bool isEmpty() const { return date() == minimumDate(); }
    void empty() { setDate(minimumDate()); }

    void stepBy(int steps) override
    {
        if (isEmpty())
            startFromToday();
        else
            QDateEdit::stepBy(steps);
    }

protected:
    StepEnabled stepEnabled() const override
    {
        return isEmpty() ? StepUpEnabled | StepDownEnabled : QDateEdit::stepEnabled();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Delete) {
            empty();
            return;
        }
        if (isEmpty() && !event->text().isEmpty() && event->text().at(0).isDigit())
            startFromToday();
        QDateEdit::keyPressEvent(event);
    }

private:
    // Typing replaces the first part of today's date, so the date is built from there.
    void startFromToday()
    {
        setDate(QDate::currentDate());
        setSelectedSection(sectionAt(0));
    }
};
}

cLineDelegate::cLineDelegate() : DirectionDelegate(nullptr) {}

void cLineDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

QString cLineDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.type() == QVariant::Double)
        return Money::fromDouble(value.toDouble()).fixedText();
    if (value.type() == QVariant::Date)
        return value.toDate().toString(dateFormat);
    return DirectionDelegate::displayText(value, locale);
}

QWidget *cLineDelegate::wholeNumberEditor(QWidget *parent, int minimum, int maximum)
{
    auto *number = new QSpinBox(parent);
    NumberFields::setupWholeNumber(number, minimum, maximum);
    return number;
}

QWidget *cLineDelegate::amountEditor(QWidget *parent)
{
    auto *amount = new QDoubleSpinBox(parent);
    NumberFields::setupAmount(amount);
    return amount;
}

bool cLineDelegate::setNumberEditorData(QWidget *editor, const QModelIndex &index)
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *number = qobject_cast<QSpinBox *>(editor)) {
        number->setValue(value.toInt());
        return true;
    }
    if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor)) {
        amount->setValue(Money::fromDecimal(value).toDouble());
        return true;
    }
    return false;
}

bool cLineDelegate::setNumberModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *number = qobject_cast<QSpinBox *>(editor)) {
        number->interpretText();
        writeTyped(model, index, number->value());
        return true;
    }
    if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor)) {
        amount->interpretText();
        writeTyped(model, index, amount->value());
        return true;
    }
    return false;
}

void cLineDelegate::writeTyped(QAbstractItemModel *model, const QModelIndex &index, const QVariant &typed) const
{
    // Merely passing through a cell types nothing: the value is written as before, but
    // neither checked nor marked.
    const QVariant shown = index.data(Qt::EditRole);
    const bool changed = !shown.isValid() || shown.isNull() || shown != typed;
    if (changed) {
        if (numberCheck && !numberCheck(index, typed))
            return;
        model->setData(index, true, cLineGrid::typedRole);
    }
    model->setData(index, typed, Qt::EditRole);
}

void cLineDelegate::setChoiceEditorData(QComboBox *list, const QModelIndex &index, int idColumn)
{
    const QString id = index.sibling(index.row(), idColumn).data(Qt::EditRole).toString();
    int current = 0;
    for (int entry = 0; entry < list->count() && !id.isEmpty(); ++entry)
        if (list->itemData(entry).toString() == id)
            current = entry;
    list->setCurrentIndex(current);
}

void cLineDelegate::setChoiceModelData(QComboBox *list, QAbstractItemModel *model, const QModelIndex &index,
                                       int idColumn) const
{
    // The view refreshes the open editor from the row at each write, reselecting by the
    // id: so both are read first, and the id goes in before the name. Leaving the list on
    // the line's own entry changes nothing: a change of unit re-prices the line.
    const QString name = list->currentText();
    const QVariant id = list->currentData();
    const QVariant shownId = index.sibling(index.row(), idColumn).data(Qt::EditRole);
    if (!shownId.toString().isEmpty() && shownId.toString() == id.toString())
        return;
    const auto choose = [&] {
        model->setData(index.sibling(index.row(), idColumn), id, Qt::EditRole);
        model->setData(index, name, Qt::EditRole);
    };
    if (choiceCheck)
        choiceCheck(index, name, choose);
    else
        choose();
}

QWidget *cLineDelegate::dateEditor(QWidget *parent)
{
    return new OptionalDateEdit(parent);
}

bool cLineDelegate::setDateEditorData(QWidget *editor, const QModelIndex &index)
{
    auto *date = dynamic_cast<OptionalDateEdit *>(editor);
    if (!date)
        return false;
    const QDate value = index.data(Qt::EditRole).toDate();
    if (value.isValid())
        date->setDate(value);
    else
        date->empty();
    return true;
}

bool cLineDelegate::setDateModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    auto *date = dynamic_cast<OptionalDateEdit *>(editor);
    if (!date)
        return false;
    date->interpretText();
    const QVariant picked = date->isEmpty() ? QVariant() : QVariant(date->date());
    const QDate shown = index.data(Qt::EditRole).toDate();
    if (picked.toDate() != shown || picked.isValid() != shown.isValid())
        model->setData(index, picked, Qt::EditRole);
    return true;
}
