#include "tests/support/testsupport.h"

#include "core/db/companydb.h"
#include "core/db/connection.h"
#include "core/system/globals.h"
#include "core/system/resources.h"
#include "core/system/seams.h"
#include "core/widgets/direction.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace TestSupport {

namespace {
// The connection of otherUser().
const QString otherUserConnection = QStringLiteral("second user");
std::unique_ptr<QTemporaryDir> folder;
QString currentCompany;
QString sqlError;
int databaseCounter = 0;
QList<QMessageBox::StandardButton> answers;

QString serverDir()
{
    const QString dir = qEnvironmentVariable("ZARPO_TEST_SERVER_DIR");
    if (dir.isEmpty())
        qFatal("ZARPO_TEST_SERVER_DIR is not set: run the tests through ctest");
    return dir;
}
}

void initTestProgram()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0 Beta"));
    initZarpoResources();
    // Windows are drawn and aligned as the program's start-up sets them up.
    Direction::applyToApplication();
    folder = std::make_unique<QTemporaryDir>();
    setProgramDir(folder->path());
    Messages::setResponder([](Messages::Kind kind, QWidget *, const QString &title, const QString &text,
                              QMessageBox::StandardButtons buttons) {
        MessageRecorder::messages().append(Message{kind, title, text});
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (buttons & QMessageBox::Ok)
            return QMessageBox::Ok;
        if (buttons & QMessageBox::No)
            return QMessageBox::No;
        return QMessageBox::NoButton;
    });
}

void cleanupTestProgram()
{
    if (QSqlDatabase::contains(otherUserConnection)) {
        QSqlDatabase::database(otherUserConnection, false).close();
        QSqlDatabase::removeDatabase(otherUserConnection);
    }
    if (!currentCompany.isEmpty() && QSqlDatabase::database().isOpen())
        dropDatabase(currentCompany);
    currentCompany.clear();
    folder.reset();
}

QString programFolder()
{
    return folder->path();
}

QString settingsPath()
{
    return QDir(programFolder()).filePath(QStringLiteral("Config.xml"));
}

QString serverHost()
{
    return QStringLiteral("127.0.0.1");
}

int serverPort()
{
    QFile file(QDir(serverDir()).filePath(QStringLiteral("port")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The test server's port file is missing: did the server fixture start?");
    return file.readAll().trimmed().toInt();
}

QString serverPassword()
{
    return qEnvironmentVariable("ZARPO_TEST_SERVER_PASSWORD");
}

QSqlDatabase connectToServer()
{
    QSqlDatabase db = openDefaultConnection(serverHost(), serverPort(), QStringLiteral("root"), serverPassword(),
                                            QString());
    if (!db.isOpen())
        qFatal("Cannot connect to the test server: %s", qPrintable(db.lastError().text()));
    return db;
}

QString uniqueDatabaseName(const QString &stem)
{
    return QStringLiteral("%1_%2_%3").arg(stem).arg(QCoreApplication::applicationPid()).arg(++databaseCounter);
}

void dropDatabase(const QString &name)
{
    QSqlQuery(QSqlDatabase::database()).exec(QStringLiteral("Drop database if exists ") + quotedIdentifier(name));
}

QString freshCompany()
{
    QSqlDatabase db = connectToServer();
    if (!currentCompany.isEmpty())
        dropDatabase(currentCompany);
    currentCompany = uniqueDatabaseName(QStringLiteral("zt"));
    ScriptFailure failure;
    if (!createCompanyDatabase(db, currentCompany, &failure))
        qFatal("Cannot create a company database: statement %d: %s", failure.statementNumber,
               qPrintable(failure.error));
    db.close();
    db.setDatabaseName(currentCompany);
    if (!db.open())
        qFatal("Cannot open the company database: %s", qPrintable(db.lastError().text()));
    QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));

    dbHost = serverHost();
    dbPort = serverPort();
    dbUser = QStringLiteral("root");
    dbPassword = serverPassword();
    dbName = currentCompany;
    return currentCompany;
}

void writeCompanySettings()
{
    QFile settings(settingsPath());
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("Cannot write the test's settings file");
    settings.write(QStringLiteral("<AccountingConf>\n <Company Server=\"%1\" ServerPort=\"%2\" ServerUsername=\"root\" "
                                  "ServerPassword=\"%3\" Database=\"%4\"/>\n</AccountingConf>\n")
                       .arg(serverHost())
                       .arg(serverPort())
                       .arg(serverPassword(), dbName)
                       .toUtf8());
}

bool execSql(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    if (query.exec(sql))
        return true;
    sqlError = query.lastError().text() + QStringLiteral(" in: ") + sql;
    return false;
}

bool execSqlOnSecondConnection(const QString &sql)
{
    const QString name = QStringLiteral("second connection");
    bool ran;
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), name);
        ran = db.open();
        QSqlError error = db.lastError();
        if (ran) {
            QSqlQuery query(db);
            ran = query.exec(sql);
            error = query.lastError();
        }
        if (!ran)
            sqlError = error.text() + QStringLiteral(" in: ") + sql;
    }
    QSqlDatabase::removeDatabase(name);
    return ran;
}

