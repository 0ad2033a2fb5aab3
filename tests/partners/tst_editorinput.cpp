#include "accounting/frmAccounts.h"
#include "accounting/frmCurrencies.h"
#include "accounting/frmFiscalYear.h"
#include "app/frmCompanyInfo.h"
#include "app/frmSettings.h"
#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "items/frmCategories.h"
#include "items/frmItems.h"
#include "items/frmUOM.h"
#include "items/frmWarehouses.h"
#include "partners/frmCustomers.h"
#include "partners/frmDepartments.h"
#include "partners/frmEmployees.h"
#include "partners/frmPersons.h"
#include "partners/frmVendors.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSpinBox>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
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
    if (window == "item")
        return std::make_unique<frmItems>(nullptr, id);
    if (window == "category")
        return std::make_unique<frmCategories>(nullptr, id);
    if (window == "unit")
        return std::make_unique<frmUOM>(nullptr, id);
    if (window == "warehouse")
        return std::make_unique<frmWarehouses>(nullptr, id);
    if (window == "account")
        return std::make_unique<frmAccounts>(nullptr, id);
    if (window == "currency")
        return std::make_unique<frmCurrencies>(nullptr, id);
    if (window == "fiscal year")
        return std::make_unique<frmFiscalYear>(nullptr, id);
    if (window == "company")
        return std::make_unique<frmCompanyInfo>(nullptr);
    if (window == "settings")
        return std::make_unique<frmSettings>(nullptr);
    return std::make_unique<frmEmployees>(nullptr, id);
}

// What `field` shows: a combo's entry, a box as "ticked", "cleared" or "partly", the text
// of a number or date field.
QString shownValue(const QWidget *field)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    if (const auto *box = qobject_cast<const QCheckBox *>(field))
        return box->checkState() == Qt::PartiallyChecked ? "partly" : box->isChecked() ? "ticked" : "cleared";
    return qobject_cast<const QAbstractSpinBox *>(field)->text();
}

// What `field` offers a new record: a date with its range, a box with its states, a combo's
// entries with the one shown.
QString offered(const QWidget *field)
{
    if (const auto *date = qobject_cast<const QDateEdit *>(field))
        return QStringList{date->text(), date->minimumDate().toString(Qt::ISODate),
                           date->maximumDate().toString(Qt::ISODate)}
            .join(" to ");
    if (const auto *box = qobject_cast<const QCheckBox *>(field))
        return shownValue(box) + (box->isTristate() ? " of three states" : "");
    const auto *combo = qobject_cast<const QComboBox *>(field);
    return combo->currentText() + " of " + comboTexts(combo).join('|');
}
}

// The editors of stored records against a second user and against unusual input: what
// was typed is stored as typed, or refused with a word and kept in the form; a save never
// undoes what another user saved since the record was loaded.
class tst_editorinput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void recordDeletedByAnotherUser_data();
    void recordDeletedByAnotherUser();
    void staleSaveIsRefused_data();
    void staleSaveIsRefused();
    void unchangedRecordSavesAgainAndAgain();
    void storedValueIsShownAndKeptOrRefused_data();
    void storedValueIsShownAndKeptOrRefused();
    void newStartsFromTheWindowsOwnDefaults_data();
    void newStartsFromTheWindowsOwnDefaults();
    void entryWithoutItsOptionalPartShowsTheRest_data();
    void entryWithoutItsOptionalPartShowsTheRest();
    void textStoredAsTypedOrRefused_data();
    void textStoredAsTypedOrRefused();
    void contactCardShowsMarkupAsText_data();
    void contactCardShowsMarkupAsText();
};

void tst_editorinput::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    EXEC_SQL("insert into persons (PersonId, PersonName, City) values (2, 'Sara', 'Alexandria'), (3, 'Omar', NULL)");
    EXEC_SQL("insert into itemcategories (ItemCategoryId, Category) values (1, 'Food')");
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
    EXEC_AS_OTHER_USER("delete from " + table);

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

