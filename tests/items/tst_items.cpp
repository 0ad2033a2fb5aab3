#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "items/frmItems.h"
#include "items/validityperiod.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

Q_DECLARE_METATYPE(ValidityPeriod::Unit)

namespace {
const char *categoriesAndVendors[] = {
    "insert into itemcategories (ItemCategoryId, Category) values (1, 'Food'), (2, 'Tools')",
    "insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1'), (2, 'Delta', b'1')",
};

// Every stored item as "[ItemNo|ItemName|TypeId|Barcode|CategoryId|Warranty|IsActive|
// DefaultVendorId|VendorItemNo|ValidityInDays]", NULL spelt out.
QString storedItems()
{
    return TestSupport::queryValue(
               "select group_concat(concat('[', concat_ws('|', ifnull(ItemNo, 'NULL'), ifnull(ItemName, 'NULL'), "
               "ifnull(TypeId, 'NULL'), ifnull(Barcode, 'NULL'), ifnull(CategoryId, 'NULL'), ifnull(Warranty, 'NULL'), "
               "ifnull(IsActive + 0, 'NULL'), ifnull(DefaultVendorId, 'NULL'), ifnull(VendorItemNo, 'NULL'), "
               "ifnull(ValidityInDays, 'NULL')), ']') order by ItemId) from items")
        .toString();
}

// Picks an entry without activated(): "<Add New>" would open its editor.
void showEntry(QWidget *editor, const char *comboName, const QString &entry)
{
    QComboBox *box = combo(editor, comboName);
    box->setCurrentIndex(box->findText(entry));
}

void setValidity(QWidget *editor, int number, const QString &unit)
{
    editor->findChild<QSpinBox *>("numExpirePeriod")->setValue(number);
    showEntry(editor, "cmbExpirePeriod", unit);
}

QString validityShown(QWidget *editor)
{
    return QString::number(editor->findChild<QSpinBox *>("numExpirePeriod")->value()) + ' '
           + text(editor, "cmbExpirePeriod");
}

// What the editor shows, in the order of the stored row.
QString shown(QWidget *editor)
{
    return QStringList{text(editor, "txtItemNo"),
                       text(editor, "txtItemName"),
                       text(editor, "cmbType"),
                       text(editor, "txtBarcode"),
                       text(editor, "cmbCategory"),
                       QString::number(editor->findChild<QSpinBox *>("txtWarranty")->value()),
                       editor->findChild<QCheckBox *>("chkIsActive")->isChecked() ? "active" : "inactive",
                       text(editor, "cmbDefaultVendor"),
                       text(editor, "txtVendorItemNo"),
                       validityShown(editor)}
        .join('|');
}

void typeItem(QWidget *editor, const QString &name, const QString &category)
{
    type(editor, "txtItemName", name);
    showEntry(editor, "cmbCategory", category);
}

// Item 5 with two stored prices and a stored conversion, the grids' fixture.
const char *storedItemWithRows[] = {
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, Warranty, IsActive, ValidityInDays) "
    "values (5, 'A-1', 'Rice', 1, 1, 0, b'1', 0)",
    "insert into itemprices (ItemPriceId, ItemId, PriceTypeId, UOMId, Price) values "
    "(11, 5, 3, 1, 5.00), (12, 5, 1, 2, 50.00), (13, 5, 2, 3, 400.00)",
    "insert into itemuom (ItemUOMId, ItemId, BigUOMId, SmallUOMId, Variance) values (21, 5, 2, 1, 12)",
};

// Stored prices as "id:item/type/unit/price" and conversions as "id:item/big/small/contains",
// in the order they were stored; "new" for the id where the server chose it.
QString storedRows(bool withIds = true)
{
    const QString id = withIds ? "%1, ':'" : "'new:'";
    return TestSupport::queryValue(
               QString("select concat_ws(' ; ', (select group_concat(concat(%1, ItemId, '/', PriceTypeId, '/', "
                       "UOMId, '/', Price) order by ItemPriceId separator ', ') from itemprices), "
                       "(select group_concat(concat(%2, ItemId, '/', BigUOMId, '/', SmallUOMId, '/', Variance + 0e0) "
                       "order by ItemUOMId separator ', ') from itemuom))")
                   .arg(QString(id).arg("ItemPriceId"), QString(id).arg("ItemUOMId")))
        .toString();
}

