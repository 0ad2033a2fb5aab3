#include "core/system/globals.h"
#include "reports/financial/RptAccountList.h"
#include "reports/financial/RptBalanceSheet.h"
#include "reports/financial/RptIncomeStatement.h"
#include "reports/financial/accountbalances.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"

// The rules by which the accounting reports measure accounts from the documents and the
// journal, and the balance they keep between debits and credits.
class tst_accountbalances : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void balancesFollowDocumentsAndJournal_data();
    void balancesFollowDocumentsAndJournal();
    void booksBalanceOverEveryKindOfDocument();
    void failingStatementIsToldAndShowsNoReport_data();
    void failingStatementIsToldAndShowsNoReport();
};

namespace {
// Seed account ids: 10100 Bank (cheques) 35, 10200 Receivable 36, 10500 Fixed Assets 40,
// 10700 Safe 114, 20700 Loan 116, 30100 Paid-In Capital 54, 30200 Retained Earnings 55,
// 40100 Sales 59, 40200 Service Revenue 98, 50400 Office Supplies 109.
const QString invoice500 = QStringLiteral(
    "INSERT INTO salesinvoice (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod) VALUES (1, '2013-05-24', 500, 0, '0')");

QString journal(int id, int debitAccount, int creditAccount, const QString &amount)
{
    return QStringLiteral("INSERT INTO generaljournal (GeneralJournalId, JournalDate) VALUES (%1, '2013-05-01');"
                          "INSERT INTO generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) VALUES"
                          " (%1, %2, %4, 0), (%1, %3, 0, %4)")
        .arg(id).arg(debitAccount).arg(creditAccount).arg(amount);
}

bool run(const QStringList &statements)
{
    for (const QString &statement : statements)
        for (const QString &part : statement.split(';'))
            if (!TestSupport::execSql(part))
                return false;
    return true;
}

QVector<AccountLine> allLines()
{
    const std::optional<AccountDefaults> defaults = loadAccountDefaults();
    const std::optional<QVector<AccountLine>> lines =
        defaults ? accountLines(*defaults, {}, BalanceRules::AccountList) : std::nullopt;
    return lines ? *lines : QVector<AccountLine>();
}
}

void tst_accountbalances::initTestCase()
{
    ReportSupport::copyReportTemplates();
}

void tst_accountbalances::init()
{
    TestSupport::freshCompany();
    TestSupport::MessageRecorder::clear();
}

void tst_accountbalances::cleanup()
{
    ReportSupport::closeViewers();
}

