#include "bench/bareclient.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

BareClient::BareClient(const BenchServer &server) : server(server)
{
}

QString BareClient::program()
{
    for (const char *name : {"mariadb", "mysql"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

QByteArray BareClient::script(const QByteArrayList &statements)
{
    QByteArray input;
    for (QByteArray statement : statements) {
        // A statement that already ends in ';' would otherwise leave an empty one behind,
        // which the client refuses.
        statement = statement.trimmed();
        while (statement.endsWith(';'))
            statement = statement.chopped(1).trimmed();
        if (statement.isEmpty())
            continue;
        input += statement;
        input += "\n;\n";
    }
    return input;
}

QString BareClient::error() const
{
    return failure;
}

bool BareClient::run(const QString &database, const QByteArray &input, qint64 *nanoseconds)
{
    failure.clear();
    const QString client = program();
    if (client.isEmpty()) {
        failure = QStringLiteral("Neither mariadb nor mysql is on the PATH.");
        return false;
    }
    // From a file, so that the client reads its input at its own pace and the time is
    // the client's, not that of this process feeding a pipe.
    QTemporaryFile file;
    if (!file.open() || file.write(input) != input.size() || !file.flush()) {
        failure = QStringLiteral("Cannot write the client's input: %1").arg(file.errorString());
        return false;
    }
    QStringList arguments{QStringLiteral("--no-defaults"), QStringLiteral("--host=%1").arg(server.host),
                          QStringLiteral("--port=%1").arg(server.port), QStringLiteral("--user=%1").arg(server.user),
                          QStringLiteral("--batch"), QStringLiteral("--default-character-set=utf8mb4")};
    if (!database.isEmpty())
        arguments << database;
    QProcess process;
    // The password goes through the environment: on the command line other users could read it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), server.password);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(file.fileName());
    process.setStandardOutputFile(QProcess::nullDevice());

    QElapsedTimer clock;
    clock.start();
    process.start(client, arguments);
    if (!process.waitForStarted(-1)) {
        failure = QStringLiteral("%1 did not start: %2").arg(client, process.errorString());
        return false;
    }
    process.waitForFinished(-1);
    *nanoseconds = clock.nsecsElapsed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        failure = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (failure.isEmpty())
            failure = QStringLiteral("%1 ended with exit code %2").arg(client).arg(process.exitCode());
        return false;
    }
    return true;
}
