#include "accounting/frmGeneralJournal.h"
#include "app/frmCompanyInfo.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "items/frmWarehouses.h"
#include "partners/frmCustomers.h"
#include "partners/frmEmployees.h"
#include "partners/frmPersons.h"
#include "partners/frmVendors.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "purchasing/frmPurchaseOrder.h"
#include "purchasing/frmPurchaseRefund.h"
#include "purchasing/frmPurchasingPayments.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/invoices/frmSalesPayments.h"
#include "sales/invoices/frmSalesRefund.h"
#include "sales/orders/frmSalesOrder.h"
#include "sales/orders/frmSalesQuote.h"
#include "core/widgets/screenfit.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <tuple>

namespace {
// Where the characters at `first` and `last` of `shown` land when it is laid out as a
// right-to-left paragraph: true when `first` stands left of `last`.
bool readsLeftToRightInArabic(const QString &shown, int first, int last, const QFont &font)
{
    const QList<qreal> x = laidOutAt(shown, Qt::RightToLeft, {first, last}, font);
    return x.at(0) < x.at(1);
}

// The program's direction for the life of the guard: Arabic turns the whole application
// right to left, and the painters of its widgets take the application's direction.
struct ApplicationDirection
{
    explicit ApplicationDirection(Qt::LayoutDirection direction) { QApplication::setLayoutDirection(direction); }
    ~ApplicationDirection() { QApplication::setLayoutDirection(Qt::LeftToRight); }
};

// The windows with a box of several lines or a field of an address that shows stored
// text, each made anew.
QWidget *openWindow(const QString &name)
{
    static const QHash<QString, std::function<QWidget *()>> windows{
        {"sales quote", [] { return new frmSalesQuote; }},
        {"sales order", [] { return new frmSalesOrder; }},
        {"sales invoice", [] { return new frmSalesInvoice; }},
        {"sales refund", [] { return new frmSalesRefund; }},
        {"sales payments", [] { return new frmSalesPayments; }},
        {"purchase order", [] { return new frmPurchaseOrder; }},
        {"purchase invoice", [] { return new frmPurchaseInvoice; }},
        {"purchase refund", [] { return new frmPurchaseRefund; }},
        {"purchase payments", [] { return new frmPurchasingPayments; }},
        {"customer", [] { return new frmCustomers(nullptr, 0); }},
        {"vendor", [] { return new frmVendors(nullptr, 0); }},
        {"employee", [] { return new frmEmployees(nullptr, 0); }},
        {"journal entry", [] { return new frmGeneralJournal; }},
        {"person", [] { return new frmPersons(nullptr, 0); }},
        {"warehouse", [] { return new frmWarehouses(nullptr, 0); }},
        {"company info", [] { return new frmCompanyInfo; }},
    };
    return windows.value(name)();
}

// Where `number` stands in line `line` of `lines` shown in `box` (a text box or a field),
// read from the painted pixels: "left" where it leads the line from the left, "right"
// from the right.
QString numberSide(QWidget *box, const QStringList &lines, int line, const QString &number = "171")
{
    const auto painted = [box](const QStringList &text) {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
            plain->setPlainText(text.join('\n'));
        else if (auto *rich = qobject_cast<QTextEdit *>(box))
            rich->setPlainText(text.join('\n'));
        else
            qobject_cast<QLineEdit *>(box)->setText(text.join('\n'));
        QCoreApplication::processEvents();
        return rendered(box);
    };
    const QImage shown = painted(lines);
    // Other digits as wide: only the number's own pixels change.
    QString otherNumber = number;
    for (QChar &character : otherNumber)
        if (character.isDigit())
            character = QChar('0' + (character.digitValue() + 5) % 10);
    QStringList other = lines;
    other[line].replace(number, otherNumber);
    const QPair<int, int> digits = differingColumns(shown, painted(other));
    other = lines;
    other[line].clear();
    const QPair<int, int> whole = differingColumns(shown, painted(other));
    if (digits.first < 0 || whole.first < 0)
        return "not painted";
    return digits.first - whole.first < whole.second - digits.second ? "left" : "right";
}

// The window shown, with `widget` on the current page of its tab and as wide as `width`
// at the least; null when the window has no such widget or it does not get as wide.
QWidget *shownWidget(QWidget *window, const QString &widget, int width)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    auto *shown = window->findChild<QWidget *>(widget);
    if (!shown)
        return nullptr;
    for (QWidget *page = shown; page->parentWidget(); page = page->parentWidget())
        if (auto *pages = qobject_cast<QStackedWidget *>(page->parentWidget()))
            pages->setCurrentWidget(page);
    shown->setMinimumWidth(width);
    return QTest::qWaitFor([shown, width] { return shown->isVisible() && shown->width() >= width; }) ? shown : nullptr;
}

