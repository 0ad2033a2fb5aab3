#include "app/cItemValidity.h"
#include "app/frmMainWindow.h"
#include "tests/support/testsupport.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QToolButton>

using Line = cItemValidity::PurchaseLine;
Q_DECLARE_METATYPE(QList<cItemValidity::PurchaseLine>)

namespace {
const QDate today(2024, 5, 15);

Line line(double quantity, const QDate &expires)
{
    return Line{quantity, expires};
}

Line expiringIn(double quantity, int days)
{
    return Line{quantity, today.addDays(days)};
}

enum Unit { Each = 1, Case = 2, Kilogram = 6 };

// An item of the Inventory type; `validityDays` 0 stores no validity period.
QString item(int itemId, const QString &itemNo, const QString &name, int validityDays = 30)
{
    return QString("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId, ValidityInDays) VALUES (%1, '%2', '%3', 1, %4)")
        .arg(itemId)
        .arg(itemNo, name, validityDays > 0 ? QString::number(validityDays) : "NULL");
}

// A purchase invoice `lineId` with one line, produced so that it expires on `expires` (an
// SQL date) for an item valid 30 days; a null `expires` stores no production date. Later
// lines are newer.
QStringList buy(int lineId, int warehouse, int itemId, int quantity, Unit unit, const QString &expires)
{
    const QString produced = expires.isNull() ? "NULL" : expires + " - INTERVAL 30 DAY";
    return {QString("INSERT INTO purchaseinvoice (PurchaseInvoiceId, Date, ShipToWarehouseID) "
                    "VALUES (%1, CURDATE(), %2)")
                .arg(lineId)
                .arg(warehouse),
            QString("INSERT INTO purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, "
                    "Quantity, UOMId, ProductionDate) VALUES (%1, %1, %2, %3, %4, %5)")
                .arg(lineId)
                .arg(itemId)
                .arg(quantity)
                .arg(unit)
                .arg(produced)};
}

QStringList sell(int invoiceId, int warehouse, int itemId, int quantity, Unit unit = Each)
{
    return {QString("INSERT INTO salesinvoice (SalesInvoiceId, Date, WarehouseId) VALUES (%1, CURDATE(), %2)")
                .arg(invoiceId)
                .arg(warehouse),
            QString("INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, Quantity, UOMId) VALUES (%1, %2, %3, %4)")
                .arg(invoiceId)
                .arg(itemId)
                .arg(quantity)
                .arg(unit)};
}

QStringList giveBack(int refundId, int lineId, int itemId, int quantity)
{
    return {QString("INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date) VALUES (%1, %2, CURDATE())")
                .arg(refundId)
                .arg(lineId),
            QString("INSERT INTO purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, Quantity, "
                    "UOMId) VALUES (%1, %2, %3, %4, 1)")
                .arg(refundId)
                .arg(lineId)
                .arg(itemId)
                .arg(quantity)};
}

const QString expired = "CURDATE() - INTERVAL 1 DAY";
const QString fresh = "CURDATE() + INTERVAL 1 YEAR";

bool runAll(const QStringList &statements)
{
    for (const QString &sql : statements)
        if (!TestSupport::execSql(sql))
            return false;
    return true;
}

QTableWidget *expiryGrid(QWidget *window)
{
    return window->findChild<QTableWidget *>("tblExpired");
}

// Each row as its six cells and its background, "mixed" when the cells of a row differ.
QStringList gridRows(QTableWidget *grid)
{
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        QSet<QString> colours;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem *cell = grid->item(row, column);
            cells << (cell ? cell->text() : "<none>");
            colours << (cell ? cell->background().color().name() : "<none>");
        }
        cells << (colours.size() == 1 ? *colours.begin() : "mixed");
        rows << cells.join('|');
    }
    return rows;
}
}

class tst_itemvalidity : public QObject
{
    Q_OBJECT

private slots:
    void allot_data();
    void allot();
    void panelRecords_data();
    void panelRecords();
    void gridKeepsRecordsWholeWhenSortedAndRefreshed();
};

namespace {
void freshCompany()
{
    TestSupport::freshCompany();
    QFile::remove(TestSupport::settingsPath());
}
}

