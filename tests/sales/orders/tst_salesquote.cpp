#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "sales/orders/frmSalesQuote.h"
#include "sales/orders/salesdelegate.h"
#include "sales/orders/salesgrid.h"
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
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;
using namespace SalesLine;

namespace {
// Customers (one inactive, one without a ship-to person) and items priced per unit and
// price type: Rice in two units, Tea and Sugar in one, and an item without any price.
const char *fixture[] = {
    "insert into persons (PersonId, PersonName, Street1, Street2, City, Province, Country) values "
    "(10, 'Alice Person', '1 Main St', NULL, 'Cairo', 'Giza', 'Egypt'), "
    "(11, 'Ship Person', '9 Dock Rd', 'Gate 4', 'Alexandria', NULL, 'Egypt'), (12, 'Bob Person', NULL, NULL, NULL, NULL, NULL)",
    "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, ShipToPersonId) values "
    "(1, 'Acme', 10, b'1', 11), (2, 'Gone Co', 12, b'0', 11), (3, 'Bare', 12, b'1', NULL)",
    Fixture::foodCategory,
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
    "(1, 'R-1', 'Rice', 1, 1, b'1'), (2, 'T-2', 'Tea', 1, 1, b'1'), (3, 'N-3', 'Unpriced', 1, 1, b'1'), "
    "(4, 'S-4', 'Sugar', 1, 1, b'1')",
    // Price types 1 Bulk, 3 Retail; units 1 Each, 2 Case (seed rows).
    "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values "
    "(1, 3, 1, 3.00), (1, 1, 1, 2.50), (1, 1, 2, 25.00), (2, 3, 1, 19.99), (4, 1, 1, 0.35)",
};

QTableView *grid(QWidget *window)
{
    return window->findChild<QTableView *>(QStringLiteral("tblItems"));
}

double amountField(QWidget *window, const char *name)
{
    return window->findChild<QDoubleSpinBox *>(name)->value();
}

// Adds the item named `name` through the picker, as Add Item does.
void addItem(QWidget *window, const QString &name)
{
    TestSupport::whenModal([&](QWidget *picker) {
        const QModelIndexList rows = table(picker)->model()->match(table(picker)->model()->index(0, 2), Qt::DisplayRole,
                                                                   name, 1, Qt::MatchExactly);
        if (rows.isEmpty())
            static_cast<QDialog *>(picker)->reject();
        QVERIFY2(!rows.isEmpty(), qPrintable(name));
        doubleClickRow(table(picker), rows.first().row());
    });
    click(window, "btnAddItem");
}

// The items of every row, "_" for the empty one.
QString shownItems(QWidget *window)
{
    QStringList items;
    for (int row = 0; row < lines(window)->rowCount(); ++row) {
        const QString item = lines(window)->index(row, ItemName).data().toString();
        items << (item.isEmpty() ? QStringLiteral("_") : item);
    }
    return items.join(' ');
}

// What a line's cell holds, as an amount with cents or as text.
QString cellText(QWidget *window, int row, int column)
{
    const QVariant value = lines(window)->index(row, column).data(Qt::EditRole);
    if (value.toString().isEmpty())
        return QStringLiteral("_");
    if (value.type() == QVariant::Double)
        return QString::number(value.toDouble(), 'f', 2);
    return value.toString();
}

void writePreference(const QString &preferences)
{
    QFile settings(TestSupport::settingsPath());
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(QStringLiteral("<AccountingConf>%1</AccountingConf>").arg(preferences).toUtf8());
}

// Prepared statements the server ran for this session so far.
int statementsRun()
{
    return TestSupport::queryValue("select VARIABLE_VALUE from information_schema.SESSION_STATUS "
                                   "where VARIABLE_NAME = 'COM_STMT_EXECUTE'")
        .toInt();
}

// The editor the delegate gives the cell, as the view would ask for it.
QWidget *editorFor(QWidget *window, int row, int column)
{
    QTableView *view = grid(window);
    QStyleOptionViewItem option;
    return view->itemDelegate()->createEditor(view->viewport(), option, lines(window)->index(row, column));
}

// Opens the list editor of a cell, shows its entries as "name=id,...", chooses `entry`
// (when given) and writes it back as closing the editor does.
QString chooseInList(QWidget *window, int row, int column, const QString &entry = QString())
{
    QWidget *editor = editorFor(window, row, column);
    auto *list = qobject_cast<QComboBox *>(editor);
    if (!list)
        return QStringLiteral("no list");
    QAbstractItemDelegate *delegate = grid(window)->itemDelegate();
    const QModelIndex cell = lines(window)->index(row, column);
    delegate->setEditorData(list, cell);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i) + '=' + list->itemData(i).toString() + (i == list->currentIndex() ? "*" : "");
    if (!entry.isEmpty())
        list->setCurrentText(entry);
    delegate->setModelData(list, lines(window), cell);
    delete editor;
    return entries.join(',');
}
}

