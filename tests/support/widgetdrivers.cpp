#include "tests/support/widgetdrivers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>
#include <QTransform>
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

void fillIn(QWidget *window, const QStringList &values)
{
    for (const QString &value : values) {
        QWidget *field = window->findChild<QWidget *>(value.section('=', 0, 0));
        QVERIFY2(field, qPrintable(value));
        const QString given = value.section('=', 1);
        if (auto *line = qobject_cast<QLineEdit *>(field))
            type(line, given);
        else if (auto *number = qobject_cast<QSpinBox *>(field))
            number->setValue(given.toInt());
        else
            choose(qobject_cast<QComboBox *>(field), given);
    }
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

bool editCell(QTableView *view, int row, int column, const QVariant &value)
{
    const QModelIndex cell = view->model()->index(row, column);
    if (!cell.isValid() || view->isColumnHidden(column))
        return false;
    view->scrollTo(cell);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(cell).center());
    if (!view->indexWidget(cell))
        view->edit(cell);
    QWidget *editor = view->indexWidget(cell);
    if (!editor)
        return false;
    if (!value.isValid()) {
        // Only passing through.
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        choose(list, value.toString());
    } else if (auto *date = qobject_cast<QDateEdit *>(editor)) {
        if (value.toDate().isNull())
            QTest::keyClick(date, Qt::Key_Delete);
        else
            date->setDate(value.toDate());
    } else if (auto *number = qobject_cast<QAbstractSpinBox *>(editor)) {
        number->selectAll();
        QTest::keyClicks(number, value.toString());
    } else {
        QTest::keyClicks(editor, value.toString());
    }
    QTest::keyClick(editor, Qt::Key_Tab);
    return true;
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

QPair<int, int> differingColumns(const QImage &image, const QImage &background, const QColor &ignored)
{
    QPair<int, int> columns(-1, -1);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != background.pixel(x, y) && !(ignored.isValid() && pixel == ignored.rgb())) {
                columns.first = columns.first < 0 ? x : columns.first;
                columns.second = x;
                break;
            }
        }
    }
    return columns;
}

QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString buttonTextProblem(QPushButton *button)
{
    const QIcon icon = button->icon();
    const QString text = button->text();
    const QRgb iconColour = qRgb(0, 0, 255);
    QPixmap square(button->iconSize());
    square.fill(QColor(iconColour));

    button->setIcon(QIcon(square));
    const QImage labelled = rendered(button);
    button->setIcon(QIcon());
    button->setText(QString());
    const QImage bare = rendered(button);
    button->setIcon(icon);
    button->setText(text);

    const QPair<int, int> ink = differingColumns(labelled, bare, QColor(iconColour));
    QPair<int, int> iconColumns(-1, -1);
    for (int x = 0; x < labelled.width(); ++x)
        for (int y = 0; y < labelled.height(); ++y)
            if (labelled.pixel(x, y) == iconColour) {
                iconColumns.first = iconColumns.first < 0 ? x : iconColumns.first;
                iconColumns.second = x;
            }
    const QFontMetrics metrics = button->fontMetrics();
    const QString shown = QString(text).remove(QLatin1Char('&'));
    const int textWidth = metrics.horizontalAdvance(shown);
    // Where the button lacks the room for one line, its text may stand on two, broken at
    // the blank that leaves the longer line the shortest.
    int wrappedWidth = textWidth;
    for (int blank = shown.indexOf(QLatin1Char(' ')); blank > 0; blank = shown.indexOf(QLatin1Char(' '), blank + 1))
        wrappedWidth = qMin(wrappedWidth, qMax(metrics.horizontalAdvance(shown.left(blank)),
                                               metrics.horizontalAdvance(shown.mid(blank + 1))));
    const QTransform rowsAsColumns = QTransform().rotate(90);
    const QPair<int, int> inkRows = differingColumns(labelled.transformed(rowsAsColumns), bare.transformed(rowsAsColumns),
                                                     QColor(iconColour));
    const int width = button->width();
    const QString where = QStringLiteral("%1 \"%2\", %3 wide: text at %4..%5 (%6 wide, %7 on two lines), icon at %8..%9")
                              .arg(button->objectName(), text).arg(width).arg(ink.first).arg(ink.second)
                              .arg(textWidth).arg(wrappedWidth).arg(iconColumns.first).arg(iconColumns.second);
    // The frame takes the outer pixels; ink narrower than most of the text means it was cut,
    // unless it stands higher than a line.
    const bool inside = ink.first >= 3 && ink.second <= width - 4;
    const int inkWidth = ink.second - ink.first + 1;
    const bool whole = inkWidth >= textWidth * 8 / 10
                       || (inkWidth >= wrappedWidth * 8 / 10 && inkRows.second - inkRows.first + 1 > metrics.height());
    const bool beside = button->isRightToLeft() ? ink.second < iconColumns.first : ink.first > iconColumns.second;
    return iconColumns.first >= 0 && inside && whole && beside ? QString() : where;
}

QList<qreal> laidOutAt(const QString &text, Qt::LayoutDirection direction, const QList<int> &positions,
                       const QFont &font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<qreal> found;
    for (int position : positions)
        found << line.cursorToX(position);
    return found;
}

QString cutColumns(const QTableView *view, const QList<int> &mayGiveWay)
{
    QStringList cut;
    const QAbstractItemModel *model = view->model();
    const QFontMetricsF metrics(view->font());
    // The room a cell leaves its text: the style's margins on either side and the grid line.
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QStringList rows = shownRows(view);
    const bool scrolls = view->horizontalScrollBar()->isVisible() && view->horizontalScrollBar()->maximum() > 0;
    int shown = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        const QString header = model->headerData(column, Qt::Horizontal).toString();
        const int width = view->columnWidth(column);
        const int left = view->columnViewportPosition(column);
        if ((left < 0 || left + width > view->viewport()->width()) && !scrolls)
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

QString namesCutShort(const QTableView *view, int column)
{
    QStringList cut;
    const QFontMetricsF metrics(view->font());
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int room = view->columnWidth(column) - margins;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString name = model->index(row, column).data().toString();
        const QString first = name.size() > 12 ? name.left(12) + QChar(0x2026) : name;
        if (metrics.horizontalAdvance(first) > room)
            cut << QStringLiteral("'%1' in %2 px").arg(first).arg(room);
    }
    cut.removeDuplicates();
    return cut.join(QStringLiteral(", "));
}

bool reachesEveryColumn(const QTableView *view)
{
    int width = 0;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!view->isColumnHidden(column))
            width += view->columnWidth(column);
    const QScrollBar *bar = view->horizontalScrollBar();
    return width <= view->viewport()->width() || (bar->isVisible() && bar->maximum() > 0);
}
