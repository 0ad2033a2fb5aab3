#include "core/system/globals.h"
#include "reports/financial/frmDailyCash.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QApplication>
#include <QDateEdit>
#include <QPointer>
#include <QTranslator>

class tst_dailycash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void opensOnTodayWithoutDocuments();
    void eachSumCountsItsDocumentsOnBothBounds_data();
    void eachSumCountsItsDocumentsOnBothBounds();
    void netSignsEachSum_data();
    void netSignsEachSum();
    void paymentsChangeNothing();
    void fromDateRaisesTheToDatesMinimum();
    void staysLeftToRightInArabic();
    void failedStatementIsReportedNotShownAsZero();
    void okCloses();
};

namespace {
const QString sumLabels[] = {"lblPurchases", "lblPurchaseRefunds", "lblSales", "lblSalesRefunds", "lblTotal"};

void removeDocuments()
{
    for (const char *table : {"salespayments", "purchasepayments", "salesrefund", "purchaserefund", "salesinvoice",
                              "purchaseinvoice"})
        EXEC_SQL(QString("DELETE FROM %1").arg(table));
}

void insertDocument(const QString &table, const QString &date, const QString &depositPaid)
{
    EXEC_SQL(QString("INSERT INTO %1 (`Date`, Total, DepositPaid) VALUES ('%2', 5000, %3)")
                 .arg(table, date, depositPaid));
}

void setRange(frmDailyCash &window, const QDate &from, const QDate &to)
{
    window.findChild<QDateEdit *>("dtFrom")->setDate(from);
    window.findChild<QDateEdit *>("dtTo")->setDate(to);
}

// Purchases, purchase refunds, sales, sales refunds and the net, as the labels show them.
QStringList figures(frmDailyCash &window)
{
    QStringList shown;
    for (const QString &label : sumLabels)
        shown << text(&window, qPrintable(label));
    return shown;
}
}

void tst_dailycash::initTestCase()
{
    TestSupport::freshCompany();
}

void tst_dailycash::init()
{
    TestSupport::MessageRecorder::clear();
    removeDocuments();
}

void tst_dailycash::opensOnTodayWithoutDocuments()
{
    frmDailyCash window;

    for (const char *name : {"dtFrom", "dtTo"}) {
        auto *date = window.findChild<QDateEdit *>(name);
        QCOMPARE(date->date(), QDate::currentDate());
        QCOMPARE(date->displayFormat(), dateFormat);
    }
    QCOMPARE(figures(window), QStringList({"0", "0", "0", "0", "0"}));
    const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                    | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    QCOMPARE(window.windowFlags() & buttons, Qt::WindowCloseButtonHint);
}

void tst_dailycash::eachSumCountsItsDocumentsOnBothBounds_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("purchase invoices") << "purchaseinvoice" << QStringList({"30.3", "0", "0", "0", "-30.3"});
    QTest::newRow("purchase refunds") << "purchaserefund" << QStringList({"0", "30.3", "0", "0", "30.3"});
    QTest::newRow("sales invoices") << "salesinvoice" << QStringList({"0", "0", "30.3", "0", "30.3"});
    QTest::newRow("sales refunds") << "salesrefund" << QStringList({"0", "0", "0", "30.3", "-30.3"});
}

// One document on each bound counts; one a day outside either bound does not; a NULL
// deposit adds nothing.
void tst_dailycash::eachSumCountsItsDocumentsOnBothBounds()
{
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    insertDocument(table, "2024-02-29", "1000");
    insertDocument(table, "2024-03-01", "10.10");
    insertDocument(table, "2024-03-15", "NULL");
    insertDocument(table, "2024-03-31", "20.20");
    insertDocument(table, "2024-04-01", "1000");

    frmDailyCash window;
    setRange(window, QDate(2024, 3, 1), QDate(2024, 3, 31));

    QCOMPARE(figures(window), expected);
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
}

void tst_dailycash::netSignsEachSum_data()
{
    QTest::addColumn<QString>("purchases");
    QTest::addColumn<QString>("purchaseRefunds");
    QTest::addColumn<QString>("sales");
    QTest::addColumn<QString>("salesRefunds");
    QTest::addColumn<QString>("net");

    QTest::newRow("sales add") << "0" << "0" << "100" << "0" << "100";
    QTest::newRow("sales refunds subtract") << "0" << "0" << "100" << "30.25" << "69.75";
    QTest::newRow("purchases beyond sales give a minus") << "250.5" << "0" << "100" << "0" << "-150.5";
    QTest::newRow("purchase refunds add back") << "100" << "40" << "0" << "0" << "-60";
    QTest::newRow("all four to the cent") << "0.3" << "0.1" << "0.7" << "0.1" << "0.4";
    QTest::newRow("all four cancel out") << "50" << "20" << "40" << "10" << "0";
}