QTableWidget *grid(QWidget *editor, const char *name)
{
    return editor->findChild<QTableWidget *>(name);
}

// A grid as "shown|cells #stored id *" per row (the mark when changed), then its button.
QString gridState(QWidget *editor, const char *gridName, const char *button)
{
    const QTableWidget *rows = grid(editor, gridName);
    QStringList shownRows;
    for (int row = 0; row < rows->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rows->columnCount(); ++column)
            if (!rows->isColumnHidden(column))
                cells << rows->item(row, column)->text();
        QString line = cells.join('|');
        if (!rows->item(row, 0)->text().isEmpty())
            line += " #" + rows->item(row, 0)->text();
        if (rows->item(row, 6) && rows->item(row, 6)->text() == "updated")
            line += " *";
        shownRows << line;
    }
    return shownRows.join("; ") + " [" + editor->findChild<QPushButton *>(button)->text() + ']';
}

void setNumber(QWidget *editor, const char *field, const QString &number)
{
    auto *box = editor->findChild<QDoubleSpinBox *>(field);
    box->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(box, number);
}

// Runs what a user does on the grids, a step a line:
//   "price Retail Each 5"   price type, unit and price chosen, then Add (or Update)
//   "units Case 12 Each"    big unit, number and small unit chosen, then Add (or Update)
//   "hold price 1"          a double-click on that row of the price grid ("hold units 0")
//   "remove price 1"        that row chosen, then Remove ("remove units 0")
// The editor must be shown.
void runSteps(QWidget *editor, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QStringList words = step.split(' ');
        const bool prices = words.at(1) == "price" || words.at(0) == "price";
        QTableWidget *rows = grid(editor, prices ? "tblPrices" : "tblUOM");
        editor->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(prices ? 1 : 2);
        if (words.at(0) == "price") {
            showEntry(editor, "cmbPriceType", words.at(1));
            showEntry(editor, "cmbUOM", words.at(2));
            setNumber(editor, "txtPrice", words.at(3));
            click(editor, "btnAddPrice");
        } else if (words.at(0) == "units") {
            showEntry(editor, "cmbBigUnits", words.at(1));
            setNumber(editor, "dblVariance", words.at(2));
            showEntry(editor, "cmbSmallUnits", words.at(3));
            click(editor, "btnAddUOM");
        } else if (words.at(0) == "hold") {
            doubleClickRow(rows, words.at(2).toInt());
        } else if (words.at(0) == "remove") {
            rows->selectRow(words.at(2).toInt());
            click(editor, prices ? "btnRemove" : "btnRemoveUOM");
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}
}

class tst_items : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void validityPeriod_data();
    void validityPeriod();
    void form_data();
    void form();
    void insertAndLoadEveryField_data();
    void insertAndLoadEveryField();
    void updateThenANewItem();
    void checks_data();
    void checks();
    void failedSaveKeepsTheEditor_data();
    void failedSaveKeepsTheEditor();
    void addNewEntry_data();
    void addNewEntry();
    void itemNumberFillsAnEmptyBarcode_data();
    void itemNumberFillsAnEmptyBarcode();
    void gridsEditAndSave_data();
    void gridsEditAndSave();
    void newItemWithPricesAndAConversion_data();
    void newItemWithPricesAndAConversion();
    void failedRowLeavesEverythingAsItWas_data();
    void failedRowLeavesEverythingAsItWas();
    void categoryDeletedMeanwhile_data();
    void categoryDeletedMeanwhile();
};

void tst_items::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    for (const char *statement : categoriesAndVendors)
        EXEC_SQL(statement);
}

void tst_items::cleanup()
{
    rightToLeft = false;
    QLocale::setDefault(QLocale::c());
}

