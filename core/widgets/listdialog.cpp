#include "core/widgets/listdialog.h"

#include "core/db/connection.h"
#include "core/widgets/direction.h"
#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlField>
#include <QSqlRecord>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

namespace ListDialog {

namespace {
const int errorRowReferenced = 1451;

class DateFormatDelegate : public DirectionDelegate
{
public:
    using DirectionDelegate::DirectionDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        if (value.type() == QVariant::Date)
            return value.toDate().toString(dateFormat);
        return DirectionDelegate::displayText(value, locale);
    }
};

bool isDateColumn(const QAbstractItemModel *model, int column)
{
    if (const auto *rows = qobject_cast<const QSqlQueryModel *>(model))
        return rows->record().field(column).type() == QVariant::Date;
    return model->rowCount() > 0 && model->index(0, column).data().type() == QVariant::Date;
}

// The width of the widest date the view's cells can show: every month and weekday with a
// two-digit day, each digit drawn as the font's widest one.
int widestDateWidth(const QTableView *view)
{
    const QFontMetrics metrics(view->font());
    QChar widestDigit('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    const auto *delegate = qobject_cast<const QStyledItemDelegate *>(view->itemDelegate());
    int widest = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            const QVariant date(QDate(2000, month, day));
            QString text = delegate ? delegate->displayText(date, view->locale()) : date.toString();
            for (QChar &character : text)
                if (character.isDigit())
                    character = widestDigit;
            widest = qMax(widest, metrics.horizontalAdvance(text));
        }
    }
    // The style's margins on either side of a cell's text, the grid line and a pixel to
    // spare, as the amount columns are measured.
    return widest + 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 2;
}
}

QSqlQueryModel *replaceModel(QAbstractItemView *view, std::unique_ptr<QSqlQueryModel> &model, const QString &sql,
                             const QVariantMap &values, QSql::NumericalPrecisionPolicy precision)
{
    auto fresh = std::make_unique<QSqlQueryModel>();
    QSqlQuery query(liveDefaultConnection());
    query.setNumericalPrecisionPolicy(precision);
    bool ran;
    if (values.isEmpty()) {
        ran = query.exec(sql);
    } else {
        query.prepare(sql);
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            query.bindValue(value.key(), value.value());
        ran = query.exec();
    }
    fresh->setQuery(query);
    // The view lets go of the old model before it is deleted, so it never paints a
    // model that is gone.
    view->setModel(fresh.get());
    Direction::applyTo(view);
    model = std::move(fresh);
    // An empty list would read as nothing stored.
    if (!ran)
        FailedReads::tell(view->window(), failureOf(query));
    return model.get();
}

QVariantMap flagWords()
{
    return {{QStringLiteral(":true"), QCoreApplication::translate("ListDialog", "True")},
            {QStringLiteral(":false"), QCoreApplication::translate("ListDialog", "False")}};
}

void showDatesInDateFormat(QAbstractItemView *view)
{
    view->setItemDelegate(new DateFormatDelegate(view));
}

void fitColumnsToContents(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    header->setResizeContentsPrecision(100);
    view->resizeColumnsToContents();
    // A view that is not shown yet fits its columns to their cells alone: each header is to
    // read whole too.
    int dateWidth = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        int width = qMax(view->columnWidth(column), header->sectionSizeHint(column));
        if (isDateColumn(view->model(), column)) {
            if (dateWidth == 0)
                dateWidth = widestDateWidth(view);
            width = qMax(width, dateWidth);
        }
        view->setColumnWidth(column, width);
    }
}

QString deleteQuestion(const QString &what, const QString &name)
{
    // msgDelete, translated.
    if (what.isEmpty() && name.isEmpty())
        return QCoreApplication::translate("ListDialog", "Delete ");
    const Qt::LayoutDirection direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    const QString shownName = Direction::of(name) == direction ? name : Direction::isolated(name);
    if (what.isEmpty())
        return QCoreApplication::translate("ListDialog", "Delete %1").arg(shownName);
    return QCoreApplication::translate("ListDialog", "Delete %1%2").arg(what, shownName);
}

