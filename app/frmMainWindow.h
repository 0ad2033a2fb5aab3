#ifndef FRMMAINWINDOW_H
#define FRMMAINWINDOW_H

#include <QMainWindow>
#include <QSqlDatabase>

#include <memory>

class QSqlQueryModel;
class QTableView;

namespace Ui {
class frmMainWindow;
}

// The hub the login opens: the header with who is logged in, the home tabs and the
// menus from which every other window of the program is opened.
class frmMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMainWindow(QWidget *parent = nullptr);
    ~frmMainWindow() override;

private slots:
    void on_actionExit_triggered();
    void on_actionLogout_triggered();
    void on_tabWidget_currentChanged(int index);
    void on_btnVendorsRefresh_clicked();
    void on_btnCustomersRefresh_clicked();
    void on_btnValidityRefresh_clicked();

    void on_actionChange_Password_triggered();
    void on_actionCompany_Info_triggered();
    void on_accounts_actionView_triggered();
    void on_accounts_actionAdd_triggered();
    void on_currencies_actionView_triggered();
    void on_currencies_actionAdd_triggered();
    void on_fiscalYear_actionView_triggered();
    void on_fiscalYear_actionAdd_triggered();
    void on_actionPreferences_triggered();
    void on_actionSettings_triggered();
    void on_actionBackup_triggered();
    void on_actionRestore_triggered();
    void on_actionAboute_triggered();
    void on_btnVendors_clicked();
    void on_btnCustomers_clicked();
    void on_actionSalesQuote_triggered();
    void on_btnSalesQuote_clicked();
    void on_actionSalesOrder_triggered();
    void on_btnSalesOrder_clicked();
    void on_actionSalesInvoice_triggered();
    void on_btnSalesInvoice_clicked();
    void on_actionPurchase_Order_triggered();
    void on_btnPurchaseOrders_clicked();
    void on_actionPurchase_Invoice_triggered();
    void on_btnPrchaseInvoices_clicked();
    void on_actionPurchase_Payment_triggered();
    void on_actionSales_Payment_triggered();
    void on_actionSales_Refund_triggered();
    void on_btnSalesRefund_clicked();
    void on_actionPurchase_Refund_triggered();
    void on_btnPurchaseRefunds_clicked();
    void on_vendors_actionAdd_triggered();
    void on_vendors_actionView_triggered();
    void on_customers_actionAdd_triggered();
    void on_customers_actionView_triggered();
    void on_users_actionAdd_triggered();
    void on_users_actionView_triggered();
    void on_actionGeneral_Journal_triggered();
    void on_employees_actionAdd_triggered();
    void on_employees_actionView_triggered();
    void on_department_actionAdd_triggered();
    void on_department_actionView_triggered();
    void on_persons_actionAdd_triggered();
    void on_persons_actionView_triggered();
    void on_categories_actionView_triggered();
    void on_categories_actionAdd_triggered();
    void on_uom_actionView_triggered();
    void on_uom_actionAdd_triggered();
    void on_items_actionView_triggered();
    void on_items_actionAdd_triggered();
    void on_actionInventory_triggered();
    void on_actionItem_Capital_triggered();
    void on_actionReports_Center_triggered();
    void on_actionDay_Cash_triggered();
    void on_actionSales_Profit_triggered();

private:
    void openWindow(QWidget *window, bool maximised = false);
    void setupVendorsToolBar();
    void restoreTabIndex();
    void loadHomePage();
    void loadWeekSalesChart();
    void loadVendorsBalance();
    void loadCustomersBalance();
    void loadPurchaseOrderQty();
    void loadSalesOrderQty();
    void loadItemsValidity();
    void showInGrid(QTableView *grid, std::unique_ptr<QSqlQueryModel> &model, const QString &sql,
                    const QStringList &headers);
    void showOrderedItems(QTableView *grid, std::unique_ptr<QSqlQueryModel> &model, const QString &sql);

    Ui::frmMainWindow *ui;
    // Only a handle: the connection stays registered and open after this window is
    // gone, for the windows opened from it.
    QSqlDatabase db;
    // Each grid's model, made afresh by every refresh.
    std::unique_ptr<QSqlQueryModel> vendorsModel;
    std::unique_ptr<QSqlQueryModel> customersModel;
    std::unique_ptr<QSqlQueryModel> purchaseOrderQtyModel;
    std::unique_ptr<QSqlQueryModel> salesOrderQtyModel;
};

#endif // FRMMAINWINDOW_H
