#include "app/cDbManinpulation.h"
#include "core/db/companydb.h"
#include "core/system/globals.h"
#include "core/system/seams.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

using TestSupport::MessageRecorder;

namespace {
QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QString storedCompanyName()
{
    return TestSupport::queryValue("select CompanyName from companyinfo").toString();
}

// Every table of the open company with its CHECKSUM TABLE value, and the names of its
// views: equal only when the company's rows and tables are exactly as they were.
QString companyChecksum()
{
    QSqlQuery query(QSqlDatabase::database());
    query.exec("select table_name, table_type from information_schema.tables where table_schema = database() "
               "order by table_name");
    QStringList tables, views;
    while (query.next())
        (query.value(1).toString() == "VIEW" ? views : tables) << quotedIdentifier(query.value(0).toString());
    QStringList sums{views.join(',')};
    if (!tables.isEmpty() && query.exec("checksum table " + tables.join(", ")))
        while (query.next())
            sums << query.value(0).toString() + '=' + query.value(1).toString();
    return sums.join('\n');
}

QStringList criticalTexts()
{
    QStringList texts;
    for (const TestSupport::Message &message : MessageRecorder::messages())
        if (message.kind == Messages::Critical)
            texts << message.text;
    return texts;
}

QStringList questionTexts()
{
    QStringList texts;
    for (const TestSupport::Message &message : MessageRecorder::messages())
        if (message.kind == Messages::Question)
            texts << message.text;
    return texts;
}

QDir safetyBackupFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/safety backups");
}

QStringList safetyBackups()
{
    return safetyBackupFolder().entryList(QDir::Files);
}

// Points PATH at an empty folder while it lives, so that no tool is found there.
class EmptyPath
{
public:
    EmptyPath() : saved(qgetenv("PATH")) { qputenv("PATH", folder.path().toLocal8Bit()); }
    ~EmptyPath() { qputenv("PATH", saved); }

private:
    QTemporaryDir folder;
    QByteArray saved;
};
}

class tst_backup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripGivesBackTheCompany();
    void failureShowsWhyAndChangesNothing_data();
    void failureShowsWhyAndChangesNothing();
    void restoreNeverLeavesTheCompanyHalfRestored_data();
    void restoreNeverLeavesTheCompanyHalfRestored();
    void namesThatLookLikeOptionsAreBackedUp_data();
    void namesThatLookLikeOptionsAreBackedUp();
    void toolOutputThatIsNoDumpKeepsTheOlderBackup();
    void cancelledDialogDoesNothing_data();
    void cancelledDialogDoesNothing();
    void toolBesideTheProgramComesFirst_data();
    void toolBesideTheProgramComesFirst();
    void automaticBackupFileName_data();
    void automaticBackupFileName();
    void automaticBackupOnlyWithAFolder_data();
    void automaticBackupOnlyWithAFolder();

private:
    QString backupOfTheCompany();

    std::function<Processes::Result(const Processes::Request &)> realRun;
    FileDialogs::FileFn realSaveDialog;
    FileDialogs::FileFn realOpenDialog;
    QList<Processes::Request> requests;
    QTemporaryDir files;
    QString password;
};

void tst_backup::initTestCase()
{
    // Safety backups go to a folder of this process alone: test runs side by side on one
    // machine must not see each other's.
    qputenv("XDG_DATA_HOME", files.filePath("data").toLocal8Bit());
    safetyBackupFolder().removeRecursively();
    TestSupport::freshCompany();
    password = dbPassword;
    realRun = Processes::run;
    realSaveDialog = FileDialogs::getSaveFileName;
    realOpenDialog = FileDialogs::getOpenFileName;
    Processes::run = [this](const Processes::Request &request) {
        requests << request;
        return realRun(request);
    };
}

void tst_backup::init()
{
    MessageRecorder::clear();
    requests.clear();
    dbPassword = password;
    EXEC_SQL("update companyinfo set CompanyName = 'My Company'");
}

void tst_backup::cleanup()
{
    FileDialogs::getSaveFileName = realSaveDialog;
    FileDialogs::getOpenFileName = realOpenDialog;
    QDir(QDir(TestSupport::programFolder()).filePath("mysql")).removeRecursively();
    QFile::remove(TestSupport::settingsPath());
}

