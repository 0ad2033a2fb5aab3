#include "core/db/money.h"

#include <QRegularExpression>

#include <cmath>

namespace {
// 10^15 whole units: past every DECIMAL column of the books by far, and 92 such amounts
// (10^17 cents each) still add up within a signed 64-bit integer, whose largest value is
// about 9.22 * 10^18.
const double boundCents = 1e17;

qint64 nearestCents(double cents)
{
    if (cents >= boundCents)
        return qint64(boundCents);
    if (cents <= -boundCents)
        return -qint64(boundCents);
    return std::llround(cents);
}
}

Money Money::fromDouble(double amount)
{
    if (!std::isfinite(amount))
        return Money();
    return Money(nearestCents(amount * 100.0));
}

Money Money::fromDecimal(const QVariant &value)
{
    if (value.isNull())
        return Money();
    // The server's own text is exact; a double may sit a hair off the cent it stands for.
    const QString text = value.toString().trimmed();
    static const QRegularExpression decimal(QStringLiteral("^-?\\d*(\\.\\d*)?$"));
    if (value.type() == QVariant::String && decimal.match(text).hasMatch()) {
        const int point = text.indexOf(QLatin1Char('.'));
        const QString whole = point < 0 ? text : text.left(point);
        QString fraction = point < 0 ? QString() : text.mid(point + 1);
        const bool negative = whole.startsWith(QLatin1Char('-'));
        const qint64 units = whole.mid(negative ? 1 : 0).toLongLong();
        // Digits past the cent round half away from zero, as the server rounds.
        const bool roundUp = fraction.size() > 2 && fraction.at(2) >= QLatin1Char('5');
        fraction = fraction.left(2).leftJustified(2, QLatin1Char('0'));
        const qint64 cents = units * 100 + fraction.toLongLong() + (roundUp ? 1 : 0);
        return Money(negative ? -cents : cents);
    }
    return fromDouble(value.toDouble());
}

std::optional<Money> Money::parse(const QString &text)
{
    static const QRegularExpression amount(QStringLiteral("^(-)?(\\d*)(?:\\.(\\d{0,2}))?$"));
    const QRegularExpressionMatch match = amount.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    // Beyond this a count of cents would no longer be exact in a double.
    if (whole.size() > 13)
        return std::nullopt;
    const qint64 cents = whole.toLongLong() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toLongLong();
    return Money(match.captured(1).isEmpty() ? cents : -cents);
}

QString Money::fixedText() const
{
    const qint64 magnitude = cents_ < 0 ? -cents_ : cents_;
    return QStringLiteral("%1%2.%3")
        .arg(cents_ < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString Money::shortText() const
{
    QString text = fixedText();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

Money Money::times(double quantity) const
{
    if (!std::isfinite(quantity))
        return Money();
    return Money(nearestCents(cents_ * quantity));
}
