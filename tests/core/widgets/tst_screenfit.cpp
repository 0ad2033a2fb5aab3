#include "app/frmLogin.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "core/widgets/screenfit.h"
#include "tests/support/reportsupport.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {
// Names that ask for all the room their columns allow, in either language.
const QStringList longNames{
    "INSERT INTO accounts (AccountId, AccountNo, Description, DescriptionAr, TypeId, CurrencyId, ParentAccountId) "
    "VALUES (201, '10701', 'Receivables of Wholesale Customers in Giza 1', 'ذمم مدينة لعملاء الجملة في محافظة الجيزة ١', "
    "1, 2, 34), (202, '20701', 'Payables to Wholesale Suppliers of Alexandria', "
    "'مستحقات موردي الجملة في محافظة الإسكندرية ٢', 2, 2, 48), (204, '40701', "
    "'Revenue of Wholesale Deliveries to Upper Egypt', 'إيرادات توريدات الجملة إلى محافظات الصعيد ٣', 4, 2, 58), "
    "(205, '50701', 'Refunds of Wholesale Deliveries to Upper Egypt', 'مرتجعات توريدات الجملة إلى محافظات الصعيد ٤', "
    "5, 2, 104)",
    "INSERT INTO persons (PersonId, PersonName, Phone1) VALUES "
    "(21, 'Abdel Rahman Mahmoud El Sayed Abdel Aziz', '+20 2 2735 8841 ext. 114')",
    "INSERT INTO customers (CustomerId, CustomerName, CustomerPersonId, IsActive) VALUES "
    "(21, 'Pharaoh Import & Export Trading Company Ltd', 21, b'1')",
    "INSERT INTO vendors (VendorId, VendorName, ContactPersonId, IsActive) VALUES "
    "(21, 'Delta Wholesale Food Supplies & Trading Co.', 21, b'1')",
    "INSERT INTO itemcategories (ItemCategoryId, Category) VALUES (21, 'Dairy and Chilled Products of Local Farms')",
    "INSERT INTO items (ItemId, ItemNo, ItemName, TypeId, CategoryId, IsActive) VALUES "
    "(21, 'DAIRY-M-1001-1L-CARTON', 'Full Cream Milk 1 Litre Bottle Pack of Twelve', 1, 21, b'1')",
    "INSERT INTO purchaseinvoice (PurchaseInvoiceId, VendorId, ShipToWarehouseID, Date, Total, DepositPaid) "
    "VALUES (21, 21, 1, CURDATE(), 1115490.33, 0)",
    "INSERT INTO salesinvoice (SalesInvoiceId, CustomerId, Date, Total, DepositPaid) "
    "VALUES (21, 21, CURDATE(), 1188202.91, 0)",
};

QString rectText(const QRect &rect)
{
    return QString("%1,%2 %3 x %4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The part of `rect` (in `widget`'s own coordinates) that its window shows, in the
// window's coordinates: what every parent leaves of it.
QRect shownPart(const QWidget *widget, QRect rect)
{
    rect &= widget->rect();
    for (const QWidget *child = widget; !child->isWindow(); child = child->parentWidget()) {
        rect.translate(child->pos());
        rect &= child->parentWidget()->rect();
    }
    return rect;
}

// Where `rect` of `widget` is not shown whole on `screen`: "what at where"; empty when it is.
QString cutPart(const QWidget *widget, const QRect &rect, const QString &what, const QRect &screen)
{
    const QWidget *window = widget->window();
    const QRect whole(widget->mapTo(window, rect.topLeft()), rect.size());
    const QRect onScreen = whole.translated(window->mapToGlobal(QPoint(0, 0)));
    if (shownPart(widget, rect) == whole && screen.contains(onScreen))
        return QString();
    return QString("%1 at %2").arg(what, rectText(onScreen));
}

// What of `window` does not fit the screen it is on: its frame, its least size with the
// frame, each shown button and tab. Empty when all of it does.
QString offScreen(QWidget *window)
{
    QStringList problems;
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!screen.contains(frame))
        problems << "frame at " + rectText(frame);
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint()) + frame.size() - window->size();
    if (least.width() > screen.width() || least.height() > screen.height())
        problems << QString("at least %1 x %2").arg(least.width()).arg(least.height());
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString name = button->objectName().isEmpty() ? button->metaObject()->className() : button->objectName();
        // A button laid out to nothing, such as the corner of a list without row headers,
        // is not there to be clicked.
        if (button->isVisible() && !button->rect().isEmpty())
            problems << cutPart(button, button->rect(), name, screen);
    }
    for (const QTabBar *bar : window->findChildren<QTabBar *>())
        for (int tab = 0; bar->isVisible() && tab < bar->count(); ++tab)
            problems << cutPart(bar, bar->tabRect(tab), "tab " + bar->tabText(tab), screen);
    problems.removeAll(QString());
    if (problems.isEmpty())
        return QString();
    return QString("%1 on a screen of %2: %3").arg(window->metaObject()->className(), rectText(screen),
                                                   problems.join(", "));
}