// A backup of the company as it is now, made through the real tools.
QString tst_backup::backupOfTheCompany()
{
    const QString path = files.filePath(QString("company-%1.sql").arg(QDateTime::currentMSecsSinceEpoch()));
    cDbManinpulation manipulation;
    if (!manipulation.backupDatabase(path))
        qWarning("backup failed: %s", qPrintable(MessageRecorder::last().text));
    requests.clear();
    return path;
}

void tst_backup::roundTripGivesBackTheCompany()
{
    EXEC_SQL("update companyinfo set CompanyName = 'شركة النور للتجارة', Address = 'القاهرة'");
    EXEC_SQL("insert into persons (PersonName, City) values ('أحمد علي', 'Alexandria'), ('O''Brien \\\\ Co', NULL)");
    EXEC_SQL("update employees set Image = unhex('00FF0D0A5C27E2') where EmployeeId = 1");
    const QVariant persons = TestSupport::queryValue("select count(*) from persons");
    const QVariant views = TestSupport::queryValue(
        "select count(*) from information_schema.views where table_schema = database()");

    const QString path = files.filePath("round trip"); // no extension, a blank in the name
    QStringList captions;
    FileDialogs::getSaveFileName = [&](QWidget *, const QString &caption, const QString &, const QString &) {
        captions << caption;
        return path;
    };
    cDbManinpulation::backupCommand(nullptr);

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QVERIFY(readFile(path).contains("CREATE TABLE `companyinfo`"));
    QCOMPARE(QDir(files.path()).entryList({"round trip*"}, QDir::Files), QStringList{"round trip"});

    EXEC_SQL("update companyinfo set CompanyName = 'Changed', Address = NULL");
    EXEC_SQL("delete from persons where PersonName = 'أحمد علي'");
    EXEC_SQL("insert into persons (PersonName) values ('Added after the backup')");
    EXEC_SQL("update employees set Image = NULL");

    FileDialogs::getOpenFileName = [&](QWidget *, const QString &caption, const QString &, const QString &) {
        captions << caption;
        return path;
    };
    MessageRecorder::answerNext(QMessageBox::Yes);
    cDbManinpulation::restoreCommand(nullptr);

    QCOMPARE(TestSupport::messageLog(),
             TestSupport::messageEntry(Messages::Question,
                                       QString("The file %1 is a backup of the company database \"%2\".\n\n"
                                               "Restoring it replaces all the data of the open company \"%2\" "
                                               "with the data of the file. Restore it?")
                                           .arg(QChar(0x2066) + QDir::toNativeSeparators(path) + QChar(0x2069),
                                                dbName)));
    QVERIFY(safetyBackups().isEmpty());
    QCOMPARE(captions, (QStringList{"Accounting Backup", "Accounting Restore"}));
    // Read through the reopened default connection, which must still speak utf8mb4.
    QVERIFY(QSqlDatabase::database().isOpen());
    QCOMPARE(TestSupport::queryValue("select @@character_set_client").toString(), QString("utf8mb4"));
    QCOMPARE(storedCompanyName(), QString("شركة النور للتجارة"));
    QCOMPARE(TestSupport::queryValue("select Address from companyinfo").toString(), QString("القاهرة"));
    QCOMPARE(TestSupport::queryValue("select City from persons where PersonName = 'أحمد علي'").toString(),
             QString("Alexandria"));
    QVERIFY(TestSupport::queryValue("select City from persons where PersonName = 'O''Brien \\\\ Co'").isNull());
    QCOMPARE(TestSupport::queryValue("select count(*) from persons"), persons);
    QCOMPARE(TestSupport::queryValue("select hex(Image) from employees where EmployeeId = 1").toString(),
             QString("00FF0D0A5C27E2"));
    QCOMPARE(TestSupport::queryValue(
                 "select count(*) from information_schema.views where table_schema = database()"), views);
    QVERIFY(TestSupport::queryValue("select count(*) from vw_customerstatementofaccount").isValid());

    // The backup, the safety backup and the restore reached the company's own server, the
    // password went by the environment, and the database name came after the options' end.
    QCOMPARE(requests.size(), 3);
    for (const Processes::Request &request : requests) {
        QVERIFY(request.arguments.contains("--host=" + TestSupport::serverHost()));
        QVERIFY(request.arguments.contains("--port=" + QString::number(TestSupport::serverPort())));
        QCOMPARE(request.arguments.mid(request.arguments.size() - 2), (QStringList{"--", dbName}));
        for (const QString &argument : request.arguments)
            QVERIFY2(!argument.contains(password), qPrintable(argument));
        QCOMPARE(request.environment.value("MYSQL_PWD"), password);
    }
}

void tst_backup::failureShowsWhyAndChangesNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("password"); // empty: the right one
    QTest::addColumn<bool>("toolsOnPath");
    QTest::addColumn<QString>("file");     // "older backup", "sound backup", "no backup" or "missing"
    QTest::addColumn<QString>("said");     // part of the message

    QTest::newRow("backup with a wrong password keeps the older file")
        << "backup" << "wrong" << true << "older backup" << "Access denied";
    QTest::newRow("backup without a dump tool") << "backup" << "" << false << "older backup" << "mariadb-dump";
    QTest::newRow("backup into a missing folder") << "backup" << "" << true << "missing" << "cannot be written";
    QTest::newRow("restore with a wrong password") << "restore" << "wrong" << true << "sound backup" << "Access denied";
    QTest::newRow("restore without a client tool") << "restore" << "" << false << "sound backup" << "mariadb";
    QTest::newRow("restore of a file that is no backup")
        << "restore" << "" << true << "no backup" << "is not a backup made by the MariaDB or MySQL dump tool";
    QTest::newRow("restore of a missing file") << "restore" << "" << true << "missing" << "cannot be read";
}

void tst_backup::failureShowsWhyAndChangesNothing()
{
    QFETCH(QString, operation);
    QFETCH(QString, password);
    QFETCH(bool, toolsOnPath);
    QFETCH(QString, file);
    QFETCH(QString, said);

    QString path = files.filePath(QTest::currentDataTag());
    QByteArray fileBefore;
    if (file == "missing") {
        path = files.filePath("missing/backup");
    } else if (file == "sound backup") {
        path = backupOfTheCompany();
        fileBefore = readFile(path);
    } else {
        fileBefore = file == "older backup" ? "-- an older backup\n" : "this is no backup;\n";
        writeFile(path, fileBefore);
    }
    EXEC_SQL("update companyinfo set CompanyName = 'Current'");
    if (!password.isEmpty())
        dbPassword = password;

    MessageRecorder::answerNext(QMessageBox::Yes); // to a restore's question, where one is asked
    bool succeeded;
    {
        std::unique_ptr<EmptyPath> noTools(toolsOnPath ? nullptr : new EmptyPath);
        cDbManinpulation manipulation;
        succeeded = operation == "backup" ? manipulation.backupDatabase(path) : manipulation.restoreDatabase(path);
    }

    QVERIFY(!succeeded);
    QCOMPARE(criticalTexts().size(), 1);
    QCOMPARE(MessageRecorder::last().kind, Messages::Critical);
    QCOMPARE(MessageRecorder::last().title, msgCaption);
    QVERIFY2(MessageRecorder::last().text.contains(said), qPrintable(MessageRecorder::last().text));
    QVERIFY2(!MessageRecorder::last().text.contains(this->password), qPrintable(MessageRecorder::last().text));
    QVERIFY(QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
    QCOMPARE(storedCompanyName(), QString("Current"));
    QCOMPARE(readFile(path), fileBefore);
    // No partial dump is left beside the chosen name.
    QCOMPARE(QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + ".*"}, QDir::Files), QStringList());
}

void tst_backup::restoreNeverLeavesTheCompanyHalfRestored_data()
{
    QTest::addColumn<QString>("file");   // what the chosen file holds
    QTest::addColumn<QString>("tool");   // "real", "dies half-way", "dies and cannot put back"
    QTest::addColumn<bool>("yes");       // the answer to the question, when it is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("said");   // part of the one critical box; empty: none
    QTest::addColumn<bool>("restored");

    QTest::newRow("a good file restores")
        << "the company's backup" << "real" << true << true << "" << true;
    QTest::newRow("the user says No")
        << "the company's backup" << "real" << false << true << "" << false;
    QTest::newRow("another company's backup: asked, and No changes nothing")
        << "another company's backup" << "real" << false << true << "" << false;
    QTest::newRow("a cut file is refused before anything is written")
        << "cut backup" << "real" << true << false << "is not complete" << false;
    QTest::newRow("an empty file is refused")
        << "empty" << "real" << true << false << "is empty" << false;
    QTest::newRow("a file that is not a dump is refused")
        << "no dump" << "real" << true << false << "is not a backup made by" << false;
    QTest::newRow("a dump of all databases is refused")
        << "all databases" << "real" << true << false << "is not the backup of one company database" << false;
    QTest::newRow("a dump failing half-way in the server is undone")
        << "backup failing half-way" << "real" << true << true << "was put back as it was before the restore"
        << false;
    QTest::newRow("a tool dying half-way is undone")
        << "the company's backup" << "dies half-way" << true << true
        << "was put back as it was before the restore" << false;
    QTest::newRow("a tool that cannot put the data back says where it is kept")
        << "the company's backup" << "dies and cannot put back" << true << true
        << "as it was before the restore is kept in the file" << false;
}

