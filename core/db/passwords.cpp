#include "core/db/passwords.h"

#include <QCoreApplication>

QString newPasswordRefusal(const QString &password)
{
    if (password.isEmpty())
        return QCoreApplication::translate("Passwords", "Insert password");
    if (password.front().isSpace() || password.back().isSpace())
        return QCoreApplication::translate("Passwords", "A password cannot begin or end with a blank.");
    return QString();
}