void tst_editorinput::staleSaveIsRefused_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("stored"); // what the other user saved, read back
    QTest::addColumn<QString>("thisRecord");
    QTest::newRow("customer renamed") << "customer"
                                      << "insert into customers (CustomerId, CustomerName, CustomerPersonId, "
                                         "IsActive) values (4, 'Nile', 2, b'1')"
                                      << 4 << "txtCustomerName" << "update customers set CustomerName = 'Theirs'"
                                      << "select CustomerName from customers" << "this customer";
    QTest::newRow("customer's notes") << "customer"
                                      << "insert into customers (CustomerId, CustomerName, CustomerPersonId, "
                                         "IsActive) values (4, 'Nile', 2, b'1')"
                                      << 4 << "txtCustomerName" << "update customers set Notes = 'Theirs'"
                                      << "select Notes from customers" << "this customer";
    QTest::newRow("vendor renamed") << "vendor"
                                    << "insert into vendors (VendorId, VendorName, IsActive) values (4, 'Nile', b'1')"
                                    << 4 << "txtVendorName" << "update vendors set VendorName = 'Theirs'"
                                    << "select VendorName from vendors" << "this vendor";
    QTest::newRow("person's city") << "person" << "" << 3 << "txtName"
                                   << "update persons set City = 'Theirs' where PersonId = 3"
                                   << "select City from persons where PersonId = 3" << "this person";
    QTest::newRow("department renamed") << "department" << "insert into departments values (4, 'Sales')" << 4
                                        << "txtDepartment" << "update departments set Department = 'Theirs'"
                                        << "select Department from departments" << "this department";
    QTest::newRow("employee's characteristic")
        << "employee"
        << "insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values (4, 3, 'Clerk', b'1')"
        << 4 << "txtJobTitle"
        << "insert into characteristics (EmployeeId, Characteristic, Value) values (4, 'Theirs', 'x')"
        << "select Characteristic from characteristics" << "this employee";
    QTest::newRow("item's price") << "item"
                                  << "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) "
                                     "values (4, 'R-1', 'Rice', 1, 1, b'1')"
                                  << 4 << "txtItemName"
                                  << "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (4, 1, 1, 9.99)"
                                  << "select concat('Rice ', Price) from itemprices join items using (ItemId)"
                                  << "this item";
    QTest::newRow("category renamed") << "category"
                                      << "insert into itemcategories (ItemCategoryId, Category) values (4, 'Dairy')"
                                      << 4 << "txtCategory"
                                      << "update itemcategories set Category = 'Theirs' where ItemCategoryId = 4"
                                      << "select Category from itemcategories where ItemCategoryId = 4"
                                      << "this category";
    QTest::newRow("unit renamed") << "unit" << "insert into uom (UOMId, UOM) values (9, 'Box')" << 9 << "txtUOM"
                                  << "update uom set UOM = 'Theirs' where UOMId = 9"
                                  << "select UOM from uom where UOMId = 9" << "this unit of measure";
    QTest::newRow("warehouse's city") << "warehouse"
                                      << "insert into warehouses (WarehouseId, WarehouseName, IsActive) "
                                         "values (4, 'North', b'1')"
                                      << 4 << "txtName" << "update warehouses set City = 'Theirs' where WarehouseId = 4"
                                      << "select City from warehouses where WarehouseId = 4" << "this warehouse";
    QTest::newRow("account renamed")
        << "account"
        << "insert into accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
           "ParentAccountId) values (900, '10900', 'Petty Cash', 'Petty', 1, 2, 34)"
        << 900 << "txtAccount" << "update accounts set Description = 'Theirs' where AccountId = 900"
        << "select Description from accounts where AccountId = 900" << "this account";
    QTest::newRow("currency renamed") << "currency"
                                      << "insert into currencies (CurrencyId, Currency, IsDefault) values (9, 'Dinar', 0)"
                                      << 9 << "txtCurrency"
                                      << "update currencies set Currency = 'Theirs' where CurrencyId = 9"
                                      << "select Currency from currencies where CurrencyId = 9" << "this currency";
    QTest::newRow("fiscal year's end") << "fiscal year"
                                       << "insert into fiscalyear (FiscalYearId, `from`, `to`, IsClosed) values "
                                          "(9, '2030-01-01', '2030-12-31', 0)"
                                       << 9 << "chkClosed"
                                       << "update fiscalyear set `to` = '2031-03-31' where FiscalYearId = 9"
                                       << "select concat('Theirs ', `to`) from fiscalyear where FiscalYearId = 9"
                                       << "this fiscal year";
    QTest::newRow("company's phone") << "company"
                                     << "insert into companyinfo (CompanyName, Phone) values ('Mine', '1')" << 0
                                     << "txtCompanyName" << "update companyinfo set Phone = 'Theirs'"
                                     << "select Phone from companyinfo" << "the company's details";
}

