#include "core/system/globals.h"
#include "items/frmInventory.h"
#include "items/frmItemCapital.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QTableView>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageLog;

namespace {
// Two warehouses, the second no longer active; paper bought in two units and refunded
// both ways; a service bought and sold; toner sold beyond what was bought; glue sold where
// it was never bought; paper in the inactive warehouse too.
const char *const stockFixture[] = {
    "update warehouses set IsActive = 0 where WarehouseId = 2",
    "insert into items (ItemId, ItemNo, ItemName, TypeId) values "
    "(1, 'P-100', 'Paper', 1), (2, 'S-1', 'Delivery', 2), (3, 'T-1', 'Toner', 1), (4, 'G-1', 'Glue', 1)",
    // Paper by the case at 30 and 32.50 (31.25 on average), by each at 2.50 and 2.55
    // (2.525: its capital falls between two cents); glue has no list price.
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values "
    "(1, 1, 2, 30), (1, 3, 2, 32.50), (1, 1, 1, 2.50), (1, 3, 1, 2.55), (2, 1, 1, 50), (3, 1, 1, 40)",
    "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) values "
    "(1, 'PI-1', '2013-05-01', 1), (2, 'PI-2', '2013-05-02', 2)",
    // The capital takes the price of the last line of an item and unit, in any warehouse:
    // 25 for a case of paper.
    "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, "
    "BasePrice) values (1, 1, 1, 2, 10, 24.10), (2, 1, 1, 1, 50, 0.30), (3, 1, 2, 1, 5, 20), (4, 1, 3, 1, 2, 35), "
    "(5, 2, 1, 2, 100, 25)",
    "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date) values "
    "(1, 1, '2013-05-03'), (2, 2, '2013-05-03')",
    "insert into purchaserefunddetails (PurchaseRefundId, ItemId, UOMId, Quantity) values (1, 1, 1, 4), (2, 1, 2, 30)",
    "insert into salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, WarehouseId) values "
    "(1, 'SI-1', '2013-05-04', 1), (2, 'SI-2', '2013-05-04', 2)",
    "insert into salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) values "
    "(1, 1, 2, 3, 32), (1, 1, 1, 7, 2.5), (1, 2, 1, 1, 50), (1, 3, 1, 5, 40), (1, 4, 1, 4, 9), (2, 1, 2, 20, 31)",
    "insert into salesrefund (SalesRefundId, SalesInvoiceId, Date) values (1, 1, '2013-05-05')",
    "insert into salesrefunddetails (SalesRefundId, ItemId, UOMId, Quantity) values (1, 1, 2, 1)",
};

bool addStockFixture()
{
    for (const char *statement : stockFixture)
        if (!TestSupport::execSql(statement))
            return false;
    return true;
}

// The rows in the server's order, and sorted where the order is the server's choice.
QStringList sortedRows(const QTableView *view)
{
    QStringList rows = shownRows(view);
    rows.sort();
    return rows;
}

QString total(QWidget *window, const char *name)
{
    return window->findChild<QDoubleSpinBox *>(name)->text();
}
}

class tst_stock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void inventoryOfTheActiveWarehouse();
    void inventoryWithoutAnActiveWarehouse();
    void choosingTheWarehouseAgainReadsTheStockAnew();
    void itemCapital_data();
    void itemCapital();
    void failedReadIsTold_data();
    void failedReadIsTold();
};

void tst_stock::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_stock::cleanup()
{
    rightToLeft = false;
}

