#include "core/system/cXml.h"
#include "core/db/connection.h"
#include "app/frmLogin.h"
#include "app/frmMainWindow.h"
#include "core/system/globals.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QTabWidget>
#include <QTranslator>
#include <QTimer>
#include <QToolButton>

namespace {
void storeTabIndex(const QString &value)
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    xml.setAttributes("MainWindow", {"TabIndex"}, {value});
}

QStringList storedTabIndexes()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    return xml.getAttributes("MainWindow", "TabIndex");
}

// A company entry keeps the login dialog from asking for a first company.
void storeCompanyEntry()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    xml.addElement("Company", {"Server", "ServerPort", "ServerUsername", "ServerPassword", "Database"},
                   {dbHost, QString::number(dbPort), dbUser, dbPassword, dbName});
}

QTabWidget *tabs(QWidget *window)
{
    return window->findChild<QTabWidget *>("tabWidget");
}

QString labelText(QWidget *window, const char *name)
{
    QLabel *label = window->findChild<QLabel *>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}

// Runs the event loop the way the program does, starting with `action`; the result is
// the loop's return code, or 42 when the loop was still running after `ms`.
int runEventLoop(const std::function<void()> &action, int ms = 500)
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(ms, [] { QCoreApplication::exit(42); });
    return QCoreApplication::exec();
}

// A menu or the menu bar as text: "object:title" for a submenu, "object:text" for an
// action, "---" for a separator.
QStringList entries(QWidget *menu)
{
    QStringList list;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            list << "---";
        else if (action->menu())
            list << action->menu()->objectName() + ":" + action->menu()->title();
        else
            list << action->objectName() + ":" + action->text();
    }
    return list;
}

// Asked without opening it: QSqlDatabase::database() would reopen a closed connection.
bool defaultConnectionIsOpen()
{
    return QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen();
}

QList<frmLogin *> visibleLogins()
{
    QList<frmLogin *> logins;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *login = qobject_cast<frmLogin *>(widget); login && login->isVisible())
            logins << login;
    return logins;
}
}

class tst_mainwindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void storedTabIsRestored_data();
    void storedTabIsRestored();
    void closingStoresTheTab_data();
    void closingStoresTheTab();
    void exitEndsTheLoopWithoutStoringTheTab();
    void logoutKeepsTheProgramRunningWithALogin();
    void automaticBackupOnClosing_data();
    void automaticBackupOnClosing();
    void failedConnectionIsReportedAndTheWindowStillOpens();
    void headerShowsWhoIsLoggedIn();
    void dateAndVersionInTheInterfaceLanguage_data();
    void dateAndVersionInTheInterfaceLanguage();
    void menuTree_data();
    void menuTree();
    void commandsOpenTheirWindows_data();
    void commandsOpenTheirWindows();
    void onlyCommandsWithAWindowAreEnabled();
    void rightToLeftPutsTheTabsEast_data();
    void rightToLeftPutsTheTabsEast();
};

void tst_mainwindow::initTestCase()
{
    TestSupport::freshCompany();
}

void tst_mainwindow::init()
{
    QFile::remove(TestSupport::settingsPath());
    TestSupport::MessageRecorder::clear();
    rightToLeft = false;
}

void tst_mainwindow::cleanup()
{
    // A test that broke the connection leaves a working one for the next.
    dbPassword = TestSupport::serverPassword();
    if (!defaultConnectionIsOpen())
        openDefaultConnectionFromSettings();
}

void tst_mainwindow::storedTabIsRestored_data()
{
    QTest::addColumn<QString>("stored"); // null: no MainWindow element
    QTest::addColumn<QString>("page");

    QTest::newRow("nothing stored opens the Dashboard") << QString() << "tab";
    QTest::newRow("0 is the Dashboard") << "0" << "tab";
    QTest::newRow("1 is Purchasing") << "1" << "tabPurchasing";
    QTest::newRow("2 is Sales") << "2" << "tabSales";
    QTest::newRow("text that is no number opens the Dashboard") << "abc" << "tab";
    QTest::newRow("an index past the last tab opens the Dashboard") << "3" << "tab";
    QTest::newRow("a negative index opens the Dashboard") << "-1" << "tab";
}

