#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/system/seams.h"
#include "core/widgets/direction.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/invoices/invoicepage.h"
#include "sales/orders/salesgrid.h"
#include "tests/support/reportsupport.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>
#include <QWebFrame>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace SalesLine;

namespace {
// The seed's first warehouse and its second made inactive, customers, items priced per unit and price type (two
// of them share a barcode).
const char *fixture[] = {
    "update warehouses set WarehouseName = 'Main', City = 'Cairo' where WarehouseId = 1",
    "update warehouses set IsActive = b'0' where WarehouseId = 2",
    Fixture::aliceAndBob,
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, ShipToPersonId) values "
    "(1, 'Acme', 10, b'1', 10), (2, 'Bare', 11, b'1', NULL), (3, 'Gone', 11, b'0', NULL)",
    Fixture::foodCategory,
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, Barcode) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1', '111'), (2, 'T-2', 'Tea', 1, 1, b'1', '222'), "
    "(4, 'S-4', 'Sugar', 1, 1, b'1', '222')",
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.50), (2, 3, 1, 10.00), "
    "(4, 1, 1, 0.35)",
};

// Every line as "item quantity unit-price discount tax price", "_" for an empty cell.
QString shownLines(QWidget *window)
{
    return lineTexts(window, {int(ItemName), int(Quantity), int(UnitPrice), int(Discount), int(Tax), int(Price)});
}

QString amounts(QWidget *window)
{
    QStringList shown;
    for (const char *name : {"txtSubTotal", "txtFreight", "txtTotal", "txtDeposit", "txtOrderDeposit", "txtDebt"})
        shown << QString::number(amountBox(window, name)->value(), 'f', 2);
    return shown.join(' ');
}

QString storedInvoices()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ifnull(SalesInvoiceNo, 'NULL'), ifnull(SalesOrderId, 'NULL'), "
               "WarehouseId, EmployeeId, CustomerId, Date, Subtotal, Freight, Total, PaymentMethod, DepositPaid, "
               "ifnull(Comments, 'NULL')) order by SalesInvoiceId separator ' / ') from salesinvoice")
        .toString();
}

QString storedLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', SalesInvoiceNo, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, "
               "Discount, Tax, Price) order by SalesInvoiceDetailsId separator ' / ') "
               "from salesinvoicedetails left join salesinvoice using (SalesInvoiceId)")
        .toString();
}

// A ready invoice of Rice × 2 and Tea for Acme from the main warehouse, freight 5.
void writeInvoice(QWidget *window, const QString &number)
{
    choose(combo(window, "cmbWarehouse"), "Main: Cairo");
    choose(combo(window, "cmbCustomer"), "Acme: Alice Person");
    type(window, "txtSalesInvoiceNo", number);
    scan(window, "111");
    writeCell(window, 0, Quantity, 2);
    scan(window, "222");
    amountBox(window, "txtFreight")->setValue(5);
}

// Order "O-7" of Acme, priced when Rice cost 1.50, with a deposit paid; order "O-8",
// which invoice "I-8" was made from.
void storeOrders()
{
    EXEC_SQL("insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, CustomerId, Date, ShipDate, Subtotal, "
             "Freight, Total, PaymentMethod, DepositPaid, Comments) values (7, 'O-7', 1, 1, '2024-03-01', "
             "'2024-03-02', 13.00, 1.00, 14.00, '1', 2.00, 'rush'), (8, 'O-8', 1, 2, '2024-03-01', '2024-03-01', "
             "0.35, 0, 0.35, '0', 0, NULL)");
    EXEC_SQL("insert into salesorderdetails (SalesOrderId, ItemId, Quantity, UOMId, PriceTypeId, BasePrice, Discount, "
             "Tax, Price) values (7, 1, 2, 1, 1, 1.50, 0, 0, 3.00), (7, 2, 1, 1, 3, 10.00, 0, 0, 10.00), "
             "(8, 4, 1, 1, 1, 0.35, 0, 0, 0.35)");
    EXEC_SQL("insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, WarehouseId, EmployeeId, "
             "CustomerId, Date, Subtotal, Freight, Total, PaymentMethod, DepositPaid) values "
             "(1, 'I-8', 8, 1, 1, 2, '2024-03-01', 0.35, 0, 0.35, '0', 0.35)");
}