void tst_stock::form_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    const auto row = [](const char *name, const char *window, const char *object, const char *kind,
                        const char *property, const QVariant &value) {
        QTest::newRow(name) << window << object << kind << property << value;
    };
    row("inventory title", "frmInventory", "", "QDialog", "windowTitle", "Item Inventory");
    row("inventory size", "frmInventory", "", "QDialog", "size", QSize(691, 463));
    row("inventory label", "frmInventory", "label", "QLabel", "text", "Warehouse:");
    row("inventory headers", "frmInventory", "tblData", "QTableView", "headers",
        "ItemId,Item No,Item Name,UOM,purchased,Sold,QOH");
    row("inventory hides the item id", "frmInventory", "tblData", "QTableView", "visibleColumns", "1,2,3,4,5,6");
    row("inventory alternates row colours", "frmInventory", "tblData", "QTableView", "alternatingRowColors", true);
    row("capital title", "frmItemCapital", "", "QDialog", "windowTitle", "Item Capital");
    row("capital size", "frmItemCapital", "", "QDialog", "size", QSize(684, 488));
    row("capital headers", "frmItemCapital", "tblItems", "QTableView", "headers",
        "ItemId,Item No.,Item Name,Unit Of Measure,Purchased,Sold,QOH,Purchase Capital,Sales Capital");
    row("capital hides the item id", "frmItemCapital", "tblItems", "QTableView", "visibleColumns",
        "1,2,3,4,5,6,7,8");
    row("capital selects rows", "frmItemCapital", "tblItems", "QTableView", "selectionBehavior",
        int(QAbstractItemView::SelectRows));
    row("capital dashed grid", "frmItemCapital", "tblItems", "QTableView", "gridStyle", int(Qt::DashLine));
    row("capital sales total label", "frmItemCapital", "label_3", "QLabel", "text", "Total Sales:");
    row("capital profit label", "frmItemCapital", "label_4", "QLabel", "text", "Estimated Profit/Loss:");
    row("inventory right to left in Arabic", "frmInventory", "", "QDialog", "layoutDirection", int(Qt::RightToLeft));
    row("capital right to left in Arabic", "frmItemCapital", "", "QDialog", "layoutDirection", int(Qt::RightToLeft));
}

void tst_stock::form()
{
    QFETCH(QString, window);
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = property == "layoutDirection";
    std::unique_ptr<QDialog> dialog;
    if (window == "frmInventory")
        dialog.reset(new frmInventory(nullptr));
    else
        dialog.reset(new frmItemCapital(nullptr));
    const QString problem = TestSupport::checkForm(dialog.get(), object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// Only the active warehouse is offered, and only its stock is shown, net of both kinds of
// refund: glue sold but never bought and toner sold beyond what was bought show as
// negative stock; the service is no stock at all.
void tst_stock::inventoryOfTheActiveWarehouse()
{
    QVERIFY2(addStockFixture(), qPrintable(TestSupport::lastSqlError()));
    frmInventory window(nullptr);

    QCOMPARE(comboTexts(combo(&window, "cmbWarehouses")), QStringList{"Main Store"});
    const QTableView *grid = window.findChild<QTableView *>("tblData");
    QStringList itemNumbers;
    for (const QString &row : shownRows(grid))
        itemNumbers << row.section('|', 0, 0);
    QCOMPARE(itemNumbers, QStringList({"G-1", "P-100", "P-100", "T-1"}));
    QCOMPARE(sortedRows(grid), QStringList({"G-1|Glue|Each|0|4|-4", "P-100|Paper|Case|10|2|8",
                                            "P-100|Paper|Each|46|7|39", "T-1|Toner|Each|2|5|-3"}));
    // Rows as low as the font lets them be without cutting their text.
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), qMax(20, grid->verticalHeader()->minimumSectionSize()));
    QCOMPARE(messageLog(), QString());
}

void tst_stock::inventoryWithoutAnActiveWarehouse()
{
    QVERIFY2(addStockFixture(), qPrintable(TestSupport::lastSqlError()));
    EXEC_SQL("update warehouses set IsActive = 0");
    frmInventory window(nullptr);

    QCOMPARE(combo(&window, "cmbWarehouses")->count(), 0);
    QCOMPARE(shownRows(window.findChild<QTableView *>("tblData")), QStringList());
    QCOMPARE(messageLog(), QString());
}