QVariant currentValue(const QAbstractItemView *view, int column)
{
    const QModelIndex current = view->currentIndex();
    // A row the user has deselected with Ctrl+click keeps the focus frame but is no
    // longer the user's choice.
    if (!current.isValid() || !view->selectionModel()
        || !view->selectionModel()->isRowSelected(current.row(), current.parent()))
        return QVariant();
    return current.sibling(current.row(), column).data();
}

QVariant currentValueOrTell(QWidget *parent, const QAbstractItemView *view, int column, const QString &message)
{
    const QVariant value = currentValue(view, column);
    if (!value.isValid())
        Messages::information(parent, msgCaption, message);
    return value;
}

bool confirmAndDelete(QWidget *parent, const QString &question, const QString &deleteSql, const QVariant &id,
                      const QString &referencesSql)
{
    if (Messages::question(parent, msgCaption, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    cDbSave save;
    if (!referencesSql.isEmpty()) {
        // Read in the delete's transaction: a check that locks what it reads (LOCK IN
        // SHARE MODE) makes a reference another user adds meanwhile wait for the delete.
        QSqlQuery references = save.prepare(referencesSql);
        references.bindValue(QStringLiteral(":id"), id);
        if (save.exec(references) && references.next()) {
            Messages::critical(parent, msgCaption, msgRecordReferenced);
            return false;
        }
    }
    QSqlQuery query = save.prepare(deleteSql);
    query.bindValue(QStringLiteral(":id"), id);
    save.exec(query);
    if (save.commit())
        return true;
    if (save.errorNumber() == errorRowReferenced)
        Messages::critical(parent, msgCaption, msgRecordReferenced);
    else
        Messages::critical(parent, msgCaption, save.failureText(msgDeleteFailed));
    return false;
}

} // namespace ListDialog

cListTable::cListTable() = default;

cListTable::~cListTable() = default;

void cListTable::attach(QTableView *table, const QList<int> &hiddenColumns)
{
    view = table;
    hidden = hiddenColumns;
    ListDialog::showDatesInDateFormat(view);
    Direction::openWideEnoughFor(view->window(), view);
}

void cListTable::showAmounts(const QList<int> &amounts, const QList<int> &yielding)
{
    amountColumns = amounts;
    yieldingColumns = yielding;
}

bool cListTable::load(const QString &sql, const QStringList &headers, const QVariantMap &values)
{
    // The server's exact text of a DECIMAL keeps its two decimals: a double would show
    // 209.30 as "209.3" beside totals of "150.00".
    QSqlQueryModel *model = ListDialog::replaceModel(view, rows, sql, values, QSql::HighPrecision);
    int header = 0;
    for (int column = 0; column < model->columnCount() && header < headers.size(); ++column)
        if (!hidden.contains(column))
            model->setHeaderData(column, Qt::Horizontal, headers.at(header++));
    for (int column : hidden)
        view->hideColumn(column);
    ListDialog::fitColumnsToContents(view);
    if (!amountColumns.isEmpty())
        Direction::showAmountColumns(view, amountColumns, yieldingColumns);
    return model->query().isActive();
}

int cListTable::rowCount() const
{
    return rows ? rows->rowCount() : 0;
}

QVariant cListTable::currentValue(int column) const
{
    return ListDialog::currentValue(view, column);
}

QVariant cListTable::currentIdOrTell(QWidget *parent, const QString &message) const
{
    return ListDialog::currentValueOrTell(parent, view, 0, message);
}

bool cListTable::selectFirstRow()
{
    if (rowCount() == 0)
        return false;
    view->setCurrentIndex(rows->index(0, 0));
    return true;
}

bool cListTable::deleteCurrent(QWidget *parent, const QString &deleteSql, const QString &question,
                               const QString &referencesSql)
{
    const QVariant id = currentIdOrTell(parent, msgSelectItemToDelete);
    return id.isValid()
           && ListDialog::confirmAndDelete(parent, question.isEmpty() ? ListDialog::deleteQuestion() : question,
                                           deleteSql, id, referencesSql);
}

bool cListTable::pickCurrent(QDialog *list, int &pickedId)
{
    const QVariant id = currentIdOrTell(list, msgSelectItemToEdit);
    if (!id.isValid())
        return false;
    pickedId = id.toInt();
    list->accept();
    return true;
}
