#include "core/system/globals.h"
#include "core/system/seams.h"
#include "partners/frmEmployees.h"
#include "partners/frmEmployeesView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QTableWidget *grid(QWidget *editor)
{
    return editor->findChild<QTableWidget *>("tblCharacteristics");
}

void showCharacteristics(QWidget *editor)
{
    editor->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
}

void addCharacteristic(QWidget *editor, const QString &name, const QString &value)
{
    QTest::keyClicks(combo(editor, "cmbCharachteristic"), name);
    QTest::keyClicks(edit(editor, "txtCharValue"), value);
    click(editor, "btnAddChar");
}

int rowNamed(QTableWidget *characteristics, const QString &name)
{
    for (int row = 0; row < characteristics->rowCount(); ++row)
        if (characteristics->item(row, 1)->text() == name)
            return row;
    return -1;
}

void typeSalary(QWidget *editor, const QString &text)
{
    auto *salary = editor->findChild<QDoubleSpinBox *>("txtAnnualSalary");
    salary->selectAll();
    QTest::keyClicks(salary, text);
    salary->interpretText();
}

QString characteristics()
{
    return TestSupport::queryValue("select group_concat(EmployeeId, ':', Characteristic, '=', Value "
                                   "order by CharacteristicId) from characteristics").toString();
}

int employeeCount()
{
    return TestSupport::queryValue("select count(*) from employees").toInt();
}

QByteArray pngBytes(Qt::GlobalColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor shownColour(QWidget *editor)
{
    return editor->findChild<QLabel *>("lblImage")->pixmap(Qt::ReturnByValue).toImage().pixelColor(0, 0);
}

const char *refuse(const char *table, const char *event)
{
    static QByteArray sql;
    sql = QByteArray("create trigger refuse_it before ") + event + " on " + table +
          " for each row signal sqlstate '45000' set message_text = '" + table + " refused'";
    return sql.constData();
}
}

class tst_employees : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void insertEmployee_data();
    void insertEmployee();
    void salaryIsStoredWhateverTheLocale_data();
    void salaryIsStoredWhateverTheLocale();
    void updateCharacteristics_data();
    void updateCharacteristics();
    void photo_data();
    void photo();
    void loadedFlagsSurviveASave_data();
    void loadedFlagsSurviveASave();
    void addNewEntries_data();
    void addNewEntries();
    void listShowsInactiveOnRequest_data();
    void listShowsInactiveOnRequest();
    void listCommands_data();
    void listCommands();

private:
    FileDialogs::FileFn realOpenFileDialog;
    bool formCompanyReady = false;
};

void tst_employees::init()
{
    MessageRecorder::clear();
    realOpenFileDialog = FileDialogs::getOpenFileName;
    // The form rows only read, so one company serves them all.
    const bool formRow = QTest::currentTestFunction() == QLatin1String("form");
    if (formRow && formCompanyReady)
        return;
    TestSupport::freshCompany();
    formCompanyReady = formRow;
    EXEC_SQL("insert into persons (PersonId, PersonName) values (2, 'Sara'), (3, 'Omar'), (4, 'Laila')");
}

void tst_employees::cleanup()
{
    FileDialogs::getOpenFileName = realOpenFileDialog;
    QLocale::setDefault(QLocale::c());
    rightToLeft = false;
}

