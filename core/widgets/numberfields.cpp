#include "core/widgets/numberfields.h"

#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/direction.h"
#include "core/widgets/fieldnames.h"

#include <QCoreApplication>
#include <QLabel>

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSpinBox>
#include <QValidator>
#include <QVariant>

#include <cmath>

namespace NumberFields {

namespace {
// Refuses every text that is not a plain number with at most `decimals` decimals, then
// lets the spin box's own validator judge the range.
class PlainNumberValidator : public QValidator
{
public:
    PlainNumberValidator(const QValidator *spinBoxOwn, int decimals, bool allowNegative, QObject *parent)
        : QValidator(parent), spinBoxOwn(spinBoxOwn),
          plain(QStringLiteral("^%1\\d*%2$")
                    .arg(allowNegative ? QStringLiteral("-?") : QString(),
                         decimals > 0 ? QStringLiteral("(\\.\\d{0,%1})?").arg(decimals) : QString()))
    {
    }

    State validate(QString &input, int &pos) const override
    {
        if (!plain.match(input).hasMatch())
            return Invalid;
        return spinBoxOwn ? spinBoxOwn->validate(input, pos) : Acceptable;
    }

    void fixup(QString &input) const override
    {
        if (spinBoxOwn)
            spinBoxOwn->fixup(input);
    }

private:
    QPointer<const QValidator> spinBoxOwn;
    QRegularExpression plain;
};

// Digits and the point as Money reads them, whatever the language of the program.
template <class SpinBox>
void setPlainNumbers(SpinBox *box, int decimals, bool allowNegative)
{
    QLocale plainNumbers = QLocale::c();
    plainNumbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    box->setLocale(plainNumbers);
    box->setGroupSeparatorShown(false);
    box->setPrefix(QString());
    box->setSuffix(QString());
    QLineEdit *edit = box->template findChild<QLineEdit *>();
    if (!edit)
        return;
    edit->setValidator(new PlainNumberValidator(edit->validator(), decimals, allowNegative, box));
}

// The range a field takes from the user, kept once a stored value widened it.
const char *const takenMinimum = "zarpoTakenMinimum";
const char *const takenMaximum = "zarpoTakenMaximum";
// The same for a field of sums, which takes nothing from the user.
const char *const sumMinimum = "zarpoSumMinimum";
const char *const sumMaximum = "zarpoSumMaximum";

// Shows `value` in `box`, whose own range is kept under `minimumKey` and `maximumKey` the
// first time, widened to hold it where it lies outside that range.
template <class SpinBox, class Value>
void showWidened(SpinBox *box, Value value, const char *minimumKey, const char *maximumKey)
{
    if (!box->property(minimumKey).isValid()) {
        box->setProperty(minimumKey, box->minimum());
        box->setProperty(maximumKey, box->maximum());
    }
    const Value minimum = box->property(minimumKey).template value<Value>();
    const Value maximum = box->property(maximumKey).template value<Value>();
    box->setRange(qMin(minimum, value), qMax(maximum, value));
    box->setValue(value);
}

template <class SpinBox, class Value>
void showStoredValue(SpinBox *box, Value value, const QLabel *label)
{
    FieldNames::setLabel(box, label);
    showWidened(box, value, takenMinimum, takenMaximum);
}

QString numberText(const QDoubleSpinBox *box, double value)
{
    return box->textFromValue(value);
}

QString numberText(const QSpinBox *, double value)
{
    return QString::number(qRound(value));
}

// The value `box` shows and the range it takes, as text; false when it shows a value it takes.
template <class SpinBox>
bool outOfRange(const QWidget *widget, QString *value, QString *minimum, QString *maximum)
{
    const auto *box = qobject_cast<const SpinBox *>(widget);
    if (!box)
        return false;
    const double low = box->property(takenMinimum).toDouble();
    const double high = box->property(takenMaximum).toDouble();
    if (box->value() >= low && box->value() <= high)
        return false;
    *value = numberText(box, box->value());
    *minimum = numberText(box, low);
    *maximum = numberText(box, high);
    return true;
}

void setup(QDoubleSpinBox *box, int decimals, double minimum, double maximum)
{
    box->setDecimals(decimals);
    box->setRange(minimum, maximum);
    setPlainNumbers(box, decimals, minimum < 0);
}
}

void setupAmount(QDoubleSpinBox *box, int precision, bool allowNegative)
{
    const double largest = std::pow(10.0, precision - 2) - 0.01;
    setup(box, 2, allowNegative ? -largest : 0.0, largest);
    if (QLineEdit *edit = box->findChild<QLineEdit *>())
        Direction::alignAmountField(edit);
}

void setupWholeNumber(QDoubleSpinBox *box, int minimum, int maximum)
{
    setup(box, 0, minimum, maximum);
}

void setupWholeNumber(QSpinBox *box, int minimum, int maximum)
{
    box->setRange(minimum, maximum);
    setPlainNumbers(box, 0, minimum < 0);
    if (QLineEdit *edit = box->findChild<QLineEdit *>())
        Direction::alignAmountField(edit);
}

void showStored(QDoubleSpinBox *box, double value, const QLabel *label)
{
    showStoredValue(box, value, label);
}

void showStored(QSpinBox *box, int value, const QLabel *label)
{
    showStoredValue(box, value, label);
}

void takeRange(QSpinBox *box, int minimum, int maximum)
{
    box->setProperty(takenMinimum, QVariant());
    box->setProperty(takenMaximum, QVariant());
    box->setRange(minimum, maximum);
}

void showSum(QDoubleSpinBox *box, double sum)
{
    showWidened(box, sum, sumMinimum, sumMaximum);
}

bool storable(QWidget *form)
{
    for (QWidget *box : form->findChildren<QWidget *>()) {
        if (!box->property(takenMinimum).isValid())
            continue;
        QString value, minimum, maximum;
        if (!outOfRange<QDoubleSpinBox>(box, &value, &minimum, &maximum)
            && !outOfRange<QSpinBox>(box, &value, &minimum, &maximum))
            continue;
        Messages::critical(form, msgCaption,
                           QCoreApplication::translate("NumberFields", "%1 shows %2 as stored, but it can only hold "
                                                                       "%3 to %4. Correct it and save again.")
                               .arg(FieldNames::of(box), Direction::isolated(value), Direction::isolated(minimum),
                                    Direction::isolated(maximum)));
        box->setFocus();
        return false;
    }
    return true;
}

} // namespace NumberFields