class tst_salesquote : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void totals_data();
    void totals();
    void lineWithoutPriceSettlesInOnePass();
    void listPriceComesBack();
    void trailingRow_data();
    void trailingRow();
    void preferenceHidesDiscountAndTax_data();
    void preferenceHidesDiscountAndTax();
    void editorsByColumn_data();
    void editorsByColumn();
    void listsWriteNameAndId();
    void customerShowsShipTo();
    void saveRefuses_data();
    void saveRefuses();
    void roundTrip();
    void failedSaveKeepsTheQuote_data();
    void failedSaveKeepsTheQuote();
    void quoteGoneMeanwhile();
};

void tst_salesquote::init()
{
    freshDocumentCompany(fixture);
}

void tst_salesquote::cleanup()
{
    rightToLeft = false;
}

void tst_salesquote::form_data()
{
    formColumns();
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Sales Quote");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("only active customers") << "cmbCustomer" << "QComboBox" << "items"
                                           << QVariant("<Add New>,Acme: Alice Person,Bare: Bob Person");
    QTest::newRow("headers") << "tblItems" << "QTableView" << "headers"
                             << QVariant("Item No,Item,Quantity,Unit of Measure,Price Type,Unit Price,Discount,"
                                         "Discount %,Tax,Tax %,Price,ItemId,UOMId,PriceTypeId,QuoteDetailsId");
    QTest::newRow("shown columns") << "tblItems" << "QTableView" << "visibleColumns" << QVariant("0,1,2,3,4,5,6,8,10");
    QTest::newRow("no sorting by a header click") << "tblItems" << "QTableView" << "sortingEnabled" << QVariant(false);
    QTest::newRow("a new grid is its empty row") << "tblItems" << "QTableView" << "" << QVariant();
    QTest::newRow("freight takes what its column holds")
        << "txtFreight" << "QDoubleSpinBox" << "maximum" << QVariant(99999999.99);
    QTest::newRow("freight may be negative") << "txtFreight" << "QDoubleSpinBox" << "minimum" << QVariant(-99999999.99);
    QTest::newRow("quote number as long as its column") << "txtSalesQuoteNo" << "QLineEdit" << "maxLength" << QVariant(45);
    QTest::newRow("saving offered") << "btnSave" << "QPushButton" << "enabled" << QVariant(true);
    QTest::newRow("search offered") << "btnSearch" << "QPushButton" << "enabled" << QVariant(true);
}

void tst_salesquote::form()
{
    rightToLeft = formRowIsArabic();
    frmSalesQuote quote(nullptr);
    const QString problem = checkFormRow(&quote);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(shownItems(&quote), QString("_"));
    QCOMPARE(messageLog(), QString());
}

