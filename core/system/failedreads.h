#ifndef FAILEDREADS_H
#define FAILEDREADS_H

#include <QSqlError>
#include <QString>

class QSqlQuery;
class QWidget;

// A read that failed is told, never shown as an empty list or as a figure: msgSelectFailed,
// a line break and the server's text. One user action that reads several lists (the main
// window's panels, a refresh of two of them) tells its first failure alone: a server that
// is gone fails every read of it, and one box says all there is to say.
namespace FailedReads {

// Tells `error` over `parent`; nothing when it is no error, or when the action in progress
// has told a failure already.
void tell(QWidget *parent, const QSqlError &error);

// The same for a failure told by its own text as it stands (a connection that did not open).
void tellText(QWidget *parent, const QString &text);

// Tells `error` as tell() does, over `widget`'s window, and remembers on `widget` whether
// its latest read ran (a list, the record a window shows), for readWhole(). Returns `error`.
QSqlError noteRead(QWidget *widget, const QSqlError &error);

// For a window that New has emptied: the failed read of the record it showed, noted on
// the window itself, no longer refuses a save. Lists noted on its widgets still do.
void forgetRecordRead(QWidget *window);

// Runs the prepared `query`; a failure is told over `window` as tell() tells it, and false.
bool execOrTell(QSqlQuery &query, QWidget *window);

// Runs the prepared `query` and notes on `widget`, as noteRead does, whether it ran; false
// when it did not.
bool execNoted(QWidget *widget, QSqlQuery &query);

// Before a save: true when the latest noted read of `window` and of each of its widgets ran.
// Otherwise tells that nothing is saved, with the server's text of a failure, and returns
// false: a list that did not load offers no entry, a record that did not load shows blanks,
// and a save would store them over the record.
bool readWhole(QWidget *window);

// While one lives, the reads belong to one action and only the first failure is told.
// Actions nest: the outermost one decides.
class Action
{
public:
    Action();
    ~Action();
    // True once a failure has been told since the outermost action began.
    bool told() const;
    Action(const Action &) = delete;
    Action &operator=(const Action &) = delete;
};

} // namespace FailedReads

#endif // FAILEDREADS_H
