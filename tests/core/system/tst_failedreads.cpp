#include "accounting/frmAccounts.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "items/frmItems.h"
#include "partners/frmCustomers.h"
#include "partners/frmEmployees.h"
#include "partners/frmVendors.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDialog>

#include <functional>
#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::messageLog;

Q_DECLARE_METATYPE(std::function<QDialog *()>)

// An editor whose choice lists could not be read tells it once, names what failed, and
// refuses to store its blank choices over the record.
class tst_failedreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editorWithAnUnreadListKeepsTheRecord_data();
    void editorWithAnUnreadListKeepsTheRecord();
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

ZARPO_TEST_MAIN(tst_failedreads)
#include "tst_failedreads.moc"
