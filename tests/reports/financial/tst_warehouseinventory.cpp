#include "core/system/globals.h"
#include "reports/financial/RptWarehouseInventory.h"
#include "reports/financial/wWarehouseInventory.h"
#include "reports/framework/frmReportViewer.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QWebFrame>
#include <QWebView>

// The mixed-unit text, the conversion lookup and the warehouse panel. The report's pages
// are compared with their expected text in the reports test (folders INVQTY ...).
class tst_warehouseinventory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formatQuantity_data();
    void formatQuantity();
    void uomVarianceReadsTheConversionOrZero();
    void onlyANegativeStockIsInItalics();
    void panelListsEveryWarehouseFirstChosen();
    void panelWithoutWarehouseRunsNothing();
    void failedConversionLookupIsToldAndShowsNoPage();
};

void tst_warehouseinventory::initTestCase()
{
    ReportSupport::copyReportTemplates();
}

void tst_warehouseinventory::init()
{
    TestSupport::freshCompany();
    TestSupport::MessageRecorder::clear();
}

void tst_warehouseinventory::cleanup()
{
    ReportSupport::closeViewers();
}

void tst_warehouseinventory::formatQuantity_data()
{
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QList<int>>("factors");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QList<int>>("unconverted");
    QTest::addColumn<QString>("text");
    const QStringList three{"Piece", "Box", "Carton"};
    const QList<int> dozensByTen{1, 12, 10};
    QTest::newRow("250: zero boxes between") << three << dozensByTen << 250 << QList<int>()
                                             << "Carton: 2, Box: 0, Piece: 10";
    QTest::newRow("252: stops when nothing is left") << three << dozensByTen << 252 << QList<int>() << "Carton: 2, Box: 1";
    QTest::newRow("240: whole cartons alone") << three << dozensByTen << 240 << QList<int>() << "Carton: 2";
    QTest::newRow("10: from the largest unit down") << three << dozensByTen << 10 << QList<int>()
                                                    << "Carton: 0, Box: 0, Piece: 10";
    QTest::newRow("0: the largest unit with 0") << three << dozensByTen << 0 << QList<int>() << "Carton: 0";
    QTest::newRow("-250: negative counts") << three << dozensByTen << -250 << QList<int>()
                                           << "Carton: -2, Box: 0, Piece: -10";
    QTest::newRow("one unit holds everything") << QStringList{"Kilogram"} << QList<int>{1} << 1234 << QList<int>()
                                               << "Kilogram: 1234";
    QTest::newRow("two units") << QStringList{"Each", "Pack"} << QList<int>{1, 6} << 20 << QList<int>()
                               << "Pack: 3, Each: 2";
    QTest::newRow("no units, no text") << QStringList() << QList<int>() << 0 << QList<int>() << "";
    QTest::newRow("missing conversion: smallest unit, marked")
        << three << QList<int>{1, 0, 10} << 250 << QList<int>{0, 0, 0} << "Piece: 250 (no conversion to Box)";
    QTest::newRow("missing conversion: the units past it keep their counts")
        << three << QList<int>{1, 0, 10} << 250 << QList<int>{0, 3, -1}
        << "Piece: 250, Box: 3, Carton: -1 (no conversion to Box)";
    QTest::newRow("a conversion below one unit counts as missing")
        << three << QList<int>{1, 12, 0} << 30 << QList<int>{0, 0, 2} << "Piece: 30, Carton: 2 (no conversion to Carton)";
}

void tst_warehouseinventory::formatQuantity()
{
    QFETCH(QStringList, units);
    QFETCH(QList<int>, factors);
    QFETCH(int, quantity);
    QFETCH(QList<int>, unconverted);
    QFETCH(QString, text);
    QCOMPARE(RptWarehouseInventory::formatQuantity(units, factors, quantity, unconverted), text);
}

