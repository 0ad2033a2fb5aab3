#include "core/connection.h"

#include "core/globals.h"

#include <QSqlQuery>

QSqlDatabase openDefaultConnection(const QString &host, int port, const QString &user,
                                   const QString &password, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(dbDriver);
    db.setHostName(host);
    db.setPort(port);
    db.setUserName(user);
    db.setPassword(password);
    db.setDatabaseName(database);
    // An update reports the rows it matched, so a save can tell a record that is gone
    // from one whose values did not change.
    db.setConnectOptions(QStringLiteral("CLIENT_FOUND_ROWS=1"));
    if (db.open())
        QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));
    return db;
}

QSqlDatabase openDefaultConnectionFromSettings()
{
    return openDefaultConnection(dbHost, dbPort, dbUser, dbPassword, dbName);
}
