#include "core/system/globals.h"
#include "purchasing/purchasedelegate.h"
#include "purchasing/purchasegrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

using namespace PurchaseLine;

namespace {
// Rice has prices in Each and Case and was bought twice, last in Case at 24.00, before
// that in Each at 2.10; Tea has a price but was never bought.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName) values (10, 'Vera Person')",
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1')",
    Fixture::foodCategory,
    Fixture::riceAndTea,
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.50), (1, 3, 1, 3.00), "
    "(1, 1, 2, 25.00), (2, 1, 1, 19.99)",
    "insert into purchaseinvoice (PurchaseInvoiceId, EmployeeId, VendorId, Date, ShipToWarehouseID) values "
    "(1, 1, 1, '2024-01-01', 1)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, Quantity, UOMId, "
    "BasePrice, Price) values (1, 1, 1, 1, 1, 2.10, 2.10), (2, 1, 1, 1, 2, 24.00, 24.00)",
};

// A purchase grid in a view of its own, as a window holds it.
struct Grid
{
    explicit Grid(bool showDate = true)
        : model(1, ColumnCount), lines(&view, &model, &delegate, "Production Date", showDate, nullptr)
    {
    }
    ~Grid()
    {
        view.setItemDelegate(nullptr);
        view.setModel(nullptr);
    }

    QWidget *editor(int row, int column)
    {
        QStyleOptionViewItem option;
        return delegate.createEditor(view.viewport(), option, model.index(row, column));
    }

    // As the view paints it.
    QString cell(int row, int column) const
    {
        return delegate.displayText(model.index(row, column).data(), QLocale());
    }

    QTableView view;
    QStandardItemModel model;
    PurchaseDelegate delegate;
    cPurchaseGrid lines;
};

QString describe(QWidget *editor)
{
    QString description;
    if (auto *whole = qobject_cast<QSpinBox *>(editor))
        description = QString("QSpinBox %1..%2").arg(whole->minimum()).arg(whole->maximum());
    else if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor))
        description = QString("QDoubleSpinBox %1..%2").arg(amount->minimum()).arg(amount->maximum(), 0, 'f', 2);
    else if (editor)
        description = editor->metaObject()->className();
    delete editor;
    return description;
}

QString visibleColumns(const QTableView &view)
{
    QStringList shown;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        if (!view.isColumnHidden(column))
            shown << QString::number(column);
    return shown.join(',');
}
}

class tst_purchasegrid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editorsByColumn_data();
    void editorsByColumn();
    void unitEditorWritesNameAndId();
    void dateEditorOpensOnTheCellsDate();
    void defaultPriceIsTheNewestPurchasePrice();
    void linePriceAndSubtotal();
    void preferenceHidesDiscountAndTax_data();
    void preferenceHidesDiscountAndTax();
};

void tst_purchasegrid::init()
{
    TestSupport::freshCompany();
    for (const char *statement : fixture)
        EXEC_SQL(statement);
    QFile::remove(TestSupport::settingsPath());
}

// The editor of each column in a line and in the empty row; "" for none.
void tst_purchasegrid::editorsByColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("inLine");
    QTest::addColumn<QString>("inEmptyRow");

    const QString quantity = "QSpinBox 1..999999999";
    const QString amount = "QDoubleSpinBox 0..99999999.99";
    QTest::newRow("item number") << int(ItemNo) << "" << "";
    QTest::newRow("item name") << int(ItemName) << "" << "";
    QTest::newRow("quantity") << int(Quantity) << quantity << quantity;
    QTest::newRow("unit") << int(Uom) << "QComboBox" << "";
    for (int column : {UnitPrice, Discount, DiscountPercent, Tax, TaxPercent})
        QTest::newRow(qPrintable(QString("amount column %1").arg(column))) << column << amount << amount;
    QTest::newRow("line price") << int(Price) << "" << "";
    QTest::newRow("date") << int(Date) << "QDateEdit" << "QDateEdit";
    for (int column : {ItemId, UomId, DetailId})
        QTest::newRow(qPrintable(QString("hidden column %1").arg(column))) << column << "" << "";
}

void tst_purchasegrid::editorsByColumn()
{
    QFETCH(int, column);
    QFETCH(QString, inLine);
    QFETCH(QString, inEmptyRow);
    Grid grid;
    QVERIFY(grid.lines.addItem(1));
    QCOMPARE(describe(grid.editor(0, column)), inLine);
    QCOMPARE(describe(grid.editor(1, column)), inEmptyRow);
}

void tst_purchasegrid::unitEditorWritesNameAndId()
{
    Grid grid;
    QVERIFY(grid.lines.addItem(1));
    grid.lines.setValue(0, UomId, 2);
    grid.lines.setValue(0, Uom, "Case");
    auto *units = qobject_cast<QComboBox *>(grid.editor(0, Uom));
    QVERIFY(units);
    grid.delegate.setEditorData(units, grid.model.index(0, Uom));
    // Each unit with a price once, opened on the line's own.
    QCOMPARE(units->count(), 2);
    QCOMPARE(units->currentText(), QString("Case"));

    // Leaving without a choice keeps the unit; a choice writes name and id.
    grid.delegate.setModelData(units, &grid.model, grid.model.index(0, Uom));
    QCOMPARE(grid.cell(0, Uom) + ' ' + grid.cell(0, UomId), QString("Case 2"));
    units->setCurrentText("Each");
    grid.delegate.setModelData(units, &grid.model, grid.model.index(0, Uom));
    QCOMPARE(grid.cell(0, Uom) + ' ' + grid.cell(0, UomId), QString("Each 1"));
    delete units;
}

