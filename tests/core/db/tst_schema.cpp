#include "tests/support/testsupport.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// The tables the script fills, with their row counts; every other table starts empty.
const QVector<QPair<QString, int>> seededTables = {
    {"accounts", 36}, {"accountsdefaults", 1}, {"accounttypes", 5}, {"companyinfo", 1},
    {"currencies", 3}, {"employees", 1},       {"itemtypes", 2},    {"persons", 1},
    {"pricetypes", 3}, {"uom", 8},             {"users", 1},        {"warehouses", 2},
};

// The first column of the first row as text. A failure comes back as the server's
// error text, so that a comparison shows why.
QString valueOf(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(sql))
        return "error: " + query.lastError().text();
    if (!query.next())
        return "no row";
    return query.value(0).toString();
}

// The server's error number for the statement, 0 when it succeeds.
int errorOf(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    query.exec(sql);
    return query.lastError().nativeErrorCode().toInt();
}

QStringList namesOf(const QString &sql)
{
    QStringList names;
    QSqlQuery query(QSqlDatabase::database());
    query.exec(sql);
    while (query.next())
        names << query.value(0).toString();
    return names;
}

} // namespace

class tst_schema : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void tablesAndViews();
    void seedRowCounts_data();
    void seedRowCounts();
    void columnOrder_data();
    void columnOrder();
    void firstNewIds_data();
    void firstNewIds();
    void foreignKeys_data();
    void foreignKeys();
    void chartOfAccounts_data();
    void chartOfAccounts();
    void defaultAccounts_data();
    void defaultAccounts();
    void oneDefaultCurrency();
    void administratorCanLogIn();
    void serverSettings_data();
    void serverSettings();
    void documentViews_data();
    void documentViews();

private:
    enum class Fixture { None, Seed, Documents };

    void useSeedCompany();
    void useDocumentCompany();

    Fixture fixture = Fixture::None;
};

// Tests that write to the seed company do so inside a transaction, so that the next test
// still finds the company as the script left it.
void tst_schema::cleanup()
{
    QSqlDatabase::database().rollback();
}

void tst_schema::useSeedCompany()
{
    if (fixture == Fixture::Seed)
        return;
    TestSupport::freshCompany();
    fixture = Fixture::Seed;
}

void tst_schema::tablesAndViews()
{
    useSeedCompany();
    const QString inSchema = "from information_schema.tables where table_schema = database() ";

    QCOMPARE(valueOf("select count(*) " + inSchema + "and table_type = 'BASE TABLE'"), QString("41"));
    QCOMPARE(valueOf("select count(*) " + inSchema + "and table_type = 'VIEW'"), QString("25"));
    // The deletes of the program rely on foreign keys and cascades, which only InnoDB enforces.
    QCOMPARE(valueOf("select group_concat(table_name) " + inSchema
                     + "and table_type = 'BASE TABLE' and engine <> 'InnoDB'"),
             QString());

    // A view made over a placeholder fails only when read, if the view that replaced the
    // placeholder lacks a column it names.
    for (const QString &view : namesOf("select table_name " + inSchema + "and table_type = 'VIEW'")) {
        QSqlQuery query(QSqlDatabase::database());
        QVERIFY2(query.exec("select * from " + view + " limit 1"),
                 qPrintable(view + ": " + query.lastError().text()));
    }

    QStringList filled;
    for (const QString &table : namesOf("select table_name " + inSchema + "and table_type = 'BASE TABLE'")) {
        if (valueOf("select count(*) from " + table) != "0")
            filled << table;
    }
    QStringList seeded;
    for (const auto &table : seededTables)
        seeded << table.first;
    filled.sort();
    seeded.sort();
    QCOMPARE(filled.join(", "), seeded.join(", "));
}

void tst_schema::seedRowCounts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("rows");
    for (const auto &table : seededTables)
        QTest::newRow(qPrintable(table.first)) << table.first << table.second;
}

void tst_schema::seedRowCounts()
{
    QFETCH(QString, table);
    QFETCH(int, rows);
    useSeedCompany();
    QCOMPARE(valueOf("select count(*) from " + table), QString::number(rows));
}