QString lastSqlError()
{
    return sqlError;
}

QSqlDatabase otherUser()
{
    QSqlDatabase db = QSqlDatabase::contains(otherUserConnection)
                          ? QSqlDatabase::database(otherUserConnection, false)
                          : QSqlDatabase::cloneDatabase(QSqlDatabase::database(), otherUserConnection);
    if (!db.isOpen() || db.databaseName() != currentCompany) {
        db.close();
        db.setDatabaseName(currentCompany);
        if (!db.open())
            qFatal("Cannot open the second user's session: %s", qPrintable(db.lastError().text()));
        QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));
    }
    return db;
}

bool execAsOtherUser(const QString &sql)
{
    QSqlQuery query(otherUser());
    if (query.exec(sql))
        return true;
    sqlError = query.lastError().text() + QStringLiteral(" in: ") + sql;
    return false;
}

QVariant queryValue(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    if (query.exec(sql) && query.next())
        return query.value(0);
    return QVariant();
}

QString queryRows(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database());
    query.exec(sql);
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int column = 0; column < query.record().count(); ++column)
            values << (query.value(column).isNull() ? QStringLiteral("NULL") : query.value(column).toString());
        rows << values.join(QLatin1Char('|'));
    }
    return rows.join(QStringLiteral(" / "));
}

QList<Message> &MessageRecorder::messages()
{
    static QList<Message> list;
    return list;
}

void MessageRecorder::clear()
{
    messages().clear();
    answers.clear();
}

void MessageRecorder::answerNext(QMessageBox::StandardButton button)
{
    answers.append(button);
}

Message MessageRecorder::last()
{
    return messages().isEmpty() ? Message{Messages::Information, QString(), QString()} : messages().last();
}

QString messageEntry(Messages::Kind kind, const QString &text)
{
    return QString::number(kind) + QStringLiteral(": ") + text;
}

QString messageLog()
{
    QStringList log;
    for (const Message &message : MessageRecorder::messages())
        log << messageEntry(message.kind, message.text);
    return log.join(QStringLiteral(" | "));
}

QString checkForm(QWidget *window, const QString &object, const QString &kind, const QString &property,
                  const QVariant &value)
{
    QWidget *widget = object.isEmpty() ? window : window->findChild<QWidget *>(object);
    if (!widget)
        return QStringLiteral("no widget ") + object;
    if (!widget->inherits(qPrintable(kind)))
        return object + QStringLiteral(" is a ") + QLatin1String(widget->metaObject()->className());
    if (property.isEmpty())
        return QString();

    QVariant actual = widget->property(qPrintable(property));
    if (property == QLatin1String("next")) {
        actual = widget->nextInFocusChain()->objectName();
    } else if (property == QLatin1String("items")) {
        auto *box = static_cast<QComboBox *>(widget);
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        actual = texts.join(QLatin1Char(','));
    } else if (property == QLatin1String("headers") || property == QLatin1String("visibleColumns")) {
        auto *view = static_cast<QTableView *>(widget);
        QStringList texts;
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            if (property == QLatin1String("headers"))
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
            else if (!view->isColumnHidden(column))
                texts << QString::number(column);
        }
        actual = texts.join(QLatin1Char(','));
    }
    const bool same = value.type() == QVariant::Int ? actual.toInt() == value.toInt() : actual == value;
    if (same)
        return QString();
    return QStringLiteral("%1.%2 is %3, expected %4")
        .arg(object, property, actual.toString(), value.toString());
}

void whenModal(const std::function<void(QWidget *)> &action, int timeoutMs)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    auto *elapsed = new QElapsedTimer;
    elapsed->start();
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        const bool found = modal && modal != before.data();
        if (found || elapsed->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (found)
                action(modal);
            else
                qWarning("whenModal: no modal dialog opened within %d ms", timeoutMs);
        }
    });
    timer->start(10);
}

QString MarkingTranslator::translate(const char *context, const char *sourceText, const char *, int) const
{
    return QStringLiteral("[%1] %2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
}

InterfaceLanguage::InterfaceLanguage(bool arabic)
{
    if (!arabic)
        return;
    // Compiled at the top of the build tree, some folders above each test.
    QDir folder(QCoreApplication::applicationDirPath());
    while (!folder.exists(QStringLiteral("zarpo_ar.qm")) && folder.cdUp()) {
    }
    loaded = translator.load(folder.filePath(QStringLiteral("zarpo_ar.qm")));
    QCoreApplication::installTranslator(&translator);
    rightToLeft = true;
}

InterfaceLanguage::~InterfaceLanguage()
{
    rightToLeft = false;
    QCoreApplication::removeTranslator(&translator);
}

} // namespace TestSupport
