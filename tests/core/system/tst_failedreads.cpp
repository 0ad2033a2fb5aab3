#include "accounting/frmAccounts.h"
#include "accounting/frmCurrencies.h"
#include "accounting/frmFiscalYear.h"
#include "app/frmCompanyInfo.h"
#include "app/frmSettings.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "items/frmCategories.h"
#include "items/frmItems.h"
#include "items/frmUOM.h"
#include "items/frmWarehouses.h"
#include "partners/frmCustomers.h"
#include "partners/frmDepartments.h"
#include "partners/frmEmployees.h"
#include "partners/frmPersons.h"
#include "partners/frmUsers.h"
#include "partners/frmVendors.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "purchasing/frmPurchaseOrder.h"
#include "purchasing/frmPurchaseRefund.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/invoices/frmSalesRefund.h"
#include "sales/orders/frmSalesOrder.h"
#include "sales/orders/frmSalesQuote.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageLog;

Q_DECLARE_METATYPE(std::function<QDialog *()>)

namespace {
QString storedRows(const QString &table)
{
    return TestSupport::queryRows(QString("select * from %1 order by 1").arg(table));
}

void renameOnSecondConnection(const QStringList &tables, const QString &from, const QString &to)
{
    for (const QString &table : tables)
        EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1 TO %2").arg(from.arg(table), to.arg(table)));
}

const QString refusedAsUnread = "Some of what this window shows could not be read, so nothing was saved.";
}

// A window whose choice lists or record could not be read tells it once, names what
// failed, and refuses to store its blanks over the record.
class tst_failedreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editorWithAnUnreadListKeepsTheRecord_data();
    void editorWithAnUnreadListKeepsTheRecord();
    void editorWithAnUnreadRecordKeepsIt_data();
    void editorWithAnUnreadRecordKeepsIt();
    void newAfterAnUnreadRecordSavesAFreshOne_data();
    void newAfterAnUnreadRecordSavesAFreshOne();
    void openingTellsOneFailedRead_data();
    void openingTellsOneFailedRead();
};

void tst_failedreads::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_failedreads::editorWithAnUnreadListKeepsTheRecord_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QString>("table"); // renamed by another session before the editor opens
    QTest::addColumn<std::function<QDialog *()>>("open");
    QTest::addColumn<QString>("stored"); // what the save would blank
    QTest::addColumn<QString>("expected");

    QTest::newRow("customer: price types")
        << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, ShipToPersonId, IsActive, "
                       "DefaultPriceTypeId) values (1, 'Acme', 1, 1, b'1', 2)"}
        << "pricetypes" << std::function<QDialog *()>([] { return new frmCustomers(nullptr, 1); })
        << "select DefaultPriceTypeId from customers where CustomerId = 1" << "2";
    QTest::newRow("customer: sales persons")
        << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, ShipToPersonId, IsActive, "
                       "SalesPersonId) values (1, 'Acme', 1, 1, b'1', 1)"}
        << "employees" << std::function<QDialog *()>([] { return new frmCustomers(nullptr, 1); })
        << "select SalesPersonId from customers where CustomerId = 1" << "1";
    QTest::newRow("vendor: accounts")
        << QStringList{"insert into vendors (VendorId, VendorName, ContactPersonId, IsActive, ExpensesAccountId, "
                       "RevenuAccountId) values (1, 'Nile', 1, b'1', 105, 59)"}
        << "accounts" << std::function<QDialog *()>([] { return new frmVendors(nullptr, 1); })
        << "select concat(ExpensesAccountId, '/', RevenuAccountId) from vendors where VendorId = 1" << "105/59";
    QTest::newRow("vendor: persons")
        << QStringList{"insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) "
                       "values (1, 'Nile', 1, b'1')"}
        << "persons" << std::function<QDialog *()>([] { return new frmVendors(nullptr, 1); })
        << "select ContactPersonId from vendors where VendorId = 1" << "1";
    QTest::newRow("employee: departments")
        << QStringList{"insert into departments (DepartmentId, Department) values (5, 'Sales')",
                       "update employees set DepartmentId = 5 where EmployeeId = 1"}
        << "departments" << std::function<QDialog *()>([] { return new frmEmployees(nullptr, 1); })
        << "select DepartmentId from employees where EmployeeId = 1" << "5";
    QTest::newRow("item: vendors")
        << QStringList{"insert into itemcategories (ItemCategoryId, Category) values (1, 'Food')",
                       "insert into vendors (VendorId, VendorName, IsActive) values (2, 'Delta', b'1')",
                       "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, DefaultVendorId, Warranty, "
                       "IsActive, ValidityInDays) values (5, 'A-1', 'Rice', 1, 1, 2, 0, b'1', 0)"}
        << "vendors" << std::function<QDialog *()>([] { return new frmItems(nullptr, 5); })
        << "select DefaultVendorId from items where ItemId = 5" << "2";
    QTest::newRow("account: account types")
        << QStringList{} << "accounttypes" << std::function<QDialog *()>([] { return new frmAccounts(nullptr, 109); })
        << "select concat_ws('/', TypeId, ParentAccountId) from accounts where AccountId = 109" << "5/104";
}

