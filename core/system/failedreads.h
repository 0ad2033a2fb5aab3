#ifndef FAILEDREADS_H
#define FAILEDREADS_H

#include <QString>

class QSqlError;
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

// While one lives, the reads belong to one action and only the first failure is told.
// Actions nest: the outermost one decides.
class Action
{
public:
    Action();
    ~Action();
    Action(const Action &) = delete;
    Action &operator=(const Action &) = delete;
};

} // namespace FailedReads

#endif // FAILEDREADS_H
