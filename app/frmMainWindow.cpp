#include "app/frmMainWindow.h"
#include "ui_frmMainWindow.h"

#include "accounting/frmAccounts.h"
#include "accounting/frmAccountsView.h"
#include "accounting/frmCurrencies.h"
#include "accounting/frmCurrenciesView.h"
#include "accounting/frmFiscalYear.h"
#include "accounting/frmFiscalYearView.h"
#include "accounting/frmGeneralJournal.h"
#include "app/cDbManinpulation.h"
#include "app/cItemValidity.h"
#include "core/system/cXml.h"
#include "core/db/connection.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/widgets/localdates.h"
#include "app/frmAbout.h"
#include "app/frmCompanyInfo.h"
#include "app/frmLogin.h"
#include "app/frmPreferences.h"
#include "app/frmSettings.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/screenfit.h"
#include "core/system/messages.h"
#include "core/system/seams.h"
#include "core/widgets/webtext.h"
#include "app/weeksales.h"
#include "items/frmCategories.h"
#include "items/frmCategoriesView.h"
#include "items/frmInventory.h"
#include "items/frmItemCapital.h"
#include "items/frmItems.h"
#include "items/frmItemsView.h"
#include "items/frmUOM.h"
#include "items/frmUOMView.h"
#include "partners/frmCustomers.h"
#include "partners/frmCustomersView.h"
#include "partners/frmDepartments.h"
#include "partners/frmDepartmentsView.h"
#include "partners/frmEmployees.h"
#include "partners/frmEmployeesView.h"
#include "partners/frmPersons.h"
#include "partners/frmPersonsView.h"
#include "partners/frmUserChangePassword.h"
#include "partners/frmUsers.h"
#include "partners/frmUsersView.h"
#include "partners/frmVendors.h"
#include "partners/frmVendorsView.h"
#include "purchasing/frmPurchaseInvoice.h"
#include "purchasing/frmPurchaseOrder.h"
#include "purchasing/frmPurchasingPayments.h"
#include "purchasing/frmPurchaseRefund.h"
#include "reports/financial/frmDailyCash.h"
#include "reports/financial/frmSalesProfit.h"
#include "reports/frmReportsCenter.h"
#include "sales/invoices/frmSalesInvoice.h"
#include "sales/invoices/frmSalesPayments.h"
#include "sales/invoices/frmSalesRefund.h"
#include "sales/orders/frmSalesOrder.h"
#include "sales/orders/frmSalesQuote.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QUrl>

namespace {
const int phoneColumn = 3;
const int balanceColumn = 4;
// The grids of items on open orders.
const int itemNameColumn = 3;
const int unitColumn = 4;
const int orderedQuantityColumn = 5;

// Marks the grid's amount columns and keeps the panel from narrowing past them: on a small
// screen the window's width is shared out to the panels, the `yielding` columns giving way,
// the `names` among them no further than their first characters.
void showPanelAmounts(QTableView *grid, const QList<int> &amounts, const QList<int> &yielding,
                      const QList<int> &names)
{
    Direction::showAmountColumns(grid, amounts, yielding, names);
    grid->setMinimumWidth(Direction::narrowestWidth(grid));
}

// The chart page's own words, in English in the page, shown in the interface's language.
QString translateChartWords(QString page)
{
    static const char *const words[] = {QT_TRANSLATE_NOOP("frmMainWindow", "No sales yet")};
    for (const char *word : words)
        page.replace(QLatin1String(word), QCoreApplication::translate("frmMainWindow", word));
    return page;
}
}

