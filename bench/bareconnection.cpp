#include "bench/bareconnection.h"

#include "core/db/companydb.h"
#include "core/system/globals.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>

BareConnection::BareConnection(const BenchServer &server) : server(server)
{
    static std::atomic<int> made{0};
    name = QStringLiteral("zarpo-bench-bare-%1").arg(++made);
}

BareConnection::~BareConnection()
{
    if (!QSqlDatabase::contains(name))
        return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QString BareConnection::error() const
{
    return failure;
}

bool BareConnection::open(qint64 *nanoseconds)
{
    failure.clear();
    QElapsedTimer clock;
    clock.start();
    {
        QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                       : QSqlDatabase::addDatabase(dbDriver, name);
        db.close();
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setPassword(server.password);
        if (!db.open()) {
            failure = db.lastError().text();
            return false;
        }
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SET NAMES utf8mb4"))) {
            failure = query.lastError().text();
            return false;
        }
    }
    if (nanoseconds)
        *nanoseconds = clock.nsecsElapsed();
    return true;
}

bool BareConnection::run(const QString &database, const QByteArrayList &statements, qint64 *nanoseconds)
{
    failure.clear();
    if (!QSqlDatabase::contains(name) && !open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(name, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!database.isEmpty() && !query.exec(QStringLiteral("USE ") + quotedIdentifier(database))) {
        failure = query.lastError().text();
        return false;
    }
    // Every value is read, as a window reads what it shows; the sum only keeps the reads
    // from being left out.
    qint64 read = 0;
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray &statement : statements) {
        if (!query.exec(QString::fromUtf8(statement))) {
            failure = query.lastError().text() + QStringLiteral(" in: ") + QString::fromUtf8(statement.left(200));
            return false;
        }
        const int columns = query.record().count();
        while (query.next()) {
            for (int column = 0; column < columns; ++column)
                read += query.value(column).isNull() ? 0 : 1;
        }
    }
    *nanoseconds = clock.nsecsElapsed();
    return read >= 0;
}
