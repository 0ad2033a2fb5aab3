#ifndef PRIVATESERVER_H
#define PRIVATESERVER_H

#include <QString>
#include <QTemporaryDir>

// A MariaDB server of one test's own, in a temporary folder, for tests that stop and
// start a server: the server that ctest starts serves every test process at once and is
// never stopped by one of them. Made with the same script and settings as that one.
class PrivateServer
{
public:
    PrivateServer();
    // Stops the server and removes its folder.
    ~PrivateServer();

    PrivateServer(const PrivateServer &) = delete;
    PrivateServer &operator=(const PrivateServer &) = delete;

    // The first start makes the data folder on a free port; every later start reopens
    // that folder on the same port, so a connection's settings stay valid. False, with
    // error() set, when the server did not come up.
    bool start();
    bool stop();

    int port() const { return port_; }
    QString password() const { return QStringLiteral("zarpo-private"); }
    QString error() const { return error_; }

private:
    bool runScript(const QStringList &arguments, QString *output);

    QTemporaryDir folder;
    int port_ = 0;
    QString error_;
};

#endif // PRIVATESERVER_H
