#include "core/weeksales.h"

#include "core/connection.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

std::optional<QList<SalesDay>> readWeekSales()
{
    QSqlQuery query(liveDefaultConnection());
    // As text, the sum keeps the cents the server computed; as a double it could come
    // out as 0.30000000000000004.
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.exec(QStringLiteral("SELECT SUM(total) AS Total, Date FROM salesinvoice WHERE Date <= CurDate() "
                                   "GROUP BY Date ORDER BY Date desc Limit 7")))
        return std::nullopt;
    QList<SalesDay> days;
    while (query.next())
        days.append(SalesDay{query.value(0).toString(), query.value(1).toDate()});
    return days;
}

QString fillWeekSalesPage(const QString &page, const QList<SalesDay> &days)
{
    // One pass over the page: a replacement is never searched again, so no value can
    // turn into a token.
    static const QRegularExpression token(QStringLiteral("\\$([VD])([0-6])\\$"));
    QString filled;
    filled.reserve(page.size());
    int copiedUpTo = 0;
    QRegularExpressionMatchIterator matches = token.globalMatch(page);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        filled += page.midRef(copiedUpTo, match.capturedStart() - copiedUpTo);
        copiedUpTo = match.capturedEnd();
        const int day = match.capturedRef(2).toInt();
        if (day >= days.size())
            continue;
        const QString text = match.capturedRef(1) == QLatin1String("V")
                                 ? days.at(day).total
                                 : QLocale::system().toString(days.at(day).date, QStringLiteral("MMM dd"));
        filled += text.toHtmlEscaped();
    }
    filled += page.midRef(copiedUpTo);
    return filled;
}
