#include "core/system/globals.h"
#include "partners/frmPersons.h"
#include "partners/frmPersonsView.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using TestSupport::MessageRecorder;
using TestSupport::messageEntry;
using TestSupport::messageLog;

namespace {
const QString unknownFields = "(Street1 is null) + (Street2 is null) + (City is null) + (Province is null) + "
                              "(PostalCode is null) + (Country is null) + (Phone1 is null) + (Phone2 is null) + "
                              "(Fax is null) + (EMail is null) + (Website is null)";

int personCount()
{
    return TestSupport::queryValue("select count(*) from persons").toInt();
}

QString newest(const QString &column)
{
    return TestSupport::queryValue("select " + column + " from persons order by PersonId desc limit 1").toString();
}
}

class tst_persons : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void saveNewCard_data();
    void saveNewCard();
    void saveAndCloseClosesOnlyAfterASave_data();
    void saveAndCloseClosesOnlyAfterASave();
    void editedCardIsSavedOnceThenANewOne();
    void completionIgnoresLetterCase_data();
    void completionIgnoresLetterCase();
    void listCommands_data();
    void listCommands();

private:
    bool formCompanyReady = false;
};

void tst_persons::init()
{
    MessageRecorder::clear();
    // The form rows only read, so one company serves them all.
    const bool formRow = QTest::currentTestFunction() == QLatin1String("form");
    if (formRow && formCompanyReady)
        return;
    TestSupport::freshCompany();
    formCompanyReady = formRow;
}

void tst_persons::cleanup()
{
    rightToLeft = false;
}

void tst_persons::form_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("object"); // empty: the window itself
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("editor title") << "editor" << false << "" << "QDialog" << "windowTitle"
                                  << QVariant("Contact Persons");
    QTest::newRow("editor size") << "editor" << false << "" << "QDialog" << "size" << QVariant(QSize(595, 240));
    QTest::newRow("editor left to right in English") << "editor" << false << "" << "QDialog" << "layoutDirection"
                                                     << QVariant(int(Qt::LeftToRight));
    QTest::newRow("editor right to left in Arabic") << "editor" << true << "" << "QDialog" << "layoutDirection"
                                                    << QVariant(int(Qt::RightToLeft));
    const QStringList fields{"txtName",    "txtStreet1", "txtStreet2", "txtCity",  "txtProvince", "txtPostalCode",
                             "txtCountry", "txtPhone1",  "txtPhone2",  "txtFax",   "txtEMail",    "txtWebsite"};
    for (const QString &field : fields)
        QTest::newRow(qPrintable(field + " as long as its column"))
            << "editor" << false << field << "QLineEdit" << "maxLength" << QVariant(45);
    QTest::newRow("Tab from the card reaches Save") << "editor" << false << "txtWebsite" << "QLineEdit" << "next"
                                                    << QVariant("btnSave");
    QTest::newRow("Tab from Save reaches New") << "editor" << false << "btnSave" << "QPushButton" << "next"
                                               << QVariant("btnNew");
    QTest::newRow("Save and Close") << "editor" << false << "btnSaveAndClose" << "QPushButton" << "text"
                                    << QVariant("Save and Close");
    QTest::newRow("list title") << "list" << false << "" << "QDialog" << "windowTitle" << QVariant("View Persons");
    QTest::newRow("list size") << "list" << false << "" << "QDialog" << "size" << QVariant(QSize(635, 413));
    QTest::newRow("list right to left in Arabic") << "list" << true << "" << "QDialog" << "layoutDirection"
                                                  << QVariant(int(Qt::RightToLeft));
    QTest::newRow("list selects whole rows") << "list" << false << "tblPersons" << "QTableView" << "selectionBehavior"
                                             << QVariant(int(QAbstractItemView::SelectRows));
    QTest::newRow("list dashed grid") << "list" << false << "tblPersons" << "QTableView" << "gridStyle"
                                      << QVariant(int(Qt::DashLine));
    for (const char *button : {"btnNew", "btnEdit", "btnDelete"})
        QTest::newRow(qPrintable(QString("list ") + button)) << "list" << false << button << "QPushButton" << ""
                                                             << QVariant();
}