void tst_items::validityPeriod_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<ValidityPeriod::Unit>("unit");
    QTest::addColumn<int>("days");
    QTest::newRow("2 weeks are 14 days") << 2 << ValidityPeriod::Weeks << 14;
    QTest::newRow("60 days are 2 months") << 2 << ValidityPeriod::Months << 60;
    QTest::newRow("210 days, months before weeks") << 7 << ValidityPeriod::Months << 210;
    QTest::newRow("730 days are 2 years") << 2 << ValidityPeriod::Years << 730;
    QTest::newRow("10 days stay days") << 10 << ValidityPeriod::Days << 10;
    QTest::newRow("no validity shows as 0 years") << 0 << ValidityPeriod::Years << 0;
    QTest::newRow("the longest that the column holds") << 65535 << ValidityPeriod::Days << 65535;
}

void tst_items::validityPeriod()
{
    QFETCH(int, number);
    QFETCH(ValidityPeriod::Unit, unit);
    QFETCH(int, days);

    QCOMPARE((ValidityPeriod{number, unit}.days()), days);
    const ValidityPeriod period = ValidityPeriod::fromDays(days);
    QCOMPARE(period.number, number);
    QCOMPARE(period.unit, unit);
}

void tst_items::form_data()
{
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Items");
    QTest::newRow("size") << "" << "QDialog" << "size" << QVariant(QSize(676, 277));
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection"
                                             << QVariant(int(Qt::RightToLeft));
    for (const char *field : {"txtItemNo", "txtItemName", "txtBarcode", "txtVendorItemNo"})
        QTest::newRow(qPrintable(QString(field) + " as long as its column"))
            << field << "QLineEdit" << "maxLength" << QVariant(45);
    QTest::newRow("first tab") << "tabWidget" << "QTabWidget" << "currentIndex" << QVariant(0);
    QTest::newRow("types") << "cmbType" << "QComboBox" << "items" << QVariant("Inventory,Service");
    QTest::newRow("categories") << "cmbCategory" << "QComboBox" << "items" << QVariant("<Add New>,Food,Tools");
    QTest::newRow("vendors") << "cmbDefaultVendor" << "QComboBox" << "items" << QVariant("<Add New>,Nile,Delta");
    QTest::newRow("validity units") << "cmbExpirePeriod" << "QComboBox" << "items"
                                    << QVariant("Day(s),Week(s),Month(s),Year(s)");
    QTest::newRow("warranty steps a month") << "txtWarranty" << "QSpinBox" << "singleStep" << QVariant(30);
    QTest::newRow("validity up to 9999") << "numExpirePeriod" << "QSpinBox" << "maximum" << QVariant(9999);
    QTest::newRow("active by default") << "chkIsActive" << "QCheckBox" << "checked" << QVariant(true);
    QTest::newRow("price grid shows type, unit, price") << "tblPrices" << "QTableWidget" << "visibleColumns"
                                                        << QVariant("2,4,5");
    QTest::newRow("unit grid shows big unit, contains, small unit") << "tblUOM" << "QTableWidget"
                                                                    << "visibleColumns" << QVariant("2,3,5");
    QTest::newRow("a price as large as its column holds") << "txtPrice" << "QDoubleSpinBox" << "maximum"
                                                          << QVariant(99999999.99);
    QTest::newRow("a unit count as large as its column holds") << "dblVariance" << "QDoubleSpinBox" << "maximum"
                                                               << QVariant(999999.99);
}

