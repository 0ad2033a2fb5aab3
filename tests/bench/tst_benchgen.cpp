#include "tests/support/testsupport.h"

#include "bench/benchgenerator.h"
#include "core/db/companydb.h"
#include "purchasing/frmPurchaseRefund.h"
#include "sales/invoices/frmSalesRefund.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/widgetdrivers.h"
#include "trading/refundstorage.h"

#include <QDoubleSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

#include <memory>

namespace {

const quint32 seed = 4711;

// A few hundred rows per document table.
BenchSizes smallSizes()
{
    return BenchSizes().scaled(0.002);
}

BenchServer testServer()
{
    BenchServer server;
    server.host = TestSupport::serverHost();
    server.port = TestSupport::serverPort();
    server.user = QStringLiteral("root");
    server.password = TestSupport::serverPassword();
    return server;
}

// The first column of the first row; a failure comes back as the server's error text,
// so that a comparison shows why.
QString valueOf(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(sql))
        return QStringLiteral("error: ") + query.lastError().text();
    if (!query.next())
        return QStringLiteral("no row");
    return query.value(0).toString();
}

QString checksumOf(const QString &database, const QString &table)
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(QStringLiteral("CHECKSUM TABLE %1.%2").arg(quotedIdentifier(database), table)) || !query.next())
        return QStringLiteral("error: ") + query.lastError().text();
    return query.value(1).toString();
}

// Statements that count the rows breaking one rule of a sound company.
const QString documentTotals = QStringLiteral(
    "SELECT COUNT(*) FROM %1 h LEFT JOIN (SELECT %2, SUM(Price) AS LineSum FROM %3 GROUP BY %2) l ON l.%2 = h.%2 "
    "WHERE l.LineSum IS NULL OR h.%4 <> l.LineSum OR h.Total <> h.%4 + h.Freight");
const QString linePrices = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Price <> BasePrice * Quantity - Discount + Tax");
// A refund line keeps its invoice line's unit price, discount and tax for the whole line,
// and is worth the share of that line it takes back, rounded once.
const QString refundLinePrices = QStringLiteral(
    "SELECT COUNT(*) FROM %1 rd JOIN %2 d ON d.%3 = rd.%3 WHERE rd.BasePrice <> d.BasePrice "
    "OR rd.Discount <> d.Discount OR rd.Tax <> d.Tax "
    "OR rd.Price <> ROUND((d.BasePrice * d.Quantity - d.Discount + d.Tax) * rd.Quantity / d.Quantity, 2)");

} // namespace

class tst_benchgen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void rowCounts_data();
    void rowCounts();
    void sameSeedSameRows_data();
    void sameSeedSameRows();
    void otherSeedOtherRows();
    void foreignKeysHold();
    void rulesHold_data();
    void rulesHold();
    void homePageHasData_data();
    void homePageHasData();
    void openedRefundsShowTheirStoredTotal_data();
    void openedRefundsShowTheirStoredTotal();
    void keepLeavesAFinishedCompany();
    void refusesToReplaceAForeignDatabase();

private:
    BenchGenerator::Outcome generate(const QString &database, quint32 seedValue, bool keep = false);

    QDate today = QDate::currentDate();
    QString first;
    QString second;
    QString otherSeed;
    QString lastError;
};

BenchGenerator::Outcome tst_benchgen::generate(const QString &database, quint32 seedValue, bool keep)
{
    BenchGenerator generator(testServer(), database);
    generator.setSizes(smallSizes());
    generator.setSeed(seedValue);
    generator.setToday(today);
    generator.setConnections(2);
    const BenchGenerator::Outcome outcome = generator.run(keep);
    lastError = generator.error();
    return outcome;
}

void tst_benchgen::initTestCase()
{
    TestSupport::connectToServer();
    first = TestSupport::uniqueDatabaseName(QStringLiteral("bench"));
    second = TestSupport::uniqueDatabaseName(QStringLiteral("bench"));
    otherSeed = TestSupport::uniqueDatabaseName(QStringLiteral("bench"));
    QCOMPARE(generate(first, seed), BenchGenerator::Outcome::Generated);
    QCOMPARE(generate(second, seed), BenchGenerator::Outcome::Generated);
    QCOMPARE(generate(otherSeed, seed + 1), BenchGenerator::Outcome::Generated);
    EXEC_SQL(QStringLiteral("USE ") + quotedIdentifier(first));
}