frmMainWindow::frmMainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::frmMainWindow)
{
    // The opening reads every panel, and a server that is gone fails them all: one box
    // tells it.
    const FailedReads::Action opening;
    ui->setupUi(this);
    // Until the user picks a column, the validity records keep their own order: an item's
    // classes together, the expired first.
    ui->tblExpired->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    if (rightToLeft) {
        setLayoutDirection(Qt::RightToLeft);
        ui->tabWidget->setTabPosition(QTabWidget::East);
    }
    // The version is a name: after the Arabic title it keeps its English order, "2.1.0 Beta".
    // A title bar lays its text out by the text's first letter, not by the window's direction.
    const QString title = windowTitle();
    setWindowTitle(Direction::joined(title, QCoreApplication::applicationVersion(), Direction::of(title)));
    // On a small screen the shortcuts give up their width first, their names on two lines,
    // and the panels beside them keep room for their amounts.
    for (QPushButton *shortcut : ui->tabWidget->findChildren<QPushButton *>())
        Direction::wrapWhenNarrow(shortcut);
    for (QTableView *grid : {ui->tblVendors, ui->tblCustomers, ui->tblItemsOnPurchaseOrder, ui->tblItemsOnSalesOrder,
                             static_cast<QTableView *>(ui->tblExpired)})
        Direction::applyTo(grid);
    setupVendorsToolBar();
    restoreTabIndex();

    // From here on every window's statements run on this connection, which replaces the
    // login's. A failure is only reported: the window opens all the same, with empty panels.
    db = openDefaultConnectionFromSettings();
    if (!db.isOpen())
        FailedReads::tellText(this, db.lastError().text());

    // Names are shown as they were typed, even one that happens to look like markup.
    Direction::setLabelText(ui->lblWelcome, currentPersonName);
    // The dash stands between the user and the company in either direction.
    ui->lblCompany->setTextFormat(Qt::PlainText);
    ui->lblCompany->setText(Direction::joined(QStringLiteral(" - "), companyName, layoutDirection()));
    Direction::setLabelText(ui->lblDate, LocalDates::withDayName(QDate::currentDate()));

    // The news page's Arabic lines wrap within the view only once mended.
    connect(ui->wvNews, &QWebView::loadFinished, this,
            [this] { WebText::mendRightToLeftText(ui->wvNews->page()->mainFrame()); });

    // The panels are filled whatever became of the connection above: they then stay empty.
    loadHomePage();
    loadVendorsBalance();
    loadCustomersBalance();
    loadPurchaseOrderQty();
    loadSalesOrderQty();
    loadItemsValidity();

    // Restored from maximized, or shown where nothing maximizes it, the window keeps this
    // size: its panels' wish, but never past the screen it opens on.
    ScreenFit::fit(this, sizeHint());
}

frmMainWindow::~frmMainWindow()
{
    // The views go with the window's other children, after ui: a page still loading then
    // reports its load finished, which must no longer reach this window.
    ui->wvNews->disconnect(this);
    cXml xml(cXml::programSettingsPath());
    xml.setAttributes(QStringLiteral("MainWindow"), {QStringLiteral("TabIndex")},
                      {QString::number(ui->tabWidget->currentIndex())});
    cDbManinpulation::runAutomaticBackup();
    delete ui;
}

void frmMainWindow::setupVendorsToolBar()
{
    ui->mainToolBar->addAction(QIcon(QStringLiteral(":/new/Pics/AccResources/supplier.png")),
                               QStringLiteral("Vendors"));
    ui->mainToolBar->hide();
}

void frmMainWindow::restoreTabIndex()
{
    cXml xml(cXml::programSettingsPath());
    xml.load();
    const QStringList stored = xml.getAttributes(QStringLiteral("MainWindow"), QStringLiteral("TabIndex"));
    if (stored.isEmpty())
        return;
    // A damaged value reads as 0 and the index of a tab that does not exist is ignored:
    // a hand-edited file opens the window on the Dashboard.
    const int index = stored.first().toInt();
    if (index >= 0 && index < ui->tabWidget->count())
        ui->tabWidget->setCurrentIndex(index);
}

void frmMainWindow::on_actionExit_triggered()
{
    // Ends the program without closing any window, so the home tab is not stored.
    QCoreApplication::exit(0);
}

void frmMainWindow::on_actionLogout_triggered()
{
    // The login dialog is on screen before this window closes, so the program never passes
    // a moment without a visible window, at which Qt takes the last window as closed and
    // may end the program instead of returning to the login.
    auto *login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    ScreenFit::show(login);
    close();
}

// Every window opens on its own, without a parent, and deletes itself when closed: it
// outlives this window, and a second command opens a second one beside it.
void frmMainWindow::openWindow(QWidget *window, bool maximised)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    ScreenFit::show(window, maximised);
}

