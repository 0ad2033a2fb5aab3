#include "bench/insertbatch.h"

#include <QDate>

#include <algorithm>
#include <charconv>

namespace {

void appendNumber(std::string &out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendTwoDigits(std::string &out, int value)
{
    out += char('0' + value / 10);
    out += char('0' + value % 10);
}

} // namespace

std::string moneyLiteral(long long cents)
{
    std::string out;
    if (cents < 0) {
        out += '-';
        cents = -cents;
    }
    appendNumber(out, cents / 100);
    out += '.';
    appendTwoDigits(out, int(cents % 100));
    return out;
}

InsertBatch::InsertBatch(const char *tableName, const char *columns,
                         std::initializer_list<const InsertBatch *> parents)
    : table(QString::fromLatin1(tableName))
{
    for (const InsertBatch *parent : parents)
        level = std::max(level, parent->level + 1);
    prefix = std::string("INSERT INTO `") + tableName + "` (" + columns + ") VALUES ";
}

InsertBatch &InsertBatch::row()
{
    if (rowsInCurrent == rowsPerStatement)
        finish();
    if (rowsInCurrent == 0) {
        current.reserve(rowsPerStatement * 96);
        current = prefix;
    } else {
        current += "),";
    }
    current += '(';
    ++rowsInCurrent;
    ++rows;
    firstValue = true;
    return *this;
}

void InsertBatch::beginValue()
{
    if (!firstValue)
        current += ',';
    firstValue = false;
}

InsertBatch &InsertBatch::num(long long value)
{
    beginValue();
    appendNumber(current, value);
    return *this;
}

InsertBatch &InsertBatch::money(long long cents)
{
    beginValue();
    current += moneyLiteral(cents);
    return *this;
}

InsertBatch &InsertBatch::text(const std::string &value)
{
    beginValue();
    current += '\'';
    for (const char c : value) {
        if (c == '\'' || c == '\\')
            current += '\\';
        current += c;
    }
    current += '\'';
    return *this;
}

InsertBatch &InsertBatch::text(const char *value)
{
    return text(std::string(value));
}

InsertBatch &InsertBatch::textOrNull(const char *value)
{
    return value ? text(std::string(value)) : null();
}

InsertBatch &InsertBatch::date(long long julianDay)
{
    int year, month, day;
    QDate::fromJulianDay(julianDay).getDate(&year, &month, &day);
    beginValue();
    current += '\'';
    appendNumber(current, year);
    current += '-';
    appendTwoDigits(current, month);
    current += '-';
    appendTwoDigits(current, day);
    current += '\'';
    return *this;
}

InsertBatch &InsertBatch::flag(bool value)
{
    beginValue();
    current += value ? "b'1'" : "b'0'";
    return *this;
}

InsertBatch &InsertBatch::null()
{
    beginValue();
    current += "NULL";
    return *this;
}

void InsertBatch::finish()
{
    if (rowsInCurrent == 0)
        return;
    current += ')';
    statements.push_back(std::move(current));
    current.clear();
    rowsInCurrent = 0;
}
