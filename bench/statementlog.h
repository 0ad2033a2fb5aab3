#ifndef STATEMENTLOG_H
#define STATEMENTLOG_H

#include <QByteArrayList>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// Catches the statements that connections send while the program does something, through
// the server's general log kept in its table mysql.general_log. The log is global: it is
// switched on only between start() and stop(), emptied at each start, and left as it was
// found. The control connection needs the right to set global variables.
class StatementLog
{
public:
    explicit StatementLog(QSqlDatabase control);

    bool start();
    bool stop();

    // What the given connections (server thread ids) sent between start() and stop(), in
    // order, as the server received it: prepared statements with their values filled in.
    // Connecting, preparing and closing statements are left out: they are not statements
    // a client runs.
    bool statements(const QList<qint64> &threads, QByteArrayList *statements);

    QString error() const;

    // The server's thread id of an open connection; -1 when it cannot be read.
    static qint64 threadId(QSqlDatabase db);

private:
    bool exec(const QString &sql);

    QSqlDatabase control;
    QString savedOutput;
    QString savedSwitch;
    QString failure;
};

#endif // STATEMENTLOG_H
