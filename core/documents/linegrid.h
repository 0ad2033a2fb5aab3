#ifndef LINEGRID_H
#define LINEGRID_H

#include "core/db/money.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>

#include <functional>

class cDbSave;
class cLineDelegate;
class QSqlQuery;
class QStandardItem;
class QStandardItemModel;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// The statements that write the lines of a saved record. `update` and `remove` address a
// stored line by ":id"; `insert` gets `parentId` bound to `parentPlaceholder` (the
// record the lines belong to), and every statement but `remove` is bound by the caller's
// binder for the line's own values.
struct LineStatements
{
    QString insert;
    QString update;
    QString remove;
    QString parentPlaceholder;
    QVariant parentId;
};

// The values of one line, bound by their placeholders as on a query; a placeholder
// nothing was bound to is NULL.
class LineValues
{
public:
    void bindValue(const QString &placeholder, const QVariant &value) { values.insert(placeholder, value); }
    QVariant value(const QString &placeholder) const { return values.value(placeholder); }
    // Binds every value to `query` by its placeholder.
    void bindTo(QSqlQuery &query) const;

private:
    QHash<QString, QVariant> values;
};

// Gives the values of the line in `row` for its insert or its update.
using LineBinder = std::function<void(LineValues &line, int row)>;

// What a save must write of a grid: every line by its row, the stored id of each (an
// invalid QVariant for a line typed since the load), which stored lines changed, and the
// stored lines removed since the load.
struct LineChanges
{
    int lineCount = 0;
    std::function<QVariant(int row)> storedId;
    std::function<bool(int row)> changed;
    QList<QVariant> removedIds;
};

// Updates the changed lines, inserts the new ones and deletes the removed ones inside
// `save`. New lines go in together, many to a statement, in the order of their rows:
// `insert` must end in its VALUES list. An update or delete of a line that another user
// removed meanwhile fails the save, as does any failed statement; false then, and
// nothing of the save is kept.
bool writeLines(cDbSave &save, const LineStatements &sql, const LineChanges &lines, const LineBinder &bind);

// The lines of a saved record in a table view over a QStandardItemModel, with the empty
// trailing row that receives the next item where the grid has one. Values are read from
// the edit role, never from what a cell shows; amounts become Money.
class cLineGrid : public QObject
{
    Q_OBJECT

public:
    // Columns of the model that the grid computes with; -1 where the grid has none.
    struct Columns
    {
        int id = -1;        // the stored line's id, empty for a new line
        int quantity = -1;
        int unitPrice = -1;
        int discount = -1;  // an amount for the whole line
        int tax = -1;       // an amount for the whole line
        int total = -1;     // the line price, written by recalculate()
        int unitId = -1;    // a change of unit asks unitChanged() for the line's price
        int name = -1;      // what names a line in a message
    };
    enum TrailingRow { NoTrailingRow, WithTrailingRow };
    // A cell whose value the user typed holds true in this role.
    static const int typedRole = Qt::UserRole + 1;

    // Watches `model` (which must outlive the grid) and gives it its trailing row.
    cLineGrid(QStandardItemModel *model, const Columns &columns, TrailingRow trailing, QObject *parent = nullptr);

    QStandardItemModel *model() const { return itemsModel; }
    // The rows that are lines: all rows but the trailing one.
    int lineCount() const;
    bool isLine(int row) const { return row >= 0 && row < lineCount(); }
    // A change the window should answer with a recalculation: in a line, and made neither
    // by the recalculation itself nor while a choice is tried.
    bool isLineChange(const QStandardItem *item) const;

    QVariant value(int row, int column) const;
    // Writes only a value that differs, so that settled cells report no change.
    void setValue(int row, int column, const QVariant &value);
    Money amount(int row, int column) const;
    double number(int row, int column) const;
    bool isTyped(int row, int column) const;

    // Whether `typed` may go into the cell at `row`, `column`: false, after telling over
    // `parent` which field it was, when with it the line's price would be more than its
    // column holds, or the subtotal more than the document's fields show, and further past
    // either than before. The cell itself is left as it was.
    bool acceptsTyped(int row, int column, const QVariant &typed, QWidget *parent);
    // Makes a choice the user made in the cell at `row`, `column` (a unit, a price type),
    // shown as `chosen`, which `choose` writes. The line is first re-priced as the choice
    // re-prices it, unseen by the window: where the line or the subtotal would then come
    // past their limits as acceptsTyped() judges them, the line keeps every value it had
    // and the refusal is told over `parent` as for a typed value; false then.
    bool acceptsChoice(int row, int column, const QString &chosen, const std::function<void()> &choose,
                       QWidget *parent);
    // Has `delegate` ask acceptsTyped() before it writes a number the user typed, and make
    // the user's choices through acceptsChoice().
    void keepWithinLimits(cLineDelegate *delegate, QWidget *parent);

