#include "core/widgets/numberfields.h"

#include "core/widgets/direction.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSpinBox>
#include <QValidator>

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

} // namespace NumberFields
