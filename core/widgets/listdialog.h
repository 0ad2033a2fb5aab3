#ifndef LISTDIALOG_H
#define LISTDIALOG_H

#include "core/system/globals.h"
#include "core/widgets/screenfit.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QAbstractItemView;
class QDialog;
class QTableView;
class QSqlQueryModel;
class QWidget;

// The mechanics every list dialog shares: its query model, its current row and its
// delete. Each window keeps its own slots and widgets and calls these from them.
namespace ListDialog {

// Shows a new model over `sql` in `view` and deletes the one `model` held before; `model`
// then owns the new one, which is also returned. Each named placeholder of `values` is
// bound, so typed text never becomes SQL text. A failed query leaves an empty list and is
// told over the view's window (see FailedReads).
// Column headers and hidden columns are the caller's, set again after every call. The
// view's cells follow the shared direction rule (core/widgets/direction.h). With
// QSql::HighPrecision, DECIMAL columns come as the server's exact text ("1234567.50")
// instead of a double, which a view shows to six digits only.
QSqlQueryModel *replaceModel(QAbstractItemView *view, std::unique_ptr<QSqlQueryModel> &model, const QString &sql,
                             const QVariantMap &values = {},
                             QSql::NumericalPrecisionPolicy precision = QSql::LowPrecisionDouble);

// The placeholders ":true" and ":false" bound to "True" and "False" in the interface's
// language, for a list that shows a flag as a word. The statement casts the word to a
// character column: the driver reads a column made of bound values alone as empty rows.
QVariantMap flagWords();

// Shows the dates of every column in the program's dateFormat, as the date fields do,
// instead of the system's format, keeping the direction rule. The view owns what this
// sets up.
void showDatesInDateFormat(QAbstractItemView *view);

// Sizes the columns to their headers and to the rows near the top. Measuring every row
// of a long list would cost more than reading it from the server, so a date column is
// made as wide as the widest date its cells can show: a later row's "28/12/2026" is not
// cut where the first rows held "1/1/2024".
void fitColumnsToContents(QTableView *view);

// The value in `column` of the view's current row, or an invalid QVariant when no row
// is current and selected.
QVariant currentValue(const QAbstractItemView *view, int column);

// The same value; when there is no current row, an information box with `message`
// (msgSelectItemToEdit, msgSelectItemToDelete) and an invalid QVariant.
QVariant currentValueOrTell(QWidget *parent, const QAbstractItemView *view, int column, const QString &message);

// The question a delete asks, in the interface's language: "Delete " alone, or followed
// by `what` (translated, such as " Sales Invoice No. " or ": ", or nothing) and the
// record's `name`.
// A name that reads the other way than the interface is isolated, so that "Q-12" stays
// one piece at the end of an Arabic question.
QString deleteQuestion(const QString &what = QString(), const QString &name = QString());

// Asks `question` (Yes/No, default No) and on Yes runs `deleteSql` with `:id` bound to
// `id`. True only when the statement ran; false on No, and on a failure after showing
// msgRecordReferenced (error 1451) or msgDeleteFailed, "\n" and the server's text.
// Where no foreign key guards the record, `referencesSql` (`:id` bound) finds a row that
// still refers to it; one found refuses the delete as error 1451 would.
bool confirmAndDelete(QWidget *parent, const QString &question, const QString &deleteSql, const QVariant &id,
                      const QString &referencesSql = QString());

} // namespace ListDialog

// The list of a list window: attached to its table after setupUi, it loads the rows,
// names the current record and runs the commands every list shares. The record id is
// column 0 of the statement and is never shown.
//
//     vendors.attach(ui->tblVendors);
//     vendors.load(sql, {tr("Vendor Name"), tr("Vendor Since"), tr("Notes")});
//     if (vendors.editCurrent<frmVendors>(this)) reload();
class cListTable
{
public:
    cListTable();
    ~cListTable();

    // Shows the lists in `view`, dates in dateFormat. `hiddenColumns` are the columns of
    // every statement that the user never sees, the id column 0 among them. The view's
    // window opens wide enough for the columns of the first list, where the screen allows.
    void attach(QTableView *view, const QList<int> &hiddenColumns = {0});

    // Every list loaded from now on shows `amounts` as amount columns, at the end of the
    // line and whole; the `yielding` text columns give way first where room lacks.
    void showAmounts(const QList<int> &amounts, const QList<int> &yielding);

    // Shows the rows of `sql`, with each named placeholder of `values` bound, and gives
    // the shown columns, in their order, the `headers`; the columns are fitted to the
    // first rows. Amounts show as the server keeps them, with their two decimals. False
    // when the statement failed, which leaves the list empty and is told.
    bool load(const QString &sql, const QStringList &headers, const QVariantMap &values = {});

    int rowCount() const;

    // The id of the current row, or an invalid QVariant when no row is current and
    // selected; the same for any other column of it.
    QVariant currentId() const { return currentValue(0); }
    QVariant currentValue(int column) const;

    // The current id; when there is none, an information box with `message` and an
    // invalid QVariant.
    QVariant currentIdOrTell(QWidget *parent, const QString &message) const;

    // Makes the first row the current one; false when the list is empty.
    bool selectFirstRow();

    // Edit: runs `Editor` modally for the current record, or tells the user to select
    // one. True when the editor ran, since it may have saved: the caller reloads.
    template <class Editor>
    bool editCurrent(QWidget *parent)
    {
        const QVariant id = currentIdOrTell(parent, msgSelectItemToEdit);
        return id.isValid() && runEditor<Editor>(id.toInt());
    }

    // New: runs `Editor` modally for a new record (id 0). Always true: reload.
    template <class Editor>
    bool addNew(QWidget *)
    {
        return runEditor<Editor>(0);
    }

    // Delete: tells the user to select a row, or asks `question` (by default the bare
    // ListDialog::deleteQuestion()) and runs `deleteSql` with `:id` bound to the current
    // id, refused while `referencesSql` finds a row (see ListDialog::confirmAndDelete).
    // True only when the record was deleted: the caller reloads.
    bool deleteCurrent(QWidget *parent, const QString &deleteSql, const QString &question = QString(),
                       const QString &referencesSql = QString());

    // The pick of a list that also serves as a picker: stores the current id in
    // `pickedId` and accepts `list`; with no current row, tells the user to select one.
    bool pickCurrent(QDialog *list, int &pickedId);

private:
    // Editors are built without a parent: their own window flags would otherwise make
    // them a part of the list's window instead of a dialog of their own.
    template <class Editor>
    static bool runEditor(int id)
    {
        Editor editor(nullptr, id);
        ScreenFit::exec(editor);
        return true;
    }

    QTableView *view = nullptr;
    QList<int> hidden;
    QList<int> amountColumns;
    QList<int> yieldingColumns;
    std::unique_ptr<QSqlQueryModel> rows;
};

#endif // LISTDIALOG_H
