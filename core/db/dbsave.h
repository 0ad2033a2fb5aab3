#ifndef DBSAVE_H
#define DBSAVE_H

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class cStoredRecord;
class QSqlError;

// A save that writes in one transaction on the default connection: every statement is
// checked, and the first failure rolls back all that the save wrote before it.
//
//     cDbSave save;
//     QSqlQuery header = save.prepare("Insert into ... Values (:a)");
//     header.bindValue(":a", ...);
//     save.exec(header);
//     const int id = save.lastInsertId();
//     ...
//     if (!save.commit()) Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
//
// Once a step has failed, the later steps do nothing and fail too, so a caller may run
// its steps unchecked and look only at commit().
class cDbSave
{
public:
    // Begins the transaction; a failure to begin is the save's first failure.
    cDbSave();
    // Rolls back what was not committed.
    ~cDbSave();

    cDbSave(const cDbSave &) = delete;
    cDbSave &operator=(const cDbSave &) = delete;

    // A query on the save's connection prepared with `sql`, ready for binding; a failed
    // prepare fails the save.
    QSqlQuery prepare(const QString &sql);
    // Executes a prepared query; false, and the save rolled back, on failure.
    bool exec(QSqlQuery &query);
    // Prepares and executes a statement that binds nothing; false on failure.
    bool exec(const QString &sql);

    // Executes an update or delete of stored rows that must still be there; when it
    // touched no row, another user has deleted the record meanwhile and the save fails
    // with recordGoneText(). The connection counts matched rows, not changed ones, so an
    // update that writes the values a row already holds still counts.
    bool execOnStored(QSqlQuery &query);
    // The one write of an editor that saves a single row: exec() for a new record,
    // execOnStored() for the stored record it edits (`stored`).
    bool execRecord(QSqlQuery &query, bool stored) { return stored ? execOnStored(query) : exec(query); }
    // The same for an editor that remembered the record it loaded: record `id` (0 for a
    // new one) is written only when it is stored as `loaded` remembered it.
    bool execRecord(QSqlQuery &query, const cStoredRecord &loaded, const QVariant &id);
    // Locks the stored row of `table` whose `idColumn` is `id` until the save ends, so no
    // other user's save of the same record runs between this save's reads and writes;
    // fails the save with recordGoneText() when the row is gone, or recordGoneText(`what`)
    // when the row is named. Table and column are the program's own names, never typed text.
    bool lockStored(const QString &table, const QString &idColumn, const QVariant &id, const QString &what = QString());
    // Locks, until the save ends, the rows of `table` whose `idColumn` is one of `ids`
    // (records the saved one refers to, as chosen in the window) against their deletion;
    // fails the save with recordGoneText(`what`) when one of them is gone. Table and column
    // are the program's own names, never typed text.
    bool lockChosen(const QString &table, const QString &idColumn, const QList<QVariant> &ids, const QString &what);
    // Fails the save with `text` (a check of the written rows that did not hold).
    void failWith(const QString &text);
    static QString recordGoneText();
    // Another user deleted `what` ("the chosen category") or changed `thisRecord` ("this
    // invoice") meanwhile: the refusal that tells the user so.
    static QString recordGoneText(const QString &what);
    static QString recordChangedText(const QString &thisRecord);

    // The id the server gave this connection's last inserted row; 0, and the save
    // failed, when it cannot be read.
    int lastInsertId();

    // Commits; false when any step failed (all rolled back) or the commit itself failed.
    bool commit();

    bool failed() const { return hasFailed; }
    // The server's text and number of the first failure; empty and 0 while none.
    QString errorText() const { return errorText_; }
    int errorNumber() const { return errorNumber_; }
    // What to tell the user of the failure: a refusal of failWith() in its own words, a
    // server's error under `serverFailed` ("Insert failed") with the server's text.
    QString failureText(const QString &serverFailed) const;

private:
    void fail(const QSqlError &error);

    QSqlDatabase db;
    bool open = false;
    bool hasFailed = false;
    bool refused = false; // the failure is a refusal of failWith()
    QString errorText_;
    int errorNumber_ = 0;
};

// The record that an editor's latest successful save added, which the "<Add New>" entry
// that opened the editor chooses:
//
//     save.execRecord(query, stored, unitId);
//     added.read(save, unitId);
//     if (!added.commit(save)) ...
//     int addedId() const { return added.id(); }
class cAddedRecord
{
public:
    // Within `save`, right after the insert of a new record (`storedId` 0): reads and returns
    // the id the server gave it; 0 for a stored record. A failed read fails the save.
    int read(cDbSave &save, int storedId = 0);
    // Commits `save`; once it is committed, the record read before is the one added.
    bool commit(cDbSave &save);
    // The record added, 0 while no save has added one.
    int id() const { return added; }

private:
    int pending = 0;
    int added = 0;
};

#endif // DBSAVE_H
