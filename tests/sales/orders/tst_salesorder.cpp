#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "sales/orders/frmSalesOrder.h"
#include "sales/orders/salesgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace SalesLine;

namespace {
// Customers, items priced per unit and price type, and a stored quote "Q-5" of Acme
// with two lines, one without a discount.
const char *fixture[] = {
    Fixture::aliceAndBob,
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, ShipToPersonId) values "
    "(1, 'Acme', 10, b'1', 10), (2, 'Bare', 11, b'1', NULL)",
    Fixture::foodCategory,
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1'), (2, 'T-2', 'Tea', 1, 1, b'1'), (4, 'S-4', 'Sugar', 1, 1, b'1')",
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.50), (2, 3, 1, 19.99), "
    "(4, 1, 1, 0.35)",
    "insert into salesquote (SalesQuoteId, SalesQuoteNo, EmployeeId, CustomerId, Date, ShipDate, ExpireDate, "
    "Subtotal, Freight, Total, Comments) values (5, 'Q-5', 1, 1, '2024-03-01', '2024-03-02', '2024-03-03', "
    "24.00, 1.00, 25.00, 'from the quote')",
    "insert into salesquotedetails (SalesQuoteDetailsId, SalesQuoteId, ItemId, Quantity, UOMId, PriceTypeId, "
    "BasePrice, Discount, Tax, Price) values (50, 5, 1, 2, 1, 1, 2.00, NULL, 0.00, 4.00), "
    "(51, 5, 2, 1, 1, 3, 20.00, 0.00, 0.00, 20.00)",
};

QString comment(QWidget *window)
{
    return window->findChild<QPlainTextEdit *>("txtComment")->toPlainText();
}

void addItem(QWidget *window, const QString &name)
{
    TestSupport::whenModal([&](QWidget *picker) {
        const QModelIndexList rows = table(picker)->model()->match(table(picker)->model()->index(0, 2), Qt::DisplayRole,
                                                                   name, 1, Qt::MatchExactly);
        if (rows.isEmpty())
            static_cast<QDialog *>(picker)->reject();
        QVERIFY2(!rows.isEmpty(), qPrintable(name));
        doubleClickRow(table(picker), rows.first().row());
    });
    click(window, "btnAddItem");
}

// Every line as "item quantity unit-price discount tax price", "_" for an empty cell.
QString shownLines(QWidget *window)
{
    return lineTexts(window, {int(ItemName), int(Quantity), int(UnitPrice), int(Discount), int(Tax), int(Price)});
}

QString storedOrders()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ifnull(SalesOrderNo, 'NULL'), ifnull(SalesQuoteId, 'NULL'), "
               "EmployeeId, CustomerId, Date, ShipDate, Subtotal, Freight, Total, PaymentMethod, DepositPaid, "
               "ifnull(Comments, 'NULL')) order by SalesOrderId separator ' / ') from salesorder")
        .toString();
}

QString storedOrderLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', SalesOrderDetailsId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, "
               "ifnull(Discount, 'NULL'), ifnull(Tax, 'NULL'), Price) order by SalesOrderDetailsId separator ' / ') "
               "from salesorderdetails")
        .toString();
}

void searchQuote(QWidget *window, const QString &number)
{
    searchByNumber(window, "txtSalesQuoteNo", number, "btnSearchQuote");
}
}

class tst_salesorder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void debtFollowsTotalAndDeposit();
    void roundTripFromAQuote();
    void searchQuoteRefuses_data();
    void searchQuoteRefuses();
    void failedSaveKeepsTheOrder();
};

void tst_salesorder::init()
{
    freshDocumentCompany(fixture);
}

void tst_salesorder::cleanup()
{
    rightToLeft = false;
}

void tst_salesorder::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Sales Order");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("payment methods") << "cmbPaymentMethod" << "QComboBox" << "items"
                                     << QVariant("Cash,Cheque,Credit Card");
    QTest::newRow("debt is shown only") << "txtDebt" << "QDoubleSpinBox" << "readOnly" << QVariant(true);
    QTest::newRow("order number as long as its column") << "txtSalesOrderNo" << "QLineEdit" << "maxLength" << QVariant(45);
}

void tst_salesorder::form()
{
    checkDocumentForm<frmSalesOrder>();
}

void tst_salesorder::debtFollowsTotalAndDeposit()
{
    frmSalesOrder order(nullptr);
    order.show();
    addItem(&order, "Tea");
    amountBox(&order, "txtDeposit")->setValue(30);
    QCOMPARE(amountBox(&order, "txtDebt")->value(), -10.01);
    amountBox(&order, "txtFreight")->setValue(10.01);
    QCOMPARE(amountBox(&order, "txtTotal")->value(), 30.0);
    QCOMPARE(amountBox(&order, "txtDebt")->value(), 0.0);
    // The order keeps a typed price: its recalculation reads no price list.
    writeCell(&order, 0, UnitPrice, 5.0);
    QCOMPARE(amountBox(&order, "txtSubTotal")->value(), 5.0);
    QCOMPARE(amountBox(&order, "txtDebt")->value(), -14.99);
}

