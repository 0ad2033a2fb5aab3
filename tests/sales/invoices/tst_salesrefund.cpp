#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "sales/invoices/frmSalesRefund.h"
#include "trading/refundgrid.h"
#include "trading/refundsdelegate.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace RefundLine;

namespace {
// Acme bought on invoice SI-1 four Rice at 10 with a discount of 2 and a tax of 1 for the
// line (39 together), and ten Tea at 3; on invoice 2, without a number, one Tea on the same
// day. Bare bought on invoice X-3.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName) values (10, 'Alice'), (11, 'Bob')",
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1'), "
    "(2, 'Bare', 11, b'1')",
    Fixture::foodCategory,
    Fixture::riceAndTea,
    "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, EmployeeId, CustomerId, WarehouseId, Date) values "
    "(1, 'SI-1', 1, 1, 1, '2024-03-01'), (2, NULL, 1, 1, 1, '2024-03-01'), (3, 'X-3', 1, 2, 1, '2024-02-01')",
    "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, Quantity, UOMId, BasePrice, "
    "Discount, Tax, Price) values (1, 1, 1, 4, 1, 10, 2, 1, 39), (2, 1, 2, 10, 1, 3, 0, 0, 30), "
    "(3, 2, 2, 1, 1, 3, 0, 0, 3), (4, 3, 1, 1, 1, 10, 0, 0, 10)",
};

// Every row as "item quantity refunded refund price", "_" for an empty cell.
QString shownLines(QWidget *window)
{
    return lineTexts(window, {int(ItemName), int(Quantity), int(Refunded), int(Refund), int(Price)}, true);
}

// "subtotal total debt" as the window shows them.
QString shownTotals(QWidget *window)
{
    return QStringLiteral("%1 %2 %3")
        .arg(amountBox(window, "txtSubTotal")->value(), 0, 'f', 2)
        .arg(amountBox(window, "txtTotal")->value(), 0, 'f', 2)
        .arg(amountBox(window, "txtDebt")->value(), 0, 'f', 2);
}

QString storedRefunds()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', SalesInvoiceId, SubTotal, Freight, Total, PaymentMethod, "
               "DepositPaid, EmployeeId, ifnull(Comment, 'NULL')) order by SalesRefundId separator ' / ') "
               "from salesrefund")
        .toString();
}

// "invoice-line item quantity unit base-price discount tax price expire-date" per line.
QString storedLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws(' ', SalesInvoiceDetailsId, ItemId, Quantity, UOMId, BasePrice, "
               "Discount, Tax, Price, ifnull(ExpireDate, 'NULL')) order by SalesRefundDetailsId separator ' / ') "
               "from salesrefunddetails")
        .toString();
}

void chooseInvoice(QWidget *window, const QString &customer, const QString &invoice)
{
    choose(combo(window, "cmbCustomers"), customer);
    choose(combo(window, "cmbInvoices"), invoice);
}

}

class tst_salesrefund : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowAmount_data();
    void rowAmount();
    void refundIsCapped_data();
    void refundIsCapped();
    void form_data();
    void form();
    void invoicesOfTheCustomer();
    void undatedInvoiceIsListedByItsNumber();
    void roundTrip();
    void saveRefuses_data();
    void saveRefuses();
    void secondWindowIsRefusedPastWhatIsLeft();
    void customerChangeClearsTheGrid();
    void updateOfADeletedRefundIsRefused();
};

void tst_salesrefund::init()
{
    freshDocumentCompany(fixture);
}

void tst_salesrefund::cleanup()
{
    rightToLeft = false;
}

