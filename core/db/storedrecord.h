#ifndef STOREDRECORD_H
#define STOREDRECORD_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

class cDbSave;

// What a window loaded of a stored record (its row, and the rows that belong to it: a
// document's lines, an item's prices), kept so that its save can tell whether another
// user has changed the record since. Nothing is added to the tables: what the load read
// is compared with what is stored, under the save's lock.
//
//     cStoredRecord loaded{"customers", "CustomerId", tr("this customer")};
//     loaded.remember(id);                          // at the load, before the window reads
//     ...
//     save.execRecord(query, loaded, customerId);   // refused when changed meanwhile
class cStoredRecord
{
public:
    // The rows of `table` whose `idColumn` is the record's id, in the order of `orderColumn`.
    struct Rows
    {
        QString table;
        QString idColumn;
        QString orderColumn;
    };

    // `rows` begins with the record's own row; `thisRecord` names it in the refusal
    // ("this customer").
    cStoredRecord(const QList<Rows> &rows, const QString &thisRecord);
    // A record that is its row of `table` alone.
    cStoredRecord(const QString &table, const QString &idColumn, const QString &thisRecord)
        : cStoredRecord(QList<Rows>{{table, idColumn, idColumn}}, thisRecord)
    {
    }

    // Reads record `id` as it is stored now and keeps it. False when its row is not there
    // or cannot be read; what was kept before then stays.
    bool remember(const QVariant &id);

    // Inside `save`: locks the record's rows until the save ends and fails the save with
    // cDbSave::recordGoneText() when its row is gone, or with the "changed" text when
    // record `id` is not stored as it was remembered (also when `id` is not the record
    // remembered). False then.
    bool lockUnchanged(cDbSave &save, const QVariant &id) const;

    // Inside `save`, after it wrote record `id`: keeps what it wrote as the record loaded,
    // for an editor that stays on the record after its save. Should the save not commit,
    // the next save is refused as changed.
    void rememberSaved(cDbSave &save, const QVariant &id);

    QString changedText() const;

private:
    QString statement(const Rows &rows) const;
    // The digest of record `id`'s rows, read inside `save` (locking them) or, without
    // one, on the default connection; empty, and `found` false, when its row is not there
    // or a read failed.
    QByteArray read(cDbSave *save, const QVariant &id, bool *found) const;

    QList<Rows> parts;
    QString name;
    QVariant rememberedId;
    QByteArray remembered;
};

#endif // STOREDRECORD_H