void searchOrder(QWidget *window, const QString &number)
{
    searchByNumber(window, "txtSalesOrderNo", number, "btnSearchOrder");
}

void remember(const QString &warehouse, const QString &customer)
{
    rememberDefaults("DefaultSalesWarehouse", warehouse, "DefaultSalesCustomer", customer);
}
}

class tst_salesinvoice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void rememberedWarehouseAndCustomer_data();
    void rememberedWarehouseAndCustomer();
    void warehouseWithoutACityShowsItsNameAlone_data();
    void warehouseWithoutACityShowsItsNameAlone();
    void barcode_data();
    void barcode();
    void totalsFollowTheLines();
    void roundTrip();
    void failedSaveLeavesNothing();
    void refundedLineIsNotRemoved();
    void updateOfADeletedInvoiceIsRefused();
    void loadResetsTheOrderDeposit();
    void copiesAnOrder();
    void searchOrderRefuses_data();
    void searchOrderRefuses();
    void pageIsFilledAndEscaped();
    void printsThePage_data();
    void printsThePage();
    void missingPrinterIsTold();
};

void tst_salesinvoice::init()
{
    freshDocumentCompany(fixture);
}

void tst_salesinvoice::cleanup()
{
    rightToLeft = false;
    languageCode = "en";
}

void tst_salesinvoice::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Sales Invoice");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("payment methods") << "cmbPaymentMethod" << "QComboBox" << "items"
                                     << QVariant("Cash,Cheque,Credit Card");
    QTest::newRow("active warehouses") << "cmbWarehouse" << "QComboBox" << "items" << QVariant("<Add New>,Main: Cairo");
    QTest::newRow("active customers") << "cmbCustomer" << "QComboBox" << "items"
                                      << QVariant("<Add New>,Acme: Alice Person,Bare: Bob Person");
    QTest::newRow("debt is shown only") << "txtDebt" << "QDoubleSpinBox" << "readOnly" << QVariant(true);
    QTest::newRow("invoice number as long as its column") << "txtSalesInvoiceNo" << "QLineEdit" << "maxLength"
                                                          << QVariant(45);
}

void tst_salesinvoice::form()
{
    checkDocumentForm<frmSalesInvoice>();
}

void tst_salesinvoice::rememberedWarehouseAndCustomer_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("warehouseId");
    QTest::addColumn<QString>("customerId");
    QTest::addColumn<QString>("warehouse");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("shipTo");
    QTest::newRow("none") << false << "" << "" << "<Add New>" << "<Add New>" << "";
    QTest::newRow("valid") << true << "1" << "1" << "Main: Cairo" << "Acme: Alice Person"
                           << "Alice Person\n1 Main St\n\n\n\n";
    QTest::newRow("stale") << true << "9" << "9" << "" << "" << "\n\n\n\n\n";
    QTest::newRow("inactive") << true << "2" << "3" << "" << "" << "\n\n\n\n\n";
    QTest::newRow("empty") << true << "" << "" << "" << "" << "\n\n\n\n\n";
}

void tst_salesinvoice::rememberedWarehouseAndCustomer()
{
    QFETCH(bool, stored);
    QFETCH(QString, warehouseId);
    QFETCH(QString, customerId);
    QFETCH(QString, warehouse);
    QFETCH(QString, customer);
    QFETCH(QString, shipTo);
    if (stored)
        remember(warehouseId, customerId);
    {
        frmSalesInvoice invoice(nullptr);
        QCOMPARE(combo(&invoice, "cmbWarehouse")->currentText(), warehouse);
        QCOMPARE(combo(&invoice, "cmbCustomer")->currentText(), customer);
        QCOMPARE(invoice.findChild<QPlainTextEdit *>("txtShipTo")->toPlainText(), shipTo);
        QCOMPARE(messageLog(), QString());
        choose(combo(&invoice, "cmbWarehouse"), "Main: Cairo");
        choose(combo(&invoice, "cmbCustomer"), "Bare: Bob Person");
    }
    // The window closed last decides what the next one shows.
    frmSalesInvoice next(nullptr);
    QCOMPARE(combo(&next, "cmbWarehouse")->currentText(), QString("Main: Cairo"));
    QCOMPARE(combo(&next, "cmbCustomer")->currentText(), QString("Bare: Bob Person"));
}