void tst_warehouseinventory::uomVarianceReadsTheConversionOrZero()
{
    EXEC_SQL("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-1', 'Paper', 1), (2, 'I-1', 'Ink', 1)");
    EXEC_SQL("INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, Variance) VALUES (1, 2, 1, 12.7500), (2, 3, 2, 10)");
    bool ok = false;
    QCOMPARE(RptWarehouseInventory::uomVariance(1, 2, 1, &ok), 12.75);
    QVERIFY(ok);
    QCOMPARE(RptWarehouseInventory::uomVariance(1, 1, 2, &ok), 0.0); // the other way round
    QVERIFY(ok);
    QCOMPARE(RptWarehouseInventory::uomVariance(1, 3, 2, &ok), 0.0); // another item's conversion
    QVERIFY(ok);
    QCOMPARE(TestSupport::messageLog(), QString());
}

// Italics mark more given out than received; a hyphen in a unit's name is no minus sign.
void tst_warehouseinventory::onlyANegativeStockIsInItalics()
{
    EXEC_SQL("INSERT INTO uom (UOMId, UOM) VALUES (9, 'Pre-pack')");
    EXEC_SQL("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'T-1', 'Toner', 1), (2, 'N-1', 'Notebook', 1)");
    EXEC_SQL("INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 1, 40), (2, 1, 9, 4)");
    EXEC_SQL("INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, WarehouseId) VALUES (1, 'SI-1', '2013-05-04', 1)");
    EXEC_SQL("INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES (1, 1, 1, 3, 120)");
    EXEC_SQL("INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) "
             "VALUES (1, 'PI-1', '2013-05-01', 1)");
    EXEC_SQL("INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) VALUES (1, 2, 9, 8, 3)");

    RptWarehouseInventory::showReport(1, "Main Store");
    QCOMPARE(ReportSupport::openViewers().size(), 1);
    frmReportViewer *viewer = ReportSupport::openViewers().first();
    QVERIFY(ReportSupport::waitUntilReady(viewer));
    const QString page = viewer->webView->page()->mainFrame()->toHtml();
    QVERIFY2(page.contains("<td> <i>Each: -3</i> </td>"), qPrintable(page));
    QVERIFY2(page.contains("<td> Pre-pack: 8 </td>"), qPrintable(page));
}

void tst_warehouseinventory::panelListsEveryWarehouseFirstChosen()
{
    EXEC_SQL("INSERT INTO warehouses (WarehouseId, WarehouseName, IsActive) VALUES (3, 'Closed Depot', 0)");
    QWidget area;
    wWarehouseInventory panel(&area);
    QComboBox *warehouses = combo(&panel, "cmbWarehouse");
    QCOMPARE(comboTexts(warehouses), (QStringList{"Main Store", "Warehouse", "Closed Depot"}));
    QCOMPARE(warehouses->itemData(2).toInt(), 3);
    QCOMPARE(warehouses->currentIndex(), 0);
}

void tst_warehouseinventory::panelWithoutWarehouseRunsNothing()
{
    EXEC_SQL("DELETE FROM warehouses");
    QWidget area;
    wWarehouseInventory panel(&area);
    panel.runReport();
    QCOMPARE(ReportSupport::openViewers().size(), 0);
    QCOMPARE(TestSupport::messageLog(), TestSupport::messageEntry(Messages::Information, "There is no warehouse to list."));
}

// A conversion that cannot be read must not print as a missing one.
void tst_warehouseinventory::failedConversionLookupIsToldAndShowsNoPage()
{
    EXEC_SQL("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-1', 'Paper', 1)");
    EXEC_SQL("INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 1, 2), (1, 1, 2, 20)");
    EXEC_SQL("DROP TABLE itemuom");
    RptWarehouseInventory::showReport(1, "Main Store");
    QCOMPARE(ReportSupport::openViewers().size(), 0);
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    QCOMPARE(TestSupport::MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(TestSupport::MessageRecorder::last().text.startsWith(msgSelectFailed + '\n'),
             qPrintable(TestSupport::messageLog()));
}

ZARPO_TEST_MAIN(tst_warehouseinventory)
#include "tst_warehouseinventory.moc"
