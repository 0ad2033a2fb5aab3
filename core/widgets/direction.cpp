#include "core/widgets/direction.h"

#include "core/widgets/screenfit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QHelpEvent>
#include <QToolTip>
#include <QVector>

namespace {
const QChar leftToRightIsolate(0x2066);
const QChar rightToLeftIsolate(0x2067);
const QChar popDirectionalIsolate(0x2069);
const QChar leftToRightMark(0x200E);
const QChar rightToLeftMark(0x200F);

// A text column yields down to this many average characters, enough to see what it is;
// only where an amount would still be cut does it go on, down to the least that shows a
// text is there.
const int yieldingMinimumChars = 6;
const int yieldingLeastChars = 3;
// A name column keeps room for this many of its names' first characters, with the
// ellipsis that follows a name cut short; where the view lacks that room it scrolls sideways.
const int nameChars = 12;

// Keeps a view's amount columns whole as the view changes size: measures once per model,
// then on every resize takes what the columns lack from the yielding text columns.
class AmountColumnKeeper : public QObject
{
public:
    explicit AmountColumnKeeper(QTableView *view) : QObject(view), view(view)
    {
        setObjectName(QStringLiteral("AmountColumnKeeper"));
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }

    void measure(const QList<int> &columns, const QList<int> &yielding, const QList<int> &names)
    {
        amountWidths = widestValues(columns);
        QMap<int, int> wanted;
        // A column still at the width this keeper left it asks again for what it gave up,
        // so that it takes its room back once the window is larger; a width set since is
        // the caller's new wish.
        for (int column : yielding) {
            const int width = view->columnWidth(column);
            wanted.insert(column, givenWidths.value(column, -1) == width ? wantedWidths.value(column, width) : width);
        }
        wantedWidths = wanted;
        yieldingOrder = yielding;
        nameWidths.clear();
        for (int column : names)
            nameWidths.insert(column, qMax(view->horizontalHeader()->sectionSizeHint(column), nameRoom(column)));
        // The header would hold a column wider than the least a yielding one goes down to.
        QHeaderView *header = view->horizontalHeader();
        header->setMinimumSectionSize(qMin(header->minimumSectionSize(), averageCharWidth() * yieldingLeastChars));
        fit();
    }

    // The width of the view's shown columns with every yielding column as wide as it asks
    // or, when `narrowest`, as narrow as it may go. A name's room is left out of the
    // narrowest: a view narrower than that scrolls sideways rather than cut the name.
    int columnsWidth(bool narrowest) const
    {
        int width = 0;
        for (int column = 0; column < view->horizontalHeader()->count(); ++column) {
            if (view->isColumnHidden(column))
                continue;
            const int wanted = wantedWidths.value(column, view->columnWidth(column));
            width += narrowest && wantedWidths.contains(column)
                         ? qMin(wanted, averageCharWidth() * yieldingLeastChars)
                         : wanted;
        }
        return width;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((watched == view && event->type() == QEvent::Show)
            || (watched == view->viewport() && event->type() == QEvent::Resize))
            fit();
        return false;
    }

private:
    int averageCharWidth() const { return QFontMetrics(view->font()).averageCharWidth(); }
    // The margins the style leaves on either side of a cell's text, the grid line, and a
    // pixel to spare: text is laid out in fractions of a pixel, measured here in whole ones.
    int cellMargins() const
    {
        return 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 2;
    }
    // How far a yielding column goes down while it gives `chars` characters' room; a name
    // column no further than its names' room.
    int leastWidth(int column, int chars) const
    {
        return qMax(averageCharWidth() * chars, nameWidths.value(column, 0));
    }

    // What the yielding columns can give while each keeps `chars` characters' room.
    int givable(int chars) const
    {
        int width = 0;
        for (int column : yieldingOrder)
            width += qMax(0, view->columnWidth(column) - leastWidth(column, chars));
        return width;
    }

