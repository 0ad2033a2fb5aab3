#include "app/frmLogin.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "partners/frmUsers.h"
#include "partners/frmUsersView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QComboBox *employees(QWidget *editor)
{
    return editor->findChild<QComboBox *>("cmbEmployee");
}

// Each entry as "text=id", sorted: the combo keeps the server's order, which is none.
QStringList entries(QComboBox *combo)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i) + '=' + combo->itemData(i).toString();
    std::sort(shown.begin(), shown.end());
    return shown;
}

// Sara, an active clerk without a user: the employee a new user is made for.
void addClerk()
{
    EXEC_SQL("insert into persons (PersonId, PersonName) values (2, 'Sara')");
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values (2, 2, 'Clerk', b'1')");
}

int userCount()
{
    return TestSupport::queryValue("select count(*) from users").toInt();
}
}

class tst_users : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void save_data();
    void save();
    void savedUserLogsIn();
    void employeeChoices();
    void addedEmployeeIsChosen_data();
    void addedEmployeeIsChosen();
    void listCommands_data();
    void listCommands();

private:
    QPointer<frmUsers> editor;
};

void tst_users::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_users::cleanup()
{
    delete editor;
    QList<QWidget *> opened;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<frmMainWindow *>(widget) || qobject_cast<frmLogin *>(widget))
            opened << widget;
    qDeleteAll(opened);
}

void tst_users::save_data()
{
    QTest::addColumn<QString>("employee"); // empty: none chosen
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("message"); // empty: saved; ending in "\n": the server's text follows
    QTest::addColumn<QString>("stored");  // the password the saved user logs in with

    const QString clerk = "Sara: Clerk";
    const QString inUse = "This username is already in use. Choose another one.";
    const QString blanks = "A password cannot begin or end with a blank.";
    // Each failure row also breaks every later check, so only the first one may speak.
    QTest::newRow("no employee, reported first") << "" << "" << "" << "x" << "btnSave" << "" << "Select employee" << "";
    QTest::newRow("<Add New> is no employee")
        << "<Add New>" << "clerk" << "pw" << "pw" << "btnSave" << "" << "Select employee" << "";
    QTest::newRow("blank username, reported before the password")
        << clerk << "   " << "" << "x" << "btnSave" << "" << "Insert username" << "";
    QTest::newRow("empty password, reported before the confirmation")
        << clerk << "clerk" << "" << "x" << "btnSave" << "" << "Insert password" << "";
    QTest::newRow("blanks alone refused, before the confirmation")
        << clerk << "clerk" << "   " << "x" << "btnSave" << "" << blanks << "";
    QTest::newRow("a blank at either end refused, never trimmed")
        << clerk << "clerk" << " pw " << " pw " << "btnSave" << "" << blanks << "";
    QTest::newRow("confirmation differs")
        << clerk << "clerk" << "pw" << "wp" << "btnSave" << "" << "Password and its confirmation dosn't match" << "";
    QTest::newRow("name in use in other letter case")
        << clerk << "ADMIN" << "pw" << "pw" << "btnSave" << "" << inUse << "";
    QTest::newRow("name in use with a trailing blank")
        << clerk << "admin " << "pw" << "pw" << "btnSaveAndClose" << "" << inUse << "";
    QTest::newRow("refused by the server")
        << clerk << "clerk" << "pw" << "pw" << "btnSave"
        << "create trigger refuse before insert on users for each row "
           "signal sqlstate '45000' set message_text = 'insert refused'"
        << msgInsertFailed + "\n" << "";

    QTest::newRow("saved") << clerk << "clerk" << "pw" << "pw" << "btnSave" << "" << "" << "pw";
    QTest::newRow("blanks inside a password kept") << clerk << "clerk" << "p w" << "p w" << "btnSave" << "" << ""
                                                   << "p w";
    QTest::newRow("Save and Close saves and closes") << clerk << "clerk" << "pw" << "pw" << "btnSaveAndClose" << ""
                                                     << "" << "pw";
}

void tst_users::save()
{
    QFETCH(QString, employee);
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, button);
    QFETCH(QString, fixture);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    addClerk();
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    editor = new frmUsers(nullptr, 0);
    editor->show();
    employees(editor)->setCurrentIndex(employee.isEmpty() ? -1 : employees(editor)->findText(employee));
    QTest::keyClicks(edit(editor, "txtUsername"), username);
    QTest::keyClicks(edit(editor, "txtPassword"), password);
    QTest::keyClicks(edit(editor, "txtPasswordConfirm"), confirmation);

    click(editor, qPrintable(button));

    if (!message.isEmpty()) {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
        if (message.endsWith('\n'))
            QVERIFY2(MessageRecorder::last().text.startsWith(message) && MessageRecorder::last().text.contains("refused"),
                     qPrintable(messageLog()));
        else
            QCOMPARE(MessageRecorder::last().text, message);
        QCOMPARE(userCount(), 1);
        QVERIFY(editor->isVisible());
        QCOMPARE(employees(editor)->currentText(), employee);
        QCOMPARE(edit(editor, "txtUsername")->text(), username);
        QCOMPARE(edit(editor, "txtPassword")->text(), password);
        return;
    }
    QCOMPARE(messageLog(), QString());
    QCOMPARE(userCount(), 2);
    QSqlQuery query;
    query.prepare("select EmployeeId, Username from users where UserId <> 1 and Password = md5(:password)");
    query.bindValue(":password", stored);
    QVERIFY(query.exec() && query.next());
    QCOMPARE(query.value(0).toInt(), 2);
    QCOMPARE(query.value(1).toString(), username);
    QCOMPARE(editor->isVisible(), button == "btnSave");
    // Ready for the next user, and Sara has hers.
    QCOMPARE(employees(editor)->currentIndex(), -1);
    QCOMPARE(entries(employees(editor)), QStringList{"<Add New>="});
    for (const char *field : {"txtUsername", "txtPassword", "txtPasswordConfirm"})
        QCOMPARE(edit(editor, field)->text(), QString());
}

