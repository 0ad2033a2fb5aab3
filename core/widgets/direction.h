#ifndef DIRECTION_H
#define DIRECTION_H

#include <QList>
#include <QString>
#include <QStyledItemDelegate>

class QAbstractItemView;
class QAbstractSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// How text and amounts are laid out in windows of either direction. Each piece of text
// takes the direction of its first letter; text without a letter (numbers, signed amounts,
// dates, phone numbers) reads left to right. So in an Arabic window "-49.88" stays
// "-49.88", "+20 66 1654292" keeps its groups in order and "10100: Bank Account" keeps
// its number in front, while Arabic text with digits still reads right to left.
namespace Direction {

// The direction of the first strong character of `text`; LeftToRight when it has none.
Qt::LayoutDirection of(const QString &text);

// `text` wrapped in an isolate of its own direction (LRI or RLI ... PDI), so that it keeps
// its order inside a paragraph of either direction; an empty text stays empty.
QString isolated(const QString &text);

// `text` as one left-to-right run whatever letters it holds: a file path in an Arabic
// message, whose slashes would otherwise be laid out from the right.
QString leftToRight(const QString &text);

// From now on every date and time field that is shown lays its date out left to right,
// "10/3/2013" and not "2013/3/10", inside windows of either direction. Called once, by the
// program's start-up in a right-to-left language.
void keepDateFieldsLeftToRight();

// From now on, in windows of either direction: a button with an icon shows its whole text
// beside the icon, a combo shows each entry in the direction of its own text ("10200: Cash"
// keeps its number in front in an Arabic window), and every multi-line text box lays out
// each of its lines by the direction of that line's first letter, as it is typed or
// loaded. Called once, by the program's start-up, before any window opens.
void applyToApplication();

// Lays out each line of `box` by its own text's direction, now and whenever the text
// changes: an Arabic line reads right to left from the right, a Latin line or a number
// left to right from the left, whatever the box's direction and its other lines; an empty
// box by its own direction. What applyToApplication does for every text box; for one that
// is already shown.
void alignByText(QPlainTextEdit *box);

// `lead` followed by `text` as one line of `direction`, such as " - " before a name: when
// `text` reads the other way it is isolated and the line led by the direction's mark, so
// that `lead` stays in front. Otherwise the plain concatenation.
QString joined(const QString &lead, const QString &text, Qt::LayoutDirection direction);

// Shows `text` on `label` as plain text laid out by the rule, whatever the label's direction.
void setLabelText(QLabel *label, const QString &text);

// An amount field: its digits and sign left to right, the value at the end of the line
// (right in English, left in Arabic). Call after the window has set its direction.
void alignAmountField(QLineEdit *field);
void alignAmountField(QAbstractSpinBox *field);

// Lets `button` narrow, where its layout lacks the room, down to its text on two lines
// broken at a blank; where the room is there it keeps its text on one line. The
// application's style paints the two lines.
void wrapWhenNarrow(QPushButton *button);

} // namespace Direction

// The delegate that applies the rule to every cell of a view, and lays the view's amount
// columns out at the end of the line. The cell's value and display text stay as they are:
// only what is painted and measured is isolated.
class DirectionDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Amount columns are aligned to the end of the line; the rest to its start.
    void setAmountColumns(const QList<int> &columns) { amountColumns = columns; }
    bool isAmountColumn(int column) const { return amountColumns.contains(column); }

    // Public so that tests can read the text as it is painted (option->text).
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    // A NULL cell shows empty: the driver hands a NULL number over as a number, which would
    // otherwise show as a real 0.
    QString displayText(const QVariant &value, const QLocale &locale) const override;
    // A cell too narrow for its text, such as one of a text column that gave way to the
    // amounts, shows the whole text as its tool tip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    QList<int> amountColumns;
};

namespace Direction {

// The view's DirectionDelegate, installed as its item delegate when it has none yet.
DirectionDelegate *applyTo(QAbstractItemView *view);

// Marks `columns` of `view` as amounts: aligned to the end of the line and each as wide as
// its widest value and header among the rows read so far. When the view is too narrow for
// all its columns, the `yielding` text columns give up width (down to a few characters,
// and further where that brings every column into the view), the last one named first,
// before an amount would be cut; this is kept up as the view is resized. The `names` among
// them give way no further than their header and the first 12 characters of their names:
// where the view still lacks the room, it scrolls sideways. Call again after every new model.
void showAmountColumns(QTableView *view, const QList<int> &columns, const QList<int> &yielding = {},
                       const QList<int> &names = {});

// The width `view` needs to show its columns whole, the yielding ones at their full width,
// with its row header, frame and a vertical scroll bar.
int wantedWidth(const QTableView *view);

// The narrowest `view` can be with its amounts and other columns whole and the yielding
// ones given up as far as they go, its names counted at a few characters: what a panel
// beside others needs at the least. Narrower than its names' room, it scrolls sideways.
int narrowestWidth(const QTableView *view);

// When `window` is first shown, not maximised, it grows by what `view` lacks of its
// wanted width, up to the width of the screen with its frame: a list opens with its columns whole where
// the screen has the room. Whatever fills the view before the showing counts.
void openWideEnoughFor(QWidget *window, QTableView *view);

// The same growth at once, for a view filled again after its window was shown (rows that
// come with a search): a shown window that is not maximised grows by what `view` lacks,
// up to the width of the screen with its frame, and never shrinks. A window not yet shown is left.
void growWideEnoughFor(QWidget *window, QTableView *view);

} // namespace Direction

#endif // DIRECTION_H