// The tables that windows read with "select *", taking the values by position.
void tst_schema::columnOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("persons") << "persons"
        << QStringList{"PersonId", "PersonName", "Street1", "Street2", "City", "Province", "PostalCode",
                       "Country", "Phone1", "Phone2", "Fax", "EMail", "Website"};
    QTest::newRow("accounts") << "accounts"
        << QStringList{"AccountId", "AccountNo", "Description", "DescriptionAr", "TypeId", "CurrencyId",
                       "ParentAccountId", "IsPredefined"};
    QTest::newRow("characteristics") << "characteristics"
        << QStringList{"CharacteristicId", "EmployeeId", "Characteristic", "Value"};
    QTest::newRow("currencies") << "currencies"
        << QStringList{"CurrencyId", "Currency", "CurrencySymbol", "IsDefault"};
    QTest::newRow("customers") << "customers"
        << QStringList{"CustomerId", "CustomerName", "CustomerPersonId", "SalesPersonId", "CustomerSince",
                       "IsActive", "ShipToPersonId", "RevenuAccountId", "ExpensesAccountId",
                       "DefaultPriceTypeId", "StandardDiscount", "Notes"};
    QTest::newRow("departments") << "departments" << QStringList{"DepartmentId", "Department"};
    QTest::newRow("fiscalyear") << "fiscalyear" << QStringList{"FiscalYearId", "From", "To", "IsClosed"};
    QTest::newRow("itemcategories") << "itemcategories" << QStringList{"ItemCategoryId", "Category"};
    QTest::newRow("items") << "items"
        << QStringList{"ItemId", "ItemNo", "ItemName", "TypeId", "Barcode", "CategoryId", "Warranty",
                       "IsActive", "DefaultVendorId", "VendorItemNo", "ValidityInDays"};
    QTest::newRow("purchaseorder") << "purchaseorder"
        << QStringList{"PurchaseOrderId", "PurchaseOrderNo", "EmployeeId", "VendorId", "Date",
                       "ShipToWarehouseID", "ShipDate", "ExpireDate", "Subtotal", "Freight", "Total",
                       "Comments"};
    QTest::newRow("salesorder") << "salesorder"
        << QStringList{"SalesOrderId", "SalesOrderNo", "SalesQuoteId", "EmployeeId", "CustomerId",
                       "ShipToType", "Date", "ShipDate", "Subtotal", "Freight", "Total", "PaymentMethod",
                       "DepositPaid", "Comments"};
    QTest::newRow("salesquote") << "salesquote"
        << QStringList{"SalesQuoteId", "SalesQuoteNo", "EmployeeId", "CustomerId", "ShipToType", "Date",
                       "ShipDate", "ExpireDate", "Subtotal", "Freight", "Total", "Comments"};
    QTest::newRow("uom") << "uom" << QStringList{"UOMId", "UOM"};
    QTest::newRow("users") << "users" << QStringList{"UserId", "EmployeeId", "Username", "Password"};
    QTest::newRow("vendors") << "vendors"
        << QStringList{"VendorId", "VendorName", "ContactPersonId", "VendorSince", "IsActive",
                       "ExpensesAccountId", "RevenuAccountId", "Notes"};
    QTest::newRow("warehouses") << "warehouses"
        << QStringList{"WarehouseId", "WarehouseName", "Address1", "Address2", "City", "State", "Country",
                       "Phone", "Fax", "IsActive", "DeactivationDate"};
}

void tst_schema::columnOrder()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    useSeedCompany();
    QCOMPARE(namesOf("select column_name from information_schema.columns where table_schema = database() "
                     "and table_name = '" + table + "' order by ordinal_position"),
             columns);
}

// The newest entry of a combo is the one with the largest id, so the ids of the first
// rows users add are part of what the script gives.
void tst_schema::firstNewIds_data()
{
    QTest::addColumn<QString>("insert");
    QTest::addColumn<int>("id");

    QTest::newRow("first account added") << "insert into accounts (AccountNo, Description, TypeId) "
                                            "values ('10900', 'Petty Cash', 1)" << 117;
    QTest::newRow("first customer added") << "insert into customers (CustomerName) values ('Client')" << 3;
    QTest::newRow("first department added") << "insert into departments (Department) values ('Sales')" << 1;
}

