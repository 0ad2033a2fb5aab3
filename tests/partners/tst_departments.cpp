#include "core/system/globals.h"
#include "partners/frmDepartments.h"
#include "partners/frmDepartmentsView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTranslator>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// Translates every text it is asked for, so a text that stays English was never offered.
class EverythingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *, int) const override { return "مترجم"; }
    bool isEmpty() const override { return false; }
};

QLineEdit *nameField(QWidget *editor)
{
    return editor->findChild<QLineEdit *>("txtDepartment");
}

QString departments()
{
    return TestSupport::queryValue("select group_concat(concat('[', Department, ']') order by DepartmentId) "
                                   "from departments").toString();
}
}

class tst_departments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void save_data();
    void save();
    void editedDepartmentIsRenamedThenANewOneAdded();
    void listCommands_data();
    void listCommands();

private:
    bool formCompanyReady = false;
};

void tst_departments::init()
{
    MessageRecorder::clear();
    // The form rows only read, so one company serves them all.
    const bool formRow = QTest::currentTestFunction() == QLatin1String("form");
    if (formRow && formCompanyReady)
        return;
    TestSupport::freshCompany();
    formCompanyReady = formRow;
}

void tst_departments::cleanup()
{
    rightToLeft = false;
}

void tst_departments::form_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("editor title") << "editor" << false << "" << "QDialog" << "windowTitle" << QVariant("Departments");
    QTest::newRow("editor size") << "editor" << false << "" << "QDialog" << "size" << QVariant(QSize(414, 99));
    QTest::newRow("editor right to left in Arabic") << "editor" << true << "" << "QDialog" << "layoutDirection"
                                                    << QVariant(int(Qt::RightToLeft));
    QTest::newRow("name as long as its column") << "editor" << false << "txtDepartment" << "QLineEdit" << "maxLength"
                                                << QVariant(45);
    QTest::newRow("New") << "editor" << false << "btnNew" << "QPushButton" << "text" << QVariant("New");
    QTest::newRow("Save") << "editor" << false << "btnSave" << "QPushButton" << "text" << QVariant("Save");
    QTest::newRow("Save and Close") << "editor" << false << "btnSaveAndClose" << "QPushButton" << "text"
                                    << QVariant("Save and Close");
    QTest::newRow("list title") << "list" << false << "" << "QDialog" << "windowTitle"
                                << QVariant("View Departments");
    QTest::newRow("list size") << "list" << false << "" << "QDialog" << "size" << QVariant(QSize(425, 353));
    QTest::newRow("list right to left in Arabic") << "list" << true << "" << "QDialog" << "layoutDirection"
                                                  << QVariant(int(Qt::RightToLeft));
    QTest::newRow("list selects whole rows") << "list" << false << "tblDepartments" << "QTableView"
                                             << "selectionBehavior" << QVariant(int(QAbstractItemView::SelectRows));
    QTest::newRow("list dashed grid") << "list" << false << "tblDepartments" << "QTableView" << "gridStyle"
                                      << QVariant(int(Qt::DashLine));
    for (const char *button : {"btnNew", "btnEdit", "btnDelete"})
        QTest::newRow(qPrintable(QString("list ") + button)) << "list" << false << button << "QPushButton" << ""
                                                             << QVariant();
}

void tst_departments::form()
{
    QFETCH(QString, window);
    QFETCH(bool, arabic);
    QFETCH(QString, object);
    QFETCH(QString, kind);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    rightToLeft = arabic;
    std::unique_ptr<QDialog> dialog;
    if (window == "editor")
        dialog = std::make_unique<frmDepartments>(nullptr, 0);
    else
        dialog = std::make_unique<frmDepartmentsView>(nullptr);
    const QString problem = TestSupport::checkForm(dialog.get(), object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_departments::save_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty name refused") << "btnSave" << "" << "" << "Type department name" << "";
    QTest::newRow("blank name refused") << "btnSave" << "   " << "" << "Type department name" << "";
    QTest::newRow("name kept with its blanks") << "btnSave" << " Sales " << "" << "" << "[ Sales ]";
    QTest::newRow("Save and Close saves and closes") << "btnSaveAndClose" << "Stores" << "" << "" << "[Stores]";
    QTest::newRow("Save and Close stays open when refused")
        << "btnSaveAndClose" << " " << "" << "Type department name" << "";
    QTest::newRow("Save and Close stays open after a server failure")
        << "btnSaveAndClose" << "Stores"
        << "create trigger refuse_department before insert on departments for each row "
           "signal sqlstate '45000' set message_text = 'department refused'"
        << msgInsertFailed + "\ndepartment refused" << "";
}

void tst_departments::save()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, fixture);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    EverythingTranslator arabic;
    QCoreApplication::installTranslator(&arabic);
    frmDepartments editor(nullptr, 0);
    QCOMPARE(editor.windowTitle(), QString("مترجم"));
    editor.show();
    QTest::keyClicks(nameField(&editor), typed);

    click(&editor, qPrintable(button));
    QCoreApplication::removeTranslator(&arabic);

    QCOMPARE(departments(), stored);
    if (message.isEmpty()) {
        QCOMPARE(messageLog(), QString());
        QCOMPARE(nameField(&editor)->text(), QString());
        QCOMPARE(editor.isVisible(), button == "btnSave");
        return;
    }
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
    QCOMPARE(nameField(&editor)->text(), typed);
    QVERIFY(editor.isVisible());
}

void tst_departments::editedDepartmentIsRenamedThenANewOneAdded()
{
    EXEC_SQL("insert into departments (DepartmentId, Department) values (3, 'Sales')");
    frmDepartmentsView list;
    chooseRow(&list, "Sales");
    TestSupport::whenModal([](QWidget *editor) {
        QCOMPARE(nameField(editor)->text(), QString("Sales"));
        nameField(editor)->setText("Sales and Marketing");
        click(editor, "btnSave");
        nameField(editor)->setText("Sales");
        click(editor, "btnSave");
        static_cast<QDialog *>(editor)->reject();
    });

    click(&list, "btnEdit");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(departments(), QString("[Sales and Marketing],[Sales]"));
    QCOMPARE(table(&list)->model()->rowCount(), 2);
    QCOMPARE(table(&list)->model()->headerData(1, Qt::Horizontal).toString(), QString("Department"));
    QVERIFY(table(&list)->isColumnHidden(0));
}

void tst_departments::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("left");
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)}
                                        << "[Sales],[Stores]";
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)}
                                          << "[Sales],[Stores]";
    QTest::newRow("delete answered No") << "btnDelete" << "Stores" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, msgDelete)} << "[Sales],[Stores]";
    QTest::newRow("department of an employee refused")
        << "btnDelete" << "Sales" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, msgDelete), messageEntry(Messages::Critical, msgRecordReferenced)}
        << "[Sales],[Stores]";
    QTest::newRow("unused department deleted") << "btnDelete" << "Stores" << int(QMessageBox::Yes)
                                               << QStringList{messageEntry(Messages::Question, msgDelete)} << "[Sales]";
}

void tst_departments::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, left);
    EXEC_SQL("insert into departments (DepartmentId, Department) values (1, 'Sales'), (2, 'Stores')");
    EXEC_SQL("update employees set DepartmentId = 1 where EmployeeId = 1");
    frmDepartmentsView list;
    if (!chosen.isEmpty())
        chooseRow(&list, chosen);
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(departments(), left);
    QCOMPARE(table(&list)->model()->rowCount(), left.count('['));
}

ZARPO_TEST_MAIN(tst_departments)
#include "tst_departments.moc"
