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
    if (db.open())
        QSqlQuery(db).exec(QStringLiteral("SET NAMES utf8mb4"));
    return db;
}

QSqlDatabase openDefaultConnectionFromSettings()
{
    return openDefaultConnection(dbHost, dbPort, dbUser, dbPassword, dbName);
}