void tst_items::form()
{
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = property == "layoutDirection";
    frmItems editor(nullptr, 0);
    const QString problem = TestSupport::checkForm(&editor, object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_items::insertAndLoadEveryField_data()
{
    QTest::addColumn<QStringList>("typed"); // number, name, type, barcode, category, warranty,
                                            // active, vendor, vendor's number, validity
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("every field")
        << QStringList{"A-1", "Rice", "Service", "628", "Tools", "90", "inactive", "Delta", "D-77", "2 Week(s)"}
        << "[A-1|Rice|2|628|2|90|0|2|D-77|14]" << "A-1|Rice|Service|628|Tools|90|inactive|Delta|D-77|2 Week(s)";
    QTest::newRow("empty texts as NULL, the name with its blanks")
        << QStringList{"", " Rice ", "Inventory", "", "Food", "0", "active", "<Add New>", "", "0 Day(s)"}
        << "[NULL| Rice |1|NULL|1|0|1|NULL|NULL|0]" << "| Rice |Inventory||Food|0|active|||0 Year(s)";
}

void tst_items::insertAndLoadEveryField()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    frmItems editor(nullptr, 0);
    type(&editor, "txtItemNo", typed.at(0));
    type(&editor, "txtItemName", typed.at(1));
    showEntry(&editor, "cmbType", typed.at(2));
    type(&editor, "txtBarcode", typed.at(3));
    showEntry(&editor, "cmbCategory", typed.at(4));
    editor.findChild<QSpinBox *>("txtWarranty")->setValue(typed.at(5).toInt());
    editor.findChild<QCheckBox *>("chkIsActive")->setChecked(typed.at(6) == "active");
    showEntry(&editor, "cmbDefaultVendor", typed.at(7));
    type(&editor, "txtVendorItemNo", typed.at(8));
    setValidity(&editor, typed.at(9).section(' ', 0, 0).toInt(), typed.at(9).section(' ', 1));

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedItems(), stored);
    // Ready for the next item, keeping the validity period; Active is the window's own.
    QCOMPARE(shown(&editor), QString("||Inventory||<Add New>|0|active|<Add New>||%1").arg(typed.at(9)));
    const int id = TestSupport::queryValue("select max(ItemId) from items").toInt();
    frmItems reopened(nullptr, id);
    QCOMPARE(shown(&reopened), loaded);
}

void tst_items::updateThenANewItem()
{
    EXEC_SQL("insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, Warranty, IsActive, ValidityInDays) "
             "values (5, 'A-1', 'Rice', 1, 1, 30, b'1', 60)");
    frmItems editor(nullptr, 5);
    // No vendor shows no entry: "<Add New>" is a command, not a vendor.
    QCOMPARE(shown(&editor), QString("A-1|Rice|Inventory||Food|30|active|||2 Month(s)"));

    edit(&editor, "txtItemName")->setText("Brown rice");
    showEntry(&editor, "cmbCategory", "Tools");
    click(&editor, "btnSave");
    QCOMPARE(text(&editor, "txtItemName"), QString());
    typeItem(&editor, "Beans", "Food");
    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedItems(), QString("[A-1|Brown rice|1|NULL|2|30|1|NULL|NULL|60],[NULL|Beans|1|NULL|1|0|1|NULL|NULL|60]"));
}

void tst_items::checks_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("category"); // "<Add New>": none chosen
    QTest::addColumn<QString>("validity");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("storedDays");
    QTest::newRow("name of blanks refused") << "btnSave" << "   " << "Food" << "0 Day(s)"
                                            << "Item name must be specified" << "";
    QTest::newRow("no category refused") << "btnSave" << "Rice" << "<Add New>" << "0 Day(s)"
                                         << "Item category must be specified" << "";
    QTest::newRow("Save and Close stays open when refused") << "btnSaveAndClose" << "" << "Food" << "0 Day(s)"
                                                            << "Item name must be specified" << "";
    QTest::newRow("Save and Close closes after a save") << "btnSaveAndClose" << "Rice" << "Food" << "0 Day(s)" << ""
                                                        << "0";
    QTest::newRow("9999 days") << "btnSave" << "Rice" << "Food" << "9999 Day(s)" << "" << "9999";
    QTest::newRow("the most weeks the column holds") << "btnSave" << "Rice" << "Food" << "9362 Week(s)" << ""
                                                     << "65534";
    QTest::newRow("one week more refused, not wrapped around")
        << "btnSave" << "Rice" << "Food" << "9363 Week(s)" << "The validity can be at most 9362 Week(s)." << "";
    QTest::newRow("the most months the column holds") << "btnSave" << "Rice" << "Food" << "2184 Month(s)" << ""
                                                      << "65520";
    QTest::newRow("180 years refused") << "btnSave" << "Rice" << "Food" << "180 Year(s)"
                                       << "The validity can be at most 179 Year(s)." << "";
}