// Two users edit one record: the second save would write back what its window loaded,
// and the first user's change would be lost without a word.
void tst_editorinput::staleSaveIsRefused()
{
    QFETCH(QString, window);
    QFETCH(QString, fixture);
    QFETCH(int, id);
    QFETCH(QString, field);
    QFETCH(QString, meanwhile);
    QFETCH(QString, stored);
    QFETCH(QString, thisRecord);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    std::unique_ptr<QDialog> editor = openEditor(window, id);
    editor->show();
    // A window without a text to type into (the fiscal year) has a box ticked instead.
    QLineEdit *edit = editor->findChild<QLineEdit *>(field);
    QCheckBox *box = editor->findChild<QCheckBox *>(field);
    if (box) {
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
    } else {
        edit->clear();
        QTest::keyClicks(edit, "Typed meanwhile");
    }
    EXEC_AS_OTHER_USER(meanwhile);
    const QString storedBefore = TestSupport::queryValue(stored).toString();

    click(editor.get(), "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.endsWith(cDbSave::recordChangedText(thisRecord)), qPrintable(messageLog()));
    QVERIFY(storedBefore.contains("Theirs") || storedBefore == "Rice 9.99");
    QCOMPARE(TestSupport::queryValue(stored).toString(), storedBefore);
    if (box)
        QVERIFY(box->isChecked());
    else
        QCOMPARE(edit->text(), QString("Typed meanwhile"));
    QVERIFY(editor->isVisible());
}

// What the editor itself saved is no other user's change: a record saved, opened again
// and saved again is written each time.
void tst_editorinput::unchangedRecordSavesAgainAndAgain()
{
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (4, 'Nile', 2, b'1')");
    for (const QString &name : {QString("First"), QString("Second")}) {
        frmCustomers editor(nullptr, 4);
        auto *field = editor.findChild<QLineEdit *>("txtCustomerName");
        field->clear();
        QTest::keyClicks(field, name);
        click(&editor, "btnSave");
        QCOMPARE(messageLog(), QString());
        QCOMPARE(TestSupport::queryValue("select CustomerName from customers").toString(), name);
    }
}

void tst_editorinput::storedValueIsShownAndKeptOrRefused_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");   // what the field shows of the stored value
    QTest::addColumn<QString>("stored");  // the value, read back
    QTest::addColumn<QString>("message"); // empty: saved, the value kept as stored
    QTest::addColumn<QVariant>("corrected");
    QTest::addColumn<QString>("after"); // the value, read back after the corrected save
    const QString refusal = "%1 shows %2 as stored, but it can only hold %3 to %4. Correct it and save again.";
    const auto range = [&](const char *name, const char *value, const char *low, const char *high) {
        return refusal.arg(name, Direction::isolated(value), Direction::isolated(low), Direction::isolated(high));
    };
    const QVariant none;
    QTest::newRow("customer: a discount over 100")
        << "customer"
        << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, "
                       "StandardDiscount) values (4, 'Nile', 2, b'1', 150)"}
        << 4 << "txtDiscount" << "150" << "select StandardDiscount from customers"
        << range("Standard discount", "150", "0", "100") << QVariant(10) << "10";
    QTest::newRow("employee: a salary over the field's")
        << "employee"
        << QStringList{"insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive, AnnualSalary) "
                       "values (4, 3, 'Clerk', b'1', 9950000)"}
        << 4 << "txtAnnualSalary" << "9950000.00" << "select AnnualSalary from employees where EmployeeId = 4"
        << range("Annual salary", "9950000.00", "0.00", "9900000.00") << QVariant(5000.0) << "5000";
    QTest::newRow("item: a warranty below 0")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, Warranty) "
                       "values (4, 'R-1', 'Rice', 1, 1, b'1', -30)"}
        << 4 << "txtWarranty" << "-30" << "select Warranty from items" << range("Warranty", "-30", "0", "9999")
        << QVariant(30) << "30";
    QTest::newRow("item: a validity longer than the field's")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, ValidityInDays) "
                       "values (4, 'R-1', 'Rice', 1, 1, b'1', 10001)"}
        << 4 << "numExpirePeriod" << "10001" << "select ValidityInDays from items"
        << range("Validity", "10001", "0", "9999") << QVariant(30) << "30";
    QTest::newRow("account: a number outside its type's range")
        << "account"
        << QStringList{"insert into accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                       "ParentAccountId) values (900, '60400', 'Odd', 'Odd', 5, 2, 104)"}
        << 900 << "txtAccountNo" << "60400" << "select AccountNo from accounts where AccountId = 900"
        << range("Account No.", "60400", "50000", "59999") << QVariant(50900) << "50900";
    QTest::newRow("account: a parent of another type")
        << "account"
        << QStringList{"insert into accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                       "ParentAccountId) values (900, '50900', 'Odd', 'Odd', 5, 2, 34)"}
        << 900 << "cmbParentAccount" << "10000: Assets (not in the list)"
        << "select ParentAccountId from accounts where AccountId = 900" << "" << none << "";
    QTest::newRow("item: a type not in the list")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) "
                       "values (4, 'R-1', 'Rice', 9, 1, b'1')"}
        << 4 << "cmbType" << "No. 9, not in the list" << "select TypeId from items" << "" << none << "";
    QTest::newRow("item: a default vendor deleted since")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, DefaultVendorId) "
                       "values (4, 'R-1', 'Rice', 1, 1, b'1', 77)"}
        << 4 << "cmbDefaultVendor" << "No. 77, not in the list" << "select DefaultVendorId from items" << "" << none
        << "";
    QTest::newRow("item: active left unknown")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) "
                       "values (4, 'R-1', 'Rice', 1, 1, NULL)"}
        << 4 << "chkIsActive" << "partly" << "select ifnull(IsActive + 0, 'NULL') from items" << "" << none << "";
    QTest::newRow("employee: 26 pay periods a year")
        << "employee" << QStringList{"update employees set PayPeriodsByYear = 26 where EmployeeId = 1"} << 1
        << "cmbPayPeriods" << "26" << "select PayPeriodsByYear from employees where EmployeeId = 1" << "" << none
        << "";
    QTest::newRow("employee: no birth date")
        << "employee" << QStringList{"update employees set BirthDate = NULL where EmployeeId = 1"} << 1
        << "dateBirth" << "No date" << "select ifnull(BirthDate, 'NULL') from employees where EmployeeId = 1" << ""
        << none << "";
    QTest::newRow("employee: active left unknown")
        << "employee" << QStringList{"update employees set IsActive = NULL where EmployeeId = 1"} << 1 << "chkActive"
        << "partly" << "select ifnull(IsActive + 0, 'NULL') from employees where EmployeeId = 1" << "" << none << "";
    QTest::newRow("employee: a person deleted since")
        << "employee"
        << QStringList{"set foreign_key_checks = 0", "update employees set EmployeePersonId = 99 where EmployeeId = 1",
                       "set foreign_key_checks = 1"}
        << 1 << "cmbPersons" << "No. 99, not in the list"
        << "select EmployeePersonId from employees where EmployeeId = 1" << "" << none << "";
    QTest::newRow("employee: a manager without a person")
        << "employee"
        << QStringList{"insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) "
                       "values (2, NULL, 'Nobody', b'1')",
                       "update employees set ManagerId = 2 where EmployeeId = 1"}
        << 1 << "cmbManager" << "No. 2, not in the list" << "select ManagerId from employees where EmployeeId = 1"
        << "" << none << "";
    QTest::newRow("employee: a department deleted since")
        << "employee"
        << QStringList{"set foreign_key_checks = 0", "update employees set DepartmentId = 55 where EmployeeId = 1",
                       "set foreign_key_checks = 1"}
        << 1 << "cmbDepartments" << "No. 55, not in the list"
        << "select DepartmentId from employees where EmployeeId = 1" << "" << none << "";
    QTest::newRow("customer: no date since")
        << "customer"
        << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, CustomerSince) "
                       "values (4, 'Nile', 2, b'1', NULL)"}
        << 4 << "dateCustomerSince" << "No date" << "select ifnull(CustomerSince, 'NULL') from customers" << ""
        << none << "";
    QTest::newRow("customer: a sales person no longer active")
        << "customer"
        << QStringList{"update employees set IsActive = b'0' where EmployeeId = 1",
                       "insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, SalesPersonId) "
                       "values (4, 'Nile', 2, b'1', 1)"}
        << 4 << "cmbSalesPerson" << "Default Person: Administrator (not in the list)"
        << "select SalesPersonId from customers" << "" << none
        << "";
    QTest::newRow("customer: a ship-to person deleted since")
        << "customer"
        << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive, ShipToPersonId) "
                       "values (4, 'Nile', 2, b'1', 99)"}
        << 4 << "cmbShipTo" << "No. 99, not in the list" << "select ShipToPersonId from customers" << "" << none
        << "";
    QTest::newRow("vendor: active left unknown")
        << "vendor"
        << QStringList{"insert into vendors (VendorId, VendorName, IsActive, VendorSince) values (4, 'Nile', NULL, "
                       "'2020-02-03')"}
        << 4 << "chkActive" << "partly" << "select ifnull(IsActive + 0, 'NULL') from vendors" << "" << none << "";
    QTest::newRow("vendor: no date since")
        << "vendor"
        << QStringList{"insert into vendors (VendorId, VendorName, IsActive, VendorSince) values (4, 'Nile', b'1', NULL)"}
        << 4 << "dateVendorSince" << "No date" << "select ifnull(VendorSince, 'NULL') from vendors" << "" << none
        << "";
    QTest::newRow("vendor: an expenses account that is no longer a leaf")
        << "vendor"
        << QStringList{"insert into vendors (VendorId, VendorName, IsActive, ExpensesAccountId) "
                       "values (4, 'Nile', b'1', 104)"}
        << 4 << "cmbExpensesAcc" << "50000: Expense (not in the list)" << "select ExpensesAccountId from vendors" << ""
        << none << "";
    QTest::newRow("fiscal year: a start before the field's earliest day")
        << "fiscal year"
        << QStringList{"insert into fiscalyear (FiscalYearId, `from`, `to`, IsClosed) "
                       "values (9, '1700-01-01', '1700-12-31', 0)"}
        << 9 << "dateFrom" << "1/1/1700" << "select `from` from fiscalyear where FiscalYearId = 9" << "" << none << "";
    QTest::newRow("settings: a default account that is no longer a leaf")
        << "settings" << QStringList{"update accountsdefaults set PayrollAccId = 104"} << 0 << "cmbPayrollAcc"
        << "50000: Expense (not in the list)" << "select PayrollAccId from accountsdefaults"
        << "The Salary & Wages box shows an account it no longer offers: one with accounts below it, or of another "
           "type. Choose another account and save again."
        << QVariant(113) << "113";
}

