#ifndef CFILTERCONDITION_H
#define CFILTERCONDITION_H

#include <QString>

class QDate;

// The SQL condition a filter panel hands to its report: empty while no criterion is
// ticked, else " WHERE " before the first criterion and " AND " before each further one.
// Typed text enters the statement as a string literal that matches exactly what was
// typed: a quote or backslash cannot end the literal, and in "Contains" the user's own
// %, _ and \ match themselves.
class cFilterCondition
{
public:
    // The operators of the panels' operator combos, by index.
    enum Operator { Equals = 0, Contains = 1 };

    // Appends `criterion` (" CustomerName = 'Acme'"); an empty criterion adds nothing.
    void add(const QString &criterion);
    QString text() const { return condition; }

    // `text` as an SQL string literal, quotes included.
    static QString literal(const QString &text);
    // " column = 'text'" for Equals, " column like '%text%'" for Contains, empty for any
    // other operator index.
    static QString compare(const QString &column, int operatorIndex, const QString &text);
    // " column like '%text%'": the column contains `text`.
    static QString contains(const QString &column, const QString &text);
    // " column >= 'yyyyMMdd' AND column <= 'yyyyMMdd'": both days are included.
    static QString between(const QString &column, const QDate &from, const QDate &to);
    // A date as the eight digits the statements compare with, "20130524".
    static QString dateText(const QDate &date);

private:
    QString condition;
};

#endif // CFILTERCONDITION_H