void tst_purchasegrid::dateEditorOpensOnTheCellsDate()
{
    Grid grid;
    QVERIFY(grid.lines.addItem(1));
    auto *date = qobject_cast<QDateEdit *>(grid.editor(0, Date));
    QVERIFY(date);
    // An empty cell opens an empty editor, which leaves the cell empty.
    grid.delegate.setEditorData(date, grid.model.index(0, Date));
    QCOMPARE(date->text().trimmed(), QString());
    grid.delegate.setModelData(date, &grid.model, grid.model.index(0, Date));
    QVERIFY(grid.lines.value(0, Date).isNull());
    // An arrow key starts from today; Delete empties it again.
    QTest::keyClick(date, Qt::Key_Up);
    QCOMPARE(date->date(), QDate::currentDate());
    QTest::keyClick(date, Qt::Key_Delete);
    QCOMPARE(date->text().trimmed(), QString());
    // Typing starts from today's date too, replacing its first part.
    QTest::keyClicks(date, "12");
    date->interpretText();
    QCOMPARE(date->date(), QDate(QDate::currentDate().year(), QDate::currentDate().month(), 12));

    grid.lines.setValue(0, Date, QDate(2024, 2, 29));
    grid.delegate.setEditorData(date, grid.model.index(0, Date));
    QCOMPARE(date->date(), QDate(2024, 2, 29));
    date->setDate(QDate(2023, 5, 1));
    grid.delegate.setModelData(date, &grid.model, grid.model.index(0, Date));
    QCOMPARE(grid.lines.value(0, Date).toDate(), QDate(2023, 5, 1));
    QCOMPARE(grid.cell(0, Date), QDate(2023, 5, 1).toString(dateFormat));
    delete date;
}

// The newest purchase line's price in the line's unit: Rice was bought last by the Case,
// before that by the Each; an item never bought has none.
void tst_purchasegrid::defaultPriceIsTheNewestPurchasePrice()
{
    Grid grid;
    QVERIFY(grid.lines.addItem(1));
    QVERIFY(grid.lines.addItem(2));
    QVERIFY(!grid.lines.addItem(99));
    QCOMPARE(grid.lines.lineCount(), 2);
    QCOMPARE(grid.cell(0, Quantity) + ' ' + grid.cell(0, Uom) + ' ' + grid.cell(0, UnitPrice), QString("1 Each 2.10"));
    QCOMPARE(grid.cell(1, Quantity) + ' ' + grid.cell(1, Uom) + ' ' + grid.cell(1, UnitPrice), QString("1 Each "));
    QCOMPARE(grid.lines.recalculate().toDouble(), 2.1);
}

void tst_purchasegrid::linePriceAndSubtotal()
{
    Grid grid;
    QCOMPARE(grid.lines.lineCount(), 0);
    QCOMPARE(grid.lines.recalculate().toDouble(), 0.0);
    QVERIFY(grid.lines.addItem(2));
    grid.lines.setValue(0, UnitPrice, 2.5);
    grid.lines.setValue(0, Quantity, 4);
    grid.lines.setValue(0, Discount, 1.0);
    grid.lines.setValue(0, Tax, 0.5);
    grid.lines.setValue(0, DiscountPercent, 50.0);
    grid.lines.setValue(0, TaxPercent, 10.0);
    // The empty row is priced at nothing, whatever is typed into it.
    grid.lines.setValue(1, UnitPrice, 7.0);
    QCOMPARE(grid.lines.recalculate().toDouble(), 9.5);
    QCOMPARE(grid.cell(0, Price), QString("9.50"));
}

void tst_purchasegrid::preferenceHidesDiscountAndTax_data()
{
    QTest::addColumn<QString>("preferences"); // the settings file's content; "-" for none
    QTest::addColumn<bool>("showDate");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no settings file") << "-" << true << "0,1,2,3,4,5,7,9,10";
    QTest::newRow("\"FALSE\"") << "<Preferences ShowDiscountAndTax=\"FALSE\"/>" << true << "0,1,2,3,4,9,10";
    QTest::newRow("\"0\"") << "<Preferences ShowDiscountAndTax=\"0\"/>" << true << "0,1,2,3,4,9,10";
    QTest::newRow("no attribute") << "<Preferences/>" << true << "0,1,2,3,4,9,10";
    QTest::newRow("order without its date") << "<Preferences ShowDiscountAndTax=\"1\"/>" << false << "0,1,2,3,4,5,7,9";
}

void tst_purchasegrid::preferenceHidesDiscountAndTax()
{
    QFETCH(QString, preferences);
    QFETCH(bool, showDate);
    QFETCH(QString, shown);
    if (preferences != "-") {
        QFile settings(TestSupport::settingsPath());
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write(QStringLiteral("<AccountingConf>%1</AccountingConf>").arg(preferences).toUtf8());
    }
    Grid grid(showDate);
    QCOMPARE(visibleColumns(grid.view), shown);
}

ZARPO_TEST_MAIN(tst_purchasegrid)
#include "tst_purchasegrid.moc"