// Lines are "item quantity discount tax" ("_" an emptied cell), added through the
// picker and then edited; Rice is 2.50 each, Tea 19.99, Sugar 0.35, Unpriced nothing.
void tst_salesquote::totals_data()
{
    QTest::addColumn<QStringList>("lineSteps");
    QTest::addColumn<double>("freight");
    QTest::addColumn<QString>("linePrices");
    QTest::addColumn<double>("subtotal");
    QTest::addColumn<double>("total");

    QTest::newRow("one line at its list price") << QStringList{"Rice 1 0 0"} << 0.0 << "2.50" << 2.5 << 2.5;
    QTest::newRow("price times quantity, less discount, plus tax")
        << QStringList{"Rice 3 1 0.5"} << 0.0 << "7.00" << 7.0 << 7.0;
    QTest::newRow("several lines and the freight")
        << QStringList{"Rice 2 0 0", "Tea 3 0 0", "Sugar 3 0 0"} << 4.5 << "5.00 59.97 1.05" << 66.02 << 70.52;
    QTest::newRow("emptied discount and tax count as 0") << QStringList{"Rice 2 _ _"} << 0.0 << "5.00" << 5.0 << 5.0;
    QTest::newRow("a discount above the price goes negative")
        << QStringList{"Rice 1 5 0"} << 0.0 << "-2.50" << -2.5 << -2.5;
    QTest::newRow("an unpriced item is worth its tax less its discount")
        << QStringList{"Unpriced 4 1 3"} << 0.0 << "2.00" << 2.0 << 2.0;
    QTest::newRow("ten cents ten times make a dollar")
        << QStringList(QVector<QString>(10, "Sugar 1 0.25 0").toList()) << 0.0
        << "0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10 0.10" << 1.0 << 1.0;
    QTest::newRow("a negative freight lowers the total") << QStringList{"Tea 1 0 0"} << -10.0 << "19.99" << 19.99 << 9.99;
}

void tst_salesquote::totals()
{
    QFETCH(QStringList, lineSteps);
    QFETCH(double, freight);
    QFETCH(QString, linePrices);
    QFETCH(double, subtotal);
    QFETCH(double, total);
    frmSalesQuote quote(nullptr);
    quote.show();
    for (int row = 0; row < lineSteps.size(); ++row) {
        const QStringList step = lineSteps.at(row).split(' ');
        addItem(&quote, step.at(0));
        for (int part = 1; part < 4; ++part) {
            const int column = QList<int>{Quantity, Discount, Tax}.at(part - 1);
            const QVariant value = step.at(part) == "_" ? QVariant() : QVariant(step.at(part).toDouble());
            writeCell(&quote, row, column, column == Quantity ? QVariant(value.toInt()) : value);
        }
    }
    quote.findChild<QDoubleSpinBox *>("txtFreight")->setValue(freight);

    QStringList prices;
    for (int row = 0; row < lineSteps.size(); ++row)
        prices << cellText(&quote, row, Price);
    QCOMPARE(prices.join(' '), linePrices);
    QCOMPARE(amountField(&quote, "txtSubTotal"), subtotal);
    QCOMPARE(amountField(&quote, "txtTotal"), total);
    QCOMPARE(messageLog(), QString());
}

// Each change of a line is one pass over the lines with one price lookup for them all,
// also when a line's lookup finds nothing and writes its empty price again.
void tst_salesquote::lineWithoutPriceSettlesInOnePass()
{
    frmSalesQuote quote(nullptr);
    quote.show();
    addItem(&quote, "Unpriced");
    addItem(&quote, "Rice");
    QCOMPARE(cellText(&quote, 0, Quantity) + ' ' + cellText(&quote, 0, Uom) + ' ' + cellText(&quote, 0, PriceType) + ' '
                 + cellText(&quote, 0, UnitPrice) + ' ' + cellText(&quote, 0, Price),
             QString("1 _ _ _ 0.00"));
    const int before = statementsRun();
    const int measuring = statementsRun() - before;

    writeCell(&quote, 0, Quantity, 4);

    QCOMPARE(statementsRun() - before - 2 * measuring, 1);
    QCOMPARE(cellText(&quote, 0, UnitPrice), QString("_"));
    QCOMPARE(amountField(&quote, "txtSubTotal"), 2.5);
}

