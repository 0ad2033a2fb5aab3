#include "core/system/globals.h"
#include "core/widgets/listdialog.h"
#include "partners/frmCustomers.h"
#include "partners/frmCustomersView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QString listedNames(QWidget *list)
{
    QAbstractItemModel *model = table(list)->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 1).data().toString();
    return names.join(',');
}

// One stored column as text, "NULL" for NULL, so a whole row compares as one table.
QString stored(const QString &column, int customerId)
{
    const QVariant value = TestSupport::queryValue(
        QStringLiteral("select %1 from customers where CustomerId = %2").arg(column).arg(customerId));
    return value.isNull() ? QStringLiteral("NULL") : value.toString();
}

int customerCount()
{
    return TestSupport::queryValue("select count(*) from customers").toInt();
}

const char *refuse(const char *event)
{
    static QByteArray sql;
    sql = QByteArray("create trigger refuse_it before ") + event +
          " on customers for each row signal sqlstate '45000' set message_text = 'customers refused'";
    return sql.constData();
}
}

class tst_customers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newCustomerAsItStarts();
    void saveAndCloseClosesOnlyAfterASave_data();
    void saveAndCloseClosesOnlyAfterASave();
    void shipToOnLoad_data();
    void shipToOnLoad();
    void contactChoiceFillsBothCardsButSaveUsesShipTo();
    void lastSale_data();
    void lastSale();
    void shipToAddNewKeepsTheContactPerson();
    void linksTheFormCannotShowSurviveASave_data();
    void linksTheFormCannotShowSurviveASave();
    void editorThatFailedToLoadCannotSave_data();
    void editorThatFailedToLoadCannotSave();
    void filter_data();
    void filter();
    void reloadsKeepTheFilter();
    void listCommands_data();
    void listCommands();
};

void tst_customers::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    EXEC_SQL("insert into persons (PersonId, PersonName, Street1, City, Province, Country, Phone1) values "
             "(2, 'Sara', '1 Sea Rd', 'Alexandria', 'Alex', 'Egypt', '0100 555'), "
             "(3, 'Omar', '9 Nile St', 'Cairo', 'Cairo', 'Egypt', '0122 777'), "
             "(4, 'Laila', NULL, NULL, 'North\\\\South', 'Cote d''Ivoire', NULL), "
             "(5, 'Hani', NULL, 'Alexandria', NULL, 'Egypt', NULL)");
}

void tst_customers::newCustomerAsItStarts()
{
    frmCustomers editor(nullptr, 0);
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCustomerName"), "Nile");
    choose(combo(&editor, "cmbPersons"), "Sara");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(customerCount(), 1);
    const int id = TestSupport::queryValue("select max(CustomerId) from customers").toInt();
    const QList<QPair<QString, QString>> row{
        {"CustomerName", "Nile"},
        {"CustomerPersonId", "2"},
        {"SalesPersonId", "NULL"},
        {"CustomerSince", QDate::currentDate().toString(Qt::ISODate)},
        {"IsActive + 0", "1"},
        {"ShipToPersonId", "2"},
        {"RevenuAccountId", "NULL"},
        {"ExpensesAccountId", "NULL"},
        {"DefaultPriceTypeId", "NULL"},
        {"StandardDiscount", "0"},
        {"Notes", "NULL"},
    };
    for (const auto &column : row)
        QVERIFY2(stored(column.first, id) == column.second,
                 qPrintable(column.first + " is " + stored(column.first, id)));
    // Back at a new customer: a Save with nothing typed stores nothing.
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, "Type the customer's name."));
    QCOMPARE(customerCount(), 1);
}

void tst_customers::saveAndCloseClosesOnlyAfterASave_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("message"); // its start; empty: none
    QTest::newRow("saved, then closed") << "" << true << "";
    QTest::newRow("refused: stays open with what was typed")
        << refuse("insert") << false << msgInsertFailed + "\ncustomers refused";
}