void tst_salesinvoice::warehouseWithoutACityShowsItsNameAlone_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

void tst_salesinvoice::warehouseWithoutACityShowsItsNameAlone()
{
    QFETCH(bool, arabic);
    EXEC_SQL("insert into warehouses (WarehouseId, WarehouseName, City, IsActive) values "
             "(3, 'Annex', NULL, b'1'), (4, 'Depot', '', b'1')");
    rightToLeft = arabic;
    frmSalesInvoice invoice(nullptr);
    QCOMPARE(comboTexts(combo(&invoice, "cmbWarehouse")), QStringList({"<Add New>", "Main: Cairo", "Annex", "Depot"}));
}

void tst_salesinvoice::barcode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("left");
    QTest::newRow("known, with blanks around") << " 111 " << "Rice 1 2.50 0.00 0.00 2.50" << "";
    QTest::newRow("shared: the older item") << "222" << "Tea 1 10.00 0.00 0.00 10.00" << "";
    QTest::newRow("unknown stays typed") << "999" << "" << "999";
}

void tst_salesinvoice::barcode()
{
    QFETCH(QString, code);
    QFETCH(QString, lines);
    QFETCH(QString, left);
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    scan(&invoice, code);
    QCOMPARE(shownLines(&invoice), lines);
    QCOMPARE(text(&invoice, "txtBarcode"), left);
    QCOMPARE(messageLog(), QString());
}

void tst_salesinvoice::totalsFollowTheLines()
{
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    scan(&invoice, "222");
    QCOMPARE(amounts(&invoice), QString("10.00 0.00 10.00 10.00 0.00 0.00"));
    amountBox(&invoice, "txtFreight")->setValue(5);
    QCOMPARE(amounts(&invoice), QString("10.00 5.00 15.00 10.00 0.00 5.00"));
    writeCell(&invoice, 0, Quantity, 2);
    QCOMPARE(amounts(&invoice), QString("20.00 5.00 25.00 10.00 0.00 15.00"));
    // A typed unit price gives way to the list price at once; discount and tax count.
    writeCell(&invoice, 0, UnitPrice, 1.0);
    writeCell(&invoice, 0, Discount, 1.0);
    writeCell(&invoice, 0, Tax, 0.5);
    QCOMPARE(shownLines(&invoice), QString("Tea 2 10.00 1.00 0.50 19.50"));
    QCOMPARE(amounts(&invoice), QString("19.50 5.00 24.50 10.00 0.00 14.50"));
}

void tst_salesinvoice::roundTrip()
{
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-1");
    invoice.findChild<QPlainTextEdit *>("txtComment")->setPlainText("first");
    choose(combo(&invoice, "cmbPaymentMethod"), "Cheque");
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    QCOMPARE(storedInvoices(), QString("I-1|NULL|1|1|1|%1|15.00|5.00|20.00|1|15.00|first").arg(today));
    QCOMPARE(storedLines(), QString("I-1|1|2|1|1|2.50|0.00|0.00|5.00 / I-1|2|1|1|3|10.00|0.00|0.00|10.00"));
    QCOMPARE(state(&invoice), QString("add"));
    QCOMPARE(shownLines(&invoice), QString());
    QCOMPARE(amounts(&invoice), QString("0.00 0.00 0.00 0.00 0.00 0.00"));

    openStored(&invoice, "I-1");
    QCOMPARE(state(&invoice), QString("edit"));
    QCOMPARE(text(&invoice, "txtSalesInvoiceNo"), QString("I-1"));
    QCOMPARE(combo(&invoice, "cmbCustomer")->currentText(), QString("Acme: Alice Person"));
    QCOMPARE(combo(&invoice, "cmbPaymentMethod")->currentText(), QString("Cheque"));
    QCOMPARE(amounts(&invoice), QString("15.00 5.00 20.00 15.00 0.00 5.00"));
    QCOMPARE(shownLines(&invoice), QString("Rice 2 2.50 0.00 0.00 5.00 / Tea 1 10.00 0.00 0.00 10.00"));

    // A changed, a removed and a new line give exactly those rows.
    writeCell(&invoice, 0, Quantity, 3);
    invoice.findChild<QTableView *>("tblItems")->setCurrentIndex(lines(&invoice)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&invoice, "btnRemoveItem");
    scan(&invoice, "111");
    MessageRecorder::clear();
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedInvoices(), QString("I-1|NULL|1|1|1|%1|10.00|5.00|15.00|1|15.00|first").arg(today));
    QCOMPARE(storedLines(), QString("I-1|1|3|1|1|2.50|0.00|0.00|7.50 / I-1|1|1|1|1|2.50|0.00|0.00|2.50"));
}