void tst_dailycash::netSignsEachSum()
{
    QFETCH(QString, purchases);
    QFETCH(QString, purchaseRefunds);
    QFETCH(QString, sales);
    QFETCH(QString, salesRefunds);
    QFETCH(QString, net);
    insertDocument("purchaseinvoice", "2024-03-10", purchases);
    insertDocument("purchaserefund", "2024-03-10", purchaseRefunds);
    insertDocument("salesinvoice", "2024-03-10", sales);
    insertDocument("salesrefund", "2024-03-10", salesRefunds);

    frmDailyCash window;
    setRange(window, QDate(2024, 3, 10), QDate(2024, 3, 10));

    QCOMPARE(figures(window), QStringList({purchases, purchaseRefunds, sales, salesRefunds, net}));
}

void tst_dailycash::paymentsChangeNothing()
{
    EXEC_SQL("INSERT INTO salesinvoice (SalesInvoiceId, `Date`, Total, DepositPaid) VALUES (1, '2024-03-10', 500, 100)");
    EXEC_SQL("INSERT INTO purchaseinvoice (PurchaseInvoiceId, `Date`, Total, DepositPaid) "
             "VALUES (1, '2024-03-10', 300, 50)");
    const QStringList expected{"50", "0", "100", "0", "50"};
    {
        frmDailyCash window;
        setRange(window, QDate(2024, 3, 10), QDate(2024, 3, 10));
        QCOMPARE(figures(window), expected);
    }

    EXEC_SQL("INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount) "
             "VALUES (1, '2024-03-10', '0', 400)");
    EXEC_SQL("INSERT INTO purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount) "
             "VALUES (1, '2024-03-10', '0', 250)");
    frmDailyCash window;
    setRange(window, QDate(2024, 3, 10), QDate(2024, 3, 10));
    QCOMPARE(figures(window), expected);
}

void tst_dailycash::fromDateRaisesTheToDatesMinimum()
{
    insertDocument("salesinvoice", "2024-03-20", "7");
    frmDailyCash window;
    auto *from = window.findChild<QDateEdit *>("dtFrom");
    auto *to = window.findChild<QDateEdit *>("dtTo");
    setRange(window, QDate(2024, 3, 1), QDate(2024, 3, 10));
    QCOMPARE(text(&window, "lblSales"), QString("0"));

    // A from-date past the to-date takes the to-date with it, and the sums follow both.
    from->setDate(QDate(2024, 3, 20));
    QCOMPARE(to->date(), QDate(2024, 3, 20));
    QCOMPARE(text(&window, "lblSales"), QString("7"));
    to->setDate(QDate(2024, 3, 5));
    QCOMPARE(to->date(), QDate(2024, 3, 20));

    // Moving the from-date back lowers the minimum again.
    from->setDate(QDate(2024, 3, 1));
    QCOMPARE(to->minimumDate(), QDate(2024, 3, 1));
    to->setDate(QDate(2024, 3, 5));
    QCOMPARE(to->date(), QDate(2024, 3, 5));
    QCOMPARE(text(&window, "lblSales"), QString("0"));
}

// Unlike the program's other windows: figures and dates read left to right, and only the
// texts are Arabic, even though the program lays out every other window right to left.
void tst_dailycash::staysLeftToRightInArabic()
{
    QTranslator translator;
    // The program's Arabic texts, compiled beside the program at the top of the build tree.
    QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&translator);
    rightToLeft = true;
    QApplication::setLayoutDirection(Qt::RightToLeft);

    frmDailyCash window;
    const Qt::LayoutDirection direction = window.layoutDirection();
    const QString title = window.windowTitle();
    const QString caption = text(&window, "label_6");

    QApplication::setLayoutDirection(Qt::LeftToRight);
    rightToLeft = false;
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(direction, Qt::LeftToRight);
    QVERIFY2(title != "Day Cash" && title.isRightToLeft(), qPrintable(title));
    QVERIFY2(caption != "TOTAL:" && caption.isRightToLeft(), qPrintable(caption));
}

void tst_dailycash::failedStatementIsReportedNotShownAsZero()
{
    insertDocument("salesinvoice", "2024-03-10", "100");
    insertDocument("purchaseinvoice", "2024-03-10", "40");
    frmDailyCash window;
    EXEC_SQL("RENAME TABLE salesrefund TO salesrefund_away");
    setRange(window, QDate(2024, 3, 10), QDate(2024, 3, 10));
    EXEC_SQL("RENAME TABLE salesrefund_away TO salesrefund");

    // Each of the two date changes reads the sums once and tells of the failure once.
    QCOMPARE(TestSupport::MessageRecorder::messages().size(), 2);
    QCOMPARE(TestSupport::MessageRecorder::last().kind, Messages::Critical);
    QVERIFY2(TestSupport::MessageRecorder::last().text.startsWith(msgSelectFailed + "\n"), qPrintable(TestSupport::messageLog()));
    QVERIFY2(TestSupport::MessageRecorder::last().text.contains("salesrefund"), qPrintable(TestSupport::messageLog()));
    QCOMPARE(figures(window), QStringList({"40", "0", "100", "", ""}));
}

void tst_dailycash::okCloses()
{
    QPointer<frmDailyCash> window = new frmDailyCash(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    click(window, "btnOK");
    QTRY_VERIFY(window.isNull());
}

ZARPO_TEST_MAIN(tst_dailycash)
#include "tst_dailycash.moc"
