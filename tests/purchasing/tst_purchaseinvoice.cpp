#include "core/system/cXml.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "purchasing/purchasegrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace PurchaseLine;

namespace {
// Two vendors, Rice (barcode 111, bought last at 2.10) and Tea (222, never bought; a
// price in Each only), and Salt (333) without any unit.
const char *fixture[] = {
    Fixture::veraAndWalt,
    Fixture::farmAndMill,
    Fixture::dockRoadWarehouse,
    Fixture::foodCategory,
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, Barcode) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1', '111'), (2, 'T-2', 'Tea', 1, 1, b'1', '222'), (3, 'S-3', 'Salt', 1, 1, b'1', '333')",
    Fixture::riceAndTeaPrices,
    "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, EmployeeId, VendorId, Date, "
    "ShipToWarehouseID) values (1, 'OLD', 1, 1, '2024-01-01', 1)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceId, ItemId, Quantity, UOMId, BasePrice, Price) values "
    "(1, 1, 1, 1, 2.10, 2.10)",
};

// Every line as "item quantity unit unit-price price date", "_" for an empty cell.
QString shownLines(QWidget *window)
{
    return lineTexts(window, {int(ItemName), int(Quantity), int(Uom), int(UnitPrice), int(Price), int(Date)});
}

QString storedInvoices()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ifnull(PurchaseInvoiceNo, 'NULL'), ifnull(PurchaseOrderId, 'NULL'), "
               "EmployeeId, VendorId, ShipToWarehouseID, Subtotal, Freight, Total, PaymentMethod, DepositPaid, "
               "ifnull(Comments, 'NULL')) order by PurchaseInvoiceId separator ' / ') from purchaseinvoice "
               "where PurchaseInvoiceId > 1")
        .toString();
}

// Lines of the invoices saved by the test: "item quantity unit base-price price date".
QString storedLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws(' ', ItemId, Quantity, UOMId, BasePrice, Price, "
               "ifnull(ProductionDate, 'NULL')) order by PurchaseInvoiceDetailsId separator ' / ') "
               "from purchaseinvoicedetails where PurchaseInvoiceId > 1")
        .toString();
}

// Vendor Mill, warehouse "Warehouse", Rice bought on 2024-02-29 and Tea without a
// production date.
void writeInvoice(QWidget *window, const QString &number)
{
    choose(combo(window, "cmbVendor"), "Mill: Walt");
    choose(combo(window, "cmbWarehouses"), "Warehouse");
    type(window, "txtPurchaseInvoiceNo", number);
    scan(window, "111");
    writeCell(window, 0, Quantity, 2);
    writeCell(window, 0, Date, QDate(2024, 2, 29));
    scan(window, "222");
    writeCell(window, 1, UnitPrice, 3.0);
    amountBox(window, "txtFreight")->setValue(5);
    amountBox(window, "txtDeposit")->setValue(4);
}

// Order "PO-5" of Mill, for Rice × 2 in cases and Tea, shipped by sea.
void storeOrder()
{
    EXEC_SQL("insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, "
             "ShipToWarehouseID, ShipDate, ExpireDate, Subtotal, Freight, Total, Comments) values (5, 'PO-5', 1, 2, "
             "'2024-03-01', 1, '2024-03-04', '2024-06-30', 9.00, 1.00, 10.00, 'by sea')");
    EXEC_SQL("insert into purchaseorderdetails (PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, Discount, Tax, "
             "Price) values (5, 1, 2, 2, 4.00, 0, 0, 8.00), (5, 2, 1, 1, 1.00, 0, 0, 1.00)");
}

void searchOrder(QWidget *window, const QString &number)
{
    searchByNumber(window, "txtPurchaseOrderNo", number, "btnSearchOrder");
}

void remember(const QString &warehouse, const QString &vendor)
{
    rememberDefaults("DefaultPurchaseWarehouse", warehouse, "DefaultPurchaseVendor", vendor);
}
}

class tst_purchaseinvoice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void rememberedWarehouseAndVendor_data();
    void rememberedWarehouseAndVendor();
    void totalsFollowTheLines();
    void roundTrip();
    void saveRefuses_data();
    void saveRefuses();
    void failedSaveLeavesNothing();
    void updateOfADeletedInvoiceIsRefused();
    void searchWithoutAChoiceChangesNothing();
    void copiesAnOrder();
    void searchOrderRefuses_data();
    void searchOrderRefuses();
};

