#ifndef WIDGETDRIVERS_H
#define WIDGETDRIVERS_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPair>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

// What a test does to a window as a user would, by the widgets' object names. A widget
// that is not there fails the test.

// Clicks the button (push button, tool button, check box) named `button`.
void click(QWidget *window, const char *button);

QComboBox *combo(QWidget *window, const char *name);
QLineEdit *edit(QWidget *window, const QString &name);

// The user picks the entry shown as `entry`: the combo reacts to activated(), not to a
// change of index.
void choose(QComboBox *box, const QString &entry);
// Every entry's text, in order.
QStringList comboTexts(const QComboBox *box);

// What the label, line edit or combo named `name` shows; "<no name>" when there is none.
QString text(QWidget *window, const char *name);

// Keystrokes where the test keyboard has the keys; other text arrives as an input
// method would send it.
void type(QLineEdit *line, const QString &text);
void type(QWidget *window, const char *field, const QString &text);
// Gives each "field=value" of `values` in turn: a line edit its text typed, a spin box its
// number, a combo the entry that reads so, chosen.
void fillIn(QWidget *window, const QStringList &values);

// The one table of a list window.
QTableView *table(QWidget *list);
// Selects the row whose `column` shows `shown`, as a click on it would.
void chooseRow(QWidget *list, const QVariant &shown, int column = 1);
// Double-clicks the row `row` of a shown view where a user would, on its first shown cell.
void doubleClickRow(QTableView *view, int row);
// The user edits a cell of a shown `view` through its editor: a click on the cell opens it,
// the editor is given `value` (a list's entry by its text; a number typed over what it
// shows; a date picked, or emptied with Delete for a null QDate; nothing at all for an
// invalid QVariant, as when the current cell merely passes through), and Tab commits it
// and moves on. False, and nothing done, when the cell opens no editor.
bool editCell(QTableView *view, int row, int column, const QVariant &value);

// The rows as "cell|cell|...", each cell as the table shows it, hidden columns left out.
QStringList shownRows(const QTableView *view);
// What of the view's shown columns a user cannot read whole at its present size, a
// "header: why" for each ("out of sight", "header cut", "'2963.90' cut"); empty when every
// column reads whole. The `mayGiveWay` columns may be narrower than their texts, as long
// as they stay in sight. A column past the view's edge is in sight when the view shows a
// scroll bar to bring it in.
QString cutColumns(const QTableView *view, const QList<int> &mayGiveWay = {});
// The texts of `column` whose first 12 characters, with the ellipsis of a longer text, the
// column cannot show, each with the width it has; empty when every row shows them.
QString namesCutShort(const QTableView *view, int column);
// Whether a user can see or scroll to every shown column of `view`: true when they fit
// its viewport, or when it shows a scroll bar that reaches past its edge.
bool reachesEveryColumn(const QTableView *view);

// What a shown widget paints, as RGB pixels.
QImage rendered(QWidget *widget);
// The first and last columns of `image` with a pixel that differs from `background` and,
// when `ignored` is valid, is not of that colour: where one rendering paints what the other
// does not. -1, -1 when none differ.
QPair<int, int> differingColumns(const QImage &image, const QImage &background, const QColor &ignored = QColor());

// Where a shown button paints its text beside its icon, read from its pixels: empty when
// the whole text stands inside the button and beside the icon on the side it is read from
// (left of the icon when the button is right to left), on one line or on two broken at a
// blank; otherwise what is wrong. The icon is measured as a plain square of the button's
// icon size, put back afterwards.
QString buttonTextProblem(QPushButton *button);
// Where each of `positions` of `text` stands when the text is laid out as one line of
// `direction` (Qt::LayoutDirectionAuto: by its first letter, as a title bar does): the x of
// the cursor before that character.
QList<qreal> laidOutAt(const QString &text, Qt::LayoutDirection direction, const QList<int> &positions,
                       const QFont &font = QFont());

#endif // WIDGETDRIVERS_H