void tst_backup::restoreNeverLeavesTheCompanyHalfRestored()
{
    QFETCH(QString, file);
    QFETCH(QString, tool);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(QString, said);
    QFETCH(bool, restored);

    EXEC_SQL("delete from customers");
    EXEC_SQL("insert into customers (CustomerName) select concat('Customer ', seq) from seq_1_to_40");
    const QString backup = backupOfTheCompany();
    const QString atBackup = companyChecksum();
    EXEC_SQL("delete from customers where CustomerName like 'Customer 1%'");
    EXEC_SQL("update companyinfo set CompanyName = 'Changed after the backup'");
    const QString before = companyChecksum();
    QVERIFY(before != atBackup);

    const QByteArray dump = readFile(backup);
    QString path = files.filePath(QString("%1 %2").arg(file).arg(QDateTime::currentMSecsSinceEpoch()));
    QString fileDatabase = dbName;
    if (file == "the company's backup") {
        path = backup;
    } else if (file == "another company's backup") {
        const QString company = dbName;
        fileDatabase = TestSupport::uniqueDatabaseName("ztother");
        EXEC_SQL("create database " + fileDatabase);
        EXEC_SQL("create table " + fileDatabase + ".customers (CustomerName varchar(45))");
        dbName = fileDatabase;
        path = backupOfTheCompany();
        dbName = company;
        TestSupport::dropDatabase(fileDatabase);
    } else if (file == "cut backup") {
        writeFile(path, dump.left(dump.indexOf("INSERT INTO `customers`") + 200));
    } else if (file == "empty") {
        writeFile(path, "");
    } else if (file == "no dump") {
        writeFile(path, "drop table customers;\n");
    } else if (file == "all databases") {
        writeFile(path, QByteArray(dump).replace("Database: " + dbName.toUtf8(), "Database: "));
    } else if (file == "backup failing half-way") {
        // The customers are dropped before the statement that fails.
        const QByteArray drop = "DROP TABLE IF EXISTS `customers`;\n";
        QVERIFY(dump.contains(drop));
        writeFile(path, QByteArray(dump).replace(drop, drop + "this statement fails;\n"));
    }

    if (tool != "real") {
        Processes::run = [this, path, tool](const Processes::Request &request) {
            requests << request;
            if (request.inputFile.isEmpty())
                return realRun(request);
            Processes::Result died;
            died.started = true;
            died.crashed = true;
            if (request.inputFile == path) {
                // Half the file reaches the server before the tool dies.
                const QByteArray script = readFile(path);
                QTemporaryFile half;
                half.open();
                half.write(script.left(script.indexOf("INSERT INTO `customers`") + 100));
                half.close();
                Processes::Request partial = request;
                partial.inputFile = half.fileName();
                realRun(partial);
                return died;
            }
            return tool == "dies half-way" ? realRun(request) : died;
        };
    }
    MessageRecorder::answerNext(yes ? QMessageBox::Yes : QMessageBox::No);
    cDbManinpulation manipulation;
    const bool result = manipulation.restoreDatabase(path);
    Processes::run = [this](const Processes::Request &request) {
        requests << request;
        return realRun(request);
    };

    QCOMPARE(result, restored);
    QCOMPARE(questionTexts().size(), asked ? 1 : 0);
    if (asked) {
        QVERIFY2(questionTexts().first().contains(QString("company database \"%1\"").arg(fileDatabase)),
                 qPrintable(questionTexts().first()));
        QCOMPARE(questionTexts().first().contains("It is not a backup of the open company"), fileDatabase != dbName);
    }
    QCOMPARE(criticalTexts().size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty())
        QVERIFY2(criticalTexts().first().contains(said), qPrintable(criticalTexts().first()));
    QVERIFY(QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());

    if (tool == "dies and cannot put back") {
        // The company is damaged, but what it held is in the file named, and restores.
        const QString safety = QRegularExpression("kept in the file \u2066(.*)\u2069\\. Restore that file")
                                   .match(criticalTexts().first()).captured(1);
        QVERIFY2(QFile::exists(safety), qPrintable(criticalTexts().first()));
        Processes::run = realRun;
        MessageRecorder::answerNext(QMessageBox::Yes);
        QVERIFY2(manipulation.restoreDatabase(safety), qPrintable(TestSupport::messageLog()));
        QFile::remove(safety);
    }
    QCOMPARE(companyChecksum(), restored ? atBackup : before);
    QVERIFY(safetyBackups().isEmpty());
}