void tst_failedreads::editorWithAnUnreadListKeepsTheRecord()
{
    QFETCH(QStringList, fixture);
    QFETCH(QString, table);
    QFETCH(std::function<QDialog *()>, open);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    EXEC_SQL_ON_SECOND_CONNECTION(QString("RENAME TABLE %1 TO %1_gone").arg(table));

    const std::unique_ptr<QDialog> editor(open());

    QCOMPARE(MessageRecorder::messages().size(), 1);
    const TestSupport::Message told = MessageRecorder::last();
    QCOMPARE(told.kind, Messages::Critical);
    QVERIFY2(told.text.startsWith(msgSelectFailed + '\n') && told.text.contains(table + "' doesn't exist"),
             qPrintable(messageLog()));

    click(editor.get(), "btnSave");

    QCOMPARE(MessageRecorder::messages().size(), 2);
    QVERIFY2(MessageRecorder::last().text.contains(table + "' doesn't exist"), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue(stored).toString(), expected);
}

void tst_failedreads::editorWithAnUnreadRecordKeepsIt_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QString>("table"); // renamed by another session while the editor opens
    QTest::addColumn<std::function<QDialog *()>>("open");
    QTest::addColumn<QString>("save"); // the button; a disabled one refuses by being so

    using Open = std::function<QDialog *()>;
    QTest::newRow("fiscal year") << QStringList{"insert into fiscalyear (FiscalYearId, `from`, `to`, IsClosed) "
                                                "values (9, '2030-03-01', '2031-02-28', 1)"}
                                 << "fiscalyear" << Open([] { return new frmFiscalYear(nullptr, 9); }) << "btnSave";
    QTest::newRow("currency") << QStringList{"insert into currencies values (9, 'Dinar', 'JD', 0)"} << "currencies"
                              << Open([] { return new frmCurrencies(nullptr, 9); }) << "btnSave";
    QTest::newRow("category") << QStringList{"insert into itemcategories values (4, 'Dairy')"} << "itemcategories"
                              << Open([] { return new frmCategories(nullptr, 4); }) << "btnSave";
    QTest::newRow("unit") << QStringList{} << "uom" << Open([] { return new frmUOM(nullptr, 2); }) << "btnSave";
    QTest::newRow("warehouse") << QStringList{} << "warehouses" << Open([] { return new frmWarehouses(nullptr, 1); })
                               << "btnSave";
    QTest::newRow("department") << QStringList{"insert into departments values (4, 'Sales')"} << "departments"
                                << Open([] { return new frmDepartments(nullptr, 4); }) << "btnSave";
    QTest::newRow("user") << QStringList{} << "users" << Open([] { return new frmUsers(nullptr, 1); }) << "btnSave";
    QTest::newRow("person") << QStringList{} << "persons" << Open([] { return new frmPersons(nullptr, 1); })
                            << "btnSave";
    QTest::newRow("account") << QStringList{} << "accounts" << Open([] { return new frmAccounts(nullptr, 109); })
                             << "btnSave";
    QTest::newRow("item") << QStringList{"insert into itemcategories values (1, 'Food')",
                                         "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, Warranty, "
                                         "IsActive, ValidityInDays) values (5, 'A-1', 'Rice', 1, 1, 0, b'1', 0)"}
                          << "items" << Open([] { return new frmItems(nullptr, 5); }) << "btnSave";
    QTest::newRow("employee") << QStringList{} << "employees" << Open([] { return new frmEmployees(nullptr, 1); })
                              << "btnSave";
    QTest::newRow("customer") << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, "
                                             "IsActive) values (1, 'Acme', 1, b'1')"}
                              << "customers" << Open([] { return new frmCustomers(nullptr, 1); }) << "btnSave";
    QTest::newRow("vendor") << QStringList{"insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1')"}
                            << "vendors" << Open([] { return new frmVendors(nullptr, 1); }) << "btnSave";
    QTest::newRow("company details") << QStringList{} << "companyinfo" << Open([] { return new frmCompanyInfo(nullptr); })
                                     << "btnSave";
    QTest::newRow("settings") << QStringList{} << "accountsdefaults" << Open([] { return new frmSettings(nullptr); })
                              << "btnSaveAndClose";
}