void tst_benchgen::cleanupTestCase()
{
    for (const QString &database : {first, second, otherSeed})
        TestSupport::dropDatabase(database);
}

void tst_benchgen::rowCounts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("expected");
    const BenchSizes sizes = smallSizes();
    for (const BenchSizes::Field &field : BenchSizes::fields())
        QTest::newRow(field.option) << QString::fromLatin1(field.table) << sizes.*field.count;
}

void tst_benchgen::rowCounts()
{
    QFETCH(QString, table);
    QFETCH(int, expected);
    QCOMPARE(valueOf(QStringLiteral("SELECT COUNT(*) FROM ") + table), QString::number(expected));
}

void tst_benchgen::sameSeedSameRows_data()
{
    QTest::addColumn<QString>("table");
    for (const char *table : {"persons", "customers", "items", "itemprices", "salesorder", "salesinvoice",
                              "salesinvoicedetails", "salesrefunddetails", "salespayments",
                              "purchaseinvoicedetails", "purchaserefunddetails", "generaljournaltransactions"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

void tst_benchgen::sameSeedSameRows()
{
    QFETCH(QString, table);
    QCOMPARE(checksumOf(second, table), checksumOf(first, table));
}

void tst_benchgen::otherSeedOtherRows()
{
    QVERIFY(checksumOf(otherSeed, QStringLiteral("salesinvoicedetails"))
            != checksumOf(first, QStringLiteral("salesinvoicedetails")));
}

void tst_benchgen::foreignKeysHold()
{
    QSqlQuery keys(QSqlDatabase::database());
    QVERIFY(keys.exec(QStringLiteral("SELECT TABLE_NAME, COLUMN_NAME, REFERENCED_TABLE_NAME, REFERENCED_COLUMN_NAME "
                                     "FROM information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA = '%1' "
                                     "AND REFERENCED_TABLE_NAME IS NOT NULL").arg(first)));
    // The columns that carry only an index are held to the same rule.
    QStringList references = {"customers ShipToPersonId persons PersonId", "items CategoryId itemcategories ItemCategoryId",
                              "items TypeId itemtypes TypeId", "items DefaultVendorId vendors VendorId"};
    while (keys.next())
        references << QStringLiteral("%1 %2 %3 %4").arg(keys.value(0).toString(), keys.value(1).toString(),
                                                         keys.value(2).toString(), keys.value(3).toString());
    QVERIFY2(references.size() > 60, qPrintable(QString::number(references.size())));
    QStringList broken;
    for (const QString &reference : references) {
        const QStringList part = reference.split(QLatin1Char(' '));
        const QString orphans = valueOf(QStringLiteral("SELECT COUNT(*) FROM %1 c WHERE c.%2 IS NOT NULL AND NOT EXISTS "
                                                       "(SELECT 1 FROM %3 p WHERE p.%4 = c.%2)")
                                            .arg(part[0], part[1], part[2], part[3]));
        if (orphans != QLatin1String("0"))
            broken << reference + QStringLiteral(": ") + orphans;
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; "))));
}

void tst_benchgen::rulesHold_data()
{
    QTest::addColumn<QString>("violations");
    const QString day = today.toString(Qt::ISODate);

    QTest::newRow("sales invoice totals are the sum of the lines plus freight")
        << documentTotals.arg("salesinvoice", "SalesInvoiceId", "salesinvoicedetails", "Subtotal");
    QTest::newRow("sales order totals are the sum of the lines plus freight")
        << documentTotals.arg("salesorder", "SalesOrderId", "salesorderdetails", "Subtotal");
    QTest::newRow("sales quote totals are the sum of the lines plus freight")
        << documentTotals.arg("salesquote", "SalesQuoteId", "salesquotedetails", "Subtotal");
    QTest::newRow("sales refund totals are the sum of the lines plus freight")
        << documentTotals.arg("salesrefund", "SalesRefundId", "salesrefunddetails", "SubTotal");
    QTest::newRow("purchase invoice totals are the sum of the lines plus freight")
        << documentTotals.arg("purchaseinvoice", "PurchaseInvoiceId", "purchaseinvoicedetails", "Subtotal");
    QTest::newRow("purchase order totals are the sum of the lines plus freight")
        << documentTotals.arg("purchaseorder", "PurchaseOrderId", "purchaseorderdetails", "Subtotal");
    QTest::newRow("purchase refund totals are the sum of the lines plus freight")
        << documentTotals.arg("purchaserefund", "PurchaseRefundId", "purchaserefunddetails", "SubTotal");
    for (const char *lines : {"salesquotedetails", "salesorderdetails", "salesinvoicedetails", "purchaseorderdetails",
                              "purchaseinvoicedetails"})
        QTest::newRow(qPrintable(QStringLiteral("%1: price is unit price times quantity less discount plus tax").arg(lines)))
            << linePrices.arg(lines);
    QTest::newRow("a sales refund line is its share of the invoice line")
        << refundLinePrices.arg("salesrefunddetails", "salesinvoicedetails", "SalesInvoiceDetailsId");
    QTest::newRow("a purchase refund line is its share of the invoice line")
        << refundLinePrices.arg("purchaserefunddetails", "purchaseinvoicedetails", "PurchaseInvoiceDetailsId");

    QTest::newRow("a sales refund line returns a line of the refunded invoice")
        << QStringLiteral("SELECT COUNT(*) FROM salesrefunddetails rd JOIN salesrefund r ON r.SalesRefundId = rd.SalesRefundId "
                          "LEFT JOIN salesinvoicedetails d ON d.SalesInvoiceDetailsId = rd.SalesInvoiceDetailsId "
                          "WHERE d.SalesInvoiceId IS NULL OR d.SalesInvoiceId <> r.SalesInvoiceId OR d.ItemId <> rd.ItemId "
                          "OR d.UOMId <> rd.UOMId");
    QTest::newRow("a purchase refund line returns a line of the refunded invoice")
        << QStringLiteral("SELECT COUNT(*) FROM purchaserefunddetails rd JOIN purchaserefund r ON r.PurchaseRefundId = rd.PurchaseRefundId "
                          "LEFT JOIN purchaseinvoicedetails d ON d.PurchaseInvoiceDetailsId = rd.PurchaseInvoiceDetailsId "
                          "WHERE d.PurchaseInvoiceId IS NULL OR d.PurchaseInvoiceId <> r.PurchaseInvoiceId "
                          "OR d.ItemId <> rd.ItemId OR d.UOMId <> rd.UOMId");
    QTest::newRow("no more is returned than was invoiced")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT d.Quantity, SUM(rd.Quantity) AS Returned FROM salesrefunddetails rd "
                          "JOIN salesinvoicedetails d ON d.SalesInvoiceDetailsId = rd.SalesInvoiceDetailsId "
                          "GROUP BY rd.SalesInvoiceDetailsId, d.Quantity UNION ALL SELECT d.Quantity, SUM(rd.Quantity) "
                          "FROM purchaserefunddetails rd JOIN purchaseinvoicedetails d "
                          "ON d.PurchaseInvoiceDetailsId = rd.PurchaseInvoiceDetailsId "
                          "GROUP BY rd.PurchaseInvoiceDetailsId, d.Quantity) x WHERE Returned > Quantity OR Returned < 1");
    QTest::newRow("journal entries balance")
        << QStringLiteral("SELECT COUNT(*) FROM generaljournal j LEFT JOIN (SELECT GeneralJournalId, SUM(Debit) AS Debit, "
                          "SUM(Credit) AS Credit FROM generaljournaltransactions GROUP BY GeneralJournalId) t "
                          "ON t.GeneralJournalId = j.GeneralJournalId WHERE t.Debit IS NULL OR t.Debit <> t.Credit OR t.Debit <= 0");
    QTest::newRow("a journal line is either a debit or a credit")
        << QStringLiteral("SELECT COUNT(*) FROM generaljournaltransactions WHERE (Debit > 0) + (Credit > 0) <> 1 "
                          "OR Debit < 0 OR Credit < 0");
    QTest::newRow("journal lines post to leaf accounts")
        << QStringLiteral("SELECT COUNT(*) FROM generaljournaltransactions WHERE AccountId IN "
                          "(SELECT ParentAccountId FROM accounts WHERE ParentAccountId IS NOT NULL)");
    QTest::newRow("payment methods are 0, 1 or 2")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT PaymentMethod FROM salesorder UNION ALL SELECT PaymentMethod FROM salesinvoice "
                          "UNION ALL SELECT PaymentMethod FROM salesrefund UNION ALL SELECT PaymentMethod FROM salespayments "
                          "UNION ALL SELECT PaymentMethod FROM purchaseinvoice UNION ALL SELECT PaymentMethod FROM purchaserefund "
                          "UNION ALL SELECT PaymentMethod FROM purchasepayments) m WHERE PaymentMethod IS NULL "
                          "OR PaymentMethod NOT IN ('0', '1', '2')");
    QTest::newRow("an invoiced sales order is invoiced to its customer on or after its date")
        << QStringLiteral("SELECT COUNT(*) FROM salesinvoice i JOIN salesorder o ON o.SalesOrderId = i.SalesOrderId "
                          "WHERE o.CustomerId <> i.CustomerId OR i.Date < o.Date");
    QTest::newRow("a purchase order is invoiced by its vendor on or after its date")
        << QStringLiteral("SELECT COUNT(*) FROM purchaseinvoice i JOIN purchaseorder o ON o.PurchaseOrderId = i.PurchaseOrderId "
                          "WHERE o.VendorId <> i.VendorId OR i.Date < o.Date");
    QTest::newRow("payments and refunds are not made before their invoice")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT p.PaymentDate AS Day, i.Date FROM salespayments p JOIN salesinvoice i "
                          "USING (SalesInvoiceId) UNION ALL SELECT r.Date, i.Date FROM salesrefund r JOIN salesinvoice i "
                          "USING (SalesInvoiceId) UNION ALL SELECT p.PaymentDate, i.Date FROM purchasepayments p "
                          "JOIN purchaseinvoice i USING (PurchaseInvoiceId)) x WHERE Day < Date");
    QTest::newRow("nothing is dated after today")
        << QStringLiteral("SELECT COUNT(*) FROM (SELECT MAX(Date) AS Day FROM salesinvoice UNION ALL SELECT MAX(Date) FROM purchaseinvoice "
                          "UNION ALL SELECT MAX(Date) FROM salesorder UNION ALL SELECT MAX(PaymentDate) FROM salespayments "
                          "UNION ALL SELECT MAX(JournalDate) FROM generaljournal) x WHERE Day > '%1'").arg(day);
    QTest::newRow("the week's chart has sales on each of the last seven days")
        << QStringLiteral("SELECT 7 - COUNT(DISTINCT Date) FROM salesinvoice WHERE Date > DATE_SUB('%1', INTERVAL 7 DAY) "
                          "AND Date <= '%1'").arg(day);
    QTest::newRow("no item is sold beyond the stock bought")
        << QStringLiteral("SELECT COUNT(*) FROM vw_itemcapital WHERE QOH < 0");
}

void tst_benchgen::rulesHold()
{
    QFETCH(QString, violations);
    QCOMPARE(valueOf(violations), QStringLiteral("0"));
}

void tst_benchgen::homePageHasData_data()
{
    QTest::addColumn<QString>("rows");
    const QString day = today.toString(Qt::ISODate);
    QTest::newRow("customer totals") << QStringLiteral("SELECT COUNT(*) FROM vw_customersales");
    QTest::newRow("vendor totals") << QStringLiteral("SELECT COUNT(*) FROM vw_vendorpurchases");
    QTest::newRow("stock on hand") << QStringLiteral("SELECT COUNT(*) FROM vw_itemcapital WHERE QOH > 0");
    QTest::newRow("items on open sales orders") << QStringLiteral("SELECT COUNT(*) FROM vw_salesorderqty");
    QTest::newRow("items on open purchase orders") << QStringLiteral("SELECT COUNT(*) FROM vw_purchaseorderqty");
    QTest::newRow("sales today") << QStringLiteral("SELECT COUNT(*) FROM salesinvoice WHERE Date = '%1'").arg(day);
    QTest::newRow("expired stock")
        << QStringLiteral("SELECT COUNT(*) FROM purchaseinvoicedetails d JOIN items i ON i.ItemId = d.ItemId "
                          "WHERE i.ValidityInDays > 0 AND DATE_ADD(d.ProductionDate, INTERVAL i.ValidityInDays DAY) <= '%1'").arg(day);
    QTest::newRow("stock still fresh")
        << QStringLiteral("SELECT COUNT(*) FROM purchaseinvoicedetails d JOIN items i ON i.ItemId = d.ItemId "
                          "WHERE i.ValidityInDays > 0 AND DATE_ADD(d.ProductionDate, INTERVAL i.ValidityInDays DAY) > '%1'").arg(day);
}

void tst_benchgen::homePageHasData()
{
    QFETCH(QString, rows);
    const QString count = valueOf(rows);
    QVERIFY2(count.toInt() > 0, qPrintable(count));
}

void tst_benchgen::openedRefundsShowTheirStoredTotal_data()
{
    QTest::addColumn<bool>("sales");
    QTest::newRow("sales refunds") << true;
    QTest::newRow("purchase refunds") << false;
}

// Every refund, picked from its list and opened in its window, shows the total the list
// shows and the header holds: the window works its lines' amounts out afresh.
void tst_benchgen::openedRefundsShowTheirStoredTotal()
{
    QFETCH(bool, sales);
    const RefundStorage::Side &side = sales ? RefundStorage::sales : RefundStorage::purchase;
    std::unique_ptr<QWidget> window;
    if (sales)
        window = std::make_unique<frmSalesRefund>(nullptr);
    else
        window = std::make_unique<frmPurchaseRefund>(nullptr);
    QSqlQuery refunds(QSqlDatabase::database());
    QVERIFY2(refunds.exec(QStringLiteral("SELECT %1, Total FROM %2 ORDER BY %1").arg(side.refundId, side.refund)),
             qPrintable(refunds.lastError().text()));
    QStringList differing;
    int opened = 0;
    while (refunds.next()) {
        const int id = refunds.value(0).toInt();
        const QString stored = Money::fromDecimal(refunds.value(1)).fixedText();
        QString listed;
        TestSupport::whenModal([&](QWidget *list) {
            chooseRow(list, id, 0);
            const QModelIndex row = table(list)->currentIndex();
            QAbstractItemModel *model = table(list)->model();
            for (int column = 0; column < model->columnCount(); ++column)
                if (model->headerData(column, Qt::Horizontal).toString() == QLatin1String("Total"))
                    listed = model->index(row.row(), column).data().toString();
            click(list, "btnEdit");
        });
        click(window.get(), "btnSearch");
        const QString shown = QString::number(amountBox(window.get(), "txtTotal")->value(), 'f', 2);
        if (shown != stored || listed != stored)
            differing << QStringLiteral("refund %1: stored %2, listed %3, shown %4").arg(id).arg(stored, listed, shown);
        ++opened;
    }
    QCOMPARE(TestSupport::messageLog(), QString());
    QVERIFY(opened > 0);
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QStringLiteral("; "))));
}

