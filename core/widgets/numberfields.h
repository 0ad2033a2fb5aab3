#ifndef NUMBERFIELDS_H
#define NUMBERFIELDS_H

class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QWidget;

// Number fields that take only what their column stores. A spin box left as the form
// makes it reads a comma as a group separator ("12,5" becomes 125), skips what it
// cannot read ("1e9" becomes 19) and rounds what goes past its decimals; set up here,
// it refuses any text that is not a plain number of the field's kind, and the number
// shown is always one that Money::parse reads back.
namespace NumberFields {

// An amount of a DECIMAL(`precision`, 2) column: digits, at most one point and two
// decimals, a minus only where `allowNegative`, no group separators, no exponent; up to
// the largest amount the column holds (99999999.99 for DECIMAL(10,2)). The amount reads at
// the end of the line: call after the window has set its direction.
void setupAmount(QDoubleSpinBox *box, int precision = 10, bool allowNegative = false);

// A whole number from `minimum` to `maximum`, digits only (and a minus when `minimum`
// is below 0): a discount in percent is stored in an integer column.
void setupWholeNumber(QDoubleSpinBox *box, int minimum, int maximum);
// The same for a spin box of whole numbers, read at the end of the line like an amount:
// a quantity stored in an integer column.
void setupWholeNumber(QSpinBox *box, int minimum, int maximum);

// Shows `value` as it is stored, also where it lies outside what the field takes from the
// user (a negative deposit written by another program or an earlier version): the field's
// range widens to hold it instead of clipping it, so a save cannot rewrite it unseen, and
// storable() refuses it, named by `label`, until the user corrects it. A value within the
// range gives the field back the range it was set up with.
void showStored(QDoubleSpinBox *box, double value, const QLabel *label);
void showStored(QSpinBox *box, int value, const QLabel *label);

// Gives `box` the range it takes from the user from now on (an account's number when its
// type changes), in place of the one it was set up with: a value it shows outside the range
// moves into it, as a spin box moves it, and storable() judges by the new range.
void takeRange(QSpinBox *box, int minimum, int maximum);

// Shows `sum` (a subtotal, a total, a debt) in a field that only shows sums: the range
// widens to hold a sum past the one the field was set up with, so the field never shows a
// figure clipped to its limit as if it were the sum; the save refuses a sum its column
// cannot hold. A sum within the range gives the field back the range it was set up with.
void showSum(QDoubleSpinBox *box, double sum);

// True when every field within `form` that showed a stored value shows one it takes from
// the user. Otherwise shows a message naming the first that does not, with its value and
// range, puts the focus on it and returns false.
bool storable(QWidget *form);

} // namespace NumberFields

#endif // NUMBERFIELDS_H
