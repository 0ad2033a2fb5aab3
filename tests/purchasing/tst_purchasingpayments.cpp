#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "purchasing/frmPurchasingPayments.h"
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
// Farm's purchase invoices, each with what is owed on it:
//   P-1  500, refund of 40 with 10 paid back: 470; 100 deposit and 150 paid later: 250
//        paid; owes 220. Its order of 9999 pays nothing.
//   P-2  80.30 and no deposit at all (NULL); paid 0.10 and 0.20: owes 80.
//   P-3  30 with 30 deposit: fully paid.
//   P-4  10 with 12 paid: paid over, owes -2.
// P-5 is Mill's; Gone is inactive.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName) values (10, 'Vera'), (11, 'Walt'), (12, 'Yara')",
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1'), "
    "(2, 'Mill', 11, b'1'), (3, 'Gone', 12, b'0')",
    "insert into purchaseorder (PurchaseOrderId, VendorId, Date, Total) values (1, 1, '2024-01-02', 9999.00)",
    "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, PurchaseOrderId, VendorId, Date, Total, "
    "DepositPaid) values (1, 'P-1', 1, 1, '2024-01-10', 500.00, 100.00), (2, 'P-2', NULL, 1, '2024-01-11', 80.30, NULL), "
    "(3, 'P-3', NULL, 1, '2024-01-12', 30.00, 30.00), (4, 'P-4', NULL, 1, '2024-01-13', 10.00, 0.00), "
    "(5, 'P-5', NULL, 2, '2024-01-14', 70.00, 0.00)",
    "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid) values "
    "(1, 1, '2024-01-20', 40.00, 10.00)",
    "insert into purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount, Comment) values "
    "(1, '2024-01-21', '0', 150.00, ''), (2, '2024-01-21', '0', 0.10, ''), (2, '2024-01-22', '0', 0.20, ''), "
    "(4, '2024-01-22', '0', 12.00, '')",
};
const int fixturePayments = 4;

void pay(QWidget *window, int row, const QString &amount)
{
    invoices(window)->item(row, Payment)->setText(amount);
}

// Payments saved by the test: "invoice date method amount comment".
QStringList storedPayments()
{
    return TestSupport::queryValue(QString("select group_concat(concat_ws(' ', PurchaseInvoiceId, PaymentDate, "
                                           "PaymentMethod, Amount, concat('[', Comment, ']')) order by "
                                           "PurchasingPaymentID separator '/') from purchasepayments "
                                           "where PurchasingPaymentID > %1")
                                       .arg(fixturePayments))
        .toString()
        .split('/', Qt::SkipEmptyParts);
}

void openFarm(QWidget *window)
{
    choose(combo(window, "cmbVendors"), "Farm: Vera");
}
}

class tst_purchasingpayments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void form_data();
    void form();
    void debts_data();
    void debts();
    void paymentsAndTheHomeBalance();
    void amountOverTheDebtIsRefused();
};

void tst_purchasingpayments::init()
{
    freshCompanyWith(fixture);
}

void tst_purchasingpayments::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Purchase Payments");
    QTest::newRow("active vendors only") << "cmbVendors" << "QComboBox" << "items" << QVariant("Farm: Vera,Mill: Walt");
    QTest::newRow("invoice id hidden") << "tblInvoices" << "QTableWidget" << "visibleColumns"
                                       << QVariant("1,2,3,4,5,6");
}

void tst_purchasingpayments::form()
{
    frmPurchasingPayments window(nullptr);
    const QString problem = checkFormRow(&window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_purchasingpayments::debts_data()
{
    QTest::addColumn<bool>("fullPaid");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("totalDebts");

    QTest::newRow("open invoices only") << false
                                        << QStringList{"P-1|2024-01-10|470|250|220|", "P-2|2024-01-11|80.3|0.3|80|"}
                                        << "300";
    QTest::newRow("fully and over paid too, locked; the overpaid lowers the total")
        << true
        << QStringList{"P-1|2024-01-10|470|250|220|", "P-2|2024-01-11|80.3|0.3|80|", "P-3|2024-01-12|30|30|0|-",
                       "P-4|2024-01-13|10|12|-2|-"}
        << "298";
}

void tst_purchasingpayments::debts()
{
    QFETCH(bool, fullPaid);
    QFETCH(QStringList, rows);
    QFETCH(QString, totalDebts);
    frmPurchasingPayments window(nullptr);
    openFarm(&window);
    window.findChild<QCheckBox *>("chkShowFullPaid")->setChecked(fullPaid);
    QCOMPARE(shownInvoices(&window), rows);
    QCOMPARE(text(&window, "txtTotalDebts"), totalDebts);
    QCOMPARE(text(&window, "txtTotalPayments"), QString("0"));
}

void tst_purchasingpayments::paymentsAndTheHomeBalance()
{
    frmPurchasingPayments window(nullptr);
    openFarm(&window);
    window.findChild<QDateEdit *>("dtDate")->setDate(QDate(2024, 2, 1));
    combo(&window, "cmbPaymentMethod")->setCurrentIndex(2);
    pay(&window, 0, "220");
    pay(&window, 1, "0.5");
    QCOMPARE(text(&window, "txtTotalPayments"), QString("220.5"));
    click(&window, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedPayments(), (QStringList{"1 2024-02-01 2 220.00 []", "2 2024-02-01 2 0.50 []"}));
    QCOMPARE(shownInvoices(&window), QStringList{"P-2|2024-01-11|80.3|0.8|79.5|"});
    QCOMPARE(text(&window, "txtTotalDebts"), QString("79.5"));

    frmMainWindow home;
    const QStringList balances = shownRows(home.findChild<QTableView *>("tblVendors"));
    QVERIFY2(balances.contains("Farm|Vera||77.50"), qPrintable(balances.join('\n')));
}

void tst_purchasingpayments::amountOverTheDebtIsRefused()
{
    frmPurchasingPayments window(nullptr);
    openFarm(&window);
    pay(&window, 0, "220.01");
    click(&window, "btnSave");
    QString shown = messageLog();
    shown.remove(QChar(0x2066)).remove(QChar(0x2067)).remove(QChar(0x2069));
    QCOMPARE(shown, messageEntry(Messages::Critical, "The payment for invoice P-1 is more than its debt of 220."));
    QCOMPARE(storedPayments(), QStringList());
    QCOMPARE(invoices(&window)->item(0, Payment)->text(), QString("220.01"));
}

ZARPO_TEST_MAIN(tst_purchasingpayments)
#include "tst_purchasingpayments.moc"