void tst_employees::form_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    // Besides Qt properties: "next", the next widget in the Tab chain; "items", a combo's
    // entries; "headers" and "visibleColumns" of a table.
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    const auto row = [](const char *name, const QString &window, const QString &object, const QString &kind,
                        const QString &property, const QVariant &value, bool arabic = false) {
        QTest::newRow(name) << window << arabic << object << kind << property << value;
    };
    row("editor title", "editor", "", "QDialog", "windowTitle", "Employee");
    row("editor size", "editor", "", "QDialog", "size", QSize(750, 320));
    row("editor right to left in Arabic", "editor", "", "QDialog", "layoutDirection", int(Qt::RightToLeft), true);
    row("opens on Employee Info", "editor", "tabWidget", "QTabWidget", "currentIndex", 0);
    row("photo at most 100 x 100", "editor", "lblImage", "QLabel", "maximumSize", QSize(100, 100));
    row("photo scaled", "editor", "lblImage", "QLabel", "scaledContents", true);
    row("active ticked", "editor", "chkActive", "QCheckBox", "checked", true);
    row("job title limit", "editor", "txtJobTitle", "QLineEdit", "maxLength", 45);
    row("SIN limit", "editor", "txtSIN", "QLineEdit", "maxLength", 45);
    row("bank account limit", "editor", "txtBankAccountNo", "QLineEdit", "maxLength", 45);
    row("image field read-only", "editor", "txtImageURL", "QLineEdit", "readOnly", true);
    row("browse button", "editor", "btnBrowseImage", "QToolButton", "text", "...");
    row("pay periods at 12", "editor", "cmbPayPeriods", "QComboBox", "currentText", "12");
    row("pay periods offered", "editor", "cmbPayPeriods", "QComboBox", "items", "1,2,4,6,12,24,52");
    row("salary up to 9900000", "editor", "txtAnnualSalary", "QDoubleSpinBox", "maximum", 9900000.0);
    row("salary from 0", "editor", "txtAnnualSalary", "QDoubleSpinBox", "minimum", 0.0);
    row("salary in cents", "editor", "txtAnnualSalary", "QDoubleSpinBox", "decimals", 2);
    row("birth date in the program's format", "editor", "dateBirth", "QDateEdit", "displayFormat", dateFormat);
    row("notes", "editor", "txtNotes", "QPlainTextEdit", "plainText", "");
    row("persons start with <Add New>", "editor", "cmbPersons", "QComboBox", "items", "<Add New>,Default Person,Sara,Omar,Laila");
    row("departments start empty, then <Add New>", "editor", "cmbDepartments", "QComboBox", "items", ",<Add New>");
    row("managers start empty", "editor", "cmbManager", "QComboBox", "items", ",Default Person - Administrator");
    row("characteristic typed or chosen", "editor", "cmbCharachteristic", "QComboBox", "editable", true);
    row("characteristic value limit", "editor", "txtCharValue", "QLineEdit", "maxLength", 200);
    row("characteristics headers", "editor", "tblCharacteristics", "QTableWidget", "headers",
        "CharId,Charachteristic,Value,IsUpdated");
    row("characteristics shown", "editor", "tblCharacteristics", "QTableWidget", "visibleColumns", "1,2");
    row("characteristics not edited in place", "editor", "tblCharacteristics", "QTableWidget", "editTriggers",
        int(QAbstractItemView::NoEditTriggers));
    row("one characteristic at a time", "editor", "tblCharacteristics", "QTableWidget", "selectionMode",
        int(QAbstractItemView::SingleSelection));
    row("Tab from Save reaches New", "editor", "btnSave", "QPushButton", "next", "btnNew");
    row("Tab from New reaches Calculator", "editor", "btnNew", "QPushButton", "next", "btnCalc");
    row("Save and Close", "editor", "btnSaveAndClose", "QPushButton", "text", "Save and Close");
    row("Remove", "editor", "btnRemoveChar", "QPushButton", "text", "Remove");
    row("Add", "editor", "btnAddChar", "QPushButton", "text", "Add");
    row("list title", "list", "", "QDialog", "windowTitle", "View Employees");
    row("list size", "list", "", "QDialog", "size", QSize(633, 397));
    row("list right to left in Arabic", "list", "", "QDialog", "layoutDirection", int(Qt::RightToLeft), true);
    row("inactive hidden at start", "list", "chkShowInactive", "QCheckBox", "checked", false);
    row("list selects whole rows", "list", "tblEmployees", "QTableView", "selectionBehavior",
        int(QAbstractItemView::SelectRows));
    row("list dashed grid", "list", "tblEmployees", "QTableView", "gridStyle", int(Qt::DashLine));
    row("list headers", "list", "tblEmployees", "QTableView", "headers",
        "EmployeeId,Name,Job Title,Manager Name,Department,SIN,Birth Date,Hire Date,Termination Date,Pay Periods By Year,"
        "Annual Salary,Bank Account No.,Active,Notes");
    row("list hides the id", "list", "tblEmployees", "QTableView", "visibleColumns", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    for (const char *button : {"btnNew", "btnEdit", "btnDelete"})
        row(button, "list", button, "QPushButton", "", QVariant());
}

