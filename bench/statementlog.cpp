#include "bench/statementlog.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

StatementLog::StatementLog(QSqlDatabase control) : control(control)
{
}

QString StatementLog::error() const
{
    return failure;
}

bool StatementLog::exec(const QString &sql)
{
    QSqlQuery query(control);
    if (query.exec(sql))
        return true;
    failure = query.lastError().text() + QStringLiteral(" in: ") + sql;
    return false;
}

bool StatementLog::start()
{
    QSqlQuery query(control);
    if (!query.exec(QStringLiteral("SELECT @@global.log_output, @@global.general_log")) || !query.next()) {
        failure = query.lastError().text();
        return false;
    }
    savedOutput = query.value(0).toString();
    savedSwitch = query.value(1).toString();
    return exec(QStringLiteral("SET GLOBAL log_output = 'TABLE'"))
           && exec(QStringLiteral("TRUNCATE TABLE mysql.general_log"))
           && exec(QStringLiteral("SET GLOBAL general_log = ON"));
}

bool StatementLog::stop()
{
    const bool switchedOff = exec(QStringLiteral("SET GLOBAL general_log = %1").arg(savedSwitch.toInt() ? 1 : 0));
    QSqlQuery query(control);
    query.prepare(QStringLiteral("SET GLOBAL log_output = :output"));
    query.bindValue(QStringLiteral(":output"), savedOutput);
    if (!query.exec()) {
        failure = query.lastError().text();
        return false;
    }
    return switchedOff;
}

bool StatementLog::statements(const QList<qint64> &threads, QByteArrayList *statements)
{
    statements->clear();
    QStringList ids;
    for (qint64 thread : threads)
        if (thread >= 0)
            ids << QString::number(thread);
    if (ids.isEmpty())
        return true;
    // No ORDER BY: the log's CSV table hands its rows back in the order they were written,
    // while event_time can be the same for statements sent within one microsecond.
    QSqlQuery query(control);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT argument FROM mysql.general_log WHERE thread_id IN (%1) "
                                   "AND command_type IN ('Query', 'Execute')")
                        .arg(ids.join(QLatin1Char(','))))) {
        failure = query.lastError().text();
        return false;
    }
    while (query.next())
        statements->append(query.value(0).toByteArray());
    return true;
}

qint64 StatementLog::threadId(QSqlDatabase db)
{
    if (!db.isOpen())
        return -1;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT CONNECTION_ID()")) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}
