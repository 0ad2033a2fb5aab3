#include "accounting/frmAccounts.h"
#include "accounting/frmAccountsView.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
QTreeWidget *tree(QWidget *window)
{
    return window->findChild<QTreeWidget *>("treeAccounts");
}

QTreeWidgetItem *itemOf(QTreeWidget *tree, const QString &accountNo)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(accountNo, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.isEmpty() ? nullptr : found.first();
}

// Where the tree shows an account: the account numbers from its top-level item down.
QString pathOf(QTreeWidget *tree, const QString &accountNo)
{
    QStringList path;
    for (QTreeWidgetItem *item = itemOf(tree, accountNo); item; item = item->parent())
        path.prepend(item->text(0));
    return path.join('/');
}

int itemCount(QTreeWidget *tree)
{
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++count;
    return count;
}

void typeNumber(QWidget *editor, const QString &number)
{
    auto *spin = editor->findChild<QSpinBox *>("txtAccountNo");
    spin->selectAll();
    QTest::keyClicks(spin, number);
}

void typeDescription(QWidget *editor, const QString &text)
{
    auto *line = editor->findChild<QLineEdit *>("txtAccount");
    if (text.isEmpty() && line->text().isEmpty())
        return; // left untouched
    line->clear();
    line->insert(text); // as a paste: QTest cannot type Arabic letters
}

int accountId(const QString &accountNo)
{
    return TestSupport::queryValue("select AccountId from accounts where AccountNo = '" + accountNo + "'").toInt();
}

int accountCount()
{
    return TestSupport::queryValue("select count(*) from accounts").toInt();
}

const QString leafSpare = "insert into accounts (AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                          "ParentAccountId) values ('10990', 'Spare', 'احتياطي', 1, 2, 34)";
const QString pettyCash = "insert into accounts (AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                          "ParentAccountId) values ('10900', 'Petty Cash', 'نثرية', 1, 2, 34)";
}

class tst_accounts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void seedChart_data();
    void seedChart();
    void everyAccountIsShown_data();
    void everyAccountIsShown();
    void treeCommands_data();
    void treeCommands();
    void editLoadsTheAccount_data();
    void editLoadsTheAccount();
    void numberRangeFollowsTheType_data();
    void numberRangeFollowsTheType();
    void parentListLeavesOutTheAccountAndItsSubAccounts_data();
    void parentListLeavesOutTheAccountAndItsSubAccounts();
    void saveWritesTheDescriptionOfEachLanguage_data();
    void saveWritesTheDescriptionOfEachLanguage();
    void saveAndCloseStaysOpenAfterAFailure_data();
    void saveAndCloseStaysOpenAfterAFailure();
    void addNewCurrencySelectsTheNewOne();
    void addNewCurrencyClosedUnsavedChoosesNone();

private:
    TestSupport::MarkingTranslator marking;
};

void tst_accounts::init()
{
    TestSupport::freshCompany();
    MessageRecorder::clear();
}

void tst_accounts::cleanup()
{
    rightToLeft = false;
    QCoreApplication::removeTranslator(&marking);
}

void tst_accounts::seedChart_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QStringList>("safe"); // the shown columns of account 10700
    QTest::newRow("English") << false << QStringList{"10700", "Safe", "EGP", "Assets"};
    QTest::newRow("Arabic") << true << QStringList{"10700", "الخزينة", "EGP", "أصول"};
}