// The text a right-to-left grid paints for its only cell.
QString paintedText(QTableView &view)
{
    const QModelIndex cell = view.model()->index(0, 0);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    Direction::applyTo(&view)->initStyleOption(&option, cell);
    return option.text;
}
}

class tst_direction : public QObject
{
    Q_OBJECT

private slots:
    void cellsFollowTheirFirstLetter_data();
    void cellsFollowTheirFirstLetter();
    void amountColumnFitsItsWidestText();
    void amountColumnsStayWholeInANarrowView_data();
    void amountColumnsStayWholeInANarrowView();
    void nameKeepsItsFirstCharactersAndTheViewScrolls_data();
    void nameKeepsItsFirstCharactersAndTheViewScrolls();
    void windowOpensWideEnoughForItsColumns_data();
    void windowOpensWideEnoughForItsColumns();
    void leadStaysInFrontOfAName_data();
    void leadStaysInFrontOfAName();
    void dateFieldsReadLeftToRightInAnArabicWindow();
    void buttonsWithIconsShowTheirWholeText_data();
    void buttonsWithIconsShowTheirWholeText();
    void comboEntriesFollowTheirFirstLetter_data();
    void comboEntriesFollowTheirFirstLetter();
    void textBoxesAlignByTheirText_data();
    void textBoxesAlignByTheirText();
    void eachLineOfStoredTextReadsInItsOwnDirection_data();
    void eachLineOfStoredTextReadsInItsOwnDirection();
};

void tst_direction::cellsFollowTheirFirstLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // two pieces of the text, in reading order
    QTest::addColumn<QString>("last");
    QTest::addColumn<Qt::LayoutDirection>("direction");

    QTest::newRow("Arabic reads right to left")
        << QString::fromUtf8("محلات عبد العزيز") << QString::fromUtf8("محلات") << QString::fromUtf8("العزيز")
        << Qt::RightToLeft;
    QTest::newRow("Latin ending in a full stop keeps the stop last")
        << "Anderson Co." << "Anderson" << "." << Qt::LeftToRight;
    QTest::newRow("a negative amount keeps its sign in front") << "-49.88" << "-" << "88" << Qt::LeftToRight;
    QTest::newRow("a phone number with + keeps its groups in order")
        << "+20 66 1654292" << "+" << "1654292" << Qt::LeftToRight;
    QTest::newRow("an account code stays before its name")
        << "10100: Bank Account" << "10100" << "Account" << Qt::LeftToRight;
    QTest::newRow("a date keeps its year first") << "2024-05-24" << "2024" << "24" << Qt::LeftToRight;
    QTest::newRow("Arabic with digits reads right to left")
        << QString::fromUtf8("فاتورة 1520 للعميل") << QString::fromUtf8("فاتورة") << QString::fromUtf8("للعميل")
        << Qt::RightToLeft;
}

void tst_direction::cellsFollowTheirFirstLetter()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(Qt::LayoutDirection, direction);

    QCOMPARE(Direction::of(text), direction);

    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem(text));
    QTableView view;
    view.setLayoutDirection(Qt::RightToLeft);
    view.setModel(&model);
    const QString shown = paintedText(view);
    // The value itself is left alone: only what is painted carries the isolate.
    QCOMPARE(model.item(0, 0)->text(), text);
    const int firstAt = shown.indexOf(first);
    const int lastAt = shown.lastIndexOf(last) + last.size() - 1;
    QCOMPARE(readsLeftToRightInArabic(shown, firstAt, lastAt, view.font()), direction == Qt::LeftToRight);

    QLabel label;
    label.setLayoutDirection(Qt::RightToLeft);
    Direction::setLabelText(&label, text);
    QCOMPARE(readsLeftToRightInArabic(label.text(), label.text().indexOf(first),
                                      label.text().lastIndexOf(last) + last.size() - 1, label.font()),
             direction == Qt::LeftToRight);
}