// In a quote a line's unit price is always its item's list price.
void tst_salesquote::listPriceComesBack()
{
    frmSalesQuote quote(nullptr);
    quote.show();
    addItem(&quote, "Rice");

    writeCell(&quote, 0, UnitPrice, 99.0);

    QCOMPARE(cellText(&quote, 0, UnitPrice), QString("2.50"));
    QCOMPARE(amountField(&quote, "txtTotal"), 2.5);
}

// Steps: "add Item", "remove N yes|no", "new"; then the items of every row.
void tst_salesquote::trailingRow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("questions");
    QTest::addColumn<double>("subtotal");

    QTest::newRow("each item lands in the empty row") << QStringList{"add Rice", "add Tea"} << "Rice Tea _" << ""
                                                      << 22.49;
    QTest::newRow("a line removed on Yes") << QStringList{"add Rice", "add Tea", "remove 0 yes"} << "Tea _"
                                           << "Delete Rice" << 19.99;
    QTest::newRow("No keeps the line") << QStringList{"add Rice", "remove 0 no"} << "Rice _" << "Delete Rice" << 2.5;
    QTest::newRow("the empty row is never removed") << QStringList{"add Rice", "remove 1 yes"} << "Rice _" << ""
                                                    << 2.5;
    QTest::newRow("new keeps only the empty row") << QStringList{"add Rice", "add Tea", "new"} << "_" << "" << 0.0;
    QTest::newRow("lines after new") << QStringList{"add Rice", "new", "add Sugar"} << "Sugar _" << "" << 0.35;
}

void tst_salesquote::trailingRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QString, questions);
    QFETCH(double, subtotal);
    frmSalesQuote quote(nullptr);
    quote.show();
    for (const QString &step : steps) {
        const QStringList words = step.split(' ');
        if (words.first() == "add") {
            addItem(&quote, words.at(1));
            QCOMPARE(grid(&quote)->currentIndex(), lines(&quote)->index(lines(&quote)->rowCount() - 2, Quantity));
        } else if (words.first() == "remove") {
            grid(&quote)->setCurrentIndex(lines(&quote)->index(words.at(1).toInt(), ItemNo));
            MessageRecorder::answerNext(words.at(2) == "yes" ? QMessageBox::Yes : QMessageBox::No);
            click(&quote, "btnRemoveItem");
        } else {
            click(&quote, "btnNew");
        }
    }
    QCOMPARE(shownItems(&quote), shown);
    QStringList asked;
    for (const auto &message : MessageRecorder::messages())
        asked << message.text;
    QCOMPARE(asked.join(" | "), questions);
    QCOMPARE(amountField(&quote, "txtSubTotal"), subtotal);
}

void tst_salesquote::preferenceHidesDiscountAndTax_data()
{
    QTest::addColumn<QString>("preferences"); // the settings file's content
    QTest::addColumn<QString>("shown");

    const QString withTax = "0,1,2,3,4,5,6,8,10";
    const QString withoutTax = "0,1,2,3,4,5,10";
    QTest::newRow("no settings file") << "-" << withTax;
    QTest::newRow("no Preferences element") << "" << withTax;
    QTest::newRow("\"true\"") << "<Preferences ShowDiscountAndTax=\"true\"/>" << withTax;
    QTest::newRow("\"1\"") << "<Preferences ShowDiscountAndTax=\"1\"/>" << withTax;
    QTest::newRow("any other text") << "<Preferences ShowDiscountAndTax=\"yes\"/>" << withTax;
    QTest::newRow("\"false\"") << "<Preferences ShowDiscountAndTax=\"false\"/>" << withoutTax;
    QTest::newRow("\"FALSE\"") << "<Preferences ShowDiscountAndTax=\"FALSE\"/>" << withoutTax;
    QTest::newRow("\"0\"") << "<Preferences ShowDiscountAndTax=\"0\"/>" << withoutTax;
    QTest::newRow("an empty text") << "<Preferences ShowDiscountAndTax=\"\"/>" << withoutTax;
    QTest::newRow("no attribute") << "<Preferences/>" << withoutTax;
}