QSet<QWidget *> shownWindows()
{
    QSet<QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            shown << widget;
    return shown;
}

// A step that opens no window: "name=text" types into a field, "name#N" with N past 0
// chooses a combo's entry other than "<Add New>", "@row" chooses the first row of the
// window's list, "@report:CODE" the report of that code in the catalogue.
bool opensNoWindow(const QString &step)
{
    return step.startsWith('@') || step.contains('=') || (step.contains('#') && !step.endsWith("#0"));
}

// Does `step` in `window`: "name" triggers the action or clicks the button of that name,
// "name#N" chooses entry N of the combo, and the steps above.
void act(QWidget *window, const QString &step)
{
    if (step == "@row") {
        QTableView *view = table(window);
        int column = 0;
        while (view->isColumnHidden(column))
            ++column;
        view->setCurrentIndex(view->model()->index(0, column));
    } else if (step.startsWith("@report:")) {
        auto *tree = window->findChild<QTreeWidget *>("treeWidget");
        const QList<QTreeWidgetItem *> found = tree->findItems(step.section(':', 1), Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!found.isEmpty(), qPrintable(step));
        tree->setCurrentItem(found.first());
    } else if (step.contains('=')) {
        window->findChild<QLineEdit *>(step.section('=', 0, 0))->setText(step.section('=', 1));
    } else if (step.contains('#')) {
        QComboBox *box = combo(window, qPrintable(step.section('#', 0, 0)));
        const int entry = step.section('#', 1).toInt();
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    } else if (auto *action = window->findChild<QAction *>(step)) {
        action->trigger();
    } else {
        click(window, qPrintable(step));
    }
}

// Follows `steps` from `window`, each in the window the step before opened, and runs
// `check` on the last window while it is open: a dialog run modally is checked within its
// exec(). Every window the steps opened is closed again; `done` is set at the end.
void follow(QWidget *window, QStringList steps, const std::function<void(QWidget *)> &check, bool *done)
{
    while (!steps.isEmpty() && opensNoWindow(steps.first()))
        act(window, steps.takeFirst());
    if (steps.isEmpty()) {
        check(window);
        *done = true;
        return;
    }
    const QString step = steps.takeFirst();
    const QSet<QWidget *> before = shownWindows();
    auto *timer = new QTimer;
    auto *waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget *opened = nullptr;
        for (QWidget *shown : shownWindows())
            if (!before.contains(shown))
                opened = shown;
        if (!opened && ++*waited < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (!opened) {
            QTest::qFail(qPrintable(step + " opened no window; " + TestSupport::messageLog()), __FILE__, __LINE__);
            *done = true;
            return;
        }
        QPointer<QWidget> guard = opened;
        if (!QTest::qWaitForWindowExposed(opened))
            QTest::qFail("not exposed", __FILE__, __LINE__);
        follow(opened, steps, check, done);
        if (auto *dialog = qobject_cast<QDialog *>(guard.data()); dialog && dialog->isModal())
            dialog->reject();
        else if (guard)
            guard->close();
    });
    timer->start(10);
    act(window, step);
}
}

