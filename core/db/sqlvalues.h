#ifndef SQLVALUES_H
#define SQLVALUES_H

#include <QVariant>

// The value of a BIT(1) column (IsActive, IsDefault, IsClosed) as read through the MySQL
// driver, which hands it over as a one-character string, "\0" or "\1", that QVariant
// would read as true either way.
bool bitValue(const QVariant &value);

// A text field's content to be bound so that an empty field stores an empty text,
// not NULL (QLineEdit gives a null QString when nothing was typed).
QString textNotNull(const QString &text);

// Values to be bound where the column stores NULL for "nothing given": a NULL of the
// column's type, which the driver sends as NULL and not as an empty text or 0.

// The text as typed; NULL when it is empty (a text of blanks is kept).
QVariant textOrNull(const QString &text);

// The text as typed, blanks included; NULL when it holds nothing but white space.
QVariant textOrNullIfBlank(const QString &text);

// The record id; NULL for 0 or less, which stands for no record (a combo's "<Add New>"
// or empty entry, a picker that chose nothing).
QVariant idOrNull(int id);

#endif // SQLVALUES_H
