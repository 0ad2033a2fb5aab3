#include "app/weeksales.h"

#include "core/widgets/htmltemplate.h"
#include "core/db/connection.h"
#include "core/widgets/localdates.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

std::optional<QList<SalesDay>> readWeekSales(QSqlError *error)
{
    QSqlQuery query(liveDefaultConnection());
    // As text, the sum keeps the cents the server computed; as a double it could come
    // out as 0.30000000000000004.
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.exec(QStringLiteral("SELECT SUM(total) AS Total, Date FROM salesinvoice WHERE Date <= CurDate() "
                                   "GROUP BY Date ORDER BY Date desc Limit 7"))) {
        if (error)
            *error = failureOf(query);
        return std::nullopt;
    }
    QList<SalesDay> days;
    while (query.next())
        days.append(SalesDay{query.value(0).toString(), query.value(1).toDate()});
    return days;
}

QString fillWeekSalesPage(const QString &page, const QList<SalesDay> &days)
{
    QHash<QString, QString> values;
    for (int day = 0; day < 7; ++day) {
        const bool given = day < days.size();
        values.insert(QStringLiteral("$V%1$").arg(day), given ? days.at(day).total : QString());
        values.insert(QStringLiteral("$D%1$").arg(day),
                      given ? LocalDates::toString(days.at(day).date, QStringLiteral("MMM dd")) : QString());
    }
    return fillTemplate(page, values);
}