void tst_benchgen::keepLeavesAFinishedCompany()
{
    EXEC_SQL(QStringLiteral("INSERT INTO %1.departments (DepartmentId, Department) VALUES (999, 'Kept')").arg(quotedIdentifier(second)));
    QCOMPARE(generate(second, seed, true), BenchGenerator::Outcome::Kept);
    QCOMPARE(valueOf(QStringLiteral("SELECT COUNT(*) FROM %1.departments WHERE DepartmentId = 999").arg(quotedIdentifier(second))),
             QStringLiteral("1"));

    // A different seed asks for a different company: the old one is replaced.
    QCOMPARE(generate(second, seed + 1, true), BenchGenerator::Outcome::Generated);
    QCOMPARE(valueOf(QStringLiteral("SELECT COUNT(*) FROM %1.departments WHERE DepartmentId = 999").arg(quotedIdentifier(second))),
             QStringLiteral("0"));
}

void tst_benchgen::refusesToReplaceAForeignDatabase()
{
    const QString foreign = TestSupport::uniqueDatabaseName(QStringLiteral("books"));
    EXEC_SQL(QStringLiteral("CREATE DATABASE ") + quotedIdentifier(foreign));
    EXEC_SQL(QStringLiteral("CREATE TABLE %1.ledger (Id int)").arg(quotedIdentifier(foreign)));
    const BenchGenerator::Outcome outcome = generate(foreign, seed);
    const QString ledger = valueOf(QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = '%1' "
                                                  "AND TABLE_NAME = 'ledger'").arg(foreign));
    TestSupport::dropDatabase(foreign);
    QCOMPARE(outcome, BenchGenerator::Outcome::Failed);
    QVERIFY2(lastError.contains(foreign), qPrintable(lastError));
    QCOMPARE(ledger, QStringLiteral("1"));
}

ZARPO_TEST_MAIN(tst_benchgen)
#include "tst_benchgen.moc"