// The form shows its defaults where the record did not load (a fiscal year not closed, an
// empty name): a save would store them over the record, or store the record anew.
void tst_failedreads::editorWithAnUnreadRecordKeepsIt()
{
    QFETCH(QStringList, fixture);
    QFETCH(QString, table);
    QFETCH(std::function<QDialog *()>, open);
    QFETCH(QString, save);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    const QString before = storedRows(table);
    renameOnSecondConnection({table}, "%1", "%1_gone");
    const std::unique_ptr<QDialog> editor(open());
    renameOnSecondConnection({table}, "%1_gone", "%1");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(MessageRecorder::last().text.startsWith(msgSelectFailed + '\n')
                 && MessageRecorder::last().text.contains(table + "' doesn't exist"),
             qPrintable(messageLog()));

    auto *button = editor->findChild<QPushButton *>(save);
    QVERIFY(button);
    if (button->isEnabled()) {
        click(editor.get(), qPrintable(save));
        QCOMPARE(MessageRecorder::messages().size(), 2);
        QVERIFY2(MessageRecorder::last().text.startsWith(refusedAsUnread)
                     && MessageRecorder::last().text.contains(table + "' doesn't exist"),
                 qPrintable(messageLog()));
    }
    QCOMPARE(storedRows(table), before);
}