// The room a cell leaves its text (without the grid line and the style's margins) holds
// each amount as it is laid out, in fractions of a pixel: a pixel short elides it ("100…").
void tst_direction::amountColumnFitsItsWidestText()
{
    const QFontMetricsF metrics(QTableView().font());
    for (const QString &amount : {"1000.3", "188202.91", "4403166.29", "-49.88", "0.1", "99.8"}) {
        QStandardItemModel model(0, 1);
        model.setHorizontalHeaderLabels({"$"});
        model.appendRow(new QStandardItem(amount));
        QTableView view;
        view.setModel(&model);
        Direction::showAmountColumns(&view, {0});
        const int margins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        const int room = view.visualRect(model.index(0, 0)).width() - margins;
        QVERIFY2(room >= metrics.horizontalAdvance(amount),
                 qPrintable(QString("%1: %2 < %3").arg(amount).arg(room).arg(metrics.horizontalAdvance(amount))));
    }
}

void tst_direction::amountColumnsStayWholeInANarrowView_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<Qt::Alignment>("alignment"); // of the amounts, as painted

    QTest::addColumn<bool>("measuredAgain"); // while narrow, as a recalculation of the lines does

    QTest::newRow("English: amounts at the right") << Qt::LeftToRight << Qt::Alignment(Qt::AlignRight) << false;
    QTest::newRow("Arabic: amounts at the left") << Qt::RightToLeft << Qt::Alignment(Qt::AlignLeft) << false;
    QTest::newRow("English, measured again while narrow")
        << Qt::LeftToRight << Qt::Alignment(Qt::AlignRight) << true;
    QTest::newRow("Arabic, measured again while narrow") << Qt::RightToLeft << Qt::Alignment(Qt::AlignLeft) << true;
}

void tst_direction::amountColumnsStayWholeInANarrowView()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(bool, measuredAgain);
    QStandardItemModel model(0, 3);
    model.appendRow({new QStandardItem("Pharaoh Import & Export"), new QStandardItem("Sara"),
                     new QStandardItem("188202.91")});
    model.appendRow({new QStandardItem("Nile"), new QStandardItem("Omar"), new QStandardItem("-49.88")});
    QTableView view;
    view.setLayoutDirection(direction);
    view.setModel(&model);
    view.resize(320, 200);
    view.setColumnWidth(0, 200);
    view.setColumnWidth(1, 120);
    Direction::showAmountColumns(&view, {2}, {0, 1});
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QFontMetrics metrics(view.font());
    QVERIFY2(view.columnWidth(2) > metrics.horizontalAdvance("188202.91"), qPrintable(QString::number(view.columnWidth(2))));
    int used = 0;
    for (int column = 0; column < 3; ++column)
        used += view.columnWidth(column);
    QVERIFY2(used <= view.viewport()->width(), qPrintable(QString("%1 > %2").arg(used).arg(view.viewport()->width())));
    // The contact column gave first; the name keeps what it can.
    QVERIFY(view.columnWidth(1) < 120);

    QStyleOptionViewItem option;
    option.initFrom(&view);
    Direction::applyTo(&view)->initStyleOption(&option, model.index(1, 2));
    QCOMPARE(QStyle::visualAlignment(option.direction, option.displayAlignment) & (Qt::AlignLeft | Qt::AlignRight),
             alignment);

    if (measuredAgain)
        Direction::showAmountColumns(&view, {2}, {0, 1});

    // Given room again, the text columns take back their widths.
    view.resize(600, 200);
    QTRY_COMPARE(view.columnWidth(1), 120);
    QCOMPARE(view.columnWidth(0), 200);
}

void tst_direction::nameKeepsItsFirstCharactersAndTheViewScrolls_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");

    QTest::newRow("English") << Qt::LeftToRight;
    QTest::newRow("Arabic") << Qt::RightToLeft;
}

