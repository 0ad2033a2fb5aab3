#include "core/system/cXml.h"
#include "app/frmAddCompany.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using TestSupport::MessageRecorder;

namespace {
QStringList companyDatabases()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    return xml.getAttributes("Company", "Database");
}

void writeSettings(const QByteArray &bytes)
{
    QFile file(TestSupport::settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int databaseCount(const QString &name)
{
    return TestSupport::queryValue(
               QString("select count(*) from information_schema.schemata where schema_name = '%1'").arg(name))
        .toInt();
}
}

class tst_addcompany : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newNameCreatesAUsableDatabase();
    void existingUnlistedNameIsRefusedAndUntouched();
    void listedDatabaseIsAttachedWithoutCreating();
    void failedCreationSavesNothing();
    void connectionTestListsDatabases();
    void failedConnectionTestIsReported();
    void editMovesTheEntryToTheEnd();
    void editShowsDefaultsForMissingAttributes();
    void editFindsTheEntryByItsPosition();
    void entryChangedMeanwhileIsNotOverwritten();
    void twoDialogsAddingInTurnKeepBothEntries();
    void unusableNamesAreRefused_data();
    void unusableNamesAreRefused();

private:
    void fillServerFields(QWidget *dialog, const QString &password = TestSupport::serverPassword());
    void click(QWidget *dialog, const char *button);
    QComboBox *databases(QWidget *dialog) { return dialog->findChild<QComboBox *>("cmbDatabases"); }

    QStringList madeDatabases;
};

void tst_addcompany::initTestCase()
{
    TestSupport::connectToServer();
}

void tst_addcompany::init()
{
    QFile::remove(TestSupport::settingsPath());
    MessageRecorder::clear();
}

void tst_addcompany::cleanup()
{
    TestSupport::connectToServer();
    for (const QString &name : madeDatabases)
        TestSupport::dropDatabase(name);
    madeDatabases.clear();
}

void tst_addcompany::fillServerFields(QWidget *dialog, const QString &password)
{
    dialog->findChild<QLineEdit *>("txtServer")->setText(TestSupport::serverHost());
    dialog->findChild<QLineEdit *>("txtPort")->setText(QString::number(TestSupport::serverPort()));
    dialog->findChild<QLineEdit *>("txtServerUsername")->setText("root");
    dialog->findChild<QLineEdit *>("txtServerPassword")->setText(password);
}

void tst_addcompany::click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
}

void tst_addcompany::newNameCreatesAUsableDatabase()
{
    const QString name = TestSupport::uniqueDatabaseName("ztnew");
    madeDatabases << name;
    frmAddCompany dialog;
    fillServerFields(&dialog);
    databases(&dialog)->setEditText(name);

    click(&dialog, "btnSave");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(MessageRecorder::messages().isEmpty());
    QCOMPARE(companyDatabases(), QStringList{name});
    cXml xml(cXml::programSettingsPath());
    xml.load();
    const QDomElement entry = xml.getElement("Company", "Database", name);
    QCOMPARE(entry.attribute("Server"), TestSupport::serverHost());
    QCOMPARE(entry.attribute("ServerPort"), QString::number(TestSupport::serverPort()));
    QCOMPARE(entry.attribute("ServerPassword"), TestSupport::serverPassword());
    QCOMPARE(TestSupport::queryValue(
                 QString("select count(*) from information_schema.tables where table_schema = '%1'").arg(name)).toInt(),
             41 + 25);
}

void tst_addcompany::existingUnlistedNameIsRefusedAndUntouched()
{
    const QString name = TestSupport::uniqueDatabaseName("ztold");
    madeDatabases << name;
    EXEC_SQL("create database " + name);
    EXEC_SQL("create table " + name + ".ledger (x int)");
    EXEC_SQL("insert into " + name + ".ledger values (7)");
    frmAddCompany dialog;
    fillServerFields(&dialog);
    databases(&dialog)->setEditText(name);

    click(&dialog, "btnSave");

    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(MessageRecorder::last().text.startsWith("Create database failed:\n"), qPrintable(MessageRecorder::last().text));
    QVERIFY(companyDatabases().isEmpty());
    QCOMPARE(TestSupport::queryValue("select x from " + name + ".ledger").toInt(), 7);
    QCOMPARE(TestSupport::queryValue(
                 QString("select count(*) from information_schema.tables where table_schema = '%1'").arg(name)).toInt(),
             1);
}

