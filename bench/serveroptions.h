#ifndef SERVEROPTIONS_H
#define SERVEROPTIONS_H

#include "bench/batchwriter.h"

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

// The server options both benchmark programs take: --host, --port, --user and
// --password, the password otherwise taken from MYSQL_PWD.
class ServerOptions
{
public:
    ServerOptions();

    void addTo(QCommandLineParser &parser) const;

    // The server the parsed options name; false, with `error` set, when they are not usable.
    bool read(const QCommandLineParser &parser, BenchServer *server, QString *error) const;

private:
    QCommandLineOption host;
    QCommandLineOption port;
    QCommandLineOption user;
    QCommandLineOption password;
};

#endif // SERVEROPTIONS_H
