#include "core/db/sqlvalues.h"

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

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QVariant::String) : QVariant(text);
}

QVariant textOrNullIfBlank(const QString &text)
{
    return text.trimmed().isEmpty() ? QVariant(QVariant::String) : QVariant(text);
}

QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant(QVariant::Int);
}
