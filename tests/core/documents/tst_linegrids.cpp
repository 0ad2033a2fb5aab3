#include "core/system/globals.h"
#include "purchasing/purchasedelegate.h"
#include "purchasing/purchasegrid.h"
#include "purchasing/purchasestorage.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"
#include "tests/support/documentfixtures.h"
#include "tests/support/testsupport.h"
#include "trading/refundgrid.h"
#include "trading/refundsdelegate.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

#include <memory>

// What the sales, purchase and refund line grids do alike, a row per grid.
namespace {
// Rice has list prices in Each and Case (price type 1) and in Pallet (price type 3 only).
// It was bought by the Case, then by the Each, and ordered the same way: the newest
// purchase price of each unit is Each 2.00 and Case 20.00, the newest order price Each
// 2.10 and Case 21.00. No Pallet was ever bought or ordered.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName) values (10, 'Vera Person')",
    "insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Farm', 10, b'1')",
    Fixture::foodCategory,
    Fixture::riceAndTea,
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2.50), (1, 1, 2, 25.00), "
    "(1, 3, 3, 300.00)",
    "insert into purchaseinvoice (PurchaseInvoiceId, EmployeeId, VendorId, Date, ShipToWarehouseID) values "
    "(1, 1, 1, '2024-01-01', 1)",
    "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, Quantity, UOMId, "
    "BasePrice, Price) values (1, 1, 1, 1, 2, 20.00, 20.00), (2, 1, 1, 1, 1, 2.00, 2.00)",
    "insert into purchaseorder (PurchaseOrderId, EmployeeId, VendorId, Date) values (1, 1, 1, '2024-01-01')",
    "insert into purchaseorderdetails (PurchaseOrderDetailsId, PurchaseOrderId, ItemId, Quantity, UOMId, "
    "BasePrice, Price) values (1, 1, 1, 1, 2, 21.00, 21.00), (2, 1, 1, 1, 1, 2.10, 2.10)",
};

// The columns a row of the tables below names, for each kind of grid.
struct Columns
{
    int quantity;
    int uom;
    int unitPrice;
    int tax;
};

// A line grid of `kind` ("purchase invoice", "purchase order", "sales", "refund") in a
// view of its own, as a window holds it. The purchase and sales grids start with Rice as
// a new line; the refund grid with one line of an invoice that sold Rice.
struct Grid
{
    explicit Grid(const QString &kind)
    {
        if (kind.startsWith("purchase")) {
            model.setColumnCount(PurchaseLine::ColumnCount);
            model.setRowCount(1);
            auto *lineEditors = new PurchaseDelegate;
            delegate.reset(lineEditors);
            auto *purchase = new cPurchaseGrid(&view, &model, lineEditors, "Production Date", true, nullptr);
            lines.reset(purchase);
            if (kind == "purchase order")
                purchase->pricesFrom(PurchaseStorage::order);
            columns = {PurchaseLine::Quantity, PurchaseLine::Uom, PurchaseLine::UnitPrice, PurchaseLine::Tax};
            addItem = [purchase] { return purchase->addItem(1); };
        } else if (kind == "sales") {
            model.setColumnCount(SalesLine::ColumnCount);
            model.setRowCount(1);
            auto *lineEditors = new SalesDelegate;
            delegate.reset(lineEditors);
            auto *sales = new cSalesGrid(&view, &model, lineEditors, "DetailsId", nullptr);
            lines.reset(sales);
            columns = {SalesLine::Quantity, SalesLine::Uom, SalesLine::UnitPrice, SalesLine::Tax};
            addItem = [sales] { return sales->addItem(1); };
        } else {
            using namespace RefundLine;
            model.setColumnCount(ColumnCount);
            auto *lineEditors = new RefundsDelegate;
            delegate.reset(lineEditors);
            lines.reset(new cRefundGrid(&view, &model, lineEditors, "Date", "Invoice line", false, nullptr));
            columns = {Refund, Uom, UnitPrice, Tax};
            addItem = [this] {
                lines->addLine([this](int row) {
                    lines->setValue(row, ItemId, 1);
                    lines->setValue(row, ItemName, "Rice");
                    lines->setValue(row, Quantity, 10);
                    lines->setValue(row, Refunded, 0);
                    lines->setValue(row, Refund, 0);
                    lines->setValue(row, UnitPrice, 2.5);
                    lines->setValue(row, Discount, 0.0);
                    lines->setValue(row, Tax, 0.0);
                });
                return true;
            };
        }
    }
    ~Grid()
    {
        view.setItemDelegate(nullptr);
        view.setModel(nullptr);
    }