void tst_customers::saveAndCloseClosesOnlyAfterASave()
{
    QFETCH(QString, fixture);
    QFETCH(bool, closes);
    QFETCH(QString, message);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmCustomers editor(nullptr, 0);
    editor.show();
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCustomerName"), "Delta Co");
    choose(combo(&editor, "cmbPersons"), "Sara");

    click(&editor, "btnSaveAndClose");

    QCOMPARE(MessageRecorder::messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
        QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
    }
    QCOMPARE(editor.isVisible(), !closes);
    QCOMPARE(customerCount(), closes ? 1 : 0);
    if (!closes) {
        QCOMPARE(text(&editor, "txtCustomerName"), QString("Delta Co"));
        QCOMPARE(text(&editor, "cmbPersons"), QString("Sara"));
    }
}

void tst_customers::shipToOnLoad_data()
{
    QTest::addColumn<QString>("contact");
    QTest::addColumn<QString>("shipTo");
    QTest::addColumn<QString>("contactCard"); // name|street|city line|phone
    QTest::addColumn<QString>("shipToChoice");
    QTest::addColumn<QString>("shipToCard"); // name|street 1|city|country
    QTest::newRow("same as the contact") << "2" << "2" << "Sara|1 Sea Rd|Alexandria, Alex, Egypt|0100 555"
                                         << "<Contact Person>" << "Sara|1 Sea Rd|Alexandria|Egypt";
    QTest::newRow("another person") << "2" << "3" << "Sara|1 Sea Rd|Alexandria, Alex, Egypt|0100 555" << "Omar"
                                    << "Omar|9 Nile St|Cairo|Egypt";
    QTest::newRow("no persons at all") << "NULL" << "0" << "||, , |" << "<Contact Person>" << "|||";
}

void tst_customers::shipToOnLoad()
{
    QFETCH(QString, contact);
    QFETCH(QString, shipTo);
    QFETCH(QString, contactCard);
    QFETCH(QString, shipToChoice);
    QFETCH(QString, shipToCard);
    EXEC_SQL(QString("insert into customers (CustomerId, CustomerName, CustomerPersonId, ShipToPersonId, IsActive) "
                     "values (1, 'Nile', %1, %2, b'1')").arg(contact, shipTo));

    frmCustomers editor(nullptr, 1);

    QCOMPARE(messageLog(), QString());
    QCOMPARE(QStringList({text(&editor, "lblContactName"), text(&editor, "lblContactStreet"),
                          text(&editor, "lblContactCityCountry"), text(&editor, "lblContactPhone")})
                 .join('|'),
             contactCard);
    QCOMPARE(text(&editor, "cmbShipTo"), shipToChoice);
    QCOMPARE(QStringList({text(&editor, "txtShipToName"), text(&editor, "txtShipToStreet1"),
                          text(&editor, "txtShipToCity"), text(&editor, "txtShipToCountry")})
                 .join('|'),
             shipToCard);
}

void tst_customers::contactChoiceFillsBothCardsButSaveUsesShipTo()
{
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, ShipToPersonId, IsActive) "
             "values (1, 'Nile', 2, 3, b'1')");
    frmCustomers editor(nullptr, 1);

    choose(combo(&editor, "cmbPersons"), "Laila");

    QCOMPARE(text(&editor, "lblContactName"), QString("Laila"));
    QCOMPARE(text(&editor, "lblContactCityCountry"), QString(", North\\South, Cote d'Ivoire"));
    QCOMPARE(text(&editor, "txtShipToName"), QString("Laila"));
    QCOMPARE(text(&editor, "txtShipToProvince"), QString("North\\South"));
    QCOMPARE(text(&editor, "cmbShipTo"), QString("Omar"));
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(customerCount(), 1);
    QCOMPARE(stored("concat(CustomerPersonId, '|', ShipToPersonId)", 1), QString("4|3"));
}

void tst_customers::lastSale_data()
{
    QTest::addColumn<QString>("invoiceDates"); // of customer 1; customer 2 has one of 2025-01-01
    QTest::addColumn<QDate>("shown");          // invalid: hidden
    QTest::newRow("no sales invoice") << "" << QDate();
    QTest::newRow("latest of its invoices") << "('2023-01-05'), ('2024-02-10'), (NULL)" << QDate(2024, 2, 10);
}

