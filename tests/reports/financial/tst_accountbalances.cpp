#include "core/system/globals.h"
#include "reports/financial/RptAccountList.h"
#include "reports/financial/RptBalanceSheet.h"
#include "reports/financial/RptIncomeStatement.h"
#include "reports/financial/accountbalances.h"
#include "reports/financial/frmSalesProfit.h"
#include "reports/framework/frmReportViewer.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QWebFrame>
#include <QWebView>

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
    void stockMovementsShowTheirTrueProfit_data();
    void stockMovementsShowTheirTrueProfit();
    void booksTellOneStoryWithStock_data();
    void booksTellOneStoryWithStock();
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

// What a report window shows, by the label of each line that holds a label and a figure:
// "10300: Warehouse Inventory" -> "500", "TOTAL Assets" -> "150", "Net Income" -> "150".
QHash<QString, QString> shownFigures(void (*showReport)())
{
    ReportSupport::closeViewers();
    showReport();
    QHash<QString, QString> figures;
    const QList<frmReportViewer *> viewers = ReportSupport::openViewers();
    if (viewers.size() != 1 || !ReportSupport::waitUntilReady(viewers.first()))
        return figures;
    for (const QString &line : viewers.first()->webView->page()->mainFrame()->toPlainText().split('\n')) {
        const QStringList cells = line.split('\t');
        if (cells.size() == 2)
            figures.insert(cells.at(0).trimmed(), cells.at(1).trimmed());
    }
    ReportSupport::closeViewers();
    return figures;
}

// The sales, cost and profit that the sales profit window shows for 2013.
QString salesProfit2013()
{
    frmSalesProfit window;
    window.findChild<QDateEdit *>("dtFrom")->setDate(QDate(2013, 1, 1));
    window.findChild<QDateEdit *>("dtTo")->setDate(QDate(2013, 12, 31));
    click(&window, "btnSearch");
    QStringList shown;
    for (const char *name : {"dblSales", "dblPurchases", "dblProfit"})
        shown << window.findChild<QDoubleSpinBox *>(name)->text();
    return shown.join(" | ");
}

// A stock item bought, sold and returned in cash: Toner (item 1) by the Each (unit 1), Pens
// (item 2) by the Each and by the Case (unit 2) of 12.
const QString toner = QStringLiteral(
    "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'T-1', 'Toner', 1);"
    "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
    " VALUES (1, '2013-05-01', 1, 1000, 1000, '0');"
    "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
    " VALUES (1, 1, 1, 1, 10, 100);"
    "INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
    " VALUES (1, '2013-05-04', 1, 600, 600, '0');"
    "INSERT INTO salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, UOMId, Quantity, Price)"
    " VALUES (1, 1, 1, 1, 4, 600)");
const QString pensByTheCase = QStringLiteral(
    "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (2, 'P-1', 'Pens', 1);"
    "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
    " VALUES (1, '2013-05-01', 1, 120, 120, '0');"
    "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
    " VALUES (1, 2, 2, 1, 120);"
    "INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
    " VALUES (1, '2013-05-04', 1, 75, 75, '0');"
    "INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES (1, 2, 1, 5, 75)");

// 10 Toner bought at 100 with a freight of 50 on the invoice, and some sold at 150 each.
const QString tonerWithFreight = QStringLiteral(
    "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'T-1', 'Toner', 1);"
    "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Subtotal, Freight, Total, DepositPaid,"
    " PaymentMethod) VALUES (1, '2013-05-01', 1, 1000, 50, 1050, 1050, '0');"
    "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
    " VALUES (1, 1, 1, 1, 10, 100)");

QString tonerSold(int quantity)
{
    return QStringLiteral(
               ";INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
               " VALUES (1, '2013-05-04', 1, %1, %1, '0');"
               "INSERT INTO salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, UOMId, Quantity, Price)"
               " VALUES (1, 1, 1, 1, %2, %1)")
        .arg(quantity * 150).arg(quantity);
}

// Toner (item 1) by the Each, bought, sold and returned in cash, one document a line: the
// line's id is the document's.
const QString tonerItem = QStringLiteral("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'T-1', 'Toner', 1)");

