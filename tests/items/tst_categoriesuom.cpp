#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "items/frmCategories.h"
#include "items/frmCategoriesView.h"
#include "items/frmUOM.h"
#include "items/frmUOMView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// The two editors of a list of names, which differ in what they make of the typed name.
struct NameEditor
{
    std::function<QDialog *(int id)> open;
    const char *field;
    const char *table;
    const char *idColumn;
    const char *nameColumn;
    int seedRows;
};

NameEditor nameEditor(const QString &window)
{
    if (window == "category")
        return {[](int id) { return new frmCategories(nullptr, id); }, "txtCategory", "itemcategories",
                "ItemCategoryId", "Category", 0};
    return {[](int id) { return new frmUOM(nullptr, id); }, "txtUOM", "uom", "UOMId", "UOM", 8};
}

// The names stored after the seed rows, "[NULL]" for a NULL name.
QString storedNames(const NameEditor &editor)
{
    return TestSupport::queryValue(QString("select group_concat(concat('[', ifnull(%1, 'NULL'), ']') order by %2) "
                                           "from %3 where %2 > %4")
                                       .arg(editor.nameColumn, editor.idColumn, editor.table)
                                       .arg(editor.seedRows))
        .toString();
}

void addFixture(const NameEditor &editor, int id, const QString &name)
{
    EXEC_SQL(QString("insert into %1 (%2, %3) values (%4, '%5')")
                 .arg(editor.table, editor.idColumn, editor.nameColumn)
                 .arg(id)
                 .arg(name));
}
}

class tst_categoriesuom : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void save_data();
    void save();
    void editUpdatesOnceThenAddsNew_data();
    void editUpdatesOnceThenAddsNew();
    void updateOfADeletedRecordFailsAndKeepsTheName_data();
    void updateOfADeletedRecordFailsAndKeepsTheName();
};

void tst_categoriesuom::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_categoriesuom::cleanup()
{
    rightToLeft = false;
}

void tst_categoriesuom::form_data()
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
    row("category editor title", "frmCategories", "", "QDialog", "windowTitle", "Category");
    row("category editor size", "frmCategories", "", "QDialog", "size", QSize(400, 101));
    row("category name as long as its column", "frmCategories", "txtCategory", "QLineEdit", "maxLength", 45);
    row("category label", "frmCategories", "label", "QLabel", "text", "Category:");
    row("category list title", "frmCategoriesView", "", "QDialog", "windowTitle", "Categories View");
    row("category list size", "frmCategoriesView", "", "QDialog", "size", QSize(429, 298));
    row("category list selects rows", "frmCategoriesView", "tblCategories", "QTableView", "selectionBehavior",
        int(QAbstractItemView::SelectRows));
    row("category list dashed grid", "frmCategoriesView", "tblCategories", "QTableView", "gridStyle",
        int(Qt::DashLine));
    row("unit editor title", "frmUOM", "", "QDialog", "windowTitle", "Unit of Measures");
    row("unit editor size", "frmUOM", "", "QDialog", "size", QSize(414, 102));
    row("unit name as long as its column", "frmUOM", "txtUOM", "QLineEdit", "maxLength", 45);
    row("unit label", "frmUOM", "label", "QLabel", "text", "Unit of Measure:");
    row("unit list title", "frmUOMView", "", "QDialog", "windowTitle", "Unit of Measures View");
    row("unit list size", "frmUOMView", "", "QDialog", "size", QSize(502, 300));
    row("unit list selects rows", "frmUOMView", "tblUom", "QTableView", "selectionBehavior",
        int(QAbstractItemView::SelectRows));
    for (const char *window : {"frmCategories", "frmCategoriesView", "frmUOM", "frmUOMView"})
        row(qPrintable(QString(window) + " right to left in Arabic"), window, "", "QDialog", "layoutDirection",
            int(Qt::RightToLeft));
}