void tst_persons::form()
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
        dialog = std::make_unique<frmPersons>(nullptr, 0);
    else
        dialog = std::make_unique<frmPersonsView>(nullptr);
    const QString problem = TestSupport::checkForm(dialog.get(), object, kind, property, value);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_persons::saveNewCard_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("stored");
    const QVariant null(QVariant::String);
    QTest::newRow("name stored as typed") << "txtName" << " Ann  Lee " << "PersonName" << QVariant(" Ann  Lee ");
    QTest::newRow("empty name stored as empty text") << "txtName" << "" << "PersonName" << QVariant("");
    QTest::newRow("Arabic name stored as typed") << "txtName" << "سارة أحمد" << "PersonName" << QVariant("سارة أحمد");
    QTest::newRow("empty city stored as NULL") << "txtCity" << "" << "City" << null;
    QTest::newRow("blank street stored as NULL") << "txtStreet1" << "   " << "Street1" << null;
    QTest::newRow("blank website stored as NULL") << "txtWebsite" << " " << "Website" << null;
    QTest::newRow("street kept with its blanks") << "txtStreet2" << " 5 Nile St " << "Street2" << QVariant(" 5 Nile St ");
    QTest::newRow("e-mail stored") << "txtEMail" << "sara@example.com" << "EMail" << QVariant("sara@example.com");
}

void tst_persons::saveNewCard()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, column);
    QFETCH(QVariant, stored);
    frmPersons editor(nullptr, 0);
    if (field != "txtName")
        QTest::keyClicks(edit(&editor, "txtName"), "Sara");
    type(edit(&editor, field), typed);

    click(&editor, "btnSave");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(personCount(), 2);
    const QVariant value = TestSupport::queryValue("select " + column + " from persons where PersonId > 1");
    QCOMPARE(value.isNull(), stored.isNull());
    QCOMPARE(value.toString(), stored.toString());
    // Every field left empty is unknown, not an empty text.
    const int unknown = field == "txtName" || stored.isNull() ? 11 : 10;
    QCOMPARE(TestSupport::queryValue("select " + unknownFields + " from persons where PersonId > 1").toInt(), unknown);
    for (QLineEdit *card : editor.findChildren<QLineEdit *>())
        QCOMPARE(card->text(), QString());
}

void tst_persons::saveAndCloseClosesOnlyAfterASave_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("closes");
    QTest::newRow("saved") << "" << true;
    QTest::newRow("server failure") << "create trigger refuse_person before insert on persons for each row "
                                       "signal sqlstate '45000' set message_text = 'person refused'"
                                    << false;
}

void tst_persons::saveAndCloseClosesOnlyAfterASave()
{
    QFETCH(QString, fixture);
    QFETCH(bool, closes);
    if (!fixture.isEmpty())
        EXEC_SQL(fixture);
    frmPersons editor(nullptr, 0);
    editor.show();
    QTest::keyClicks(edit(&editor, "txtName"), "Omar");
    QTest::keyClicks(edit(&editor, "txtCity"), "Giza");

    click(&editor, "btnSaveAndClose");

    QCOMPARE(editor.isVisible(), !closes);
    QCOMPARE(personCount(), closes ? 2 : 1);
    if (closes) {
        QCOMPARE(messageLog(), QString());
        return;
    }
    // The server's text follows the constant directly, as in the other partner editors.
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY2(messageLog().startsWith(messageEntry(Messages::Critical, msgInsertFailed + "\nperson refused")),
             qPrintable(messageLog()));
    QCOMPARE(edit(&editor, "txtName")->text(), QString("Omar"));
    QCOMPARE(edit(&editor, "txtCity")->text(), QString("Giza"));
}