void tst_accounts::seedChart()
{
    QFETCH(bool, arabic);
    QFETCH(QStringList, safe);
    rightToLeft = arabic;
    frmAccountsView view;
    QTreeWidget *accounts = tree(&view);

    QStringList roots;
    for (int i = 0; i < accounts->topLevelItemCount(); ++i) {
        roots << accounts->topLevelItem(i)->text(0);
        QVERIFY(accounts->topLevelItem(i)->isExpanded());
    }
    QCOMPARE(roots, (QStringList{"10000", "20000", "30000", "40000", "50000"}));
    QCOMPARE(itemCount(accounts), accountCount());
    QCOMPARE(pathOf(accounts, "10700"), QString("10000/10700"));
    QCOMPARE(pathOf(accounts, "20500"), QString("20000/20500"));
    QTreeWidgetItem *item = itemOf(accounts, "10700");
    QCOMPARE((QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}), safe);
    QVERIFY(accounts->isColumnHidden(4));
    QVERIFY(accounts->isColumnHidden(5));
    QCOMPARE(view.layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QVERIFY(MessageRecorder::messages().isEmpty());
}

void tst_accounts::everyAccountIsShown_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QStringList>("paths"); // account number = where the tree shows it
    const QString insert = "insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
                           "values ('%1', 'Account %1', 1, 2, %2)";
    QTest::newRow("accounts numbered below their parents")
        << QStringList{insert.arg("10900", "34"), insert.arg("10850", "last_insert_id()"),
                       insert.arg("10840", "last_insert_id()")}
        << QStringList{"10900=10000/10900", "10850=10000/10900/10850", "10840=10000/10900/10850/10840"};
    QTest::newRow("account naming itself as parent")
        << QStringList{insert.arg("10950", "NULL"),
                       "update accounts set ParentAccountId = AccountId where AccountNo = '10950'"}
        << QStringList{"10950=10950"};
    QTest::newRow("two accounts naming each other, one with a sub-account")
        << QStringList{insert.arg("10960", "NULL"), "set @a = last_insert_id()", insert.arg("10970", "@a"),
                       "update accounts set ParentAccountId = last_insert_id() where AccountId = @a",
                       insert.arg("10980", "@a")}
        << QStringList{"10960=10960", "10970=10970", "10980=10960/10980"};
}

void tst_accounts::everyAccountIsShown()
{
    QFETCH(QStringList, fixture);
    QFETCH(QStringList, paths);
    for (const QString &sql : fixture)
        EXEC_SQL(sql);

    frmAccountsView view;

    QCOMPARE(itemCount(tree(&view)), accountCount());
    for (const QString &expected : paths) {
        const QString accountNo = expected.section('=', 0, 0);
        QCOMPARE(accountNo + "=" + pathOf(tree(&view), accountNo), expected);
    }
}

void tst_accounts::treeCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("chosen"); // account number; empty: none
    QTest::addColumn<int>("answer");     // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("deleted");
    const int none = QMessageBox::NoButton;
    QTest::newRow("edit without a row")
        << "btnEdit" << "" << "" << none << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << false;
    QTest::newRow("delete without a row") << "btnDelete" << "" << "" << none
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)}
                                          << false;
    QTest::newRow("predefined account refused before asking")
        << "btnDelete" << "" << "30100" << none
        << QStringList{messageEntry(Messages::Critical, "Cannot delete the selected account because it is required in "
                                                 "other opeations in the system")}
        << false;
    QTest::newRow("account with sub-accounts")
        << "btnDelete" << "" << "10000" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, "Delete account: Assets"),
                       messageEntry(Messages::Critical, msgRecordReferenced)}
        << false;
    QTest::newRow("account named in the default accounts")
        << "btnDelete" << "" << "10700" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, "Delete account: Safe"),
                       messageEntry(Messages::Critical, msgRecordReferenced)}
        << false;
    QTest::newRow("free leaf deleted") << "btnDelete" << leafSpare << "10990" << int(QMessageBox::Yes)
                                       << QStringList{messageEntry(Messages::Question, "Delete account: Spare")} << true;
    QTest::newRow("No answered") << "btnDelete" << leafSpare << "10990" << int(QMessageBox::No)
                                 << QStringList{messageEntry(Messages::Question, "Delete account: Spare")} << false;
    QTest::newRow("other failure shows the server's text")
        << "btnDelete"
        << "create trigger refuse_delete before delete on accounts for each row "
           "signal sqlstate '45000' set message_text = 'delete refused'"
        << "10800" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, "Delete account: Credit Card"),
                       messageEntry(Messages::Critical, msgDeleteFailed + "\ndelete refused")}
        << false;
}