void tst_purchaseinvoice::init()
{
    freshDocumentCompany(fixture);
}

void tst_purchaseinvoice::cleanup()
{
    rightToLeft = false;
}

void tst_purchaseinvoice::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Purchase Invoice");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("payment methods") << "cmbPaymentMethod" << "QComboBox" << "items"
                                     << QVariant("Cash,Cheque,Credit Card");
    QTest::newRow("vendors") << "cmbVendor" << "QComboBox" << "items" << QVariant("<Add New>,Farm: Vera,Mill: Walt");
    QTest::newRow("no negative deposit") << "txtDeposit" << "QDoubleSpinBox" << "minimum" << QVariant(0.0);
    QTest::newRow("debt is shown only") << "txtDebt" << "QDoubleSpinBox" << "readOnly" << QVariant(true);
    QTest::newRow("production date shown") << "tblItems" << "QTableView" << "visibleColumns"
                                           << QVariant("0,1,2,3,4,5,7,9,10");
}

void tst_purchaseinvoice::form()
{
    checkDocumentForm<frmPurchaseInvoice>();
}

void tst_purchaseinvoice::rememberedWarehouseAndVendor_data()
{
    QTest::addColumn<QString>("warehouse"); // remembered; "-" for no settings
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("shown"); // "warehouse | vendor | ship to"
    QTest::newRow("first start") << "-" << "-" << "<Add New> | <Add New> | ";
    QTest::newRow("both remembered") << "2" << "2" << "Warehouse | Mill: Walt | 1 Dock Rd\n\nPort\n\n";
    QTest::newRow("gone or empty") << "99" << "" << " |  | \n\n\n\n";
}

void tst_purchaseinvoice::rememberedWarehouseAndVendor()
{
    QFETCH(QString, warehouse);
    QFETCH(QString, vendor);
    QFETCH(QString, shown);
    if (warehouse != "-")
        remember(warehouse, vendor);
    {
        frmPurchaseInvoice invoice(nullptr);
        QCOMPARE(combo(&invoice, "cmbWarehouses")->currentText() + " | " + combo(&invoice, "cmbVendor")->currentText()
                     + " | " + invoice.findChild<QPlainTextEdit *>("txtShipTo")->toPlainText(),
                 shown);
        choose(combo(&invoice, "cmbVendor"), "Farm: Vera");
    }
    cXml settings(cXml::programSettingsPath());
    settings.load();
    QCOMPARE(settings.getAttributes("DefaultPurchaseVendor", "Id"), QStringList("1"));
}

// The deposit stays as typed, whatever the lines come to.
void tst_purchaseinvoice::totalsFollowTheLines()
{
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    amountBox(&invoice, "txtFreight")->setValue(10);
    amountBox(&invoice, "txtDeposit")->setValue(200);
    scan(&invoice, "111");
    writeCell(&invoice, 0, UnitPrice, 100.0);
    scan(&invoice, "222");
    QCOMPARE(shownLines(&invoice), QString("Rice 1 Each 100.00 100.00 _ / Tea 1 Each _ 0.00 _"));
    writeCell(&invoice, 1, UnitPrice, 50.0);
    QCOMPARE(amountBox(&invoice, "txtSubTotal")->value(), 150.0);
    QCOMPARE(amountBox(&invoice, "txtTotal")->value(), 160.0);
    QCOMPARE(amountBox(&invoice, "txtDebt")->value(), -40.0);
    QCOMPARE(amountBox(&invoice, "txtDeposit")->value(), 200.0);
    QCOMPARE(messageLog(), QString());
}