QString bought(int id, const char *date, int quantity, int price)
{
    return QStringLiteral(
               ";INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
               " VALUES (%1, '%2', 1, %3, %3, '0');"
               "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity,"
               " BasePrice) VALUES (%1, %1, 1, 1, %4, %5)")
        .arg(id).arg(QLatin1String(date)).arg(quantity * price).arg(quantity).arg(price);
}

QString sold(int id, const char *date, int quantity, int price)
{
    return QStringLiteral(
               ";INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
               " VALUES (%1, '%2', 1, %3, %3, '0');"
               "INSERT INTO salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, UOMId, Quantity, Price)"
               " VALUES (%1, %1, 1, 1, %4, %3)")
        .arg(id).arg(QLatin1String(date)).arg(quantity * price).arg(quantity);
}

QString sentBack(int id, int purchase, const char *date, int quantity, const char *paidBack)
{
    return QStringLiteral(
               ";INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
               " VALUES (%1, %2, '%3', %5, %5, '0');"
               "INSERT INTO purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, UOMId, Quantity)"
               " VALUES (%1, %2, 1, 1, %4)")
        .arg(id).arg(purchase).arg(QLatin1String(date)).arg(quantity).arg(QLatin1String(paidBack));
}

QString takenBack(int id, int sale, const char *date, int quantity, const char *paidBack)
{
    return QStringLiteral(
               ";INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
               " VALUES (%1, %2, '%3', %5, %5, '0');"
               "INSERT INTO salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, UOMId, Quantity)"
               " VALUES (%1, %2, 1, 1, %4)")
        .arg(id).arg(sale).arg(QLatin1String(date)).arg(quantity).arg(QLatin1String(paidBack));
}

const QString installation = QStringLiteral(
    "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (3, 'S-1', 'Installation', 2)");
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

