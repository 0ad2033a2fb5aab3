#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "items/frmWarehouses.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QLineEdit>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// The fields in the order of the columns that store them.
const char *const fields[] = {"txtName",     "txtStreet1", "txtStreet2", "txtCity",
                              "txtProvince", "txtCountry", "txtPhone",   "txtFax"};

// The warehouses stored after the two of the schema, one per line: each text column as
// "[text]" or NULL, then IsActive.
QString storedWarehouses()
{
    return TestSupport::queryValue(
               "select group_concat(concat_ws('|', "
               "ifnull(concat('[', WarehouseName, ']'), 'NULL'), ifnull(concat('[', Address1, ']'), 'NULL'), "
               "ifnull(concat('[', Address2, ']'), 'NULL'), ifnull(concat('[', City, ']'), 'NULL'), "
               "ifnull(concat('[', State, ']'), 'NULL'), ifnull(concat('[', Country, ']'), 'NULL'), "
               "ifnull(concat('[', Phone, ']'), 'NULL'), ifnull(concat('[', Fax, ']'), 'NULL'), IsActive + 0) "
               "order by WarehouseId separator '\\n') from warehouses where WarehouseId > 2")
        .toString();
}

void typeFields(QWidget *editor, const QStringList &typed)
{
    for (int field = 0; field < typed.size(); ++field)
        type(editor, fields[field], typed.at(field));
}

const QStringList emptyFields{"", "", "", "", "", "", "", ""};

QStringList shownFields(QWidget *editor)
{
    QStringList shown;
    for (const char *field : fields)
        shown << edit(editor, field)->text();
    return shown;
}
}

class tst_warehouses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void save_data();
    void save();
    void editUpdatesThenNewAddsAnother();
    void updateOfADeletedWarehouseFailsAndKeepsWhatWasTyped();
};

void tst_warehouses::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_warehouses::cleanup()
{
    rightToLeft = false;
}

void tst_warehouses::form_data()
{
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("title") << "" << "QDialog" << "windowTitle" << QVariant("Warehouse");
    QTest::newRow("size") << "" << "QDialog" << "size" << QVariant(QSize(579, 193));
    QTest::newRow("active at first") << "chkActive" << "QCheckBox" << "checked" << QVariant(true);
    QTest::newRow("province label") << "label_5" << "QLabel" << "text" << QVariant("Province:");
    QTest::newRow("save and close") << "btnSaveAndClose" << "QPushButton" << "text" << QVariant("Save and Close");
    for (const char *field : fields)
        QTest::newRow(qPrintable(QString(field) + " as long as its column"))
            << field << "QLineEdit" << "maxLength" << QVariant(45);
    QTest::newRow("right to left in Arabic") << "" << "QDialog" << "layoutDirection" << QVariant(int(Qt::RightToLeft));
}

