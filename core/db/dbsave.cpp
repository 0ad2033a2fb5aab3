#include "core/db/dbsave.h"

#include "core/db/connection.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QVariant>

cDbSave::cDbSave() : db(liveDefaultConnection())
{
    open = db.transaction();
    if (!open)
        fail(db.lastError());
}

cDbSave::~cDbSave()
{
    if (open)
        db.rollback();
}

QSqlQuery cDbSave::prepare(const QString &sql)
{
    QSqlQuery query(db);
    if (!failed() && !query.prepare(sql))
        fail(query.lastError());
    return query;
}

bool cDbSave::exec(QSqlQuery &query)
{
    if (failed())
        return false;
    if (query.exec())
        return true;
    fail(query.lastError());
    return false;
}

bool cDbSave::exec(const QString &sql)
{
    QSqlQuery query = prepare(sql);
    return exec(query);
}

bool cDbSave::execOnStored(QSqlQuery &query)
{
    if (!exec(query))
        return false;
    if (query.numRowsAffected() > 0)
        return true;
    failWith(recordGoneText());
    return false;
}

bool cDbSave::lockStored(const QString &table, const QString &idColumn, const QVariant &id)
{
    QSqlQuery query = prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :id FOR UPDATE").arg(table, idColumn));
    query.bindValue(QStringLiteral(":id"), id);
    if (!exec(query))
        return false;
    if (query.next())
        return true;
    failWith(recordGoneText());
    return false;
}

void cDbSave::failWith(const QString &text)
{
    fail(QSqlError(QString(), text, QSqlError::TransactionError));
}

QString cDbSave::recordGoneText()
{
    return QCoreApplication::translate("cDbSave", "Another user has deleted this record meanwhile. Nothing was saved.");
}

int cDbSave::lastInsertId()
{
    if (failed())
        return 0;
    // Read on the transaction's own connection: the server keeps the value per session,
    // so no other user's insert can be read by mistake, unlike with MAX(id).
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select last_insert_id();"))) {
        fail(query.lastError());
        return 0;
    }
    const int id = query.next() ? query.value(0).toInt() : 0;
    if (id <= 0)
        failWith(QStringLiteral("The new row's id could not be read back."));
    return id;
}

bool cDbSave::commit()
{
    if (failed())
        return false;
    if (!db.commit()) {
        fail(db.lastError());
        return false;
    }
    open = false;
    return true;
}

void cDbSave::fail(const QSqlError &error)
{
    if (hasFailed)
        return;
    hasFailed = true;
    errorText_ = error.text();
    errorNumber_ = error.nativeErrorCode().toInt();
    if (open) {
        db.rollback();
        open = false;
    }
}
