#include "core/db/money.h"
#include "tests/support/testsupport.h"

#include <QSqlError>
#include <QSqlQuery>

class tst_money : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void tenTimesATenthIsOne();
    void priceTimesQuantityRoundsOnce_data();
    void priceTimesQuantityRoundsOnce();
    void tooLargeNeverWrapsRound_data();
    void tooLargeNeverWrapsRound();
    void fromDecimal_data();
    void fromDecimal();
    void displayForms_data();
    void displayForms();
    void decimalRoundTripsThroughTheServer();
};

// cents -1 stands for "refused".
void tst_money::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("one decimal") << "12.5" << qint64(1250);
    QTest::newRow("two decimals") << "12.50" << qint64(1250);
    QTest::newRow("whole number") << "7" << qint64(700);
    QTest::newRow("leading point") << ".5" << qint64(50);
    QTest::newRow("trailing point") << "3." << qint64(300);
    QTest::newRow("negative") << "-0.75" << qint64(-75);
    QTest::newRow("minus zero is zero") << "-0" << qint64(0);
    QTest::newRow("blanks around are ignored") << " 4.20 " << qint64(420);
    QTest::newRow("third decimal refused") << "0.005" << qint64(-1);
    QTest::newRow("exponent refused") << "1e9" << qint64(-1);
    QTest::newRow("comma refused") << "12,5" << qint64(-1);
    QTest::newRow("group separator refused") << "1,234.50" << qint64(-1);
    QTest::newRow("empty refused") << "" << qint64(-1);
    QTest::newRow("lone minus refused") << "-" << qint64(-1);
    QTest::newRow("lone point refused") << "." << qint64(-1);
    QTest::newRow("blank inside refused") << "12 5" << qint64(-1);
    QTest::newRow("plus sign refused") << "+5" << qint64(-1);
    QTest::newRow("beyond exact cents refused") << "12345678901234" << qint64(-1);
}

void tst_money::parse()
{
    QFETCH(QString, text);
    QFETCH(qint64, cents);
    const std::optional<Money> parsed = Money::parse(text);
    if (cents == -1) {
        QVERIFY2(!parsed, qPrintable(text));
        return;
    }
    QVERIFY2(parsed, qPrintable(text));
    QCOMPARE(parsed->cents(), cents);
}

void tst_money::tenTimesATenthIsOne()
{
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += Money::fromDouble(0.1);
    QCOMPARE(sum, Money::fromCents(100));
    QCOMPARE(sum.shortText(), QStringLiteral("1"));
    QCOMPARE((Money::fromDouble(0.1) + Money::fromDouble(0.2)).shortText(), QStringLiteral("0.3"));
}

void tst_money::priceTimesQuantityRoundsOnce_data()
{
    QTest::addColumn<qint64>("priceCents");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("whole quantity") << qint64(1999) << 3.0 << qint64(5997);
    QTest::newRow("fraction rounds half up") << qint64(1) << 0.5 << qint64(1);
    QTest::newRow("third of a unit") << qint64(1000) << (1.0 / 3.0) << qint64(333);
    QTest::newRow("residue of 0.1 times 3 gone") << qint64(10) << 3.0 << qint64(30);
    QTest::newRow("negative rounds away from zero") << qint64(-1) << 0.5 << qint64(-1);
    QTest::newRow("zero quantity") << qint64(1234) << 0.0 << qint64(0);
}

void tst_money::priceTimesQuantityRoundsOnce()
{
    QFETCH(qint64, priceCents);
    QFETCH(double, quantity);
    QFETCH(qint64, cents);
    QCOMPARE(Money::fromCents(priceCents).times(quantity).cents(), cents);
}

