#include "core/db/money.h"
#include "core/widgets/numberfields.h"
#include "tests/support/testsupport.h"

#include <QDoubleSpinBox>
#include <QLineEdit>

class tst_numberfields : public QObject
{
    Q_OBJECT

private slots:
    void fieldTakesOnlyWhatItsColumnHolds_data();
    void fieldTakesOnlyWhatItsColumnHolds();
};

void tst_numberfields::fieldTakesOnlyWhatItsColumnHolds_data()
{
    QTest::addColumn<QString>("kind"); // amount, signed amount or discount
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted");  // else typed key by key
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");

    QTest::newRow("an amount with two decimals") << "amount" << "12.5" << true << "12.5" << 12.5;
    QTest::newRow("a comma is no decimal point") << "amount" << "12,5" << true << "" << 0.0;
    QTest::newRow("a comma typed does not appear: the field shows what it stores") << "amount" << "12,5" << false << "125" << 125.0;
    QTest::newRow("an exponent is refused") << "amount" << "1e9" << true << "" << 0.0;
    QTest::newRow("a third decimal is refused") << "amount" << "0.005" << true << "" << 0.0;
    QTest::newRow("typing stops at the second decimal") << "amount" << "0.005" << false << "0.00" << 0.0;
    QTest::newRow("the largest amount of DECIMAL(10,2)") << "amount" << "99999999.99" << true << "99999999.99"
                                                         << 99999999.99;
    QTest::newRow("over the column's range refused") << "amount" << "100000000" << true << "" << 0.0;
    QTest::newRow("no minus where the field takes none") << "amount" << "-0" << true << "" << 0.0;
    QTest::newRow("a minus where the field takes one") << "signed amount" << "-12.25" << true << "-12.25" << -12.25;
    QTest::newRow("minus zero is zero") << "signed amount" << "-0" << true << "-0" << 0.0;
    QTest::newRow("blanks inside refused") << "amount" << "1 000" << true << "" << 0.0;
    QTest::newRow("a whole discount") << "discount" << "12" << true << "12" << 12.0;
    QTest::newRow("a discount with decimals refused") << "discount" << "12.5" << true << "" << 0.0;
    QTest::newRow("a discount over 100 % refused") << "discount" << "101" << true << "" << 0.0;
    QTest::newRow("the old maximum of 9900000 % refused") << "discount" << "9900000" << true << "" << 0.0;
}

void tst_numberfields::fieldTakesOnlyWhatItsColumnHolds()
{
    QFETCH(QString, kind);
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QDoubleSpinBox box;
    // The form's own settings, which the set-up replaces.
    box.setDecimals(2);
    box.setMaximum(9900000);
    if (kind == "discount")
        NumberFields::setupWholeNumber(&box, 0, 100);
    else
        NumberFields::setupAmount(&box, 10, kind == "signed amount");
    box.show();
    auto *edit = box.findChild<QLineEdit *>();
    edit->clear();

    if (pasted)
        edit->insert(input);
    else
        QTest::keyClicks(&box, input);

    QCOMPARE(edit->text(), shown);
    if (!shown.isEmpty()) {
        box.interpretText();
        QCOMPARE(Money::fromDouble(box.value()), Money::fromDouble(value));
        // What the field shows once settled is what Money reads.
        QTest::keyClick(&box, Qt::Key_Tab);
        QVERIFY2(Money::parse(edit->text()).has_value(), qPrintable(edit->text()));
    }
}

ZARPO_TEST_MAIN(tst_numberfields)
#include "tst_numberfields.moc"