void tst_salesrefund::rowAmount_data()
{
    QTest::addColumn<double>("unitPrice");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("discount");
    QTest::addColumn<double>("tax");
    QTest::addColumn<int>("refund");
    QTest::addColumn<QString>("amount");
    QTest::newRow("half a line: discount and tax in proportion") << 10.0 << 4 << 2.0 << 1.0 << 2 << "19.50";
    QTest::newRow("nothing refunded is nothing, tax or not") << 10.0 << 4 << 2.0 << 1.0 << 0 << "0.00";
    QTest::newRow("the whole line gives back its price") << 10.0 << 4 << 2.0 << 1.0 << 4 << "39.00";
    QTest::newRow("without a discount") << 10.0 << 4 << 0.0 << 1.0 << 2 << "20.50";
    QTest::newRow("a third is rounded once") << 1.0 << 3 << 0.0 << 0.10 << 1 << "1.03";
    QTest::newRow("half a cent goes up") << 0.01 << 2 << 0.0 << 0.0 << 1 << "0.01";
    QTest::newRow("a line without units") << 10.0 << 0 << 0.0 << 5.0 << 1 << "0.00";
    // Stored lines whose cents multiplied out pass what 64 bits hold exactly.
    QTest::newRow("a line too large for a column, refunded whole")
        << 99999999.99 << 1000000 << 0.0 << 0.0 << 1000000 << "99999999990000.00";
    QTest::newRow("a line too large for a column, half refunded")
        << 99999999.99 << 1000000 << 0.0 << 0.0 << 500000 << "49999999995000.00";
}

void tst_salesrefund::rowAmount()
{
    QFETCH(double, unitPrice);
    QFETCH(int, quantity);
    QFETCH(double, discount);
    QFETCH(double, tax);
    QFETCH(int, refund);
    QFETCH(QString, amount);
    QCOMPARE(RefundLine::rowAmount(Money::fromDouble(unitPrice), quantity, Money::fromDouble(discount),
                                   Money::fromDouble(tax), refund)
                 .fixedText(),
             amount);
}

// What is typed into the Refund cell, through the grid's own editor.
void tst_salesrefund::refundIsCapped_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("refunded");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("above what is left") << 10 << 4 << 9 << 6;
    QTest::newRow("within what is left") << 10 << 4 << 3 << 3;
    QTest::newRow("all taken back before") << 10 << 10 << 5 << 0;
    QTest::newRow("more taken back than the line holds now") << 3 << 5 << 2 << 0;
}

void tst_salesrefund::refundIsCapped()
{
    QFETCH(int, quantity);
    QFETCH(int, refunded);
    QFETCH(int, typed);
    QFETCH(int, stored);
    QStandardItemModel model(1, ColumnCount);
    model.setData(model.index(0, Quantity), quantity);
    model.setData(model.index(0, Refunded), refunded);
    RefundsDelegate delegate;
    QWidget parent;
    QVERIFY(!delegate.createEditor(&parent, {}, model.index(0, Quantity)));
    QWidget *editor = delegate.createEditor(&parent, {}, model.index(0, Refund));
    auto *units = qobject_cast<QSpinBox *>(editor);
    QVERIFY(units);
    delegate.setEditorData(units, model.index(0, Refund));
    QCOMPARE(units->value(), 0);
    units->setValue(typed);
    delegate.setModelData(units, &model, model.index(0, Refund));
    QCOMPARE(model.data(model.index(0, Refund)), QVariant(stored));
}

void tst_salesrefund::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Sales Refund");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("payment methods") << "cmbPaymentMethod" << "QComboBox" << "items"
                                     << QVariant("Cash,Cheque,Credit Card");
    QTest::newRow("every customer") << "cmbCustomers" << "QComboBox" << "items" << QVariant("Acme: Alice,Bare: Bob");
    QTest::newRow("no customer chosen") << "cmbCustomers" << "QComboBox" << "currentIndex" << QVariant(-1);
    QTest::newRow("no expire date shown") << "tblItems" << "QTableView" << "visibleColumns"
                                          << QVariant("0,1,2,3,4,5,6,7,9,11");
    QTest::newRow("debt is shown only") << "txtDebt" << "QDoubleSpinBox" << "readOnly" << QVariant(true);
}

void tst_salesrefund::form()
{
    checkDocumentForm<frmSalesRefund>();
}

