#include "core/documents/linegrid.h"

#include "core/db/dbsave.h"
#include "core/documents/linedelegate.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QPointer>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStringList>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVector>

#include <cstdlib>

namespace {
const QString idPlaceholder = QStringLiteral(":id");

// Where a QTableWidget line keeps what is not for the eye.
const int valueRole = Qt::UserRole;
const int changedRole = Qt::UserRole + 1;

bool isEmptyValue(const QVariant &value)
{
    return !value.isValid() || value.isNull() || value.toString().isEmpty();
}

// `statement` run in strict mode. A server not in strict mode refuses a NULL in a NOT NULL
// column when one line is inserted, but stores the column's default with only a warning
// when many are, or when a line is updated. Lines are written strictly: a line the server
// cannot store as it is fails the save, and none is stored altered (cut short, or brought
// into its column's range).
QString strictly(const QString &statement)
{
    return QStringLiteral("SET STATEMENT sql_mode = 'STRICT_ALL_TABLES,NO_ENGINE_SUBSTITUTION' FOR ") + statement;
}

// A 100-line document goes in with one statement; a much longer one in a few, each far
// below the server's limits on placeholders and packet size.
const int linesPerInsert = 250;

// `insert` made to write `count` lines at once: its VALUES list repeated, with positional
// placeholders; `names` gets the list's placeholders in their order. Each line sent apart
// would cost the driver two round trips to the server.
QString manyLinesInsert(const QString &insert, int count, QStringList *names)
{
    static const QRegularExpression valuesList(QStringLiteral("\\bvalues\\s*(\\(.*\\))\\s*$"),
                                               QRegularExpression::CaseInsensitiveOption
                                                   | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression placeholder(QStringLiteral(":[A-Za-z_]\\w*"));
    const QRegularExpressionMatch list = valuesList.match(insert);
    Q_ASSERT_X(list.hasMatch(), "manyLinesInsert", qPrintable(insert));
    QString oneLine = list.captured(1);
    names->clear();
    QRegularExpressionMatchIterator found = placeholder.globalMatch(oneLine);
    while (found.hasNext())
        *names << found.next().captured();
    oneLine.replace(placeholder, QStringLiteral("?"));
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << oneLine;
    return strictly(insert.left(list.capturedStart(1)) + lines.join(QStringLiteral(", ")));
}

void insertLines(cDbSave &save, const LineStatements &sql, const QList<int> &rows, const LineBinder &bind)
{
    QStringList names;
    QSqlQuery insert;
    int preparedFor = 0;
    for (int first = 0; first < rows.size() && !save.failed(); first += linesPerInsert) {
        const int count = qMin(linesPerInsert, rows.size() - first);
        if (count != preparedFor) {
            insert = save.prepare(manyLinesInsert(sql.insert, count, &names));
            preparedFor = count;
        }
        int position = 0;
        for (int i = first; i < first + count; ++i) {
            LineValues line;
            if (!sql.parentPlaceholder.isEmpty())
                line.bindValue(sql.parentPlaceholder, sql.parentId);
            bind(line, rows.at(i));
            for (const QString &name : qAsConst(names))
                insert.bindValue(position++, line.value(name));
        }
        save.exec(insert);
    }
}
} // namespace

void LineValues::bindTo(QSqlQuery &query) const
{
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        query.bindValue(value.key(), value.value());
}

bool writeLines(cDbSave &save, const LineStatements &sql, const LineChanges &lines, const LineBinder &bind)
{
    // Prepared when a line needs it: a new document has none to update, and a grid whose
    // lines are never edited in place has no update.
    QSqlQuery update;
    bool updatePrepared = false;
    QList<int> newRows;
    for (int row = 0; row < lines.lineCount && !save.failed(); ++row) {
        const QVariant id = lines.storedId(row);
        if (!id.isValid()) {
            newRows << row;
        } else if (!sql.update.isEmpty() && lines.changed(row)) {
            if (!updatePrepared) {
                update = save.prepare(strictly(sql.update));
                updatePrepared = true;
            }
            LineValues line;
            bind(line, row);
            line.bindTo(update);
            update.bindValue(idPlaceholder, id);
            save.execOnStored(update);
        }
    }
    insertLines(save, sql, newRows, bind);
    if (!lines.removedIds.isEmpty()) {
        QSqlQuery removal = save.prepare(sql.remove);
        for (const QVariant &id : lines.removedIds) {
            if (save.failed())
                break;
            removal.bindValue(idPlaceholder, id);
            save.execOnStored(removal);
        }
    }
    return !save.failed();
}

cLineGrid::cLineGrid(QStandardItemModel *model, const Columns &columns, TrailingRow trailing, QObject *parent)
    : QObject(parent), itemsModel(model), columns(columns), hasTrailingRow(trailing == WithTrailingRow)
{
    connect(itemsModel, &QStandardItemModel::itemChanged, this, &cLineGrid::noteChange);
    if (hasTrailingRow && itemsModel->rowCount() == 0)
        appendTrailingRow();
}

int cLineGrid::lineCount() const
{
    return qMax(0, itemsModel->rowCount() - (hasTrailingRow ? 1 : 0));
}

bool cLineGrid::isLineChange(const QStandardItem *item) const
{
    return item && !recalculating && !tryingChoice && isLine(item->row());
}

QVariant cLineGrid::value(int row, int column) const
{
    if (column < 0)
        return QVariant();
    return itemsModel->data(itemsModel->index(row, column), Qt::EditRole);
}

void cLineGrid::setValue(int row, int column, const QVariant &value)
{
    const QVariant old = this->value(row, column);
    if (old == value && old.type() == value.type())
        return;
    // An empty value into an empty cell changes nothing either, whatever its type.
    if (isEmptyValue(old) && isEmptyValue(value))
        return;
    itemsModel->setData(itemsModel->index(row, column), value, Qt::EditRole);
}

Money cLineGrid::amount(int row, int column) const
{
    return Money::fromDecimal(value(row, column));
}

double cLineGrid::number(int row, int column) const
{
    return value(row, column).toDouble();
}

bool cLineGrid::isTyped(int row, int column) const
{
    return column >= 0 && itemsModel->data(itemsModel->index(row, column), typedRole).toBool();
}

bool cLineGrid::acceptsTyped(int row, int column, const QVariant &typed, QWidget *parent)
{
    if (!isLine(row))
        return true;
    const Money lineBefore = lineTotal(row);
    const Money subtotalBefore = subtotal();
    Money line;
    {
        // The line is priced with the typed value in place, unseen: nothing is told of it
        // and nothing shows it.
        const QSignalBlocker quiet(itemsModel);
        const QModelIndex cell = itemsModel->index(row, column);
        const QVariant shown = value(row, column);
        itemsModel->setData(cell, typed, Qt::EditRole);
        line = lineTotal(row);
        itemsModel->setData(cell, shown, Qt::EditRole);
    }
    if (withinLimits(line, lineBefore, subtotalBefore - lineBefore + line, subtotalBefore))
        return true;
    tellRefused(row, column,
                typed.type() == QVariant::Double ? Money::fromDouble(typed.toDouble()).fixedText() : typed.toString(),
                parent);
    return false;
}

bool cLineGrid::acceptsChoice(int row, int column, const QString &chosen, const std::function<void()> &choose,
                              QWidget *parent)
{
    if (!isLine(row)) {
        choose();
        return true;
    }
    const Money lineBefore = lineTotal(row);
    const Money subtotalBefore = subtotal();
    QVector<QMap<int, QVariant>> cellsBefore;
    for (int cell = 0; cell < itemsModel->columnCount(); ++cell)
        cellsBefore << itemsModel->itemData(itemsModel->index(row, cell));
    const QSet<QString> changedBefore = changedIds;
    {
        // Tried where the window does not see it, re-priced as the window would price it:
        // a window that followed each step would keep traces of the refused one (a deposit
        // that followed the total up would not come back down with it).
        const QScopedValueRollback<bool> trying(tryingChoice, true);
        choose();
        repriceChoice(row);
        if (withinLimits(lineTotal(row), lineBefore, subtotal(), subtotalBefore)) {
            tryingChoice = false;
            // The window recalculates as after any change of the line.
            emit itemsModel->itemChanged(itemsModel->item(row, column));
            return true;
        }
        const QScopedValueRollback<bool> undoing(undoingChoice, true);
        for (int cell = 0; cell < cellsBefore.size(); ++cell) {
            const QModelIndex index = itemsModel->index(row, cell);
            if (itemsModel->itemData(index) == cellsBefore.at(cell))
                continue;
            if (cellsBefore.at(cell).isEmpty())
                itemsModel->clearItemData(index);
            else
                itemsModel->setItemData(index, cellsBefore.at(cell));
        }
        changedIds = changedBefore;
    }
    tellRefused(row, column, chosen, parent);
    return false;
}

void cLineGrid::keepWithinLimits(cLineDelegate *delegate, QWidget *parent)
{
    const QPointer<cLineGrid> grid(this);
    delegate->setNumberCheck([grid, parent](const QModelIndex &index, const QVariant &typed) {
        return !grid || grid->acceptsTyped(index.row(), index.column(), typed, parent);
    });
    delegate->setChoiceCheck(
        [grid, parent](const QModelIndex &index, const QString &chosen, const std::function<void()> &choose) {
            if (grid)
                return grid->acceptsChoice(index.row(), index.column(), chosen, choose, parent);
            choose();
            return true;
        });
}

Money cLineGrid::subtotal() const
{
    Money sum;
    for (int row = 0; row < lineCount(); ++row)
        sum += lineTotal(row);
    return sum;
}

bool cLineGrid::withinLimits(Money line, Money lineBefore, Money subtotal, Money subtotalBefore)
{
    // A document already past its limit (list prices that rose, a stored line that no
    // longer fits) may still be brought back within it, a step at a time.
    // A line is stored in a DECIMAL(10,2) column; the subtotal is shown in a field of 12
    // digits, and one too large for its column is refused by name when saved.
    const auto holds = [](Money after, Money before, int precision) {
        return after.fitsDecimal(precision) || std::llabs(after.cents()) <= std::llabs(before.cents());
    };
    return holds(line, lineBefore, 10) && holds(subtotal, subtotalBefore, 12);
}

void cLineGrid::tellRefused(int row, int column, const QString &value, QWidget *parent) const
{
    Messages::critical(parent, msgCaption,
                       tr("%1 %2 is refused: with it, line %3 (%4) would come to more than the document can hold.")
                           .arg(itemsModel->headerData(column, Qt::Horizontal).toString(), Direction::isolated(value),
                                QString::number(row + 1),
                                Direction::isolated(this->value(row, columns.name).toString())));
}

Money cLineGrid::lineTotal(int row) const
{
    return amount(row, columns.unitPrice).times(number(row, columns.quantity)) - amount(row, columns.discount)
           + amount(row, columns.tax);
}

Money cLineGrid::recalculate(const std::function<void(int row)> &refreshLine)
{
    if (recalculating)
        return lastSubtotal;
    recalculating = true;
    Money subtotal;
    for (int row = 0; row < lineCount(); ++row) {
        if (refreshLine)
            refreshLine(row);
        const Money line = lineTotal(row);
        if (columns.total >= 0)
            setValue(row, columns.total, line.toDouble());
        subtotal += line;
    }
    recalculating = false;
    lastSubtotal = subtotal;
    emit recalculated();
    return subtotal;
}

int cLineGrid::addLine(const std::function<void(int row)> &fill)
{
    if (!hasTrailingRow)
        appendTrailingRow();
    const int row = itemsModel->rowCount() - 1;
    // What was typed into the empty row is no part of the line: a price typed there would
    // stay marked as typed, and no unit change would re-price the line.
    for (int column = 0; column < itemsModel->columnCount(); ++column)
        itemsModel->clearItemData(itemsModel->index(row, column));
    fill(row);
    if (hasTrailingRow)
        appendTrailingRow();
    return row;
}

bool cLineGrid::removeLine(int row)
{
    if (!isLine(row))
        return false;
    const QVariant id = storedId(row);
    if (id.isValid()) {
        removed.append(id);
        changedIds.remove(id.toString());
    }
    itemsModel->removeRow(row);
    return true;
}

bool cLineGrid::askAndRemoveLine(QWidget *parent, int row, int nameColumn)
{
    if (!isLine(row))
        return false;
    if (Messages::question(parent, msgCaption, ListDialog::deleteQuestion(QString(), value(row, nameColumn).toString()),
                           QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    return removeLine(row);
}

QString cLineGrid::noUnitText()
{
    return tr("Line %1 (%2) has no unit of measure. Choose one before saving.");
}

bool cLineGrid::checkLines(QWidget *parent, int nameColumn, const QList<RequiredCell> &required) const
{
    for (int row = 0; row < lineCount(); ++row) {
        QString problem;
        for (const RequiredCell &cell : required) {
            if (value(row, cell.column).toString().isEmpty()) {
                problem = cell.missing;
                break;
            }
        }
        if (problem.isEmpty() && !lineTotal(row).fitsDecimal10())
            problem = tr("The price of line %1 (%2) is larger than a line can hold.");
        // A discount beyond what the units cost would make the line a payment to the
        // partner.
        if (problem.isEmpty() && columns.discount >= 0
            && amount(row, columns.discount) > amount(row, columns.unitPrice).times(number(row, columns.quantity)))
            problem = tr("The discount of line %1 (%2) is more than the line's amount.");
        if (!problem.isEmpty()) {
            Messages::critical(parent, msgCaption,
                               problem.arg(QString::number(row + 1), Direction::isolated(value(row, nameColumn).toString())));
            return false;
        }
    }
    return true;
}

void cLineGrid::clear()
{
    itemsModel->removeRows(0, itemsModel->rowCount());
    if (hasTrailingRow)
        appendTrailingRow();
    markStored();
    lastSubtotal = Money();
}

QVariant cLineGrid::storedId(int row) const
{
    const QVariant id = value(row, columns.id);
    return isEmptyValue(id) ? QVariant() : id;
}

void cLineGrid::markStored()
{
    changedIds.clear();
    removed.clear();
}

bool cLineGrid::write(cDbSave &save, const LineStatements &sql, const LineBinder &bind) const
{
    LineChanges lines;
    lines.lineCount = lineCount();
    lines.storedId = [this](int row) { return storedId(row); };
    lines.changed = [this](int row) { return changedIds.contains(storedId(row).toString()); };
    lines.removedIds = removed;
    return writeLines(save, sql, lines, bind);
}

void cLineGrid::noteChange(QStandardItem *item)
{
    if (!item || !isLine(item->row()))
        return;
    const QVariant id = storedId(item->row());
    if (id.isValid())
        changedIds.insert(id.toString());
    // A unit chosen while the window does not see it is priced all the same; one put back
    // has its price put back with it.
    if (item->column() == columns.unitId && !recalculating && !undoingChoice)
        unitChanged(item->row());
}

void cLineGrid::appendTrailingRow()
{
    itemsModel->insertRow(itemsModel->rowCount());
}

namespace TableLines {

namespace {
QTableWidgetItem *cell(QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    return item;
}
}

void setStoredId(QTableWidget *table, int row, int idColumn, const QVariant &id)
{
    QTableWidgetItem *item = cell(table, row, idColumn);
    item->setData(valueRole, id);
    item->setText(id.isValid() ? id.toString() : QString());
    item->setData(changedRole, QVariant());
}

QVariant storedId(const QTableWidget *table, int row, int idColumn)
{
    const QVariant id = data(table, row, idColumn);
    return isEmptyValue(id) ? QVariant() : id;
}

void markChanged(QTableWidget *table, int row, int idColumn)
{
    cell(table, row, idColumn)->setData(changedRole, true);
}

QTableWidgetItem *valueItem(const QVariant &value)
{
    auto *item = new QTableWidgetItem(value.toString());
    item->setData(valueRole, value);
    return item;
}

QTableWidgetItem *amountItem(Money amount)
{
    auto *item = new QTableWidgetItem(amount.shortText());
    item->setData(valueRole, amount.cents());
    item->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    return item;
}

Money amount(const QTableWidget *table, int row, int column)
{
    return Money::fromCents(data(table, row, column).toLongLong());
}

QVariant data(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->data(valueRole) : QVariant();
}

bool write(cDbSave &save, const QTableWidget *table, int idColumn, const QList<QVariant> &removedIds,
           const LineStatements &sql, const LineBinder &bind)
{
    LineChanges lines;
    lines.lineCount = table->rowCount();
    lines.storedId = [=](int row) { return storedId(table, row, idColumn); };
    lines.changed = [=](int row) {
        const QTableWidgetItem *item = table->item(row, idColumn);
        return item && item->data(changedRole).toBool();
    };
    lines.removedIds = removedIds;
    return writeLines(save, sql, lines, bind);
}

} // namespace TableLines