void tst_mainwindow::storedTabIsRestored()
{
    QFETCH(QString, stored);
    QFETCH(QString, page);
    if (!stored.isNull())
        storeTabIndex(stored);

    frmMainWindow window;
    QCOMPARE(tabs(&window)->currentWidget()->objectName(), page);
}

void tst_mainwindow::closingStoresTheTab_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosen");

    QTest::newRow("first close adds the MainWindow element") << QString() << 2;
    QTest::newRow("a later close replaces the stored tab") << "2" << 1;
    QTest::newRow("the Dashboard is stored too") << "1" << 0;
}

void tst_mainwindow::closingStoresTheTab()
{
    QFETCH(QString, stored);
    QFETCH(int, chosen);
    if (!stored.isNull())
        storeTabIndex(stored);

    QPointer<frmMainWindow> window = new frmMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    tabs(window)->setCurrentIndex(chosen);
    window->close();
    QTRY_VERIFY(window.isNull());

    QCOMPARE(storedTabIndexes(), QStringList{QString::number(chosen)});
    // Windows opened from the main window go on using the connection it leaves behind.
    QVERIFY(defaultConnectionIsOpen());
}

void tst_mainwindow::exitEndsTheLoopWithoutStoringTheTab()
{
    storeTabIndex("1");
    QPointer<frmMainWindow> window = new frmMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    tabs(window)->setCurrentIndex(2);

    const int code = runEventLoop([&] { window->findChild<QAction *>("actionExit")->trigger(); });
    QCOMPARE(code, 0);
    QVERIFY(!window.isNull());
    QCOMPARE(storedTabIndexes(), QStringList{"1"});
    delete window;
}

void tst_mainwindow::logoutKeepsTheProgramRunningWithALogin()
{
    storeCompanyEntry();
    QPointer<frmMainWindow> window = new frmMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    tabs(window)->setCurrentIndex(1);
    QVERIFY(visibleLogins().isEmpty());
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    const int code = runEventLoop([&] { window->findChild<QAction *>("actionLogout")->trigger(); });
    QCOMPARE(code, 42); // still running: the loop did not end when the main window closed
    QCOMPARE(lastWindowClosed.count(), 0);
    QVERIFY(window.isNull());
    const QList<frmLogin *> logins = visibleLogins();
    QCOMPARE(logins.size(), 1);
    QVERIFY(!logins.first()->parentWidget());
    QVERIFY(logins.first()->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(storedTabIndexes(), QStringList{"1"});

    QPointer<frmLogin> login = logins.first();
    login->close();
    QTRY_VERIFY(login.isNull());
}

void tst_mainwindow::automaticBackupOnClosing_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("folderSet");
    QTest::addColumn<int>("backups");

    QTest::newRow("title-bar close with a folder") << "close" << true << 1;
    QTest::newRow("Logout with a folder") << "actionLogout" << true << 1;
    QTest::newRow("Exit never backs up") << "actionExit" << true << 0;
    QTest::newRow("no folder, no backup") << "close" << false << 0;
}

void tst_mainwindow::automaticBackupOnClosing()
{
    QFETCH(QString, ending);
    QFETCH(bool, folderSet);
    QFETCH(int, backups);
    QTemporaryDir folder;
    storeCompanyEntry();
    cXml xml(cXml::programSettingsPath());
    xml.load();
    xml.setAttributes("Backup", {"Path"}, {folderSet ? folder.path() : QString()});
    QPointer<frmMainWindow> window = new frmMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();

    runEventLoop([&] {
        if (ending == "close")
            window->close();
        else
            window->findChild<QAction *>(ending)->trigger();
    });

    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), backups);
    if (backups)
        QVERIFY2(QRegularExpression("^" + dbName + "\\d{14}$").match(files.first()).hasMatch(), qPrintable(files.first()));
    QVERIFY2(TestSupport::MessageRecorder::messages().isEmpty(), qPrintable(TestSupport::MessageRecorder::last().text));
    delete window;
    for (frmLogin *login : visibleLogins())
        delete login;
}