void tst_backup::namesThatLookLikeOptionsAreBackedUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a name beginning with a dash") << "-" + TestSupport::uniqueDatabaseName("zt");
    QTest::newRow("a name that is a tool's option") << "--help";
    QTest::newRow("blanks, quotes, a slash and Arabic")
        << "شركة 'x' \"y\" a/b " + TestSupport::uniqueDatabaseName("zt");
}

void tst_backup::namesThatLookLikeOptionsAreBackedUp()
{
    QFETCH(QString, name);
    const QString company = dbName;
    EXEC_SQL("create database " + quotedIdentifier(name));
    EXEC_SQL("create table " + quotedIdentifier(name) + ".t (x int)");
    EXEC_SQL("insert into " + quotedIdentifier(name) + ".t values (1)");
    const QString path = files.filePath("odd name");
    writeFile(path, "-- an older backup\n");

    dbName = name;
    cDbManinpulation manipulation;
    const bool backedUp = manipulation.backupDatabase(path);
    EXEC_SQL("update " + quotedIdentifier(name) + ".t set x = 2");
    MessageRecorder::answerNext(QMessageBox::Yes);
    const bool restored = manipulation.restoreDatabase(path);
    dbName = company;
    const QVariant x = TestSupport::queryValue("select x from " + quotedIdentifier(name) + ".t");
    TestSupport::dropDatabase(name);

    QVERIFY2(backedUp && restored, qPrintable(TestSupport::messageLog()));
    QVERIFY(readFile(path).contains(("Database: " + name + "\n").toUtf8()));
    QVERIFY(readFile(path).contains("INSERT INTO `t` VALUES"));
    QCOMPARE(x.toInt(), 1);
}

// The dump tool's help text, or any other answer that is no dump, once replaced the
// older backup of that name.
void tst_backup::toolOutputThatIsNoDumpKeepsTheOlderBackup()
{
    const QString path = files.filePath("older");
    writeFile(path, "-- an older backup\n");
    Processes::run = [](const Processes::Request &request) {
        QFile out(request.outputFile);
        out.open(QIODevice::WriteOnly);
        out.write("mariadb-dump  Ver 10.19\nUsage: mariadb-dump [OPTIONS] database [tables]\n");
        Processes::Result result;
        result.started = true;
        result.exitCode = 0;
        return result;
    };

    cDbManinpulation manipulation;
    const bool backedUp = manipulation.backupDatabase(path);
    Processes::run = realRun;

    QVERIFY(!backedUp);
    QCOMPARE(criticalTexts(), QStringList{"The backup was not made:\nWhat mariadb-dump wrote is not a complete backup."});
    QCOMPARE(readFile(path), QByteArray("-- an older backup\n"));
    QCOMPARE(QDir(files.path()).entryList({"older*"}, QDir::Files), QStringList{"older"});
}

void tst_backup::cancelledDialogDoesNothing_data()
{
    QTest::addColumn<bool>("backup");
    QTest::newRow("backup") << true;
    QTest::newRow("restore") << false;
}