void tst_salesinvoice::failedSaveLeavesNothing()
{
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-1");
    // A line the server refuses: its item is no longer there.
    writeCell(&invoice, 1, ItemId, 999);
    const QString shown = shownLines(&invoice);
    click(&invoice, "btnSave");
    // The save's own check finds the item gone: its refusal is the whole message.
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText("an item of the lines")));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesinvoice").toInt(), 0);
    QCOMPARE(TestSupport::queryValue("select count(*) from salesinvoicedetails").toInt(), 0);
    QCOMPARE(shownLines(&invoice), shown);
    QCOMPARE(text(&invoice, "txtSalesInvoiceNo"), QString("I-1"));
    QCOMPARE(state(&invoice), QString("add"));
}

void tst_salesinvoice::refundedLineIsNotRemoved()
{
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-1");
    click(&invoice, "btnSave");
    EXEC_SQL("insert into salesrefund (SalesRefundId, SalesInvoiceId, EmployeeId) select 1, SalesInvoiceId, 1 "
             "from salesinvoice");
    EXEC_SQL("insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, Quantity) "
             "select 1, SalesInvoiceDetailsId, 1 from salesinvoicedetails where ItemId = 2");
    const QString stored = storedLines();

    openStored(&invoice, "I-1");
    invoice.findChild<QTableView *>("tblItems")->setCurrentIndex(lines(&invoice)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&invoice, "btnRemoveItem");
    MessageRecorder::clear();
    click(&invoice, "btnSave");

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, "The removed line ("
                                                                + Direction::isolated("Tea")
                                                                + ") has been refunded: 1 of it taken back. It "
                                                                  "cannot be removed. Nothing was saved."));
    QCOMPARE(storedLines(), stored);
    QCOMPARE(state(&invoice), QString("edit"));
    QCOMPARE(shownLines(&invoice), QString("Rice 2 2.50 0.00 0.00 5.00"));
}