class tst_screenfit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowOpensWithinTheSmallestScreen_data();
    void everyWindowOpensWithinTheSmallestScreen();
    void aWindowOpensWithItsFrameOnTheScreen_data();
    void aWindowOpensWithItsFrameOnTheScreen();
};

void tst_screenfit::initTestCase()
{
    TestSupport::freshCompany();
    ReportSupport::copyReportTemplates();
    for (const QString &statement : longNames)
        EXEC_SQL(statement);
    TestSupport::writeCompanySettings();
    // The smallest screen the program is made for.
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 600));
}

void tst_screenfit::everyWindowOpensWithinTheSmallestScreen_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QStringList>("steps"); // from the main window as the login opens it
    QTest::addColumn<QString>("window");

    const struct
    {
        const char *name;
        QStringList steps;
        const char *window;
    } openings[] = {
        {"main window, restored", {}, "frmMainWindow"},
        {"login after a logout", {"actionLogout"}, "frmLogin"},
        {"company entry from the login", {"actionLogout", "btnEditCompany"}, "frmAddCompany"},
        {"change password", {"actionChange_Password"}, "frmUserChangePassword"},
        {"company info", {"actionCompany_Info"}, "frmCompanyInfo"},
        {"settings", {"actionSettings"}, "frmSettings"},
        {"preferences", {"actionPreferences"}, "frmPreferences"},
        {"about", {"actionAboute"}, "frmAbout"},
        {"accounts", {"accounts_actionView"}, "frmAccountsView"},
        {"new account from the menu", {"accounts_actionAdd"}, "frmAccounts"},
        {"new account from the list", {"accounts_actionView", "btnNew"}, "frmAccounts"},
        {"new currency from an account", {"accounts_actionAdd", "cmbCurrency#0"}, "frmCurrencies"},
        {"currencies", {"currencies_actionView"}, "frmCurrenciesView"},
        {"currency from the list", {"currencies_actionView", "@row", "btnEdit"}, "frmCurrencies"},
        {"fiscal years", {"fiscalYear_actionView"}, "frmFiscalYearView"},
        {"new fiscal year from the list", {"fiscalYear_actionView", "btnNew"}, "frmFiscalYear"},
        {"general journal", {"actionGeneral_Journal"}, "frmGeneralJournal"},
        {"journal line", {"actionGeneral_Journal", "btnAdd"}, "dlgAccTrans"},
        {"journal entries", {"actionGeneral_Journal", "btnSearch"}, "frmGeneralJournalView"},
        {"persons", {"persons_actionView"}, "frmPersonsView"},
        {"person from the list", {"persons_actionView", "@row", "btnEdit"}, "frmPersons"},
        {"departments", {"department_actionView"}, "frmDepartmentsView"},
        {"new department from the list", {"department_actionView", "btnNew"}, "frmDepartments"},
        {"employees", {"employees_actionView"}, "frmEmployeesView"},
        {"employee from the list", {"employees_actionView", "@row", "btnEdit"}, "frmEmployees"},
        {"users", {"users_actionView"}, "frmUsersView"},
        {"new user from the list", {"users_actionView", "btnNew"}, "frmUsers"},
        {"password from the users", {"users_actionView", "@row", "btnChangePassword"}, "frmUserChangePassword"},
        {"customers", {"customers_actionView"}, "frmCustomersView"},
        {"customer from the list", {"customers_actionView", "@row", "btnEdit"}, "frmCustomers"},
        {"customer from the home tab", {"btnCustomers"}, "frmCustomers"},
        {"vendors", {"vendors_actionView"}, "frmVendorsView"},
        {"vendor from the list", {"vendors_actionView", "@row", "btnEdit"}, "frmVendors"},
        {"vendor from the home tab", {"btnVendors"}, "frmVendors"},
        {"categories", {"categories_actionView"}, "frmCategoriesView"},
        {"new category from the list", {"categories_actionView", "btnNew"}, "frmCategories"},
        {"units", {"uom_actionView"}, "frmUOMView"},
        {"new unit from the list", {"uom_actionView", "btnNew"}, "frmUOM"},
        {"items", {"items_actionView"}, "frmItemsView"},
        {"item from the list", {"items_actionView", "@row", "btnEdit"}, "frmItems"},
        {"inventory", {"actionInventory"}, "frmInventory"},
        {"item capital", {"actionItem_Capital"}, "frmItemCapital"},
        {"sales quote", {"actionSalesQuote"}, "frmSalesQuote"},
        {"sales quotes", {"btnSalesQuote", "btnSearch"}, "frmSalesQuoteView"},
        {"sales order", {"btnSalesOrder"}, "frmSalesOrder"},
        {"sales orders", {"btnSalesOrder", "btnSearch"}, "frmSalesOrderView"},
        {"sales invoice", {"btnSalesInvoice"}, "frmSalesInvoice"},
        {"sales invoices", {"btnSalesInvoice", "btnSearch"}, "frmSalesInvoiceView"},
        {"item picked for a sales line", {"btnSalesInvoice", "cmbWarehouse#1", "btnAddItem"}, "frmItemsView"},
        {"new warehouse from a sales invoice", {"btnSalesInvoice", "cmbWarehouse#0"}, "frmWarehouses"},
        {"sales payment", {"actionSales_Payment"}, "frmSalesPayments"},
        {"sales refund", {"btnSalesRefund"}, "frmSalesRefund"},
        {"sales refunds", {"btnSalesRefund", "btnSearch"}, "frmSalesRefundView"},
        {"purchase order from the home tab", {"btnPurchaseOrders"}, "frmPurchaseOrder"},
        {"purchase order from the menu", {"actionPurchase_Order"}, "frmPurchaseOrder"},
        {"purchase orders", {"btnPurchaseOrders", "btnSearch"}, "frmPurchaseOrderView"},
        {"purchase invoice from the home tab", {"btnPrchaseInvoices"}, "frmPurchaseInvoice"},
        {"purchase invoice from the menu", {"actionPurchase_Invoice"}, "frmPurchaseInvoice"},
        {"purchase invoices", {"btnPrchaseInvoices", "btnSearch"}, "frmPurchaseInvoiceView"},
        {"item picked for a purchase line", {"btnPrchaseInvoices", "btnAddItem"}, "frmItemsView"},
        {"new vendor from a purchase invoice", {"btnPrchaseInvoices", "cmbVendor#0"}, "frmVendors"},
        {"purchase payment", {"actionPurchase_Payment"}, "frmPurchasingPayments"},
        {"purchase refund", {"btnPurchaseRefunds"}, "frmPurchaseRefund"},
        {"purchase refunds", {"btnPurchaseRefunds", "btnSearch"}, "frmPurchaseRefundView"},
        {"reports center", {"actionReports_Center"}, "frmReportsCenter"},
        {"report", {"actionReports_Center", "@report:ACCLST", "btnShow"}, "frmReportViewer"},
        {"daily cash", {"actionDay_Cash"}, "frmDailyCash"},
        {"sales profit", {"actionSales_Profit"}, "frmSalesProfit"},
    };
    for (bool arabic : {false, true})
        for (const auto &opening : openings)
            QTest::addRow("%s, %s", opening.name, arabic ? "Arabic" : "English")
                << arabic << opening.steps << QString(opening.window);
}

