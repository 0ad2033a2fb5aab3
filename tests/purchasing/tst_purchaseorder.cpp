#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "purchasing/frmPurchaseOrder.h"
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
// Two vendors; Rice, last ordered at 2.40 on order "OLD" (and bought later at 2.10, which
// an order does not look at), and Tea, never ordered.
const char *fixture[] = {
    Fixture::veraAndWalt,
    Fixture::farmAndMill,
    Fixture::dockRoadWarehouse,
    Fixture::foodCategory,
    Fixture::riceAndTea,
    Fixture::riceAndTeaPrices,
    "insert into purchaseorder (PurchaseOrderId, PurchaseOrderNo, EmployeeId, VendorId, Date, ShipToWarehouseID) "
    "values (1, 'OLD', 1, 1, '2024-01-01', 1)",
    "insert into purchaseorderdetails (PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, Price) values "
    "(1, 1, 1, 1, 2.40, 2.40)",
    "insert into purchaseinvoice (PurchaseInvoiceId, EmployeeId, VendorId, Date, ShipToWarehouseID) values "
    "(1, 1, 1, '2024-02-01', 1)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceId, ItemId, Quantity, UOMId, BasePrice, Price) values "
    "(1, 1, 1, 1, 2.10, 2.10)",
};

QDateEdit *dateEdit(QWidget *window, const char *name)
{
    return window->findChild<QDateEdit *>(name);
}

// Every line as "item quantity unit unit-price price", "_" for an empty cell.
QString shownLines(QWidget *window)
{
    return lineTexts(window, {int(ItemName), int(Quantity), int(Uom), int(UnitPrice), int(Price)});
}

// The orders saved by the test.
QString storedOrders()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ifnull(PurchaseOrderNo, 'NULL'), EmployeeId, VendorId, Date, "
               "ShipToWarehouseID, ShipDate, ExpireDate, Subtotal, Freight, Total, ifnull(Comments, 'NULL')) "
               "order by PurchaseOrderId separator ' / ') from purchaseorder where PurchaseOrderId > 1")
        .toString();
}

// Their lines: "item quantity unit base-price price".
QString storedLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws(' ', ItemId, Quantity, UOMId, BasePrice, Price) "
               "order by PurchaseOrderDetailsId separator ' / ') from purchaseorderdetails where PurchaseOrderId > 1")
        .toString();
}

// To Mill, shipped to "Warehouse": Rice × 2 at 2.60 and Tea at 3.00, freight 5.
void writeOrder(QWidget *window)
{
    choose(combo(window, "cmbVendor"), "Mill: Walt");
    choose(combo(window, "cmbWarehouses"), "Warehouse");
    type(window, "txtPurchaseOrderNo", "PO-9");
    dateEdit(window, "dtDate")->setDate(QDate(2024, 3, 1));
    dateEdit(window, "dtShipDate")->setDate(QDate(2024, 3, 5));
    dateEdit(window, "dtExpireDate")->setDate(QDate(2024, 4, 30));
    addItem(window, 1);
    writeCell(window, 0, Quantity, 2);
    writeCell(window, 0, UnitPrice, 2.6);
    addItem(window, 2);
    writeCell(window, 1, UnitPrice, 3.0);
    amountBox(window, "txtFreight")->setValue(5);
}
}

class tst_purchaseorder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void newLinesArePricedAsLastOrdered();
    void roundTrip();
    void saveRefuses_data();
    void saveRefuses();
    void failedSaveKeepsTheOrder_data();
    void failedSaveKeepsTheOrder();
    void anotherUsersChangeIsRefused_data();
    void anotherUsersChangeIsRefused();
};

void tst_purchaseorder::init()
{
    freshDocumentCompany(fixture);
}

void tst_purchaseorder::cleanup()
{
    rightToLeft = false;
}