void tst_employees::form()
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
        dialog = std::make_unique<frmEmployees>(nullptr, 0);
    else
        dialog = std::make_unique<frmEmployeesView>(nullptr);
    const QString problem = TestSupport::checkForm(dialog.get(), object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_employees::insertEmployee_data()
{
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::newRow("saved with both characteristics") << "Sara" << "btnSave" << "" << "";
    QTest::newRow("Save and Close closes after a save") << "Sara" << "btnSaveAndClose" << "" << "";
    QTest::newRow("<Add New> as person refused, form kept")
        << "<Add New>" << "btnSaveAndClose" << "" << msgInsertFailed + "\n";
    QTest::newRow("a person who already is an employee refused")
        << "Default Person" << "btnSave" << "" << msgInsertFailed + "\n";
    QTest::newRow("refused characteristic leaves no employee")
        << "Sara" << "btnSave" << refuse("characteristics", "insert") << msgInsertFailed + "\ncharacteristics refused";
}

void tst_employees::insertEmployee()
{
    QFETCH(QString, person);
    QFETCH(QString, button);
    QFETCH(QString, fixture);
    QFETCH(QString, message);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    EXEC_SQL("insert into departments (DepartmentId, Department) values (5, 'Sales')");
    frmEmployees editor(nullptr, 0);
    editor.show();
    combo(&editor, "cmbPersons")->setCurrentIndex(combo(&editor, "cmbPersons")->findText(person));
    QTest::keyClicks(edit(&editor, "txtJobTitle"), "Accountant");
    choose(combo(&editor, "cmbManager"), "Default Person - Administrator");
    choose(combo(&editor, "cmbDepartments"), "Sales");
    choose(combo(&editor, "cmbPayPeriods"), "24");
    typeSalary(&editor, "1234.5");
    editor.findChild<QDateEdit *>("dateHire")->setDate(QDate(2021, 3, 14));
    showCharacteristics(&editor);
    addCharacteristic(&editor, "Blood type", "O+");
    addCharacteristic(&editor, "Car", "Fiat 128");

    click(&editor, qPrintable(button));

    if (!message.isEmpty()) {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
        QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
        QCOMPARE(employeeCount(), 1);
        QCOMPARE(characteristics(), QString());
        QVERIFY(editor.isVisible());
        QCOMPARE(edit(&editor, "txtJobTitle")->text(), QString("Accountant"));
        QCOMPARE(combo(&editor, "cmbPersons")->currentText(), person);
        QCOMPARE(grid(&editor)->rowCount(), 2);
        return;
    }
    QCOMPARE(messageLog(), QString());
    QCOMPARE(editor.isVisible(), button == "btnSave");
    const QString newId = TestSupport::queryValue("select EmployeeId from employees where EmployeePersonId = 2").toString();
    QCOMPARE(TestSupport::queryValue("select concat_ws('|', JobTitle, ManagerId, DepartmentId, PayPeriodsByYear, "
                                     "AnnualSalary, HireDate, IsActive + 0, ifnull(Image, 'NULL')) "
                                     "from employees where EmployeePersonId = 2").toString(),
             QString("Accountant|1|5|24|1234.50|2021-03-14|1|NULL"));
    QCOMPARE(characteristics(), newId + ":Blood type=O+," + newId + ":Car=Fiat 128");
    // Ready for the next employee, at the form's defaults.
    QCOMPARE(combo(&editor, "cmbPersons")->currentText(), QString("<Add New>"));
    QCOMPARE(edit(&editor, "txtJobTitle")->text(), QString());
    QCOMPARE(combo(&editor, "cmbManager")->currentIndex(), 0);
    QCOMPARE(combo(&editor, "cmbDepartments")->currentIndex(), 0);
    QCOMPARE(combo(&editor, "cmbPayPeriods")->currentText(), QString("12"));
    QCOMPARE(editor.findChild<QDoubleSpinBox *>("txtAnnualSalary")->value(), 0.0);
    QCOMPARE(editor.findChild<QDateEdit *>("dateHire")->date(), QDate(2000, 1, 1));
    QVERIFY(editor.findChild<QCheckBox *>("chkActive")->isChecked());
    QCOMPARE(grid(&editor)->rowCount(), 0);
}

// The salary is typed as the program's amounts are, whatever the machine's language: a
// decimal comma or grouping would otherwise be read as another number.
void tst_employees::salaryIsStoredWhateverTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("decimal point") << "en_US" << "1234.56" << "1234.56";
    QTest::newRow("decimal point where the comma is usual") << "de_DE" << "1234.56" << "1234.56";
    QTest::newRow("the comma key is refused: what shows is stored") << "de_DE" << "1234,56" << "123456";
    QTest::newRow("decimal point under Arabic") << "ar_EG" << "1234.56" << "1234.56";
}

void tst_employees::salaryIsStoredWhateverTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QLocale::setDefault(QLocale(locale));
    frmEmployees editor(nullptr, 0);
    combo(&editor, "cmbPersons")->setCurrentIndex(combo(&editor, "cmbPersons")->findText("Omar"));
    auto *salary = editor.findChild<QDoubleSpinBox *>("txtAnnualSalary");
    salary->findChild<QLineEdit *>()->clear();
    QTest::keyClicks(salary->findChild<QLineEdit *>(), typed);
    salary->interpretText();

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select AnnualSalary from employees where EmployeePersonId = 3").toString(),
             stored);
}

void tst_employees::updateCharacteristics_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("jobTitle");
    const QString before = "2:Blood=A+,2:Car=Fiat,2:Shoe=42";
    QTest::newRow("exactly the changes, and nothing more on a second Save")
        << "" << "" << "2:Car=Kia,2:Shoe=42,2:Pet=Cat" << "Chief";
    QTest::newRow("refused employee changes no characteristic")
        << refuse("employees", "update") << "employees refused" << before << "Clerk";
    QTest::newRow("refused characteristic leaves the employee as it was")
        << refuse("characteristics", "insert") << msgInsertFailed + "\ncharacteristics refused" << before << "Clerk";
}

void tst_employees::updateCharacteristics()
{
    QFETCH(QString, fixture);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QFETCH(QString, jobTitle);
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values (2, 2, 'Clerk', b'1')");
    EXEC_SQL("insert into characteristics (CharacteristicId, EmployeeId, Characteristic, Value) values "
             "(10, 2, 'Blood', 'A+'), (11, 2, 'Car', 'Fiat'), (12, 2, 'Shoe', '42')");
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmEmployees editor(nullptr, 2);
    editor.show();
    QTableWidget *characteristicsGrid = grid(&editor);
    QCOMPARE(characteristicsGrid->rowCount(), 3);
    edit(&editor, "txtJobTitle")->setText("Chief");
    showCharacteristics(&editor);
    characteristicsGrid->selectRow(rowNamed(characteristicsGrid, "Blood"));
    click(&editor, "btnRemoveChar");
    doubleClickRow(characteristicsGrid, rowNamed(characteristicsGrid, "Car"));
    QCOMPARE(editor.findChild<QPushButton *>("btnAddChar")->text(), QString("Update"));
    QCOMPARE(combo(&editor, "cmbCharachteristic")->currentText(), QString("Car"));
    QCOMPARE(edit(&editor, "txtCharValue")->text(), QString("Fiat"));
    edit(&editor, "txtCharValue")->setText("Kia");
    click(&editor, "btnAddChar");
    QCOMPARE(editor.findChild<QPushButton *>("btnAddChar")->text(), QString("Add"));
    addCharacteristic(&editor, "Pet", "Cat");

    click(&editor, "btnSave");

    QCOMPARE(characteristics(), stored);
    QCOMPARE(TestSupport::queryValue("select JobTitle from employees where EmployeeId = 2").toString(), jobTitle);
    if (!message.isEmpty()) {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
        // What was typed is still there for another try.
        QCOMPARE(characteristicsGrid->rowCount(), 3);
        QCOMPARE(edit(&editor, "txtJobTitle")->text(), QString("Chief"));
        return;
    }
    QCOMPARE(messageLog(), QString());
    QCOMPARE(edit(&editor, "txtJobTitle")->text(), QString("Chief"));
    QCOMPARE(characteristicsGrid->rowCount(), 3);
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(characteristics(), stored);
}