void tst_users::savedUserLogsIn()
{
    addClerk();
    editor = new frmUsers(nullptr, 0);
    employees(editor)->setCurrentIndex(1);
    QTest::keyClicks(edit(editor, "txtUsername"), "clerk");
    QTest::keyClicks(edit(editor, "txtPassword"), "s3cret");
    QTest::keyClicks(edit(editor, "txtPasswordConfirm"), "s3cret");
    click(editor, "btnSave");
    QCOMPARE(messageLog(), QString());

    TestSupport::writeCompanySettings();
    QPointer<frmLogin> login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
    currentUserId = 0;
    // The form comes filled with the administrator's login.
    for (const char *field : {"txtUsername", "txtPassword"})
        edit(login, field)->clear();
    QTest::keyClicks(edit(login, "txtUsername"), "clerk");
    QTest::keyClicks(edit(login, "txtPassword"), "s3cret");

    click(login, "btnLogin");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(messageLog(), QString());
    QVERIFY(login.isNull());
    QCOMPARE(currentUserId, TestSupport::queryValue("select UserId from users where Username = 'clerk'").toInt());
    QCOMPARE(currentEmployeeId, 2);
    QCOMPARE(currentPersonName, QString("Sara"));
}

void tst_users::employeeChoices()
{
    EXEC_SQL("insert into persons (PersonId, PersonName) values (2, 'Sara'), (3, 'Omar'), (4, 'Laila'), (5, 'Hoda')");
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values "
             "(2, 2, 'Clerk', b'1'), (3, 3, NULL, b'1'), (4, 4, 'Driver', b'0'), (5, 5, 'Cashier', b'1')");
    EXEC_SQL("insert into users (EmployeeId, Username, Password) values (5, 'hoda', md5('x'))");
    // A user left without an employee must not hide every employee from the choice.
    EXEC_SQL("insert into users (EmployeeId, Username, Password) values (NULL, 'orphan', md5('x'))");

    frmUsers window(nullptr, 0);

    QCOMPARE(messageLog(), QString());
    QCOMPARE(entries(employees(&window)), (QStringList{"<Add New>=", "Omar=3", "Sara: Clerk=2"}));
    QCOMPARE(employees(&window)->itemText(0), QString("<Add New>"));
}

void tst_users::addedEmployeeIsChosen_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("told"); // the information box; empty: none
    QTest::newRow("active: chosen") << true << "";
    QTest::newRow("inactive: none chosen, and why")
        << false << "The record just added cannot be chosen here, so none is chosen.\n"
                    "Only active employees without a user are listed.";
}

// Never the newest employee listed: a user would sign in as another one.
void tst_users::addedEmployeeIsChosen()
{
    QFETCH(bool, active);
    QFETCH(QString, told);
    addClerk();
    EXEC_SQL("insert into persons (PersonId, PersonName) values (7, 'Hoda')");
    frmUsers window(nullptr, 0);
    TestSupport::whenModal([active](QWidget *employeeEditor) {
        employeeEditor->findChild<QComboBox *>("cmbPersons")->setCurrentText("Hoda");
        QTest::keyClicks(edit(employeeEditor, "txtJobTitle"), "Cashier");
        employeeEditor->findChild<QCheckBox *>("chkActive")->setChecked(active);
        click(employeeEditor, "btnSaveAndClose");
    });

    choose(employees(&window), "<Add New>");

    QCOMPARE(messageLog(), told.isEmpty() ? QString() : messageEntry(Messages::Information, told));
    const int added = TestSupport::queryValue("select EmployeeId from employees where EmployeePersonId = 7").toInt();
    QVERIFY(added > 2);
    QCOMPARE(employees(&window)->currentText(), active ? QString("Hoda: Cashier") : QString());
    QCOMPARE(employees(&window)->currentData().toInt(), active ? added : 0);
    QVERIFY(employees(&window)->findText("Sara: Clerk") > 0);
}

void tst_users::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen"); // empty: no row chosen
    QTest::addColumn<bool>("withClerk");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("usersLeft");
    QTest::newRow("ordinary user deleted")
        << "btnDelete" << "clerk" << true << QStringList{messageEntry(Messages::Question, msgDelete)} << "admin";
    QTest::newRow("the last user refused without a question")
        << "btnDelete" << "admin" << false
        << QStringList{messageEntry(Messages::Critical, "The last user cannot be deleted: nobody could log in any more.")}
        << "admin";
    QTest::newRow("delete without a row") << "btnDelete" << "" << true
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)}
                                          << "admin,clerk";
    QTest::newRow("change password without a row")
        << "btnChangePassword" << "" << true << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)}
        << "admin,clerk";
}

void tst_users::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(bool, withClerk);
    QFETCH(QStringList, messages);
    QFETCH(QString, usersLeft);
    if (withClerk) {
        addClerk();
        EXEC_SQL("insert into users (EmployeeId, Username, Password) values (2, 'clerk', md5('pw'))");
    }
    frmUsersView list;
    if (!chosen.isEmpty())
        chooseRow(&list, chosen);
    MessageRecorder::answerNext(QMessageBox::Yes);

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(TestSupport::queryValue("select group_concat(Username order by UserId) from users").toString(), usersLeft);
    QCOMPARE(table(&list)->model()->rowCount(), usersLeft.count(',') + 1);
}

ZARPO_TEST_MAIN(tst_users)
#include "tst_users.moc"