void tst_addcompany::listedDatabaseIsAttachedWithoutCreating()
{
    const QString name = TestSupport::uniqueDatabaseName("ztlisted");
    madeDatabases << name;
    EXEC_SQL("create database " + name);
    frmAddCompany dialog;
    fillServerFields(&dialog);
    click(&dialog, "btnTestConnection");
    const int index = databases(&dialog)->findText(name);
    QVERIFY(index >= 0);
    databases(&dialog)->setCurrentIndex(index);
    MessageRecorder::clear();

    click(&dialog, "btnSave");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(MessageRecorder::messages().isEmpty());
    QCOMPARE(companyDatabases(), QStringList{name});
    TestSupport::connectToServer();
    QCOMPARE(TestSupport::queryValue(
                 QString("select count(*) from information_schema.tables where table_schema = '%1'").arg(name)).toInt(),
             0);
}

void tst_addcompany::failedCreationSavesNothing()
{
    const QString name = TestSupport::uniqueDatabaseName("ztdenied");
    frmAddCompany dialog;
    fillServerFields(&dialog, "wrong password");
    databases(&dialog)->setEditText(name);

    click(&dialog, "btnSave");

    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(MessageRecorder::messages().size(), 1);
    QVERIFY(MessageRecorder::last().text.startsWith("Create database failed:\n"));
    QVERIFY2(MessageRecorder::last().text.contains("Access denied"), qPrintable(MessageRecorder::last().text));
    QVERIFY(companyDatabases().isEmpty());
    QCOMPARE(databaseCount(name), 0);
}

void tst_addcompany::connectionTestListsDatabases()
{
    const QString name = TestSupport::uniqueDatabaseName("ztShown");
    madeDatabases << name;
    EXEC_SQL("create database " + name);
    frmAddCompany dialog;
    fillServerFields(&dialog);

    click(&dialog, "btnTestConnection");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Information);
    QCOMPARE(MessageRecorder::last().text, QString("Connection to host succeeded"));
    QStringList listed;
    for (int i = 0; i < databases(&dialog)->count(); ++i) {
        listed << databases(&dialog)->itemText(i);
        QCOMPARE(databases(&dialog)->itemData(i).toString(), databases(&dialog)->itemText(i));
    }
    QVERIFY(listed.contains(name.toLower())); // the server keeps names in lower case
    for (const char *system : {"information_schema", "performance_schema", "mysql", "test"})
        QVERIFY2(!listed.contains(system, Qt::CaseInsensitive), system);
}

