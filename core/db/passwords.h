#ifndef PASSWORDS_H
#define PASSWORDS_H

#include <QString>

// A password is stored and compared exactly as typed, never trimmed. Why `password`
// cannot be set as a new password, or an empty text when it can: blanks at either end,
// which nobody sees in a password field, are refused rather than kept or dropped.
QString newPasswordRefusal(const QString &password);

#endif // PASSWORDS_H