    // The room the first nameChars characters of the column's widest name take as shown,
    // followed by the ellipsis where the name is longer.
    int nameRoom(int column) const
    {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return 0;
        const auto *delegate = qobject_cast<const QStyledItemDelegate *>(view->itemDelegateForColumn(column));
        if (!delegate)
            delegate = qobject_cast<const QStyledItemDelegate *>(view->itemDelegate());
        const QFontMetrics metrics(view->font());
        const QLocale locale = view->locale();
        // Measured on the rows the header fits its columns to, as many as its precision asks:
        // a panel of 10,000 customers, measured whole, took 27 ms at every opening.
        const int precision = view->horizontalHeader()->resizeContentsPrecision();
        const int rows = precision < 0 ? model->rowCount() : qMin(model->rowCount(), precision);
        int widest = 0;
        for (int row = 0; row < rows; ++row) {
            const QVariant value = model->index(row, column).data();
            const QString name = delegate ? delegate->displayText(value, locale) : value.toString();
            const QString shown = name.size() > nameChars ? name.left(nameChars) + QChar(0x2026) : name;
            widest = qMax(widest, metrics.horizontalAdvance(shown));
        }
        return widest + cellMargins();
    }

    // The width of each column's widest text, with the header's. Row by row, all columns
    // of a row together: the model reads its rows in order and a row once for all its
    // cells. Each text is measured once: amounts repeat, and measuring is what costs (a
    // year of sales profit, 500,000 cells, took a second).
    QMap<int, int> widestValues(const QList<int> &columns) const
    {
        QMap<int, int> widest;
        const QAbstractItemModel *model = view->model();
        if (!model)
            return widest;
        QVector<const QStyledItemDelegate *> delegates;
        for (int column : columns) {
            const auto *delegate = qobject_cast<const QStyledItemDelegate *>(view->itemDelegateForColumn(column));
            delegates.append(delegate ? delegate : qobject_cast<const QStyledItemDelegate *>(view->itemDelegate()));
            widest.insert(column, view->horizontalHeader()->sectionSizeHint(column));
        }
        const QFontMetrics metrics(view->font());
        const int margins = cellMargins();
        const QLocale locale = view->locale();
        QHash<QString, int> measured;
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int i = 0; i < columns.size(); ++i) {
                const QVariant value = model->index(row, columns.at(i)).data();
                const QString text = delegates.at(i) ? delegates.at(i)->displayText(value, locale) : value.toString();
                auto width = measured.constFind(text);
                if (width == measured.cend())
                    width = measured.insert(text, metrics.horizontalAdvance(text) + margins);
                int &columnWidest = widest[columns.at(i)];
                columnWidest = qMax(columnWidest, *width);
            }
        }
        return widest;
    }

    void fit()
    {
        for (auto amount = amountWidths.cbegin(); amount != amountWidths.cend(); ++amount)
            view->setColumnWidth(amount.key(), amount.value());
        for (auto text = wantedWidths.cbegin(); text != wantedWidths.cend(); ++text)
            view->setColumnWidth(text.key(), text.value());
        givenWidths = wantedWidths;
        // A hidden window has no size of its own yet: its columns keep what they were given.
        if (!view->isVisible())
            return;
        int used = 0;
        for (int column = 0; column < view->horizontalHeader()->count(); ++column)
            if (!view->isColumnHidden(column))
                used += view->columnWidth(column);
        int lacking = used - view->viewport()->width();
        // The last yielding column named gives first: the first stays readable longest.
        for (const int chars : {yieldingMinimumChars, yieldingLeastChars}) {
            // Below a few characters a column gives way only where that brings every
            // column into the view: in one that scrolls sideways all the same, such as one
            // too narrow for its names, it would be cut for nothing.
            if (chars == yieldingLeastChars && givable(chars) < lacking)
                break;
            for (auto column = yieldingOrder.crbegin(); column != yieldingOrder.crend() && lacking > 0; ++column) {
                const int width = view->columnWidth(*column);
                const int given = qMin(lacking, qMax(0, width - leastWidth(*column, chars)));
                view->setColumnWidth(*column, width - given);
                lacking -= width - view->columnWidth(*column);
            }
        }
        for (auto text = givenWidths.begin(); text != givenWidths.end(); ++text)
            text.value() = view->columnWidth(text.key());
    }

    QTableView *view;
    QMap<int, int> amountWidths;
    QMap<int, int> wantedWidths;
    QMap<int, int> givenWidths;
    QMap<int, int> nameWidths;
    QList<int> yieldingOrder;
};
}