// A value stored outside what its field offers (by another program, an earlier version, or
// a record deactivated since) is shown as stored: kept by a save where the field can show
// it, refused by name where the user must correct it, and never rewritten unseen.
void tst_editorinput::storedValueIsShownAndKeptOrRefused()
{
    QFETCH(QString, window);
    QFETCH(QStringList, fixture);
    QFETCH(int, id);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    QFETCH(QVariant, corrected);
    QFETCH(QString, after);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    const QString before = TestSupport::queryValue(stored).toString();
    std::unique_ptr<QDialog> editor = openEditor(window, id);
    editor->show();
    QWidget *widget = editor->findChild<QWidget *>(field);
    QCOMPARE(shownValue(widget), shown);
    const char *save = editor->findChild<QPushButton *>("btnSave") ? "btnSave" : "btnSaveAndClose";

    click(editor.get(), save);

    QCOMPARE(messageLog(), message.isEmpty() ? QString() : messageEntry(Messages::Critical, message));
    QCOMPARE(TestSupport::queryValue(stored).toString(), before);
    if (message.isEmpty())
        return;
    QVERIFY(editor->isVisible());
    if (auto *whole = qobject_cast<QSpinBox *>(widget))
        whole->setValue(corrected.toInt());
    else if (auto *amount = qobject_cast<QDoubleSpinBox *>(widget))
        amount->setValue(corrected.toDouble());
    else
        static_cast<QComboBox *>(widget)->setCurrentIndex(static_cast<QComboBox *>(widget)->findData(corrected));
    MessageRecorder::clear();
    click(editor.get(), save);
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue(stored).toString(), after);
}