void tst_addcompany::failedConnectionTestIsReported()
{
    frmAddCompany dialog;
    fillServerFields(&dialog, "wrong password");

    click(&dialog, "btnTestConnection");

    QCOMPARE(MessageRecorder::messages().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QVERIFY(MessageRecorder::last().text.startsWith("Incorrect connection paramters for the following error:\n"));
    QCOMPARE(databases(&dialog)->count(), 0);
}

void tst_addcompany::editMovesTheEntryToTheEnd()
{
    writeSettings("<AccountingConf>\n"
                  " <Company Server=\"h1\" ServerPort=\"3306\" ServerUsername=\"root\" ServerPassword=\"p\" Database=\"first\"/>\n"
                  " <Company Server=\"h2\" ServerPort=\"3306\" ServerUsername=\"root\" ServerPassword=\"p\" Database=\"second\"/>\n"
                  "</AccountingConf>\n");
    frmAddCompany dialog;
    dialog.loadCompany(0);
    dialog.findChild<QLineEdit *>("txtServer")->setText("changed");

    click(&dialog, "btnSave");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(companyDatabases(), (QStringList{"second", "first"}));
    cXml xml(cXml::programSettingsPath());
    xml.load();
    QCOMPARE(xml.getElement("Company", "Database", "first").attribute("Server"), QString("changed"));
}

void tst_addcompany::editShowsDefaultsForMissingAttributes()
{
    writeSettings("<AccountingConf><Company Database=\"bare\"/></AccountingConf>");
    frmAddCompany dialog;
    dialog.loadCompany(0);

    QCOMPARE(dialog.findChild<QLineEdit *>("txtServer")->text(), QString("localhost"));
    QCOMPARE(dialog.findChild<QLineEdit *>("txtPort")->text(), QString("3306"));
    QCOMPARE(dialog.findChild<QLineEdit *>("txtServerUsername")->text(), QString("root"));
    QCOMPARE(databases(&dialog)->currentText(), QString("bare"));
    QCOMPARE(databases(&dialog)->count(), 1);
}

void tst_addcompany::editFindsTheEntryByItsPosition()
{
    writeSettings("<AccountingConf>\n"
                  " <Company Server=\"h1\" ServerPort=\"3306\" ServerUsername=\"root\" ServerPassword=\"p1\" Database=\"shop\"/>\n"
                  " <Company Server=\"h2\" ServerPort=\"3307\" ServerUsername=\"root\" ServerPassword=\"p2\" Database=\"shop\"/>\n"
                  "</AccountingConf>\n");
    frmAddCompany dialog;
    dialog.loadCompany(1);
    QCOMPARE(dialog.findChild<QLineEdit *>("txtServer")->text(), QString("h2"));
    QCOMPARE(dialog.findChild<QLineEdit *>("txtPort")->text(), QString("3307"));
    dialog.findChild<QLineEdit *>("txtServerPassword")->setText("changed");

    click(&dialog, "btnSave");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    cXml xml(cXml::programSettingsPath());
    xml.load();
    QCOMPARE(xml.getAttributes("Company", "Server"), (QStringList{"h1", "h2"}));
    QCOMPARE(xml.getAttributes("Company", "ServerPassword"), (QStringList{"p1", "changed"}));
}

void tst_addcompany::entryChangedMeanwhileIsNotOverwritten()
{
    writeSettings("<AccountingConf>\n"
                  " <Company Server=\"h1\" ServerPort=\"3306\" ServerUsername=\"root\" ServerPassword=\"p\" Database=\"first\"/>\n"
                  " <Company Server=\"h2\" ServerPort=\"3306\" ServerUsername=\"root\" ServerPassword=\"p\" Database=\"second\"/>\n"
                  "</AccountingConf>\n");
    frmAddCompany dialog;
    dialog.loadCompany(0);
    dialog.findChild<QLineEdit *>("txtServer")->setText("changed");
    cXml other(cXml::programSettingsPath());
    QVERIFY(other.removeElementAt("Company", 0)); // another window removes it meanwhile

    click(&dialog, "btnSave");

    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(TestSupport::messageLog(),
             TestSupport::messageEntry(Messages::Warning, frmAddCompany::entryChangedMeanwhileText()));
    cXml xml(cXml::programSettingsPath());
    xml.load();
    QCOMPARE(xml.getAttributes("Company", "Server"), QStringList{"h2"});
}

// Each dialog loads the file when it opens; the second used to write its old copy whole.
void tst_addcompany::twoDialogsAddingInTurnKeepBothEntries()
{
    frmAddCompany first;
    frmAddCompany second;
    for (frmAddCompany *dialog : {&first, &second}) {
        const QString name = dialog == &first ? "first" : "second";
        fillServerFields(dialog);
        databases(dialog)->addItem(name); // typed and confirmed with Return: attached, not created
        databases(dialog)->setCurrentIndex(databases(dialog)->count() - 1);

        click(dialog, "btnSave");

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QFile::permissions(TestSupport::settingsPath()) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);
    }
    QVERIFY(MessageRecorder::messages().isEmpty());
    QCOMPARE(companyDatabases(), (QStringList{"first", "second"}));
    cXml xml(cXml::programSettingsPath());
    xml.load();
    QCOMPARE(xml.getAttributes("Company", "ServerPassword"),
             (QStringList{TestSupport::serverPassword(), TestSupport::serverPassword()}));
}

void tst_addcompany::unusableNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty") << "" << "The database name is empty.";
    QTest::newRow("only blanks") << "   " << "The database name is empty.";
    QTest::newRow("a leading blank") << " shop" << "The database name may not begin or end with a blank.";
    QTest::newRow("a trailing blank") << "shop " << "The database name may not begin or end with a blank.";
    QTest::newRow("a tab") << "my\tshop"
                           << "The database name may not hold a line break, a tab or another control character.";
    QTest::newRow("65 characters") << QString(65, 'x') << "The database name may be at most 64 characters long.";
}

void tst_addcompany::unusableNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, said);
    frmAddCompany dialog;
    fillServerFields(&dialog);
    databases(&dialog)->setEditText(name);

    click(&dialog, "btnSave");

    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(TestSupport::messageLog(), TestSupport::messageEntry(Messages::Critical, "Create database failed:\n" + said));
    QVERIFY(companyDatabases().isEmpty());
    QCOMPARE(databaseCount(name), 0);
}

ZARPO_TEST_MAIN(tst_addcompany)
#include "tst_addcompany.moc"