void tst_purchaseorder::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Purchase Order");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("vendors") << "cmbVendor" << "QComboBox" << "items" << QVariant("<Add New>,Farm: Vera,Mill: Walt");
    QTest::newRow("warehouses") << "cmbWarehouses" << "QComboBox" << "items"
                                << QVariant("<Add New>,Main Store,Warehouse");
    QTest::newRow("no date per line") << "tblItems" << "QTableView" << "visibleColumns" << QVariant("0,1,2,3,4,5,7,9");
    QTest::newRow("order number as long as its column") << "txtPurchaseOrderNo" << "QLineEdit" << "maxLength"
                                                        << QVariant(45);
    QTest::newRow("expiry date from today") << "dtExpireDate" << "QDateEdit" << "date"
                                            << QVariant(QDate::currentDate());
}

void tst_purchaseorder::form()
{
    checkDocumentForm<frmPurchaseOrder>();
}

// From the newest order line of the item, whatever was paid on an invoice since.
void tst_purchaseorder::newLinesArePricedAsLastOrdered()
{
    frmPurchaseOrder order(nullptr);
    order.show();
    amountBox(&order, "txtFreight")->setValue(10);
    addItem(&order, 1);
    addItem(&order, 2);
    QCOMPARE(shownLines(&order), QString("Rice 1 Each 2.40 2.40 / Tea 1 Each _ 0.00"));
    writeCell(&order, 1, Quantity, 3);
    writeCell(&order, 1, UnitPrice, 1.5);
    QCOMPARE(amountBox(&order, "txtSubTotal")->value(), 6.9);
    QCOMPARE(amountBox(&order, "txtTotal")->value(), 16.9);
    QCOMPARE(messageLog(), QString());
}

void tst_purchaseorder::roundTrip()
{
    frmPurchaseOrder order(nullptr);
    order.show();
    writeOrder(&order);
    QCOMPARE(order.findChild<QPlainTextEdit *>("txtShipTo")->toPlainText(), QString("1 Dock Rd\n\nPort\n\n"));
    click(&order, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedOrders(), QString("PO-9|1|2|2024-03-01|2|2024-03-05|2024-04-30|8.20|5.00|13.20|NULL"));
    QCOMPARE(storedLines(), QString("1 2 1 2.60 5.20 / 2 1 1 3.00 3.00"));
    const QString firstLineId = "select min(PurchaseOrderDetailsId) from purchaseorderdetails where PurchaseOrderId > 1";
    const QVariant riceLine = TestSupport::queryValue(firstLineId);
    // A new order follows; the dates and the freight stay.
    QCOMPARE(shownLines(&order), QString());
    QCOMPARE(combo(&order, "cmbVendor")->currentText(), QString("<Add New>"));
    QCOMPARE(text(&order, "txtPurchaseOrderNo"), QString());
    QCOMPARE(dateEdit(&order, "dtExpireDate")->date(), QDate(2024, 4, 30));
    QCOMPARE(amountBox(&order, "txtTotal")->value(), 5.0);
    QCOMPARE(state(&order), QString("add"));

    openStored(&order, "PO-9");
    QCOMPARE(state(&order), QString("edit"));
    QCOMPARE(shownLines(&order), QString("Rice 2 Each 2.60 5.20 / Tea 1 Each 3.00 3.00"));
    QCOMPARE(combo(&order, "cmbVendor")->currentText(), QString("Mill: Walt"));
    QCOMPARE(order.findChild<QPlainTextEdit *>("txtShipTo")->toPlainText(), QString("1 Dock Rd\n\nPort\n\n"));
    QCOMPARE(dateEdit(&order, "dtExpireDate")->date(), QDate(2024, 4, 30));

    // A changed line, a new one (at the newest ordered price), a removed one, another
    // warehouse and expiry date.
    writeCell(&order, 0, Quantity, 3);
    addItem(&order, 1);
    order.findChild<QTableView *>("tblItems")->setCurrentIndex(lines(&order)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&order, "btnRemoveItem");
    MessageRecorder::clear();
    choose(combo(&order, "cmbWarehouses"), "Main Store");
    dateEdit(&order, "dtExpireDate")->setDate(QDate(2024, 5, 31));
    click(&order, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedLines(), QString("1 3 1 2.60 7.80 / 1 1 1 2.60 2.60"));
    // The kept line is rewritten in place, not stored anew.
    QCOMPARE(TestSupport::queryValue(firstLineId), riceLine);
    QCOMPARE(storedOrders(), QString("PO-9|1|2|2024-03-01|1|2024-03-05|2024-05-31|10.40|5.00|15.40|NULL"));
    QCOMPARE(state(&order), QString("add"));
}

