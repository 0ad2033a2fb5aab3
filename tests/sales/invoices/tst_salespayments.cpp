#include "app/frmMainWindow.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "sales/invoices/frmSalesPayments.h"
#include "trading/paymentgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace PaymentColumn;

namespace {
// Delta Foods' invoices, each with what it owes:
//   INV-1  1000, refund of 100 with 30 paid back: 930; 200 deposit, 50 on its order and
//          300 paid later: 550 paid; owes 380.
//   INV-2  100.10 and no deposit at all (NULL); paid 0.10 and 0.20: owes 99.8, not 99.80000001.
//   INV-3  50 with 50 deposit: fully paid.
//   INV-4  20 with 25 paid: paid over, owes -5.
//   INV-6  10, nothing paid.
// INV-5 is Nile Trade's; Old Shop is inactive.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName, Phone1) values (10, 'Sara', '0100'), (11, 'Omar', NULL), "
    "(12, 'Hany', NULL)",
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values "
    "(1, 'Delta Foods', 10, b'1'), (2, 'Nile Trade', 11, b'1'), (3, 'Old Shop', 12, b'0')",
    "insert into salesorder (SalesOrderId, CustomerId, Date, Total, DepositPaid) values (1, 1, '2024-01-02', 1000, 50)",
    "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, CustomerId, Date, Total, DepositPaid) "
    "values (1, 'INV-1', 1, 1, '2024-01-10', 1000.00, 200.00), (2, 'INV-2', NULL, 1, '2024-01-11', 100.10, NULL), "
    "(3, 'INV-3', NULL, 1, '2024-01-12', 50.00, 50.00), (4, 'INV-4', NULL, 1, '2024-01-13', 20.00, 0.00), "
    "(5, 'INV-5', NULL, 2, '2024-01-14', 70.00, 0.00), (6, 'INV-6', NULL, 1, '2024-01-15', 10.00, 0.00)",
    "insert into salesrefund (SalesRefundId, SalesInvoiceId, Date, Total, DepositPaid) values "
    "(1, 1, '2024-01-20', 100.00, 30.00)",
    "insert into salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount, Comment) values "
    "(1, '2024-01-21', '0', 300.00, ''), (2, '2024-01-21', '0', 0.10, ''), (2, '2024-01-22', '0', 0.20, ''), "
    "(4, '2024-01-22', '0', 25.00, '')",
};
const int fixturePayments = 4;

// The user types `amount` into the payment cell of invoice `number`.
void pay(QWidget *window, const QString &number, const QString &amount)
{
    QTableWidget *grid = invoices(window);
    const QList<QTableWidgetItem *> found = grid->findItems(number, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(number));
    grid->item(found.first()->row(), Payment)->setText(amount);
}

QStringList typedAmounts(QWidget *window)
{
    QStringList typed;
    for (int row = 0; row < invoices(window)->rowCount(); ++row)
        typed << invoices(window)->item(row, Payment)->text();
    return typed;
}

// Payments saved by the test: "invoice date method amount comment".
QStringList storedPayments()
{
    return TestSupport::queryValue(QString("select group_concat(concat_ws(' ', SalesInvoiceId, PaymentDate, "
                                           "PaymentMethod, Amount, concat('[', Comment, ']')) order by "
                                           "SalesPaymentID separator '/') from salespayments where SalesPaymentID > %1")
                                       .arg(fixturePayments))
        .toString()
        .split('/', Qt::SkipEmptyParts);
}

void openDelta(QWidget *window)
{
    choose(combo(window, "cmbCustomers"), "Delta Foods: Sara");
}
}

class tst_salespayments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void form_data();
    void form();
    void columnTitlesShowWholeBeforeACustomerIsChosen_data();
    void columnTitlesShowWholeBeforeACustomerIsChosen();
    void debts_data();
    void debts();
    void failedLoadShowsNoTotal();
    void totalPaymentsFollowTheTypedAmounts();
    void severalPaymentsInOneSave();
    void refusedAmounts_data();
    void refusedAmounts();
    void failedSaveKeepsTheAmounts();
    void anotherUsersChange_data();
    void anotherUsersChange();
};

void tst_salespayments::init()
{
    freshCompanyWith(fixture);
}

void tst_salespayments::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Sales Payment");
    QTest::newRow("active customers only, none chosen for the user")
        << "cmbCustomers" << "QComboBox" << "items" << QVariant("Delta Foods: Sara,Nile Trade: Omar");
    QTest::newRow("payment methods") << "cmbPaymentMethod" << "QComboBox" << "items"
                                     << QVariant("Cash,Cheque,Credit Card");
    QTest::newRow("invoice id hidden") << "tblInvoices" << "QTableWidget" << "visibleColumns"
                                       << QVariant("1,2,3,4,5,6");
    QTest::newRow("no invoices until a customer is chosen") << "tblInvoices" << "QTableWidget" << "rowCount"
                                                            << QVariant(0);
}

