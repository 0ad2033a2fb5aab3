#include "core/system/globals.h"
#include "purchasing/frmPurchaseRefund.h"
#include "trading/refundgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace RefundLine;

namespace {
// Farm sold us on invoice PI-1 four Rice at 10 with a discount of 2 and a tax of 1 for the
// line, made on 2024-01-15, and ten Tea at 3; Mill on invoice PI-2.
const char *fixture[] = {
    Fixture::veraAndWalt,
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1'), "
    "(2, 'Mill', 11, b'0')",
    Fixture::foodCategory,
    Fixture::riceAndTea,
    "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, EmployeeId, VendorId, Date, "
    "ShipToWarehouseID) values (1, 'PI-1', 1, 1, '2024-03-01', 1), (2, 'PI-2', 1, 2, '2024-03-02', 1)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, Quantity, UOMId, "
    "BasePrice, Discount, Tax, Price, ProductionDate) values (1, 1, 1, 4, 1, 10, 2, 1, 39, '2024-01-15'), "
    "(2, 1, 2, 10, 1, 3, 0, 0, 30, NULL), (3, 2, 2, 5, 1, 3, 0, 0, 15, NULL)",
};

QString storedRefunds()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', PurchaseInvoiceId, Date, SubTotal, Freight, Total, PaymentMethod, "
               "DepositPaid, EmployeeId, ifnull(Comment, 'NULL')) order by PurchaseRefundId separator ' / ') "
               "from purchaserefund")
        .toString();
}

// "invoice-line item quantity unit base-price discount tax price production-date" per line.
QString storedLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws(' ', PurchaseInvoiceDetailsId, ItemId, Quantity, UOMId, BasePrice, "
               "Discount, Tax, Price, ifnull(ExpireDate, 'NULL')) order by PurchaseRefundDetailsId separator ' / ') "
               "from purchaserefunddetails")
        .toString();
}

void chooseInvoice(QWidget *window, const QString &vendor, const QString &invoice)
{
    choose(combo(window, "cmbVendor"), vendor);
    choose(combo(window, "cmbInvoices"), invoice);
}
}

class tst_purchaserefund : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void roundTrip();
    void vendorChangeClearsTheGrid();
};

void tst_purchaserefund::init()
{
    freshDocumentCompany(fixture);
}

void tst_purchaserefund::cleanup()
{
    rightToLeft = false;
}

void tst_purchaserefund::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Purchase Refund");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("every vendor, active or not") << "cmbVendor" << "QComboBox" << "items"
                                                 << QVariant("Farm: Vera,Mill: Walt");
    QTest::newRow("production date shown") << "tblItems" << "QTableView" << "visibleColumns"
                                           << QVariant("0,1,2,3,4,5,6,7,9,11,12");
    QTest::newRow("headers") << "tblItems" << "QTableView" << "headers"
                             << QVariant("Item No,Item,Quantity,Refunded,Refund,Unit of Measure,Unit Price,Discount,"
                                         "Discount %,Tax,Tax %,Price,Production Date,ItemId,UOMId,DetailId,"
                                         "Invoice Detail ID");
}

void tst_purchaserefund::form()
{
    checkDocumentForm<frmPurchaseRefund>();
}

// The update writes each line's amount with its quantity, so that the lines always add up
// to the refund's subtotal; the production date goes with the line.
void tst_purchaserefund::roundTrip()
{
    frmPurchaseRefund refund(nullptr);
    refund.show();
    refund.findChild<QDateEdit *>("dtDate")->setDate(QDate(2024, 3, 5));
    chooseInvoice(&refund, "Farm: Vera", "PI-1: 2024-03-01");
    writeCell(&refund, 0, Refund, 2);
    writeCell(&refund, 1, Refund, 1);
    amountBox(&refund, "txtFreight")->setValue(2);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedRefunds(), QString("1|2024-03-05|22.50|2.00|24.50|0|0.00|1|NULL"));
    QCOMPARE(storedLines(),
             QString("1 1 2 1 10.00 2.00 1.00 19.50 2024-01-15 / 2 2 1 1 3.00 0.00 0.00 3.00 NULL"));
    QCOMPARE(state(&refund), QString("add"));
    QCOMPARE(refund.findChild<QDateEdit *>("dtDate")->date(), QDate(2024, 3, 5));

    TestSupport::whenModal([](QWidget *list) {
        chooseRow(list, "Farm");
        click(list, "btnEdit");
    });
    click(&refund, "btnSearch");
    QCOMPARE(state(&refund), QString("edit"));
    QCOMPARE(combo(&refund, "cmbVendor")->currentText(), QString("Farm: Vera"));
    QCOMPARE(lines(&refund)->index(0, Date).data(Qt::EditRole).toDate(), QDate(2024, 1, 15));
    writeCell(&refund, 0, Refund, 1);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedRefunds(), QString("1|2024-03-05|12.75|2.00|14.75|0|0.00|1|NULL"));
    QCOMPARE(storedLines(),
             QString("1 1 1 1 10.00 2.00 1.00 9.75 2024-01-15 / 2 2 1 1 3.00 0.00 0.00 3.00 NULL"));
}

void tst_purchaserefund::vendorChangeClearsTheGrid()
{
    frmPurchaseRefund refund(nullptr);
    chooseInvoice(&refund, "Farm: Vera", "PI-1: 2024-03-01");
    writeCell(&refund, 0, Refund, 2);
    QCOMPARE(amountBox(&refund, "txtSubTotal")->value(), 19.5);
    choose(combo(&refund, "cmbVendor"), "Mill: Walt");
    QCOMPARE(lines(&refund)->rowCount(), 0);
    QCOMPARE(amountBox(&refund, "txtTotal")->value(), 0.0);
    click(&refund, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, "Select Purchase Invoice"));
    choose(combo(&refund, "cmbInvoices"), "PI-2: 2024-03-02");
    QCOMPARE(lines(&refund)->rowCount(), 1);
}

ZARPO_TEST_MAIN(tst_purchaserefund)
#include "tst_purchaserefund.moc"