// Newest first, the larger id first on one day; the lines of the invoice chosen, with
// nothing refunded yet and so no amount.
void tst_salesrefund::invoicesOfTheCustomer()
{
    frmSalesRefund refund(nullptr);
    choose(combo(&refund, "cmbCustomers"), "Acme: Alice");
    QCOMPARE(comboTexts(combo(&refund, "cmbInvoices")), QStringList({"#: 2024-03-01", "SI-1: 2024-03-01"}));
    choose(combo(&refund, "cmbInvoices"), "SI-1: 2024-03-01");
    QCOMPARE(shownLines(&refund), QString("Rice 4 0 _ 0.00 / Tea 10 0 _ 0.00"));
    amountBox(&refund, "txtFreight")->setValue(5);
    QCOMPARE(shownTotals(&refund), QString("0.00 5.00 5.00"));
    writeCell(&refund, 0, Refund, 2);
    QCOMPARE(shownTotals(&refund), QString("19.50 24.50 24.50"));
}

void tst_salesrefund::roundTrip()
{
    frmSalesRefund refund(nullptr);
    refund.show();
    chooseInvoice(&refund, "Acme: Alice", "SI-1: 2024-03-01");
    writeCell(&refund, 0, Refund, 2);
    writeCell(&refund, 1, Refund, 3);
    amountBox(&refund, "txtFreight")->setValue(5);
    amountBox(&refund, "txtDeposit")->setValue(4);
    combo(&refund, "cmbPaymentMethod")->setCurrentIndex(1);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedRefunds(), QString("1|28.50|5.00|33.50|1|4.00|1|NULL"));
    QCOMPARE(storedLines(), QString("1 1 2 1 10.00 2.00 1.00 19.50 NULL / 2 2 3 1 3.00 0.00 0.00 9.00 NULL"));
    QCOMPARE(state(&refund), QString("add"));
    QCOMPARE(lines(&refund)->rowCount(), 0);
    QCOMPARE(combo(&refund, "cmbPaymentMethod")->currentIndex(), 1);

    openStored(&refund, "Acme");
    QCOMPARE(state(&refund), QString("edit"));
    QVERIFY(!combo(&refund, "cmbCustomers")->isEnabled());
    QCOMPARE(combo(&refund, "cmbInvoices")->currentText(), QString("SI-1: 2024-03-01"));
    QCOMPARE(shownLines(&refund), QString("Rice 4 0 2 19.50 / Tea 10 0 3 9.00"));
    QCOMPARE(shownTotals(&refund), QString("28.50 33.50 29.50"));

    // A line set to 0 stays stored, worth nothing.
    writeCell(&refund, 1, Refund, 0);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedRefunds(), QString("1|19.50|5.00|24.50|1|4.00|1|NULL"));
    QCOMPARE(storedLines(), QString("1 1 2 1 10.00 2.00 1.00 19.50 NULL / 2 2 0 1 3.00 0.00 0.00 0.00 NULL"));
    chooseInvoice(&refund, "Acme: Alice", "SI-1: 2024-03-01");
    QCOMPARE(shownLines(&refund), QString("Rice 4 2 _ 0.00 / Tea 10 0 _ 0.00"));
}

void tst_salesrefund::saveRefuses_data()
{
    QTest::addColumn<QString>("customer"); // empty: none chosen
    QTest::addColumn<QString>("invoice");
    QTest::addColumn<QString>("message");
    QTest::newRow("no customer") << "" << "" << "Select Customer";
    QTest::newRow("no invoice") << "Acme: Alice" << "" << "Select Sales Invoice";
    QTest::newRow("nothing refunded") << "Acme: Alice" << "SI-1: 2024-03-01"
                                      << "There is no quantity supplied for any of the items in the sales invoice, "
                                         "please supply the quantities you wish to refund";
}

void tst_salesrefund::saveRefuses()
{
    QFETCH(QString, customer);
    QFETCH(QString, invoice);
    QFETCH(QString, message);
    frmSalesRefund refund(nullptr);
    if (!customer.isEmpty())
        choose(combo(&refund, "cmbCustomers"), customer);
    if (!invoice.isEmpty())
        choose(combo(&refund, "cmbInvoices"), invoice);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesrefund").toInt(), 0);
}