void frmMainWindow::on_actionChange_Password_triggered()
{
    openWindow(new frmUserChangePassword(nullptr, currentUserId, currentUserName));
}

void frmMainWindow::on_actionCompany_Info_triggered()
{
    openWindow(new frmCompanyInfo(nullptr));
}

void frmMainWindow::on_accounts_actionView_triggered()
{
    openWindow(new frmAccountsView(nullptr));
}

void frmMainWindow::on_accounts_actionAdd_triggered()
{
    openWindow(new frmAccounts(nullptr, 0));
}

void frmMainWindow::on_currencies_actionView_triggered()
{
    openWindow(new frmCurrenciesView(nullptr));
}

void frmMainWindow::on_currencies_actionAdd_triggered()
{
    openWindow(new frmCurrencies(nullptr, 0));
}

void frmMainWindow::on_fiscalYear_actionView_triggered()
{
    openWindow(new frmFiscalYearView(nullptr));
}

void frmMainWindow::on_fiscalYear_actionAdd_triggered()
{
    openWindow(new frmFiscalYear(nullptr, 0));
}

void frmMainWindow::on_actionPreferences_triggered()
{
    openWindow(new frmPreferences(nullptr));
}

void frmMainWindow::on_actionSettings_triggered()
{
    openWindow(new frmSettings(nullptr));
}

void frmMainWindow::on_actionBackup_triggered()
{
    cDbManinpulation::backupCommand(this);
}

void frmMainWindow::on_actionRestore_triggered()
{
    cDbManinpulation::restoreCommand(this);
}

void frmMainWindow::on_persons_actionView_triggered()
{
    openWindow(new frmPersonsView(nullptr));
}

void frmMainWindow::on_persons_actionAdd_triggered()
{
    openWindow(new frmPersons(nullptr, 0));
}

void frmMainWindow::on_department_actionView_triggered()
{
    openWindow(new frmDepartmentsView(nullptr));
}

void frmMainWindow::on_department_actionAdd_triggered()
{
    openWindow(new frmDepartments(nullptr, 0));
}

void frmMainWindow::on_employees_actionView_triggered()
{
    openWindow(new frmEmployeesView(nullptr));
}

void frmMainWindow::on_employees_actionAdd_triggered()
{
    openWindow(new frmEmployees(nullptr, 0));
}

void frmMainWindow::on_actionGeneral_Journal_triggered()
{
    openWindow(new frmGeneralJournal(nullptr));
}

void frmMainWindow::on_users_actionView_triggered()
{
    openWindow(new frmUsersView(nullptr));
}

void frmMainWindow::on_users_actionAdd_triggered()
{
    openWindow(new frmUsers(nullptr, 0));
}

void frmMainWindow::on_customers_actionView_triggered()
{
    openWindow(new frmCustomersView(nullptr));
}

void frmMainWindow::on_customers_actionAdd_triggered()
{
    openWindow(new frmCustomers(nullptr, 0));
}

void frmMainWindow::on_categories_actionView_triggered()
{
    openWindow(new frmCategoriesView(nullptr));
}

void frmMainWindow::on_categories_actionAdd_triggered()
{
    openWindow(new frmCategories(nullptr, 0));
}

void frmMainWindow::on_uom_actionView_triggered()
{
    openWindow(new frmUOMView(nullptr));
}

void frmMainWindow::on_uom_actionAdd_triggered()
{
    openWindow(new frmUOM(nullptr, 0));
}

void frmMainWindow::on_items_actionView_triggered()
{
    openWindow(new frmItemsView(nullptr));
}

void frmMainWindow::on_items_actionAdd_triggered()
{
    openWindow(new frmItems(nullptr, 0));
}

void frmMainWindow::on_actionInventory_triggered()
{
    openWindow(new frmInventory(nullptr));
}

void frmMainWindow::on_actionItem_Capital_triggered()
{
    openWindow(new frmItemCapital(nullptr));
}

void frmMainWindow::on_vendors_actionView_triggered()
{
    openWindow(new frmVendorsView(nullptr));
}

