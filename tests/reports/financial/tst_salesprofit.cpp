#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/widgets/screenfit.h"
#include "reports/financial/frmSalesProfit.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>

class tst_salesprofit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void opensEmptyOnToday_data();
    void opensEmptyOnToday();
    void everyLineSoldInTheRangeWithItsCost();
    void noSalesGiveNoRowsAndZeroTotals_data();
    void noSalesGiveNoRowsAndZeroTotals();
    void failedStatementIsReportedNotShownAsZero();
    void purchaseOfTheSaleDayCountsAndUndatedOnesNever();
    void searchedLinesShowWhole_data();
    void searchedLinesShowWhole();
};

namespace {
// Widgets, Gadgets and Gizmos bought in February and March and sold around March.
void insertFixture()
{
    EXEC_SQL("INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES "
             "(1, 'W-1', 'Widget', 1), (2, 'G-1', 'Gadget', 1), (3, 'Z-1', 'Gizmo', 1)");
    EXEC_SQL("INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, `Date`) VALUES "
             "(1, 'P-1', '2024-02-01'), (2, 'P-2', '2024-02-15'), (3, 'P-3', '2024-03-20')");
    // Units: 1 Each, 2 Case.
    EXEC_SQL("INSERT INTO purchaseinvoicedetails "
             "(PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice, Discount, Tax) VALUES "
             "(1, 1, 1, 1, 10, 5.00, NULL, NULL),"  // an older Widget purchase
             "(2, 2, 1, 1, 1, 9.00, 0, 0),"         // the same day as the newest, an earlier line
             "(3, 2, 1, 1, 4, 6.00, 2.00, 1.00),"   // newest before March: 6 - 2/4 + 1/4 = 5.75 a Widget
             "(4, 1, 1, 2, 1, 60.00, NULL, NULL),"  // Widgets by the case
             "(5, 1, 2, 2, 2, 3.00, NULL, NULL),"   // Gadgets only ever bought by the case
             "(6, 3, 3, 1, 1, 7.00, NULL, NULL),"   // Gizmos bought after they were sold
             "(7, 3, 1, 1, 2, 50.00, NULL, NULL)"); // the newest Widget price by the end of March
    EXEC_SQL("INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, `Date`) VALUES "
             "(1, 'S-0', '2024-02-29'), (2, 'S-1', '2024-03-01'), (3, 'S-2', '2024-03-10'), "
             "(4, 'S-3', '2024-03-31'), (5, 'S-4', '2024-04-01')");
    EXEC_SQL("INSERT INTO salesinvoicedetails "
             "(SalesInvoiceDetailsId, SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES "
             "(1, 1, 1, 1, 1, 999.00), (2, 2, 1, 1, 3, 30.00), (3, 2, 1, 2, 1, 50.00), (4, 3, 2, 1, 2, 8.00), "
             "(5, 3, 3, 1, 1, 20.00), (6, 4, 1, 1, 2, 5.00), (7, 5, 1, 1, 1, 999.00)");
    // Refunds change neither what was sold nor what it cost.
    EXEC_SQL("INSERT INTO salesrefund (SalesRefundId, SalesInvoiceId, `Date`, Total, DepositPaid) VALUES "
             "(1, 2, '2024-03-15', 30.00, 30.00)");
    EXEC_SQL("INSERT INTO purchaserefund (PurchaseRefundId, PurchaseInvoiceId, `Date`, Total, DepositPaid) VALUES "
             "(1, 2, '2024-03-15', 24.00, 24.00)");
}

void search(frmSalesProfit &window, const QDate &from, const QDate &to)
{
    window.findChild<QDateEdit *>("dtFrom")->setDate(from);
    window.findChild<QDateEdit *>("dtTo")->setDate(to);
    click(&window, "btnSearch");
}

// The three totals as they show: sales, cost, profit.
QStringList totals(const frmSalesProfit &window)
{
    QStringList shown;
    for (const char *name : {"dblSales", "dblPurchases", "dblProfit"})
        shown << window.findChild<QDoubleSpinBox *>(name)->text();
    return shown;
}
}

void tst_salesprofit::initTestCase()
{
    TestSupport::freshCompany();
    insertFixture();
}

void tst_salesprofit::init()
{
    rightToLeft = false;
    TestSupport::MessageRecorder::clear();
}

void tst_salesprofit::opensEmptyOnToday_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English: left to right") << false;
    QTest::newRow("Arabic: right to left") << true;
}