// The figures the balance sheet, the income statement and the sales profit window show
// where goods move, with the seed defaults: the purchases keep the stock in 10300.
void tst_accountbalances::stockMovementsShowTheirTrueProfit_data()
{
    QTest::addColumn<QString>("statements");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("salesProfit");
    QTest::newRow("bought 10 at 100, sold 4 at 150: the cost of the 4 is an expense")
        << toner
        << QStringList{"10300: Warehouse Inventory = 600", "10700: Safe = -400", "30200: Retained Earnings = 200",
                       "50100: Cost of Goods Sold = 400", "Net Income = 200"}
        << "600.00 | 400.00 | 200.00";
    QTest::newRow("2 sent back to the vendor leave the stock at cost, 1 taken back returns to it")
        << toner + ";INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                   " VALUES (1, 1, '2013-05-06', 200, 200, '0');"
                   "INSERT INTO purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, UOMId, Quantity)"
                   " VALUES (1, 1, 1, 1, 2);"
                   "INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                   " VALUES (1, 1, '2013-05-07', 150, 150, '0');"
                   "INSERT INTO salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, UOMId, Quantity)"
                   " VALUES (1, 1, 1, 1, 1)"
        << QStringList{"10300: Warehouse Inventory = 500", "10700: Safe = -350", "30200: Retained Earnings = 150",
                       "40400: Purchase Refunds = 0", "50100: Cost of Goods Sold = 300", "50200: Sales Refunds = 150",
                       "Net Income = 150"}
        << "600.00 | 400.00 | 200.00";
    QTest::newRow("a case of 12 bought for 120, 5 each sold for 75: each costs a twelfth")
        << pensByTheCase + ";INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, `Variance`) VALUES (2, 2, 1, 12)"
        << QStringList{"10300: Warehouse Inventory = 70", "30200: Retained Earnings = 25",
                       "50100: Cost of Goods Sold = 50", "Net Income = 25"}
        << "75.00 | 50.00 | 25.00";
    QTest::newRow("a chain of conversions: a pallet of 10 cases of 12 costs 1200, an each 10")
        << QStringLiteral(
               "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (2, 'P-1', 'Pens', 1);"
               "INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, `Variance`) VALUES (2, 2, 1, 12), (2, 3, 2, 10);"
               "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
               " VALUES (1, '2013-05-01', 1, 1200, 1200, '0');"
               "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
               " VALUES (1, 2, 3, 1, 1200);"
               "INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
               " VALUES (1, '2013-05-04', 1, 330, 330, '0');"
               "INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price)"
               " VALUES (1, 2, 1, 6, 90), (1, 2, 2, 1, 240)")
        << QStringList{"10300: Warehouse Inventory = 1020", "50100: Cost of Goods Sold = 180", "Net Income = 150"}
        << "330.00 | 180.00 | 150.00";
    QTest::newRow("without a 50100 account the cost shows on a row of its own")
        << toner + ";DELETE FROM accounts WHERE AccountNo = '50100'"
        << QStringList{"10300: Warehouse Inventory = 600", "Cost of Goods Sold = 400", "Net Income = 200"}
        << "600.00 | 400.00 | 200.00";
    QTest::newRow("a unit no conversion joins to a bought one costs nothing, as before")
        << pensByTheCase
        << QStringList{"10300: Warehouse Inventory = 120", "50100: Cost of Goods Sold = 0", "Net Income = 75"}
        << "75.00 | 0.00 | 75.00";
    // The invoice's freight is part of what its goods cost: 1,050 for 10 is 105 each.
    QTest::newRow("freight of 50 on 10 bought at 100: the 4 sold cost 105 each")
        << tonerWithFreight + tonerSold(4)
        << QStringList{"10300: Warehouse Inventory = 630", "10700: Safe = -450", "30200: Retained Earnings = 180",
                       "50100: Cost of Goods Sold = 420", "Net Income = 180"}
        << "600.00 | 400.00 | 200.00";
    QTest::newRow("all 10 sold: the freight leaves the stock with them")
        << tonerWithFreight + tonerSold(10)
        << QStringList{"10300: Warehouse Inventory = 0", "50100: Cost of Goods Sold = 1050", "Net Income = 450"}
        << "1500.00 | 1000.00 | 500.00";
    QTest::newRow("2 sent back leave the stock at 105 each; the freight not paid back is lost")
        << tonerWithFreight + tonerSold(4)
               + ";INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                 " VALUES (1, 1, '2013-05-06', 200, 200, '0');"
                 "INSERT INTO purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, UOMId, Quantity)"
                 " VALUES (1, 1, 1, 1, 2)"
        << QStringList{"10300: Warehouse Inventory = 420", "10700: Safe = -250", "40400: Purchase Refunds = -10",
                       "50100: Cost of Goods Sold = 420", "Net Income = 170"}
        << "600.00 | 400.00 | 200.00";
    QTest::newRow("a case of 12 for 120 with a freight of 24: each costs 12")
        << QString(pensByTheCase).replace("Total, DepositPaid, PaymentMethod) VALUES (1, '2013-05-01', 1, 120, 120,",
                                 "Freight, Total, DepositPaid, PaymentMethod) VALUES (1, '2013-05-01', 1, 24, 144, 144,")
               + ";INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, `Variance`) VALUES (2, 2, 1, 12)"
        << QStringList{"10300: Warehouse Inventory = 84", "50100: Cost of Goods Sold = 60", "Net Income = 15"}
        << "75.00 | 50.00 | 25.00";
    QTest::newRow("a service bought for 200 is an expense, never stock")
        << installation + ";INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                          " VALUES (1, '2013-05-01', 200, 200, '0');"
                          "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                          " VALUES (1, 3, 1, 1, 200)"
        << QStringList{"10300: Warehouse Inventory = 0", "10700: Safe = -200", "50100: Cost of Goods Sold = 200",
                       "Net Income = -200"}
        << "0.00 | 0.00 | 0.00";
    QTest::newRow("the freight of an invoice of services alone is an expense too")
        << installation + ";INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, Freight, Total, DepositPaid, PaymentMethod)"
                          " VALUES (1, '2013-05-01', 20, 220, 220, '0');"
                          "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                          " VALUES (1, 3, 1, 1, 200)"
        << QStringList{"10300: Warehouse Inventory = 0", "50100: Cost of Goods Sold = 220", "Net Income = -220"}
        << "0.00 | 0.00 | 0.00";
    QTest::newRow("the freight of goods bought with a service is the goods' alone")
        << installation + ";" + QString(tonerWithFreight).replace("1000, 50, 1050, 1050", "1200, 50, 1250, 1250")
               + ";INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                 " VALUES (1, 3, 1, 1, 200)" + tonerSold(4)
        << QStringList{"10300: Warehouse Inventory = 630", "50100: Cost of Goods Sold = 620", "Net Income = -20"}
        << "600.00 | 400.00 | 200.00";
    // Costs move in date order at a moving average; what a pool holds is rounded once per
    // movement and each cost is the difference.
    QTest::newRow("a cheaper purchase after selling out leaves the earlier costs alone")
        << tonerWithFreight + tonerSold(10)
               + ";INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, `Variance`) VALUES (1, 2, 1, 10);"
                 "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
                 " VALUES (2, '2013-05-10', 1, 30, 30, '0');"
                 "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                 " VALUES (2, 1, 1, 5, 2), (2, 1, 2, 1, 20)"
        << QStringList{"10300: Warehouse Inventory = 30", "10700: Safe = 420", "50100: Cost of Goods Sold = 1050",
                       "Net Income = 450"}
        << "1500.00 | 1000.00 | 500.00";
    // 10 at 10, 5 sold (50); 5 bought at 20: 10 for 150; 8 sold at 15 each (120), 2 left (30).
    QTest::newRow("a dearer purchase between two sales costs only the later one more")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + sold(1, "2013-05-04", 5, 15) + bought(2, "2013-05-06", 5, 20)
               + sold(2, "2013-05-08", 8, 25)
        << QStringList{"10300: Warehouse Inventory = 30", "10700: Safe = 75", "50100: Cost of Goods Sold = 170",
                       "Net Income = 105"}
        << "275.00 | 210.00 | 65.00";
    // One of the 5 sold at 10 comes back at 10 when the average is 15: 11 for 160; 8 sold
    // leave 3 for 43.64 (160 x 3 / 11), so they cost 116.36.
    QTest::newRow("a customer's return comes back at what its sale took out")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + sold(1, "2013-05-04", 5, 15) + bought(2, "2013-05-06", 5, 20)
               + takenBack(1, 1, "2013-05-07", 1, "15") + sold(2, "2013-05-08", 8, 25)
        << QStringList{"10300: Warehouse Inventory = 43.64", "10700: Safe = 60", "50100: Cost of Goods Sold = 156.36",
                       "50200: Sales Refunds = 15", "Net Income = 103.64"}
        << "275.00 | 210.00 | 65.00";
    // 10 at 10 and 10 at 20; the 5 sent back leave at 20 each, the price of their line.
    QTest::newRow("goods sent back leave at what their purchase line cost")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + bought(2, "2013-05-02", 10, 20)
               + sentBack(1, 2, "2013-05-03", 5, "100") + sold(1, "2013-05-04", 15, 15)
        << QStringList{"10300: Warehouse Inventory = 0", "10700: Safe = 25", "40400: Purchase Refunds = 0",
                       "50100: Cost of Goods Sold = 200", "Net Income = 25"}
        << "225.00 | 300.00 | -75.00";
    // 2 for 206.67: the one sold leaves 103.34 (half of it, rounded) and costs 103.33; the
    // one sent back leaves the rest, 103.34, and the pool holds 0.00.
    QTest::newRow("a pool with nothing left holds nothing, however its goods left")
        << tonerItem
               + ";INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Subtotal, Freight, Total,"
                 " DepositPaid, PaymentMethod) VALUES (1, '2013-05-01', 1, 200, 6.67, 206.67, 206.67, '0');"
                 "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity,"
                 " BasePrice) VALUES (1, 1, 1, 1, 2, 100)"
               + sold(1, "2013-05-04", 1, 150) + sentBack(1, 1, "2013-05-06", 1, "100")
        << QStringList{"10300: Warehouse Inventory = 0", "10700: Safe = 43.33", "40400: Purchase Refunds = -3.34",
                       "50100: Cost of Goods Sold = 103.33", "Net Income = 43.33"}
        << "150.00 | 100.00 | 50.00";
    QTest::newRow("goods sold before their purchase was entered cost what it paid")
        << tonerItem + sold(1, "2013-05-01", 5, 15) + bought(1, "2013-05-02", 10, 10)
        << QStringList{"10300: Warehouse Inventory = 50", "10700: Safe = -25", "50100: Cost of Goods Sold = 50",
                       "Net Income = 25"}
        << "75.00 | 0.00 | 75.00";
    // The purchase fills the 5 sold short at 10 each, so the one returned comes back at 10.
    QTest::newRow("a return of goods sold short comes back at what the purchase that filled them cost")
        << tonerItem + sold(1, "2013-05-01", 5, 15) + bought(1, "2013-05-02", 10, 10)
               + takenBack(1, 1, "2013-05-03", 1, "15")
        << QStringList{"10300: Warehouse Inventory = 60", "50100: Cost of Goods Sold = 40", "50200: Sales Refunds = 15",
                       "Net Income = 20"}
        << "75.00 | 0.00 | 75.00";
    // 2 on hand at 10; the first sale takes them and 3 short at 10 (50 for 5), the second
    // 2 short at 10 (20). The purchase fills the 5 at 16, 30 more: 18 for the first day's
    // 3, 12 for the second's 2, so their returns come back at 13.60 and 16. 7 are left
    // for 80 + 13.60 + 16.
    QTest::newRow("returns from days partly and wholly sold short come back at what their own day cost")
        << tonerItem + bought(1, "2013-05-01", 2, 10) + sold(1, "2013-05-02", 5, 15) + sold(2, "2013-05-03", 2, 15)
               + bought(2, "2013-05-04", 10, 16) + takenBack(1, 1, "2013-05-05", 1, "15")
               + takenBack(2, 2, "2013-05-05", 1, "15")
        << QStringList{"10300: Warehouse Inventory = 109.6", "50100: Cost of Goods Sold = 70.4",
                       "50200: Sales Refunds = 30", "Net Income = 4.6"}
        << "105.00 | 70.00 | 35.00";
    // 2 and 3 sold short; one of the 3 comes back before the purchase, which fills 2 of
    // each day at 10. The second sale's last two cost 20, and another one back is 10.
    QTest::newRow("a return before the purchase lessens what its own sale day owes")
        << tonerItem + sold(1, "2013-05-01", 2, 15) + sold(2, "2013-05-02", 3, 15) + takenBack(1, 2, "2013-05-03", 1, "15")
               + bought(1, "2013-05-04", 10, 10) + takenBack(2, 2, "2013-05-05", 1, "15")
        << QStringList{"10300: Warehouse Inventory = 70", "50100: Cost of Goods Sold = 30", "50200: Sales Refunds = 30",
                       "Net Income = 15"}
        << "75.00 | 0.00 | 75.00";
    // A return never moves before its sale: without a date, or dated before the purchase,
    // it would come back at nothing and the 5 sold would take out 100 x 5 / 11.
    QTest::newRow("a return without a date comes back at what its sale took out")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + sold(1, "2013-05-04", 5, 15)
               + takenBack(1, 1, "2013-05-07", 1, "15") + ";UPDATE salesrefund SET Date = NULL"
        << QStringList{"10300: Warehouse Inventory = 60", "50100: Cost of Goods Sold = 40", "Net Income = 20"}
        << "75.00 | 50.00 | 25.00";
    QTest::newRow("a return dated before its sale and its purchase comes back at what its sale took out")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + sold(1, "2013-05-04", 5, 15)
               + takenBack(1, 1, "2013-04-30", 1, "15")
        << QStringList{"10300: Warehouse Inventory = 60", "50100: Cost of Goods Sold = 40", "50200: Sales Refunds = 15",
                       "Net Income = 20"}
        << "75.00 | 50.00 | 25.00";
    // 10 at 10 on hand; 10 more at 20 bought on the day 10 are sold: the sale takes out
    // the average of 20 for 300, 150, and not the 100 of the older goods alone.
    QTest::newRow("a day's purchases move before its sales")
        << tonerItem + bought(1, "2013-05-01", 10, 10) + bought(2, "2013-05-04", 10, 20) + sold(1, "2013-05-04", 10, 25)
        << QStringList{"10300: Warehouse Inventory = 150", "50100: Cost of Goods Sold = 150", "Net Income = 100"}
        << "250.00 | 200.00 | 50.00";
    // Shares of 3.33, 3.34 and 3.33: rounded line by line, 9.99 would stay behind.
    QTest::newRow("an invoice's freight is shared to the cent over its lines")
        << tonerItem
               + ";INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Subtotal, Freight, Total,"
                 " DepositPaid, PaymentMethod) VALUES (1, '2013-05-01', 1, 30, 10, 40, 40, '0');"
                 "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity,"
                 " BasePrice) VALUES (1, 1, 1, 1, 10, 1), (2, 1, 1, 1, 10, 1), (3, 1, 1, 1, 10, 1)"
               + sold(1, "2013-05-04", 30, 2)
        << QStringList{"10300: Warehouse Inventory = 0", "50100: Cost of Goods Sold = 40", "Net Income = 20"}
        << "60.00 | 30.00 | 30.00";
    // 3 for 10.00 and two sales of 1 on one day: together they leave 3.33 (10.00 / 3);
    // one by one they would leave 6.67 and then 3.34.
    QTest::newRow("a day's sales move as one")
        << tonerItem + bought(1, "2013-05-01", 1, 4) + bought(2, "2013-05-01", 2, 3) + sold(1, "2013-05-04", 1, 5)
               + sold(2, "2013-05-04", 1, 5)
        << QStringList{"10300: Warehouse Inventory = 3.33", "50100: Cost of Goods Sold = 6.67", "Net Income = 3.33"}
        << "10.00 | 6.00 | 4.00";
}