// Too narrow for a long name, a phone number and an amount, the view keeps the name's
// first 12 characters and scrolls sideways; the phone, which could not bring the amount
// into the view by giving more, keeps a few characters.
void tst_direction::nameKeepsItsFirstCharactersAndTheViewScrolls()
{
    QFETCH(Qt::LayoutDirection, direction);
    QStandardItemModel model(0, 3);
    model.appendRow({new QStandardItem("Pharaoh Import & Export Trading"), new QStandardItem("+20 2 2735 8841"),
                     new QStandardItem("188202.91")});
    QTableView view;
    view.setLayoutDirection(direction);
    view.setModel(&model);
    view.resize(160, 200);
    ListDialog::fitColumnsToContents(&view);
    Direction::showAmountColumns(&view, {2}, {1, 0}, {0});
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(namesCutShort(&view, 0), QString());
    QVERIFY2(reachesEveryColumn(&view), qPrintable(cutColumns(&view)));
    QVERIFY(view.horizontalScrollBar()->isVisible());
    const int fewCharacters = 6 * QFontMetrics(view.font()).averageCharWidth();
    QVERIFY2(view.columnWidth(1) >= fewCharacters, qPrintable(QString::number(view.columnWidth(1))));
}

void tst_direction::windowOpensWideEnoughForItsColumns_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<int>("columnWidth"); // of each of four columns

    QTest::newRow("English, room on the screen") << Qt::LeftToRight << 120;
    QTest::newRow("Arabic, room on the screen") << Qt::RightToLeft << 120;
    QTest::newRow("English, wider than the screen") << Qt::LeftToRight << 600;
    QTest::newRow("Arabic, wider than the screen") << Qt::RightToLeft << 600;
}

// A window narrower than its view's columns opens wide enough for them where the screen
// has the room, and as wide as the screen where it has not.
void tst_direction::windowOpensWideEnoughForItsColumns()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(int, columnWidth);
    QWidget window;
    window.setLayoutDirection(direction);
    auto *view = new QTableView;
    (new QVBoxLayout(&window))->addWidget(view);
    QStandardItemModel model(3, 4);
    view->setModel(&model);
    for (int column = 0; column < 4; ++column)
        view->setColumnWidth(column, columnWidth);
    window.resize(300, 200);
    Direction::openWideEnoughFor(&window, view);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The width the window may take: the screen's, less the window's frame.
    const int screen = ScreenFit::room(&window).width();
    if (4 * columnWidth < screen) {
        QCOMPARE(cutColumns(view), QString());
        QVERIFY2(window.width() < screen, qPrintable(QString::number(window.width())));
    } else {
        QCOMPARE(window.width(), screen);
    }
    QCOMPARE(window.height(), 200);
}

void tst_direction::leadStaysInFrontOfAName_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("name");

    QTest::newRow("English window, English name") << Qt::LeftToRight << "Zarpo Demo Shop";
    QTest::newRow("Arabic window, English name") << Qt::RightToLeft << "Zarpo Demo Shop";
    QTest::newRow("English window, Arabic name") << Qt::LeftToRight << QString::fromUtf8("شركة النيل");
    QTest::newRow("Arabic window, Arabic name") << Qt::RightToLeft << QString::fromUtf8("شركة النيل");
}

void tst_direction::leadStaysInFrontOfAName()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, name);
    const QString line = Direction::joined(" - ", name, direction);

    // The dash stands at the start of the line: left in English, right in Arabic.
    const QList<qreal> x = laidOutAt(line, direction, {line.indexOf('-'), line.indexOf(name.at(0))});
    QCOMPARE(x.at(0) < x.at(1), direction == Qt::LeftToRight);
}

void tst_direction::dateFieldsReadLeftToRightInAnArabicWindow()
{
    Direction::keepDateFieldsLeftToRight();
    QWidget window;
    auto *date = new QDateEdit(QDate(2013, 3, 10), &window);
    auto *name = new QLabel("x", &window);
    window.setLayoutDirection(Qt::RightToLeft);
    date->setDisplayFormat("d/M/yyyy");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(date->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(date->text(), QString("10/3/2013"));
    QCOMPARE(name->layoutDirection(), Qt::RightToLeft);
    // Turning the window again leaves the date as it is.
    window.setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(date->layoutDirection(), Qt::LeftToRight);
}

void tst_direction::buttonsWithIconsShowTheirWholeText_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("text");

    QTest::newRow("English Cancel") << Qt::LeftToRight << "Cancel";
    QTest::newRow("English Save and Close") << Qt::LeftToRight << "Save and &Close";
    QTest::newRow("Arabic Cancel of the file dialog") << Qt::RightToLeft << QString::fromUtf8("أل&غِ");
    QTest::newRow("Arabic Yes of a message box") << Qt::RightToLeft << QString::fromUtf8("&نعم");
    QTest::newRow("Arabic Cancel of the login") << Qt::RightToLeft << QString::fromUtf8("إلغاء");
    QTest::newRow("Arabic Save and Close") << Qt::RightToLeft << QString::fromUtf8("حفظ و إغلاق");
}

