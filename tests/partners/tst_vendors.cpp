#include "core/system/globals.h"
#include "partners/frmVendors.h"
#include "partners/frmVendorsView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
// One stored column as text, "NULL" for NULL, so a whole row compares as one table.
QString stored(const QString &column, int vendorId)
{
    const QVariant value = TestSupport::queryValue(
        QStringLiteral("select %1 from vendors where VendorId = %2").arg(column).arg(vendorId));
    return value.isNull() ? QStringLiteral("NULL") : value.toString();
}

// Every column a save writes, in one line.
QString vendorRow(int vendorId)
{
    return stored("concat_ws('|', ifnull(VendorName, 'NULL'), ifnull(ContactPersonId, 'NULL'), "
                  "ifnull(VendorSince, 'NULL'), ifnull(IsActive + 0, 'NULL'), ifnull(ExpensesAccountId, 'NULL'), "
                  "ifnull(RevenuAccountId, 'NULL'), ifnull(Notes, 'NULL'))",
                  vendorId);
}

int vendorCount()
{
    return TestSupport::queryValue("select count(*) from vendors").toInt();
}
}

class tst_vendors : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newVendorAsItStarts();
    void saveAndCloseClosesOnlyAfterASave_data();
    void saveAndCloseClosesOnlyAfterASave();
    void lastPurchase_data();
    void lastPurchase();
    void addNewAccount_data();
    void addNewAccount();
    void newKeepsOnlyTheContactPersonAndAccounts();
    void accountsTheFormCannotShowSurviveASave_data();
    void accountsTheFormCannotShowSurviveASave();
    void editorThatFailedToLoadCannotSave_data();
    void editorThatFailedToLoadCannotSave();
    void listCommands_data();
    void listCommands();
};

void tst_vendors::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
    EXEC_SQL("insert into persons (PersonId, PersonName, Street1, City, Province, Country, Phone1) values "
             "(2, 'Sara', '1 Sea Rd', 'Alexandria', 'Alex', 'Egypt', '0100 555'), (3, 'Omar', NULL, NULL, NULL, "
             "NULL, NULL)");
}

void tst_vendors::newVendorAsItStarts()
{
    frmVendors editor(nullptr, 0);
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtVendorName"), "Nile");

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(vendorCount(), 1);
    const int id = TestSupport::queryValue("select max(VendorId) from vendors").toInt();
    const QList<QPair<QString, QString>> row{
        {"VendorName", "Nile"},
        {"ContactPersonId", "NULL"},
        {"VendorSince", QDate::currentDate().toString(Qt::ISODate)},
        {"IsActive + 0", "1"},
        {"ExpensesAccountId", "NULL"},
        {"RevenuAccountId", "NULL"},
        {"Notes", "NULL"},
    };
    for (const auto &column : row)
        QVERIFY2(stored(column.first, id) == column.second,
                 qPrintable(column.first + " is " + stored(column.first, id)));
    // Back at a new vendor: a Save with nothing typed stores nothing.
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), messageEntry(Messages::Critical, "Type the vendor's name."));
    QCOMPARE(vendorCount(), 1);
}

void tst_vendors::saveAndCloseClosesOnlyAfterASave_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("message"); // its start; empty: none
    QTest::newRow("saved, then closed") << "" << true << "";
    QTest::newRow("refused: stays open with what was typed")
        << "create trigger refuse_it before insert on vendors for each row "
           "signal sqlstate '45000' set message_text = 'vendors refused'"
        << false << msgInsertFailed + "\nvendors refused";
}

void tst_vendors::saveAndCloseClosesOnlyAfterASave()
{
    QFETCH(QString, fixture);
    QFETCH(bool, closes);
    QFETCH(QString, message);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmVendors editor(nullptr, 0);
    editor.show();
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtVendorName"), "Nile Supplies");
    QTest::keyClicks(editor.findChild<QPlainTextEdit *>("txtNotes"), "  net 30 ");

    click(&editor, "btnSaveAndClose");

    QCOMPARE(MessageRecorder::messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
        QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
    }
    QCOMPARE(editor.isVisible(), !closes);
    QCOMPARE(vendorCount(), closes ? 1 : 0);
    if (closes)
        QCOMPARE(TestSupport::queryValue("select concat('[', Notes, ']') from vendors").toString(),
                 QString("[  net 30 ]"));
    else
        QCOMPARE(editor.findChild<QLineEdit *>("txtVendorName")->text(), QString("Nile Supplies"));
}