void tst_purchaseorder::saveRefuses_data()
{
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("warehouse");
    QTest::addColumn<int>("item"); // the one line, 0 for none
    QTest::addColumn<QString>("message");
    QTest::newRow("no vendor, nor anything else") << "<Add New>" << "<Add New>" << 0 << "Select Vendor";
    QTest::newRow("no warehouse") << "Farm: Vera" << "<Add New>" << 1 << "Select Warehouse";
    QTest::newRow("no lines") << "Farm: Vera" << "Main Store" << 0
                              << "Select items by double clicking the first empty row below 'Item No' or 'Item' column";
}

void tst_purchaseorder::saveRefuses()
{
    QFETCH(QString, vendor);
    QFETCH(QString, warehouse);
    QFETCH(int, item);
    QFETCH(QString, message);
    frmPurchaseOrder order(nullptr);
    order.show();
    combo(&order, "cmbVendor")->setCurrentText(vendor);
    combo(&order, "cmbWarehouses")->setCurrentText(warehouse);
    if (item)
        addItem(&order, item);
    const QString shown = shownLines(&order);
    click(&order, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, message));
    QCOMPARE(storedOrders(), QString());
    QCOMPARE(shownLines(&order), shown);
}

// A line the server refuses (its item is gone) takes the header with it; the order
// stays as typed, in its state.
void tst_purchaseorder::failedSaveKeepsTheOrder_data()
{
    QTest::addColumn<bool>("editing");
    QTest::newRow("a new order") << false;
    QTest::newRow("a stored order") << true;
}

void tst_purchaseorder::failedSaveKeepsTheOrder()
{
    QFETCH(bool, editing);
    frmPurchaseOrder order(nullptr);
    order.show();
    writeOrder(&order);
    if (editing) {
        click(&order, "btnSave");
        openStored(&order, "PO-9");
        edit(&order, "txtPurchaseOrderNo")->clear();
        type(&order, "txtPurchaseOrderNo", "PO-10");
    }
    const QString stored = storedOrders() + " : " + storedLines();
    writeCell(&order, 1, ItemId, 999);
    const QString shown = shownLines(&order);
    MessageRecorder::clear();

    click(&order, "btnSave");

    // The save's own check finds the item gone: its refusal is the whole message.
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText("an item of the lines")));
    QCOMPARE(storedOrders() + " : " + storedLines(), stored);
    QCOMPARE(shownLines(&order), shown);
    QCOMPARE(state(&order), QString(editing ? "edit" : "add"));
    QCOMPARE(text(&order, "txtPurchaseOrderNo"), QString(editing ? "PO-10" : "PO-9"));
}

void tst_purchaseorder::anotherUsersChangeIsRefused_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("message");
    QTest::newRow("the order deleted") << "delete from purchaseorder where PurchaseOrderId > 1"
                                       << cDbSave::recordGoneText();
    QTest::newRow("a line added")
        << "insert into purchaseorderdetails (PurchaseOrderId, ItemId, Quantity, UOMId, BasePrice, Price) "
           "select max(PurchaseOrderId), 2, 1, 1, 1, 1 from purchaseorder"
        << "Another user has changed this purchase order meanwhile. Nothing was saved.";
}

void tst_purchaseorder::anotherUsersChangeIsRefused()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, message);
    frmPurchaseOrder order(nullptr);
    order.show();
    writeOrder(&order);
    click(&order, "btnSave");
    openStored(&order, "PO-9");
    EXEC_SQL(meanwhile);
    const QString stored = storedOrders() + " : " + storedLines();
    MessageRecorder::clear();

    click(&order, "btnSave");

    QVERIFY2(messageLog().contains(message), qPrintable(messageLog()));
    QCOMPARE(storedOrders() + " : " + storedLines(), stored);
    QCOMPARE(state(&order), QString("edit"));
}

ZARPO_TEST_MAIN(tst_purchaseorder)
#include "tst_purchaseorder.moc"
