#ifndef WEEKSALES_H
#define WEEKSALES_H

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class QSqlError;

// One day of the home page's week-sales chart: the day's invoice total as the server
// computed it, and the day.
struct SalesDay
{
    QString total;
    QDate date;
};

// The seven latest days up to the server's today on which something was invoiced, the
// latest first; fewer when there are fewer. Empty optional, with the server's error in
// *error when one is given, when the query failed.
std::optional<QList<SalesDay>> readWeekSales(QSqlError *error = nullptr);

// The chart page with every "$V<n>$" and "$D<n>$" (n = 0 to 6, 0 the latest day) replaced
// by that day's total and its date as "MMM dd"; the tokens of days not given become empty.
QString fillWeekSalesPage(const QString &page, const QList<SalesDay> &days);

#endif // WEEKSALES_H