namespace {
// Widens a window once, when it is first shown, so that a view's columns show whole.
class WindowWidener : public QObject
{
public:
    WindowWidener(QWidget *window, QTableView *view) : QObject(window), window(window), view(view)
    {
        setObjectName(QStringLiteral("WindowWidener"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != window || event->type() != QEvent::Show)
            return false;
        window->removeEventFilter(this);
        deleteLater();
        Direction::growWideEnoughFor(window, view);
        return false;
    }

private:
    QWidget *window;
    QTableView *view;
};

// Date fields are polished when first shown, after their window has turned right to left;
// a direction set on the field itself stays when the window's changes again. A field set
// up right to left also holds its format with the sections reversed ("yyyy/M/d"): the
// format it was given is set again once the field reads left to right.
class DateFieldDirection : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            auto *field = qobject_cast<QDateTimeEdit *>(watched);
            if (field && field->isRightToLeft()) {
                const QString format = field->displayFormat();
                field->setLayoutDirection(Qt::LeftToRight);
                field->setDisplayFormat(format);
            }
        }
        return false;
    }
};
}

namespace {
// The room Qt's style leaves between a button's icon and its text.
const int buttonIconSpacing = 4;

// The width of a button's text as it is shown: an ampersand marks a shortcut.
int shownWidth(const QString &text, const QFontMetrics &metrics)
{
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

// `text` broken at the blank that leaves its longer line the shortest; one line when it
// has no blank.
QStringList onTwoLines(const QString &text, const QFontMetrics &metrics)
{
    QStringList best{text};
    int narrowest = shownWidth(text, metrics);
    for (int blank = text.indexOf(QLatin1Char(' ')); blank > 0; blank = text.indexOf(QLatin1Char(' '), blank + 1)) {
        const QStringList lines{text.left(blank), text.mid(blank + 1)};
        const int width = qMax(shownWidth(lines.first(), metrics), shownWidth(lines.last(), metrics));
        if (width < narrowest) {
            narrowest = width;
            best = lines;
        }
    }
    return best;
}

// The style of every window, with what the platform's style lays out against the rule.
class DirectionStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_PushButtonLabel)
            return drawButtonLabel(qstyleoption_cast<const QStyleOptionButton *>(option), painter, widget);
        // A combo's entry is isolated whatever the combo's direction: the style paints it
        // as a line of the painter's, which is not always the combo's. An entry wider than
        // the combo ends in an ellipsis rather than at the combo's edge.
        if (element == CE_ComboBoxLabel) {
            if (const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option)) {
                QStyleOptionComboBox entry = *combo;
                entry.currentText = Direction::isolated(
                    combo->fontMetrics.elidedText(combo->currentText, Qt::ElideRight, labelWidth(combo, widget)));
                return QProxyStyle::drawControl(element, &entry, painter, widget);
            }
        }
        // A combo's list draws its entries as menu items.
        if (element == CE_MenuItem && qobject_cast<const QComboBox *>(widget)) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem entry = *item;
                entry.text = Direction::isolated(entry.text);
                return QProxyStyle::drawControl(element, &entry, painter, widget);
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    // The room a combo's label has: its field, less the style's margin and the icon.
    int labelWidth(const QStyleOptionComboBox *combo, const QWidget *widget) const
    {
        const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
        const int icon = combo->currentIcon.isNull() ? 0 : combo->iconSize.width() + 4;
        return field.width() - 2 - icon;
    }

    // Right to left, Qt's style puts the icon in the middle of the button and aligns the
    // text to the icon's left by asking for the right edge, which the painter then mirrors
    // to the left: the text lands on the button's far edge and is cut. Painted left to
    // right, the right edge stays right; the text keeps its own order as a right-to-left
    // isolate, each line on its own. A button given less room than its text needs on one
    // line shows it on two.
    void drawButtonLabel(const QStyleOptionButton *button, QPainter *painter, const QWidget *widget) const
    {
        if (!button)
            return QProxyStyle::drawControl(CE_PushButtonLabel, button, painter, widget);
        QStyleOptionButton label = *button;
        const int iconRoom = button->icon.isNull() ? 0 : button->iconSize.width() + buttonIconSpacing;
        if (shownWidth(button->text, button->fontMetrics) > button->rect.width() - iconRoom)
            label.text = onTwoLines(button->text, button->fontMetrics).join(QLatin1Char('\n'));
        if (button->direction != Qt::RightToLeft || button->icon.isNull() || button->text.isEmpty())
            return QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
        QStringList lines = label.text.split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = QChar(0x2067) + line + QChar(0x2069);
        label.text = lines.join(QLatin1Char('\n'));
        painter->save();
        painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
        painter->restore();
    }
};