void tst_accountbalances::stockMovementsShowTheirTrueProfit()
{
    QFETCH(QString, statements);
    QFETCH(QStringList, figures);
    QFETCH(QString, salesProfit);
    QVERIFY2(run({statements}), qPrintable(TestSupport::lastSqlError()));

    QHash<QString, QString> shown = shownFigures(&RptBalanceSheet::showReport);
    const QHash<QString, QString> income = shownFigures(&RptIncomeStatement::showReport);
    for (auto figure = income.cbegin(); figure != income.cend(); ++figure)
        shown.insert(figure.key(), figure.value());
    QCOMPARE(TestSupport::messageLog(), QString());
    QStringList actual;
    for (const QString &figure : figures)
        actual << figure.section(" = ", 0, 0) + " = " + shown.value(figure.section(" = ", 0, 0), "(not shown)");
    QCOMPARE(actual, figures);
    QCOMPARE(salesProfit2013(), salesProfit);

    // The sheet balances, and the account list shows every account's figure as the sheet
    // and the income statement do, its debits equal to its credits.
    const auto amount = [](const QString &text) { return *Money::parse(text); };
    QCOMPARE(amount(shown.value("TOTAL Assets")),
             amount(shown.value("TOTAL Liabilitis", "0")) + amount(shown.value("TOTAL Equity", "0")));
    Money debits, credits;
    QStringList listed, expected;
    for (const AccountLine &line : allLines()) {
        debits += line.amounts.debit;
        credits += line.amounts.credit;
        if (shown.contains(line.row.account))
            listed << line.row.account + " = " + line.amounts.balance.shortText();
    }
    // Retained earnings take the net income on the sheet alone.
    for (const QString &figure : figures)
        if (figure.at(0).isDigit() && !figure.startsWith("30200"))
            expected << figure;
    for (const QString &figure : expected)
        QVERIFY2(listed.contains(figure), qPrintable(figure + " not listed: " + listed.join(", ")));
    QCOMPARE(debits.shortText(), credits.shortText());
}

