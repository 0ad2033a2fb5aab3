#ifndef FRMPURCHASEINVOICE_H
#define FRMPURCHASEINVOICE_H

#include "core/db/storedrecord.h"

#include <QDialog>

class cPurchaseGrid;
class PurchaseDelegate;
class QModelIndex;
class QSqlQuery;
class QStandardItem;
class QStandardItemModel;

namespace DocumentLines {
struct HeaderFields;
}

namespace Ui {
class frmPurchaseInvoice;
}

// Writes a purchase invoice: goods bought from a vendor into a warehouse, at the prices
// last paid, with freight, the deposit paid at once and the debt left. The warehouse and
// the vendor of the last closed invoice window are chosen again.
class frmPurchaseInvoice : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchaseInvoice(QWidget *parent = nullptr);
    ~frmPurchaseInvoice() override;

private slots:
    void on_btnSearch_clicked();
    void on_btnSearchOrder_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();
    void on_btnRemoveItem_clicked();
    void on_txtFreight_valueChanged(double);
    void on_txtDeposit_valueChanged(double);
    void on_tblItems_clicked(const QModelIndex &);
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_cmbVendor_activated(int index);
    void on_cmbWarehouses_activated(int index);
    void on_txtBarcode_returnPressed();
    void on_btnAddItem_clicked();
    void itemChanged(QStandardItem *item);

private:
    void setupItemsTable();
    void fillVendors();
    void fillWarehouses();
    void loadDefaults();
    void showShipTo();
    void addItem(int itemId);
    void recalculate();
    bool isValid();
    bool saveInvoice();
    void bindHeader(QSqlQuery &header) const;
    DocumentLines::HeaderFields headerFields() const;
    void loadInvoice(int id);
    void loadOrderLines();
    void enterState(bool adding);
    bool isAdding() const;

    Ui::frmPurchaseInvoice *ui;
    PurchaseDelegate *itemsDelegate = nullptr;
    QStandardItemModel *itemsModel = nullptr;
    cPurchaseGrid *lines = nullptr; // keeps the stored ids of removed lines for the update
    int purchaseOrderId = -1;
    int loadedId = -1;
    // The document as Search loaded it, for the update to find it unchanged.
    cStoredRecord stored;
};

#endif // FRMPURCHASEINVOICE_H