void tst_schema::firstNewIds()
{
    QFETCH(QString, insert);
    QFETCH(int, id);
    // A rolled-back insert still uses up its id: each case needs a company of its own.
    TestSupport::freshCompany();
    fixture = Fixture::None;
    EXEC_SQL(insert);
    QCOMPARE(valueOf("select last_insert_id()"), QString::number(id));
}

void tst_schema::foreignKeys_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("remaining");

    const int refused = 1451;
    const QString item = "insert into items (ItemId, ItemName, TypeId) values (1, 'Bolt', 1)";
    const QString employee2 = "insert into employees (EmployeeId, EmployeePersonId) values (2, 2)";
    const QString person2 = "insert into persons (PersonId, PersonName) values (2, 'Nadia')";

    QTest::newRow("a customer's contact person is kept")
        << QStringList{person2, "insert into customers (CustomerId, CustomerPersonId) values (1, 2)"}
        << "delete from persons where PersonId = 2" << refused
        << "select count(*) from persons where PersonId = 2" << 1;
    QTest::newRow("a person named only as ship-to card can go, the customer keeps the dangling id")
        << QStringList{person2, "insert into customers (CustomerId, ShipToPersonId) values (1, 2)"}
        << "delete from persons where PersonId = 2" << 0
        << "select count(*) from customers where ShipToPersonId = 2" << 1;
    QTest::newRow("an employee named by a document is kept")
        << QStringList{person2, employee2, "insert into salesinvoice (SalesInvoiceId, EmployeeId) values (1, 2)"}
        << "delete from employees where EmployeeId = 2" << refused
        << "select count(*) from employees where EmployeeId = 2" << 1;
    // Employee 7 stands on person 2 and there is no person 7: the customer row can only
    // be stored when its sales person refers to employees.
    QTest::newRow("a customer's sales person is an employee, and is kept")
        << QStringList{person2, "insert into employees (EmployeeId, EmployeePersonId) values (7, 2)",
                       "insert into customers (CustomerId, SalesPersonId) values (1, 7)"}
        << "delete from employees where EmployeeId = 7" << refused
        << "select count(*) from employees where EmployeeId = 7" << 1;
    QTest::newRow("an account with child accounts is kept")
        << QStringList() << "delete from accounts where AccountNo = '10000'" << refused
        << "select count(*) from accounts where AccountNo = '10000'" << 1;
    QTest::newRow("an account named by a journal line is kept")
        << QStringList{"insert into generaljournal (GeneralJournalId, JournalDate) values (1, '2024-01-01')",
                       "insert into generaljournaltransactions (GeneralJournalId, AccountId, Debit) values (1, 109, 5)"}
        << "delete from accounts where AccountId = 109" << refused
        << "select count(*) from accounts where AccountId = 109" << 1;
    QTest::newRow("a currency named by accounts is kept")
        << QStringList() << "delete from currencies where CurrencyId = 2" << refused
        << "select count(*) from currencies where CurrencyId = 2" << 1;
    QTest::newRow("a quote named by an order is kept with its lines")
        << QStringList{item, "insert into salesquote (SalesQuoteId) values (1)",
                       "insert into salesquotedetails (SalesQuoteId, ItemId) values (1, 1), (1, 1), (1, 1)",
                       "insert into salesorder (SalesOrderId, SalesQuoteId) values (1, 1)"}
        << "delete from salesquote where SalesQuoteId = 1" << refused
        << "select count(*) from salesquotedetails where SalesQuoteId = 1" << 3;
    QTest::newRow("an invoice line named by a refund line is kept")
        << QStringList{item, "insert into salesinvoice (SalesInvoiceId) values (1)",
                       "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId) values (1, 1, 1)",
                       "insert into salesrefund (SalesRefundId, SalesInvoiceId) values (1, 1)",
                       "insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId) values (1, 1, 1)"}
        << "delete from salesinvoicedetails where SalesInvoiceDetailsId = 1" << refused
        << "select count(*) from salesinvoicedetails" << 1;

    QTest::newRow("a journal entry takes its lines along")
        << QStringList{"insert into generaljournal (GeneralJournalId, JournalDate) values (1, '2024-01-01')",
                       "insert into generaljournaltransactions (GeneralJournalId, AccountId, Debit, Credit) "
                       "values (1, 109, 5, 0), (1, 114, 0, 5)"}
        << "delete from generaljournal where GeneralJournalId = 1" << 0
        << "select count(*) from generaljournaltransactions" << 0;
    QTest::newRow("an employee takes its characteristics along")
        << QStringList{person2, employee2,
                       "insert into characteristics (EmployeeId, Characteristic, Value) "
                       "values (2, 'Shift', 'Night'), (2, 'Car', 'Yes')"}
        << "delete from employees where EmployeeId = 2" << 0
        << "select count(*) from characteristics" << 0;
    QTest::newRow("an item takes its prices along")
        << QStringList{item, "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 1, 1, 2), (1, 3, 1, 3)"}
        << "delete from items where ItemId = 1" << 0
        << "select count(*) from itemprices" << 0;
    QTest::newRow("a sales quote takes its lines along")
        << QStringList{item, "insert into salesquote (SalesQuoteId) values (1)",
                       "insert into salesquotedetails (SalesQuoteId, ItemId) values (1, 1), (1, 1), (1, 1)"}
        << "delete from salesquote where SalesQuoteId = 1" << 0
        << "select count(*) from salesquotedetails" << 0;
    QTest::newRow("a sales order takes its lines along")
        << QStringList{item, "insert into salesorder (SalesOrderId) values (1)",
                       "insert into salesorderdetails (SalesOrderId, ItemId) values (1, 1), (1, 1)"}
        << "delete from salesorder where SalesOrderId = 1" << 0
        << "select count(*) from salesorderdetails" << 0;
    QTest::newRow("a sales invoice takes its lines along")
        << QStringList{item, "insert into salesinvoice (SalesInvoiceId) values (1)",
                       "insert into salesinvoicedetails (SalesInvoiceId, ItemId) values (1, 1), (1, 1)"}
        << "delete from salesinvoice where SalesInvoiceId = 1" << 0
        << "select count(*) from salesinvoicedetails" << 0;
    QTest::newRow("a sales refund takes its lines along")
        << QStringList{item, "insert into salesinvoice (SalesInvoiceId) values (1)",
                       "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId) values (1, 1, 1)",
                       "insert into salesrefund (SalesRefundId, SalesInvoiceId) values (1, 1)",
                       "insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId) values (1, 1, 1)"}
        << "delete from salesrefund where SalesRefundId = 1" << 0
        << "select count(*) from salesrefunddetails" << 0;
    QTest::newRow("a purchase order takes its lines along")
        << QStringList{item, "insert into purchaseorder (PurchaseOrderId) values (1)",
                       "insert into purchaseorderdetails (PurchaseOrderId, ItemId) values (1, 1), (1, 1)"}
        << "delete from purchaseorder where PurchaseOrderId = 1" << 0
        << "select count(*) from purchaseorderdetails" << 0;
    QTest::newRow("a purchase invoice takes its lines along")
        << QStringList{item, "insert into purchaseinvoice (PurchaseInvoiceId) values (1)",
                       "insert into purchaseinvoicedetails (PurchaseInvoiceId, ItemId) values (1, 1), (1, 1)"}
        << "delete from purchaseinvoice where PurchaseInvoiceId = 1" << 0
        << "select count(*) from purchaseinvoicedetails" << 0;
    QTest::newRow("a purchase refund takes its lines along")
        << QStringList{item, "insert into purchaseinvoice (PurchaseInvoiceId) values (1)",
                       "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId) values (1, 1, 1)",
                       "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId) values (1, 1)",
                       "insert into purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId) values (1, 1, 1)"}
        << "delete from purchaserefund where PurchaseRefundId = 1" << 0
        << "select count(*) from purchaserefunddetails" << 0;
}