void tst_warehouses::form()
{
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = property == "layoutDirection";
    frmWarehouses editor(nullptr, 0);
    const QString problem = TestSupport::checkForm(&editor, object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_warehouses::save_data()
{
    QTest::addColumn<QStringList>("typed"); // in the order of `fields`
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("messages"); // how the one box begins; empty: saved without a word
    QTest::addColumn<QString>("stored");
    const QString allNull = "NULL|NULL|NULL|NULL|NULL|NULL|NULL";
    QTest::newRow("every field empty: an empty name, the rest NULL")
        << QStringList() << true << "btnSave" << "" << "" << "[]|" + allNull + "|1";
    QTest::newRow("blanks alone stored as NULL, blanks around text kept")
        << QStringList{"  North Store ", "   ", "", " Cairo ", " ", "Egypt", "02 2345 6789", "  "} << true << "btnSave"
        << "" << "" << "[  North Store ]|NULL|NULL|[ Cairo ]|NULL|[Egypt]|[02 2345 6789]|NULL|1";
    QTest::newRow("a name of blanks stored as typed")
        << QStringList{"  "} << true << "btnSave" << "" << "" << "[  ]|" + allNull + "|1";
    QTest::newRow("every field stored in its column, inactive")
        << QStringList{"مخزن الشمال", "1 Nile St", "Floor 2", "Giza", "Giza Gov", "Egypt", "+20 2 111", "+20 2 222"}
        << false << "btnSave" << ""
        << "" << "[مخزن الشمال]|[1 Nile St]|[Floor 2]|[Giza]|[Giza Gov]|[Egypt]|[+20 2 111]|[+20 2 222]|0";
    QTest::newRow("Save and Close saves and closes")
        << QStringList{"North"} << true << "btnSaveAndClose" << "" << "" << "[North]|" + allNull + "|1";
    const QString refusal = "create trigger refuse_warehouse before insert on warehouses for each row "
                            "signal sqlstate '45000' set message_text = 'warehouse refused'";
    QTest::newRow("a failed save tells the server's text and keeps the fields")
        << QStringList{"North", "", "", "Cairo"} << true << "btnSave" << refusal
        << messageEntry(Messages::Critical, msgInsertFailed + "\nwarehouse refused") << "";
    QTest::newRow("Save and Close stays open after a failed save")
        << QStringList{"North", "", "", "Cairo"} << true << "btnSaveAndClose" << refusal
        << messageEntry(Messages::Critical, msgInsertFailed + "\nwarehouse refused") << "";
}

void tst_warehouses::save()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, active);
    QFETCH(QString, button);
    QFETCH(QString, fixture);
    QFETCH(QString, messages);
    QFETCH(QString, stored);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmWarehouses editor(nullptr, 0);
    editor.show();
    typeFields(&editor, typed);
    editor.findChild<QCheckBox *>("chkActive")->setChecked(active);

    click(&editor, qPrintable(button));

    QCOMPARE(MessageRecorder::messages().size(), messages.isEmpty() ? 0 : 1);
    QVERIFY2(messages.isEmpty() || messageLog().startsWith(messages), qPrintable(messageLog()));
    QCOMPARE(storedWarehouses(), stored);
    const bool saved = messages.isEmpty();
    QCOMPARE(editor.isVisible(), !(saved && button == "btnSaveAndClose"));
    QStringList kept = typed;
    while (kept.size() < emptyFields.size())
        kept << QString();
    QCOMPARE(shownFields(&editor), saved ? emptyFields : kept);
    QCOMPARE(editor.findChild<QCheckBox *>("chkActive")->isChecked(), saved || active);
}

// An editor opened on a warehouse shows it and updates it once; after that save it stands
// on a new warehouse, as after New, and the same values saved twice are two warehouses.
void tst_warehouses::editUpdatesThenNewAddsAnother()
{
    EXEC_SQL("insert into warehouses (WarehouseId, WarehouseName, Address1, City, Phone, IsActive) "
             "values (7, 'North', '1 Nile St', 'Cairo', '02 111', 0)");
    frmWarehouses editor(nullptr, 7);
    QCOMPARE(shownFields(&editor), QStringList({"North", "1 Nile St", "", "Cairo", "", "", "02 111", ""}));
    QCOMPARE(editor.findChild<QCheckBox *>("chkActive")->isChecked(), false);

    edit(&editor, "txtCity")->setText("Giza");
    click(&editor, "btnSave");
    QCOMPARE(shownFields(&editor), emptyFields);
    QCOMPARE(editor.findChild<QCheckBox *>("chkActive")->isChecked(), true);
    for (int save = 0; save < 2; ++save) {
        edit(&editor, "txtName")->setText("South");
        click(&editor, "btnSave");
    }

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat_ws('|', WarehouseName, Address1, City, Phone, IsActive + 0) "
                                     "from warehouses where WarehouseId = 7")
                 .toString(),
             QString("North|1 Nile St|Giza|02 111|0"));
    QCOMPARE(storedWarehouses(), QString("[North]|[1 Nile St]|NULL|[Giza]|NULL|NULL|[02 111]|NULL|0\n"
                                         "[South]|NULL|NULL|NULL|NULL|NULL|NULL|NULL|1\n"
                                         "[South]|NULL|NULL|NULL|NULL|NULL|NULL|NULL|1"));
}

void tst_warehouses::updateOfADeletedWarehouseFailsAndKeepsWhatWasTyped()
{
    EXEC_SQL("insert into warehouses (WarehouseId, WarehouseName, IsActive) values (7, 'North', 1)");
    frmWarehouses editor(nullptr, 7);
    EXEC_SQL("delete from warehouses where WarehouseId = 7");
    edit(&editor, "txtName")->setText("South");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), messageEntry(Messages::Critical, cDbSave::recordGoneText()));
    QCOMPARE(storedWarehouses(), QString());
    QCOMPARE(edit(&editor, "txtName")->text(), QString("South"));
}

ZARPO_TEST_MAIN(tst_warehouses)
#include "tst_warehouses.moc"