void tst_salesinvoice::updateOfADeletedInvoiceIsRefused()
{
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-1");
    click(&invoice, "btnSave");
    openStored(&invoice, "I-1");
    EXEC_SQL("delete from salesinvoice");
    MessageRecorder::clear();
    click(&invoice, "btnSave");
    QVERIFY2(messageLog().contains(cDbSave::recordGoneText()), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesinvoice").toInt(), 0);
    QCOMPARE(state(&invoice), QString("edit"));
}

void tst_salesinvoice::loadResetsTheOrderDeposit()
{
    EXEC_SQL("insert into salesorder (SalesOrderId, SalesOrderNo, EmployeeId, CustomerId, DepositPaid) values "
             "(7, 'O-7', 1, 1, 4.00)");
    EXEC_SQL("insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, SalesOrderId, WarehouseId, EmployeeId, "
             "CustomerId, Date, Subtotal, Freight, Total, PaymentMethod, DepositPaid) values "
             "(1, 'I-1', 7, 1, 1, 1, '2024-03-01', 10, 0, 10, '0', 1), "
             "(2, 'I-2', NULL, 1, 1, 1, '2024-03-02', 10, 0, 10, '0', 1)");
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    openStored(&invoice, "I-1");
    QCOMPARE(text(&invoice, "txtSalesOrderNo"), QString("O-7"));
    QCOMPARE(amounts(&invoice), QString("10.00 0.00 10.00 1.00 4.00 5.00"));
    openStored(&invoice, "I-2");
    QCOMPARE(text(&invoice, "txtSalesOrderNo"), QString());
    QCOMPARE(amounts(&invoice), QString("10.00 0.00 10.00 1.00 0.00 9.00"));
}

// The order's customer (kept until New), dates, amounts, deposit, comment and lines,
// priced from today's list.
void tst_salesinvoice::copiesAnOrder()
{
    storeOrders();
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    choose(combo(&invoice, "cmbWarehouse"), "Main: Cairo");
    searchOrder(&invoice, "O-7");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(combo(&invoice, "cmbCustomer")->currentText(), QString("Acme: Alice Person"));
    QVERIFY(!combo(&invoice, "cmbCustomer")->isEnabled());
    QCOMPARE(invoice.findChild<QPlainTextEdit *>("txtShipTo")->toPlainText().section('\n', 0, 1),
             QString("Alice Person\n1 Main St"));
    QCOMPARE(shownLines(&invoice), QString("Rice 2 2.50 0.00 0.00 5.00 / Tea 1 10.00 0.00 0.00 10.00"));
    QCOMPARE(amounts(&invoice), QString("15.00 1.00 16.00 0.00 2.00 14.00"));
    QCOMPARE(invoice.findChild<QPlainTextEdit *>("txtComment")->toPlainText(), QString("rush"));

    type(&invoice, "txtSalesInvoiceNo", "I-7");
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedInvoices(), QString("I-8|8|1|1|2|2024-03-01|0.35|0.00|0.35|0|0.35|NULL / "
                                       "I-7|7|1|1|1|2024-03-01|15.00|1.00|16.00|0|0.00|rush"));
    QCOMPARE(storedLines(), QString("I-7|1|2|1|1|2.50|0.00|0.00|5.00 / I-7|2|1|1|3|10.00|0.00|0.00|10.00"));
    QVERIFY(combo(&invoice, "cmbCustomer")->isEnabled());
}

void tst_salesinvoice::searchOrderRefuses_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    const QString notOffered = messageEntry(Messages::Information, "Incorrect or pre-used Sales Order No.");
    QTest::newRow("a number no order has") << false << "O-0" << notOffered;
    QTest::newRow("an order already invoiced") << false << "O-8" << notOffered;
    QTest::newRow("a stored invoice")
        << true << "O-7"
        << messageEntry(Messages::Critical, "A stored invoice cannot be filled from an order. Press New first.");
}

// The invoice stays as typed, in its state.
void tst_salesinvoice::searchOrderRefuses()
{
    QFETCH(bool, editing);
    QFETCH(QString, number);
    QFETCH(QString, message);
    storeOrders();
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    if (editing)
        openStored(&invoice, "I-8");
    else
        writeInvoice(&invoice, "I-9");
    const QString shown = shownLines(&invoice) + " | " + amounts(&invoice);
    const QString customer = combo(&invoice, "cmbCustomer")->currentText();

    searchOrder(&invoice, number);

    QCOMPARE(messageLog(), message);
    QCOMPARE(shownLines(&invoice) + " | " + amounts(&invoice), shown);
    QCOMPARE(combo(&invoice, "cmbCustomer")->currentText(), customer);
    QVERIFY(combo(&invoice, "cmbCustomer")->isEnabled());
    QCOMPARE(text(&invoice, "txtSalesOrderNo"), number);
    QCOMPARE(state(&invoice), QString(editing ? "edit" : "add"));
}