void tst_items::checks()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, category);
    QFETCH(QString, validity);
    QFETCH(QString, message);
    QFETCH(QString, storedDays);
    frmItems editor(nullptr, 0);
    editor.show();
    typeItem(&editor, name, category);
    setValidity(&editor, validity.section(' ', 0, 0).toInt(), validity.section(' ', 1));

    click(&editor, qPrintable(button));

    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue("select group_concat(ValidityInDays) from items").toString(), storedDays);
    QCOMPARE(editor.isVisible(), !(message.isEmpty() && button == "btnSaveAndClose"));
    if (!message.isEmpty())
        QCOMPARE(text(&editor, "txtItemName"), name);
}

void tst_items::failedSaveKeepsTheEditor_data()
{
    QTest::addColumn<int>("itemId");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("cure"); // empty: a second Save fails again
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("insert refused by the server, then saved once")
        << 0
        << "create trigger refuse_item before insert on items for each row "
           "signal sqlstate '45000' set message_text = 'item refused'"
        << "drop trigger refuse_item" << msgInsertFailed + "\nitem refused" << "[NULL|Beans|1|NULL|2|0|1|NULL|NULL|0]";
    QTest::newRow("update of an item another user deleted")
        << 5 << "delete from items where ItemId = 5" << "" << cDbSave::recordGoneText()
        << "";
}

void tst_items::failedSaveKeepsTheEditor()
{
    QFETCH(int, itemId);
    QFETCH(QString, failure);
    QFETCH(QString, cure);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    EXEC_SQL("insert into items (ItemId, ItemName, TypeId, CategoryId, Warranty, IsActive, ValidityInDays) "
             "values (5, 'Rice', 1, 1, 0, b'1', 0)");
    frmItems editor(nullptr, itemId);
    edit(&editor, "txtItemName")->setText("Beans");
    showEntry(&editor, "cmbCategory", "Tools");
    EXEC_SQL(failure);
    const QString typed = shown(&editor);

    click(&editor, "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
    QCOMPARE(shown(&editor), typed);
    const QString before = itemId == 0 ? QString("[NULL|Rice|1|NULL|1|0|1|NULL|NULL|0]") : QString();
    QCOMPARE(storedItems(), before);

    if (cure.isEmpty())
        return;
    EXEC_SQL(cure);
    MessageRecorder::clear();
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedItems(), before + ',' + stored);
}

void tst_items::addNewEntry_data()
{
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QString>("editorClass");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // empty: the editor is closed without a save
    QTest::addColumn<QString>("chosen");
    QTest::newRow("category added and chosen") << "cmbCategory" << "frmCategories" << "txtCategory" << "Dairy" << "Dairy";
    QTest::newRow("vendor added and chosen") << "cmbDefaultVendor" << "frmVendors" << "txtVendorName" << "Sinai" << "Sinai";
    QTest::newRow("vendor editor closed unsaved: no vendor, not the newest")
        << "cmbDefaultVendor" << "frmVendors" << "txtVendorName" << "" << "";
    QTest::newRow("unit added from the price's unit") << "cmbUOM" << "frmUOM" << "txtUOM" << "Box" << "Box";
    QTest::newRow("unit added from the big unit") << "cmbBigUnits" << "frmUOM" << "txtUOM" << "Box" << "Box";
    QTest::newRow("unit added from the small unit") << "cmbSmallUnits" << "frmUOM" << "txtUOM" << "Box" << "Box";
}

