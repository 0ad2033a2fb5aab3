#ifndef FRMPURCHASEORDER_H
#define FRMPURCHASEORDER_H

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
class frmPurchaseOrder;
}

// Writes a purchase order: goods asked of a vendor, to be shipped to a warehouse by a
// date and ordered until an expiry date, at the prices of the newest order lines.
class frmPurchaseOrder : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchaseOrder(QWidget *parent = nullptr);
    ~frmPurchaseOrder() override;

private slots:
    void on_cmbVendor_activated(int index);
    void on_txtFreight_valueChanged(double);
    void on_btnRemoveItem_clicked();
    void on_btnSearch_clicked();
    void on_btnSave_clicked();
    void on_tblItems_clicked(const QModelIndex &);
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_cmbWarehouses_activated(int index);
    void on_btnNew_clicked();
    void on_btnAddItem_clicked();
    void itemChanges(QStandardItem *item);

private:
    void setupItemsTable();
    void fillVendors();
    void fillWarehouses();
    void showShipTo();
    void recalculate();
    bool isValid();
    bool saveOrder();
    void bindHeader(QSqlQuery &header) const;
    DocumentLines::HeaderFields headerFields() const;
    void loadOrder(int id);
    void enterState(bool adding);
    bool isAdding() const;

    Ui::frmPurchaseOrder *ui;
    PurchaseDelegate *itemsDelegate = nullptr;
    QStandardItemModel *itemsModel = nullptr;
    cPurchaseGrid *lines = nullptr; // keeps the stored ids of removed lines for the update
    int loadedId = -1;
    // The document as Search loaded it, for the update to find it unchanged.
    cStoredRecord stored;
};

#endif // FRMPURCHASEORDER_H
