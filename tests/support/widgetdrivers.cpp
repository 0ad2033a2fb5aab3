#include "tests/support/widgetdrivers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QtTest>

namespace {
// The widget, or a failed test and nullptr.
template <class Widget>
Widget *found(QWidget *window, const QString &name)
{
    auto *widget = window->findChild<Widget *>(name);
    if (!widget)
        QTest::qFail(qPrintable(QStringLiteral("no %1 in %2").arg(name, window->objectName())), __FILE__, __LINE__);
    return widget;
}
}

void click(QWidget *window, const char *button)
{
    if (auto *widget = found<QAbstractButton>(window, button))
        QTest::mouseClick(widget, Qt::LeftButton);
}

QComboBox *combo(QWidget *window, const char *name)
{
    return found<QComboBox>(window, name);
}

QLineEdit *edit(QWidget *window, const QString &name)
{
    return found<QLineEdit>(window, name);
}

void choose(QComboBox *box, const QString &entry)
{
    const int index = box->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QStringList comboTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QString text(QWidget *window, const char *name)
{
    QWidget *widget = window->findChild<QWidget *>(name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    return QStringLiteral("<no %1>").arg(name);
}

void type(QLineEdit *line, const QString &text)
{
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(line, text);
    else
        line->insert(text);
}

void type(QWidget *window, const char *field, const QString &text)
{
    if (QLineEdit *line = edit(window, field))
        type(line, text);
}

QTableView *table(QWidget *list)
{
    const QList<QTableView *> tables = list->findChildren<QTableView *>();
    if (tables.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("%1 tables in %2").arg(tables.size()).arg(list->objectName())),
                     __FILE__, __LINE__);
        return nullptr;
    }
    return tables.first();
}

void chooseRow(QWidget *list, const QVariant &shown, int column)
{
    QTableView *view = table(list);
    QVERIFY(view);
    QAbstractItemModel *model = view->model();
    const QModelIndexList rows = model->match(model->index(0, column), Qt::DisplayRole, shown, 1, Qt::MatchExactly);
    QVERIFY2(!rows.isEmpty(), qPrintable(shown.toString()));
    view->selectRow(rows.first().row());
}

void doubleClickRow(QTableView *view, int row)
{
    int column = 0;
    while (column < view->model()->columnCount() && view->isColumnHidden(column))
        ++column;
    const QModelIndex cell = view->model()->index(row, column);
    QVERIFY2(cell.isValid(), qPrintable(QStringLiteral("no row %1").arg(row)));
    view->scrollTo(cell);
    const QPoint point = view->visualRect(cell).center();
    // A real double click starts with a click, which makes the row the current one.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

QStringList shownRows(const QTableView *view)
{
    QStringList rows;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (view->isColumnHidden(column))
                continue;
            const auto *delegate = qobject_cast<QStyledItemDelegate *>(view->itemDelegateForColumn(column));
            if (!delegate)
                delegate = qobject_cast<QStyledItemDelegate *>(view->itemDelegate());
            cells << delegate->displayText(model->index(row, column).data(), view->locale());
        }
        rows << cells.join('|');
    }
    return rows;
}

QString cutColumns(const QTableView *view, const QList<int> &mayGiveWay)
{
    QStringList cut;
    const QAbstractItemModel *model = view->model();
    const QFontMetricsF metrics(view->font());
    // The room a cell leaves its text: the style's margins on either side and the grid line.
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QStringList rows = shownRows(view);
    int shown = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        const QString header = model->headerData(column, Qt::Horizontal).toString();
        const int width = view->columnWidth(column);
        const int left = view->columnViewportPosition(column);
        if (left < 0 || left + width > view->viewport()->width())
            cut << header + ": out of sight";
        if (!mayGiveWay.contains(column)) {
            if (width < view->horizontalHeader()->sectionSizeHint(column))
                cut << header + ": header cut";
            for (const QString &row : rows) {
                const QString text = row.section('|', shown, shown);
                if (metrics.horizontalAdvance(text) > width - margins) {
                    cut << QStringLiteral("%1: '%2' cut").arg(header, text);
                    break;
                }
            }
        }
        ++shown;
    }
    return cut.join(QStringLiteral(", "));
}