void tst_failedreads::newAfterAnUnreadRecordSavesAFreshOne_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QStringList>("broken"); // by another session while the editor opens, then mended
    QTest::addColumn<std::function<QDialog *()>>("open");
    QTest::addColumn<QStringList>("given"); // "field=value" after New
    QTest::addColumn<QString>("added");     // counts the fresh record

    using Open = std::function<QDialog *()>;
    // A table renamed fails the record's read alone where no list of the editor reads it; a
    // column renamed, where one does.
    const auto table = [](const QString &name) {
        return QStringList{QString("RENAME TABLE %1 TO %1_gone").arg(name), QString("RENAME TABLE %1_gone TO %1").arg(name)};
    };
    const auto column = [](const QString &table, const QString &name) {
        const QString rename = QString("ALTER TABLE %1 RENAME COLUMN %2 TO %3").arg(table);
        return QStringList{rename.arg(name, name + "_gone"), rename.arg(name + "_gone", name)};
    };
    QTest::newRow("category") << QStringList{"insert into itemcategories values (4, 'Dairy')"}
                              << table("itemcategories") << Open([] { return new frmCategories(nullptr, 4); })
                              << QStringList{"txtCategory=Eggs"}
                              << "select count(*) from itemcategories where Category = 'Eggs'";
    QTest::newRow("unit") << QStringList{} << table("uom") << Open([] { return new frmUOM(nullptr, 2); })
                          << QStringList{"txtUOM=Crate"} << "select count(*) from uom where UOM = 'Crate'";
    QTest::newRow("warehouse") << QStringList{} << table("warehouses")
                               << Open([] { return new frmWarehouses(nullptr, 1); }) << QStringList{"txtName=South"}
                               << "select count(*) from warehouses where WarehouseName = 'South'";
    QTest::newRow("currency") << QStringList{"insert into currencies values (9, 'Dinar', 'JD', 0)"}
                              << table("currencies") << Open([] { return new frmCurrencies(nullptr, 9); })
                              << QStringList{"txtCurrency=Riyal"}
                              << "select count(*) from currencies where Currency = 'Riyal'";
    QTest::newRow("account") << QStringList{} << table("accounts") << Open([] { return new frmAccounts(nullptr, 109); })
                             << QStringList{"cmbCurrency=EGP - Egyptian Pound", "txtAccountNo=10950", "txtAccount=Till"}
                             << "select count(*) from accounts where Description = 'Till'";
    QTest::newRow("department") << QStringList{"insert into departments values (4, 'Sales')"}
                                << table("departments") << Open([] { return new frmDepartments(nullptr, 4); })
                                << QStringList{"txtDepartment=Stores"}
                                << "select count(*) from departments where Department = 'Stores'";
    QTest::newRow("user") << QStringList{"insert into persons (PersonId, PersonName) values (2, 'Sara')",
                                         "insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) "
                                         "values (2, 2, 'Clerk', b'1')"}
                          << column("users", "Username") << Open([] { return new frmUsers(nullptr, 1); })
                          << QStringList{"cmbEmployee=Sara: Clerk", "txtUsername=sara", "txtPassword=pw",
                                         "txtPasswordConfirm=pw"}
                          << "select count(*) from users where Username = 'sara'";
    QTest::newRow("person") << QStringList{} << table("persons") << Open([] { return new frmPersons(nullptr, 1); })
                            << QStringList{"txtName=Sara"} << "select count(*) from persons where PersonName = 'Sara'";
    QTest::newRow("item") << QStringList{"insert into itemcategories values (1, 'Food')",
                                         "insert into items (ItemId, ItemNo, ItemName, TypeId, CategoryId, Warranty, "
                                         "IsActive, ValidityInDays) values (5, 'A-1', 'Rice', 1, 1, 0, b'1', 0)"}
                          << table("items") << Open([] { return new frmItems(nullptr, 5); })
                          << QStringList{"txtItemName=Beans", "cmbCategory=Food"}
                          << "select count(*) from items where ItemName = 'Beans'";
    QTest::newRow("employee") << QStringList{"insert into persons (PersonId, PersonName) values (2, 'Sara')"}
                              << column("employees", "Notes") << Open([] { return new frmEmployees(nullptr, 1); })
                              << QStringList{"cmbPersons=Sara", "txtJobTitle=Clerk"}
                              << "select count(*) from employees where JobTitle = 'Clerk'";
    QTest::newRow("customer") << QStringList{"insert into customers (CustomerId, CustomerName, CustomerPersonId, "
                                             "IsActive) values (1, 'Acme', 1, b'1')"}
                              << table("customers") << Open([] { return new frmCustomers(nullptr, 1); })
                              << QStringList{"txtCustomerName=Delta", "cmbPersons=Default Person"}
                              << "select count(*) from customers where CustomerName = 'Delta'";
    QTest::newRow("vendor") << QStringList{"insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1')"}
                            << table("vendors") << Open([] { return new frmVendors(nullptr, 1); })
                            << QStringList{"txtVendorName=Delta"}
                            << "select count(*) from vendors where VendorName = 'Delta'";
}