// Opened as the user opens it on a screen of 800 x 600, every window is on the screen with
// its frame, can be made no larger than the screen, and shows every button and tab whole.
// A window opened maximized is looked at as it is restored.
void tst_screenfit::everyWindowOpensWithinTheSmallestScreen()
{
    QFETCH(bool, arabic);
    QFETCH(QStringList, steps);
    QFETCH(QString, window);
    const TestSupport::InterfaceLanguage language(arabic);
    QVERIFY(language.ready());
    // As the program's start-up sets it in Arabic.
    QGuiApplication::setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    const QScopeGuard leftToRight([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    const QScopeGuard closeAll([] {
        for (QWidget *shown : shownWindows())
            shown->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });

    // The login as the program's start shows it, and the main window it opens.
    auto *login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
    QVERIFY(QTest::qWaitForWindowExposed(login));
    edit(login, "txtUsername")->setText("admin");
    edit(login, "txtPassword")->setText("tavle");
    click(login, "btnLogin");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmMainWindow *mainWindow = nullptr;
    for (QWidget *shown : shownWindows())
        if (auto *found = qobject_cast<frmMainWindow *>(shown))
            mainWindow = found;
    QVERIFY2(mainWindow, qPrintable(TestSupport::messageLog()));
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));

    QString problems;
    bool done = false;
    follow(mainWindow, steps,
           [&](QWidget *opened) {
               if (opened->metaObject()->className() != window)
                   problems = QString("%1 opened instead; ").arg(opened->metaObject()->className());
               if (opened->isMaximized()) {
                   opened->showNormal();
                   QTRY_VERIFY(!opened->isMaximized());
                   QTest::qWait(20);
               }
               problems += offScreen(opened);
           },
           &done);
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    QCOMPARE(problems, QString());
}

