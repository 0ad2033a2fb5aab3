#include "core/widgets/listfilter.h"

namespace ListFilter {

QString containing(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString like(const QString &column, const QString &placeholder)
{
    return QStringLiteral("CONVERT(%1 USING utf8mb4) LIKE %2").arg(column, placeholder);
}

} // namespace ListFilter