    // The cell's editor opened, `value` typed into it, and left.
    void type(int row, int column, const QVariant &value)
    {
        QWidget *editor = open(row, column);
        if (auto *number = qobject_cast<QSpinBox *>(editor))
            number->setValue(value.toInt());
        else if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor))
            amount->setValue(value.toDouble());
        else
            QFAIL("not a number editor");
        close(editor, row, column);
    }

    QWidget *open(int row, int column)
    {
        QWidget *editor = delegate->createEditor(view.viewport(), QStyleOptionViewItem(), model.index(row, column));
        if (editor)
            delegate->setEditorData(editor, model.index(row, column));
        return editor;
    }

    void close(QWidget *editor, int row, int column)
    {
        delegate->setModelData(editor, &model, model.index(row, column));
        delete editor;
    }

    // As the view paints it.
    QString cell(int row, int column) const
    {
        return delegate->displayText(model.index(row, column).data(), QLocale());
    }

    QTableView view;
    QStandardItemModel model;
    std::unique_ptr<cLineDelegate> delegate;
    std::unique_ptr<cLineGrid> lines;
    Columns columns{};
    std::function<bool()> addItem;
};

int column(const Grid &grid, const QString &name)
{
    if (name == "quantity")
        return grid.columns.quantity;
    if (name == "unit price")
        return grid.columns.unitPrice;
    return grid.columns.tax;
}
}

class tst_linegrids : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void failedDefaultReadIsTold_data();
    void failedDefaultReadIsTold();
    void amountTooLargeIsRefusedAsTyped_data();
    void amountTooLargeIsRefusedAsTyped();
    void unitChangeRepricesWhatWasNotTyped_data();
    void unitChangeRepricesWhatWasNotTyped();
};

void tst_linegrids::init()
{
    freshDocumentCompany(fixture);
}

void tst_linegrids::failedDefaultReadIsTold_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table"); // renamed away on another connection
    QTest::addColumn<bool>("onUnitChange"); // after the line is in, while Case is chosen

    QTest::newRow("purchase invoice: units") << "purchase invoice" << "uom" << false;
    QTest::newRow("purchase invoice: last prices") << "purchase invoice" << "purchaseinvoicedetails" << false;
    QTest::newRow("purchase order: last prices") << "purchase order" << "purchaseorderdetails" << false;
    QTest::newRow("purchase invoice: price of the chosen unit")
        << "purchase invoice" << "purchaseinvoicedetails" << true;
    QTest::newRow("sales: units") << "sales" << "uom" << false;
    QTest::newRow("sales: price types") << "sales" << "pricetypes" << false;
    QTest::newRow("sales: price of the chosen unit") << "sales" << "itemprices" << true;
}

// A default that could not be read is told once, never shown as an item without a unit
// or a price.
void tst_linegrids::failedDefaultReadIsTold()
{
    QFETCH(QString, kind);
    QFETCH(QString, table);
    QFETCH(bool, onUnitChange);
    Grid grid(kind);
    if (!onUnitChange)
        EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1 TO %1_gone").arg(table));
    QVERIFY(grid.addItem());
    if (onUnitChange) {
        QCOMPARE(TestSupport::messageLog(), QString());
        auto *units = qobject_cast<QComboBox *>(grid.open(0, grid.columns.uom));
        QVERIFY(units);
        EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1 TO %1_gone").arg(table));
        units->setCurrentText("Case");
        grid.close(units, 0, grid.columns.uom);
    }
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    QCOMPARE(TestSupport::MessageRecorder::last().kind, Messages::Critical);
    const QString text = TestSupport::MessageRecorder::last().text;
    QVERIFY2(text.startsWith(msgSelectFailed + '\n') && text.size() > msgSelectFailed.size() + 1, qPrintable(text));
    EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1_gone TO %1").arg(table));
}

void tst_linegrids::amountTooLargeIsRefusedAsTyped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("given"); // on every line before: "quantity", "unit price" or "tax"
    QTest::addColumn<QVariant>("givenValue");
    QTest::addColumn<QString>("typed"); // into the last line
    QTest::addColumn<QVariant>("typedValue");
    QTest::addColumn<QString>("refusedField"); // as the message names it; empty: taken

    const QVariant largestPrice = 99999999.99;
    const QVariant largestQuantity = 999999999;
    for (const QString kind : {"purchase invoice", "sales"}) {
        const QString unitPrice = "Unit Price";
        QTest::newRow(qPrintable(kind + ": quantity past the line"))
            << kind << 1 << "unit price" << largestPrice << "quantity" << largestQuantity << "Quantity";
        QTest::newRow(qPrintable(kind + ": unit price past the line"))
            << kind << 1 << "quantity" << largestQuantity << "unit price" << largestPrice << unitPrice;
        QTest::newRow(qPrintable(kind + ": a cent of tax past the line"))
            << kind << 1 << "unit price" << largestPrice << "tax" << QVariant(0.01) << "Tax";
        // A subtotal past its column is the save's to refuse; past the 12 digits of the
        // document's fields it is refused as typed.
        QTest::newRow(qPrintable(kind + ": unit price past the document's subtotal"))
            << kind << 102 << "unit price" << QVariant(98039215.0) << "unit price" << largestPrice << unitPrice;
        QTest::newRow(qPrintable(kind + ": a sound quantity is taken"))
            << kind << 1 << "unit price" << QVariant(40000000.0) << "quantity" << QVariant(2) << "";
        QTest::newRow(qPrintable(kind + ": a document past its limit may come back towards it"))
            << kind << 102 << "unit price" << QVariant(99000000.0) << "unit price" << QVariant(98000000.0) << "";
    }
    QTest::newRow("refund: units past the line")
        << "refund" << 1 << "unit price" << largestPrice << "quantity" << QVariant(10) << "Refund";
    QTest::newRow("refund: sound units are taken")
        << "refund" << 1 << "unit price" << QVariant(6000000.0) << "quantity" << QVariant(10) << "";
}