void tst_categoriesuom::form()
{
    QFETCH(QString, window);
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = property == "layoutDirection";
    std::unique_ptr<QDialog> dialog;
    if (window == "frmCategories")
        dialog.reset(new frmCategories(nullptr, 0));
    else if (window == "frmCategoriesView")
        dialog.reset(new frmCategoriesView(nullptr));
    else if (window == "frmUOM")
        dialog.reset(new frmUOM(nullptr, 0));
    else
        dialog.reset(new frmUOMView(nullptr));
    const QString problem = TestSupport::checkForm(dialog.get(), object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_categoriesuom::save_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("messages"); // how the one box begins; empty: saved without a word
    QTest::addColumn<QString>("stored");
    const QString refused = messageEntry(Messages::Information, "Insert category");
    QTest::newRow("category stored without the blanks around it")
        << "category" << "btnSave" << "  Dairy " << "" << "" << "[Dairy]";
    QTest::newRow("category of blanks refused") << "category" << "btnSave" << "   " << "" << refused << "";
    QTest::newRow("empty category refused") << "category" << "btnSave" << "" << "" << refused << "";
    QTest::newRow("category name cut to its column")
        << "category" << "btnSave" << QString(50, 'c') << "" << "" << '[' + QString(45, 'c') + ']';
    QTest::newRow("unit stored with its blanks") << "unit" << "btnSave" << " Box " << "" << "" << "[ Box ]";
    QTest::newRow("unit without a name stored, as an empty text")
        << "unit" << "btnSave" << "" << "" << "" << "[]";
    QTest::newRow("category Save and Close saves and closes")
        << "category" << "btnSaveAndClose" << "Dairy" << "" << "" << "[Dairy]";
    QTest::newRow("category Save and Close stays open when refused")
        << "category" << "btnSaveAndClose" << " " << "" << refused << "";
    QTest::newRow("unit Save and Close stays open after a server failure")
        << "unit" << "btnSaveAndClose" << "Box"
        << "create trigger refuse_unit before insert on uom for each row "
           "signal sqlstate '45000' set message_text = 'unit refused'"
        << messageEntry(Messages::Critical, msgInsertFailed + "\nunit refused") << "";
}

void tst_categoriesuom::save()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, fixture);
    QFETCH(QString, messages);
    QFETCH(QString, stored);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    const NameEditor kind = nameEditor(window);
    const std::unique_ptr<QDialog> editor(kind.open(0));
    editor->show();
    type(editor.get(), kind.field, typed);

    click(editor.get(), qPrintable(button));

    QCOMPARE(MessageRecorder::messages().size(), messages.isEmpty() ? 0 : 1);
    QVERIFY2(messages.isEmpty() || messageLog().startsWith(messages), qPrintable(messageLog()));
    QCOMPARE(storedNames(kind), stored);
    const bool saved = messages.isEmpty();
    QCOMPARE(editor->isVisible(), !(saved && button == "btnSaveAndClose"));
    QCOMPARE(edit(editor.get(), kind.field)->text(), saved ? QString() : typed);
}

void tst_categoriesuom::editUpdatesOnceThenAddsNew_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("category") << "category";
    QTest::newRow("unit") << "unit";
}

void tst_categoriesuom::editUpdatesOnceThenAddsNew()
{
    QFETCH(QString, window);
    const NameEditor kind = nameEditor(window);
    addFixture(kind, 9, "Dairy");
    const std::unique_ptr<QDialog> editor(kind.open(9));
    QCOMPARE(edit(editor.get(), kind.field)->text(), QString("Dairy"));

    edit(editor.get(), kind.field)->setText("Milk");
    click(editor.get(), "btnSave");
    QCOMPARE(edit(editor.get(), kind.field)->text(), QString());
    edit(editor.get(), kind.field)->setText("Cheese");
    click(editor.get(), "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(storedNames(kind), QString("[Milk],[Cheese]"));
}

void tst_categoriesuom::updateOfADeletedRecordFailsAndKeepsTheName_data()
{
    editUpdatesOnceThenAddsNew_data();
}

void tst_categoriesuom::updateOfADeletedRecordFailsAndKeepsTheName()
{
    QFETCH(QString, window);
    const NameEditor kind = nameEditor(window);
    addFixture(kind, 9, "Dairy");
    const std::unique_ptr<QDialog> editor(kind.open(9));
    EXEC_SQL(QString("delete from %1 where %2 = 9").arg(kind.table, kind.idColumn));
    edit(editor.get(), kind.field)->setText("Milk");

    click(editor.get(), "btnSave");

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText()));
    QCOMPARE(storedNames(kind), QString());
    QCOMPARE(edit(editor.get(), kind.field)->text(), QString("Milk"));
}

ZARPO_TEST_MAIN(tst_categoriesuom)
#include "tst_categoriesuom.moc"
