#include "tests/support/testsupport.h"

#include "bench/benchgenerator.h"
#include "bench/invoicesteps.h"
#include "bench/listwindows.h"
#include "bench/paymentsteps.h"
#include "bench/reportsteps.h"
#include "core/db/companydb.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

BenchServer testServer()
{
    BenchServer server;
    server.host = TestSupport::serverHost();
    server.port = TestSupport::serverPort();
    server.user = QStringLiteral("root");
    server.password = TestSupport::serverPassword();
    return server;
}

struct BenchRun
{
    int exitCode = -1;
    QString table;
    QString errors;
};

// The benchmark command as run.sh runs it, once per step after the capturing warm-up.
BenchRun runBenchmark(const QString &database, const QString &statementsFolder, const QStringList &only = {})
{
    QStringList arguments{QStringLiteral("--host"), TestSupport::serverHost(), QStringLiteral("--port"),
                          QString::number(TestSupport::serverPort()), QStringLiteral("--database"), database,
                          QStringLiteral("--runs"), QStringLiteral("1"), QStringLiteral("--statements"), statementsFolder};
    for (const QString &step : only)
        arguments << QStringLiteral("--only") << step;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), TestSupport::serverPassword());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZARPO_BENCH), arguments);
    BenchRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.errors = QStringLiteral("zarpo-bench did not end within 120 s");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.table = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The statements one step sent, as the benchmark kept them for the client.
QStringList keptStatements(const QString &folder, const QString &step)
{
    QString stem = step;
    stem.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    const QStringList files = QDir(folder).entryList({QStringLiteral("*-") + stem + QStringLiteral(".sql")});
    if (files.size() != 1)
        return {QStringLiteral("no single file for ") + step};
    QFile file(QDir(folder).filePath(files.first()));
    if (!file.open(QIODevice::ReadOnly))
        return {file.errorString()};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\n;\n"), Qt::SkipEmptyParts);
}

// The table's row of a step: its cells, split where the columns are apart.
QStringList tableRow(const QString &table, const QString &step)
{
    for (const QString &line : table.split(QLatin1Char('\n')))
        if (line.startsWith(step + QStringLiteral("  ")))
            return line.mid(step.size()).trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
    return {};
}

} // namespace

class tst_bench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void measuresEveryStep();
    void keepsWhatEachStepSent_data();
    void keepsWhatEachStepSent();
    void savesALongInvoiceInOneTransaction_data();
    void savesALongInvoiceInOneTransaction();
    void failsWhenAMeasuredStepFails_data();
    void failsWhenAMeasuredStepFails();

private:
    QString company;
    QTemporaryDir statements;
    BenchRun sound;
};

void tst_bench::initTestCase()
{
    TestSupport::connectToServer();
    company = TestSupport::uniqueDatabaseName(QStringLiteral("benchrun"));
    BenchGenerator generator(testServer(), company);
    generator.setSizes(BenchSizes().scaled(0.002));
    generator.setConnections(2);
    QCOMPARE(generator.run(false), BenchGenerator::Outcome::Generated);
    EXEC_SQL(QStringLiteral("USE ") + quotedIdentifier(company));
    sound = runBenchmark(company, statements.path());
}

void tst_bench::cleanupTestCase()
{
    TestSupport::dropDatabase(company);
}