// Each case: the documents and journal lines, then every account that is not all 0, as
// "number: debit | credit | balance" in the reports' order.
void tst_accountbalances::balancesFollowDocumentsAndJournal_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QStringList>("accounts");
    QTest::newRow("invoice of 500 paid 200 in cash")
        << QStringList{invoice500, "INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount)"
                                   " VALUES (1, '2013-05-30', '0', 200)"}
        << QStringList{"10200: 300 | 0 | 300", "10700: 200 | 0 | 200", "40100: 0 | 500 | 500"};
    QTest::newRow("order deposit by cheque lowers the receivable before any invoice")
        << QStringList{"INSERT INTO salesorder (SalesOrderId, Date, Total, DepositPaid, PaymentMethod)"
                       " VALUES (1, '2013-05-20', 900, 150.25, '1')"}
        << QStringList{"10100: 150.25 | 0 | 150.25", "10200: -150.25 | 0 | -150.25"};
    QTest::newRow("refund of 80 with 30 paid back in cash takes its whole total")
        << QStringList{invoice500, "INSERT INTO salesrefund (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                                   " VALUES (1, '2013-06-01', 80, 30, '0')"}
        << QStringList{"10200: 450 | 0 | 450", "10700: -30 | 0 | -30", "40100: 0 | 500 | 500", "50200: 80 | 0 | 80"};
    QTest::newRow("deposit without payment method is in no money balance")
        << QStringList{"INSERT INTO salesinvoice (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                       " VALUES (1, '2013-05-24', 500, 100, NULL)"}
        << QStringList{"10200: 400 | 0 | 400", "40100: 0 | 500 | 500"};
    QTest::newRow("without a defaults row only the journal counts")
        << QStringList{"DELETE FROM accountsdefaults", invoice500, journal(1, 36, 59, "100")}
        << QStringList{"10200: 100 | 0 | 100", "40100: 0 | 100 | 100"};
    QTest::newRow("two default fields on one account both count, the first decides the side")
        << QStringList{"UPDATE accountsdefaults SET AccountsReceivable = 59",
                       "INSERT INTO salesinvoice (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                       " VALUES (1, '2013-05-24', 500, 200, '0')"}
        << QStringList{"10700: 200 | 0 | 200", "40100: 300 | 500 | 200"};
    QTest::newRow("journal debit of 100 on the receivable adds to its documents")
        << QStringList{invoice500, journal(1, 36, 54, "100")}
        << QStringList{"10200: 600 | 0 | 600", "30100: 0 | 100 | 100", "40100: 0 | 500 | 500"};
    QTest::newRow("purchases, vendor payments and purchase refunds by method")
        << QStringList{"INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                       " VALUES (1, '2013-05-24', 1000, 300, '0')",
                       "INSERT INTO purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount)"
                       " VALUES (1, '2013-05-30', '1', 200)",
                       "INSERT INTO purchaserefund (PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                       " VALUES (1, '2013-06-01', 100, 40, '2')"}
        << QStringList{"10100: -200 | 0 | -200", "10300: 1000 | 0 | 1000", "10700: -300 | 0 | -300",
                       "10800: 40 | 0 | 40", "20100: 0 | 440 | 440", "40400: 0 | 100 | 100"};
    QTest::newRow("top-level account without children keeps its journal lines")
        << QStringList{"INSERT INTO accounts (AccountId, AccountNo, Description, TypeId) VALUES (200, '45000', 'Late Fees', 4)",
                       journal(1, 114, 200, "25")}
        << QStringList{"10700: 25 | 0 | 25", "45000: 0 | 25 | 25"};
    QTest::newRow("journal debit on a revenue account is negative")
        << QStringList{journal(1, 98, 114, "70")}
        << QStringList{"10700: 0 | 70 | -70", "40200: 70 | 0 | -70"};
}

void tst_accountbalances::balancesFollowDocumentsAndJournal()
{
    QFETCH(QStringList, statements);
    QFETCH(QStringList, accounts);
    QVERIFY2(run(statements), qPrintable(TestSupport::lastSqlError()));

    const QVector<AccountLine> lines = allLines();
    QCOMPARE(TestSupport::messageLog(), QString());
    QStringList shown;
    for (const AccountLine &line : lines) {
        const AccountAmounts &amounts = line.amounts;
        if (!amounts.debit.isZero() || !amounts.credit.isZero() || !amounts.balance.isZero())
            shown << QStringLiteral("%1: %2 | %3 | %4")
                         .arg(line.row.accountNo, amounts.debit.shortText(), amounts.credit.shortText(),
                              amounts.balance.shortText());
    }
    QCOMPARE(shown, accounts);
}

// Documents of every kind, paid by every method, and journal entries: whatever the
// documents and the journal hold, debits equal credits, the sheet balances, and the
// net income is what the sheet adds to retained earnings.
void tst_accountbalances::booksBalanceOverEveryKindOfDocument()
{
    QVERIFY2(run({"INSERT INTO salesorder (SalesOrderId, Date, Total, DepositPaid, PaymentMethod) VALUES"
                  " (1, '2013-05-01', 900, 120.10, '0'), (2, '2013-05-02', 300, 45, '2')",
                  "INSERT INTO salesinvoice (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod) VALUES"
                  " (1, '2013-05-03', 1250.75, 250, '0'), (2, '2013-05-04', 640.40, 0, '1'), (3, '2013-05-05', 99.99, 99.99, '2')",
                  "INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES"
                  " (1, '2013-05-10', '1', 300.30), (2, '2013-05-11', '0', 140.40)",
                  "INSERT INTO salesrefund (SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod) VALUES"
                  " (1, '2013-05-12', 80, 30, '0'), (2, '2013-05-13', 40.40, 0, '1')",
                  "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod) VALUES"
                  " (1, '2013-04-01', 1500.50, 500, '1'), (2, '2013-04-02', 200, 0, '0')",
                  "INSERT INTO purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount) VALUES"
                  " (1, '2013-04-20', '0', 400.25)",
                  "INSERT INTO purchaserefund (PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod) VALUES"
                  " (1, '2013-04-21', 120, 20, '2')",
                  journal(1, 35, 54, "5000"), journal(2, 109, 114, "70"), journal(3, 40, 55, "50"),
                  journal(4, 40, 116, "800"), journal(5, 114, 98, "35.50")}),
             qPrintable(TestSupport::lastSqlError()));
    const std::optional<AccountDefaults> defaults = loadAccountDefaults();
    QVERIFY(defaults);

    Money debits, credits;
    for (const AccountLine &line : allLines()) {
        debits += line.amounts.debit;
        credits += line.amounts.credit;
    }
    QVERIFY(!debits.isZero());
    QCOMPARE(debits.shortText(), credits.shortText());

    const std::optional<QVector<AccountLine>> sheet = RptBalanceSheet::accountLines(*defaults);
    QVERIFY(sheet);
    Money byType[4];
    Money retainedEarnings, retainedEarningsJournal;
    for (const AccountLine &line : *sheet) {
        byType[line.row.type] += line.amounts.balance;
        if (line.row.accountNo == QLatin1String("30200")) {
            retainedEarnings = line.amounts.balance;
            retainedEarningsJournal = line.row.credit - line.row.debit;
        }
    }
    QCOMPARE(byType[1].shortText(), (byType[2] + byType[3]).shortText());

    const std::optional<QVector<AccountLine>> income = RptIncomeStatement::accountLines(*defaults);
    QVERIFY(income);
    const Money netIncome = RptIncomeStatement::netIncome(*income);
    QVERIFY(!netIncome.isZero());
    QCOMPARE(netIncome.shortText(), (retainedEarnings - retainedEarningsJournal).shortText());
}

void tst_accountbalances::failingStatementIsToldAndShowsNoReport_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("named");
    QTest::newRow("account list without the sales view")
        << "DROP VIEW vw_customersalesdetailed" << "ACCLST" << "vw_customersalesdetailed";
    QTest::newRow("account list without the vendor payments of the money balances")
        << "DROP VIEW vw_vendorpaymentsdetailed" << "ACCLST" << "vw_vendorpaymentsdetailed";
    QTest::newRow("balance sheet without the defaults")
        << "DROP TABLE accountsdefaults" << "BSH" << "accountsdefaults";
    QTest::newRow("balance sheet without the sales cost")
        << "DROP VIEW vw_itemcapital" << "BSH" << "vw_itemcapital";
    QTest::newRow("income statement without the refunds view")
        << "DROP VIEW vw_customerrefundsdetails" << "INCST" << "vw_customerrefundsdetails";
}

void tst_accountbalances::failingStatementIsToldAndShowsNoReport()
{
    QFETCH(QString, statement);
    QFETCH(QString, report);
    QFETCH(QString, named);
    QVERIFY2(TestSupport::execSql(statement), qPrintable(TestSupport::lastSqlError()));

    if (report == QLatin1String("ACCLST"))
        RptAccountList::showReport();
    else if (report == QLatin1String("BSH"))
        RptBalanceSheet::showReport();
    else
        RptIncomeStatement::showReport();

    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    const TestSupport::Message message = TestSupport::MessageRecorder::last();
    QCOMPARE(message.kind, Messages::Critical);
    QVERIFY2(message.text.startsWith(msgSelectFailed + '\n') && message.text.contains(named), qPrintable(message.text));
    QVERIFY(ReportSupport::openViewers().isEmpty());
}

ZARPO_TEST_MAIN(tst_accountbalances)
#include "tst_accountbalances.moc"