void tst_backup::cancelledDialogDoesNothing()
{
    QFETCH(bool, backup);
    const auto cancel = [](QWidget *, const QString &, const QString &, const QString &) { return QString(); };
    FileDialogs::getSaveFileName = cancel;
    FileDialogs::getOpenFileName = cancel;

    if (backup)
        cDbManinpulation::backupCommand(nullptr);
    else
        cDbManinpulation::restoreCommand(nullptr);

    QVERIFY(requests.isEmpty());
    QVERIFY(MessageRecorder::messages().isEmpty());
    QVERIFY(QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
}

void tst_backup::toolBesideTheProgramComesFirst_data()
{
    QTest::addColumn<QStringList>("beside"); // programs in mysql/bin beside the program
    QTest::addColumn<QString>("expected");   // the one run; empty: the one on the PATH

    QTest::newRow("mariadb-dump beside the program") << QStringList{"mariadb-dump"} << "mariadb-dump";
    QTest::newRow("mysqldump.exe beside the program") << QStringList{"mysqldump.exe"} << "mysqldump.exe";
    QTest::newRow("the MariaDB name before the MySQL one")
        << QStringList{"mysqldump", "mariadb-dump.exe"} << "mariadb-dump.exe";
    QTest::newRow("a file that is no program is passed over") << QStringList{"!mariadb-dump"} << "";
    QTest::newRow("none beside the program: the PATH") << QStringList() << "";
}

void tst_backup::toolBesideTheProgramComesFirst()
{
    QFETCH(QStringList, beside);
    QFETCH(QString, expected);
    const QDir bin(QDir(TestSupport::programFolder()).filePath("mysql/bin"));
    QVERIFY(QDir().mkpath(bin.path()));
    for (QString name : beside) {
        const bool executable = !name.startsWith('!');
        name.remove('!');
        writeFile(bin.filePath(name), "#!/bin/sh\n");
        if (executable)
            QFile::setPermissions(bin.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Processes::run = [this](const Processes::Request &request) {
        requests << request;
        Processes::Result result;
        result.started = true;
        result.exitCode = 0;
        return result;
    };

    cDbManinpulation manipulation;
    manipulation.backupDatabase(files.filePath("lookup"));
    Processes::run = [this](const Processes::Request &request) {
        requests << request;
        return realRun(request);
    };

    QCOMPARE(requests.size(), 1);
    if (expected.isEmpty())
        QCOMPARE(requests.first().program, QStandardPaths::findExecutable("mariadb-dump"));
    else
        QCOMPARE(requests.first().program, bin.filePath(expected));
}

void tst_backup::automaticBackupFileName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");

    const QString sep = QDir::separator();
    QTest::newRow("folder, database and time stamp")
        << "/backups" << QDateTime(QDate(2013, 5, 24), QTime(14, 5, 9)) << sep + "backups" + sep + "shop20130524140509";
    QTest::newRow("afternoon hours on the 24-hour clock")
        << "/backups" << QDateTime(QDate(2013, 12, 1), QTime(23, 59, 58))
        << sep + "backups" + sep + "shop20131201235958";
    QTest::newRow("a folder typed with a trailing separator")
        << "/backups/" << QDateTime(QDate(2013, 5, 24), QTime(0, 0, 0))
        << sep + "backups" + sep + sep + "shop20130524000000";
}

void tst_backup::automaticBackupFileName()
{
    QFETCH(QString, folder);
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    QCOMPARE(cDbManinpulation::automaticBackupFileName(folder, "shop", time), expected);
}

void tst_backup::automaticBackupOnlyWithAFolder_data()
{
    QTest::addColumn<QString>("backupElement"); // %1 stands for the folder
    QTest::addColumn<bool>("made");

    QTest::newRow("a folder is set") << "<Backup Path=\"%1\"/>" << true;
    QTest::newRow("no Backup element") << "" << false;
    QTest::newRow("an empty Path") << "<Backup Path=\"\"/>" << false;
    QTest::newRow("a Backup element without Path") << "<Backup/>" << false;
}

void tst_backup::automaticBackupOnlyWithAFolder()
{
    QFETCH(QString, backupElement);
    QFETCH(bool, made);
    QTemporaryDir folder;
    writeFile(TestSupport::settingsPath(),
              ("<AccountingConf>" + backupElement.replace("%1", folder.path()) + "</AccountingConf>").toUtf8());
    const QDateTime now(QDate(2013, 5, 24), QTime(14, 5, 9));

    QCOMPARE(cDbManinpulation::runAutomaticBackup(now), made);

    QVERIFY2(MessageRecorder::messages().isEmpty(), qPrintable(MessageRecorder::last().text));
    QCOMPARE(requests.size(), made ? 1 : 0);
    const QStringList written = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(written, made ? QStringList{dbName + "20130524140509"} : QStringList());
    if (made)
        QVERIFY(readFile(folder.filePath(written.first())).contains("INSERT INTO `companyinfo`"));
}

ZARPO_TEST_MAIN(tst_backup)
#include "tst_backup.moc"