// Text boxes are polished when first shown, after their window has set its direction.
class TextBoxDirection : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish || event->type() == QEvent::LayoutDirectionChange) {
            if (auto *box = qobject_cast<QPlainTextEdit *>(watched))
                Direction::alignByText(box);
        }
        return false;
    }
};
}

namespace Direction {

void applyToApplication()
{
    static TextBoxDirection *rule = nullptr;
    if (rule)
        return;
    rule = new TextBoxDirection(qApp);
    qApp->installEventFilter(rule);
    QApplication::setStyle(new DirectionStyle);
}

void alignByText(QPlainTextEdit *box)
{
    const auto align = [box] {
        // A box with nothing in it yet takes its own direction, where typing starts.
        // Otherwise each line takes the direction of its own first letter, as Qt lays out a
        // line of automatic direction, and stands at the side it is read from: Qt puts a
        // right-to-left line of a justified layout at the right, and, the alignment being
        // absolute, justifies no line and leaves the left-to-right ones at the left.
        const bool blank = box->toPlainText().trimmed().isEmpty();
        const Qt::LayoutDirection direction = blank ? box->layoutDirection() : Qt::LayoutDirectionAuto;
        const Qt::Alignment alignment = Qt::AlignAbsolute
            | (!blank ? Qt::AlignJustify : direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        QTextOption option = box->document()->defaultTextOption();
        if (option.textDirection() == direction && option.alignment() == alignment)
            return;
        option.setTextDirection(direction);
        option.setAlignment(alignment);
        box->document()->setDefaultTextOption(option);
    };
    const char *aligned = "alignedByText";
    if (!box->property(aligned).toBool()) {
        box->setProperty(aligned, true);
        QObject::connect(box, &QPlainTextEdit::textChanged, box, align);
    }
    align();
}

void keepDateFieldsLeftToRight()
{
    static DateFieldDirection *rule = nullptr;
    if (!rule) {
        rule = new DateFieldDirection(qApp);
        qApp->installEventFilter(rule);
    }
}

Qt::LayoutDirection of(const QString &text)
{
    for (const QChar character : text) {
        switch (character.direction()) {
        case QChar::DirL:
            return Qt::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return Qt::RightToLeft;
        default:
            break;
        }
    }
    return Qt::LeftToRight;
}

QString leftToRight(const QString &text)
{
    return text.isEmpty() ? text : QChar(0x2066) + text + QChar(0x2069);
}

QString isolated(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar opening = of(text) == Qt::RightToLeft ? rightToLeftIsolate : leftToRightIsolate;
    return opening + text + popDirectionalIsolate;
}

QString joined(const QString &lead, const QString &text, Qt::LayoutDirection direction)
{
    if (of(text) == direction)
        return lead + text;
    return (direction == Qt::RightToLeft ? rightToLeftMark : leftToRightMark) + lead + isolated(text);
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(of(text) == label->layoutDirection() ? text : isolated(text));
}

// Line edits and spin boxes share the calls but no base that has them.
template <class Field>
static void alignToEnd(Field *field)
{
    const Qt::Alignment end = field->isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight;
    field->setLayoutDirection(Qt::LeftToRight);
    field->setAlignment(Qt::AlignAbsolute | end | Qt::AlignVCenter);
}

void alignAmountField(QLineEdit *field)
{
    alignToEnd(field);
}

void alignAmountField(QAbstractSpinBox *field)
{
    alignToEnd(field);
}

void wrapWhenNarrow(QPushButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const QString text = button->text();
    const int wrapped = shownWidth(onTwoLines(text, metrics).join(QLatin1Char('\n')), metrics);
    button->setMinimumWidth(button->sizeHint().width() - shownWidth(text, metrics) + wrapped);
}

DirectionDelegate *applyTo(QAbstractItemView *view)
{
    if (auto *delegate = qobject_cast<DirectionDelegate *>(view->itemDelegate()))
        return delegate;
    auto *delegate = new DirectionDelegate(view);
    view->setItemDelegate(delegate);
    return delegate;
}

void showAmountColumns(QTableView *view, const QList<int> &columns, const QList<int> &yielding,
                       const QList<int> &names)
{
    applyTo(view)->setAmountColumns(columns);
    // Found by name: the keeper carries no meta-object of its own.
    auto *keeper = static_cast<AmountColumnKeeper *>(
        view->findChild<QObject *>(QStringLiteral("AmountColumnKeeper"), Qt::FindDirectChildrenOnly));
    if (!keeper)
        keeper = new AmountColumnKeeper(view);
    keeper->measure(columns, yielding, names);
}

// The width of `view`'s columns, its yielding ones as wide as they ask or as narrow as
// they may go, with its row header, frame and a vertical scroll bar.
static int widthWith(const QTableView *view, bool narrowest)
{
    int columns = 0;
    if (const auto *keeper = static_cast<const AmountColumnKeeper *>(
            view->findChild<QObject *>(QStringLiteral("AmountColumnKeeper"), Qt::FindDirectChildrenOnly))) {
        columns = keeper->columnsWidth(narrowest);
    } else {
        for (int column = 0; column < view->horizontalHeader()->count(); ++column)
            if (!view->isColumnHidden(column))
                columns += view->columnWidth(column);
    }
    // Asked before its window is shown, too: a row header not hidden is there once it is.
    const int rowHeader = view->verticalHeader()->isHidden() ? 0 : view->verticalHeader()->sizeHint().width();
    return columns + rowHeader + 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int wantedWidth(const QTableView *view)
{
    return widthWith(view, false);
}

int narrowestWidth(const QTableView *view)
{
    return widthWith(view, true);
}

void growWideEnoughFor(QWidget *window, QTableView *view)
{
    // A maximised window already has all the room there is; one not yet shown has no size
    // of its own.
    if (!window->isVisible() || window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const int lacking = wantedWidth(view) - view->width();
    const int room = ScreenFit::room(window).width();
    if (lacking > 0)
        ScreenFit::resizeShown(window,
                               QSize(qMin(window->width() + lacking, qMax(window->width(), room)), window->height()));
}

void openWideEnoughFor(QWidget *window, QTableView *view)
{
    if (!window->findChild<QObject *>(QStringLiteral("WindowWidener"), Qt::FindDirectChildrenOnly))
        new WindowWidener(window, view);
}

} // namespace Direction

void DirectionDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The trailing edge is the right in English and the left in Arabic: the style mirrors it.
    if (isAmountColumn(index.column()))
        option->displayAlignment = Qt::AlignTrailing | Qt::AlignVCenter;
    if (Direction::of(option->text) != option->direction)
        option->text = Direction::isolated(option->text);
}

QString DirectionDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return value.isNull() ? QString() : QStyledItemDelegate::displayText(value, locale);
}

bool DirectionDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                  const QModelIndex &index)
{
    // A tool tip of the model's own goes first.
    if (!event || event->type() != QEvent::ToolTip || !index.isValid() || index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *widget = cell.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    // The margins the style keeps inside the text's room; it elides a text laid out wider,
    // in fractions of a pixel, than what is left.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    if (cell.text.isEmpty() || QFontMetricsF(cell.font).horizontalAdvance(cell.text) <= room.width() - 2 * margin) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), cell.text, view, option.rect);
    return true;
}