void tst_customers::lastSale()
{
    QFETCH(QString, invoiceDates);
    QFETCH(QDate, shown);
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values "
             "(1, 'Nile', 2, b'1'), (2, 'Delta', 3, b'1')");
    EXEC_SQL("insert into salesinvoice (CustomerId, Date) values (2, '2025-01-01')");
    if (!invoiceDates.isEmpty())
        EXEC_SQL("insert into salesinvoice (Date) values " + invoiceDates);
    EXEC_SQL("update salesinvoice set CustomerId = 1 where CustomerId is null");

    frmCustomers editor(nullptr, 1);

    auto *date = editor.findChild<QDateEdit *>("dateLastSales");
    QCOMPARE(!date->isHidden(), shown.isValid());
    if (shown.isValid())
        QCOMPARE(date->text(), shown.toString(dateFormat));
    // A new customer has no sales.
    click(&editor, "btnNew");
    QVERIFY(date->isHidden());
}

void tst_customers::shipToAddNewKeepsTheContactPerson()
{
    frmCustomers editor(nullptr, 0);
    choose(combo(&editor, "cmbPersons"), "Sara");
    TestSupport::whenModal([](QWidget *persons) {
        QTest::keyClicks(persons->findChild<QLineEdit *>("txtName"), "Hoda");
        click(persons, "btnSaveAndClose");
    });

    choose(combo(&editor, "cmbShipTo"), "<Add New>");

    QVERIFY(combo(&editor, "cmbShipTo")->findText("Hoda") > 1);
    QCOMPARE(text(&editor, "cmbPersons"), QString("Sara"));
    QCOMPARE(text(&editor, "cmbShipTo"), QString("<Contact Person>"));
    QCOMPARE(text(&editor, "txtShipToName"), QString("Sara"));
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCustomerName"), "Nile");
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat(CustomerPersonId, '|', ShipToPersonId) from customers").toString(),
             QString("2|2"));
}

void tst_customers::linksTheFormCannotShowSurviveASave_data()
{
    QTest::addColumn<QString>("salesPerson"); // as stored before
    QTest::addColumn<QString>("shown");       // the combo's text once loaded
    QTest::addColumn<QString>("choice");      // empty: none
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("chosen sales person stored as its employee id") << "NULL" << "" << "Omar: Clerk" << "5";
    QTest::newRow("active sales person shown and kept") << "5" << "Omar: Clerk" << "" << "5";
    QTest::newRow("inactive sales person shown and kept") << "6" << "Laila: Driver (not in the list)" << "" << "6";
    QTest::newRow("inactive sales person replaced by a choice")
        << "6" << "Laila: Driver (not in the list)" << "Omar: Clerk" << "5";
}

void tst_customers::linksTheFormCannotShowSurviveASave()
{
    QFETCH(QString, salesPerson);
    QFETCH(QString, shown);
    QFETCH(QString, choice);
    QFETCH(QString, storedAfter);
    // Employee ids differ from their persons' ids, so a person id stored by mistake shows.
    EXEC_SQL("insert into employees (EmployeeId, EmployeePersonId, JobTitle, IsActive) values "
             "(5, 3, 'Clerk', b'1'), (6, 4, 'Driver', b'0')");
    EXEC_SQL(QString("insert into customers (CustomerId, CustomerName, CustomerPersonId, SalesPersonId, IsActive, "
                     "RevenuAccountId, ExpensesAccountId) values (1, 'Nile', 2, %1, b'1', 59, 105)")
                 .arg(salesPerson));
    frmCustomers editor(nullptr, 1);
    QCOMPARE(text(&editor, "cmbSalesPerson"), shown);
    if (!choice.isEmpty())
        choose(combo(&editor, "cmbSalesPerson"), choice);

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(stored("SalesPersonId", 1), storedAfter);
    // The accounts have no visible combo at all.
    QCOMPARE(stored("concat(RevenuAccountId, '|', ExpensesAccountId)", 1), QString("59|105"));
}