void tst_items::addNewEntry()
{
    QFETCH(QString, comboName);
    QFETCH(QString, editorClass);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    frmItems editor(nullptr, 0);
    const QStringList unitCombos{"cmbUOM", "cmbBigUnits", "cmbSmallUnits"};
    for (int i = 0; i < unitCombos.size(); ++i)
        showEntry(&editor, qPrintable(unitCombos.at(i)), QStringList{"Case", "Pallet", "Book"}.at(i));
    QString opened;
    TestSupport::whenModal([&](QWidget *modal) {
        opened = QString("%1 [%2]").arg(modal->metaObject()->className(), text(modal, qPrintable(field)));
        if (!typed.isEmpty()) {
            edit(modal, field)->setText(typed);
            click(modal, "btnSave");
        }
        static_cast<QDialog *>(modal)->reject();
    });

    choose(combo(&editor, qPrintable(comboName)), "<Add New>");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(opened, editorClass + " []");
    QCOMPARE(text(&editor, qPrintable(comboName)), chosen);
    // The unit combos it was not chosen in keep what they showed, and all offer it.
    for (int i = 0; i < unitCombos.size(); ++i) {
        if (unitCombos.at(i) != comboName)
            QCOMPARE(text(&editor, qPrintable(unitCombos.at(i))), QStringList({"Case", "Pallet", "Book"}).at(i));
        if (field == "txtUOM")
            QVERIFY(comboTexts(combo(&editor, qPrintable(unitCombos.at(i)))).contains("Box"));
    }
}

void tst_items::itemNumberFillsAnEmptyBarcode_data()
{
    QTest::addColumn<QString>("barcode");
    QTest::addColumn<QString>("barcodeShown");
    QTest::newRow("empty barcode takes the number") << "" << "A-1";
    QTest::newRow("a typed barcode stays") << "628" << "628";
    QTest::newRow("a barcode of a blank stays") << " " << " ";
}