void frmMainWindow::on_vendors_actionAdd_triggered()
{
    openWindow(new frmVendors(nullptr, 0));
}

void frmMainWindow::on_btnCustomers_clicked()
{
    openWindow(new frmCustomers(nullptr, 0));
}

void frmMainWindow::on_actionSalesQuote_triggered()
{
    openWindow(new frmSalesQuote(nullptr), true);
}

// The quote maximises itself.
void frmMainWindow::on_btnSalesQuote_clicked()
{
    openWindow(new frmSalesQuote(nullptr));
}

void frmMainWindow::on_actionSalesOrder_triggered()
{
    openWindow(new frmSalesOrder(nullptr), true);
}

// The order maximises itself.
void frmMainWindow::on_btnSalesOrder_clicked()
{
    openWindow(new frmSalesOrder(nullptr));
}

void frmMainWindow::on_actionSalesInvoice_triggered()
{
    openWindow(new frmSalesInvoice(nullptr), true);
}

// The invoice maximises itself.
void frmMainWindow::on_btnSalesInvoice_clicked()
{
    openWindow(new frmSalesInvoice(nullptr));
}

void frmMainWindow::on_actionPurchase_Order_triggered()
{
    openWindow(new frmPurchaseOrder(nullptr), true);
}

void frmMainWindow::on_btnPurchaseOrders_clicked()
{
    openWindow(new frmPurchaseOrder(nullptr));
}

void frmMainWindow::on_actionPurchase_Invoice_triggered()
{
    openWindow(new frmPurchaseInvoice(nullptr), true);
}

void frmMainWindow::on_btnPrchaseInvoices_clicked()
{
    openWindow(new frmPurchaseInvoice(nullptr));
}

void frmMainWindow::on_actionPurchase_Payment_triggered()
{
    openWindow(new frmPurchasingPayments(nullptr));
}

void frmMainWindow::on_actionSales_Payment_triggered()
{
    openWindow(new frmSalesPayments(nullptr));
}

void frmMainWindow::on_actionSales_Refund_triggered()
{
    openWindow(new frmSalesRefund(nullptr));
}

void frmMainWindow::on_btnSalesRefund_clicked()
{
    openWindow(new frmSalesRefund(nullptr));
}

void frmMainWindow::on_actionPurchase_Refund_triggered()
{
    openWindow(new frmPurchaseRefund(nullptr));
}

void frmMainWindow::on_btnPurchaseRefunds_clicked()
{
    openWindow(new frmPurchaseRefund(nullptr));
}

void frmMainWindow::on_btnVendors_clicked()
{
    openWindow(new frmVendors(nullptr, 0));
}

void frmMainWindow::on_actionReports_Center_triggered()
{
    openWindow(new frmReportsCenter(nullptr));
}

void frmMainWindow::on_actionDay_Cash_triggered()
{
    openWindow(new frmDailyCash(nullptr));
}

void frmMainWindow::on_actionSales_Profit_triggered()
{
    openWindow(new frmSalesProfit(nullptr));
}

void frmMainWindow::on_actionAboute_triggered()
{
    openWindow(new frmAbout(nullptr));
}

void frmMainWindow::on_tabWidget_currentChanged(int index)
{
    // Only the tab's own panel follows the tab; the order and validity grids wait for
    // their reload buttons.
    switch (index) {
    case 0:
        loadHomePage();
        break;
    case 1:
        loadVendorsBalance();
        break;
    case 2:
        loadCustomersBalance();
        break;
    default:
        break;
    }
}

void frmMainWindow::on_btnVendorsRefresh_clicked()
{
    const FailedReads::Action refresh;
    loadVendorsBalance();
    loadPurchaseOrderQty();
}

void frmMainWindow::on_btnCustomersRefresh_clicked()
{
    const FailedReads::Action refresh;
    loadCustomersBalance();
    loadSalesOrderQty();
}

void frmMainWindow::on_btnValidityRefresh_clicked()
{
    loadItemsValidity();
}

void frmMainWindow::loadHomePage()
{
    loadWeekSalesChart();
    // Shipped beside the program: the home page never waits for the network.
    const QString page = languageCode == QLatin1String("ar") ? QStringLiteral("news/index_ar.html")
                                                             : QStringLiteral("news/index.html");
    ui->wvNews->load(QUrl::fromLocalFile(QDir(programDir()).filePath(page)));
}