void tst_editorinput::newStartsFromTheWindowsOwnDefaults_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fixture"); // the record before: what its fields could not show
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("fields"); // after New, as in a window opened for a new record
    QTest::addColumn<QStringList>("given");  // "field=value", after New
    QTest::addColumn<QString>("stored");     // the new record, read back
    QTest::addColumn<QString>("expected");

    QTest::newRow("vendor: no date since, active unknown, accounts no longer leaves")
        << "vendor"
        << QStringList{"insert into vendors (VendorId, VendorName, VendorSince, IsActive, ExpensesAccountId, "
                       "RevenuAccountId) values (4, 'Nile', NULL, NULL, 104, 58)"}
        << 4 << QStringList{"dateVendorSince", "chkActive", "cmbExpensesAcc", "cmbRevenuAcc"}
        << QStringList{"txtVendorName=Delta"}
        << "select concat_ws('|', ifnull(VendorSince = curdate(), 'NULL'), ifnull(IsActive + 0, 'NULL'), "
           "ifnull(ExpensesAccountId, 'NULL'), ifnull(RevenuAccountId, 'NULL')) from vendors where VendorName = 'Delta'"
        << "1|1|NULL|NULL";
    QTest::newRow("customer: no date since, active unknown, a sales person no longer active")
        << "customer"
        << QStringList{"update employees set IsActive = b'0' where EmployeeId = 1",
                       "insert into customers (CustomerId, CustomerName, CustomerPersonId, CustomerSince, IsActive, "
                       "SalesPersonId) values (4, 'Nile', 2, NULL, NULL, 1)"}
        << 4 << QStringList{"dateCustomerSince", "chkActive", "cmbSalesPerson"}
        << QStringList{"txtCustomerName=Delta", "cmbPersons=Omar"}
        << "select concat_ws('|', ifnull(CustomerSince = curdate(), 'NULL'), ifnull(IsActive + 0, 'NULL'), "
           "ifnull(SalesPersonId, 'NULL')) from customers where CustomerName = 'Delta'"
        << "1|1|NULL";
    QTest::newRow("employee: no birth date, active unknown, person, manager, department and pay periods not listed")
        << "employee"
        << QStringList{"insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) "
                       "values (2, NULL, 'Nobody', b'1')",
                       "set foreign_key_checks = 0",
                       "update employees set EmployeePersonId = 99, ManagerId = 2, DepartmentId = 55, BirthDate = NULL, "
                       "IsActive = NULL, PayPeriodsByYear = 26 where EmployeeId = 1",
                       "set foreign_key_checks = 1"}
        << 1
        << QStringList{"dateBirth", "chkActive", "cmbPersons", "cmbManager", "cmbDepartments", "cmbPayPeriods"}
        << QStringList{"cmbPersons=Sara", "txtJobTitle=Delta"}
        << "select concat_ws('|', EmployeePersonId, ifnull(ManagerId, 'NULL'), ifnull(DepartmentId, 'NULL'), "
           "ifnull(BirthDate, 'NULL'), ifnull(IsActive + 0, 'NULL'), ifnull(PayPeriodsByYear, 'NULL')) "
           "from employees where JobTitle = 'Delta'"
        << "2|NULL|NULL|2000-01-01|1|12";
    QTest::newRow("item: active unknown, a type and a vendor not listed")
        << "item"
        << QStringList{"insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive, DefaultVendorId) "
                       "values (4, 'R-1', 'Rice', 9, 1, NULL, 77)"}
        << 4 << QStringList{"chkIsActive", "cmbType", "cmbDefaultVendor"}
        << QStringList{"txtItemName=Delta", "cmbCategory=Food"}
        << "select concat_ws('|', ifnull(TypeId, 'NULL'), ifnull(IsActive + 0, 'NULL'), "
           "ifnull(DefaultVendorId, 'NULL')) from items where ItemName = 'Delta'"
        << "1|1|NULL";
    // The parent list is refilled for the type kept, so it offers the first of that type.
    QTest::newRow("account: a parent of another type")
        << "account"
        << QStringList{"insert into accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                       "ParentAccountId) values (900, '50900', 'Odd', 'Odd', 5, 2, 34)"}
        << 900 << QStringList{} << QStringList{"txtAccountNo=50901", "txtAccount=Delta"}
        << "select ifnull(ParentAccountId, 'NULL') from accounts where Description = 'Delta'" << "104";
}

