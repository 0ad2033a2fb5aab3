#include "core/cDbManinpulation.h"

#include "core/cXml.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QStringList connectionArguments()
{
    // Host and port of the open company: without them the tools would reach whichever
    // server their own defaults name, not necessarily the company's. The character set
    // keeps Arabic text whole on its way through the file.
    return {QStringLiteral("--host=") + dbHost, QStringLiteral("--port=") + QString::number(dbPort),
            QStringLiteral("--user=") + dbUser, QStringLiteral("--default-character-set=utf8mb4")};
}

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Set even when empty, so that a password the user keeps in the environment for
    // other work is not sent in its place.
    environment.insert(QStringLiteral("MYSQL_PWD"), dbPassword);
    return environment;
}

bool succeeded(const Processes::Result &result)
{
    return result.started && !result.crashed && result.exitCode == 0;
}

// Why the tool failed, in its own words where it gave any.
QString toolProblem(const QString &tool, const Processes::Result &result)
{
    const QString name = QFileInfo(tool).fileName();
    if (!result.started)
        return cDbManinpulation::tr("%1 could not be started.").arg(name);
    const QString said = QString::fromLocal8Bit(result.errorOutput).trimmed();
    if (result.crashed)
        return cDbManinpulation::tr("%1 stopped unexpectedly.").arg(name) + QLatin1Char('\n') + said;
    if (!said.isEmpty())
        return said;
    return cDbManinpulation::tr("%1 ended with exit code %2.").arg(name).arg(result.exitCode);
}
}

cDbManinpulation::cDbManinpulation(QObject *parent)
    : QObject(parent)
{
}

QString cDbManinpulation::findTool(const QStringList &names)
{
    const QDir bundled(QDir(programDir()).filePath(QStringLiteral("mysql/bin")));
    for (const QString &name : names) {
        for (const QString &file : {name, name + QStringLiteral(".exe")}) {
            const QFileInfo info(bundled.filePath(file));
            if (info.isFile() && info.isExecutable())
                return info.absoluteFilePath();
        }
    }
    for (const QString &name : names) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

bool cDbManinpulation::backupDatabase(const QString &fileName, QWidget *messageParent)
{
    const QString tool = findTool({QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")});
    if (tool.isEmpty()) {
        Messages::critical(messageParent, msgCaption,
                           tr("The backup was not made: the MariaDB dump tool (mariadb-dump or mysqldump) "
                              "was not found in the folder mysql/bin beside Zarpo or on the PATH."));
        return false;
    }

    // The dump goes to a new file beside the chosen one, which takes the chosen name only
    // once the dump is complete: a failed dump never leaves a truncated file that looks
    // like a backup, nor destroys an older backup of that name.
    QString partialName;
    {
        QTemporaryFile partial(fileName + QStringLiteral(".XXXXXX"));
        partial.setAutoRemove(false);
        if (!partial.open()) {
            Messages::critical(messageParent, msgCaption,
                               tr("The backup was not made: the file %1 cannot be written.")
                                       .arg(QDir::toNativeSeparators(fileName))
                                   + QLatin1Char('\n') + partial.errorString());
            return false;
        }
        partialName = partial.fileName();
    }

    Processes::Request request;
    request.program = tool;
    // One transaction gives a consistent dump without locking the tables against the
    // other users of the company.
    request.arguments = connectionArguments()
                        << QStringLiteral("--single-transaction") << QStringLiteral("--routines") << dbName;
    request.environment = toolEnvironment();
    request.outputFile = partialName;
    const Processes::Result result = Processes::run(request);
    if (!succeeded(result)) {
        QFile::remove(partialName);
        Messages::critical(messageParent, msgCaption,
                           tr("The backup was not made:") + QLatin1Char('\n') + toolProblem(tool, result));
        return false;
    }

    QFile::remove(fileName);
    QFile complete(partialName);
    if (!complete.rename(fileName)) {
        const QString reason = complete.errorString();
        QFile::remove(partialName);
        Messages::critical(messageParent, msgCaption,
                           tr("The backup was not made: the file %1 cannot be written.")
                                   .arg(QDir::toNativeSeparators(fileName))
                               + QLatin1Char('\n') + reason);
        return false;
    }
    return true;
}

bool cDbManinpulation::restoreDatabase(const QString &fileName, QWidget *messageParent)
{
    const QString tool = findTool({QStringLiteral("mariadb"), QStringLiteral("mysql")});
    if (tool.isEmpty()) {
        Messages::critical(messageParent, msgCaption,
                           tr("The backup was not restored: the MariaDB client tool (mariadb or mysql) "
                              "was not found in the folder mysql/bin beside Zarpo or on the PATH."));
        return false;
    }
    QFile script(fileName);
    if (!script.open(QIODevice::ReadOnly)) {
        Messages::critical(messageParent, msgCaption,
                           tr("The backup was not restored: the file %1 cannot be read.")
                                   .arg(QDir::toNativeSeparators(fileName))
                               + QLatin1Char('\n') + script.errorString());
        return false;
    }
    script.close();

    Processes::Request request;
    request.program = tool;
    request.arguments = connectionArguments() << dbName;
    request.environment = toolEnvironment();
    request.inputFile = fileName;

    // While the script drops and recreates the tables, nothing of this program may hold
    // them or read them half replaced.
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    db.close();
    const Processes::Result result = Processes::run(request);
    // The same registered connection is opened again, so that the handles the open
    // windows hold stay valid; the server starts every new session in utf8mb3.
    const bool reopened = !db.isValid() || db.open();
    if (db.isOpen())
        QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));

    const bool restored = succeeded(result);
    if (!restored)
        Messages::critical(messageParent, msgCaption,
                           tr("The restore failed:") + QLatin1Char('\n') + toolProblem(tool, result));
    if (!reopened)
        Messages::critical(messageParent, msgCaption, db.lastError().text());
    return restored && reopened;
}

void cDbManinpulation::backupCommand(QWidget *mainWindow)
{
    const QString fileName = FileDialogs::getSaveFileName(
        mainWindow, QCoreApplication::translate("frmMainWindow", "Accounting Backup"), QString(), QString());
    if (fileName.isEmpty())
        return;
    cDbManinpulation manipulation;
    manipulation.backupDatabase(fileName, mainWindow);
}

void cDbManinpulation::restoreCommand(QWidget *mainWindow)
{
    const QString fileName = FileDialogs::getOpenFileName(
        mainWindow, QCoreApplication::translate("frmMainWindow", "Accounting Restore"), QString(), QString());
    if (fileName.isEmpty())
        return;
    cDbManinpulation manipulation;
    manipulation.restoreDatabase(fileName, mainWindow);
}

bool cDbManinpulation::runAutomaticBackup(const QDateTime &now)
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    const QStringList folders = xml.getAttributes(QStringLiteral("Backup"), QStringLiteral("Path"));
    if (folders.isEmpty() || folders.first().isEmpty())
        return false;
    cDbManinpulation manipulation;
    return manipulation.backupDatabase(automaticBackupFileName(folders.first(), dbName, now));
}

QString cDbManinpulation::automaticBackupFileName(const QString &folder, const QString &database,
                                                  const QDateTime &time)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + database
                                    + time.toString(QStringLiteral("yyyyMMddhhmmss")));
}