void tst_items::itemNumberFillsAnEmptyBarcode()
{
    QFETCH(QString, barcode);
    QFETCH(QString, barcodeShown);
    frmItems editor(nullptr, 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    typeItem(&editor, "Rice", "Food");
    edit(&editor, "txtBarcode")->setText(barcode);
    edit(&editor, "txtItemNo")->setFocus();
    type(&editor, "txtItemNo", "A-1");

    // Return ends the typing; the invisible default button neither saves nor clears.
    QTest::keyClick(edit(&editor, "txtItemNo"), Qt::Key_Return);

    QCOMPARE(text(&editor, "txtBarcode"), barcodeShown);
    QCOMPARE(text(&editor, "txtItemName"), QString("Rice"));
    QCOMPARE(storedItems(), QString());
    QVERIFY(editor.isVisible());
}

void tst_items::gridsEditAndSave_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("prices");      // the price grid after the steps
    QTest::addColumn<QString>("conversions"); // the unit grid after the steps
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");      // after Save
    const QString loadedPrices = "Retail|Each|5.00 #11; Bulk|Case|50.00 #12; H.Bulk|Pallet|400.00 #13 [Add]";
    const QString loadedConversions = "Case|12|Each #21 [Add]";
    const QString storedPrices = "11:5/3/1/5.00, 12:5/1/2/50.00, 13:5/2/3/400.00";
    const QString storedConversions = " ; 21:5/2/1/12";
    QTest::newRow("loaded rows saved unchanged") << QStringList() << loadedPrices << loadedConversions << ""
                                                 << storedPrices + storedConversions;
    QTest::newRow("a pair the grid holds is not added again")
        << QStringList{"price Retail Each 7"} << loadedPrices << loadedConversions << ""
        << storedPrices + storedConversions;
    QTest::newRow("a deleted, an added, a changed and an unchanged row")
        << QStringList{"remove price 1", "hold price 0", "price Retail Each 5.25", "price Retail Pack 3"}
        << "Retail|Each|5.25 #11 *; H.Bulk|Pallet|400.00 #13; Retail|Pack|3.00 [Add]" << loadedConversions << ""
        << "11:5/3/1/5.25, 13:5/2/3/400.00, 14:5/3/8/3.00" + storedConversions;
    QTest::newRow("update to another row's pair is not taken")
        << QStringList{"hold price 0", "price Bulk Case 9"}
        << "Retail|Each|5.00 #11; Bulk|Case|50.00 #12; H.Bulk|Pallet|400.00 #13 [Update]" << loadedConversions << ""
        << storedPrices + storedConversions;
    QTest::newRow("a row added and removed again is never stored")
        << QStringList{"price Retail Pack 3", "remove price 3"} << loadedPrices << loadedConversions << ""
        << storedPrices + storedConversions;
    QTest::newRow("remove while a row is held leaves update mode")
        << QStringList{"hold price 2", "remove price 0", "price Retail Pack 3"}
        << "Bulk|Case|50.00 #12; H.Bulk|Pallet|400.00 #13; Retail|Pack|3.00 [Add]" << loadedConversions << ""
        << "12:5/1/2/50.00, 13:5/2/3/400.00, 14:5/3/8/3.00" + storedConversions;
    QTest::newRow("a price needs a unit")
        << QStringList{"price Retail <Add New> 3"} << loadedPrices << loadedConversions
        << "Select Unit of measure for this price" << storedPrices + storedConversions;
    QTest::newRow("the reverse pair is a conversion of its own, shown shortest")
        << QStringList{"units Each 0.50 Case"} << loadedPrices << "Case|12|Each #21; Each|0.5|Case [Add]" << ""
        << storedPrices + storedConversions + ", 22:5/1/2/0.5";
    QTest::newRow("a conversion the grid holds is not added again")
        << QStringList{"units Case 10 Each"} << loadedPrices << loadedConversions << ""
        << storedPrices + storedConversions;
    QTest::newRow("a conversion changed through Update")
        << QStringList{"hold units 0", "units Case 24 Each"} << loadedPrices << "Case|24|Each #21 * [Add]" << ""
        << storedPrices + " ; 21:5/2/1/24";
    QTest::newRow("a removed conversion deleted")
        << QStringList{"hold units 0", "remove units 0"} << loadedPrices << " [Add]" << "" << storedPrices;
    QTest::newRow("no big unit") << QStringList{"units <Add New> 2 Each"} << loadedPrices << loadedConversions
                                 << "Select big unit" << storedPrices + storedConversions;
    QTest::newRow("no small unit") << QStringList{"units Case 2 <Add New>"} << loadedPrices << loadedConversions
                                   << "Select small unit" << storedPrices + storedConversions;
    QTest::newRow("one unit on both sides") << QStringList{"units Case 2 Case"} << loadedPrices << loadedConversions
                                            << "Big unit and small unit must be different"
                                            << storedPrices + storedConversions;
}

void tst_items::gridsEditAndSave()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, prices);
    QFETCH(QString, conversions);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    for (const char *statement : storedItemWithRows)
        EXEC_SQL(statement);
    frmItems editor(nullptr, 5);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    runSteps(&editor, steps);

    QCOMPARE(gridState(&editor, "tblPrices", "btnAddPrice"), prices);
    QCOMPARE(gridState(&editor, "tblUOM", "btnAddUOM"), conversions);
    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    MessageRecorder::clear();
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedRows(), stored);
    QCOMPARE(gridState(&editor, "tblPrices", "btnAddPrice"), QString(" [Add]"));
}

// Whatever the language shows, the amount typed is the amount stored.
void tst_items::newItemWithPricesAndAConversion_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Arabic") << "ar";
    QTest::newRow("a decimal comma") << "de";
}