void tst_employees::photo_data()
{
    QTest::addColumn<int>("employeeId"); // 0: a new employee for Omar
    QTest::addColumn<bool>("hasPhoto");
    QTest::addColumn<QString>("shown");  // the image field once loaded
    QTest::addColumn<QString>("choice"); // "": none, "file", "vanished" (chosen, then gone), "cancel"
    QTest::addColumn<QString>("stored"); // "old", "file" or "NULL"
    QTest::newRow("new file replaces the stored photo") << 2 << true << "Image available" << "file" << "file";
    QTest::newRow("unreadable path keeps the stored photo") << 2 << true << "Image available" << "vanished" << "old";
    QTest::newRow("Image available keeps the stored photo") << 2 << true << "Image available" << "" << "old";
    QTest::newRow("No image available stays without one") << 2 << false << "No image available" << "" << "NULL";
    QTest::newRow("empty after a cancelled choice keeps the stored photo")
        << 2 << true << "Image available" << "cancel" << "old";
    QTest::newRow("new employee stores the chosen file") << 0 << false << "" << "file" << "file";
    QTest::newRow("new employee with an unreadable path stores none") << 0 << false << "" << "vanished" << "NULL";
}

void tst_employees::photo()
{
    QFETCH(int, employeeId);
    QFETCH(bool, hasPhoto);
    QFETCH(QString, shown);
    QFETCH(QString, choice);
    QFETCH(QString, stored);
    const QByteArray oldPhoto = pngBytes(Qt::blue);
    QSqlQuery fixture;
    fixture.prepare("insert into employees (EmployeeId, EmployeePersonId, IsActive, Image) values (2, 2, b'1', :image)");
    fixture.bindValue(":image", hasPhoto ? QVariant(oldPhoto) : QVariant(QVariant::ByteArray));
    QVERIFY2(fixture.exec(), qPrintable(fixture.lastError().text()));
    QTemporaryDir folder;
    const QString path = folder.filePath("photo.png");
    const QByteArray newPhoto = pngBytes(Qt::red);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(newPhoto) == newPhoto.size());
    file.close();
    QString startFolder;
    FileDialogs::getOpenFileName = [&](QWidget *, const QString &, const QString &dir, const QString &) {
        startFolder = dir;
        return choice == "cancel" ? QString() : path;
    };

    frmEmployees editor(nullptr, employeeId);
    if (employeeId == 0)
        combo(&editor, "cmbPersons")->setCurrentIndex(combo(&editor, "cmbPersons")->findText("Omar"));
    QCOMPARE(edit(&editor, "txtImageURL")->text(), shown);
    if (hasPhoto)
        QCOMPARE(shownColour(&editor), QColor(Qt::blue));
    if (!choice.isEmpty()) {
        click(&editor, "btnBrowseImage");
        QCOMPARE(startFolder, QDir::homePath());
    }
    if (choice == "file")
        QCOMPARE(shownColour(&editor), QColor(Qt::red));
    if (choice == "vanished")
        QVERIFY(QFile::remove(path));

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    const QVariant image = TestSupport::queryValue(
        QString("select Image from employees where EmployeePersonId = %1").arg(employeeId == 0 ? 3 : 2));
    QCOMPARE(image.isNull() ? QString("NULL")
                            : image.toByteArray() == oldPhoto ? QString("old")
                                                              : image.toByteArray() == newPhoto ? QString("file")
                                                                                                : QString("other"),
             stored);
}