void tst_vendors::lastPurchase_data()
{
    QTest::addColumn<QString>("invoiceDates"); // of vendor 1; vendor 2 has one of 2025-01-01
    QTest::addColumn<QDate>("shown");          // invalid: hidden
    QTest::newRow("no purchase invoice") << "" << QDate();
    QTest::newRow("latest of its invoices") << "('2023-01-05'), ('2024-02-10'), (NULL)" << QDate(2024, 2, 10);
    QTest::newRow("only an undated invoice") << "(NULL)" << QDate();
}

void tst_vendors::lastPurchase()
{
    QFETCH(QString, invoiceDates);
    QFETCH(QDate, shown);
    EXEC_SQL("insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1'), (2, 'Delta', b'1')");
    EXEC_SQL("insert into purchaseinvoice (VendorId, Date) values (2, '2025-01-01')");
    if (!invoiceDates.isEmpty())
        EXEC_SQL("insert into purchaseinvoice (Date) values " + invoiceDates);
    EXEC_SQL("update purchaseinvoice set VendorId = 1 where VendorId is null");

    frmVendors editor(nullptr, 1);

    auto *date = editor.findChild<QDateEdit *>("dateLastPurchase");
    QCOMPARE(!date->isHidden(), shown.isValid());
    QCOMPARE(!editor.findChild<QLabel *>("lblLastPurchaseDate")->isHidden(), shown.isValid());
    if (shown.isValid()) {
        QCOMPARE(date->date(), shown);
        QCOMPARE(date->text(), shown.toString(dateFormat));
    }
}

void tst_vendors::addNewAccount_data()
{
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QStringList>("added"); // type, number, description, parent: as the account editor takes them
    QTest::addColumn<QString>("current");   // empty: no entry
    QTest::addColumn<QString>("notOffered");
    QTest::addColumn<QString>("told"); // the information box; empty: none
    QTest::newRow("new revenue leaf") << "cmbRevenuAcc" << QStringList{"Revenue", "40800", "Consulting", "40000: Revenue"}
                                      << "40800: Consulting" << "40000: Revenue" << "";
    QTest::newRow("new expenses leaf") << "cmbExpensesAcc"
                                       << QStringList{"Expenses", "50800", "Rent", "50000: Expense"} << "50800: Rent"
                                       << "50000: Expense" << "";
    QTest::newRow("account of another type: none chosen, and why")
        << "cmbRevenuAcc" << QStringList{"Expenses", "50800", "Rent", "50000: Expense"} << "" << "50800: Rent"
        << "The record just added cannot be chosen here, so none is chosen.\n"
           "Only revenue accounts without sub-accounts are listed.";
    QTest::newRow("new sub-account replaces its parent")
        << "cmbRevenuAcc" << QStringList{"Revenue", "40110", "Online Sales", "40100: Sales"} << "40110: Online Sales"
        << "40100: Sales" << "";
}