void tst_schema::foreignKeys()
{
    QFETCH(QStringList, fixture);
    QFETCH(QString, statement);
    QFETCH(int, error);
    QFETCH(QString, check);
    QFETCH(int, remaining);
    useSeedCompany();
    QVERIFY(QSqlDatabase::database().transaction());
    for (const QString &sql : fixture)
        EXEC_SQL(sql);

    QCOMPARE(errorOf(statement), error);
    QCOMPARE(valueOf(check), QString::number(remaining));
}

// Each query lists the account numbers that break the rule.
void tst_schema::chartOfAccounts_data()
{
    QTest::addColumn<QString>("offenders");

    QTest::newRow("every number lies in its type's range")
        << "select group_concat(a.AccountNo) from accounts a "
           "left join accounttypes t on t.AccountsTypeId = a.TypeId "
           "where t.AccountsTypeId is null or a.AccountNo not regexp '^[0-9]+$' "
           "or a.AccountNo + 0 not between t.StartNumber and t.EndNumber";
    // The accounts tree is built in one pass ordered by number.
    QTest::newRow("a parent's number sorts before its children's")
        << "select group_concat(c.AccountNo) from accounts c join accounts p on p.AccountId = c.ParentAccountId "
           "where c.AccountNo <= p.AccountNo";
    QTest::newRow("the chart has two levels of one type")
        << "select group_concat(c.AccountNo) from accounts c join accounts p on p.AccountId = c.ParentAccountId "
           "where p.ParentAccountId is not null or p.TypeId <> c.TypeId";
}