void tst_salesquote::preferenceHidesDiscountAndTax()
{
    QFETCH(QString, preferences);
    QFETCH(QString, shown);
    if (preferences != "-")
        writePreference(preferences);
    frmSalesQuote quote(nullptr);
    const QString problem = TestSupport::checkForm(&quote, "tblItems", "QTableView", "visibleColumns", shown);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// The editor of each column in a line and in the empty row; "" for none, else the
// editor's class and its range.
void tst_salesquote::editorsByColumn_data()
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
    QTest::newRow("price type") << int(PriceType) << "QComboBox" << "";
    QTest::newRow("unit price") << int(UnitPrice) << amount << amount;
    QTest::newRow("discount") << int(Discount) << amount << amount;
    QTest::newRow("discount %") << int(DiscountPercent) << amount << amount;
    QTest::newRow("tax") << int(Tax) << amount << amount;
    QTest::newRow("tax %") << int(TaxPercent) << amount << amount;
    QTest::newRow("line price") << int(Price) << "" << "";
    for (int column : {ItemId, UomId, PriceTypeId, DetailsId})
        QTest::newRow(qPrintable(QString("hidden column %1").arg(column))) << column << "" << "";
}

void tst_salesquote::editorsByColumn()
{
    QFETCH(int, column);
    QFETCH(QString, inLine);
    QFETCH(QString, inEmptyRow);
    frmSalesQuote quote(nullptr);
    quote.show();
    addItem(&quote, "Rice");
    const auto describe = [&](int row) {
        QWidget *editor = editorFor(&quote, row, column);
        QString description;
        if (auto *whole = qobject_cast<QSpinBox *>(editor))
            description = QString("QSpinBox %1..%2").arg(whole->minimum()).arg(whole->maximum());
        else if (auto *amount = qobject_cast<QDoubleSpinBox *>(editor))
            description = QString("QDoubleSpinBox %1..%2").arg(amount->minimum()).arg(amount->maximum(), 0, 'f', 2);
        else if (editor)
            description = editor->metaObject()->className();
        delete editor;
        return description;
    };
    QCOMPARE(describe(0), inLine);
    QCOMPARE(describe(1), inEmptyRow);
}

// Rice is priced Each (Bulk 2.50, Retail 3.00) and Case (Bulk 25.00).
void tst_salesquote::listsWriteNameAndId()
{
    frmSalesQuote quote(nullptr);
    quote.show();
    addItem(&quote, "Rice");
    QCOMPARE(cellText(&quote, 0, Uom) + ' ' + cellText(&quote, 0, PriceType), QString("Each Bulk"));

    QCOMPARE(chooseInList(&quote, 0, Uom), QString("Each=1*,Case=2"));
    QCOMPARE(chooseInList(&quote, 0, PriceType), QString("Bulk=1*,Retail=3"));
    QCOMPARE(cellText(&quote, 0, UomId) + ' ' + cellText(&quote, 0, PriceTypeId), QString("1 1"));

    chooseInList(&quote, 0, Uom, "Case");
    QCOMPARE(cellText(&quote, 0, Uom) + ' ' + cellText(&quote, 0, UomId), QString("Case 2"));
    QCOMPARE(cellText(&quote, 0, UnitPrice), QString("25.00"));
    QCOMPARE(chooseInList(&quote, 0, PriceType), QString("Bulk=1*"));

    chooseInList(&quote, 0, Uom, "Each");
    chooseInList(&quote, 0, PriceType, "Retail");
    QCOMPARE(cellText(&quote, 0, PriceType) + ' ' + cellText(&quote, 0, PriceTypeId), QString("Retail 3"));
    QCOMPARE(amountField(&quote, "txtSubTotal"), 3.0);

    // The quantity and amount editors write their values as numbers.
    QAbstractItemDelegate *delegate = grid(&quote)->itemDelegate();
    auto *quantity = qobject_cast<QSpinBox *>(editorFor(&quote, 0, Quantity));
    quantity->setValue(4);
    delegate->setModelData(quantity, lines(&quote), lines(&quote)->index(0, Quantity));
    auto *discount = qobject_cast<QDoubleSpinBox *>(editorFor(&quote, 0, Discount));
    discount->setValue(1.25);
    delegate->setModelData(discount, lines(&quote), lines(&quote)->index(0, Discount));
    delete quantity;
    delete discount;
    QCOMPARE(lines(&quote)->index(0, Quantity).data(Qt::EditRole), QVariant(4));
    QCOMPARE(amountField(&quote, "txtSubTotal"), 10.75);
}