void tst_itemvalidity::allot_data()
{
    QTest::addColumn<QList<Line>>("lines"); // newest first
    QTest::addColumn<double>("onHand");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<double>("expired");
    QTest::addColumn<double>("week");
    QTest::addColumn<double>("month");

    QTest::newRow("the newest line fills first, the rest comes from an older one")
        << QList<Line>{expiringIn(6, 20), expiringIn(8, -3)} << 10.0 << today << 4.0 << 0.0 << 6.0;
    QTest::newRow("a line larger than the stock counts the stock only")
        << QList<Line>{expiringIn(15, 3), expiringIn(5, -3)} << 10.0 << today << 0.0 << 10.0 << 0.0;
    QTest::newRow("goods expiring next year are classed nowhere")
        << QList<Line>{expiringIn(12, 365)} << 10.0 << today << 0.0 << 0.0 << 0.0;
    QTest::newRow("expiring today is expired") << QList<Line>{expiringIn(5, 0)} << 5.0 << today << 5.0 << 0.0 << 0.0;
    QTest::newRow("expired yesterday is expired") << QList<Line>{expiringIn(5, -1)} << 5.0 << today << 5.0 << 0.0
                                                  << 0.0;
    QTest::newRow("expiring tomorrow is within the week")
        << QList<Line>{expiringIn(5, 1)} << 5.0 << today << 0.0 << 5.0 << 0.0;
    QTest::newRow("expiring in seven days is within the week")
        << QList<Line>{expiringIn(5, 7)} << 5.0 << today << 0.0 << 5.0 << 0.0;
    QTest::newRow("expiring in eight days is within the month")
        << QList<Line>{expiringIn(5, 8)} << 5.0 << today << 0.0 << 0.0 << 5.0;
    QTest::newRow("one calendar month from today is within the month")
        << QList<Line>{line(5, QDate(2024, 6, 15))} << 5.0 << today << 0.0 << 0.0 << 5.0;
    QTest::newRow("a day past the calendar month is classed nowhere")
        << QList<Line>{line(5, QDate(2024, 6, 16))} << 5.0 << today << 0.0 << 0.0 << 0.0;
    QTest::newRow("31 January: the last of February is within the month")
        << QList<Line>{line(5, QDate(2023, 2, 28))} << 5.0 << QDate(2023, 1, 31) << 0.0 << 0.0 << 5.0;
    QTest::newRow("31 January: 1 March is past the month")
        << QList<Line>{line(5, QDate(2023, 3, 1))} << 5.0 << QDate(2023, 1, 31) << 0.0 << 0.0 << 0.0;
    QTest::newRow("31 January of a leap year: 29 February is within the month")
        << QList<Line>{line(5, QDate(2024, 2, 29))} << 5.0 << QDate(2024, 1, 31) << 0.0 << 0.0 << 5.0;
    QTest::newRow("a fully returned line is passed over")
        << QList<Line>{expiringIn(0, -5), expiringIn(4, 3)} << 4.0 << today << 0.0 << 4.0 << 0.0;
    QTest::newRow("a line returned beyond what it brought takes nothing from the next")
        << QList<Line>{expiringIn(-2, -5), expiringIn(4, 3)} << 4.0 << today << 0.0 << 4.0 << 0.0;
    QTest::newRow("a line without expiry never expires, and covers its share")
        << QList<Line>{line(5, QDate()), expiringIn(5, -1)} << 8.0 << today << 3.0 << 0.0 << 0.0;
    QTest::newRow("lines covering less than on hand class only what they cover")
        << QList<Line>{expiringIn(3, -1), expiringIn(2, 5)} << 10.0 << today << 3.0 << 2.0 << 0.0;
    QTest::newRow("the walk ends when the stock is allotted")
        << QList<Line>{expiringIn(4, 40), expiringIn(6, -1), expiringIn(5, -2)} << 10.0 << today << 6.0 << 0.0
        << 0.0;
    QTest::newRow("nothing on hand classes nothing") << QList<Line>{expiringIn(5, -1)} << 0.0 << today << 0.0 << 0.0
                                                     << 0.0;
}

void tst_itemvalidity::allot()
{
    QFETCH(QList<Line>, lines);
    QFETCH(double, onHand);
    QFETCH(QDate, today);
    QFETCH(double, expired);
    QFETCH(double, week);
    QFETCH(double, month);

    const cItemValidity::Classes classes = cItemValidity::allot(lines, onHand, today);
    QCOMPARE(classes.expired, expired);
    QCOMPARE(classes.week, week);
    QCOMPARE(classes.month, month);
}