void tst_salesinvoice::pageIsFilledAndEscaped()
{
    companyName = "Zarpo & Sons";
    companyAddress = "1 Nile St";
    companyPhone = "0100";
    InvoicePage::Invoice invoice;
    invoice.customerName = "<b>Acme</b> $DATE$";
    invoice.date = "1/3/2024";
    invoice.invoiceNo = "";
    invoice.lines = {{"R-1", "Rice \"long\"", "2", "Each", "2.5", "0", "0", "5"}};
    invoice.subtotal = 12.5;
    invoice.freight = 100;
    invoice.total = 112.5;
    invoice.paid = 0.1 + 0.2;
    invoice.debt = -1;
    invoice.greeting1 = "THANK YOU";
    invoice.greeting2 = "Thanks";
    const QString page = "$CUSTOMER_NAME$|$DATE$|$COMPANY_NAME$|$COMPANY_ADDRESS$|$COMPANY_PHONE$|[$INVOICE_NO$]|"
                         "<tr><td colspan=\"8\">$DETAILS$</td></tr>|$SUBTOTAL$|$FRIGHT$|$TOTAL$|$PAID$|$DEBT$|"
                         "$GREETING1$|$GREETING2$";
    QCOMPARE(InvoicePage::fill(page, invoice),
             QString("&lt;b&gt;Acme&lt;/b&gt; $DATE$|1/3/2024|Zarpo &amp; Sons|1 Nile St|0100|[]|"
                     "<tr><tr><td> R-1 </td><td> Rice &quot;long&quot; </td><td> 2 </td><td> Each </td><td> 2.5 </td>"
                     "<td> 0 </td><td> 0 </td><td> 5 </td></tr></tr>|12.5|100|112.5|0.3|-1|THANK YOU|Thanks"));
    // Both pages carry every placeholder and the one cell of the lines.
    for (const QString language : {"en", "ar"}) {
        QFile file(InvoicePage::templatePath(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const char *placeholder : {"$CUSTOMER_NAME$", "$DATE$", "$COMPANY_NAME$", "$COMPANY_ADDRESS$",
                                        "$COMPANY_PHONE$", "$INVOICE_NO$", "<td colspan=\"8\">$DETAILS$</td>",
                                        "$SUBTOTAL$", "$FRIGHT$", "$TOTAL$", "$PAID$", "$DEBT$", "$GREETING1$",
                                        "$GREETING2$"})
            QVERIFY2(text.contains(placeholder), placeholder);
    }
}

void tst_salesinvoice::printsThePage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("English") << "en"
                             << QStringList{"Zarpo Trading", "Acme: Alice Person", "I-7", "Rice", "SUBTOTAL",
                                            "15", "20"};
    QTest::newRow("Arabic") << "ar"
                            << QStringList{"Zarpo Trading", "Acme: Alice Person", "I-7", "Rice",
                                           "المجموع", "15", "20"};
}

void tst_salesinvoice::printsThePage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    languageCode = language;
    rightToLeft = language == "ar";
    companyName = "Zarpo Trading";
    QTemporaryDir folder;
    const QString pdf = folder.filePath("invoice.pdf");
    const auto realPrint = Printing::printOn;
    Printing::printOn = [&](QWebFrame *frame, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        frame->print(&printer);
        return true;
    };
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-7");
    invoice.findChild<QCheckBox *>("chkPrintInvoice")->setChecked(true);
    click(&invoice, "btnSave");
    Printing::printOn = realPrint;
    QCOMPARE(messageLog(), QString());
    const QString text = ReportSupport::pdfText(pdf);
    for (const QString &part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + " not in: " + text));
}

void tst_salesinvoice::missingPrinterIsTold()
{
    const auto realPrint = Printing::printOn;
    Printing::printOn = [](QWebFrame *, QPrinter &) { return false; };
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "I-8");
    invoice.findChild<QCheckBox *>("chkPrintInvoice")->setChecked(true);
    click(&invoice, "btnSave");
    Printing::printOn = realPrint;
    QCOMPARE(messageLog(), messageEntry(Messages::Warning, "No printer is ready: the invoice was saved but not printed."));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesinvoice").toInt(), 1);
}

ZARPO_TEST_MAIN(tst_salesinvoice)
#include "tst_salesinvoice.moc"
