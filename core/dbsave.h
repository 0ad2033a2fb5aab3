#ifndef DBSAVE_H
#define DBSAVE_H

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

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
//     if (!save.commit()) Messages::critical(this, msgCaption, msgInsertFailed + "\n" + save.errorText());
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

    // The id the server gave this connection's last inserted row; 0, and the save
    // failed, when it cannot be read.
    int lastInsertId();

    // Commits; false when any step failed (all rolled back) or the commit itself failed.
    bool commit();

    bool failed() const { return hasFailed; }
    // The server's text and number of the first failure; empty and 0 while none.
    QString errorText() const { return errorText_; }
    int errorNumber() const { return errorNumber_; }

private:
    void fail(const QSqlError &error);

    QSqlDatabase db;
    bool open = false;
    bool hasFailed = false;
    QString errorText_;
    int errorNumber_ = 0;
};

#endif // DBSAVE_H
