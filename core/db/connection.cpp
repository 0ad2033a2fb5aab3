#include "core/db/connection.h"

#include "core/system/globals.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <typeinfo>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

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

// The ping of the client library that `driver` itself was linked with, looked up through
// the driver's own file: a library picked by name could be another client's, which would
// misread the driver's handle. A ping is no statement, so it leaves the statements a
// window sends as they were. Null where the library cannot be found this way.
ClientPing clientPing(const QSqlDriver *driver)
{
#ifdef Q_OS_UNIX
    static const ClientPing ping = [driver] {
        Dl_info where;
        if (!dladdr(&typeid(*driver), &where) || !where.dli_fname)
            return ClientPing(nullptr);
        // RTLD_NOLOAD only finds the file already loaded; a lookup in its handle searches
        // the libraries it depends on, as its own calls do.
        void *file = dlopen(where.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
        if (!file)
            return ClientPing(nullptr);
        const auto found = reinterpret_cast<ClientPing>(dlsym(file, "mysql_ping"));
        dlclose(file);
        return found;
    }();
    return ping;
#else
    Q_UNUSED(driver)
    return nullptr;
#endif
}

// False once the server no longer answers on `db`. The client library learns that the
// server is gone only from a command that fails (error 2006 or 2013); until then the
// driver keeps calling the connection open.
bool answers(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "MYSQL*") == 0) {
        if (const ClientPing ping = clientPing(db.driver()))
            return ping(*static_cast<void *const *>(handle.data())) == 0;
    }
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
