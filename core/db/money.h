#ifndef MONEY_H
#define MONEY_H

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <optional>

// An amount of money held in whole cents, so that sums and comparisons are exact: ten
// times 0.1 is 1, and a total never shows a floating-point residue.
class Money
{
public:
    constexpr Money() = default;

    static constexpr Money fromCents(qint64 cents) { return Money(cents); }
    // The nearest cent; halves go away from zero. Past what any amount column holds, the
    // same bound as times().
    static Money fromDouble(double amount);
    // A DECIMAL column's value as the driver hands it over (a double, or the server's
    // text); NULL and values that are not numbers read as 0.
    static Money fromDecimal(const QVariant &value);
    // Typed text: an optional minus, digits, and at most one point followed by at most two
    // digits ("12", "12.5", "-0.75", ".5"). Group separators, commas, exponents, blanks
    // inside and a third decimal are refused, as is an empty text: nullopt for each.
    static std::optional<Money> parse(const QString &text);

    constexpr qint64 cents() const { return cents_; }
    double toDouble() const { return cents_ / 100.0; }
    // The value to bind to a DECIMAL column: the exact text, which the server reads
    // without passing through a double.
    QVariant toDecimal() const { return fixedText(); }

    // "1234.50", "-0.30", "0.00": the form of balances, totals and printed amounts.
    QString fixedText() const;
    // "1234.5", "100", "0.3": the shortest form, as the journal shows its lines.
    QString shortText() const;

    // This amount as a unit price times `quantity`, rounded to the cent once. A product
    // past what any amount column holds stops at a bound far beyond them, keeping its
    // sign, so that it is refused as too large rather than wrapped round to another
    // number.
    Money times(double quantity) const;

    constexpr bool isZero() const { return cents_ == 0; }
    // Whether a DECIMAL(10,2) column, as every stored amount of a document is, holds this
    // amount as it is: at most 99999999.99 either way.
    constexpr bool fitsDecimal10() const { return cents_ <= 9999999999LL && cents_ >= -9999999999LL; }
    // The same for a DECIMAL(`precision`, 2) column or field.
    constexpr bool fitsDecimal(int precision) const
    {
        qint64 largest = 1;
        for (int digit = 0; digit < precision; ++digit)
            largest *= 10;
        return cents_ < largest && cents_ > -largest;
    }

    constexpr Money operator-() const { return Money(-cents_); }
    constexpr Money operator+(Money other) const { return Money(cents_ + other.cents_); }
    constexpr Money operator-(Money other) const { return Money(cents_ - other.cents_); }
    Money &operator+=(Money other) { cents_ += other.cents_; return *this; }
    Money &operator-=(Money other) { cents_ -= other.cents_; return *this; }

    constexpr bool operator==(Money other) const { return cents_ == other.cents_; }
    constexpr bool operator!=(Money other) const { return cents_ != other.cents_; }
    constexpr bool operator<(Money other) const { return cents_ < other.cents_; }
    constexpr bool operator<=(Money other) const { return cents_ <= other.cents_; }
    constexpr bool operator>(Money other) const { return cents_ > other.cents_; }
    constexpr bool operator>=(Money other) const { return cents_ >= other.cents_; }

private:
    constexpr explicit Money(qint64 cents) : cents_(cents) {}

    qint64 cents_ = 0;
};

Q_DECLARE_METATYPE(Money)

#endif // MONEY_H
