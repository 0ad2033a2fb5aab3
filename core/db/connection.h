#ifndef CONNECTION_H
#define CONNECTION_H

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

class QSqlQuery;

// Points the program's default connection at these settings and opens it. The one
// connection stays registered for the program's life and is closed and reopened rather
// than registered anew, so windows that still hold it never see it removed. Once open,
// the session is switched to utf8mb4, since the MySQL driver starts in a character set
// that cannot hold every text. The caller tests isOpen() and reads lastError() on failure.
QSqlDatabase openDefaultConnection(const QString &host, int port, const QString &user,
                                   const QString &password, const QString &database);

// The same from the program-wide connection settings (dbHost, dbPort, ...).
QSqlDatabase openDefaultConnectionFromSettings();

// The default connection, checked with a ping and opened again with its own settings
// when the server no longer answers on it (it stopped and started again, or dropped the
// session). Called before a statement that starts a step of its own (a list or panel
// reload, a combo fill, a save), never within a save: a save whose connection is lost
// fails and is reported, and only the next step runs on the new session. Returns the
// connection, closed when it could not be opened again.
QSqlDatabase liveDefaultConnection();

// Why `query` failed: its own error, or, for a statement that never reached the server
// because its connection could not be opened again, the connection's. The driver gives
// such a statement no error of its own, and a read that failed would pass for an empty one.
QSqlError failureOf(const QSqlQuery &query);

#endif // CONNECTION_H