void tst_schema::chartOfAccounts()
{
    QFETCH(QString, offenders);
    useSeedCompany();
    QCOMPARE(valueOf(offenders), QString());
}

// The settings window offers, for each default, only leaf accounts of one type; a default
// outside that list shows blank.
void tst_schema::defaultAccounts_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("type");

    QTest::newRow("sales") << "SalesAccId" << 4;
    QTest::newRow("accounts receivable") << "AccountsReceivable" << 1;
    QTest::newRow("sales refunds") << "SalesRefundAccId" << 5;
    QTest::newRow("purchasing") << "PurchaseAccId" << 1;
    QTest::newRow("accounts payable") << "AccountsPayable" << 2;
    QTest::newRow("purchase refunds") << "PurchaseRefundAccId" << 4;
    QTest::newRow("payroll") << "PayrollAccId" << 5;
    QTest::newRow("safe") << "SafeAccId" << 1;
    QTest::newRow("cheque") << "CheckAccId" << 1;
    QTest::newRow("credit card") << "CreditCardAccId" << 1;
}

void tst_schema::defaultAccounts()
{
    QFETCH(QString, column);
    QFETCH(int, type);
    useSeedCompany();
    QCOMPARE(valueOf("select concat('type ', a.TypeId, ', children ', "
                     "(select count(*) from accounts c where c.ParentAccountId = a.AccountId)) "
                     "from accountsdefaults d join accounts a on a.AccountId = d." + column),
             QString("type %1, children 0").arg(type));
}

void tst_schema::oneDefaultCurrency()
{
    useSeedCompany();
    QCOMPARE(valueOf("select count(*) from currencies where IsDefault = 1"), QString("1"));
}

// The login pre-fills this user name and password and joins user, employee and person.
void tst_schema::administratorCanLogIn()
{
    useSeedCompany();
    QCOMPARE(valueOf("select p.PersonName from users u "
                     "join employees e on e.EmployeeId = u.EmployeeId "
                     "join persons p on p.PersonId = e.EmployeePersonId "
                     "where u.Username = 'admin' and u.Password = md5('tavle')"),
             QString("Default Person"));
}