void frmMainWindow::loadWeekSalesChart()
{
    QFile file(QDir(programDir()).filePath(QStringLiteral("jscharts/weeksales.html")));
    const QString page = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    QSqlError error;
    const std::optional<QList<SalesDay>> days = readWeekSales(&error);
    // Without the sales the chart keeps the days it showed, and the failure is told.
    if (!days) {
        FailedReads::tell(this, error);
        return;
    }
    // The page draws from what it carries inline: it has no address to load anything from.
    ui->wvSalesChart->setHtml(translateChartWords(fillWeekSalesPage(page, *days)), QUrl());
}

void frmMainWindow::loadVendorsBalance()
{
    showInGrid(ui->tblVendors, vendorsModel,
               QStringLiteral(
                   "SELECT vendors.VendorId, vendors.VendorName, persons.PersonName, persons.Phone1, "
                   "IFNULL(vw_vendorpurchases.TotalInvoice, 0) - IFNULL(vw_vendorpurchases.TotalDeposit, 0) "
                   "- IFNULL(vw_vendorrefunds.TotalRefund, 0) + IFNULL(vw_vendorrefunds.TotalRefundDeposit, 0) "
                   "- IFNULL(vw_vendorpayments.TotalPayments, 0) AS Balance "
                   "FROM vendors "
                   "LEFT JOIN persons ON vendors.ContactPersonId = persons.PersonId "
                   "LEFT JOIN vw_vendorpurchases ON vw_vendorpurchases.VendorId = vendors.VendorId "
                   "LEFT JOIN vw_vendorrefunds ON vw_vendorrefunds.VendorId = vendors.VendorId "
                   "LEFT JOIN vw_vendorpayments ON vw_vendorpayments.VendorId = vendors.VendorId "
                   "ORDER BY vendors.VendorId"),
               {tr("Vendor ID"), tr("Vendor Name"), tr("Contact Name"), tr("Phone"), tr("Balance")});
    ui->tblVendors->hideColumn(0);
    // The names ask for their whole width; where the panel lacks it they give way before
    // a balance is cut, and the phone number last.
    showPanelAmounts(ui->tblVendors, {balanceColumn}, {phoneColumn, 1, 2}, {1, 2});
}

void frmMainWindow::loadCustomersBalance()
{
    showInGrid(ui->tblCustomers, customersModel,
               QStringLiteral(
                   "SELECT customers.CustomerId, customers.CustomerName, persons.PersonName, persons.Phone1, "
                   "IFNULL(vw_customersales.TotalInvoice, 0) - IFNULL(vw_customersales.TotalDeposit, 0) "
                   "- IFNULL(vw_customerrefunds.TotalRefund, 0) + IFNULL(vw_customerrefunds.TotalRefundDeposit, 0) "
                   "- IFNULL(vw_customerorders.TotalOrderDeposit, 0) - IFNULL(vw_customerpayments.TotalPayments, 0) "
                   "AS Balance "
                   "FROM customers "
                   "LEFT JOIN persons ON customers.CustomerPersonId = persons.PersonId "
                   "LEFT JOIN vw_customersales ON vw_customersales.CustomerId = customers.CustomerId "
                   "LEFT JOIN vw_customerrefunds ON vw_customerrefunds.CustomerId = customers.CustomerId "
                   "LEFT JOIN vw_customerorders ON vw_customerorders.CustomerId = customers.CustomerId "
                   "LEFT JOIN vw_customerpayments ON vw_customerpayments.CustomerId = customers.CustomerId "
                   "ORDER BY customers.CustomerId"),
               {tr("Customer ID"), tr("Customer Name"), tr("Contact Person"), tr("Phone"), tr("Balance")});
    ui->tblCustomers->hideColumn(0);
    // The names ask for their whole width; where the panel lacks it they give way before
    // a balance is cut, and the phone number last.
    showPanelAmounts(ui->tblCustomers, {balanceColumn}, {phoneColumn, 1, 2}, {1, 2});
}