void tst_employees::loadedFlagsSurviveASave_data()
{
    QTest::addColumn<QString>("isActive");
    QTest::addColumn<QString>("payPeriods");
    QTest::addColumn<Qt::CheckState>("ticked");
    QTest::addColumn<QString>("shownPeriods");
    QTest::addColumn<QString>("storedAfterSave"); // IsActive|PayPeriodsByYear
    QTest::newRow("active") << "b'1'" << "24" << Qt::Checked << "24" << "1|24";
    QTest::newRow("inactive b'0' loads unticked") << "b'0'" << "12" << Qt::Unchecked << "12" << "0|12";
    QTest::newRow("unknown flag and periods stay unknown")
        << "NULL" << "NULL" << Qt::PartiallyChecked << "" << "NULL|NULL";
    QTest::newRow("periods not offered shown and kept") << "b'1'" << "3" << Qt::Checked << "3" << "1|3";
}

void tst_employees::loadedFlagsSurviveASave()
{
    QFETCH(QString, isActive);
    QFETCH(QString, payPeriods);
    QFETCH(Qt::CheckState, ticked);
    QFETCH(QString, shownPeriods);
    QFETCH(QString, storedAfterSave);
    EXEC_SQL(QString("insert into employees (EmployeeId, EmployeePersonId, IsActive, PayPeriodsByYear, BirthDate) "
                     "values (2, 2, %1, %2, '1990-05-17')").arg(isActive, payPeriods));
    frmEmployees editor(nullptr, 2);

    QCOMPARE(editor.findChild<QCheckBox *>("chkActive")->checkState(), ticked);
    QCOMPARE(combo(&editor, "cmbPayPeriods")->currentText(), shownPeriods);
    QCOMPARE(combo(&editor, "cmbPersons")->currentText(), QString("Sara"));
    QCOMPARE(editor.findChild<QDateEdit *>("dateBirth")->date(), QDate(1990, 5, 17));
    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat(ifnull(IsActive + 0, 'NULL'), '|', "
                                     "ifnull(PayPeriodsByYear, 'NULL')) from employees where EmployeeId = 2")
                 .toString(),
             storedAfterSave);
}

void tst_employees::addNewEntries_data()
{
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("current");
    QTest::newRow("new person becomes the choice") << "cmbPersons" << "txtName" << "Hoda";
    QTest::newRow("new department listed, empty entry current") << "cmbDepartments" << "txtDepartment" << "";
}

void tst_employees::addNewEntries()
{
    QFETCH(QString, comboName);
    QFETCH(QString, field);
    QFETCH(QString, current);
    frmEmployees editor(nullptr, 0);
    TestSupport::whenModal([field](QWidget *added) {
        QTest::keyClicks(edit(added, qPrintable(field)), "Hoda");
        click(added, "btnSaveAndClose");
    });

    choose(combo(&editor, qPrintable(comboName)), "<Add New>");

    QCOMPARE(messageLog(), QString());
    QVERIFY(combo(&editor, qPrintable(comboName))->findText("Hoda") > 0);
    QCOMPARE(combo(&editor, qPrintable(comboName))->currentText(), current);
}