void tst_schema::serverSettings_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a table spelt with capitals resolves")
        << QString() << "select count(*) from FiscalYear" << "0";
    QTest::newRow("a NOT NULL column left out of an insert takes its implicit default")
        << "insert into currencies (Currency, CurrencySymbol) values ('Pound', 'GBP')"
        << "select IsDefault + 0 from currencies where CurrencyId = last_insert_id()" << "0";
    // Both views select an order id they do not group by.
    QTest::newRow("the open purchase order view runs")
        << QString() << "select count(*) from vw_purchaseorderqty" << "0";
    QTest::newRow("the open sales order view runs")
        << QString() << "select count(*) from vw_salesorderqty" << "0";
}

void tst_schema::serverSettings()
{
    QFETCH(QString, setup);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    useSeedCompany();
    QVERIFY(QSqlDatabase::database().transaction());
    if (!setup.isEmpty())
        EXEC_SQL(setup);
    QCOMPARE(valueOf(query), expected);
}

// One customer and one vendor with a few documents around item 1 (stock, "Each") and
// item 2 (a service).
void tst_schema::useDocumentCompany()
{
    if (fixture == Fixture::Documents)
        return;
    TestSupport::freshCompany();
    fixture = Fixture::None;
    const QStringList statements = {
        "insert into items (ItemId, ItemNo, ItemName, TypeId) values (1, 'B1', 'Bolt', 1), (2, 'S1', 'Fitting', 2)",
        "insert into itemprices (ItemId, PriceTypeId, UOMId, Price) values (1, 3, 1, 12), (1, 1, 1, 11), (1, 3, 2, 130)",
        "insert into vendors (VendorId, VendorName) values (1, 'Supplier')",
        "insert into customers (CustomerId, CustomerName) values (1, 'Client')",
        // Ten bought into warehouse 1 over three lines; the newest line's price is neither
        // the first, the highest nor the lowest.
        "insert into purchaseinvoice (PurchaseInvoiceId, VendorId, Date, ShipToWarehouseID, Total, DepositPaid, PaymentMethod) "
        "values (1, 1, '2024-01-05', 1, 95, 0, '0')",
        "insert into purchaseinvoicedetails (PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, Quantity, UOMId, BasePrice) "
        "values (1, 1, 1, 3, 1, 6), (2, 1, 1, 3, 1, 9), (3, 1, 1, 4, 1, 7), (4, 1, 2, 1, 1, 20)",
        "insert into purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount) values (1, '2024-01-20', '0', 30)",
        "insert into purchaserefund (PurchaseRefundId, PurchaseInvoiceId, Date, Total, DepositPaid, PaymentMethod) "
        "values (1, 1, '2024-01-25', 20, 20, '0')",
        "insert into purchaserefunddetails (PurchaseRefundId, PurchaseInvoiceDetailsId, ItemId, Quantity, UOMId) "
        "values (1, 4, 2, 1, 1)",
        // Two down payments of 10 that differ only in payment method.
        "insert into salesorder (SalesOrderId, CustomerId, Date, PaymentMethod, DepositPaid) "
        "values (1, 1, '2024-01-08', '0', 10), (2, 1, '2024-01-08', '1', 10)",
        "insert into salesorderdetails (SalesOrderId, ItemId, Quantity, UOMId) values (1, 1, 5, 1), (2, 1, 2, 1), (2, 1, 3, 1)",
        // Invoice 1 is made from order 1 and sells from warehouse 1; invoice 2, made from no
        // order, sells from warehouse 2, where nothing was bought. Same day, same method.
        "insert into salesinvoice (SalesInvoiceId, SalesOrderId, WarehouseId, CustomerId, Date, Total, PaymentMethod, DepositPaid) "
        "values (1, 1, 1, 1, '2024-01-10', 60, '0', 30), (2, NULL, 2, 1, '2024-01-10', 40, '0', 0)",
        "insert into salesinvoicedetails (SalesInvoiceDetailsId, SalesInvoiceId, ItemId, Quantity, UOMId) "
        "values (1, 1, 1, 3, 1), (2, 1, 2, 1, 1), (3, 2, 1, 2, 1)",
        "insert into salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) values (1, '2024-01-12', '0', 10)",
        "insert into salesrefund (SalesRefundId, SalesInvoiceId, Date, Total, DepositPaid, PaymentMethod) "
        "values (1, 1, '2024-01-15', 15, 15, '0')",
        "insert into salesrefunddetails (SalesRefundId, SalesInvoiceDetailsId, ItemId, Quantity, UOMId) values (1, 1, 1, 1, 1)",
    };
    for (const QString &sql : statements)
        EXEC_SQL(sql);
    fixture = Fixture::Documents;
}

