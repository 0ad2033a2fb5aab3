#ifndef STOREDFIELDS_H
#define STOREDFIELDS_H

#include <QVariant>

class QCheckBox;
class QDate;
class QDateEdit;

// Dates and check boxes of an editor that show a stored value as it is, also one the
// widget could not otherwise hold: a date left unknown (NULL) or outside the field's
// range, a box neither ticked nor cleared. What such a field shows is bound back unchanged,
// so a save rewrites only what the user changed.
namespace StoredFields {

// Shows the stored `date` in `edit`. A NULL date shows "No date" and is bound as NULL until
// the user gives one (typing or stepping in the field starts from today); a date outside
// the field's range widens the range to hold it.
void showDate(QDateEdit *edit, const QVariant &date);
// What `edit` shows, to be bound: its date, or a NULL date for "No date".
QVariant dateOrNull(const QDateEdit *edit);
// Shows `date` in `edit` as an ordinary field again, for a new record: what showDate did to
// show a stored date (the "No date" text, a range widened) is undone, the range back to a
// date field's default.
void resetDate(QDateEdit *edit, const QDate &date);

// Shows the stored BIT(1) `value` in `box`: ticked or cleared, or, for a NULL, neither (partly
// ticked) until the user clicks it, which ticks or clears it.
void showCheck(QCheckBox *box, const QVariant &value);
// What `box` shows, to be bound: 1 or 0, NULL for neither.
QVariant checkOrNull(const QCheckBox *box);

} // namespace StoredFields

#endif // STOREDFIELDS_H