// Both windows showed four Rice left; the second save would take back five.
void tst_salesrefund::secondWindowIsRefusedPastWhatIsLeft()
{
    frmSalesRefund first(nullptr);
    frmSalesRefund second(nullptr);
    chooseInvoice(&first, "Acme: Alice", "SI-1: 2024-03-01");
    chooseInvoice(&second, "Acme: Alice", "SI-1: 2024-03-01");
    writeCell(&first, 0, Refund, 3);
    writeCell(&second, 0, Refund, 2);
    click(&first, "btnSave");
    QCOMPARE(messageLog(), QString());
    click(&second, "btnSave");
    QVERIFY2(messageLog().contains("would take back more than the invoice holds"), qPrintable(messageLog()));
    QCOMPARE(storedLines(), QString("1 1 3 1 10.00 2.00 1.00 29.25 NULL"));
    QCOMPARE(storedRefunds(), QString("1|29.25|0.00|29.25|0|0.00|1|NULL"));
    QCOMPARE(state(&second), QString("add"));
    QCOMPARE(shownLines(&second), QString("Rice 4 0 2 19.50 / Tea 10 0 _ 0.00"));

    // Chosen again, the invoice shows what is left, and one more fits.
    choose(combo(&second, "cmbInvoices"), "SI-1: 2024-03-01");
    QCOMPARE(shownLines(&second), QString("Rice 4 3 _ 0.00 / Tea 10 0 _ 0.00"));
    writeCell(&second, 0, Refund, 1);
    MessageRecorder::clear();
    click(&second, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select sum(Quantity) from salesrefunddetails").toInt(), 4);
}

// An invoice stored without a date is listed, not shown as a blank entry.
void tst_salesrefund::undatedInvoiceIsListedByItsNumber()
{
    EXEC_SQL("update salesinvoice set Date = NULL where SalesInvoiceNo = 'SI-1'");
    frmSalesRefund refund(nullptr);
    choose(combo(&refund, "cmbCustomers"), "Acme: Alice");
    QCOMPARE(comboTexts(combo(&refund, "cmbInvoices")), QStringList({"#: 2024-03-01", "SI-1"}));
}

// Lines of Acme's invoice are never saved under Bare's.
void tst_salesrefund::customerChangeClearsTheGrid()
{
    frmSalesRefund refund(nullptr);
    chooseInvoice(&refund, "Acme: Alice", "SI-1: 2024-03-01");
    amountBox(&refund, "txtFreight")->setValue(5);
    writeCell(&refund, 0, Refund, 2);
    choose(combo(&refund, "cmbCustomers"), "Bare: Bob");
    QCOMPARE(lines(&refund)->rowCount(), 0);
    QCOMPARE(shownTotals(&refund), QString("0.00 5.00 5.00"));
    QCOMPARE(comboTexts(combo(&refund, "cmbInvoices")), QStringList("X-3: 2024-02-01"));
    QCOMPARE(combo(&refund, "cmbInvoices")->currentIndex(), -1);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, "Select Sales Invoice"));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesrefund").toInt(), 0);
}

void tst_salesrefund::updateOfADeletedRefundIsRefused()
{
    EXEC_SQL("insert into salesrefund (SalesRefundId, SalesInvoiceId, Date, SubTotal, Freight, Total, PaymentMethod, "
             "DepositPaid, EmployeeId) values (7, 1, '2024-03-02', 9.75, 0, 9.75, '0', 0, 1)");
    EXEC_SQL("insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, Quantity, UOMId, "
             "BasePrice, Discount, Tax, Price) values (7, 1, 1, 1, 1, 10, 2, 1, 9.75)");
    frmSalesRefund refund(nullptr);
    openStored(&refund, "Acme");
    QCOMPARE(shownLines(&refund), QString("Rice 4 0 1 9.75"));
    EXEC_SQL("delete from salesrefund where SalesRefundId = 7");
    writeCell(&refund, 0, Refund, 2);
    click(&refund, "btnSave");
    QVERIFY2(messageLog().contains(cDbSave::recordGoneText()), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesrefunddetails").toInt(), 0);
    QCOMPARE(state(&refund), QString("edit"));
}

ZARPO_TEST_MAIN(tst_salesrefund)
#include "tst_salesrefund.moc"