void frmMainWindow::loadPurchaseOrderQty()
{
    showOrderedItems(ui->tblItemsOnPurchaseOrder, purchaseOrderQtyModel,
                     QStringLiteral("SELECT * FROM vw_purchaseorderqty"));
}

void frmMainWindow::loadSalesOrderQty()
{
    showOrderedItems(ui->tblItemsOnSalesOrder, salesOrderQtyModel, QStringLiteral("SELECT * FROM vw_salesorderqty"));
}

void frmMainWindow::showOrderedItems(QTableView *grid, std::unique_ptr<QSqlQueryModel> &model, const QString &sql)
{
    // Column 0 holds just one of the orders an item stands on, so it stays hidden and unnamed.
    showInGrid(grid, model, sql,
               {QString(), tr("Item ID"), tr("Item No."), tr("Item Name"), tr("Unit Of Measure"), tr("Ordered Qty.")});
    grid->hideColumn(0);
    grid->hideColumn(1);
    // The panel can be narrow: the name and then the unit give way before a quantity is cut.
    // The item's number, which tells the item, stays whole as the quantity does.
    showPanelAmounts(grid, {orderedQuantityColumn}, {unitColumn, itemNameColumn}, {itemNameColumn});
}

void frmMainWindow::showInGrid(QTableView *grid, std::unique_ptr<QSqlQueryModel> &model, const QString &sql,
                               const QStringList &headers)
{
    QSqlQuery query(liveDefaultConnection());
    // Balances and sums come as the server's decimal text: as doubles the grid would show
    // them to six digits (12345.67 as 12345.7).
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    // A failed query gives a model without columns or rows: the grid shows empty.
    const bool ran = query.exec(sql);
    auto fresh = std::make_unique<QSqlQueryModel>();
    fresh->setQuery(query);
    for (int column = 0; column < headers.size(); ++column)
        if (!headers.at(column).isNull())
            fresh->setHeaderData(column, Qt::Horizontal, headers.at(column));
    // The grid lets go of the old model before it is deleted, so it never paints one
    // that is gone.
    grid->setModel(fresh.get());
    model = std::move(fresh);
    // Columns without a width of their own fit their header and cells: the header's default
    // width cuts "Unit Of Measure" and most phone numbers short.
    ListDialog::fitColumnsToContents(grid);
    // An empty panel would read as nothing owed or ordered.
    if (!ran)
        FailedReads::tell(this, failureOf(query));
}

void frmMainWindow::loadItemsValidity()
{
    QTableWidget *grid = ui->tblExpired;
    grid->hideColumn(0);
    // With sorting on, each new cell would move its row into place before the rest of the
    // row is set, tearing the records apart: the rows are sorted once they are whole.
    const bool sorting = grid->isSortingEnabled();
    grid->setSortingEnabled(false);
    grid->setRowCount(0);
    QSqlError error;
    const QList<ItemRow> records = cItemValidity().itemsValidity(&error);
    FailedReads::tell(this, error);
    for (const ItemRow &record : records) {
        QString within;
        QColor colour;
        if (record.expiresWithin == 0) {
            within = tr("Expired");
            colour = QColor(251, 228, 228);
        } else if (record.expiresWithin == 7) {
            within = tr("A Week");
            colour = QColor(245, 245, 245);
        } else {
            within = tr("A Month");
            colour = QColor(215, 255, 215);
        }
        const QStringList cells{QString::number(record.ItemId), record.ItemNo, record.ItemName, record.UOM,
                                QString::number(record.quantity, 'g', 15), within};
        const int row = grid->rowCount();
        grid->insertRow(row);
        for (int column = 0; column < cells.size(); ++column) {
            auto *cell = new QTableWidgetItem(cells.at(column));
            cell->setBackground(colour);
            grid->setItem(row, column, cell);
        }
    }
    grid->setSortingEnabled(sorting);
    // Every column reads whole, its header too; where the panel lacks room the item's name
    // gives way, never its number, which tells the item, nor a unit, quantity or class.
    ListDialog::fitColumnsToContents(grid);
    showPanelAmounts(grid, {4}, {2}, {2});
}
