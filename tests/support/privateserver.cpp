#include "tests/support/privateserver.h"

#include <QDir>
#include <QProcess>

namespace {
// In memory where the machine offers it, as the shared test server: making the data
// folder writes and syncs many files.
QString temporaryRoot()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/zarpo-private-XXXXXX")
                                                     : QDir::temp().filePath(QStringLiteral("zarpo-private-XXXXXX"));
}
}

PrivateServer::PrivateServer() : folder(temporaryRoot()) {}

PrivateServer::~PrivateServer()
{
    stop();
}

bool PrivateServer::start()
{
    if (!folder.isValid()) {
        error_ = QStringLiteral("No temporary folder for the server");
        return false;
    }
    QString output;
    if (!runScript({QStringLiteral("start"), folder.path(), QString::number(port_), password()}, &output))
        return false;
    port_ = output.trimmed().toInt();
    return port_ > 0;
}

bool PrivateServer::stop()
{
    // Stopping a server that never started is no failure: the script finds no pid.
    return !folder.isValid() || runScript({QStringLiteral("stop"), folder.path()}, nullptr);
}

bool PrivateServer::runScript(const QStringList &arguments, QString *output)
{
    QProcess script;
    script.start(QStringLiteral(ZARPO_DBSERVER_SCRIPT), arguments);
    if (!script.waitForFinished(120000) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0) {
        error_ = QString::fromLocal8Bit(script.readAllStandardError());
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(script.readAllStandardOutput());
    return true;
}
