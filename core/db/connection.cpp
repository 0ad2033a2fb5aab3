#include "core/db/connection.h"

#include "core/system/globals.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

namespace {
// Opens `db` with the settings it holds and prepares the session as every statement of
// the program expects it.
bool openSession(QSqlDatabase &db)
{
    if (!db.open())
        return false;
    QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));
    return true;
}

using ClientPing = int (*)(void *);

// The client library's own ping, from the library the MySQL driver has already loaded:
// a ping is no statement, so it leaves the statements a window sends as they were.
ClientPing clientPing()
{
    static const ClientPing ping = [] {
        const QList<QPair<const char *, int>> libraries{
            {"mariadb", 3}, {"libmariadb", -1}, {"mysqlclient", -1}, {"libmysql", -1}};
        for (const auto &library : libraries) {
            const auto found = reinterpret_cast<ClientPing>(
                QLibrary::resolve(QLatin1String(library.first), library.second, "mysql_ping"));
            if (found)
                return found;
        }
        return ClientPing(nullptr);
    }();
    return ping;
}

// False once the server no longer answers on `db`. The client library learns that the
// server is gone only from a command that fails (error 2006 or 2013); until then the
// driver keeps calling the connection open.
bool answers(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (clientPing() && handle.isValid() && qstrcmp(handle.typeName(), "MYSQL*") == 0)
        return clientPing()(*static_cast<void *const *>(handle.data())) == 0;
    return QSqlQuery(db).exec(QStringLiteral("DO 1"));
}
}

QSqlDatabase openDefaultConnection(const QString &host, int port, const QString &user,
                                   const QString &password, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::contains(QSqlDatabase::defaultConnection)
                          ? QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
                          : QSqlDatabase::addDatabase(dbDriver);
    db.close();
    db.setHostName(host);
    db.setPort(port);
    db.setUserName(user);
    db.setPassword(password);
    db.setDatabaseName(database);
    // An update reports the rows it matched, so a save can tell a record that is gone
    // from one whose values did not change.
    db.setConnectOptions(QStringLiteral("CLIENT_FOUND_ROWS=1"));
    openSession(db);
    return db;
}

QSqlDatabase openDefaultConnectionFromSettings()
{
    return openDefaultConnection(dbHost, dbPort, dbUser, dbPassword, dbName);
}

QSqlDatabase liveDefaultConnection()
{
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (!db.isValid())
        return db;
    if (db.isOpen() && answers(db))
        return db;
    db.close();
    openSession(db);
    return db;
}

QSqlError failureOf(const QSqlQuery &query)
{
    if (query.lastError().isValid())
        return query.lastError();
    if (query.driver() && query.driver()->lastError().isValid())
        return query.driver()->lastError();
    return QSqlError(QString(), QCoreApplication::translate("Connection", "The connection to the server is not open."),
                     QSqlError::ConnectionError);
}
