#include "app/cDbManinpulation.h"

#include "core/system/cXml.h"
#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/system/messages.h"
#include "core/system/seams.h"

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

// A file name as a message shows it: in the platform's form, kept left to right.
QString shownFileName(const QString &fileName)
{
    return Direction::leftToRight(QDir::toNativeSeparators(fileName));
}

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Set even when empty, so that a password the user keeps in the environment for
    // other work is not sent in its place.
    environment.insert(QStringLiteral("MYSQL_PWD"), dbPassword);
    return environment;
}

// The database name after "--", so that the tools read a name such as "-shop" or
// "--help" as a name, never as one of their options.
QStringList databaseArguments()
{
    return {QStringLiteral("--"), dbName};
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

struct DumpCheck
{
    QString database; // the database the dump was made of
    QString problem;  // why the file is no complete dump of one database; empty when it is
};

// A file the dump tools wrote whole begins with their header naming the database
// ("-- Host: ...    Database: NAME") and ends with their closing comment; a file cut
// short, copied half-way or written by anything else lacks one or the other.
DumpCheck checkDump(const QString &fileName)
{
    DumpCheck check;
    const QString shownName = shownFileName(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        check.problem = cDbManinpulation::tr("The file %1 cannot be read.").arg(shownName) + QLatin1Char('\n')
                        + file.errorString();
        return check;
    }
    if (file.size() == 0) {
        check.problem = cDbManinpulation::tr("The file %1 is empty.").arg(shownName);
        return check;
    }
    const QStringList head = QString::fromUtf8(file.read(4096)).split(QLatin1Char('\n'));
    int line = 0;
    // mariadb-dump begins with a line for its own client that older tools leave out.
    if (head.value(line).startsWith(QLatin1String("/*M!")))
        ++line;
    const QString title = head.value(line);
    if (!title.startsWith(QLatin1String("-- MariaDB dump ")) && !title.startsWith(QLatin1String("-- MySQL dump "))) {
        check.problem = cDbManinpulation::tr("The file %1 is not a backup made by the MariaDB or MySQL dump tool.")
                            .arg(shownName);
        return check;
    }
    const QLatin1String databaseLabel("    Database: ");
    for (int i = line + 1; i < head.size() && i < line + 6; ++i) {
        const QString text = head.at(i);
        const int at = text.indexOf(databaseLabel);
        if (text.startsWith(QLatin1String("-- Host: ")) && at >= 0) {
            check.database = text.mid(at + databaseLabel.size());
            break;
        }
    }
    // A dump of several databases or of all of them names none here, and would write
    // into other companies' databases.
    if (check.database.isEmpty()) {
        check.problem = cDbManinpulation::tr("The file %1 is not the backup of one company database.").arg(shownName);
        return check;
    }
    file.seek(qMax<qint64>(0, file.size() - 512));
    const QStringList tail = QString::fromUtf8(file.readAll()).trimmed().split(QLatin1Char('\n'));
    if (!tail.last().startsWith(QLatin1String("-- Dump completed"))) {
        check.problem = cDbManinpulation::tr("The file %1 is not complete: it ends before the end of the backup. "
                                             "It may have been cut short while it was written or copied.")
                            .arg(shownName);
    }
    return check;
}

// Where the data of the open company is kept while a restore replaces it.
QString safetyBackupFileName()
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                      + QStringLiteral("/safety backups"));
    folder.mkpath(QStringLiteral("."));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Only letters, digits, '_' and '-' of the database name reach the file name: a name
    // may hold a '/' or anything else a folder cannot.
    QString stem = dbName;
    for (QChar &c : stem)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return folder.filePath(stem + QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMddhhmmsszzz"))
                           + QStringLiteral(".sql"));
}

// Restores the script into the open company; the default connection is closed by the caller.
Processes::Result runClient(const QString &tool, const QString &fileName)
{
    Processes::Request request;
    request.program = tool;
    request.arguments = connectionArguments() + databaseArguments();
    request.environment = toolEnvironment();
    request.inputFile = fileName;
    return Processes::run(request);
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
    const QString problem = writeDump(fileName);
    if (problem.isEmpty())
        return true;
    Messages::critical(messageParent, msgCaption, tr("The backup was not made:") + QLatin1Char('\n') + problem);
    return false;
}

