#include "core/system/globals.h"
#include "items/frmItemsView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// Items of every kind the list must tell apart: inactive, of each type, with characters
// that LIKE would read as wildcards, without a number, without a type or category row.
const char *items[] = {
    "insert into itemcategories (ItemCategoryId, Category) values (1, 'Food')",
    "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) values "
    "(1, 'A-1', 'Rice', 1, 1, b'1'), (2, 'B_2', 'Beans 50%', 2, 1, b'1'), (3, NULL, 'O''Brien''s tea', 1, 1, b'1'), "
    "(4, 'C\\\\3', 'Old flour', 1, 1, b'0'), (5, 'D-4', 'Ghost', 9, 1, b'1'), (6, 'E-5', 'Salt', 1, NULL, b'1'), "
    "(7, 'AB2', 'Rye', 1, 1, b'1')",
};

// The item names the list shows, in order.
QStringList shownNames(QWidget *list)
{
    QStringList names;
    const QAbstractItemModel *model = table(list)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 2).data().toString();
    return names;
}

// What a user does to the filters, a step each: "inactive" ticks the box, "type Service"
// chooses a type, "by Item No." a filter column, "text abc" types into the filter box and
// "erase" empties it.
void runFilterSteps(QWidget *list, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString argument = step.section(' ', 1);
        if (step == "inactive")
            click(list, "chkShowInactive");
        else if (step.startsWith("type "))
            choose(combo(list, "cmbType"), argument);
        else if (step.startsWith("by "))
            combo(list, "cmbFilterBy")->setCurrentText(argument);
        else if (step.startsWith("text "))
            type(list, "txtFilter", argument);
        else if (step == "erase")
            edit(list, "txtFilter")->clear();
        else
            QFAIL(qPrintable("unknown step " + step));
    }
}
}

class tst_itemsview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void filters_data();
    void filters();
    void pick_data();
    void pick();
    void deleteTakesThePricesAlong();
};

void tst_itemsview::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    for (const char *statement : items)
        EXEC_SQL(statement);
}

void tst_itemsview::cleanup()
{
    rightToLeft = false;
}

void tst_itemsview::form_data()
{
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("View Items");
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
    QTest::newRow("types") << "cmbType" << "QComboBox" << "items" << QVariant("All,Inventory,Service");
    QTest::newRow("filter columns") << "cmbFilterBy" << "QComboBox" << "items" << QVariant("Item No.,Item Name");
    QTest::newRow("filtering by name") << "cmbFilterBy" << "QComboBox" << "currentIndex" << QVariant(1);
    for (const char *button : {"btnNew", "btnEdit", "btnDelete"})
        QTest::newRow(qPrintable(QString(button) + " does not answer Return"))
            << button << "QPushButton" << "autoDefault" << QVariant(false);
}

void tst_itemsview::form()
{
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = property == "layoutDirection";
    frmItemsView list(nullptr);
    const QString problem = TestSupport::checkForm(&list, object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_itemsview::filters_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("active items of every type, by name")
        << QStringList() << QStringList{"Beans 50%", "O'Brien's tea", "Rice", "Rye"};
    QTest::newRow("inactive ones when asked")
        << QStringList{"inactive"} << QStringList{"Beans 50%", "O'Brien's tea", "Old flour", "Rice", "Rye"};
    QTest::newRow("one type") << QStringList{"type Service"} << QStringList{"Beans 50%"};
    QTest::newRow("a part of the name") << QStringList{"text ry"} << QStringList{"Rye"};
    QTest::newRow("a quote matches itself") << QStringList{"text n's"} << QStringList{"O'Brien's tea"};
    QTest::newRow("a percent sign matches itself") << QStringList{"text %"} << QStringList{"Beans 50%"};
    QTest::newRow("an emoji matches nothing, the server refusing nothing")
        << QStringList{"text " + QString::fromUtf8("\xF0\x9F\x98\x80")} << QStringList();
    QTest::newRow("an underscore matches itself") << QStringList{"by Item No.", "text B_"} << QStringList{"Beans 50%"};
    QTest::newRow("a backslash matches itself")
        << QStringList{"inactive", "by Item No.", "text \\"} << QStringList{"Old flour"};
    QTest::newRow("an empty number filter leaves out items without one")
        << QStringList{"by Item No.", "text A", "erase"} << QStringList{"Beans 50%", "Rice", "Rye"};
    QTest::newRow("a type chosen later lists the whole type")
        << QStringList{"text ry", "type Inventory"} << QStringList{"O'Brien's tea", "Rice", "Rye"};
}

// An item without its type or category row is never listed.
void tst_itemsview::filters()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, names);
    frmItemsView list(nullptr);

    runFilterSteps(&list, steps);

    QCOMPARE(shownNames(&list), names);
    QCOMPARE(messageLog(), QString());
}