void tst_salesquote::customerShowsShipTo()
{
    frmSalesQuote quote(nullptr);
    auto *shipTo = quote.findChild<QPlainTextEdit *>("txtShipTo");

    choose(combo(&quote, "cmbCustomer"), "Acme: Alice Person");
    QCOMPARE(shipTo->toPlainText(), QString("Ship Person\n9 Dock Rd\nGate 4\nAlexandria\n\nEgypt"));

    choose(combo(&quote, "cmbCustomer"), "Bare: Bob Person");
    QCOMPARE(shipTo->toPlainText(), QString("\n\n\n\n\n"));
    QCOMPARE(messageLog(), QString());
}

// Save as far as it goes without storing: a customer, lines, and lines that could be
// stored as they are shown.
void tst_salesquote::saveRefuses_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("quantity"); // of the first line; 0 leaves it
    QTest::addColumn<QString>("message");

    const QString select = "Select items by double clicking the first empty row below 'Item No' or 'Item' column";
    QTest::newRow("no customer") << "" << QStringList{"Rice"} << 0 << "Select Customer";
    QTest::newRow("no line") << "Acme: Alice Person" << QStringList() << 0 << select;
    QTest::newRow("a line without a unit")
        << "Acme: Alice Person" << QStringList{"Rice", "Unpriced"} << 0
        << QString("Line 2 (%1) has no unit of measure. Choose one before saving.").arg(Direction::isolated("Unpriced"));
    QTest::newRow("a line price its column cannot hold")
        << "Acme: Alice Person" << QStringList{"Rice"} << 999999999
        << QString("The price of line 1 (%1) is larger than a line can hold.").arg(Direction::isolated("Rice"));
    QTest::newRow("a quote that could be stored") << "Acme: Alice Person" << QStringList{"Rice", "Tea"} << 0 << "";
}

void tst_salesquote::saveRefuses()
{
    QFETCH(QString, customer);
    QFETCH(QStringList, items);
    QFETCH(int, quantity);
    QFETCH(QString, message);
    frmSalesQuote quote(nullptr);
    quote.show();
    if (!customer.isEmpty())
        choose(combo(&quote, "cmbCustomer"), customer);
    for (const QString &item : items)
        addItem(&quote, item);
    if (quantity)
        writeCell(&quote, 0, Quantity, quantity);
    click(&quote, "btnSave");

    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesquote").toInt(), message.isEmpty() ? 1 : 0);
}