// The text stands beside the icon, on the side it is read from, and within the button;
// at the button's own size and in a wider one, as a dialog's button box makes them.
void tst_direction::buttonsWithIconsShowTheirWholeText()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, text);
    Direction::applyToApplication();
    const ApplicationDirection program(direction);

    QWidget window;
    window.setLayoutDirection(direction);
    auto *button = new QPushButton(text, &window);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    button->setIcon(QIcon(pixmap));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const int width : {button->sizeHint().width(), button->sizeHint().width() + 60}) {
        button->resize(width, button->sizeHint().height());
        const QString problem = buttonTextProblem(button);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

void tst_direction::comboEntriesFollowTheirFirstLetter_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("name"); // after the account number
    QTest::addColumn<bool>("numberAtLeft");

    QTest::newRow("English window, English name") << Qt::LeftToRight << "Accounts Receivable" << true;
    QTest::newRow("Arabic window, English name") << Qt::RightToLeft << "Accounts Receivable" << true;
    QTest::newRow("Arabic window, Arabic name") << Qt::RightToLeft << QString::fromUtf8("حساب المدينين") << false;
    QTest::newRow("English window, Arabic name") << Qt::LeftToRight << QString::fromUtf8("حساب المدينين") << false;
}

// The account number stands first as the entry is read: at the left of a Latin name, at
// the right of an Arabic one, whatever the window's direction. Found as the columns that
// change when only the number does.
void tst_direction::comboEntriesFollowTheirFirstLetter()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, name);
    QFETCH(bool, numberAtLeft);
    Direction::applyToApplication();
    const ApplicationDirection program(direction);

    QWidget window;
    window.setLayoutDirection(direction);
    auto *combo = new QComboBox(&window);
    combo->addItems({"10200: " + name, "99999: " + name, QString()});
    combo->setMinimumWidth(combo->sizeHint().width() + 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage first = rendered(combo);
    combo->setCurrentIndex(1);
    const QImage second = rendered(combo);
    combo->setCurrentIndex(2);
    const QImage empty = rendered(combo);

    const QPair<int, int> entry = differingColumns(first, empty);
    const QPair<int, int> number = differingColumns(first, second);
    const QString where = QString("entry at %1..%2, number at %3..%4")
                              .arg(entry.first).arg(entry.second).arg(number.first).arg(number.second);
    QVERIFY2(entry.first >= 0 && number.first >= 0, qPrintable(where));
    if (numberAtLeft)
        QVERIFY2(number.first - entry.first < entry.second - number.second, qPrintable(where));
    else
        QVERIFY2(number.first - entry.first > entry.second - number.second, qPrintable(where));
}

void tst_direction::textBoxesAlignByTheirText_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("atRight");

    const QString arabic = QString::fromUtf8("يسلم قبل نهاية الشهر");
    QTest::newRow("English window, Latin") << Qt::LeftToRight << "Deliver by the end of the month" << false;
    QTest::newRow("English window, Arabic") << Qt::LeftToRight << arabic << true;
    QTest::newRow("Arabic window, Arabic") << Qt::RightToLeft << arabic << true;
    QTest::newRow("Arabic window, Latin") << Qt::RightToLeft << "Deliver by the end of the month" << false;
    QTest::newRow("Arabic window, digits then Arabic")
        << Qt::RightToLeft << QString::fromUtf8("50 كرتونة للفرع") << true;
    QTest::newRow("Arabic window, a number alone") << Qt::RightToLeft << "1520" << false;
}

