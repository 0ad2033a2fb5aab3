#include "core/sqlvalues.h"

#include <QString>

bool bitValue(const QVariant &value)
{
    const QString text = value.toString();
    if (text.size() == 1 && text.at(0).unicode() <= 1)
        return text.at(0).unicode() == 1;
    return value.toBool();
}

QString textNotNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
