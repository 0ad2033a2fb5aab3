#ifndef BARECLIENT_H
#define BARECLIENT_H

#include "bench/batchwriter.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Runs SQL through the MariaDB command-line client as a person at a terminal would:
// one client process for the whole input, in batch mode, its results thrown away.
class BareClient
{
public:
    explicit BareClient(const BenchServer &server);

    // The client found on the PATH (mariadb, else mysql); empty when there is none.
    static QString program();

    // The statements as one input for the client, each ended on a line of its own, so
    // that a statement ending in a comment still ends.
    static QByteArray script(const QByteArrayList &statements);

    // Runs `input` with `database` as the current database (none when empty) and gives
    // the time from starting the client to its end. False when the client could not be
    // started or ended with an error (a failing statement stops it); error() says why.
    bool run(const QString &database, const QByteArray &input, qint64 *nanoseconds);
    QString error() const;

private:
    BenchServer server;
    QString failure;
};

#endif // BARECLIENT_H
