#ifndef BARECONNECTION_H
#define BARECONNECTION_H

#include "bench/batchwriter.h"

#include <QByteArrayList>
#include <QString>

// Runs statements as a program that does nothing but send them would: on a connection of
// its own, opened once and kept, each statement executed with forward-only reads and every
// value of every row fetched. Its time is what the statements cost the server and the
// wire, without any client's start-up or login.
class BareConnection
{
public:
    explicit BareConnection(const BenchServer &server);
    ~BareConnection();
    BareConnection(const BareConnection &) = delete;
    BareConnection &operator=(const BareConnection &) = delete;

    // Opens the connection as the program opens its own (with SET NAMES utf8mb4) and gives
    // the time it took. False when it could not; error() says why.
    bool open(qint64 *nanoseconds = nullptr);

    // Runs `statements` in order with `database` as the current database (none when
    // empty; chosen before the clock starts) and gives the time they took with their rows
    // fetched. False at the first statement that fails; error() says which and why.
    bool run(const QString &database, const QByteArrayList &statements, qint64 *nanoseconds);
    QString error() const;

private:
    BenchServer server;
    QString name;
    QString failure;
};

#endif // BARECONNECTION_H
