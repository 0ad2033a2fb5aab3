#include "core/dbsave.h"
#include "core/globals.h"
#include "items/frmItems.h"
#include "items/validityperiod.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

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
    // Ready for the next item, keeping Active and the validity period.
    QCOMPARE(shown(&editor), QString("||Inventory||<Add New>|0|%1|<Add New>||%2").arg(typed.at(6), typed.at(9)));
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
        << 5 << "delete from items where ItemId = 5" << "" << msgInsertFailed + '\n' + cDbSave::recordGoneText()
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
    QTest::newRow("vendor editor closed unsaved: the newest vendor")
        << "cmbDefaultVendor" << "frmVendors" << "txtVendorName" << "" << "Delta";
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

ZARPO_TEST_MAIN(tst_items)
#include "tst_items.moc"