// An amount no line or document can hold is refused as it is typed, naming the field:
// the line keeps what it had, and no price or total ever shows it wrapped round.
void tst_linegrids::amountTooLargeIsRefusedAsTyped()
{
    QFETCH(QString, kind);
    QFETCH(int, lineCount);
    QFETCH(QString, given);
    QFETCH(QVariant, givenValue);
    QFETCH(QString, typed);
    QFETCH(QVariant, typedValue);
    QFETCH(QString, refusedField);
    Grid grid(kind);
    for (int line = 0; line < lineCount; ++line) {
        QVERIFY(grid.addItem());
        grid.lines->setValue(line, column(grid, given), givenValue);
    }
    const Money before = grid.lines->recalculate();
    const int row = lineCount - 1;
    const int typedColumn = column(grid, typed);
    const QString shownBefore = grid.cell(row, typedColumn);
    TestSupport::MessageRecorder::clear();

    grid.type(row, typedColumn, typedValue);

    const Money after = grid.lines->recalculate();
    if (refusedField.isEmpty()) {
        QCOMPARE(TestSupport::messageLog(), QString());
        QVERIFY(grid.cell(row, typedColumn) != shownBefore);
        QVERIFY(after > Money() && after != before);
        return;
    }
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    const QString text = TestSupport::MessageRecorder::last().text;
    QVERIFY2(text.startsWith(refusedField + ' ') && text.contains("Rice"), qPrintable(text));
    QCOMPARE(grid.cell(row, typedColumn), shownBefore);
    QCOMPARE(after.cents(), before.cents());
}

void tst_linegrids::unitChangeRepricesWhatWasNotTyped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("typedPrice"); // before the unit is chosen; invalid: none
    QTest::addColumn<bool>("intoEmptyRow"); // typed before the item was added, else into its line
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("shown"); // unit and unit price

    QTest::newRow("purchase invoice: the newest price of the Case")
        << "purchase invoice" << QVariant() << false << "Case" << "Case 20.00";
    QTest::newRow("purchase order: the newest order price of the Case")
        << "purchase order" << QVariant() << false << "Case" << "Case 21.00";
    QTest::newRow("purchase invoice: a typed price stays") << "purchase invoice" << QVariant(3.5) << false << "Case"
                                                           << "Case 3.50";
    QTest::newRow("purchase order: a typed price stays") << "purchase order" << QVariant(3.5) << false << "Case"
                                                         << "Case 3.50";
    QTest::newRow("purchase invoice: a unit never bought has no price")
        << "purchase invoice" << QVariant() << false << "Pallet" << "Pallet ";
    QTest::newRow("sales: the list price of the Case") << "sales" << QVariant() << false << "Case" << "Case 25.00";
    QTest::newRow("sales: a typed price stays") << "sales" << QVariant(3.5) << false << "Case" << "Case 3.50";
    QTest::newRow("sales: a unit without the line's price type has no price")
        << "sales" << QVariant() << false << "Pallet" << "Pallet ";
    // The line that Add Item fills starts untyped, whatever the empty row held.
    QTest::newRow("purchase invoice: a price typed into the empty row is not the line's")
        << "purchase invoice" << QVariant(3.5) << true << "Case" << "Case 20.00";
    QTest::newRow("purchase order: a price typed into the empty row is not the line's")
        << "purchase order" << QVariant(3.5) << true << "Case" << "Case 21.00";
    QTest::newRow("sales: a price typed into the empty row is not the line's")
        << "sales" << QVariant(3.5) << true << "Case" << "Case 25.00";
}

// A price the user did not type follows the unit, as a new line's does.
void tst_linegrids::unitChangeRepricesWhatWasNotTyped()
{
    QFETCH(QString, kind);
    QFETCH(QVariant, typedPrice);
    QFETCH(bool, intoEmptyRow);
    QFETCH(QString, unit);
    QFETCH(QString, shown);
    Grid grid(kind);
    if (typedPrice.isValid() && intoEmptyRow)
        grid.type(0, grid.columns.unitPrice, typedPrice);
    QVERIFY(grid.addItem());
    QCOMPARE(grid.cell(0, grid.columns.uom), QString("Each"));
    if (typedPrice.isValid() && !intoEmptyRow)
        grid.type(0, grid.columns.unitPrice, typedPrice);

    auto *units = qobject_cast<QComboBox *>(grid.open(0, grid.columns.uom));
    QVERIFY(units);
    units->setCurrentText(unit);
    QCOMPARE(units->currentText(), unit);
    grid.close(units, 0, grid.columns.uom);

    QCOMPARE(grid.cell(0, grid.columns.uom) + ' ' + grid.cell(0, grid.columns.unitPrice), shown);
    QCOMPARE(TestSupport::messageLog(), QString());
}

ZARPO_TEST_MAIN(tst_linegrids)
#include "tst_linegrids.moc"