namespace {
const char *storedQuote[] = {
    "insert into salesquote (SalesQuoteId, SalesQuoteNo, EmployeeId, CustomerId, Date, ShipDate, ExpireDate, "
    "Subtotal, Freight, Total, Comments) values (5, 'Q-5', 1, 1, '2024-03-01', '2024-03-02', '2024-03-03', "
    "5.00, 1.00, 6.00, NULL)",
    "insert into salesquotedetails (SalesQuoteDetailsId, SalesQuoteId, ItemId, Quantity, UOMId, PriceTypeId, "
    "BasePrice, Discount, Tax, Price) values (50, 5, 1, 2, 1, 1, 2.50, NULL, 0.00, 5.00)",
};

// The stored quotes and their lines, NULL shown as such.
QString storedQuotes()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ifnull(SalesQuoteNo, 'NULL'), EmployeeId, CustomerId, Date, ShipDate, "
               "ExpireDate, Subtotal, Freight, Total, ifnull(Comments, 'NULL')) order by SalesQuoteId separator ' / ') "
               "from salesquote")
        .toString();
}

QString storedQuoteLines()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', ItemId, Quantity, UOMId, PriceTypeId, BasePrice, "
               "ifnull(Discount, 'NULL'), ifnull(Tax, 'NULL'), Price) order by SalesQuoteDetailsId separator ' / ') "
               "from salesquotedetails")
        .toString();
}

// Every line as "item quantity unit-price discount tax price".
QString shownLines(QWidget *window)
{
    QStringList rows;
    for (int row = 0; row + 1 < lines(window)->rowCount(); ++row)
        rows << QStringList{cellText(window, row, ItemName), cellText(window, row, Quantity),
                            cellText(window, row, UnitPrice), cellText(window, row, Discount),
                            cellText(window, row, Tax), cellText(window, row, Price)}
                    .join(' ');
    return rows.join(" / ");
}
}

void tst_salesquote::roundTrip()
{
    frmSalesQuote quote(nullptr);
    quote.show();
    choose(combo(&quote, "cmbCustomer"), "Acme: Alice Person");
    addItem(&quote, "Rice");
    addItem(&quote, "Tea");
    writeCell(&quote, 0, Quantity, 2);
    writeCell(&quote, 0, Discount, QVariant());
    quote.findChild<QDoubleSpinBox *>("txtFreight")->setValue(1.5);
    quote.findChild<QPlainTextEdit *>("txtComment")->setPlainText("first");
    const QString today = QDate::currentDate().toString(Qt::ISODate);

    click(&quote, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedQuotes(), QString("NULL|1|1|%1|%1|%1|24.99|1.50|26.49|first").arg(today));
    QCOMPARE(storedQuoteLines(), QString("1|2|1|1|2.50|NULL|0.00|5.00 / 2|1|1|3|19.99|0.00|0.00|19.99"));
    QCOMPARE(shownItems(&quote), QString("_"));
    QCOMPARE(state(&quote), QString("add"));

    // Stored quotes come back as stored, NULLs included, ready to be changed; each date
    // in its own field.
    EXEC_SQL("update salesquote set SalesQuoteNo = 'Q-1', Date = '2024-03-01', ShipDate = '2024-03-02', "
             "ExpireDate = '2024-03-03'");
    openStored(&quote, "Q-1");
    QCOMPARE(state(&quote), QString("edit"));
    QCOMPARE(quote.findChild<QLineEdit *>("txtSalesQuoteNo")->text(), QString("Q-1"));
    QCOMPARE(quote.findChild<QDateEdit *>("dtDate")->date(), QDate(2024, 3, 1));
    QCOMPARE(quote.findChild<QDateEdit *>("dtShipDate")->date(), QDate(2024, 3, 2));
    QCOMPARE(quote.findChild<QDateEdit *>("dtExpireDate")->date(), QDate(2024, 3, 3));
    QCOMPARE(amountField(&quote, "txtFreight"), 1.5);
    QCOMPARE(combo(&quote, "cmbCustomer")->currentText(), QString("Acme: Alice Person"));
    QCOMPARE(quote.findChild<QPlainTextEdit *>("txtComment")->toPlainText(), QString("first"));
    QCOMPARE(amountField(&quote, "txtTotal"), 26.49);
    QCOMPARE(shownLines(&quote), QString("Rice 2 2.50 _ 0.00 5.00 / Tea 1 19.99 0.00 0.00 19.99"));

    // A changed, a removed and a new line give exactly those rows.
    writeCell(&quote, 0, Quantity, 3);
    grid(&quote)->setCurrentIndex(lines(&quote)->index(1, ItemName));
    MessageRecorder::answerNext(QMessageBox::Yes);
    click(&quote, "btnRemoveItem");
    addItem(&quote, "Sugar");
    MessageRecorder::clear();
    click(&quote, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select group_concat(SalesQuoteDetailsId order by SalesQuoteDetailsId) "
                                     "from salesquotedetails").toString(), QString("1,3"));
    QCOMPARE(storedQuoteLines(), QString("1|3|1|1|2.50|NULL|0.00|7.50 / 4|1|1|1|0.35|0.00|0.00|0.35"));
    QCOMPARE(storedQuotes(), QString("Q-1|1|1|2024-03-01|2024-03-02|2024-03-03|7.85|1.50|9.35|first"));
    QCOMPARE(state(&quote), QString("add"));
}