void tst_mainwindow::failedConnectionIsReportedAndTheWindowStillOpens()
{
    dbPassword = "not the password";
    QSqlDatabase probe = QSqlDatabase::addDatabase(dbDriver, "probe");
    probe.setHostName(dbHost);
    probe.setPort(dbPort);
    probe.setUserName(dbUser);
    probe.setPassword(dbPassword);
    probe.setDatabaseName(dbName);
    QVERIFY(!probe.open());
    const QString serverError = probe.lastError().text();
    probe = QSqlDatabase();
    QSqlDatabase::removeDatabase("probe");
    currentPersonName = "Mona Adel";

    frmMainWindow window;
    window.show();

    const QList<TestSupport::Message> &messages = TestSupport::MessageRecorder::messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().kind, Messages::Critical);
    QCOMPARE(messages.first().title, msgCaption);
    QCOMPARE(messages.first().text, serverError);
    QVERIFY2(serverError.contains("Access denied"), qPrintable(serverError));
    QVERIFY(window.isVisible());
    QCOMPARE(labelText(&window, "lblWelcome"), QString("Mona Adel"));
}

void tst_mainwindow::headerShowsWhoIsLoggedIn()
{
    currentPersonName = "Mona Adel";
    companyName = "Nile Traders";
    const QString dayBefore = QDate::currentDate().toString();

    frmMainWindow window;

    const QString dayAfter = QDate::currentDate().toString();
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
    QCOMPARE(window.windowTitle(), QString("Zarpo Accounting - Version 2.1.0 Beta"));
    QCOMPARE(labelText(&window, "lblWelcome"), QString("Mona Adel"));
    QCOMPARE(labelText(&window, "lblCompany"), QString(" - Nile Traders"));
    const QString date = labelText(&window, "lblDate");
    QVERIFY2(date == dayBefore || date == dayAfter, qPrintable(date));
}

void tst_mainwindow::dateAndVersionInTheInterfaceLanguage_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::newRow("English") << false;
    QTest::newRow("Arabic") << true;
}

// The date's names come from the interface's language, its digits are the 0-9 of every
// other number, and the version after an Arabic title keeps its order ("2.1.0 Beta").
void tst_mainwindow::dateAndVersionInTheInterfaceLanguage()
{
    QFETCH(bool, arabic);
    QTranslator translator;
    if (arabic)
        QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/../../zarpo_ar.qm"));
    QCoreApplication::installTranslator(&translator);
    languageCode = arabic ? "ar" : "en";
    rightToLeft = arabic;
    const QDate today = QDate::currentDate();

    frmMainWindow window;

    languageCode = "en";
    QCoreApplication::removeTranslator(&translator);
    const QString date = labelText(&window, "lblDate");
    const QLocale language = arabic ? QLocale(QLocale::Arabic, QLocale::Egypt) : QLocale(QLocale::English);
    const QLocale::FormatType names = arabic ? QLocale::LongFormat : QLocale::ShortFormat;
    for (const QString &part : {language.dayName(today.dayOfWeek(), names), language.monthName(today.month(), names),
                                QString::number(today.day()), QString::number(today.year())})
        QVERIFY2(date.contains(part), qPrintable(part + " not in " + date));
    QVERIFY2(!date.contains(QRegularExpression(arabic ? "[A-Za-z\\x{0660}-\\x{0669}]" : "[^A-Za-z0-9 ]")),
             qPrintable(date));

    // The title as a title bar lays it out, by its first letter.
    const QString title = window.windowTitle();
    const int version = title.indexOf("2.1.0 Beta");
    QVERIFY2(version > 0, qPrintable(title));
    const QList<qreal> x = laidOutAt(title, Qt::LayoutDirectionAuto, {version, title.indexOf("Beta"), 0});
    QVERIFY2(x.at(0) < x.at(1), qPrintable(title));
    // The version ends the title: at its left in Arabic, at its right in English.
    QCOMPARE(x.at(0) < x.at(2), arabic);
    QCOMPARE(title.contains(QRegularExpression("[\\x{0621}-\\x{064A}]")), arabic);
}

