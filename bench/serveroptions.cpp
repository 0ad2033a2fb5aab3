#include "bench/serveroptions.h"

#include <QCommandLineParser>

ServerOptions::ServerOptions()
    : host(QStringLiteral("host"), QStringLiteral("Server host (127.0.0.1)."), QStringLiteral("host"),
           QStringLiteral("127.0.0.1")),
      port(QStringLiteral("port"), QStringLiteral("Server port (3306)."), QStringLiteral("port"), QStringLiteral("3306")),
      user(QStringLiteral("user"), QStringLiteral("Server user (root)."), QStringLiteral("user"), QStringLiteral("root")),
      password(QStringLiteral("password"), QStringLiteral("Server password (else MYSQL_PWD)."),
               QStringLiteral("password"))
{
}

void ServerOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({host, port, user, password});
}

bool ServerOptions::read(const QCommandLineParser &parser, BenchServer *server, QString *error) const
{
    bool ok = true;
    server->host = parser.value(host);
    server->port = parser.value(port).toInt(&ok);
    if (!ok) {
        *error = QStringLiteral("--port needs a number");
        return false;
    }
    server->user = parser.value(user);
    // The environment keeps the password off the command line, where other users could read it.
    server->password = parser.isSet(password) ? parser.value(password) : qEnvironmentVariable("MYSQL_PWD");
    return true;
}