void tst_accounts::treeCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, fixture);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, deleted);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    const int before = accountCount();
    frmAccountsView view;
    if (!chosen.isEmpty())
        tree(&view)->setCurrentItem(itemOf(tree(&view), chosen));
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&view, qPrintable(button));

    QCOMPARE(MessageRecorder::messages().size(), messages.size());
    QVERIFY2(messageLog().startsWith(messages.join(" | ")), qPrintable(messageLog()));
    QCOMPARE(accountCount(), before - (deleted ? 1 : 0));
    if (!chosen.isEmpty())
        QCOMPARE(itemOf(tree(&view), chosen) == nullptr, deleted);
}

void tst_accounts::editLoadsTheAccount_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("accountNo");
    QTest::addColumn<QStringList>("shown"); // type, currency, description, parent ("" for none)
    QTest::newRow("sub-account")
        << false << "10100" << QStringList{"Assets", "EGP - Egyptian Pound", "Bank Account", "10000: Assets"};
    QTest::newRow("top-level account")
        << false << "40000" << QStringList{"Revenue", "EGP - Egyptian Pound", "Revenue", ""};
    QTest::newRow("sub-account in Arabic")
        << true << "10100" << QStringList{"أصول", "EGP - Egyptian Pound", "حساب بنكي", "10000: أصول"};
}

void tst_accounts::editLoadsTheAccount()
{
    QFETCH(bool, arabic);
    QFETCH(QString, accountNo);
    QFETCH(QStringList, shown);
    rightToLeft = arabic;
    frmAccountsView view;
    tree(&view)->setCurrentItem(itemOf(tree(&view), accountNo));
    QStringList seen;
    int number = 0;
    bool parentEnabled = true;
    TestSupport::whenModal([&](QWidget *editor) {
        number = editor->findChild<QSpinBox *>("txtAccountNo")->value();
        const bool noParent = editor->findChild<QCheckBox *>("chkNoParent")->isChecked();
        parentEnabled = combo(editor, "cmbParentAccount")->isEnabled();
        seen << combo(editor, "cmbType")->currentText() << combo(editor, "cmbCurrency")->currentText()
             << editor->findChild<QLineEdit *>("txtAccount")->text()
             << (noParent ? QString() : combo(editor, "cmbParentAccount")->currentText());
        static_cast<QDialog *>(editor)->reject();
    });

    click(&view, "btnEdit");

    QCOMPARE(seen, shown);
    QCOMPARE(number, accountNo.toInt());
    QCOMPARE(parentEnabled, !shown.last().isEmpty());
    QVERIFY(MessageRecorder::messages().isEmpty());
}

void tst_accounts::numberRangeFollowsTheType_data()
{
    QTest::addColumn<QStringList>("types"); // chosen one after the other
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("firstParent");
    QTest::newRow("new editor keeps the form's range") << QStringList() << 10000 << 10000 << 59999
                                                       << "10000: Assets";
    QTest::newRow("Revenue moves the number up to its start")
        << QStringList{"Revenue"} << 40000 << 40000 << 49999 << "40000: Revenue";
    QTest::newRow("then Assets moves it down to its end")
        << QStringList{"Revenue", "Assets"} << 19999 << 10000 << 19999 << "10000: Assets";
    QTest::newRow("a number inside the new range stays")
        << QStringList{"Revenue", "Revenue"} << 40000 << 40000 << 49999 << "40000: Revenue";
}