void tst_vendors::addNewAccount()
{
    QFETCH(QString, comboName);
    QFETCH(QStringList, added);
    QFETCH(QString, current);
    QFETCH(QString, notOffered);
    QFETCH(QString, told);
    frmVendors editor(nullptr, 0);
    bool editorOpened = false;
    TestSupport::whenModal([&](QWidget *accounts) {
        editorOpened = accounts->inherits("frmAccounts");
        choose(combo(accounts, "cmbType"), added.at(0));
        choose(combo(accounts, "cmbCurrency"), "EGP - Egyptian Pound");
        accounts->findChild<QSpinBox *>("txtAccountNo")->setValue(added.at(1).toInt());
        edit(accounts, "txtAccount")->setText(added.at(2));
        choose(combo(accounts, "cmbParentAccount"), added.at(3));
        click(accounts, "btnSaveAndClose");
        if (accounts->isVisible()) // not saved: the test fails below
            static_cast<QDialog *>(accounts)->reject();
    });
    MessageRecorder::clear();

    choose(combo(&editor, qPrintable(comboName)), "<Add New>");

    QVERIFY(editorOpened);
    QCOMPARE(combo(&editor, qPrintable(comboName))->currentText(), current);
    QCOMPARE(combo(&editor, qPrintable(comboName))->findText(notOffered), -1);
    QCOMPARE(messageLog(), told.isEmpty() ? QString() : messageEntry(Messages::Information, told));
}

// The next vendor is entered with the same contact person and accounts; its date and
// Active are the window's own, never the vendor's before it.
void tst_vendors::newKeepsOnlyTheContactPersonAndAccounts()
{
    EXEC_SQL("insert into vendors (VendorId, VendorName, ContactPersonId, VendorSince, IsActive, ExpensesAccountId, "
             "RevenuAccountId, Notes) values (1, 'Nile', 2, '2020-05-01', b'0', 105, 59, 'net 30')");
    frmVendors editor(nullptr, 1);
    QCOMPARE(editor.findChild<QLabel *>("lblContactName")->text(), QString("Sara"));
    QCOMPARE(editor.findChild<QLabel *>("lblContactCityCountry")->text(), QString("Alexandria, Alex, Egypt"));

    click(&editor, "btnNew");

    QCOMPARE(editor.findChild<QLineEdit *>("txtVendorName")->text(), QString());
    QCOMPARE(editor.findChild<QPlainTextEdit *>("txtNotes")->toPlainText(), QString());
    QCOMPARE(combo(&editor, "cmbPersons")->currentText(), QString("Sara"));
    QCOMPARE(editor.findChild<QLabel *>("lblContactName")->text(), QString("Sara"));
    QCOMPARE(editor.findChild<QDateEdit *>("dateVendorSince")->date(), QDate::currentDate());
    QVERIFY(editor.findChild<QCheckBox *>("chkActive")->isChecked());
    QCOMPARE(combo(&editor, "cmbExpensesAcc")->currentText(), QString("50100: Cost of Goods Sold"));
    QCOMPARE(combo(&editor, "cmbRevenuAcc")->currentText(), QString("40100: Sales"));
    editor.findChild<QLineEdit *>("txtVendorName")->setText("Delta");
    click(&editor, "btnSave");
    QCOMPARE(messageLog(), QString());
    QCOMPARE(vendorRow(1), QString("Nile|2|2020-05-01|0|105|59|net 30"));
    QCOMPARE(vendorRow(2), "Delta|2|" + QDate::currentDate().toString(Qt::ISODate) + "|1|105|59|NULL");
}

void tst_vendors::accountsTheFormCannotShowSurviveASave_data()
{
    QTest::addColumn<QString>("choice"); // empty: none
    QTest::addColumn<QString>("accountsAfter"); // ExpensesAccountId|RevenuAccountId
    QTest::newRow("accounts that are no longer leaves kept") << "" << "104|58";
    QTest::newRow("replaced by a choice") << "40200: Service Revenue" << "104|98";
}

void tst_vendors::accountsTheFormCannotShowSurviveASave()
{
    QFETCH(QString, choice);
    QFETCH(QString, accountsAfter);
    EXEC_SQL("insert into vendors (VendorId, VendorName, IsActive, ExpensesAccountId, RevenuAccountId) "
             "values (1, 'Nile', b'1', 104, 58)");
    frmVendors editor(nullptr, 1);
    QCOMPARE(combo(&editor, "cmbRevenuAcc")->currentText(), QString("40000: Revenue (not in the list)"));
    QCOMPARE(combo(&editor, "cmbExpensesAcc")->currentText(), QString("50000: Expense (not in the list)"));
    if (!choice.isEmpty())
        choose(combo(&editor, "cmbRevenuAcc"), choice);

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(stored("concat(ExpensesAccountId, '|', RevenuAccountId)", 1), accountsAfter);
    // A vendor started with New gets no account it was not shown.
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtVendorName"), "Delta");
    click(&editor, "btnSave");
    QCOMPARE(stored("concat_ws('|', ifnull(ExpensesAccountId, 'NULL'), ifnull(RevenuAccountId, 'NULL'))", 2),
             choice.isEmpty() ? QString("NULL|NULL") : QString("NULL|98"));
}