void tst_salesprofit::opensEmptyOnToday()
{
    QFETCH(bool, arabic);
    rightToLeft = arabic;
    frmSalesProfit window;

    QCOMPARE(window.layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
    const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                    | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    QCOMPARE(window.windowFlags() & buttons, Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    for (const char *name : {"dtFrom", "dtTo"}) {
        auto *date = window.findChild<QDateEdit *>(name);
        QCOMPARE(date->date(), QDate::currentDate());
        // Day first in Arabic too, as the grid shows its dates.
        QCOMPARE(date->text(), QDate::currentDate().toString(dateFormat));
    }
    QCOMPARE(table(&window)->model()->rowCount(), 0);
    QCOMPARE(totals(window), QStringList({"0.00", "0.00", "0.00"}));
    // The totals' digits stay in order at the end of their fields in either direction.
    auto *profit = window.findChild<QDoubleSpinBox *>("dblProfit");
    QCOMPARE(profit->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(profit->alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignAbsolute | (arabic ? Qt::AlignLeft : Qt::AlignRight));
}

// Both bounds count; a purchase after the sale does not; a sale in a unit never bought
// costs 0; the newest purchase line prices the sale, its discount and tax shared over
// its quantity; refunds change nothing; totals add up to the cent, here to a loss.
void tst_salesprofit::everyLineSoldInTheRangeWithItsCost()
{
    frmSalesProfit window;
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));

    QTableView *view = table(&window);
    const QStringList headers{"Sales Invoice No.", "Date", "Item Name", "Unit Of Measure", "Price", "Quantity",
                              "Purchase Price"};
    QStringList shownHeaders;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!view->isColumnHidden(column))
            shownHeaders << view->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(shownHeaders, headers);
    QCOMPARE(shownRows(view), QStringList({
                                  "S-1|1/3/2024|Widget|Each|30.00|3|17.25",
                                  "S-1|1/3/2024|Widget|Case|50.00|1|60.00",
                                  "S-2|10/3/2024|Gadget|Each|8.00|2|0.00",
                                  "S-2|10/3/2024|Gizmo|Each|20.00|1|0.00",
                                  "S-3|31/3/2024|Widget|Each|5.00|2|100.00",
                              }));
    QCOMPARE(totals(window), QStringList({"113.00", "177.25", "-64.25"}));

    auto *delegate = qobject_cast<DirectionDelegate *>(view->itemDelegate());
    QVERIFY(delegate);
    for (int column : {6, 7, 8})
        QVERIFY2(delegate->isAmountColumn(column), qPrintable(QString::number(column)));
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
}

void tst_salesprofit::noSalesGiveNoRowsAndZeroTotals_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("from after to") << QDate(2024, 3, 31) << QDate(2024, 3, 1);
    QTest::newRow("days without sales") << QDate(2024, 3, 2) << QDate(2024, 3, 9);
}

void tst_salesprofit::noSalesGiveNoRowsAndZeroTotals()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    frmSalesProfit window;
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    search(window, from, to);

    QCOMPARE(table(&window)->model()->rowCount(), 0);
    QCOMPARE(totals(window), QStringList({"0.00", "0.00", "0.00"}));
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
}

void tst_salesprofit::failedStatementIsReportedNotShownAsZero()
{
    frmSalesProfit window;
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    EXEC_SQL("RENAME TABLE uom TO uom_away");
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    EXEC_SQL("RENAME TABLE uom_away TO uom");

    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 1);
    QCOMPARE(TestSupport::MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(TestSupport::MessageRecorder::last().text.startsWith(msgSelectFailed + "\n"), qPrintable(TestSupport::messageLog()));
    QVERIFY2(TestSupport::MessageRecorder::last().text.contains("uom"), qPrintable(TestSupport::messageLog()));
    QCOMPARE(table(&window)->model()->rowCount(), 0);
    QCOMPARE(totals(window), QStringList({"", "", ""}));

    // The next search shows its figures again, the same as before the failure.
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    QCOMPARE(totals(window), QStringList({"113.00", "177.25", "-64.25"}));
}

void tst_salesprofit::purchaseOfTheSaleDayCountsAndUndatedOnesNever()
{
    // Gadgets by the piece bought on the day S-2 sold them; Gizmos on an invoice without a date.
    EXEC_SQL("INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, `Date`) VALUES "
             "(4, 'P-4', '2024-03-10'), (5, 'P-5', NULL)");
    EXEC_SQL("INSERT INTO purchaseinvoicedetails "
             "(PurchaseInvoiceDetailsId, PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice, Discount, Tax) VALUES "
             "(8, 4, 2, 1, 2, 4.00, 1.00, NULL), (9, 5, 3, 1, 1, 1.00, NULL, NULL)");
    frmSalesProfit window;
    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    EXEC_SQL("DELETE FROM purchaseinvoice WHERE PurchaseInvoiceId IN (4, 5)");

    QCOMPARE(shownRows(table(&window)), QStringList({
                                            "S-1|1/3/2024|Widget|Each|30.00|3|17.25",
                                            "S-1|1/3/2024|Widget|Case|50.00|1|60.00",
                                            "S-2|10/3/2024|Gadget|Each|8.00|2|7.00",
                                            "S-2|10/3/2024|Gizmo|Each|20.00|1|0.00",
                                            "S-3|31/3/2024|Widget|Each|5.00|2|100.00",
                                        }));
    QCOMPARE(totals(window), QStringList({"113.00", "184.25", "-71.25"}));
}

void tst_salesprofit::searchedLinesShowWhole_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

// The lines come after the window is shown: it grows for them as a list grows when it
// opens, so that names, units and amounts read whole where the screen has the room.
void tst_salesprofit::searchedLinesShowWhole()
{
    QFETCH(bool, arabic);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    frmSalesProfit window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    search(window, QDate(2024, 3, 1), QDate(2024, 3, 31));
    QCoreApplication::processEvents();

    // As wide as the screen, the invoice number, name and unit give way; the amounts never.
    const bool fillsTheScreen = window.width() >= ScreenFit::room(&window).width();
    QCOMPARE(cutColumns(table(&window), fillsTheScreen ? QList<int>{0, 3, 5} : QList<int>()), QString());
}

ZARPO_TEST_MAIN(tst_salesprofit)
#include "tst_salesprofit.moc"