void tst_mainwindow::menuTree_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("menu bar") << "menuBar" << QStringList{
        "menuMain:Main", "menuCRM:CRM", "menuOrganization:Company", "menuAccounting:Accounting",
        "menuPurchasing:Purchasing", "menuSales:Sales", "menuReports:Reports", "menuTools:Tools", "menuHelp:Help"};
    QTest::newRow("Main") << "menuMain" << QStringList{
        "actionChange_Password:Change Password", "actionLogout:Logout", "---", "actionExit:Exit"};
    QTest::newRow("CRM") << "menuCRM" << QStringList{"menuPersons:Persons", "menuCustomers:Customers"};
    QTest::newRow("CRM > Persons") << "menuPersons" << QStringList{"persons_actionView:View", "persons_actionAdd:Add"};
    QTest::newRow("CRM > Customers") << "menuCustomers"
                                     << QStringList{"customers_actionView:View", "customers_actionAdd:Add"};
    QTest::newRow("Company") << "menuOrganization" << QStringList{
        "actionCompany_Info:Company Info", "menuDepartments:Departments", "menuEmployees:Employees",
        "menuUsers:Users", "menuItems:Items"};
    QTest::newRow("Company > Departments") << "menuDepartments"
                                           << QStringList{"department_actionView:View", "department_actionAdd:Add"};
    QTest::newRow("Company > Employees") << "menuEmployees"
                                         << QStringList{"employees_actionView:View", "employees_actionAdd:Add"};
    QTest::newRow("Company > Users") << "menuUsers" << QStringList{"users_actionView:View", "users_actionAdd:Add"};
    QTest::newRow("Company > Items") << "menuItems" << QStringList{
        "menuCategories:Categories", "menuUnits_of_Measure:Units of Measure", "menuItems_2:Items"};
    QTest::newRow("Company > Items > Categories")
        << "menuCategories" << QStringList{"categories_actionView:View", "categories_actionAdd:Add"};
    QTest::newRow("Company > Items > Units of Measure")
        << "menuUnits_of_Measure" << QStringList{"uom_actionView:View", "uom_actionAdd:Add"};
    QTest::newRow("Company > Items > Items") << "menuItems_2" << QStringList{
        "items_actionView:View", "items_actionAdd:Add", "actionInventory:Inventory"};
    QTest::newRow("Accounting") << "menuAccounting" << QStringList{
        "menuAccounts:Accounts", "menuCurrencies:Currencies", "menuFiscal_Year:Fiscal Year",
        "actionDay_Cash:Day Cash", "actionItem_Capital:Item Capital", "actionSales_Profit:Sales Profit",
        "actionGeneral_Journal:General Journal"};
    QTest::newRow("Accounting > Accounts") << "menuAccounts"
                                           << QStringList{"accounts_actionView:View", "accounts_actionAdd:Add"};
    QTest::newRow("Accounting > Currencies")
        << "menuCurrencies" << QStringList{"currencies_actionView:View", "currencies_actionAdd:Add"};
    QTest::newRow("Accounting > Fiscal Year")
        << "menuFiscal_Year" << QStringList{"fiscalYear_actionView:View", "fiscalYear_actionAdd:Add"};
    QTest::newRow("Purchasing") << "menuPurchasing" << QStringList{
        "menuVendors:Vendors", "actionPurchase_Order:Purchase Order", "actionPurchase_Invoice:Purchase Invoice",
        "---", "actionPurchase_Refund:Purchase Refund", "---", "actionPurchase_Payment:Purchase Payment"};
    QTest::newRow("Purchasing > Vendors") << "menuVendors"
                                          << QStringList{"vendors_actionView:View", "vendors_actionAdd:Add"};
    QTest::newRow("Sales") << "menuSales" << QStringList{
        "actionSalesQuote:Sales Quote", "actionSalesOrder:Sales Order", "actionSalesInvoice:Sales Invoice", "---",
        "actionSales_Refund:Sales Refund", "---", "actionSales_Payment:Sales Payment"};
    QTest::newRow("Reports") << "menuReports" << QStringList{"actionReports_Center:Reports Center"};
    QTest::newRow("Tools") << "menuTools" << QStringList{
        "actionPreferences:Preferences", "actionSettings:Settings", "---", "menuDatabase_Backup:Company Database"};
    QTest::newRow("Tools > Company Database")
        << "menuDatabase_Backup" << QStringList{"actionBackup:Backup", "actionRestore:Restore"};
    QTest::newRow("Help") << "menuHelp" << QStringList{"actionAboute:About"};
}

