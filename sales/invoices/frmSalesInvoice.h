#ifndef FRMSALESINVOICE_H
#define FRMSALESINVOICE_H

#include "core/db/money.h"
#include "core/db/storedrecord.h"

#include <QDialog>

class cDbSave;
class cSalesGrid;
class QModelIndex;
class QSqlQuery;
class QStandardItem;
class QStandardItemModel;
class SalesDelegate;

namespace DocumentLines {
struct HeaderFields;
}

namespace Ui {
class frmSalesInvoice;
}

// Writes a sales invoice: goods leaving a warehouse for a customer, priced from the
// price list, with freight, what is paid now and the debt that remains. The warehouse
// and the customer of the last closed invoice window are chosen again.
class frmSalesInvoice : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesInvoice(QWidget *parent = nullptr);
    ~frmSalesInvoice() override;

private slots:
    void on_btnSearch_clicked();
    void on_btnSearchOrder_clicked();
    void on_btnSave_clicked();
    void on_btnRemoveItem_clicked();
    void on_txtFreight_valueChanged(double);
    void on_txtDeposit_valueChanged(double);
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_btnNew_clicked();
    void on_cmbCustomer_activated(int index);
    void on_cmbWarehouse_activated(int index);
    void on_txtBarcode_returnPressed();
    void on_btnAddItem_clicked();
    void itemChanged(QStandardItem *item);

private:
    void fillWarehouses();
    void fillCustomers();
    void loadDefaults();
    void setupItemsTable();
    void recalculate();
    bool isValid();
    bool saveInvoice();
    void claimOrder(cDbSave &save);
    void bindHeader(QSqlQuery &header) const;
    DocumentLines::HeaderFields headerFields() const;
    void loadInvoice(int id);
    void loadOrderLines();
    void printInvoice();
    void enterState(bool adding);
    bool isAdding() const;

    Ui::frmSalesInvoice *ui;
    int salesOrderId = -1;
    SalesDelegate *itemsDelegate = nullptr;
    QStandardItemModel *itemsModel = nullptr;
    cSalesGrid *lines = nullptr; // keeps the stored ids of removed lines for the update
    int loadedId = -1;
    // The document as Search loaded it, for the update to find it unchanged.
    cStoredRecord stored;
};

#endif // FRMSALESINVOICE_H