void tst_customers::editorThatFailedToLoadCannotSave_data()
{
    QTest::addColumn<int>("customerId");
    QTest::addColumn<bool>("readFails");
    QTest::newRow("no such customer") << 7 << false;
    QTest::newRow("read failed") << 1 << true;
}

void tst_customers::editorThatFailedToLoadCannotSave()
{
    QFETCH(int, customerId);
    QFETCH(bool, readFails);
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) "
             "values (1, 'Nile', 2, b'1')");
    if (readFails)
        EXEC_SQL("rename table customers to customers_away");
    frmCustomers editor(nullptr, customerId);
    if (readFails)
        EXEC_SQL("rename table customers_away to customers");
    editor.show();

    click(&editor, "btnSave");
    click(&editor, "btnSaveAndClose");

    if (readFails) {
        QCOMPARE(MessageRecorder::messages().size(), 1);
        QVERIFY2(MessageRecorder::last().text.startsWith(msgSelectFailed + "\n"), qPrintable(messageLog()));
    } else {
        QCOMPARE(messageLog(), QString());
    }
    QVERIFY(editor.isVisible());
    QCOMPARE(TestSupport::queryValue("select group_concat(concat(CustomerId, ':', CustomerName, ':', "
                                     "CustomerPersonId, ':', IsActive + 0)) from customers").toString(),
             QString("1:Nile:2:1"));
    // New starts a customer that may be saved.
    click(&editor, "btnNew");
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtCustomerName"), "Delta");
    choose(combo(&editor, "cmbPersons"), "Sara");
    click(&editor, "btnSave");
    QCOMPARE(customerCount(), 2);
}

void tst_customers::filter_data()
{
    QTest::addColumn<bool>("showInactive");
    QTest::addColumn<QString>("filterBy");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("names");
    QTest::newRow("name part in any case, by name") << false << "Customer Name" << "o"
                                                    << "100% Cotton,Delta Co,O'Hara Stores";
    QTest::newRow("quote in a name") << false << "Customer Name" << "'" << "O'Hara Stores";
    QTest::newRow("percent sign matched as itself") << false << "Customer Name" << "%" << "100% Cotton";
    QTest::newRow("underscore matched as itself") << false << "Customer Name" << "_" << "Nile_Trading";
    QTest::newRow("injection matches nothing") << false << "Customer Name" << "' OR '1'='1" << "";
    QTest::newRow("an emoji matches nothing, the server refusing nothing")
        << false << "Customer Name" << QString::fromUtf8("Co \xF0\x9F\x98\x80") << "";
    QTest::newRow("city of the contact person") << false << "City" << "ALEX" << "Delta Co,O'Hara Stores";
    QTest::newRow("underscore in a city matches nothing") << false << "City" << "_" << "";
    QTest::newRow("backslash in a province") << false << "Province" << "\\" << "Nile_Trading";
    QTest::newRow("quote in a country") << false << "Country" << "d'I" << "Nile_Trading";
    QTest::newRow("cleared text lists every active customer with a contact")
        << false << "City" << "" << "100% Cotton,Delta Co,Nile_Trading,O'Hara Stores";
    QTest::newRow("inactive ones when ticked, never one without a contact")
        << true << "Customer Name" << "a" << "Alex Imports,Amal Foods,Delta Co,Nile_Trading,O'Hara Stores";
}

