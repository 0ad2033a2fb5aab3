#ifndef CONNECTION_H
#define CONNECTION_H

#include <QSqlDatabase>
#include <QString>

// Registers the program's default connection anew (replacing the one registered before)
// with these settings and opens it. Once open, the session is switched to utf8mb4,
// since the MySQL driver starts in a character set that cannot hold every text.
// The caller tests isOpen() and reads lastError() on failure.
QSqlDatabase openDefaultConnection(const QString &host, int port, const QString &user,
                                   const QString &password, const QString &database);

// The same from the program-wide connection settings (dbHost, dbPort, ...).
QSqlDatabase openDefaultConnectionFromSettings();

#endif // CONNECTION_H
