#include "core/documents/linedelegate.h"

#include "core/system/globals.h"
#include "core/db/money.h"
#include "core/widgets/numberfields.h"

#include <QDate>
#include <QDoubleSpinBox>
#include <QSpinBox>

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

bool cLineDelegate::setNumberModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    if (auto *number = qobject_cast<QSpinBox *>(editor)) {
        number->interpretText();
        model->setData(index, number->value(), Qt::EditRole);
        return true;
    }
    if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor)) {
        amount->interpretText();
        model->setData(index, amount->value(), Qt::EditRole);
        return true;
    }
    return false;
}