void tst_screenfit::aWindowOpensWithItsFrameOnTheScreen_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QSize>("wish");
    QTest::addColumn<QRect>("parent"); // none when empty
    QTest::addColumn<bool>("centred"); // over the parent, or else over the screen

    const QSize small(300, 200);
    const QSize filling(5000, 5000);
    const struct
    {
        const char *name;
        bool dialog;
        QSize wish;
        QRect parent;
        bool centred;
    } cases[] = {
        {"small dialog over a parent in the middle", true, small, QRect(200, 150, 400, 300), true},
        {"small dialog without a parent", true, small, QRect(), true},
        {"small dialog over a parent at the top left", true, small, QRect(0, 0, 200, 150), false},
        {"small dialog over a parent near the bottom", true, small, QRect(100, 520, 400, 300), false},
        {"small dialog over a parent off to the right", true, small, QRect(650, 200, 400, 300), false},
        {"dialog filling the room without a parent", true, filling, QRect(), false},
        {"dialog filling the room over a parent at the top left", true, filling, QRect(0, 0, 200, 150), false},
        {"small window over a parent in the middle", false, small, QRect(200, 150, 400, 300), true},
        {"small window over a parent near the bottom", false, small, QRect(100, 520, 400, 300), false},
        {"window filling the room without a parent", false, filling, QRect(), false},
    };
    for (bool rightToLeft : {false, true})
        for (const auto &opening : cases)
            QTest::addRow("%s, %s", opening.name, rightToLeft ? "right to left" : "left to right")
                << rightToLeft << opening.dialog << opening.wish << opening.parent << opening.centred;
}

// Under a window manager the title bar lies above the window's own geometry: placed by
// QDialog alone, a window as high as the room opened with its title bar above the screen,
// and one over a parent near an edge with its frame past that edge.
void tst_screenfit::aWindowOpensWithItsFrameOnTheScreen()
{
    QFETCH(bool, rightToLeft);
    QFETCH(bool, dialog);
    QFETCH(QSize, wish);
    QFETCH(QRect, parent);
    QFETCH(bool, centred);
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const QScopeGuard leftToRight([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();

    std::unique_ptr<QWidget> parentWindow;
    if (!parent.isEmpty()) {
        parentWindow = std::make_unique<QWidget>();
        parentWindow->setGeometry(parent);
        parentWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(parentWindow.get()));
    }
    const QRect over = parentWindow ? parentWindow->geometry() : available;

    QRect opened;
    QMargins frame;
    if (dialog) {
        QDialog window(parentWindow.get());
        window.resize(wish);
        QTimer::singleShot(0, &window, [&] {
            opened = window.geometry();
            frame = ScreenFit::frameOf(&window);
            window.reject();
        });
        ScreenFit::exec(window);
    } else {
        QWidget window(parentWindow.get(), Qt::Window);
        window.resize(wish);
        ScreenFit::show(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        opened = window.geometry();
        frame = ScreenFit::frameOf(&window);
    }
    QVERIFY2(available.contains(opened.marginsAdded(frame)),
             qPrintable(QString("frame at %1 on a screen of %2")
                            .arg(rectText(opened.marginsAdded(frame)), rectText(available))));
    if (centred)
        QCOMPARE(opened.center(), over.center());
}

ZARPO_TEST_MAIN(tst_screenfit)
#include "tst_screenfit.moc"
