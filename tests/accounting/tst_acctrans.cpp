#include "accounting/dlgAccTrans.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"

#include <QComboBox>

namespace {
const QString seedLeaves = "10100,10200,10300,10400,10500,10600,10700,10800,"
                           "20100,20200,20300,20400,20500,20600,20700,"
                           "30100,30200,"
                           "40100,40200,40300,40400,40500,40600,40700,"
                           "50100,50200,50300,50400,50500,50600,50700";
}

class tst_acctrans : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offersLeafAccountsOnly_data();
    void offersLeafAccountsOnly();
};

void tst_acctrans::init()
{
    TestSupport::freshCompany();
    TestSupport::MessageRecorder::clear();
}

void tst_acctrans::cleanup()
{
    rightToLeft = false;
}

void tst_acctrans::offersLeafAccountsOnly_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("first");
    QTest::newRow("seed chart by type, then number") << "" << false << seedLeaves << "10100: Bank Account";
    QTest::newRow("account with a sub-account no longer offered")
        << "insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
           "values ('10110', 'Main Bank', 1, 2, 35)"
        << false << QString(seedLeaves).replace("10100,", "10110,") << "10110: Main Bank";
    QTest::newRow("Arabic layout keeps the English names") << "" << true << seedLeaves << "10100: Bank Account";
}

void tst_acctrans::offersLeafAccountsOnly()
{
    QFETCH(QString, fixture);
    QFETCH(bool, arabic);
    QFETCH(QString, numbers);
    QFETCH(QString, first);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    rightToLeft = arabic;

    dlgAccTrans dialog;

    auto *accounts = dialog.findChild<QComboBox *>("cmbAccount");
    QStringList offered;
    for (int i = 0; i < accounts->count(); ++i)
        offered << accounts->itemText(i).section(':', 0, 0);
    QCOMPARE(offered.join(','), numbers);
    QCOMPARE(accounts->currentText(), first);
    QCOMPARE(accounts->currentData().toInt(),
             TestSupport::queryValue("select AccountId from accounts where AccountNo = '" +
                                     first.section(':', 0, 0) + "'").toInt());
    QCOMPARE(dialog.layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
}

ZARPO_TEST_MAIN(tst_acctrans)
#include "tst_acctrans.moc"