void tst_stock::choosingTheWarehouseAgainReadsTheStockAnew()
{
    QVERIFY2(addStockFixture(), qPrintable(TestSupport::lastSqlError()));
    frmInventory window(nullptr);
    EXEC_SQL("insert into salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) "
             "values (1, 3, 1, 1, 40)");

    choose(combo(&window, "cmbWarehouses"), "Main Store");

    QCOMPARE(shownRows(window.findChild<QTableView *>("tblData")).constLast(), QString("T-1|Toner|Each|2|6|-4"));
}

void tst_stock::itemCapital_data()
{
    QTest::addColumn<bool>("stock");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("rows"); // sorted
    QTest::addColumn<QStringList>("totals"); // purchases, sales, profit
    // Each row's capitals at the cent; glue has neither a purchase price nor a list price,
    // so it adds nothing to either total.
    QTest::newRow("stock of every warehouse, a capital rounded to the cent, NULLs as 0")
        << true << ""
        << QStringList{"G-1|Glue|Each|0|4|-4||", "P-100|Paper|Case|10|2|8|200.00|250.00",
                       "P-100|Paper|Case|70|20|50|1250.00|1562.50", "P-100|Paper|Each|46|7|39|11.70|98.48",
                       "T-1|Toner|Each|2|5|-3|-105.00|-120.00"}
        << QStringList{"1356.70", "1790.98", "434.28"};
    QTest::newRow("empty company") << false << "" << QStringList() << QStringList{"0.00", "0.00", "0.00"};
    QTest::newRow("totals beyond a billion shown whole")
        << false
        << "insert into items (ItemId, ItemNo, ItemName, TypeId) values (1, 'B-1', 'Bullion', 1);"
           "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 99999999.99);"
           "insert into purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, ShipToWarehouseID) "
           "values (1, 'PI-1', 1);"
           "insert into purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) "
           "values (1, 1, 1, 30, 90000000.10)"
        << QStringList{"B-1|Bullion|Each|30|0|30|2700000003.00|2999999999.70"}
        << QStringList{"2700000003.00", "2999999999.70", "299999996.70"};
}

void tst_stock::itemCapital()
{
    QFETCH(bool, stock);
    QFETCH(QString, fixture);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, totals);
    if (stock)
        QVERIFY2(addStockFixture(), qPrintable(TestSupport::lastSqlError()));
    for (const QString &statement : fixture.split(';', Qt::SkipEmptyParts))
        EXEC_SQL(statement);

    frmItemCapital window(nullptr);

    QCOMPARE(sortedRows(window.findChild<QTableView *>("tblItems")), rows);
    QCOMPARE(QStringList({total(&window, "dblPurchases"), total(&window, "dblSales"), total(&window, "dblProfit")}),
             totals);
    QCOMPARE(messageLog(), QString());
}

void tst_stock::failedReadIsTold_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("breakIt");
    QTest::addColumn<QString>("named"); // what the server's error names
    // Stock on hand sums the document lines itself; item capital reads its view.
    QTest::newRow("stock on hand") << "frmInventory" << "rename table salesrefunddetails to salesrefunddetails_gone"
                                   << "salesrefunddetails";
    QTest::newRow("item capital") << "frmItemCapital" << "drop view vw_itemcapital" << "vw_itemcapital";
}

// An empty grid and totals of 0.00 would read as a stock of nothing.
void tst_stock::failedReadIsTold()
{
    QFETCH(QString, window);
    QFETCH(QString, breakIt);
    QFETCH(QString, named);
    QVERIFY2(addStockFixture(), qPrintable(TestSupport::lastSqlError()));
    EXEC_SQL(breakIt);

    std::unique_ptr<QDialog> dialog;
    if (window == "frmInventory")
        dialog.reset(new frmInventory(nullptr));
    else
        dialog.reset(new frmItemCapital(nullptr));

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(messageLog().startsWith(TestSupport::messageEntry(Messages::Critical, msgSelectFailed + '\n')),
             qPrintable(messageLog()));
    QVERIFY2(messageLog().contains(named, Qt::CaseInsensitive), qPrintable(messageLog()));
}

ZARPO_TEST_MAIN(tst_stock)
#include "tst_stock.moc"