void tst_vendors::editorThatFailedToLoadCannotSave_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<bool>("readFails");
    QTest::newRow("no such vendor") << 7 << false;
    QTest::newRow("read failed") << 1 << true;
}

void tst_vendors::editorThatFailedToLoadCannotSave()
{
    QFETCH(int, vendorId);
    QFETCH(bool, readFails);
    EXEC_SQL("insert into vendors (VendorId, VendorName, ContactPersonId, IsActive) values (1, 'Nile', 2, b'1')");
    if (readFails)
        EXEC_SQL("rename table vendors to vendors_away");
    frmVendors editor(nullptr, vendorId);
    if (readFails)
        EXEC_SQL("rename table vendors_away to vendors");
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
    QCOMPARE(vendorCount(), 1);
    QCOMPARE(vendorRow(1), QString("Nile|2|NULL|1|NULL|NULL|NULL"));
    click(&editor, "btnNew");
    QTest::keyClicks(editor.findChild<QLineEdit *>("txtVendorName"), "Delta");
    click(&editor, "btnSave");
    QCOMPARE(vendorCount(), 2);
}

void tst_vendors::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("namesLeft");
    const QString all = "Delta,Nile,Old";
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << all;
    QTest::newRow("edit opens the chosen vendor") << "btnEdit" << "Delta" << int(QMessageBox::NoButton)
                                                  << QStringList() << all;
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)}
                                          << all;
    QTest::newRow("delete answered No") << "btnDelete" << "Nile" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, msgDelete)} << all;
    QTest::newRow("vendor on a purchase order refused")
        << "btnDelete" << "Delta" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, msgDelete), messageEntry(Messages::Critical, msgRecordReferenced)}
        << all;
    QTest::newRow("unused vendor deleted") << "btnDelete" << "Nile" << int(QMessageBox::Yes)
                                           << QStringList{messageEntry(Messages::Question, msgDelete)} << "Delta,Old";
}

void tst_vendors::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, namesLeft);
    EXEC_SQL("insert into vendors (VendorId, VendorName, IsActive) values (1, 'Nile', b'1'), (2, 'Delta', b'1'), "
             "(3, 'Old', b'0')");
    EXEC_SQL("insert into purchaseorder (PurchaseOrderNo, VendorId) values ('1', 2)");
    frmVendorsView list;
    QAbstractItemModel *model = table(&list)->model();
    QCOMPARE(model->rowCount(), 2); // the inactive vendor is not listed
    if (!chosen.isEmpty()) {
        const QModelIndexList found = model->match(model->index(0, 1), Qt::DisplayRole, chosen, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(chosen));
        table(&list)->selectRow(found.first().row());
    }
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));
    QString editedName = "<no editor>";
    if (button == "btnEdit" && !chosen.isEmpty())
        TestSupport::whenModal([&editedName](QWidget *editor) {
            editedName = editor->findChild<QLineEdit *>("txtVendorName")->text();
            static_cast<QDialog *>(editor)->reject();
        });

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    if (button == "btnEdit" && !chosen.isEmpty())
        QCOMPARE(editedName, chosen);
    QCOMPARE(TestSupport::queryValue("select group_concat(VendorName order by VendorName) from vendors").toString(),
             namesLeft);
    list.findChild<QCheckBox *>("chkShowInactive")->setChecked(true);
    QCOMPARE(table(&list)->model()->rowCount(), namesLeft.count(',') + 1);
}

ZARPO_TEST_MAIN(tst_vendors)
#include "tst_vendors.moc"