void tst_bench::measuresEveryStep()
{
    QVERIFY2(sound.exitCode == 0, qPrintable(sound.errors));
    QStringList steps{QStringLiteral("Create a company database"), QStringLiteral("Login: main window shown, home panels filled"),
                      QStringLiteral("Dashboard tab chosen: week-sales chart"), QStringLiteral("Purchasing tab: vendors reloaded"),
                      QStringLiteral("Sales tab: customers reloaded"), QStringLiteral("Dashboard: stock validity reloaded")};
    for (const ListWindow &window : listWindows() + reportWindows())
        steps << window.name;
    for (const CatalogueReportStep &report : catalogueReportSteps())
        steps << QStringLiteral("Report: ") + report.name;
    for (const InvoiceWindow &invoice : invoiceWindows())
        steps << QStringLiteral("Save a new 100-line ") + invoice.name
              << QStringLiteral("Load a 100-line %1 through Search").arg(invoice.name);
    for (const PaymentWindow &payments : paymentWindows())
        steps << payments.name;
    for (const QString &step : steps) {
        const QStringList row = tableRow(sound.table, step);
        QVERIFY2(row.size() >= 5, qPrintable(step + QStringLiteral(" in:\n") + sound.table));
        // Program ms, bare ms, their ratio and the statement count: all measured, none failed.
        for (int cell = 0; cell < 4; ++cell)
            QVERIFY2(row.at(cell).toDouble() > 0, qPrintable(step + QStringLiteral(": ") + row.join(QLatin1Char('|'))));
    }
    // The export sends no statement: it has a time alone.
    const QRegularExpressionMatch pdf =
        QRegularExpression(QStringLiteral("^Report to PDF, the longest: [a-z ]+?\\s{2,}(\\S+)\\s+-\\s+-\\s+0\\s"),
                           QRegularExpression::MultilineOption)
            .match(sound.table);
    QVERIFY2(pdf.hasMatch() && pdf.captured(1).toDouble() > 0, qPrintable(sound.table));
    QVERIFY2(sound.table.contains(QStringLiteral("with `select 1` takes")), qPrintable(sound.table));
    // The company the benchmark creates does not stay behind.
    QCOMPARE(TestSupport::queryValue(QStringLiteral("SELECT COUNT(*) FROM information_schema.SCHEMATA "
                                                    "WHERE SCHEMA_NAME LIKE '%1\\_created\\_%'").arg(company)).toInt(), 0);
}

void tst_bench::keepsWhatEachStepSent_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expectedCount");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("the expiry panel reads its stock and its purchase lines in two statements")
        << "Dashboard: stock validity reloaded" << "SELECT 2" << "FROM purchaseinvoicedetails d";
    QTest::newRow("the main window's own new connection is followed, from its first statement")
        << "Login: main window shown, home panels filled" << "SELECT 9" << "SET NAMES utf8mb4";
    QTest::newRow("a bound filter reaches the client with the typed text in place")
        << "Customers list, name filter typed" << "SELECT 1" << "LIKE '%Food%'";
    QTest::newRow("a list window sends its one statement")
        << "Persons list" << "SELECT 1" << "from persons";
    QTest::newRow("the warehouse inventory reads its panel's warehouses, its stock and every conversion at once")
        << "Report: warehouse inventory" << "SELECT 3" << "FROM itemuom";
    QTest::newRow("the account list's statements do not grow with the accounts")
        << "Report: account list" << "SELECT 12" << "FROM accountsdefaults";
    QTest::newRow("daily cash sums the year once when its from-date moves")
        << "Daily cash, one year" << "SELECT 4" << "from salesrefund";
    // Three of them read what the save later finds unchanged: the header, the lines and the payments.
    QTest::newRow("a long sales invoice loads in the list's statement and six of its own")
        << "Load a 100-line sales invoice through Search" << "SELECT 7" << "from salesinvoicedetails";
    QTest::newRow("a long purchase invoice loads in the list's statement and six of its own")
        << "Load a 100-line purchase invoice through Search" << "SELECT 7" << "from purchaseinvoicedetails";
    QTest::newRow("the customer payments read the customers, then the chosen one's invoices")
        << "Customer payments, the customer with the most invoices" << "SELECT 2" << "From salesinvoice Where CustomerId";
    QTest::newRow("the vendor payments read the vendors, then the chosen one's invoices")
        << "Vendor payments, the vendor with the most invoices" << "SELECT 2" << "From purchaseinvoice Where VendorId";
    QTest::newRow("stock on hand reads the warehouses and one warehouse's stock")
        << "Stock on hand, one warehouse" << "SELECT 2" << "WarehouseId = ";
}

