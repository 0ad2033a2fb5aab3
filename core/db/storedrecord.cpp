#include "core/db/storedrecord.h"

#include "core/db/connection.h"
#include "core/db/dbsave.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// Every value of every row the query reads, with NULL told apart from an empty text, so
// that any change of a stored value changes the digest.
void addRows(QCryptographicHash &digest, QSqlQuery &query, bool *found)
{
    int rows = 0;
    while (query.next()) {
        ++rows;
        const int columns = query.record().count();
        for (int column = 0; column < columns; ++column) {
            const QVariant value = query.value(column);
            if (value.isNull()) {
                digest.addData("\x01N", 2);
                continue;
            }
            const QByteArray bytes = value.type() == QVariant::ByteArray ? value.toByteArray()
                                                                          : value.toString().toUtf8();
            digest.addData("\x02", 1);
            digest.addData(QByteArray::number(bytes.size()));
            digest.addData(":", 1);
            digest.addData(bytes);
        }
        digest.addData("\x03", 1);
    }
    digest.addData(QByteArray::number(rows));
    digest.addData("\x04", 1);
    if (found)
        *found = rows > 0;
}
} // namespace

cStoredRecord::cStoredRecord(const QList<Rows> &rows, const QString &thisRecord) : parts(rows), name(thisRecord)
{
}

QString cStoredRecord::statement(const Rows &rows) const
{
    return QStringLiteral("SELECT * FROM %1 WHERE %2 = :id ORDER BY %3")
        .arg(rows.table, rows.idColumn, rows.orderColumn);
}

bool cStoredRecord::remember(const QVariant &id)
{
    bool found = false;
    const QByteArray digest = read(nullptr, id, &found);
    if (!found)
        return false;
    rememberedId = id;
    remembered = digest;
    return true;
}

bool cStoredRecord::lockUnchanged(cDbSave &save, const QVariant &id) const
{
    bool found = false;
    const QByteArray digest = read(&save, id, &found);
    if (save.failed())
        return false;
    if (!found) {
        save.failWith(cDbSave::recordGoneText());
        return false;
    }
    if (remembered.isEmpty() || rememberedId != id || digest != remembered) {
        save.failWith(changedText());
        return false;
    }
    return true;
}

void cStoredRecord::rememberSaved(cDbSave &save, const QVariant &id)
{
    bool found = false;
    const QByteArray digest = read(&save, id, &found);
    rememberedId = id;
    remembered = found && !save.failed() ? digest : QByteArray();
}

QByteArray cStoredRecord::read(cDbSave *save, const QVariant &id, bool *found) const
{
    *found = false;
    QCryptographicHash digest(QCryptographicHash::Sha1);
    for (int part = 0; part < parts.size(); ++part) {
        QSqlQuery query;
        if (save) {
            // A locking read sees what is committed now, not the transaction's first view,
            // and holds the rows until the save ends.
            query = save->prepare(statement(parts.at(part)) + QStringLiteral(" FOR UPDATE"));
        } else {
            query = QSqlQuery(liveDefaultConnection());
            query.setForwardOnly(true);
            query.prepare(statement(parts.at(part)));
        }
        query.bindValue(QStringLiteral(":id"), id);
        if (save ? !save->exec(query) : !query.exec())
            return QByteArray();
        bool rows = false;
        addRows(digest, query, &rows);
        if (part == 0 && !rows)
            return QByteArray();
    }
    *found = true;
    return digest.result();
}

QString cStoredRecord::changedText() const
{
    return cDbSave::recordChangedText(name);
}
