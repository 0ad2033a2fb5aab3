#ifndef WIDGETDRIVERS_H
#define WIDGETDRIVERS_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QComboBox;
class QLineEdit;
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

// The one table of a list window.
QTableView *table(QWidget *list);
// Selects the row whose `column` shows `shown`, as a click on it would.
void chooseRow(QWidget *list, const QVariant &shown, int column = 1);
// Double-clicks the row `row` of a shown view where a user would, on its first shown cell.
void doubleClickRow(QTableView *view, int row);
// The rows as "cell|cell|...", each cell as the table shows it, hidden columns left out.
QStringList shownRows(const QTableView *view);
// What of the view's shown columns a user cannot read whole at its present size, a
// "header: why" for each ("out of sight", "header cut", "'2963.90' cut"); empty when every
// column reads whole. The `mayGiveWay` columns may be narrower than their texts, as long
// as they stay in sight.
QString cutColumns(const QTableView *view, const QList<int> &mayGiveWay = {});

#endif // WIDGETDRIVERS_H