void tst_salespayments::form()
{
    frmSalesPayments window(nullptr);
    const QString problem = checkFormRow(&window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_salespayments::columnTitlesShowWholeBeforeACustomerIsChosen_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

void tst_salespayments::columnTitlesShowWholeBeforeACustomerIsChosen()
{
    QFETCH(bool, arabic);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    frmSalesPayments window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(cutColumns(window.findChild<QTableWidget *>("tblInvoices")), QString());
}

void tst_salespayments::debts_data()
{
    QTest::addColumn<bool>("fullPaid");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("totalDebts");

    QTest::newRow("open invoices only") << false
                                        << QStringList{"INV-1|2024-01-10|930|550|380|", "INV-2|2024-01-11|100.1|0.3|99.8|",
                                                       "INV-6|2024-01-15|10|0|10|"}
                                        << "489.8";
    QTest::newRow("fully and over paid too, locked; the overpaid lowers the total")
        << true
        << QStringList{"INV-1|2024-01-10|930|550|380|", "INV-2|2024-01-11|100.1|0.3|99.8|",
                       "INV-3|2024-01-12|50|50|0|-", "INV-4|2024-01-13|20|25|-5|-", "INV-6|2024-01-15|10|0|10|"}
        << "484.8";
}

void tst_salespayments::debts()
{
    QFETCH(bool, fullPaid);
    QFETCH(QStringList, rows);
    QFETCH(QString, totalDebts);
    frmSalesPayments window(nullptr);
    openDelta(&window);
    window.findChild<QCheckBox *>("chkShowFullPaid")->setChecked(fullPaid);
    QCOMPARE(shownInvoices(&window), rows);
    QCOMPARE(text(&window, "txtTotalDebts"), totalDebts);
    QCOMPARE(text(&window, "txtTotalPayments"), QString("0"));
}

// An empty grid with "0" owed would read as a customer who owes nothing.
void tst_salespayments::failedLoadShowsNoTotal()
{
    frmSalesPayments window(nullptr);
    openDelta(&window);
    EXEC_SQL("rename table salesrefund to salesrefund_gone");
    choose(combo(&window, "cmbCustomers"), "Delta Foods: Sara");
    QVERIFY2(messageLog().startsWith(messageEntry(Messages::Critical, msgSelectFailed + "\n")), qPrintable(messageLog()));
    QCOMPARE(invoices(&window)->rowCount(), 0);
    QCOMPARE(text(&window, "txtTotalDebts"), QString());
}

// Typed at the keyboard: moving onto the payment cell starts editing it.
void tst_salespayments::totalPaymentsFollowTheTypedAmounts()
{
    frmSalesPayments window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    openDelta(&window);
    QTableWidget *grid = invoices(&window);
    const QStringList typed{"10.1", "0.2", ""};
    for (int row = 0; row < typed.size(); ++row) {
        grid->setCurrentCell(row, Payment);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QTest::keyClicks(editor, typed.at(row));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QCOMPARE(typedAmounts(&window), typed);
    QCOMPARE(text(&window, "txtTotalPayments"), QString("10.3"));
    pay(&window, "INV-2", "abc");
    QCOMPARE(text(&window, "txtTotalPayments"), QString("10.1"));
}

// A zero is no payment; the others go in together with the window's date, method and
// comment, the grid shows the new debts, and the home page's balance follows.
void tst_salespayments::severalPaymentsInOneSave()
{
    frmSalesPayments window(nullptr);
    openDelta(&window);
    window.findChild<QDateEdit *>("dtDate")->setDate(QDate(2024, 2, 1));
    combo(&window, "cmbPaymentMethod")->setCurrentIndex(1);
    window.findChild<QPlainTextEdit *>("txtComment")->setPlainText("cheque 17");
    pay(&window, "INV-1", "100.10");
    pay(&window, "INV-2", " 0.70 ");
    pay(&window, "INV-6", "0");
    QCOMPARE(text(&window, "txtTotalPayments"), QString("100.8"));
    click(&window, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedPayments(),
             (QStringList{"1 2024-02-01 1 100.10 [cheque 17]", "2 2024-02-01 1 0.70 [cheque 17]"}));
    QCOMPARE(shownInvoices(&window), (QStringList{"INV-1|2024-01-10|930|650.1|279.9|",
                                                  "INV-2|2024-01-11|100.1|1|99.1|", "INV-6|2024-01-15|10|0|10|"}));
    QCOMPARE(text(&window, "txtTotalDebts"), QString("389"));
    QCOMPARE(text(&window, "txtTotalPayments"), QString("0"));
    QCOMPARE(window.findChild<QPlainTextEdit *>("txtComment")->toPlainText(), QString("cheque 17"));

    frmMainWindow home;
    const QStringList balances = shownRows(home.findChild<QTableView *>("tblCustomers"));
    QVERIFY2(balances.contains("Delta Foods|Sara|0100|384.00"), qPrintable(balances.join('\n')));
}

void tst_salespayments::refusedAmounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("not a number") << "abc" << "The payment for invoice INV-2 is not an amount. Type it with at most two decimals, such as 1250.50.";
    QTest::newRow("three decimals") << "1.005" << "The payment for invoice INV-2 is not an amount. Type it with at most two decimals, such as 1250.50.";
    QTest::newRow("group separator") << "1,5" << "The payment for invoice INV-2 is not an amount. Type it with at most two decimals, such as 1250.50.";
    QTest::newRow("negative") << "-5" << "The payment for invoice INV-2 must be more than 0.";
    QTest::newRow("a cent over the debt") << "99.81" << "The payment for invoice INV-2 is more than its debt of 99.8.";
}

// One bad cell keeps every payment of the save out, the valid one above it too.
void tst_salespayments::refusedAmounts()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    frmSalesPayments window(nullptr);
    openDelta(&window);
    pay(&window, "INV-1", "10");
    pay(&window, "INV-2", typed);
    click(&window, "btnSave");
    // The invoice's name is isolated for right-to-left messages.
    QString shown = messageLog();
    shown.remove(QChar(0x2066)).remove(QChar(0x2067)).remove(QChar(0x2069));
    QCOMPARE(shown, messageEntry(Messages::Critical, message));
    QCOMPARE(storedPayments(), QStringList());
    QCOMPARE(typedAmounts(&window), (QStringList{"10", typed, ""}));
    QCOMPARE(invoices(&window)->currentRow(), 1);
}

// The second insert fails: the first is rolled back and both amounts stay typed.
void tst_salespayments::failedSaveKeepsTheAmounts()
{
    EXEC_SQL("create trigger refuse_payment before insert on salespayments for each row "
             "begin if new.Amount = 7.77 then signal sqlstate '45000' set message_text = 'no such amount'; end if; end");
    frmSalesPayments window(nullptr);
    openDelta(&window);
    pay(&window, "INV-1", "10");
    pay(&window, "INV-2", "7.77");
    click(&window, "btnSave");
    QVERIFY2(messageLog().startsWith(messageEntry(Messages::Critical, msgInsertFailed + "\nno such amount")),
             qPrintable(messageLog()));
    QCOMPARE(storedPayments(), QStringList());
    QCOMPARE(typedAmounts(&window), (QStringList{"10", "7.77", ""}));
}

void tst_salespayments::anotherUsersChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");

    QTest::newRow("the invoice was deleted")
        << "delete from salespayments where SalesInvoiceId = 2; delete from salesinvoice where SalesInvoiceId = 2"
        << cDbSave::recordGoneText();
    QTest::newRow("the invoice was paid meanwhile")
        << "insert into salespayments (SalesInvoiceId, PaymentDate, Amount) values (2, '2024-02-01', 50)"
        << "Another user has changed invoice INV-2 meanwhile. Nothing was saved.";
    QTest::newRow("the invoice went to another customer")
        << "update salesinvoice set CustomerId = 2 where SalesInvoiceId = 2"
        << "Another user has changed invoice INV-2 meanwhile. Nothing was saved.";
}

void tst_salespayments::anotherUsersChange()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    frmSalesPayments window(nullptr);
    openDelta(&window);
    pay(&window, "INV-1", "10");
    pay(&window, "INV-2", "60");
    for (const QString &statement : change.split("; "))
        EXEC_SQL(statement);
    const int changed = TestSupport::queryValue("select count(*) from salespayments").toInt();
    click(&window, "btnSave");
    QString shown = messageLog();
    shown.remove(QChar(0x2066)).remove(QChar(0x2067)).remove(QChar(0x2069));
    QCOMPARE(shown, messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue("select count(*) from salespayments").toInt(), changed);
    QCOMPARE(typedAmounts(&window), (QStringList{"10", "60", ""}));
}

ZARPO_TEST_MAIN(tst_salespayments)
#include "tst_salespayments.moc"