// Past 64 bits of cents a product would wrap to a number of the other sign; it must stay
// an amount on its own side that no column holds, so that it is refused.
void tst_money::tooLargeNeverWrapsRound_data()
{
    QTest::addColumn<Money>("amount");
    QTest::addColumn<int>("sign");

    const Money largestPrice = Money::fromCents(9999999999);
    QTest::newRow("largest price times largest quantity") << largestPrice.times(999999999) << 1;
    QTest::newRow("negative price times largest quantity") << (-largestPrice).times(999999999) << -1;
    QTest::newRow("a double past 64 bits of cents") << Money::fromDouble(1e20) << 1;
    QTest::newRow("a negative double past 64 bits of cents") << Money::fromDouble(-1e20) << -1;
}

void tst_money::tooLargeNeverWrapsRound()
{
    QFETCH(Money, amount);
    QFETCH(int, sign);
    QVERIFY(!amount.fitsDecimal10());
    QCOMPARE(amount > Money() ? 1 : -1, sign);
    // Still far from the edge: a line's discount and tax added to it cannot wrap it either.
    QVERIFY(!(amount + amount + amount).fitsDecimal10());
    QCOMPARE((amount + amount) > Money() ? 1 : -1, sign);
}

void tst_money::fromDecimal_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("double") << QVariant(12.34) << qint64(1234);
    QTest::newRow("double a hair below the cent") << QVariant(1.0049999999999999) << qint64(100);
    QTest::newRow("server text") << QVariant(QStringLiteral("188202.91")) << qint64(18820291);
    QTest::newRow("server text, negative") << QVariant(QStringLiteral("-49.88")) << qint64(-4988);
    QTest::newRow("server text with four decimals rounds") << QVariant(QStringLiteral("1.0050")) << qint64(101);
    QTest::newRow("NULL reads as zero") << QVariant(QVariant::Double) << qint64(0);
    QTest::newRow("not a number reads as zero") << QVariant(QStringLiteral("abc")) << qint64(0);
}

void tst_money::fromDecimal()
{
    QFETCH(QVariant, value);
    QFETCH(qint64, cents);
    QCOMPARE(Money::fromDecimal(value).cents(), cents);
}

void tst_money::displayForms_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("shortest");

    QTest::newRow("zero") << qint64(0) << "0.00" << "0";
    QTest::newRow("whole") << qint64(10000) << "100.00" << "100";
    QTest::newRow("tenths") << qint64(1250) << "12.50" << "12.5";
    QTest::newRow("cents") << qint64(7) << "0.07" << "0.07";
    QTest::newRow("negative") << qint64(-4988) << "-49.88" << "-49.88";
    QTest::newRow("negative below one") << qint64(-30) << "-0.30" << "-0.3";
    QTest::newRow("large, no group separators") << qint64(18820291) << "188202.91" << "188202.91";
}

void tst_money::displayForms()
{
    QFETCH(qint64, cents);
    QFETCH(QString, fixed);
    QFETCH(QString, shortest);
    QCOMPARE(Money::fromCents(cents).fixedText(), fixed);
    QCOMPARE(Money::fromCents(cents).shortText(), shortest);
}

// What is bound is stored exactly and reads back as the same amount.
void tst_money::decimalRoundTripsThroughTheServer()
{
    TestSupport::freshCompany();
    EXEC_SQL("create temporary table amounts (amount decimal(12,2))");
    QSqlQuery insert(QSqlDatabase::database());
    insert.prepare(QStringLiteral("insert into amounts values (:amount)"));
    for (const qint64 cents : {qint64(1), qint64(-4988), qint64(99999999999)}) {
        insert.bindValue(QStringLiteral(":amount"), Money::fromCents(cents).toDecimal());
        QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
    }
    QSqlQuery read(QStringLiteral("select amount from amounts"), QSqlDatabase::database());
    QList<qint64> stored;
    while (read.next())
        stored << Money::fromDecimal(read.value(0)).cents();
    QCOMPARE(stored, (QList<qint64>{1, -4988, 99999999999}));
}

ZARPO_TEST_MAIN(tst_money)
#include "tst_money.moc"
