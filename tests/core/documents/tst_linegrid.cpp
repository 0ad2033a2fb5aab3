#include "core/db/dbsave.h"
#include "core/documents/linegrid.h"
#include "tests/support/testsupport.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace {
// A small document grid: item, quantity, unit price, discount, tax, line price, line id.
enum Column { colItem, colQuantity, colPrice, colDiscount, colTax, colTotal, colId, columnCount };

cLineGrid::Columns gridColumns()
{
    cLineGrid::Columns columns;
    columns.id = colId;
    columns.quantity = colQuantity;
    columns.unitPrice = colPrice;
    columns.discount = colDiscount;
    columns.tax = colTax;
    columns.total = colTotal;
    return columns;
}

// Each line is "item quantity price [id]"; a stored line carries its id.
void addLines(cLineGrid &grid, const QStringList &lines)
{
    for (const QString &line : lines) {
        grid.addLine([&](int row) {
            const QStringList parts = line.split(' ');
            grid.setValue(row, colItem, parts.at(0));
            grid.setValue(row, colQuantity, parts.at(1).toDouble());
            grid.setValue(row, colPrice, parts.at(2).toDouble());
            if (parts.size() > 3)
                grid.setValue(row, colId, parts.at(3).toInt());
        });
    }
}

QString items(const cLineGrid &grid)
{
    QStringList shown;
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        const QString item = grid.value(row, colItem).toString();
        shown << (item.isEmpty() ? QStringLiteral("_") : item);
    }
    return shown.join(' ');
}

// The lines of document 1 as "id:item:quantity:price", by id.
QString storedLines()
{
    return TestSupport::queryValue("select group_concat(concat_ws(':', LineId, Item, Quantity, Price) "
                                   "order by LineId separator ' ') from doclines where DocId = 1")
        .toString();
}

LineStatements statements()
{
    LineStatements sql;
    sql.insert = "insert into doclines (DocId, Item, Quantity, Price) values (:DocId, :Item, :Quantity, :Price)";
    sql.update = "update doclines set Item = :Item, Quantity = :Quantity, Price = :Price where LineId = :id";
    sql.remove = "delete from doclines where LineId = :id";
    sql.parentPlaceholder = ":DocId";
    sql.parentId = 1;
    return sql;
}

LineBinder binder(const cLineGrid &grid)
{
    return [&grid](LineValues &query, int row) {
        query.bindValue(":Item", grid.value(row, colItem));
        query.bindValue(":Quantity", grid.number(row, colQuantity));
        query.bindValue(":Price", grid.amount(row, colPrice).toDecimal());
    };
}
}

class tst_linegrid : public QObject
{
    Q_OBJECT

private slots:
    void trailingRow_data();
    void trailingRow();
    void removedIdsAreOnlyStoredLines();
    void recalculation_data();
    void recalculation();
    void recalculationSettlesForALineWithoutPrice();
    void writeGivesExactlyTheChanges_data();
    void writeGivesExactlyTheChanges();
    void manyNewLinesKeepTheirOrder_data();
    void manyNewLinesKeepTheirOrder();
    void failureOnTheSecondLineLeavesNothing_data();
    void failureOnTheSecondLineLeavesNothing();
};

// Steps: "fill a b", "remove N", "new"; the items shown afterwards, "_" the empty row.
void tst_linegrid::trailingRow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a new grid is its trailing row") << QStringList() << "_";
    QTest::newRow("filled lines keep one trailing row") << QStringList{"fill a b c"} << "a b c _";
    QTest::newRow("removing a line keeps it") << QStringList{"fill a b c", "remove 1"} << "a c _";
    QTest::newRow("the trailing row cannot be removed") << QStringList{"fill a", "remove 1"} << "a _";
    QTest::newRow("remove on an empty grid does nothing") << QStringList{"remove 0"} << "_";
    QTest::newRow("new leaves the trailing row alone") << QStringList{"fill a b", "new"} << "_";
    QTest::newRow("lines after new") << QStringList{"fill a", "new", "fill d"} << "d _";
}

void tst_linegrid::trailingRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    for (const QString &step : steps) {
        const QStringList words = step.split(' ');
        if (words.first() == "fill")
            for (const QString &item : words.mid(1))
                addLines(grid, {item + " 1 1"});
        else if (words.first() == "remove")
            grid.removeLine(words.at(1).toInt());
        else
            grid.clear();
    }
    QCOMPARE(items(grid), shown);
    QCOMPARE(grid.lineCount(), model.rowCount() - 1);
}

