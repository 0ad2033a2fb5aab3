#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "partners/frmPersons.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/orders/salesgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/heldchange.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QLineEdit>

using TestSupport::HeldChange;
using TestSupport::MessageRecorder;
using TestSupport::messageLog;

namespace {
// A stored sales invoice of Rice × 5 at 2.50 for customer Acme, from the main warehouse.
const char *invoiceFixture[] = {
    "update warehouses set WarehouseName = 'Main', City = 'Cairo' where WarehouseId = 1",
    Fixture::aliceAndBob,
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 10, b'1')",
    Fixture::foodCategory,
    Fixture::riceAndTea,
    Fixture::riceAndTeaPrices,
    "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, WarehouseId, EmployeeId, CustomerId, Date, ShipDate, "
    "Subtotal, Freight, Total, PaymentMethod, DepositPaid) values "
    "(1, 'I-1', 1, 1, 1, '2026-01-05', '2026-01-05', 12.50, 0, 12.50, '0', 0)",
    "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, Quantity, UOMId, PriceTypeId, "
    "BasePrice, Discount, Tax, Price) values (1, 1, 1, 5, 1, 1, 2.50, 0, 0, 12.50)",
};
} // namespace

// Another user's change that is not yet committed when Save is pressed: a read that does
// not lock finds the record as it was loaded, and the save then writes over the change
// once it is committed. The save must wait for it and find it.
class tst_storedrecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void documentSaveWaitsForAChangeHeldOpen_data();
    void documentSaveWaitsForAChangeHeldOpen();
    void editorSaveWaitsForAChangeHeldOpen();
};

void tst_storedrecord::init()
{
    freshDocumentCompany(invoiceFixture);
}

void tst_storedrecord::documentSaveWaitsForAChangeHeldOpen_data()
{
    QTest::addColumn<QStringList>("meanwhile");
    QTest::addColumn<QString>("refusal");
    const QString changed = cDbSave::recordChangedText("this sales invoice");
    QTest::newRow("its deposit") << QStringList{"update salesinvoice set DepositPaid = 12.50"} << changed;
    QTest::newRow("a line's quantity") << QStringList{"update salesinvoicedetails set Quantity = 4"} << changed;
    QTest::newRow("a payment recorded") << QStringList{"insert into salespayments (SalesInvoiceId, PaymentDate, "
                                                       "PaymentMethod, Amount) values (1, '2026-01-06', '0', 12.50)"}
                                        << changed;
    QTest::newRow("a refund of the lowered line")
        << QStringList{"insert into salesrefund (SalesRefundId, SalesInvoiceId, EmployeeId, Date, SubTotal, Total) "
                       "values (1, 1, 1, '2026-01-07', 7.50, 7.50)",
                       "insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, Quantity, "
                       "UOMId, BasePrice, Price) values (1, 1, 1, 3, 1, 2.50, 7.50)"}
        << QString("Line 1 (%1) has been refunded: 3 of it taken back.").arg(Direction::isolated("Rice"));
}

void tst_storedrecord::documentSaveWaitsForAChangeHeldOpen()
{
    QFETCH(QStringList, meanwhile);
    QFETCH(QString, refusal);
    frmSalesInvoice invoice(nullptr);
    invoice.show();
    openStored(&invoice, "I-1");
    // Rice down from 5 to 2: below the 3 that the held refund takes back.
    writeCell(&invoice, 0, SalesLine::Quantity, 2);
    MessageRecorder::clear();

    HeldChange other(meanwhile);
    click(&invoice, "btnSave");
    QCOMPARE(other.finish(), QString());

    QVERIFY2(messageLog().contains(refusal) && messageLog().endsWith("Nothing was saved."), qPrintable(messageLog()));
    QVERIFY(TestSupport::queryValue("select Quantity from salesinvoicedetails").toInt() != 2);
    QCOMPARE(state(&invoice), QString("edit"));
}

void tst_storedrecord::editorSaveWaitsForAChangeHeldOpen()
{
    EXEC_SQL("insert into persons (PersonId, PersonName, City) values (3, 'Omar', NULL)");
    frmPersons editor(nullptr, 3);
    editor.show();
    type(&editor, "txtName", " Said");

    HeldChange other({"update persons set City = 'Theirs' where PersonId = 3"});
    click(&editor, "btnSave");
    QCOMPARE(other.finish(), QString());

    QVERIFY2(messageLog().endsWith(cDbSave::recordChangedText("this person")), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue("select concat(PersonName, ' ', City) from persons where PersonId = 3").toString(),
             QString("Omar Theirs"));
    QCOMPARE(text(&editor, "txtName"), QString("Omar Said"));
}

ZARPO_TEST_MAIN(tst_storedrecord)
#include "tst_storedrecord.moc"
