#ifndef SQLVALUES_H
#define SQLVALUES_H

#include <QVariant>

// The value of a BIT(1) column (IsActive, IsDefault, IsClosed) as read through the MySQL
// driver, which hands it over as a one-character string, "\0" or "\1", that QVariant
// would read as true either way.
bool bitValue(const QVariant &value);

#endif // SQLVALUES_H