void tst_linegrid::removedIdsAreOnlyStoredLines()
{
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    addLines(grid, {"a 1 1 11", "b 1 1 12", "c 1 1"});
    grid.markStored();
    grid.removeLine(2); // typed since the load
    grid.removeLine(0);
    QCOMPARE(grid.removedIds(), (QList<QVariant>{11}));
    grid.clear();
    QVERIFY(grid.removedIds().isEmpty());
}

// Lines are "quantity price discount tax".
void tst_linegrid::recalculation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("totals");
    QTest::addColumn<QString>("subtotal");

    QTest::newRow("no lines") << QStringList() << "" << "0.00";
    QTest::newRow("price times quantity, less discount, plus tax")
        << QStringList{"3 19.99 1 0.5", "2 5 0 0"} << "59.47 10" << "69.47";
    QTest::newRow("ten lines of 0.1 sum without residue") << QStringList(QVector<QString>(10, "1 0.1 0 0").toList())
                                                            << "0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1" << "1.00";
    QTest::newRow("a third of a unit rounds once") << QStringList{"0.3333333333 10 0 0"} << "3.33" << "3.33";
    QTest::newRow("empty cells count as 0") << QStringList{"2 _ _ _"} << "0" << "0.00";
    QTest::newRow("a discount above the price goes negative") << QStringList{"1 5 8 0"} << "-3" << "-3.00";
}

void tst_linegrid::recalculation()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, totals);
    QFETCH(QString, subtotal);
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    for (const QString &line : lines) {
        grid.addLine([&](int row) {
            const QStringList values = line.split(' ');
            for (int i = 0; i < 4; ++i)
                if (values.at(i) != "_")
                    grid.setValue(row, colQuantity + i, values.at(i).toDouble());
        });
    }
    QCOMPARE(grid.recalculate().fixedText(), subtotal);
    QStringList written;
    for (int row = 0; row < grid.lineCount(); ++row)
        written << Money::fromDecimal(grid.value(row, colTotal)).shortText();
    QCOMPARE(written.join(' '), totals);
    QVERIFY(!grid.value(grid.lineCount(), colTotal).isValid());
}

// A window recalculates on every change of a line, and a price lookup that finds nothing
// writes an empty price every pass: the passes must end, and each must be one pass.
void tst_linegrid::recalculationSettlesForALineWithoutPrice()
{
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    int passes = 0;
    Money shown;
    const auto lookUpPrice = [&](int row) {
        ++passes;
        grid.setValue(row, colPrice, row == 0 ? QVariant() : QVariant(2.5));
    };
    connect(&model, &QStandardItemModel::itemChanged, [&](QStandardItem *item) {
        if (grid.isLineChange(item))
            shown = grid.recalculate(lookUpPrice);
    });
    addLines(grid, {"a 3 7", "b 4 1"});
    passes = 0;
    QSignalSpy finished(&grid, &cLineGrid::recalculated);

    shown = grid.recalculate(lookUpPrice);

    QCOMPARE(shown, Money::fromCents(1000));
    QCOMPARE(passes, 2);
    QCOMPARE(finished.count(), 1);
    QVERIFY(grid.value(0, colPrice).toString().isEmpty());
    grid.setValue(1, colQuantity, 6.0);
    QCOMPARE(shown, Money::fromCents(1500));
}

// Grid lines are "item quantity price [id]" as after the load; edits are "row item".
void tst_linegrid::writeGivesExactlyTheChanges_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QList<int>>("removedRows");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("stored");

    QTest::newRow("nothing changed writes nothing") << QStringList() << QList<int>() << QStringList()
                                                    << "1:a:1:1.00 2:b:2:2.00 3:c:3:3.00";
    QTest::newRow("a changed line is updated") << QStringList{"1 B"} << QList<int>() << QStringList()
                                               << "1:a:1:1.00 2:B:2:2.00 3:c:3:3.00";
    QTest::newRow("a removed line is deleted") << QStringList() << QList<int>{0} << QStringList()
                                               << "2:b:2:2.00 3:c:3:3.00";
    QTest::newRow("a new line is inserted") << QStringList() << QList<int>() << QStringList{"d 4 4.5"}
                                            << "1:a:1:1.00 2:b:2:2.00 3:c:3:3.00 4:d:4:4.50";
    QTest::newRow("all at once") << QStringList{"2 C"} << QList<int>{1} << QStringList{"d 4 4.5"}
                                 << "1:a:1:1.00 3:C:3:3.00 4:d:4:4.50";
}