void tst_accounts::numberRangeFollowsTheType()
{
    QFETCH(QStringList, types);
    QFETCH(int, number);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, firstParent);
    frmAccounts editor(nullptr, 0);
    auto *spin = editor.findChild<QSpinBox *>("txtAccountNo");

    for (const QString &type : types)
        choose(combo(&editor, "cmbType"), type);

    QCOMPARE(spin->value(), number);
    QCOMPARE(spin->minimum(), minimum);
    QCOMPARE(spin->maximum(), maximum);
    QCOMPARE(combo(&editor, "cmbParentAccount")->itemText(0), firstParent);
}

void tst_accounts::parentListLeavesOutTheAccountAndItsSubAccounts_data()
{
    QTest::addColumn<QString>("edited"); // empty: a new account
    QTest::addColumn<QStringList>("left_out");
    QTest::newRow("account with sub-accounts") << "10100" << QStringList{"10100", "10110", "10111"};
    QTest::newRow("sub-account") << "10110" << QStringList{"10110", "10111"};
    QTest::newRow("new account") << "" << QStringList();
}

void tst_accounts::parentListLeavesOutTheAccountAndItsSubAccounts()
{
    QFETCH(QString, edited);
    QFETCH(QStringList, left_out);
    EXEC_SQL("insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
             "values ('10110', 'Bank A', 1, 2, 35)");
    EXEC_SQL("insert into accounts (AccountNo, Description, TypeId, CurrencyId, ParentAccountId) "
             "values ('10111', 'Bank A savings', 1, 2, last_insert_id())");
    frmAccounts editor(nullptr, edited.isEmpty() ? 0 : accountId(edited));

    QStringList offered;
    for (const QString &text : comboTexts(combo(&editor, "cmbParentAccount")))
        offered << text.section(':', 0, 0);
    for (const QString &accountNo : QStringList{"10000", "10100", "10110", "10111", "10200"})
        QCOMPARE(accountNo + (offered.contains(accountNo) ? " offered" : " left out"),
                 accountNo + (left_out.contains(accountNo) ? " left out" : " offered"));
    // The editor's own tree still shows them all.
    QCOMPARE(itemCount(tree(&editor)),
             TestSupport::queryValue("select count(*) from accounts where TypeId = 1").toInt());
    click(&editor, "btnNew");
    QCOMPARE(combo(&editor, "cmbParentAccount")->count(), itemCount(tree(&editor)));
}

void tst_accounts::saveWritesTheDescriptionOfEachLanguage_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<bool>("editing"); // the account 10900 "Petty Cash" / "نثرية"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("descriptionAr");
    QTest::newRow("new account in English") << false << false << "Petty Cash" << "Petty Cash" << "Petty Cash";
    QTest::newRow("new account in Arabic") << true << false << "نثرية" << "نثرية" << "نثرية";
    QTest::newRow("edit in English") << false << true << "Cash Box" << "Cash Box" << "نثرية";
    QTest::newRow("edit in Arabic") << true << true << "صندوق" << "Petty Cash" << "صندوق";
    QTest::newRow("empty description stored as typed") << false << false << "" << "" << "";
}

void tst_accounts::saveWritesTheDescriptionOfEachLanguage()
{
    QFETCH(bool, arabic);
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QString, description);
    QFETCH(QString, descriptionAr);
    if (editing)
        EXEC_SQL(pettyCash);
    rightToLeft = arabic;
    frmAccounts editor(nullptr, editing ? accountId("10900") : 0);
    if (!editing) {
        choose(combo(&editor, "cmbCurrency"), "EGP - Egyptian Pound");
        typeNumber(&editor, "10900");
    }
    typeDescription(&editor, typed);

    click(&editor, "btnSave");

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
    const QString row = "select concat_ws('|', Description, DescriptionAr, TypeId, CurrencyId, ParentAccountId, "
                        "IsPredefined) from accounts where AccountNo = '10900'";
    const QString expected = QStringList{description, descriptionAr, "1", "2", "34", "0"}.join('|');
    QCOMPARE(TestSupport::queryValue(row).toString(), expected);
    QCOMPARE(TestSupport::queryValue("select Description is null from accounts where AccountNo = '10900'").toInt(), 0);
    // Ready for the next account: the description cleared, the rest kept.
    QCOMPARE(editor.findChild<QLineEdit *>("txtAccount")->text(), QString());
    QCOMPARE(editor.findChild<QSpinBox *>("txtAccountNo")->value(), 10900);
}