    // Unit price × quantity (rounded once) − discount + tax; an empty cell counts as 0.
    // A grid whose lines are priced otherwise gives its own.
    virtual Money lineTotal(int row) const;
    // Runs `refreshLine` on every line (a price lookup, say), writes each line's total and
    // returns the subtotal. Called again while it runs (through a change it made itself),
    // it returns at once with the subtotal it last finished with.
    Money recalculate(const std::function<void(int row)> &refreshLine = {});

    // Fills a new line through `fill` (in the trailing row, emptied first, where changes
    // start no recalculation), then gives the grid a new trailing row; returns the line's row.
    int addLine(const std::function<void(int row)> &fill);
    // Removes a line, remembering its stored id for the save; false for the trailing row
    // or a row that is not there.
    bool removeLine(int row);
    // Asks over `parent` whether the line at `row` goes, naming it by its `nameColumn`, and
    // removes it on Yes; false otherwise, and for a row that is no line.
    bool askAndRemoveLine(QWidget *parent, int row, int nameColumn);
    // No lines any more, nothing removed, nothing changed: a new record's empty grid.
    void clear();

    // A cell every line must have filled before a save, and what is said of a line that
    // has not: "Line %1 (%2) has no ...", with the line's number and name.
    struct RequiredCell
    {
        int column;
        QString missing;
    };
    static QString noUnitText();
    // Before a save: tells over `parent` the first line that lacks one of `required`, or
    // whose price is more than the line's DECIMAL(10,2) column holds, naming it by its
    // number and its `nameColumn`; false then.
    bool checkLines(QWidget *parent, int nameColumn, const QList<RequiredCell> &required) const;

    QVariant storedId(int row) const;
    QList<QVariant> removedIds() const { return removed; }
    // What is shown is what is stored: after a load, or a save the grid stays on.
    virtual void markStored();

    bool write(cDbSave &save, const LineStatements &sql, const LineBinder &bind) const;

signals:
    // Every line's total is written: the moment to fit what shows them.
    void recalculated();

protected:
    // The user chose another unit for the line at `row`: a grid whose prices depend on the
    // unit prices the line afresh.
    virtual void unitChanged(int) {}
    // A choice was just made in the line at `row` (a unit, a price type), which the window
    // has not yet recalculated: a grid whose window re-prices lines at each recalculation
    // prices the line as it will.
    virtual void repriceChoice(int) {}

private slots:
    void noteChange(QStandardItem *item);

private:
    void appendTrailingRow();
    Money subtotal() const;
    // Whether a line and the subtotal, were they `line` and `subtotal` where they were
    // `lineBefore` and `subtotalBefore`, stay within what they hold or come back towards it.
    static bool withinLimits(Money line, Money lineBefore, Money subtotal, Money subtotalBefore);
    void tellRefused(int row, int column, const QString &value, QWidget *parent) const;

    QStandardItemModel *itemsModel;
    Columns columns;
    bool hasTrailingRow;
    bool recalculating = false;
    bool tryingChoice = false;
    bool undoingChoice = false;
    Money lastSubtotal;
    QSet<QString> changedIds;
    QList<QVariant> removed;
};

// The same for grids that stay a QTableWidget: the stored id sits in the data of the
// row's id cell, the row's change mark beside it, amounts in the data of their cells.
namespace TableLines {

void setStoredId(QTableWidget *table, int row, int idColumn, const QVariant &id);
QVariant storedId(const QTableWidget *table, int row, int idColumn);
// Marks a stored line as edited, so the save updates it.
void markChanged(QTableWidget *table, int row, int idColumn);

// A cell showing `value` as text, with the value itself in its data.
QTableWidgetItem *valueItem(const QVariant &value);
// A cell showing `amount` in its shortest form, aligned to the end of the line, with
// the amount itself in its data.
QTableWidgetItem *amountItem(Money amount);
Money amount(const QTableWidget *table, int row, int column);
QVariant data(const QTableWidget *table, int row, int column);

bool write(cDbSave &save, const QTableWidget *table, int idColumn, const QList<QVariant> &removedIds,
           const LineStatements &sql, const LineBinder &bind);

} // namespace TableLines

#endif // LINEGRID_H
