#include "core/db/dbsave.h"

#include "core/db/connection.h"
#include "core/db/storedrecord.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QStringList>
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

bool cDbSave::lockStored(const QString &table, const QString &idColumn, const QVariant &id, const QString &what)
{
    QSqlQuery query = prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :id FOR UPDATE").arg(table, idColumn));
    query.bindValue(QStringLiteral(":id"), id);
    if (!exec(query))
        return false;
    if (query.next())
        return true;
    failWith(what.isEmpty() ? recordGoneText() : recordGoneText(what));
    return false;
}

bool cDbSave::execRecord(QSqlQuery &query, const cStoredRecord &loaded, const QVariant &id)
{
    if (id.toInt() <= 0)
        return exec(query);
    return loaded.lockUnchanged(*this, id) && execOnStored(query);
}

bool cDbSave::lockChosen(const QString &table, const QString &idColumn, const QList<QVariant> &ids, const QString &what)
{
    QList<QVariant> distinct;
    for (const QVariant &id : ids)
        if (!id.isNull() && !distinct.contains(id))
            distinct << id;
    if (distinct.isEmpty() || failed())
        return !failed();
    QStringList placeholders;
    for (int i = 0; i < distinct.size(); ++i)
        placeholders << QStringLiteral(":id%1").arg(i);
    // A share lock: other saves may refer to the same records at once, but none can
    // delete one before this save ends.
    QSqlQuery query = prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IN (%3) LOCK IN SHARE MODE")
                                  .arg(table, idColumn, placeholders.join(QStringLiteral(", "))));
    for (int i = 0; i < distinct.size(); ++i)
        query.bindValue(placeholders.at(i), distinct.at(i));
    if (!exec(query))
        return false;
    if (query.next() && query.value(0).toInt() == distinct.size())
        return true;
    failWith(recordGoneText(what));
    return false;
}

void cDbSave::failWith(const QString &text)
{
    if (!hasFailed)
        refused = true;
    fail(QSqlError(QString(), text, QSqlError::TransactionError));
}

QString cDbSave::failureText(const QString &serverFailed) const
{
    return refused ? errorText_ : serverFailed + QLatin1Char('\n') + errorText_;
}

QString cDbSave::recordGoneText()
{
    return QCoreApplication::translate("cDbSave", "Another user has deleted this record meanwhile. Nothing was saved.");
}

QString cDbSave::recordGoneText(const QString &what)
{
    return QCoreApplication::translate("cDbSave", "Another user has deleted %1 meanwhile. Nothing was saved.")
        .arg(what);
}

QString cDbSave::recordChangedText(const QString &thisRecord)
{
    return QCoreApplication::translate("cDbSave", "Another user has changed %1 meanwhile. Nothing was saved.")
        .arg(thisRecord);
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

int cAddedRecord::read(cDbSave &save, int storedId)
{
    pending = storedId == 0 ? save.lastInsertId() : 0;
    return pending;
}

bool cAddedRecord::commit(cDbSave &save)
{
    const int read = pending;
    pending = 0;
    if (!save.commit())
        return false;
    if (read)
        added = read;
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
