#ifndef MONEY_H
#define MONEY_H

#include <QString>
#include <QtGlobal>

// Amounts of money are compared and summed in whole cents, so that 0.1 + 0.2 equals 0.3
// and a total never shows a floating-point residue.
namespace Money {

// The amount rounded to the nearest cent, as a count of cents.
qint64 cents(double amount);

// A count of cents as an amount again.
double amount(qint64 cents);

// The amount rounded to cents, in its shortest form: "100", "12.5", "0.3".
QString text(double amount);

} // namespace Money

#endif // MONEY_H