void tst_accounts::saveAndCloseStaysOpenAfterAFailure_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("chooseCurrency");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // the start of the one box; empty: saved and closed
    QTest::newRow("saved") << "" << true << "10900" << "Petty Cash" << "";
    QTest::newRow("no currency, said untranslated") << "" << false << "10900" << "Petty Cash" << "Select currency";
    QTest::newRow("duplicate number")
        << "" << true << "10100" << "Petty Cash" << "[frmAccounts] This account number / description is already taken";
    QTest::newRow("duplicate description")
        << "" << true << "10900" << "Safe" << "[frmAccounts] This account number / description is already taken";
    QTest::newRow("other failure with its number and text")
        << "create trigger refuse_insert before insert on accounts for each row "
           "signal sqlstate '45000' set message_text = 'insert refused'"
        << true << "10900" << "Petty Cash" << msgInsertFailed + "1644\ninsert refused";
}

void tst_accounts::saveAndCloseStaysOpenAfterAFailure()
{
    QFETCH(QString, fixture);
    QFETCH(bool, chooseCurrency);
    QFETCH(QString, number);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    QCoreApplication::installTranslator(&marking);
    const int before = accountCount();
    frmAccounts editor(nullptr, 0);
    editor.show();
    if (chooseCurrency)
        choose(combo(&editor, "cmbCurrency"), "EGP - Egyptian Pound");
    typeNumber(&editor, number);
    typeDescription(&editor, typed);

    click(&editor, "btnSaveAndClose");

    if (message.isEmpty()) {
        QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
        QVERIFY(!editor.isVisible());
        QCOMPARE(accountCount(), before + 1);
        return;
    }
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith(message), qPrintable(messageLog()));
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.findChild<QLineEdit *>("txtAccount")->text(), typed);
    QCOMPARE(accountCount(), before);
}

void tst_accounts::addNewCurrencySelectsTheNewOne()
{
    frmAccounts editor(nullptr, 0);
    TestSupport::whenModal([](QWidget *currencyEditor) {
        QTest::keyClicks(currencyEditor->findChild<QLineEdit *>("txtCurrency"), "Kuwaiti Dinar");
        QTest::keyClicks(currencyEditor->findChild<QLineEdit *>("txtSymbol"), "KD");
        click(currencyEditor, "btnSaveAndClose");
    });

    choose(combo(&editor, "cmbCurrency"), "<Add New>");

    QCOMPARE(combo(&editor, "cmbCurrency")->currentText(), QString("KD - Kuwaiti Dinar"));
    typeNumber(&editor, "10900");
    typeDescription(&editor, "Kuwait Bank");
    click(&editor, "btnSave");
    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
    QCOMPARE(TestSupport::queryValue("select Currency from accounts join currencies using (CurrencyId) "
                                     "where AccountNo = '10900'").toString(),
             QString("Kuwaiti Dinar"));
}

// The newest currency is another one: closing the editor unsaved must not choose it.
void tst_accounts::addNewCurrencyClosedUnsavedChoosesNone()
{
    EXEC_SQL("INSERT INTO currencies (Currency, CurrencySymbol, IsDefault) VALUES ('Kuwaiti Dinar', 'KD', 0)");
    frmAccounts editor(nullptr, 0);
    TestSupport::whenModal([](QWidget *currencyEditor) { static_cast<QDialog *>(currencyEditor)->reject(); });

    choose(combo(&editor, "cmbCurrency"), "<Add New>");

    QCOMPARE(combo(&editor, "cmbCurrency")->currentIndex(), -1);
    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(messageLog()));
}

ZARPO_TEST_MAIN(tst_accounts)
#include "tst_accounts.moc"
