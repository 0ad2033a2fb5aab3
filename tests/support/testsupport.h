#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "core/system/messages.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QTranslator>
#include <QtTest>

#include <functional>

// The harness every test links: a private program folder, a connection to the private
// test server that ctest starts, a fresh company database made from the real schema
// script, a recorder for message boxes, and a driver for modal dialogs.
namespace TestSupport {

// Called once by ZARPO_TEST_MAIN before the test object runs.
void initTestProgram();
void cleanupTestProgram();

// The program folder of this test process (an empty temporary folder) and the
// settings file in it.
QString programFolder();
QString settingsPath();

// The test server as ctest started it.
QString serverHost();
int serverPort();
QString serverPassword();

// Registers the default connection to the test server with no database chosen.
QSqlDatabase connectToServer();

// Drops the company database this process made last, creates a new one from the schema
// script with the program's own helper, points the default connection and the
// connection settings at it, and returns its name.
QString freshCompany();

// A name no other test process uses, for databases a test creates itself.
QString uniqueDatabaseName(const QString &stem);
void dropDatabase(const QString &name);

// Writes a settings file that lists the current company alone, so that a login dialog
// offers it and logs in to it.
void writeCompanySettings();

// Runs a statement on the default connection; fails the test on error.
#define EXEC_SQL(sql) QVERIFY2(TestSupport::execSql(sql), qPrintable(TestSupport::lastSqlError()))
bool execSql(const QString &sql);
// The same on a session of its own to the current company, as another user's program or
// an administrator would run it: the default connection stays as the program left it.
#define EXEC_SQL_ON_SECOND_CONNECTION(sql) \
    QVERIFY2(TestSupport::execSqlOnSecondConnection(sql), qPrintable(TestSupport::lastSqlError()))
bool execSqlOnSecondConnection(const QString &sql);
QString lastSqlError();

// A second user's session on the current company, as another program would hold it:
// opened at its first use, and moved to each fresh company. What it commits, the
// windows of the test find stored.
QSqlDatabase otherUser();
// Runs a statement in that session; fails the test on error.
#define EXEC_AS_OTHER_USER(sql) QVERIFY2(TestSupport::execAsOtherUser(sql), qPrintable(TestSupport::lastSqlError()))
bool execAsOtherUser(const QString &sql);
// The first column of the first row, or an invalid QVariant.
QVariant queryValue(const QString &sql);
// Every row that `sql` reads, its columns "a|b|NULL", the rows " / " apart: what a table
// holds, to show that nothing of it moved.
QString queryRows(const QString &sql);

struct Message
{
    Messages::Kind kind;
    QString title;
    QString text;
};

// Every message box the program shows is recorded here instead of being shown.
// Unless a test queues an answer, a box is answered with Ok, or No for a question.
class MessageRecorder
{
public:
    static QList<Message> &messages();
    static void clear();
    static void answerNext(QMessageBox::StandardButton button);
    static Message last();
};

// The recorded boxes as one text, "kind: text | kind: text", for comparisons that show
// every box when they fail; messageEntry gives one box in that form.
QString messageLog();
QString messageEntry(Messages::Kind kind, const QString &text);

// One check of a form: the widget `object` of `window` (the window itself when empty) is
// a `kind` and its `property` has `value`. Besides Qt properties, "next" is the next
// widget in the tab chain, "items" a combo's entries, "headers" a table's column headers
// and "visibleColumns" the numbers of its shown columns, each joined by ",". An empty
// property checks the kind alone. Returns what differs; empty when all is as expected.
QString checkForm(QWidget *window, const QString &object, const QString &kind, const QString &property,
                  const QVariant &value);

// Runs `action` on the next modal widget that opens (a dialog started with exec()).
void whenModal(const std::function<void(QWidget *modal)> &action, int timeoutMs = 10000);

// Marks every text that goes through translation ("[context] source"), so that a test
// sees which texts do and under which context. Install it before the window is built.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
};

// While it lives, and when `arabic`, the interface is Arabic as the start-up makes it: the
// program's compiled translations installed and rightToLeft set. English again after.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(bool arabic);
    ~InterfaceLanguage();
    // False when Arabic was asked for and its translations could not be read.
    bool ready() const { return loaded; }

private:
    QTranslator translator;
    bool loaded = true;
};

} // namespace TestSupport

#define ZARPO_TEST_MAIN(TestObject)                     \
    int main(int argc, char *argv[])                    \
    {                                                   \
        QApplication app(argc, argv);                   \
        TestSupport::initTestProgram();                 \
        int result;                                     \
        {                                               \
            TestObject tc;                              \
            QTEST_SET_MAIN_SOURCE_PATH                  \
            result = QTest::qExec(&tc, argc, argv);     \
        }                                               \
        TestSupport::cleanupTestProgram();              \
        return result;                                  \
    }

#endif // TESTSUPPORT_H