void tst_purchaseinvoice::roundTrip()
{
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "PI-9");
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedInvoices(), QString("PI-9|NULL|1|2|2|7.20|5.00|12.20|0|4.00|NULL"));
    QCOMPARE(storedLines(), QString("1 2 1 2.10 4.20 2024-02-29 / 2 1 1 3.00 3.00 NULL"));
    const QString firstLineId = "select min(PurchaseInvoiceDetailsId) from purchaseinvoicedetails where PurchaseInvoiceId > 1";
    const QVariant riceLine = TestSupport::queryValue(firstLineId);
    QCOMPARE(shownLines(&invoice), QString());
    QCOMPARE(state(&invoice), QString("add"));

    // Paid another way meanwhile: the stored method is shown, and kept by the next save.
    EXEC_SQL("update purchaseinvoice set PaymentMethod = 1 where PurchaseInvoiceNo = 'PI-9'");
    openStored(&invoice, "PI-9");
    QCOMPARE(state(&invoice), QString("edit"));
    QCOMPARE(combo(&invoice, "cmbPaymentMethod")->currentIndex(), 1);
    QCOMPARE(shownLines(&invoice), QString("Rice 2 Each 2.10 4.20 2024-02-29 / Tea 1 Each 3.00 3.00 _"));
    QCOMPARE(amountBox(&invoice, "txtDeposit")->value(), 4.0);
    QCOMPARE(amountBox(&invoice, "txtDebt")->value(), 8.2);
    QCOMPARE(combo(&invoice, "cmbVendor")->currentText(), QString("Mill: Walt"));

    // A changed line, a new one and a removed one; the newest price of Rice is now 2.10.
    writeCell(&invoice, 0, Quantity, 3);
    scan(&invoice, "111");
    writeCell(&invoice, 2, Date, QDate(2023, 1, 2));
    invoice.findChild<QTableView *>("tblItems")->setCurrentIndex(lines(&invoice)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&invoice, "btnRemoveItem");
    MessageRecorder::clear();
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedLines(), QString("1 3 1 2.10 6.30 2024-02-29 / 1 1 1 2.10 2.10 2023-01-02"));
    // The kept line is rewritten in place, not stored anew.
    QCOMPARE(TestSupport::queryValue(firstLineId), riceLine);
    QCOMPARE(storedInvoices(), QString("PI-9|NULL|1|2|2|8.40|5.00|13.40|1|4.00|NULL"));
    QCOMPARE(state(&invoice), QString("add"));
}

void tst_purchaseinvoice::saveRefuses_data()
{
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("warehouse");
    QTest::addColumn<QString>("barcode"); // the one line, "" for none
    QTest::addColumn<QString>("message");
    QTest::newRow("no vendor, nor anything else") << "<Add New>" << "<Add New>" << "" << "Select Vendor";
    QTest::newRow("no warehouse") << "Farm: Vera" << "<Add New>" << "111" << "Select Warehouse";
    QTest::newRow("no lines") << "Farm: Vera" << "Main Store" << ""
                              << "Select items by double clicking the first empty row below 'Item No' or 'Item' column";
    QTest::newRow("a line without a unit") << "Farm: Vera" << "Main Store" << "333"
                                           << "Line 1 (\u2066Salt\u2069) has no unit of measure. Choose one before saving.";
}

void tst_purchaseinvoice::saveRefuses()
{
    QFETCH(QString, vendor);
    QFETCH(QString, warehouse);
    QFETCH(QString, barcode);
    QFETCH(QString, message);
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    combo(&invoice, "cmbVendor")->setCurrentText(vendor);
    combo(&invoice, "cmbWarehouses")->setCurrentText(warehouse);
    if (!barcode.isEmpty())
        scan(&invoice, barcode);
    const QString shown = shownLines(&invoice);
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(storedInvoices(), QString());
    QCOMPARE(shownLines(&invoice), shown);
}

// A line the server refuses (its item is gone) takes the header with it.
void tst_purchaseinvoice::failedSaveLeavesNothing()
{
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "PI-9");
    writeCell(&invoice, 1, ItemId, 999);
    const QString shown = shownLines(&invoice);
    click(&invoice, "btnSave");
    // The save's own check finds the item gone: its refusal is the whole message.
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText("an item of the lines")));
    QCOMPARE(storedInvoices(), QString());
    QCOMPARE(storedLines(), QString());
    QCOMPARE(shownLines(&invoice), shown);
    QCOMPARE(state(&invoice), QString("add"));
    QCOMPARE(text(&invoice, "txtPurchaseInvoiceNo"), QString("PI-9"));
}

void tst_purchaseinvoice::updateOfADeletedInvoiceIsRefused()
{
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    writeInvoice(&invoice, "PI-9");
    click(&invoice, "btnSave");
    openStored(&invoice, "PI-9");
    EXEC_SQL("delete from purchaseinvoice where PurchaseInvoiceId > 1");
    MessageRecorder::clear();
    click(&invoice, "btnSave");
    QVERIFY2(messageLog().contains(cDbSave::recordGoneText()), qPrintable(messageLog()));
    QCOMPARE(storedInvoices(), QString());
    QCOMPARE(state(&invoice), QString("edit"));
}