// New leaves the record that could not be read: what the user then types is a record of
// its own, and its save is not refused for the read that failed before it.
void tst_failedreads::newAfterAnUnreadRecordSavesAFreshOne()
{
    QFETCH(QStringList, fixture);
    QFETCH(QStringList, broken);
    QFETCH(std::function<QDialog *()>, open);
    QFETCH(QStringList, given);
    QFETCH(QString, added);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);
    EXEC_SQL_ON_SECOND_CONNECTION(broken.first());
    const std::unique_ptr<QDialog> editor(open());
    EXEC_SQL_ON_SECOND_CONNECTION(broken.last());
    QCOMPARE(MessageRecorder::messages().size(), 1);
    MessageRecorder::clear();

    click(editor.get(), "btnNew");
    fillIn(editor.get(), given);
    click(editor.get(), "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue(added).toInt(), 1);
}

void tst_failedreads::openingTellsOneFailedRead_data()
{
    QTest::addColumn<QStringList>("tables"); // renamed before the window opens
    QTest::addColumn<std::function<QDialog *()>>("open");

    using Open = std::function<QDialog *()>;
    QTest::newRow("settings: its ten account lists") << QStringList{"accounts"}
                                                     << Open([] { return new frmSettings(nullptr); });
    QTest::newRow("sales invoice: customers and warehouses") << QStringList{"customers", "warehouses"}
                                                             << Open([] { return new frmSalesInvoice(nullptr); });
    QTest::newRow("purchase invoice: vendors and warehouses") << QStringList{"vendors", "warehouses"}
                                                              << Open([] { return new frmPurchaseInvoice(nullptr); });
    QTest::newRow("purchase order: vendors and warehouses") << QStringList{"vendors", "warehouses"}
                                                            << Open([] { return new frmPurchaseOrder(nullptr); });
    QTest::newRow("sales order: customers") << QStringList{"customers"}
                                            << Open([] { return new frmSalesOrder(nullptr); });
    QTest::newRow("sales quote: customers") << QStringList{"customers"}
                                            << Open([] { return new frmSalesQuote(nullptr); });
    QTest::newRow("sales refund: customers") << QStringList{"customers"}
                                             << Open([] { return new frmSalesRefund(nullptr); });
    QTest::newRow("purchase refund: vendors") << QStringList{"vendors"}
                                              << Open([] { return new frmPurchaseRefund(nullptr); });
    QTest::newRow("customer: the last sale's date") << QStringList{"salesinvoice"}
                                                    << Open([] { return new frmCustomers(nullptr, 1); });
    QTest::newRow("vendor: the last purchase's date") << QStringList{"purchaseinvoice"}
                                                      << Open([] { return new frmVendors(nullptr, 1); });
}

// A server that fails a window's reads as it opens is told once, by the first failure:
// one box for one action, naming the table, never as many boxes as the window has lists,
// and never a date hidden without a word.
void tst_failedreads::openingTellsOneFailedRead()
{
    QFETCH(QStringList, tables);
    QFETCH(std::function<QDialog *()>, open);
    QFile::remove(TestSupport::settingsPath());
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values (1, 'Acme', 1, b'1')");
    EXEC_SQL("insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Nile', 1, b'1')");
    renameOnSecondConnection(tables, "%1", "%1_gone");

    const std::unique_ptr<QDialog> window(open());

    QCOMPARE(MessageRecorder::messages().size(), 1);
    const TestSupport::Message told = MessageRecorder::last();
    QCOMPARE(told.kind, Messages::Critical);
    QVERIFY2(told.text.startsWith(msgSelectFailed + '\n') && told.text.contains("' doesn't exist"),
             qPrintable(messageLog()));
    QVERIFY2(std::any_of(tables.cbegin(), tables.cend(),
                         [&](const QString &table) { return told.text.contains(table + "' doesn't exist"); }),
             qPrintable(messageLog()));
}

ZARPO_TEST_MAIN(tst_failedreads)
#include "tst_failedreads.moc"