void tst_schema::documentViews_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");

    // Invoiced 100, paid 30 with the invoices, 20 with the orders and 10 later; the refund
    // of 15 was paid back in full.
    QTest::newRow("customer balance as the home page computes it")
        << "select ifnull(vw_customersales.TotalInvoice, 0) - ifnull(vw_customersales.TotalDeposit, 0) "
           "- ifnull(vw_customerrefunds.TotalRefund, 0) + ifnull(vw_customerrefunds.TotalRefundDeposit, 0) "
           "- ifnull(vw_customerorders.TotalOrderDeposit, 0) - ifnull(vw_customerpayments.TotalPayments, 0) "
           "from customers "
           "left join vw_customersales on vw_customersales.CustomerId = customers.CustomerId "
           "left join vw_customerrefunds on vw_customerrefunds.CustomerId = customers.CustomerId "
           "left join vw_customerorders on vw_customerorders.CustomerId = customers.CustomerId "
           "left join vw_customerpayments on vw_customerpayments.CustomerId = customers.CustomerId "
           "where customers.CustomerId = 1"
        << "40";
    QTest::newRow("invoices of one day and method sum into one row")
        << "select group_concat(concat(Date, ' ', TotalInvoice, ' ', TotalDeposit)) from vw_customersalesdetailed"
        << "2024-01-10 100.00 30.00";
    QTest::newRow("a refund paid back is a statement line with debit and credit")
        << "select group_concat(concat(TotalInvoice, ' ', TotalDeposit)) from vw_customerstatementofaccount "
           "where ActionType = 'Refund'"
        << "15.00 15.00";
    QTest::newRow("equal down payments by two methods are both statement lines")
        << "select group_concat(TotalDeposit) from vw_customerstatementofaccount where ActionType = 'Downpayment'"
        << "10.00,10.00";
    QTest::newRow("a vendor payment is dated by its payment date")
        << "select group_concat(Date) from vw_vendorpaymentsdetailed" << "2024-01-20";
    QTest::newRow("a vendor refund is dated by the refund")
        << "select group_concat(Date) from vw_vendorrefundsdetailed" << "2024-01-25";
    QTest::newRow("stock on hand per warehouse, negative where never bought")
        << "select group_concat(concat(WarehouseId, ':', purchased - PurchaseRefunds - sold + SalesRefunds) "
           "order by WarehouseId) from vw_iteminventory where ItemId = 1"
        << "1:8,2:-2";
    QTest::newRow("stock value rows follow warehouses too")
        << "select group_concat(QOH order by QOH) from vw_itemcapital where ItemId = 1" << "-2,8";
    QTest::newRow("purchase capital uses the newest purchase line")
        << "select PurchaseCapital from vw_itemcapital where ItemId = 1 and QOH = 8" << "56";
    QTest::newRow("a service item has no stock row")
        << "select (select count(*) from vw_iteminventory where ItemId = 2) "
           "+ (select count(*) from vw_capitalinventory where ItemId = 2) "
           "+ (select count(*) from vw_itemcapital where ItemId = 2)"
        << "0";
    QTest::newRow("an invoiced order leaves the open orders, lines of one unit sum")
        << "select group_concat(concat(salesorderId, ' ', ItemNo, ' ', UOM, ' ', OrderSalesQty)) from vw_salesorderqty"
        << "2 B1 Each 5";
    QTest::newRow("an item priced in two units has two rows of units")
        << "select group_concat(UOMId order by UOMId) from vw_itemuom where ItemId = 1" << "1,2";
}

void tst_schema::documentViews()
{
    QFETCH(QString, query);
    QFETCH(QString, expected);
    useDocumentCompany();
    QCOMPARE(valueOf(query), expected);
}

ZARPO_TEST_MAIN(tst_schema)
#include "tst_schema.moc"
