#ifndef FRMSALESORDER_H
#define FRMSALESORDER_H

#include "core/db/money.h"
#include "core/db/storedrecord.h"

#include <QDialog>

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
class frmSalesOrder;
}

// Writes a sales order: as a quote, with a payment method, a deposit and the debt that
// remains, the prices of its lines kept as typed; it can be filled from a stored quote.
class frmSalesOrder : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesOrder(QWidget *parent = nullptr);
    ~frmSalesOrder() override;

private slots:
    void on_btnRemoveItem_clicked();
    void on_btnSearch_clicked();
    void on_btnSearchQuote_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();
    void on_txtDeposit_valueChanged(double);
    void on_txtFreight_valueChanged(double);
    void on_tblItems_clicked(const QModelIndex &);
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_cmbCustomer_activated(int index);
    void on_btnAddItem_clicked();
    void itemChanged(QStandardItem *item);

private:
    void fillCustomers();
    void showShipTo();
    bool isValid();
    void setupItemsTable();
    void showTotals(Money subtotal);
    void enterState(bool adding);
    bool isAdding() const;
    void loadOrder(int id);
    void loadQuoteLines();
    bool saveOrder();
    void bindHeader(QSqlQuery &header) const;
    DocumentLines::HeaderFields headerFields() const;

    Ui::frmSalesOrder *ui;
    SalesDelegate *salesDelegate = nullptr;
    QStandardItemModel *itemsModel = nullptr;
    cSalesGrid *lines = nullptr;
    int editedSalesOrderId = -1;
    int salesQuoteId = -1;
    // The document as Search loaded it, for the update to find it unchanged.
    cStoredRecord stored;
};

#endif // FRMSALESORDER_H