void tst_itemvalidity::panelRecords_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QStringList>("records"); // ItemNo|UOM|quantity|expiresWithin

    QTest::newRow("expired before the month, both from one stock row")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 8, Each, expired)
               + buy(2, 1, 1, 6, Each, "CURDATE() + INTERVAL 20 DAY") + sell(1, 1, 1, 4)
        << QStringList{"M1|Each|4|0", "M1|Each|6|30"};
    QTest::newRow("the limits: today, seven days, eight days, a month, a month and a day")
        << QStringList{item(1, "A1", "Today"), item(2, "A2", "Week"), item(3, "A3", "Eighth"), item(4, "A4", "Month"),
                       item(5, "A5", "Later")}
               + buy(1, 1, 1, 1, Each, "CURDATE()") + buy(2, 1, 2, 2, Each, "CURDATE() + INTERVAL 7 DAY")
               + buy(3, 1, 3, 3, Each, "CURDATE() + INTERVAL 8 DAY")
               + buy(4, 1, 4, 4, Each, "CURDATE() + INTERVAL 1 MONTH")
               + buy(5, 1, 5, 5, Each, "CURDATE() + INTERVAL 1 MONTH + INTERVAL 1 DAY")
        << QStringList{"A1|Each|1|0", "A2|Each|2|7", "A3|Each|3|30", "A4|Each|4|30"};
    QTest::newRow("stock in two warehouses is counted once")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 2, 1, 10, Each, fresh) + buy(2, 1, 1, 10, Each, expired)
        << QStringList{"M1|Each|10|0"};
    QTest::newRow("goods sold from a warehouse they were never bought into leave the stock")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 10, Each, expired) + sell(1, 2, 1, 4)
        << QStringList{"M1|Each|6|0"};
    QTest::newRow("each unit is walked over the lines bought in it")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 10, Each, fresh) + buy(2, 1, 1, 2, Case, expired)
        << QStringList{"M1|Case|2|0"};
    QTest::newRow("a line without a production date never expires")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 5, Each, expired) + buy(2, 1, 1, 5, Each, QString())
               + sell(1, 1, 1, 2)
        << QStringList{"M1|Each|3|0"};
    QTest::newRow("an item without a validity period never expires")
        << QStringList{item(1, "N1", "Nails", 0)} + buy(1, 1, 1, 5, Each, "CURDATE() - INTERVAL 5 YEAR")
        << QStringList();
    QTest::newRow("a line returned in full counts nothing")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 3, Each, "CURDATE() + INTERVAL 5 DAY")
               + buy(2, 1, 1, 5, Each, expired) + giveBack(1, 2, 1, 5)
        << QStringList{"M1|Each|3|7"};
    QTest::newRow("an item sold out is not listed, however old its lines")
        << QStringList{item(1, "M1", "Milk")} + buy(1, 1, 1, 5, Each, "CURDATE() - INTERVAL 3 YEAR")
               + sell(1, 1, 1, 5)
        << QStringList();
}

void tst_itemvalidity::panelRecords()
{
    QFETCH(QStringList, fixture);
    QFETCH(QStringList, records);
    freshCompany();
    QVERIFY2(runAll(fixture), qPrintable(TestSupport::lastSqlError()));

    QStringList found;
    for (const ItemRow &row : cItemValidity().itemsValidity())
        found << QString("%1|%2|%3|%4").arg(row.ItemNo, row.UOM).arg(row.quantity).arg(row.expiresWithin);
    QCOMPARE(found, records);
}

void tst_itemvalidity::gridKeepsRecordsWholeWhenSortedAndRefreshed()
{
    freshCompany();
    QVERIFY2(runAll(QStringList{item(1, "B2", "Bread"), item(2, "A1", "Apples"), item(3, "C3", "Cheese")}
                    + buy(1, 1, 1, 8, Each, expired) + buy(2, 1, 1, 6, Each, "CURDATE() + INTERVAL 20 DAY")
                    + sell(1, 1, 1, 4) + buy(3, 1, 2, 3, Each, "CURDATE() + INTERVAL 2 DAY")
                    + buy(4, 1, 3, 2, Each, expired)),
             qPrintable(TestSupport::lastSqlError()));
    frmMainWindow window;
    window.show();
    QTableWidget *grid = expiryGrid(&window);

    QCOMPARE(gridRows(grid), (QStringList{"1|B2|Bread|Each|4|Expired|#fbe4e4", "1|B2|Bread|Each|6|A Month|#d7ffd7",
                                          "2|A1|Apples|Each|3|A Week|#f5f5f5", "3|C3|Cheese|Each|2|Expired|#fbe4e4"}));

    QHeaderView *header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 5, 5));
    QCOMPARE(header->sortIndicatorSection(), 2);
    header->setSortIndicator(2, Qt::AscendingOrder);
    QVERIFY2(runAll(QStringList{item(4, "D4", "Dates")} + buy(5, 1, 4, 1, Kilogram, "CURDATE()")),
             qPrintable(TestSupport::lastSqlError()));
    window.findChild<QToolButton *>("btnValidityRefresh")->click();

    QCOMPARE(gridRows(grid), (QStringList{"2|A1|Apples|Each|3|A Week|#f5f5f5", "1|B2|Bread|Each|4|Expired|#fbe4e4",
                                          "1|B2|Bread|Each|6|A Month|#d7ffd7", "3|C3|Cheese|Each|2|Expired|#fbe4e4",
                                          "4|D4|Dates|Kilogram|1|Expired|#fbe4e4"}));
    // No unit, quantity or class text is cut short.
    const QAbstractItemView *view = grid;
    for (int column : {3, 4, 5})
        QVERIFY2(grid->columnWidth(column) >= view->sizeHintForColumn(column), qPrintable(QString::number(column)));
}

ZARPO_TEST_MAIN(tst_itemvalidity)
#include "tst_itemvalidity.moc"