void tst_persons::editedCardIsSavedOnceThenANewOne()
{
    EXEC_SQL("insert into persons (PersonId, PersonName, City, Phone1) values (7, 'Mona', 'Tanta', '555')");
    frmPersonsView list;
    chooseRow(&list, "Mona");
    TestSupport::whenModal([](QWidget *editor) {
        QCOMPARE(edit(editor, "txtName")->text(), QString("Mona"));
        QCOMPARE(edit(editor, "txtCity")->text(), QString("Tanta"));
        QCOMPARE(edit(editor, "txtPhone1")->text(), QString("555"));
        QCOMPARE(edit(editor, "txtStreet1")->text(), QString());
        edit(editor, "txtName")->setText("Mona Adel");
        edit(editor, "txtPhone1")->clear();
        click(editor, "btnSave");
        QCOMPARE(edit(editor, "txtName")->text(), QString());
        click(editor, "btnSave");
        static_cast<QDialog *>(editor)->reject();
    });

    click(&list, "btnEdit");

    QCOMPARE(messageLog(), QString());
    QCOMPARE(TestSupport::queryValue("select concat_ws('/', PersonName, City, ifnull(Phone1, 'NULL')) from persons "
                                     "where PersonId = 7").toString(),
             QString("Mona Adel/Tanta/NULL"));
    QCOMPARE(newest("concat('[', PersonName, ']')"), QString("[]"));
    QCOMPARE(table(&list)->model()->rowCount(), 3);
}

void tst_persons::completionIgnoresLetterCase_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("offered");
    QTest::newRow("city typed in lower case") << "txtCity" << "alex" << "Alexandria";
    QTest::newRow("city typed in upper case") << "txtCity" << "TAN" << "Tanta";
    QTest::newRow("province") << "txtProvince" << "gh" << "Gharbia";
    QTest::newRow("country") << "txtCountry" << "EG" << "Egypt";
}

void tst_persons::completionIgnoresLetterCase()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    EXEC_SQL("insert into persons (PersonName, City, Province, Country) values "
             "('A', 'Alexandria', 'Alexandria', 'Egypt'), ('B', 'Tanta', 'Gharbia', 'Egypt'), ('C', NULL, NULL, NULL)");
    frmPersons editor(nullptr, 0);
    editor.show();
    QLineEdit *line = edit(&editor, field);
    line->setFocus();

    QTest::keyClicks(line, typed);

    QCompleter *completer = line->completer();
    QVERIFY(completer);
    QCOMPARE(completer->completionCount(), 1);
    QCOMPARE(completer->currentCompletion(), offered);
}

void tst_persons::listCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("personsLeft");
    QTest::newRow("edit without a row") << "btnEdit" << "" << int(QMessageBox::NoButton)
                                        << QStringList{messageEntry(Messages::Information, msgSelectItemToEdit)} << 2;
    QTest::newRow("delete without a row") << "btnDelete" << "" << int(QMessageBox::NoButton)
                                          << QStringList{messageEntry(Messages::Information, msgSelectItemToDelete)} << 2;
    QTest::newRow("delete answered No") << "btnDelete" << "Mona" << int(QMessageBox::No)
                                        << QStringList{messageEntry(Messages::Question, msgDelete)} << 2;
    QTest::newRow("card of an employee refused")
        << "btnDelete" << "Default Person" << int(QMessageBox::Yes)
        << QStringList{messageEntry(Messages::Question, msgDelete), messageEntry(Messages::Critical, msgRecordReferenced)} << 2;
    QTest::newRow("unused card deleted") << "btnDelete" << "Mona" << int(QMessageBox::Yes)
                                         << QStringList{messageEntry(Messages::Question, msgDelete)} << 1;
}

void tst_persons::listCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, personsLeft);
    EXEC_SQL("insert into persons (PersonName) values ('Mona')");
    frmPersonsView list;
    QCOMPARE(table(&list)->model()->headerData(1, Qt::Horizontal).toString(), QString("Person name"));
    QCOMPARE(table(&list)->model()->headerData(10, Qt::Horizontal).toString(), QString("Fax 1"));
    QVERIFY(table(&list)->isColumnHidden(0));
    if (!chosen.isEmpty())
        chooseRow(&list, chosen);
    if (answer != QMessageBox::NoButton)
        MessageRecorder::answerNext(QMessageBox::StandardButton(answer));

    click(&list, qPrintable(button));

    QCOMPARE(messageLog(), messages.join(" | "));
    QCOMPARE(personCount(), personsLeft);
    QCOMPARE(table(&list)->model()->rowCount(), personsLeft);
}

ZARPO_TEST_MAIN(tst_persons)
#include "tst_persons.moc"