// One company with goods bought in two units joined by a conversion and in one more item,
// sold, sent back and taken back, paid and deposited by every method, and journal entries
// with capital, a top-level equity account and a line of retained earnings' own. With the
// seed defaults and with the purchases expensed, the sheet balances and the income
// statement's net income is what the sheet adds to retained earnings beyond its own
// lines; where the purchases keep the stock, the stock is worth what is on hand and the
// profit is the one worked out below. The sales profit window knows neither account.
void tst_accountbalances::booksTellOneStoryWithStock_data()
{
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QString>("purchases");
    QTest::addColumn<QStringList>("figures");
    // Pens cost 5 each: 3 cases of 10 for 150 and 20 each for 100; sold a case and 5 each
    // (cost 75). Ink costs 20: 10 bought, 2 sent back for 40, 5 sold (cost 100), 1 taken
    // back (20). On hand: 35 pens (175) and 4 ink (80), 255. Sales 280 less their cost
    // 175 is the trading profit of 105 that the sales profit window shows; the refund of
    // 30 for goods that cost 20 takes 10, office supplies 70 and service revenue 35 the
    // rest: a net income of 60.
    QTest::newRow("seed defaults: the purchases keep the stock")
        << QString() << QString()
        << QStringList{"10300: Warehouse Inventory = 255", "40400: Purchase Refunds = 0",
                       "50100: Cost of Goods Sold = 155", "Net Income = 60", "30200: Retained Earnings = 110"};
    // Purchases of 450 and their refund of 40 are the period's own: 280 + 40 + 35 less
    // 450, 30 and 70.
    QTest::newRow("purchases expensed to 50100")
        << QStringLiteral("UPDATE accountsdefaults SET PurchaseAccId = 105") << QString()
        << QStringList{"10300: Warehouse Inventory = 0", "40400: Purchase Refunds = 40",
                       "50100: Cost of Goods Sold = 450", "Net Income = -195", "30200: Retained Earnings = -145"};
    // A freight of 35 on the first invoice is shared by its amounts: 15 to the pens, 20 to
    // the ink. Pens then cost 265 for 50, 5.30 each: 15 sold (79.50), 35 on hand (185.50).
    // Ink costs 22: 2 sent back (44), 4 sold net (88), 4 on hand (88). A delivery service
    // of 30 on the second invoice is an expense at once. The refund of 40 for goods that
    // cost 44 loses 4, and the cost of 197.50 is the goods' 167.50 and the service's 30.
    QTest::newRow("seed defaults with freight and a service bought")
        << QString()
        << QStringLiteral("UPDATE purchaseinvoice SET Freight = 35, Total = 385 WHERE PurchaseInvoiceId = 1;"
                          "UPDATE purchaseinvoice SET Total = 130 WHERE PurchaseInvoiceId = 2;"
                          "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (3, 'S-1', 'Delivery', 2);"
                          "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                          " VALUES (2, 3, 1, 1, 30)")
        << QStringList{"10300: Warehouse Inventory = 273.5", "40400: Purchase Refunds = -4",
                       "50100: Cost of Goods Sold = 197.5", "Net Income = 13.5", "30200: Retained Earnings = 63.5"};
}

void tst_accountbalances::booksTellOneStoryWithStock()
{
    QFETCH(QString, defaults);
    QFETCH(QString, purchases);
    QFETCH(QStringList, figures);
    // Units: 1 Each, 2 Case.
    QVERIFY2(run({"INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-1', 'Pens', 1), (2, 'I-1', 'Ink', 1)",
                  "INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, `Variance`) VALUES (1, 2, 1, 10)",
                  "INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod)"
                  " VALUES (1, '2013-01-10', 1, 350, 100, '0'), (2, '2013-01-20', 2, 100, 0, '1')",
                  "INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice)"
                  " VALUES (1, 1, 1, 2, 3, 50), (2, 1, 2, 1, 10, 20), (3, 2, 1, 1, 20, 5)",
                  "INSERT INTO purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount)"
                  " VALUES (1, '2013-02-01', '1', 150)",
                  "INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                  " VALUES (1, 1, '2013-02-05', 40, 40, '0')",
                  "INSERT INTO purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, UOMId, Quantity)"
                  " VALUES (1, 2, 2, 1, 2)",
                  "INSERT INTO salesorder (SalesOrderId, Date, Total, DepositPaid, PaymentMethod)"
                  " VALUES (1, '2013-02-20', 500, 25, '0')",
                  "INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId, Total, DepositPaid, PaymentMethod)"
                  " VALUES (1, '2013-03-01', 1, 210, 60, '0'), (2, '2013-03-05', 2, 70, 0, '2')",
                  "INSERT INTO salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, UOMId, Quantity, Price)"
                  " VALUES (1, 1, 1, 2, 1, 80), (2, 1, 1, 1, 5, 40), (3, 1, 2, 1, 3, 90), (4, 2, 2, 1, 2, 70)",
                  "INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount)"
                  " VALUES (1, '2013-03-10', '1', 100)",
                  "INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod)"
                  " VALUES (1, 1, '2013-03-12', 30, 30, '0')",
                  "INSERT INTO salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, UOMId, Quantity)"
                  " VALUES (1, 3, 2, 1, 1)",
                  "INSERT INTO accounts (AccountId, AccountNo, Description, TypeId) VALUES (200, '39000', 'Drawings', 3)",
                  journal(1, 35, 54, "1000"), journal(2, 109, 114, "70"), journal(3, 114, 98, "35"),
                  journal(4, 200, 35, "100"), journal(5, 40, 55, "50")}),
             qPrintable(TestSupport::lastSqlError()));
    if (!defaults.isEmpty())
        EXEC_SQL(defaults);
    if (!purchases.isEmpty())
        QVERIFY2(run({purchases}), qPrintable(TestSupport::lastSqlError()));

    const QHash<QString, QString> sheet = shownFigures(&RptBalanceSheet::showReport);
    const QHash<QString, QString> income = shownFigures(&RptIncomeStatement::showReport);
    QCOMPARE(TestSupport::messageLog(), QString());
    QVERIFY(sheet.contains("TOTAL Assets") && income.contains("Net Income"));
    const auto amount = [](const QString &text) { return *Money::parse(text); };
    QCOMPARE(amount(sheet.value("TOTAL Assets")),
             amount(sheet.value("TOTAL Liabilitis")) + amount(sheet.value("TOTAL Equity")));
    // Retained earnings' own journal line credits 50.
    QCOMPARE(amount(income.value("Net Income")), amount(sheet.value("30200: Retained Earnings")) - amount("50"));
    QStringList actual;
    for (const QString &figure : figures) {
        const QString label = figure.section(" = ", 0, 0);
        actual << label + " = " + (sheet.contains(label) ? sheet : income).value(label, "(not shown)");
    }
    QCOMPARE(actual, figures);
    QCOMPARE(salesProfit2013(), QStringLiteral("280.00 | 175.00 | 105.00"));

    // The account list tells the same story of the stock, the refunds and the cost, and
    // its debits still equal its credits.
    Money debits, credits;
    QStringList listed, expected;
    for (const AccountLine &line : allLines()) {
        debits += line.amounts.debit;
        credits += line.amounts.credit;
        for (const char *number : {"10300", "40400", "50100"})
            if (line.row.accountNo == QLatin1String(number))
                listed << line.row.account + " = " + line.amounts.balance.shortText();
    }
    QCOMPARE(TestSupport::messageLog(), QString());
    for (const QString &figure : figures)
        if (figure.startsWith("10300") || figure.startsWith("40400") || figure.startsWith("50100"))
            expected << figure;
    QCOMPARE(listed, expected);
    QCOMPARE(debits.shortText(), credits.shortText());
}

void tst_accountbalances::failingStatementIsToldAndShowsNoReport_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("named");
    QTest::newRow("account list without the sales deposits")
        << "ALTER TABLE salesinvoice RENAME COLUMN DepositPaid TO DepositGone" << "ACCLST" << "DepositPaid";
    QTest::newRow("account list without the vendor payments of the money balances")
        << "DROP TABLE purchasepayments" << "ACCLST" << "purchasepayments";
    QTest::newRow("balance sheet without the defaults")
        << "DROP TABLE accountsdefaults" << "BSH" << "accountsdefaults";
    QTest::newRow("balance sheet without the sales cost")
        << "DROP TABLE salesrefunddetails" << "BSH" << "salesrefunddetails";
    QTest::newRow("income statement without the unit conversions of the sales cost")
        << "DROP TABLE itemuom" << "INCST" << "itemuom";
    QTest::newRow("income statement without the refund totals")
        << "ALTER TABLE salesrefund RENAME COLUMN Total TO TotalGone" << "INCST" << "salesrefund.Total";
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