// Closing the list, or Edit without a row, keeps what is being written.
void tst_purchaseinvoice::searchWithoutAChoiceChangesNothing()
{
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    openStored(&invoice, "OLD");
    QCOMPARE(state(&invoice), QString("edit"));
    scan(&invoice, "222");
    const QString shown = shownLines(&invoice);

    TestSupport::whenModal([](QWidget *list) { static_cast<QDialog *>(list)->reject(); });
    click(&invoice, "btnSearch");
    TestSupport::whenModal([](QWidget *list) {
        table(list)->setCurrentIndex(QModelIndex());
        click(list, "btnEdit");
        static_cast<QDialog *>(list)->reject();
    });
    click(&invoice, "btnSearch");

    QCOMPARE(shownLines(&invoice), shown);
    QCOMPARE(state(&invoice), QString("edit"));
    QCOMPARE(text(&invoice, "txtPurchaseInvoiceNo"), QString("OLD"));
}

// The order's vendor, dates, amounts, comment and lines, at the order's prices; the
// invoice keeps its own warehouse. An order an invoice was made from is copied again.
void tst_purchaseinvoice::copiesAnOrder()
{
    storeOrder();
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    choose(combo(&invoice, "cmbWarehouses"), "Warehouse");
    searchOrder(&invoice, "PO-5");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(combo(&invoice, "cmbVendor")->currentText(), QString("Mill: Walt"));
    QCOMPARE(combo(&invoice, "cmbWarehouses")->currentText(), QString("Warehouse"));
    QCOMPARE(invoice.findChild<QDateEdit *>("dtShipDate")->date(), QDate(2024, 3, 4));
    QCOMPARE(shownLines(&invoice), QString("Rice 2 Case 4.00 8.00 _ / Tea 1 Each 1.00 1.00 _"));
    QCOMPARE(amountBox(&invoice, "txtTotal")->value(), 10.0);
    QCOMPARE(invoice.findChild<QPlainTextEdit *>("txtComment")->toPlainText(), QString("by sea"));

    type(&invoice, "txtPurchaseInvoiceNo", "PI-5");
    click(&invoice, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedInvoices(), QString("PI-5|5|1|2|2|9.00|1.00|10.00|0|0.00|by sea"));
    QCOMPARE(storedLines(), QString("1 2 2 4.00 8.00 NULL / 2 1 1 1.00 1.00 NULL"));

    searchOrder(&invoice, "PO-5");
    QCOMPARE(shownLines(&invoice), QString("Rice 2 Case 4.00 8.00 _ / Tea 1 Each 1.00 1.00 _"));
    QCOMPARE(messageLog(), QString());
}

void tst_purchaseinvoice::searchOrderRefuses_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    const QString unknown = messageEntry(Messages::Information, "No purchase order has this number.");
    QTest::newRow("a number no order has") << false << "PO-0" << unknown;
    QTest::newRow("an empty number") << false << "" << unknown;
    QTest::newRow("a stored invoice")
        << true << "PO-5"
        << messageEntry(Messages::Critical, "A stored invoice cannot be filled from an order. Press New first.");
}

// The invoice stays as typed, in its state.
void tst_purchaseinvoice::searchOrderRefuses()
{
    QFETCH(bool, editing);
    QFETCH(QString, number);
    QFETCH(QString, message);
    storeOrder();
    frmPurchaseInvoice invoice(nullptr);
    invoice.show();
    if (editing)
        openStored(&invoice, "OLD");
    else
        writeInvoice(&invoice, "PI-9");
    const QString shown = shownLines(&invoice);
    const QString vendor = combo(&invoice, "cmbVendor")->currentText();

    searchOrder(&invoice, number);

    QCOMPARE(messageLog(), message);
    QCOMPARE(shownLines(&invoice), shown);
    QCOMPARE(combo(&invoice, "cmbVendor")->currentText(), vendor);
    QCOMPARE(text(&invoice, "txtPurchaseOrderNo"), number);
    QCOMPARE(state(&invoice), QString(editing ? "edit" : "add"));
}

ZARPO_TEST_MAIN(tst_purchaseinvoice)
#include "tst_purchaseinvoice.moc"