void tst_items::newItemWithPricesAndAConversion()
{
    QFETCH(QString, language);
    QLocale::setDefault(QLocale(language));
    rightToLeft = language == "ar";
    frmItems editor(nullptr, 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    typeItem(&editor, "Rice", "Food");

    runSteps(&editor, {"price Retail Each 1234.56", "price Bulk Case 0.1", "price H.Bulk Pallet 99999999.99",
                       "units Pallet 40 Case"});
    QCOMPARE(gridState(&editor, "tblPrices", "btnAddPrice"),
             QString("Retail|Each|1234.56; Bulk|Case|0.10; H.Bulk|Pallet|99999999.99 [Add]"));
    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    const int id = TestSupport::queryValue("select max(ItemId) from items").toInt();
    QCOMPARE(storedRows(false),
             QString("new:%1/3/1/1234.56, new:%1/1/2/0.10, new:%1/2/3/99999999.99 ; new:%1/3/2/40").arg(id));
    QCOMPARE(gridState(&editor, "tblPrices", "btnAddPrice") + gridState(&editor, "tblUOM", "btnAddUOM"),
             QString(" [Add] [Add]"));
}

void tst_items::failedRowLeavesEverythingAsItWas_data()
{
    QTest::addColumn<int>("itemId");
    QTest::addColumn<QString>("stored");
    QTest::newRow("a new item") << 0 << "11:5/3/1/5.00, 12:5/1/2/50.00, 13:5/2/3/400.00 ; 21:5/2/1/12";
    QTest::newRow("an existing item") << 5 << "11:5/3/1/5.00, 12:5/1/2/50.00, 13:5/2/3/400.00 ; 21:5/2/1/12";
}

// The second price of the save is refused: the item, its rows and the editor stay as
// they were, and a second Save after the cause is gone writes everything once.
void tst_items::failedRowLeavesEverythingAsItWas()
{
    QFETCH(int, itemId);
    QFETCH(QString, stored);
    for (const char *statement : storedItemWithRows)
        EXEC_SQL(statement);
    EXEC_SQL("create trigger refuse_price before insert on itemprices for each row "
             "if new.Price = 2 then signal sqlstate '45000' set message_text = 'price refused'; end if");
    frmItems editor(nullptr, itemId);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    edit(&editor, "txtItemName")->setText("Beans");
    showEntry(&editor, "cmbCategory", "Food");
    runSteps(&editor, {"price Retail Pack 1", "price Bulk Pack 2", "price H.Bulk Pack 3", "units Pack 6 Book"});
    if (itemId != 0)
        runSteps(&editor, {"remove price 0"});
    const QString prices = gridState(&editor, "tblPrices", "btnAddPrice");
    const QString items = storedItems();

    click(&editor, "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgInsertFailed + "\nprice refused"), qPrintable(messageLog()));
    QCOMPARE(storedRows(), stored);
    QCOMPARE(storedItems(), items);
    QCOMPARE(gridState(&editor, "tblPrices", "btnAddPrice"), prices);
    QCOMPARE(text(&editor, "txtItemName"), QString("Beans"));

    EXEC_SQL("drop trigger refuse_price");
    MessageRecorder::clear();
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select count(*) from items").toInt(), itemId == 0 ? 2 : 1);
    QCOMPARE(TestSupport::queryValue("select count(*) from itemprices").toInt(), itemId == 0 ? 6 : 5);
    QCOMPARE(TestSupport::queryValue("select count(*) from itemuom").toInt(), 2);
}

void tst_items::categoryDeletedMeanwhile_data()
{
    QTest::addColumn<int>("id"); // 0: a new item
    QTest::newRow("a new item") << 0;
    QTest::newRow("a stored item moved to it") << 4;
}

// The item lists show an item only with its category: one saved under a category deleted
// meanwhile would be stored and hidden from every list.
void tst_items::categoryDeletedMeanwhile()
{
    QFETCH(int, id);
    EXEC_SQL("insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
             "(4, 'R-1', 'Rice', 1, 1, b'1')");
    frmItems editor(nullptr, id);
    editor.show();
    if (id == 0)
        type(&editor, "txtItemName", "Hammer");
    choose(combo(&editor, "cmbCategory"), "Tools");
    EXEC_AS_OTHER_USER("delete from itemcategories where ItemCategoryId = 2");

    click(&editor, "btnSave");

    QVERIFY2(messageLog().endsWith(cDbSave::recordGoneText("the chosen category")), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue("select group_concat(concat(ItemName, ' ', CategoryId)) from items").toString(),
             QString("Rice 1"));
    QCOMPARE(text(&editor, "cmbCategory"), QString("Tools"));
}

ZARPO_TEST_MAIN(tst_items)
#include "tst_items.moc"
