#ifndef CDBMANINPULATION_H
#define CDBMANINPULATION_H

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// Backup and restore of the open company's database (dbHost, dbPort, dbUser, dbPassword,
// dbName) through the MariaDB client tools. The password reaches the tools through their
// environment, never their command line, where any user of the machine could read it.
// Every failure is shown in a message box; success is silent.
class cDbManinpulation : public QObject
{
    Q_OBJECT

public:
    explicit cDbManinpulation(QObject *parent = nullptr);

    // Writes the database to `fileName` and waits for the dump to end. Any file of that
    // name is replaced only by a complete dump: on failure it stays as it was. False on
    // failure, after the message box (parented to `messageParent`).
    bool backupDatabase(const QString &fileName, QWidget *messageParent = nullptr);

    // Replaces the open company's data with the backup in `fileName`. The file must be a
    // complete dump of one database, and the user confirms, seeing the database it was
    // made of. The company's data is first saved to a safety backup; a restore that
    // fails puts it back, so the company is never left half restored. The default
    // connection is closed meanwhile and opened again afterwards, whatever the outcome.
    // False when nothing was restored, after the message box (none when the user said No).
    bool restoreDatabase(const QString &fileName, QWidget *messageParent = nullptr);

    // The main window's Backup and Restore commands: ask for the file, then back up or
    // restore. A cancelled dialog does nothing.
    static void backupCommand(QWidget *mainWindow);
    static void restoreCommand(QWidget *mainWindow);

    // The automatic backup made when the main window closes: written into the folder that
    // Backup/Path of Config.xml names, when it names one. True when a backup was written.
    static bool runAutomaticBackup(const QDateTime &now = QDateTime::currentDateTime());
    static QString automaticBackupFileName(const QString &folder, const QString &database, const QDateTime &time);

    // The first of `names` found as a program in mysql/bin beside Zarpo (also with ".exe"),
    // else the first found on the PATH; empty when none is.
    static QString findTool(const QStringList &names);

private:
    // Backs up the open company to `fileName` as backupDatabase does; why it failed, or
    // empty text on success.
    static QString writeDump(const QString &fileName);
};

#endif // CDBMANINPULATION_H