QString cDbManinpulation::writeDump(const QString &fileName)
{
    const QString tool = findTool({QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")});
    if (tool.isEmpty())
        return tr("The MariaDB dump tool (mariadb-dump or mysqldump) was not found in the folder mysql/bin "
                  "beside Zarpo or on the PATH.");

    // The dump goes to a new file beside the chosen one, which takes the chosen name only
    // once the dump is complete: a failed dump never leaves a truncated file that looks
    // like a backup, nor destroys an older backup of that name.
    const QString cannotWrite = tr("The file %1 cannot be written.").arg(shownFileName(fileName));
    QString partialName;
    {
        QTemporaryFile partial(fileName + QStringLiteral(".XXXXXX"));
        partial.setAutoRemove(false);
        if (!partial.open())
            return cannotWrite + QLatin1Char('\n') + partial.errorString();
        partialName = partial.fileName();
    }

    Processes::Request request;
    request.program = tool;
    // One transaction gives a consistent dump without locking the tables against the
    // other users of the company.
    request.arguments = connectionArguments() << QStringLiteral("--single-transaction") << QStringLiteral("--routines");
    request.arguments += databaseArguments();
    request.environment = toolEnvironment();
    request.outputFile = partialName;
    const Processes::Result result = Processes::run(request);
    if (!succeeded(result)) {
        QFile::remove(partialName);
        return toolProblem(tool, result);
    }
    // A tool that answers with anything but a dump (its help text, a message) must not
    // take the place of a backup either.
    if (!checkDump(partialName).problem.isEmpty()) {
        QFile::remove(partialName);
        return tr("What %1 wrote is not a complete backup.").arg(QFileInfo(tool).fileName());
    }

    QFile::remove(fileName);
    QFile complete(partialName);
    if (!complete.rename(fileName)) {
        const QString reason = complete.errorString();
        QFile::remove(partialName);
        return cannotWrite + QLatin1Char('\n') + reason;
    }
    return QString();
}

bool cDbManinpulation::restoreDatabase(const QString &fileName, QWidget *messageParent)
{
    const QString notRestored = tr("The backup was not restored:") + QLatin1Char('\n');
    const QString tool = findTool({QStringLiteral("mariadb"), QStringLiteral("mysql")});
    if (tool.isEmpty()) {
        Messages::critical(messageParent, msgCaption,
                           notRestored + tr("The MariaDB client tool (mariadb or mysql) was not found in the folder "
                                            "mysql/bin beside Zarpo or on the PATH."));
        return false;
    }
    const DumpCheck dump = checkDump(fileName);
    if (!dump.problem.isEmpty()) {
        Messages::critical(messageParent, msgCaption, notRestored + dump.problem);
        return false;
    }

    QString question = tr("The file %1 is a backup of the company database \"%2\".")
                           .arg(shownFileName(fileName), dump.database);
    if (dump.database != dbName)
        question += QLatin1Char('\n') + tr("It is not a backup of the open company \"%1\".").arg(dbName);
    question += QStringLiteral("\n\n")
                + tr("Restoring it replaces all the data of the open company \"%1\" with the data of the file. "
                     "Restore it?").arg(dbName);
    if (Messages::question(messageParent, msgCaption, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return false;

    // Before anything is written, so that a restore that fails half-way can be undone.
    const QString safety = safetyBackupFileName();
    const QString safetyProblem = writeDump(safety);
    if (!safetyProblem.isEmpty()) {
        Messages::critical(messageParent, msgCaption,
                           notRestored
                               + tr("The data of the open company could not be saved first, so nothing was changed.")
                               + QLatin1Char('\n') + safetyProblem);
        return false;
    }

    // While the script drops and recreates the tables, nothing of this program may hold
    // them or read them half replaced.
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    db.close();
    const Processes::Result result = runClient(tool, fileName);
    const bool restored = succeeded(result);
    bool putBack = true;
    QString failure;
    if (!restored) {
        failure = tr("The restore failed:") + QLatin1Char('\n') + toolProblem(tool, result) + QStringLiteral("\n\n");
        const Processes::Result again = runClient(tool, safety);
        putBack = succeeded(again);
        if (putBack)
            failure += tr("The company's data was put back as it was before the restore.");
        else
            failure += tr("Putting the company's data back failed too:") + QLatin1Char('\n')
                       + toolProblem(tool, again) + QStringLiteral("\n\n")
                       + tr("The company's data as it was before the restore is kept in the file %1. "
                            "Restore that file to put it back.")
                             .arg(shownFileName(safety));
    }
    // Kept only while it is the one copy of the company's data.
    if (putBack)
        QFile::remove(safety);
    // The same registered connection is opened again, so that the handles the open
    // windows hold stay valid; the server starts every new session in utf8mb3.
    const bool reopened = !db.isValid() || db.open();
    if (db.isOpen())
        QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));

    if (!restored)
        Messages::critical(messageParent, msgCaption, failure);
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
