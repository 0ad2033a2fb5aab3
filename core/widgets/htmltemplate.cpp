#include "core/widgets/htmltemplate.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
// Qt's escape leaves the apostrophe, which ends a value quoted with it in an attribute.
QString escaped(const QString &value)
{
    return value.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}
}

QString fillTemplate(const QString &page, const QHash<QString, QString> &values, const QHash<QString, QString> &html)
{
    QStringList keys = values.keys() + html.keys();
    keys.removeAll(QString());
    if (keys.isEmpty())
        return page;
    // The alternation tries its branches in order: longest first, so "$DETAILS" inside
    // "<td>$DETAILS</td>" never takes the place of the whole cell.
    std::sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QStringList alternatives;
    for (const QString &key : keys)
        alternatives << QRegularExpression::escape(key);
    const QRegularExpression placeholder(alternatives.join(QLatin1Char('|')));

    QString filled;
    filled.reserve(page.size());
    int copiedUpTo = 0;
    QRegularExpressionMatchIterator matches = placeholder.globalMatch(page);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        filled += page.midRef(copiedUpTo, match.capturedStart() - copiedUpTo);
        copiedUpTo = match.capturedEnd();
        const QString key = match.captured();
        const auto raw = html.constFind(key);
        filled += raw != html.cend() ? *raw : escaped(values.value(key));
    }
    filled += page.midRef(copiedUpTo);
    return filled;
}
