#include "core/money.h"

namespace Money {

qint64 cents(double amount)
{
    return qRound64(amount * 100.0);
}

double amount(qint64 cents)
{
    return cents / 100.0;
}

QString text(double value)
{
    // Fifteen significant digits are all a double holds exactly, so the shortest form
    // of a rounded amount never grows a tail of noise digits.
    return QString::number(amount(cents(value)), 'g', 15);
}

} // namespace Money