// Where the first line of a text box lies, typed and loaded, and after its text turns to
// the other script; and where each line lies beside lines of the other script.
void tst_direction::textBoxesAlignByTheirText()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, text);
    QFETCH(bool, atRight);
    Direction::applyToApplication();
    const ApplicationDirection program(direction);

    QWidget window;
    window.setLayoutDirection(direction);
    auto *box = new QPlainTextEdit(&window);
    box->resize(400, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto lineSide = [box](int block = 0) {
        QCoreApplication::processEvents();
        const QTextLine line = box->document()->findBlockByNumber(block).layout()->lineAt(0);
        const QRectF shown = line.naturalTextRect();
        return shown.left() - line.x() > line.width() - shown.right() ? QString("right") : QString("left");
    };
    const QString expected = atRight ? "right" : "left";

    QInputMethodEvent typed;
    typed.setCommitString(text);
    box->setFocus();
    QCoreApplication::sendEvent(box, &typed);
    QCOMPARE(box->toPlainText(), text);
    QCOMPARE(lineSide(), expected);

    box->clear();
    const QString other = Direction::of(text) == Qt::RightToLeft ? "Latin" : QString::fromUtf8("عربي");
    const QString otherSide = atRight ? "left" : "right";
    box->setPlainText(other);
    QCOMPARE(lineSide(), otherSide);
    box->setPlainText(text);
    QCOMPARE(lineSide(), expected);

    // Each line by its own text, whatever the lines around it.
    box->setPlainText(text + '\n' + other + '\n' + text);
    QCOMPARE(QStringList({lineSide(0), lineSide(1), lineSide(2)}), QStringList({expected, otherSide, expected}));
}

void tst_direction::eachLineOfStoredTextReadsInItsOwnDirection_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("widget");

    const QList<QPair<const char *, const char *>> widgets{
        {"sales quote", "txtShipTo"},         {"sales quote", "txtComment"},
        {"sales order", "txtShipTo"},         {"sales order", "txtComment"},
        {"sales invoice", "txtShipTo"},       {"sales invoice", "txtComment"},
        {"sales refund", "txtComment"},       {"sales payments", "txtComment"},
        {"purchase order", "txtShipTo"},      {"purchase order", "txtComment"},
        {"purchase invoice", "txtShipTo"},    {"purchase invoice", "txtComment"},
        {"purchase refund", "txtComment"},    {"purchase payments", "txtComment"},
        {"customer", "txtNotes"},             {"vendor", "txtNotes"},
        {"employee", "txtNotes"},             {"journal entry", "txtDescription"},
        {"customer", "txtShipToStreet1"},     {"customer", "txtShipToPhone1"},
        {"person", "txtStreet1"},             {"person", "txtPhone1"},
        {"warehouse", "txtStreet1"},          {"warehouse", "txtPhone"},
        {"company info", "txtAddress"},       {"company info", "txtPhone"}};
    for (bool arabic : {false, true})
        for (const auto &[window, widget] : widgets)
            QTest::addRow("%s, %s, %s", arabic ? "Arabic" : "English", window, widget) << arabic << window << widget;
}

// Ship-to addresses, comments and notes mix Arabic and Latin lines, and the editors'
// address lines hold either: in either interface language each line reads in its own
// direction, in a box beneath a first line of either script, and a phone number keeps its
// country code in front. Read from the painted pixels, where the number stands.
void tst_direction::eachLineOfStoredTextReadsInItsOwnDirection()
{
    TestSupport::freshCompany();
    QFETCH(bool, arabic);
    QFETCH(QString, window);
    QFETCH(QString, widget);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    const ApplicationDirection program(arabic ? Qt::RightToLeft : Qt::LeftToRight);

    const std::unique_ptr<QWidget> shown(openWindow(window));
    // Room for two unbroken lines, whatever room the window leaves the box.
    QWidget *text = shownWidget(shown.get(), widget, 320);
    QVERIFY(text);
    const bool box = !qobject_cast<QLineEdit *>(text);
    if (box) {
        text->setMinimumHeight(4 * text->fontMetrics().height());
        QTRY_VERIFY(text->height() >= 4 * text->fontMetrics().height());
    }

    const QList<std::tuple<QString, QString, QString>> lines{
        {"171 Tahrir Square", "171", "left"},
        {QString::fromUtf8("171 شارع التحرير"), "171", "right"},
        {"+966 11 9068217", "+966", "left"}};
    QStringList sides;
    QStringList expected;
    for (const QString &first : box ? QStringList{QString::fromUtf8("سارة نبيل"), "Sara Nabil"} : QStringList{""}) {
        for (const auto &[line, number, side] : lines) {
            const QStringList shownLines = box ? QStringList{first, line} : QStringList{line};
            sides << shownLines.join(" / ") + ": " + numberSide(text, shownLines, shownLines.size() - 1, number);
            expected << shownLines.join(" / ") + ": " + side;
        }
    }
    QCOMPARE(sides, expected);
}

ZARPO_TEST_MAIN(tst_direction)
#include "tst_direction.moc"