void tst_salesorder::roundTripFromAQuote()
{
    frmSalesOrder order(nullptr);
    order.show();
    type(&order, "txtSalesOrderNo", "O-1");
    choose(combo(&order, "cmbPaymentMethod"), "Credit Card");
    amountBox(&order, "txtDeposit")->setValue(5);

    searchQuote(&order, "Q-5");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(combo(&order, "cmbCustomer")->currentText(), QString("Acme: Alice Person"));
    QCOMPARE(comment(&order), QString("from the quote"));
    QCOMPARE(amountBox(&order, "txtTotal")->value(), 25.0);
    QCOMPARE(amountBox(&order, "txtDebt")->value(), 20.0);
    QCOMPARE(shownLines(&order), QString("Rice 2 2.00 _ 0.00 4.00 / Tea 1 20.00 0.00 0.00 20.00"));

    click(&order, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedOrders(), QString("O-1|5|1|1|2024-03-01|2024-03-02|24.00|1.00|25.00|2|5.00|from the quote"));
    QCOMPARE(storedOrderLines(), QString("1|1|2|1|1|2.00|NULL|0.00|4.00 / 2|2|1|1|3|20.00|0.00|0.00|20.00"));
    QCOMPARE(state(&order), QString("add"));
    QCOMPARE(shownLines(&order), QString());
    // New keeps freight, deposit and payment method for the next order.
    QCOMPARE(amountBox(&order, "txtDeposit")->value(), 5.0);
    QCOMPARE(combo(&order, "cmbPaymentMethod")->currentIndex(), 2);

    // Found again as stored; a changed, a removed and a new line give exactly those rows,
    // and the order keeps the quote it was made from.
    choose(combo(&order, "cmbPaymentMethod"), "Cash");
    openStored(&order, "O-1");
    QCOMPARE(state(&order), QString("edit"));
    QCOMPARE(text(&order, "txtSalesQuoteNo"), QString("Q-5"));
    QCOMPARE(combo(&order, "cmbPaymentMethod")->currentText(), QString("Credit Card"));
    QCOMPARE(amountBox(&order, "txtDebt")->value(), 20.0);
    QCOMPARE(shownLines(&order), QString("Rice 2 2.00 _ 0.00 4.00 / Tea 1 20.00 0.00 0.00 20.00"));

    writeCell(&order, 0, Quantity, 3);
    order.findChild<QTableView *>("tblItems")->setCurrentIndex(lines(&order)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&order, "btnRemoveItem");
    addItem(&order, "Sugar");
    MessageRecorder::clear();
    click(&order, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedOrders(), QString("O-1|5|1|1|2024-03-01|2024-03-02|6.35|1.00|7.35|2|5.00|from the quote"));
    QCOMPARE(storedOrderLines(), QString("1|1|3|1|1|2.00|NULL|0.00|6.00 / 3|4|1|1|1|0.35|0.00|0.00|0.35"));
}

void tst_salesorder::searchQuoteRefuses_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("a number no quote has") << false << "Q-9" << "No sales quote has this number.";
    QTest::newRow("an empty number") << false << "" << "No sales quote has this number.";
    QTest::newRow("a stored order") << true << "Q-5" << "A stored order cannot be filled from a quote. Press New first.";
}

void tst_salesorder::searchQuoteRefuses()
{
    QFETCH(bool, editing);
    QFETCH(QString, number);
    QFETCH(QString, message);
    EXEC_SQL("insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, CustomerId, Date, Subtotal, Freight, "
             "Total, PaymentMethod, DepositPaid) values (7, 'O-7', 1, 2, '2024-05-01', 0.35, 0, 0.35, '0', 0)");
    EXEC_SQL("insert into salesorderdetails (SalesOrderId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, Discount, "
             "Tax, Price) values (7, 4, 1, 1, 1, 0.35, 0, 0, 0.35)");
    frmSalesOrder order(nullptr);
    order.show();
    if (editing) {
        openStored(&order, "O-7");
    } else {
        type(&order, "txtSalesOrderNo", "typed");
        addItem(&order, "Sugar");
    }
    const QString shown = shownLines(&order);

    searchQuote(&order, number);

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(shownLines(&order), shown);
    QCOMPARE(text(&order, "txtSalesOrderNo"), QString(editing ? "O-7" : "typed"));
    QCOMPARE(state(&order), QString(editing ? "edit" : "add"));
}

void tst_salesorder::failedSaveKeepsTheOrder()
{
    frmSalesOrder order(nullptr);
    order.show();
    searchQuote(&order, "Q-5");
    // A line the server refuses: its item is no longer there.
    writeCell(&order, 1, ItemId, 999);
    const QString shown = shownLines(&order);

    click(&order, "btnSave");

    // The save's own check finds the item gone: its refusal is the whole message.
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText("an item of the lines")));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesorder").toInt(), 0);
    QCOMPARE(TestSupport::queryValue("select count(*) from salesorderdetails").toInt(), 0);
    QCOMPARE(shownLines(&order), shown);
    QCOMPARE(state(&order), QString("add"));
}

ZARPO_TEST_MAIN(tst_salesorder)
#include "tst_salesorder.moc"