void tst_salesquote::failedSaveKeepsTheQuote_data()
{
    QTest::addColumn<bool>("editing");
    QTest::newRow("a new quote") << false;
    QTest::newRow("a stored quote") << true;
}

void tst_salesquote::failedSaveKeepsTheQuote()
{
    QFETCH(bool, editing);
    for (const char *statement : storedQuote)
        EXEC_SQL(statement);
    const QString quotesBefore = storedQuotes();
    const QString linesBefore = storedQuoteLines();
    frmSalesQuote quote(nullptr);
    quote.show();
    if (editing)
        openStored(&quote, "Q-5");
    else
        choose(combo(&quote, "cmbCustomer"), "Acme: Alice Person");
    addItem(&quote, "Tea");
    quote.findChild<QPlainTextEdit *>("txtComment")->setPlainText("typed");
    // A line the server refuses: its item is no longer there.
    const int row = lines(&quote)->rowCount() - 2;
    writeCell(&quote, row, ItemId, 999);
    const QString shown = shownLines(&quote);

    click(&quote, "btnSave");

    // The save's own check finds the item gone: its refusal is the whole message.
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText("an item of the lines")));
    QCOMPARE(storedQuotes(), quotesBefore);
    QCOMPARE(storedQuoteLines(), linesBefore);
    QCOMPARE(shownLines(&quote), shown);
    QCOMPARE(quote.findChild<QPlainTextEdit *>("txtComment")->toPlainText(), QString("typed"));
    QCOMPARE(state(&quote), QString(editing ? "edit" : "add"));
}

void tst_salesquote::quoteGoneMeanwhile()
{
    for (const char *statement : storedQuote)
        EXEC_SQL(statement);
    frmSalesQuote quote(nullptr);
    quote.show();

    // Chosen in the list, deleted before the editor reads it: nothing is loaded.
    TestSupport::whenModal([&](QWidget *list) {
        chooseRow(list, "Q-5");
        EXEC_SQL("delete from salesquote");
        click(list, "btnEdit");
    });
    click(&quote, "btnSearch");
    QCOMPARE(state(&quote), QString("add"));
    QCOMPARE(shownItems(&quote), QString("_"));

    // Loaded, then deleted by another user: the update is refused, nothing is written.
    for (const char *statement : storedQuote)
        EXEC_SQL(statement);
    openStored(&quote, "Q-5");
    EXEC_SQL("delete from salesquote");
    click(&quote, "btnSave");

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText()));
    QCOMPARE(TestSupport::queryValue("select count(*) from salesquote").toInt(), 0);
    QCOMPARE(TestSupport::queryValue("select count(*) from salesquotedetails").toInt(), 0);
    QCOMPARE(state(&quote), QString("edit"));
}

ZARPO_TEST_MAIN(tst_salesquote)
#include "tst_salesquote.moc"