// A stored record that its window could not wholly show is followed by New: the new record
// starts from the window's own defaults, never from what the one before it held, and no
// entry of that record is left to be chosen.
void tst_editorinput::newStartsFromTheWindowsOwnDefaults()
{
    QFETCH(QString, window);
    QFETCH(QStringList, fixture);
    QFETCH(int, id);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, given);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    std::unique_ptr<QDialog> editor = openEditor(window, id);
    editor->show();
    QCOMPARE(messageLog(), QString());

    click(editor.get(), "btnNew");

    const std::unique_ptr<QDialog> opened = openEditor(window, 0);
    for (const QString &field : fields)
        QCOMPARE(offered(editor->findChild<QWidget *>(field)), offered(opened->findChild<QWidget *>(field)));
    for (const QComboBox *combo : editor->findChildren<QComboBox *>())
        QVERIFY2(!comboTexts(combo).join('|').contains("not in the list"), qPrintable(combo->objectName()));
    fillIn(editor.get(), given);
    click(editor.get(), "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue(stored).toString(), expected);
}

void tst_editorinput::entryWithoutItsOptionalPartShowsTheRest_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("entry");
    QTest::newRow("account: a currency without a symbol")
        << "account" << "insert into currencies (CurrencyId, Currency, CurrencySymbol) values (9, 'Dinar', NULL)"
        << "cmbCurrency" << "Dinar";
    QTest::newRow("employee: a manager without a job title")
        << "employee" << "update employees set JobTitle = NULL where EmployeeId = 1" << "cmbManager"
        << "Default Person";
    QTest::newRow("customer: a sales person without a job title")
        << "customer" << "update employees set JobTitle = NULL where EmployeeId = 1" << "cmbSalesPerson"
        << "Default Person";
}

// A choice made of a name and an optional part (a symbol, a job title) that is not there
// still reads as its name, not as an empty entry.
void tst_editorinput::entryWithoutItsOptionalPartShowsTheRest()
{
    QFETCH(QString, window);
    QFETCH(QString, fixture);
    QFETCH(QString, combo);
    QFETCH(QString, entry);
    EXEC_SQL(fixture);
    const std::unique_ptr<QDialog> editor = openEditor(window, 0);
    const QComboBox *choices = editor->findChild<QComboBox *>(combo);
    QVERIFY(choices);
    QStringList entries;
    for (int i = 0; i < choices->count(); ++i)
        entries << choices->itemText(i);
    QVERIFY2(entries.contains(entry), qPrintable(entries.join(" | ")));
    QCOMPARE(messageLog(), QString());
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
