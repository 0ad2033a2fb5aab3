#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "partners/frmCustomers.h"
#include "partners/frmDepartments.h"
#include "partners/frmEmployees.h"
#include "partners/frmPersons.h"
#include "partners/frmVendors.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

std::unique_ptr<QDialog> openEditor(const QString &window, int id)
{
    if (window == "customer")
        return std::make_unique<frmCustomers>(nullptr, id);
    if (window == "vendor")
        return std::make_unique<frmVendors>(nullptr, id);
    if (window == "person")
        return std::make_unique<frmPersons>(nullptr, id);
    if (window == "department")
        return std::make_unique<frmDepartments>(nullptr, id);
    return std::make_unique<frmEmployees>(nullptr, id);
}

// A second user's session on the same company, as another program would hold it.
QSqlDatabase otherUser()
{
    if (QSqlDatabase::contains("other"))
        return QSqlDatabase::database("other");
    QSqlDatabase db = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "other");
    db.open();
    return db;
}
}

// The editors of stored records against a second user and against unusual input: what
// was typed is stored as typed, or refused with a word and kept in the form.
class tst_editorinput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void recordDeletedByAnotherUser_data();
    void recordDeletedByAnotherUser();
    void textStoredAsTypedOrRefused_data();
    void textStoredAsTypedOrRefused();
    void contactCardShowsMarkupAsText_data();
    void contactCardShowsMarkupAsText();
};

void tst_editorinput::init()
{
    TestSupport::freshCompany();
    if (QSqlDatabase::contains("other")) {
        QSqlDatabase other = QSqlDatabase::database("other", false);
        other.close();
        other.setDatabaseName(dbName);
        other.open();
    }
    MessageRecorder::clear();
    EXEC_SQL("insert into persons (PersonId, PersonName, City) values (2, 'Sara', 'Alexandria'), (3, 'Omar', NULL)");
}

void tst_editorinput::cleanupTestCase()
{
    if (QSqlDatabase::contains("other"))
        QSqlDatabase::database("other", false).close();
    QSqlDatabase::removeDatabase("other");
}

void tst_editorinput::recordDeletedByAnotherUser_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("table");
    QTest::newRow("customer") << "customer" << "insert into customers (CustomerId, CustomerName, CustomerPersonId, "
                                               "IsActive) values (4, 'Nile', 2, b'1')"
                              << 4 << "txtCustomerName" << "customers";
    QTest::newRow("vendor") << "vendor" << "insert into vendors (VendorId, VendorName, IsActive) values (4, 'Nile', b'1')"
                            << 4 << "txtVendorName" << "vendors";
    QTest::newRow("person") << "person" << "" << 3 << "txtName" << "persons where PersonId = 3";
    QTest::newRow("department") << "department" << "insert into departments values (4, 'Sales')" << 4
                                << "txtDepartment" << "departments";
    QTest::newRow("employee") << "employee" << "insert into employees (EmployeeId, EmployeePersonId, JobTitle, "
                                               "IsActive) values (4, 3, 'Clerk', b'1')"
                              << 4 << "txtJobTitle" << "employees where EmployeeId = 4";
}

void tst_editorinput::recordDeletedByAnotherUser()
{
    QFETCH(QString, window);
    QFETCH(QString, fixture);
    QFETCH(int, id);
    QFETCH(QString, field);
    QFETCH(QString, table);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    std::unique_ptr<QDialog> editor = openEditor(window, id);
    editor->show();
    auto *edit = editor->findChild<QLineEdit *>(field);
    edit->clear();
    QTest::keyClicks(edit, "Typed meanwhile");
    QSqlQuery deletion(otherUser());
    QVERIFY2(deletion.exec("delete from " + table), qPrintable(deletion.lastError().text()));

    click(editor.get(), "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.endsWith(cDbSave::recordGoneText()), qPrintable(messageLog()));
    // Neither stored anew nor cleared: the user still has what they typed.
    QCOMPARE(TestSupport::queryValue("select count(*) from " + table).toInt(), 0);
    QCOMPARE(TestSupport::queryValue("select count(*) from persons where PersonName = 'Typed meanwhile'").toInt(), 0);
    QCOMPARE(edit->text(), QString("Typed meanwhile"));
    QVERIFY(editor->isVisible());
}

void tst_editorinput::textStoredAsTypedOrRefused_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("stored");  // a statement reading back what was stored
    QTest::addColumn<QString>("expected");

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString refusal = " holds a character that cannot be stored, such as an emoji. Remove it and save again.";
    QTest::newRow("notes at their column's length")
        << "customer" << "txtNotes" << QString(500, 'n') << "" << "select length(Notes) from customers" << "500";
    QTest::newRow("notes over it stop at typing, never cut by the server")
        << "customer" << "txtNotes" << QString(600, 'n') << "" << "select length(Notes) from customers" << "500";
    QTest::newRow("a name over its column stops at typing")
        << "vendor" << "txtVendorName" << QString(50, 'v') << "" << "select char_length(VendorName) from vendors"
        << "45";
    QTest::newRow("an emoji in a person's name") << "person" << "txtName" << "Ann " + emoji << "Name" + refusal
                                                 << "select count(*) from persons" << "3";
    QTest::newRow("an emoji in a customer's notes") << "customer" << "txtNotes" << emoji << "Notes" + refusal
                                                    << "select count(*) from customers" << "0";
    QTest::newRow("Arabic stored as typed") << "person" << "txtName" << QString::fromUtf8("سارة")
                                            << "" << "select PersonName from persons where PersonId > 3"
                                            << QString::fromUtf8("سارة");
    QTest::newRow("markup stored as typed") << "person" << "txtName" << "<b>Ann</b>" << ""
                                            << "select PersonName from persons where PersonId > 3" << "<b>Ann</b>";
}

void tst_editorinput::textStoredAsTypedOrRefused()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    std::unique_ptr<QDialog> editor = openEditor(window, 0);
    editor->show();
    if (window == "customer") {
        editor->findChild<QLineEdit *>("txtCustomerName")->setText("Nile");
        auto *persons = editor->findChild<QComboBox *>("cmbPersons");
        persons->setCurrentIndex(persons->findText("Sara"));
    } else if (window == "vendor") {
        editor->findChild<QLineEdit *>("txtVendorName")->setText("Nile");
    }
    QWidget *edit = editor->findChild<QWidget *>(field);
    if (auto *line = qobject_cast<QLineEdit *>(edit)) {
        line->clear();
        line->insert(typed);
    } else {
        static_cast<QPlainTextEdit *>(edit)->insertPlainText(typed);
    }

    click(editor.get(), "btnSave");

    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue(stored).toString(), expected);
}

void tst_editorinput::contactCardShowsMarkupAsText_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("customer") << "customer";
    QTest::newRow("vendor") << "vendor";
}

void tst_editorinput::contactCardShowsMarkupAsText()
{
    QFETCH(QString, window);
    const QString name = "<b>Bold</b><img src=\"x.png\">";
    EXEC_SQL("update persons set PersonName = '" + name + "' where PersonId = 2");
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Nile', 2, b'1')");
    EXEC_SQL("insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Nile', 2, b'1')");

    std::unique_ptr<QDialog> editor = openEditor(window, 1);

    auto *label = editor->findChild<QLabel *>("lblContactName");
    QCOMPARE(label->text(), name);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

ZARPO_TEST_MAIN(tst_editorinput)
#include "tst_editorinput.moc"