void tst_mainwindow::menuTree()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, expected);

    frmMainWindow window;
    QWidget *widget = menu == "menuBar" ? static_cast<QWidget *>(window.menuBar()) : window.findChild<QMenu *>(menu);
    QVERIFY2(widget, qPrintable(menu));
    QCOMPARE(entries(widget), expected);
}

namespace {
// The commands (menu actions and home-tab buttons) that open a window, with the
// window's class and whether it opens maximised. Every other command stays disabled until its window exists, so that nothing
// ever opens an empty stand-in.
struct Command
{
    const char *action;
    const char *windowClass;
    bool maximised;
};
const Command windowCommands[] = {
    {"actionChange_Password", "frmUserChangePassword", false},
    {"actionCompany_Info", "frmCompanyInfo", false},
    {"accounts_actionView", "frmAccountsView", false},
    {"accounts_actionAdd", "frmAccounts", false},
    {"currencies_actionView", "frmCurrenciesView", false},
    {"currencies_actionAdd", "frmCurrencies", false},
    {"fiscalYear_actionView", "frmFiscalYearView", false},
    {"fiscalYear_actionAdd", "frmFiscalYear", false},
    {"actionPreferences", "frmPreferences", false},
    {"actionSettings", "frmSettings", false},
    {"actionAboute", "frmAbout", false},
    {"btnVendors", "frmVendors", false},
    {"btnCustomers", "frmCustomers", false},
    {"actionSalesQuote", "frmSalesQuote", true},
    {"btnSalesQuote", "frmSalesQuote", true},
    {"actionSalesOrder", "frmSalesOrder", true},
    {"btnSalesOrder", "frmSalesOrder", true},
    {"actionSalesInvoice", "frmSalesInvoice", true},
    {"btnSalesInvoice", "frmSalesInvoice", true},
    {"actionPurchase_Order", "frmPurchaseOrder", true},
    {"btnPurchaseOrders", "frmPurchaseOrder", false},
    {"actionPurchase_Invoice", "frmPurchaseInvoice", true},
    {"btnPrchaseInvoices", "frmPurchaseInvoice", false},
    {"actionPurchase_Payment", "frmPurchasingPayments", false},
    {"actionSales_Payment", "frmSalesPayments", false},
    {"actionSales_Refund", "frmSalesRefund", false},
    {"btnSalesRefund", "frmSalesRefund", false},
    {"actionPurchase_Refund", "frmPurchaseRefund", false},
    {"btnPurchaseRefunds", "frmPurchaseRefund", false},
    {"vendors_actionAdd", "frmVendors", false},
    {"vendors_actionView", "frmVendorsView", false},
    {"customers_actionAdd", "frmCustomers", false},
    {"customers_actionView", "frmCustomersView", false},
    {"users_actionAdd", "frmUsers", false},
    {"users_actionView", "frmUsersView", false},
    {"actionGeneral_Journal", "frmGeneralJournal", false},
    {"employees_actionAdd", "frmEmployees", false},
    {"employees_actionView", "frmEmployeesView", false},
    {"department_actionAdd", "frmDepartments", false},
    {"department_actionView", "frmDepartmentsView", false},
    {"persons_actionAdd", "frmPersons", false},
    {"persons_actionView", "frmPersonsView", false},
    {"categories_actionView", "frmCategoriesView", false},
    {"categories_actionAdd", "frmCategories", false},
    {"uom_actionView", "frmUOMView", false},
    {"uom_actionAdd", "frmUOM", false},
    {"items_actionView", "frmItemsView", false},
    {"items_actionAdd", "frmItems", false},
    {"actionInventory", "frmInventory", false},
    {"actionItem_Capital", "frmItemCapital", false},
    {"actionReports_Center", "frmReportsCenter", false},
    {"actionDay_Cash", "frmDailyCash", false},
    {"actionSales_Profit", "frmSalesProfit", false},
};
const QStringList otherWorkingCommands{"actionLogout", "actionExit", "actionBackup", "actionRestore"};

QList<QWidget *> topLevelsOfClass(const QString &className)
{
    QList<QWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->metaObject()->className() == className && widget->isVisible())
            found << widget;
    return found;
}
}

