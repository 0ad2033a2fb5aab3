#include "app/frmMainWindow.h"
#include "core/db/companydb.h"
#include "core/db/connection.h"
#include "core/system/globals.h"
#include "partners/frmCustomers.h"
#include "partners/frmVendorsView.h"
#include "reports/frmReportsCenter.h"
#include "tests/support/reportsupport.h"
#include "tests/support/privateserver.h"
#include "tests/support/testsupport.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QAbstractButton>
#include <QSqlError>
#include <QTableView>
#include <QTreeWidget>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageLog;

namespace {
void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QAbstractButton *>(button), Qt::LeftButton);
}

int customersShown(QWidget *mainWindow)
{
    return mainWindow->findChild<QTableView *>("tblCustomers")->model()->rowCount();
}

int customersNamed(const QString &name)
{
    return TestSupport::queryValue(QStringLiteral("select count(*) from customers where CustomerName = '%1'").arg(name))
        .toInt();
}

// A new customer typed into `editor`, with the contact person the fixture holds.
void typeCustomer(frmCustomers &editor, const QString &name)
{
    auto *nameEdit = editor.findChild<QLineEdit *>("txtCustomerName");
    nameEdit->clear();
    QTest::keyClicks(nameEdit, name);
    auto *persons = editor.findChild<QComboBox *>("cmbPersons");
    persons->setCurrentIndex(persons->findText("Sara"));
}
}

// The server is stopped and started under the open windows, as when it is restarted or
// its machine reboots: the program carries on without a new login.
class tst_connection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void panelsAndSavesWorkAgainAfterARestart();
    void saveWhileTheServerIsDownFailsOnceAndIsNotRetried();
    void readWhileTheServerIsDownIsTold_data();
    void readWhileTheServerIsDownIsTold();
    void reportsRunAgainAfterARestart_data();
    void reportsRunAgainAfterARestart();

private:
    void restartServer();

    PrivateServer server;
};

void tst_connection::initTestCase()
{
    QVERIFY2(server.start(), qPrintable(server.error()));
    QSqlDatabase db = openDefaultConnection(TestSupport::serverHost(), server.port(), "root", server.password(), "");
    QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
    ScriptFailure failure;
    QVERIFY2(createCompanyDatabase(db, "restarted", &failure), qPrintable(failure.error));
    dbHost = TestSupport::serverHost();
    dbPort = server.port();
    dbUser = "root";
    dbPassword = server.password();
    dbName = "restarted";
    QVERIFY(openDefaultConnectionFromSettings().isOpen());
    EXEC_SQL("insert into persons (PersonId, PersonName) values (2, 'Sara')");
    EXEC_SQL("insert into customers (CustomerName, CustomerPersonId, IsActive) values ('Nile', 2, b'1')");
    ReportSupport::copyReportTemplates();
}

void tst_connection::init()
{
    MessageRecorder::clear();
    // Each test starts on a session opened before the restart it makes.
    QVERIFY(openDefaultConnectionFromSettings().isOpen());
}

void tst_connection::cleanupTestCase()
{
    QSqlDatabase::database(QSqlDatabase::defaultConnection, false).close();
}

void tst_connection::restartServer()
{
    QVERIFY2(server.stop(), qPrintable(server.error()));
    QVERIFY2(server.start(), qPrintable(server.error()));
}

void tst_connection::panelsAndSavesWorkAgainAfterARestart()
{
    frmMainWindow mainWindow;
    QCOMPARE(customersShown(&mainWindow), 1);

    restartServer();
    click(&mainWindow, "btnCustomersRefresh");

    QCOMPARE(customersShown(&mainWindow), 1);
    frmCustomers editor(nullptr, 0);
    typeCustomer(editor, "Delta");
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(customersNamed("Delta"), 1);
    click(&mainWindow, "btnCustomersRefresh");
    QCOMPARE(customersShown(&mainWindow), 2);
    EXEC_SQL("delete from customers where CustomerName = 'Delta'");
}

void tst_connection::saveWhileTheServerIsDownFailsOnceAndIsNotRetried()
{
    frmCustomers editor(nullptr, 0);
    typeCustomer(editor, "Omega");
    QVERIFY2(server.stop(), qPrintable(server.error()));

    click(&editor, "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgInsertFailed), qPrintable(messageLog()));
    QCOMPARE(editor.findChild<QLineEdit *>("txtCustomerName")->text(), QString("Omega"));

    QVERIFY2(server.start(), qPrintable(server.error()));
    // Nothing reached the server behind the user's back; the user's own Save does.
    QCOMPARE(customersNamed("Omega"), 0);
    click(&editor, "btnSave");
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(customersNamed("Omega"), 1);
}

// A read that cannot reach the server is told, not shown as a list or report of nothing.
void tst_connection::readWhileTheServerIsDownIsTold_data()
{
    QTest::addColumn<QString>("read");
    QTest::newRow("a list window") << "list";
    QTest::newRow("a report") << "report";
    QTest::newRow("a refresh of two home panels") << "panels";
}

void tst_connection::readWhileTheServerIsDownIsTold()
{
    QFETCH(QString, read);
    std::unique_ptr<frmMainWindow> mainWindow(read == "panels" ? new frmMainWindow : nullptr);
    frmReportsCenter center;
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    tree->setCurrentItem(tree->findItems("VENLST", Qt::MatchExactly | Qt::MatchRecursive, 0).value(0));
    QVERIFY2(server.stop(), qPrintable(server.error()));

    if (read == "list") {
        frmVendorsView list(nullptr);
    } else if (read == "report") {
        click(&center, "btnShow");
    } else {
        click(mainWindow.get(), "btnCustomersRefresh");
    }
    QVERIFY2(server.start(), qPrintable(server.error()));

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgSelectFailed + "\nCan't connect"), qPrintable(messageLog()));
    QCOMPARE(ReportSupport::openViewers().size(), 0);
}

// A row per report of the reports center, the template reports, those measured by the
// account-balance rules and those run from a filter panel among them.
void tst_connection::reportsRunAgainAfterARestart_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"CUSTLST", "CUSTSLS", "PNDSO", "CSTSTTMNT", "PNDPO", "VENLST", "VENPD", "ACCLST", "GJLST",
                             "BSH", "INCST", "INVQTY", "INVACT"})
        QTest::newRow(code) << code;
}

void tst_connection::reportsRunAgainAfterARestart()
{
    QFETCH(QString, code);
    frmReportsCenter center;
    center.show();
    auto *tree = center.findChild<QTreeWidget *>("treeWidget");
    tree->setCurrentItem(tree->findItems(code, Qt::MatchExactly | Qt::MatchRecursive, 0).value(0));

    restartServer();
    click(&center, "btnShow");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    ReportSupport::closeViewers();
}

ZARPO_TEST_MAIN(tst_connection)
#include "tst_connection.moc"