void tst_employees::listShowsInactiveOnRequest_data()
{
    QTest::addColumn<bool>("showInactive");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("rows");
    QTest::newRow("active only") << false << false
                                 << "Default Person|Administrator|||True,Sara|Clerk|Default Person|Sales|True";
    QTest::newRow("inactive too") << true << false
                                  << "Default Person|Administrator|||True,Sara|Clerk|Default Person|Sales|True,"
                                     "Omar||||False,Laila||||";
    QTest::newRow("the flag in Arabic") << true << true
                                        << QString::fromUtf8("Default Person|Administrator|||نعم,Sara|Clerk|Default Person|Sales|نعم,"
                                                             "Omar||||لا,Laila||||");
}

void tst_employees::listShowsInactiveOnRequest()
{
    QFETCH(bool, showInactive);
    QFETCH(bool, arabic);
    QFETCH(QString, rows);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    EXEC_SQL("insert into departments (DepartmentId, Department) values (5, 'Sales')");
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, ManagerId, DepartmentId, IsActive) values "
             "(2, 2, 'Clerk', 1, 5, b'1'), (3, 3, NULL, NULL, NULL, b'0'), (4, 4, NULL, NULL, NULL, NULL)");
    frmEmployeesView list;
    // Ticked and, for the first row, unticked again: both ways reload the list.
    list.findChild<QCheckBox *>("chkShowInactive")->setChecked(true);
    if (!showInactive)
        list.findChild<QCheckBox *>("chkShowInactive")->setChecked(false);

    QAbstractItemModel *model = table(&list)->model();
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column : {1, 2, 3, 4, 12})
            cells << model->index(row, column).data().toString();
        shown << cells.join('|');
    }
    // The list has no order of its own; compare in the order of the fixture.
    const QStringList order{"Default Person", "Sara", "Omar", "Laila"};
    std::sort(shown.begin(), shown.end(), [&order](const QString &a, const QString &b) {
        return order.indexOf(a.section('|', 0, 0)) < order.indexOf(b.section('|', 0, 0));
    });
    QCOMPARE(shown.join(','), rows);
    QVERIFY(table(&list)->isColumnHidden(0));
}

void tst_employees::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("employeesLeft");
    QTest::addColumn<QString>("characteristicsLeft");
    const QString all = "2:Car=Fiat,3:Pet=Cat";
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << 3 << all;
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)} << 3
                                          << all;
    QTest::newRow("delete answered No") << "btnDelete" << "Omar" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, msgDelete)} << 3 << all;
    QTest::newRow("a manager refused") << "btnDelete" << "Sara" << int(QMessageBox::Yes)
                                       << QStringList{messageEntry(Messages::Question, msgDelete),
                                                      messageEntry(Messages::Critical, msgRecordReferenced)}
                                       << 3 << all;
    QTest::newRow("characteristics go with the employee")
        << "btnDelete" << "Omar" << int(QMessageBox::Yes) << QStringList{messageEntry(Messages::Question, msgDelete)} << 2
        << "2:Car=Fiat";
}

void tst_employees::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, employeesLeft);
    QFETCH(QString, characteristicsLeft);
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, IsActive) values (2, 2, b'1')");
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, ManagerId, IsActive) values (3, 3, 2, b'1')");
    EXEC_SQL("insert into characteristics (EmployeeId, Characteristic, Value) values (2, 'Car', 'Fiat'), "
             "(3, 'Pet', 'Cat')");
    frmEmployeesView list;
    if (!chosen.isEmpty()) {
        QAbstractItemModel *model = table(&list)->model();
        const QModelIndexList found = model->match(model->index(0, 1), Qt::DisplayRole, chosen, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(chosen));
        table(&list)->selectRow(found.first().row());
    }
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(employeeCount(), employeesLeft);
    QCOMPARE(table(&list)->model()->rowCount(), employeesLeft);
    QCOMPARE(characteristics(), characteristicsLeft);
}

ZARPO_TEST_MAIN(tst_employees)
#include "tst_employees.moc"