void tst_linegrid::writeGivesExactlyTheChanges()
{
    QFETCH(QStringList, edits);
    QFETCH(QList<int>, removedRows);
    QFETCH(QStringList, added);
    QFETCH(QString, stored);
    TestSupport::freshCompany();
    EXEC_SQL("create table doclines (LineId int auto_increment primary key, DocId int, Item varchar(10), "
             "Quantity int, Price decimal(10,2), Written int default 0)");
    EXEC_SQL("insert into doclines (DocId, Item, Quantity, Price) values (1, 'a', 1, 1), (1, 'b', 2, 2), (1, 'c', 3, 3)");
    // Counts the statements that reach each row: an unchanged line is not written at all.
    EXEC_SQL("create trigger counted before update on doclines for each row set new.Written = old.Written + 1");
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    addLines(grid, {"a 1 1 1", "b 2 2 2", "c 3 3 3"});
    grid.markStored();
    for (const QString &edit : edits)
        grid.setValue(edit.section(' ', 0, 0).toInt(), colItem, edit.section(' ', 1));
    for (const int row : removedRows)
        grid.removeLine(row);
    addLines(grid, added);

    cDbSave save;
    QVERIFY(grid.write(save, statements(), binder(grid)));
    QVERIFY2(save.commit(), qPrintable(save.errorText()));

    QCOMPARE(storedLines(), stored);
    QCOMPARE(TestSupport::queryValue("select sum(Written) from doclines").toInt(), edits.size());
}

// Many new lines go in together, a few hundred to a statement: each keeps its values and
// its place, also across statements of different sizes.
void tst_linegrid::manyNewLinesKeepTheirOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1;
    QTest::newRow("a hundred") << 100;
    QTest::newRow("one more than a statement takes") << 251;
    QTest::newRow("several statements") << 600;
}

void tst_linegrid::manyNewLinesKeepTheirOrder()
{
    QFETCH(int, count);
    TestSupport::freshCompany();
    EXEC_SQL("create table doclines (LineId int auto_increment primary key, DocId int, Item varchar(10), "
             "Quantity int, Price decimal(10,2))");
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString("i%1 %1 %1.25").arg(i);
    addLines(grid, lines);

    cDbSave save;
    QVERIFY(grid.write(save, statements(), binder(grid)));
    QVERIFY2(save.commit(), qPrintable(save.errorText()));

    QStringList expected;
    for (int i = 1; i <= count; ++i)
        expected << QString("%1:i%1:%1:%1.25").arg(i);
    QCOMPARE(storedLines(), expected.join(' '));
}

// The second of three lines, new or stored and changed, holds what its column cannot take:
// the whole save fails, nothing is stored altered, and the grid stays as typed.
void tst_linegrid::failureOnTheSecondLineLeavesNothing_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("nothing in a NOT NULL column") << false << int(colItem) << QVariant(QVariant::String);
    QTest::newRow("text longer than its column") << false << int(colItem) << QVariant("abcdefghijk");
    QTest::newRow("a number out of its column's range") << false << int(colQuantity) << QVariant(3000000000.0);
    QTest::newRow("a stored line: nothing in a NOT NULL column") << true << int(colItem) << QVariant(QVariant::String);
    QTest::newRow("a stored line: text too long") << true << int(colItem) << QVariant("abcdefghijk");
}

void tst_linegrid::failureOnTheSecondLineLeavesNothing()
{
    QFETCH(bool, stored);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    TestSupport::freshCompany();
    EXEC_SQL("create table doclines (LineId int auto_increment primary key, DocId int, Item varchar(10) not null, "
             "Quantity int, Price decimal(10,2))");
    QStandardItemModel model(0, columnCount);
    cLineGrid grid(&model, gridColumns(), cLineGrid::WithTrailingRow);
    if (stored) {
        EXEC_SQL("insert into doclines (DocId, Item, Quantity, Price) values (1, 'a', 1, 1), (1, 'b', 2, 2), (1, 'c', 3, 3)");
        addLines(grid, {"a 1 1 1", "b 2 2 2", "c 3 3 3"});
        grid.markStored();
    } else {
        addLines(grid, {"a 1 1", "b 2 2", "c 3 3"});
    }
    const QString before = storedLines();
    grid.setValue(1, column, value);

    cDbSave save;
    QSqlQuery header = save.prepare("insert into doclines (DocId, Item) values (9, 'header')");
    save.exec(header);
    QVERIFY(!grid.write(save, statements(), binder(grid)));
    QVERIFY(!save.commit());

    QVERIFY(!save.errorText().isEmpty());
    QCOMPARE(storedLines(), before);
    QCOMPARE(TestSupport::queryValue("select count(*) from doclines where DocId = 9").toInt(), 0);
    QCOMPARE(grid.value(1, column), value);
    QCOMPARE(grid.lineCount(), 3);
}

ZARPO_TEST_MAIN(tst_linegrid)
#include "tst_linegrid.moc"