void tst_bench::keepsWhatEachStepSent()
{
    QFETCH(QString, step);
    QFETCH(QString, expectedCount);
    QFETCH(QString, expectedText);
    QVERIFY2(sound.exitCode == 0, qPrintable(sound.errors));
    const QStringList sent = keptStatements(statements.path(), step);
    QCOMPARE(sent.size(), TestSupport::queryValue(expectedCount).toInt());
    QVERIFY2(sent.join(QLatin1Char('\n')).contains(expectedText), qPrintable(sent.join(QLatin1Char('\n'))));
}

void tst_bench::savesALongInvoiceInOneTransaction_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("lines");
    QTest::newRow("sales") << "Save a new 100-line sales invoice" << "INSERT INTO `salesinvoicedetails`";
    QTest::newRow("purchase") << "Save a new 100-line purchase invoice" << "INSERT INTO `purchaseinvoicedetails`";
}

// One transaction, and within it the locks of what the invoice refers to, the header, its
// id, one insert of the 100 lines and the check of the stored lines: nothing more.
void tst_bench::savesALongInvoiceInOneTransaction()
{
    QFETCH(QString, step);
    QFETCH(QString, lines);
    QVERIFY2(sound.exitCode == 0, qPrintable(sound.errors));
    const QStringList sent = keptStatements(statements.path(), step);
    const int begin = sent.indexOf(QStringLiteral("BEGIN WORK"));
    const int commit = sent.indexOf(QStringLiteral("COMMIT"));
    QVERIFY2(begin >= 0 && commit > begin && sent.lastIndexOf(QStringLiteral("BEGIN WORK")) == begin
                 && sent.lastIndexOf(QStringLiteral("COMMIT")) == commit,
             qPrintable(sent.join(QLatin1Char('\n'))));
    const QStringList inside = sent.mid(begin + 1, commit - begin - 1);
    const QStringList inserts = inside.filter(lines);
    QCOMPARE(inserts.size(), 1);
    QCOMPARE(inserts.first().count(QStringLiteral("), (")) + 1, 100);
    QVERIFY2(inside.size() <= 3 + 100, qPrintable(inside.join(QLatin1Char('\n'))));
    // The benchmark's invoices do not stay behind.
    QCOMPARE(TestSupport::queryValue(QStringLiteral("SELECT (SELECT COUNT(*) FROM salesinvoice WHERE SalesInvoiceNo = 'BENCH-100') "
                                                    "+ (SELECT COUNT(*) FROM purchaseinvoice WHERE PurchaseInvoiceNo = 'BENCH-100')")).toInt(), 0);
}

void tst_bench::failsWhenAMeasuredStepFails_data()
{
    QTest::addColumn<QString>("breakIt");
    QTest::addColumn<QString>("mendIt");
    QTest::addColumn<QString>("failure");

    QTest::newRow("a window reports a failed statement through its message box")
        << "RENAME TABLE accounttypes TO accounttypes_gone" << "RENAME TABLE accounttypes_gone TO accounttypes"
        << "FAILED Chart of accounts: The window reported: Select failed: ";
    // No measured window fails a read silently any more: the list that once did tells it.
    QTest::newRow("a list window tells its failed read")
        << "RENAME TABLE departments TO departments_gone" << "RENAME TABLE departments_gone TO departments"
        << "FAILED Departments list: The window reported: Select failed: ";
}

void tst_bench::failsWhenAMeasuredStepFails()
{
    QFETCH(QString, breakIt);
    QFETCH(QString, mendIt);
    QFETCH(QString, failure);
    EXEC_SQL(breakIt);
    QTemporaryDir folder;
    // The broken step and one that must still be measured.
    const BenchRun broken = runBenchmark(company, folder.path(), {failure.section(QLatin1Char(':'), 0, 0).mid(7),
                                                                  QStringLiteral("Users list")});
    EXEC_SQL(mendIt);
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.table.contains(failure), qPrintable(broken.table + broken.errors));
    // The other steps are still measured.
    QVERIFY2(tableRow(broken.table, QStringLiteral("Users list")).value(0).toDouble() > 0, qPrintable(broken.table));
}

ZARPO_TEST_MAIN(tst_bench)
#include "tst_bench.moc"
