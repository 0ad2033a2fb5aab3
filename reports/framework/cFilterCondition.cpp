#include "reports/framework/cFilterCondition.h"

#include "core/widgets/listfilter.h"

#include <QDate>

void cFilterCondition::add(const QString &criterion)
{
    if (criterion.isEmpty())
        return;
    condition += (condition.isEmpty() ? QStringLiteral(" WHERE") : QStringLiteral(" AND")) + criterion;
}

QString cFilterCondition::literal(const QString &text)
{
    // The server reads a backslash in a literal as an escape, so it is doubled; a quote
    // is doubled, which every SQL mode reads as one quote.
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString cFilterCondition::compare(const QString &column, int operatorIndex, const QString &text)
{
    switch (operatorIndex) {
    case Equals:
        return QStringLiteral(" %1 = %2").arg(column, literal(text));
    case Contains:
        return contains(column, text);
    default:
        return QString();
    }
}

QString cFilterCondition::contains(const QString &column, const QString &text)
{
    return QStringLiteral(" %1 like %2").arg(column, literal(ListFilter::containing(text)));
}

QString cFilterCondition::between(const QString &column, const QDate &from, const QDate &to)
{
    return QStringLiteral(" %1 >= '%2' AND %1 <= '%3'").arg(column, dateText(from), dateText(to));
}

QString cFilterCondition::dateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}