void tst_itemsview::pick_data()
{
    QTest::addColumn<bool>("pickerMode");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("action"); // "double-click Rye", "Return", "Escape"
    QTest::addColumn<int>("result");     // -1: still open afterwards
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("current"); // the name on the current row afterwards
    QTest::newRow("a double-click picks its row")
        << true << QStringList() << "double-click Rye" << int(QDialog::Accepted) << 7 << "";
    QTest::newRow("Return picks the first listed row, not the chosen one")
        << true << QStringList{"choose Rye", "text r"} << "Return" << int(QDialog::Accepted) << 3 << "";
    QTest::newRow("Return on an empty list does nothing")
        << true << QStringList{"text nothing like it"} << "Return" << -1 << 77 << "";
    QTest::newRow("Escape picks nothing") << true << QStringList{"choose Rye"} << "Escape" << int(QDialog::Rejected)
                                          << 77 << "";
    QTest::newRow("a list's double-click does nothing")
        << false << QStringList() << "double-click Rye" << -1 << 77 << "Rye";
    QTest::newRow("a list's Return only chooses the first row")
        << false << QStringList{"choose Rye"} << "Return" << -1 << 77 << "Beans 50%";
}

// The picker as the documents run it: on the heap, deleted when its run ends, the
// choice handed over in pickedItemId alone.
void tst_itemsview::pick()
{
    QFETCH(bool, pickerMode);
    QFETCH(QStringList, steps);
    QFETCH(QString, action);
    QFETCH(int, result);
    QFETCH(int, picked);
    QFETCH(QString, current);
    pickedItemId = 77;
    auto *list = new frmItemsView(nullptr);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->pickerMode = pickerMode;
    bool openAfterwards = false;
    QString currentName;
    TestSupport::whenModal([&](QWidget *modal) {
        for (const QString &step : steps) {
            if (step.startsWith("choose "))
                chooseRow(modal, step.section(' ', 1), 2);
            else
                runFilterSteps(modal, {step});
        }
        QLineEdit *filter = edit(modal, "txtFilter");
        if (action.startsWith("double-click ")) {
            const QModelIndexList rows = table(modal)->model()->match(
                table(modal)->model()->index(0, 2), Qt::DisplayRole, action.section(' ', 1), 1, Qt::MatchExactly);
            QVERIFY(!rows.isEmpty());
            doubleClickRow(table(modal), rows.first().row());
        } else {
            QTest::keyClick(filter, action == "Return" ? Qt::Key_Return : Qt::Key_Escape);
        }
        openAfterwards = modal->isVisible();
        if (openAfterwards) {
            currentName = table(modal)->currentIndex().sibling(table(modal)->currentIndex().row(), 2).data().toString();
            static_cast<QDialog *>(modal)->reject();
        }
    });

    const int ended = list->exec();

    QCOMPARE(openAfterwards ? -1 : ended, result);
    QCOMPARE(pickedItemId, picked);
    QCOMPARE(currentName, current);
    QCOMPARE(messageLog(), QString());
}

void tst_itemsview::deleteTakesThePricesAlong()
{
    EXEC_SQL("insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (7, 1, 1, 2.5), (7, 3, 2, 30)");
    frmItemsView list(nullptr);
    chooseRow(&list, "AB2");
    MessageRecorder::answerNext(QMessageBox::Yes);

    click(&list, "btnDelete");

    QCOMPARE(messageLog(), messageEntry(Messages::Question, msgDelete + ": AB2"));
    QCOMPARE(shownNames(&list), QStringList({"Beans 50%", "O'Brien's tea", "Rice"}));
    QCOMPARE(TestSupport::queryValue("select count(*) from itemprices where ItemId = 7").toInt(), 0);
}

ZARPO_TEST_MAIN(tst_itemsview)
#include "tst_itemsview.moc"
