#ifndef LISTDIALOG_H
#define LISTDIALOG_H

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QAbstractItemView;
class QTableView;
class QSqlQueryModel;
class QWidget;

// The mechanics every list dialog shares: its query model, its current row and its
// delete. Each window keeps its own slots and widgets and calls these from them.
namespace ListDialog {

// Shows a new model over `sql` in `view` and deletes the one `model` held before; `model`
// then owns the new one, which is also returned. Each named placeholder of `values` is
// bound, so typed text never becomes SQL text. A failed query leaves an empty list.
// Column headers and hidden columns are the caller's, set again after every call. The
// view's cells follow the shared direction rule (core/direction.h).
QSqlQueryModel *replaceModel(QAbstractItemView *view, std::unique_ptr<QSqlQueryModel> &model, const QString &sql,
                             const QVariantMap &values = {});

// Shows the dates of every column in the program's dateFormat, as the date fields do,
// instead of the system's format, keeping the direction rule. The view owns what this
// sets up.
void showDatesInDateFormat(QAbstractItemView *view);

// Sizes the columns to their headers and to the rows near the top. Measuring every row
// of a long list would cost more than reading it from the server.
void fitColumnsToContents(QTableView *view);

// The value in `column` of the view's current row, or an invalid QVariant when no row
// is current and selected.
QVariant currentValue(const QAbstractItemView *view, int column);

// The same value; when there is no current row, an information box with `message`
// (msgSelectItemToEdit, msgSelectItemToDelete) and an invalid QVariant.
QVariant currentValueOrTell(QWidget *parent, const QAbstractItemView *view, int column, const QString &message);

// Asks `question` (Yes/No, default No) and on Yes runs `deleteSql` with `:id` bound to
// `id`. True only when the statement ran; false on No, and on a failure after showing
// msgRecordReferenced (error 1451) or msgDeleteFailed, "\n" and the server's text.
bool confirmAndDelete(QWidget *parent, const QString &question, const QString &deleteSql, const QVariant &id);

} // namespace ListDialog

#endif // LISTDIALOG_H