void tst_customers::filter()
{
    QFETCH(bool, showInactive);
    QFETCH(QString, filterBy);
    QFETCH(QString, typed);
    QFETCH(QString, names);
    EXEC_SQL("insert into customers (CustomerName, CustomerPersonId, IsActive) values "
             "('O''Hara Stores', 2, b'1'), ('100% Cotton', 3, b'1'), ('Nile_Trading', 4, b'1'), "
             "('Alex Imports', 2, b'0'), ('Zero Contact', NULL, b'1'), ('Amal Foods', 3, NULL), "
             "('Delta Co', 5, b'1')");
    frmCustomersView list;
    list.findChild<QCheckBox *>("chkShowInactive")->setChecked(showInactive);
    choose(combo(&list, "cmbFilterBy"), filterBy);
    auto *filterText = list.findChild<QLineEdit *>("txtFilter");

    if (typed.isEmpty()) {
        QTest::keyClicks(filterText, "x");
        QTest::keyClick(filterText, Qt::Key_Backspace);
    } else if (typed.contains(QRegularExpression("[^\\x{20}-\\x{7e}]"))) {
        // An emoji is no key of the test's keyboard: it is pasted.
        filterText->insert(typed);
    } else {
        QTest::keyClicks(filterText, typed);
    }

    QCOMPARE(messageLog(), QString());
    QCOMPARE(listedNames(&list), names);
    const QVariant current = ListDialog::currentValue(table(&list), 1);
    QCOMPARE(current.toString(), names.section(',', 0, 0));
    QCOMPARE(current.isValid(), !names.isEmpty());
}

void tst_customers::reloadsKeepTheFilter()
{
    EXEC_SQL("insert into customers (CustomerName, CustomerPersonId, IsActive) values "
             "('O''Hara Stores', 2, b'1'), ('100% Cotton', 3, b'1'), ('Alex Imports', 2, b'0')");
    frmCustomersView list;
    QCOMPARE(listedNames(&list), QString("100% Cotton,O'Hara Stores"));
    choose(combo(&list, "cmbFilterBy"), "City");
    QTest::keyClicks(list.findChild<QLineEdit *>("txtFilter"), "alex");

    list.findChild<QCheckBox *>("chkShowInactive")->setChecked(true);
    QCOMPARE(listedNames(&list), QString("Alex Imports,O'Hara Stores"));
    TestSupport::whenModal([](QWidget *editor) { static_cast<QDialog *>(editor)->reject(); });
    click(&list, "btnNew");
    QCOMPARE(listedNames(&list), QString("Alex Imports,O'Hara Stores"));
}

void tst_customers::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("namesLeft");
    const QString both = "Ali,Badr";
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << both;
    QTest::newRow("edit opens the chosen customer") << "btnEdit" << "Badr" << int(QMessageBox::NoButton)
                                                    << QStringList() << both;
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)}
                                          << both;
    QTest::newRow("delete answered No") << "btnDelete" << "Ali" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, msgDelete)} << both;
    QTest::newRow("customer on a sales invoice refused")
        << "btnDelete" << "Badr" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, msgDelete), messageEntry(Messages::Critical, msgRecordReferenced)}
        << both;
    QTest::newRow("unused customer deleted") << "btnDelete" << "Ali" << int(QMessageBox::Yes)
                                             << QStringList{messageEntry(Messages::Question, msgDelete)} << "Badr";
}

void tst_customers::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, namesLeft);
    EXEC_SQL("insert into customers (CustomerId, CustomerName, CustomerPersonId, IsActive) values "
             "(1, 'Ali', 2, b'1'), (2, 'Badr', 3, b'1')");
    EXEC_SQL("insert into salesinvoice (SalesInvoiceNo, CustomerId) values ('1', 2)");
    frmCustomersView list;
    if (!chosen.isEmpty()) {
        QAbstractItemModel *model = table(&list)->model();
        const QModelIndexList found = model->match(model->index(0, 1), Qt::DisplayRole, chosen, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(chosen));
        table(&list)->selectRow(found.first().row());
    }
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));
    QString editedName = "<no editor>";
    if (button == "btnEdit" && !chosen.isEmpty())
        TestSupport::whenModal([&editedName](QWidget *editor) {
            editedName = text(editor, "txtCustomerName");
            static_cast<QDialog *>(editor)->reject();
        });

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    if (button == "btnEdit" && !chosen.isEmpty())
        QCOMPARE(editedName, chosen);
    QCOMPARE(TestSupport::queryValue("select group_concat(CustomerName order by CustomerName) from customers")
                 .toString(),
             namesLeft);
    QCOMPARE(listedNames(&list), namesLeft);
}

ZARPO_TEST_MAIN(tst_customers)
#include "tst_customers.moc"