void tst_mainwindow::commandsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<bool>("maximised");
    for (const Command &command : windowCommands)
        QTest::newRow(command.action) << command.action << command.windowClass << command.maximised;
}

// Each use opens one more independent window: no parent, deleted when closed.
void tst_mainwindow::commandsOpenTheirWindows()
{
    QFETCH(QString, action);
    QFETCH(QString, windowClass);
    QFETCH(bool, maximised);
    frmMainWindow window;
    QAction *command = window.findChild<QAction *>(action);
    QPushButton *button = window.findChild<QPushButton *>(action);
    QVERIFY(command || button);

    for (int use = 0; use < 2; ++use) {
        if (command)
            command->trigger();
        else
            QTest::mouseClick(button, Qt::LeftButton);
    }

    const QList<QWidget *> opened = topLevelsOfClass(windowClass);
    QCOMPARE(opened.size(), 2);
    for (QWidget *widget : opened) {
        QCOMPARE(widget->parentWidget(), nullptr);
        QVERIFY(widget->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(widget->isMaximized(), maximised);
        QPointer<QWidget> guard = widget;
        widget->close();
        QTRY_VERIFY(guard.isNull());
    }
    QVERIFY(TestSupport::MessageRecorder::messages().isEmpty());
}

void tst_mainwindow::onlyCommandsWithAWindowAreEnabled()
{
    QStringList working = otherWorkingCommands;
    for (const Command &command : windowCommands)
        working << command.action;
    frmMainWindow window;

    const QList<QAction *> actions = window.findChildren<QAction *>(QRegularExpression("action"));
    QCOMPARE(actions.size(), 48);
    for (QAction *action : actions) {
        // A hidden action reports itself disabled: Preferences only answers trigger().
        QVERIFY2(action->isEnabled() == (working.contains(action->objectName()) && action->isVisible()),
                 qPrintable(action->objectName()));
        QVERIFY2(action->isVisible() == (action->objectName() != "actionPreferences"),
                 qPrintable(action->objectName()));
    }

    const QList<QPushButton *> shortcuts = window.findChildren<QPushButton *>(QRegularExpression("^btn"));
    QCOMPARE(shortcuts.size(), 9);
    for (QPushButton *button : shortcuts)
        QVERIFY2(button->isEnabled() == working.contains(button->objectName()), qPrintable(button->objectName()));
    for (const char *name : {"btnValidityRefresh", "btnVendorsRefresh", "btnCustomersRefresh"})
        QVERIFY2(window.findChild<QToolButton *>(name)->isEnabled(), name);
}

void tst_mainwindow::rightToLeftPutsTheTabsEast_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QTabWidget::TabPosition>("position");

    QTest::newRow("English: left to right, tabs west") << false << Qt::LeftToRight << QTabWidget::West;
    QTest::newRow("Arabic: right to left, tabs east") << true << Qt::RightToLeft << QTabWidget::East;
}

void tst_mainwindow::rightToLeftPutsTheTabsEast()
{
    QFETCH(bool, arabic);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QTabWidget::TabPosition, position);
    rightToLeft = arabic;

    frmMainWindow window;
    QCOMPARE(window.layoutDirection(), direction);
    QCOMPARE(tabs(&window)->tabPosition(), position);
}

ZARPO_TEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
