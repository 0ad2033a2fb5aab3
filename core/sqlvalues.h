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

#endif // SQLVALUES_H
