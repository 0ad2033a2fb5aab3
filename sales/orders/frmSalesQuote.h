#ifndef FRMSALESQUOTE_H
#define FRMSALESQUOTE_H

#include "core/db/money.h"
#include "core/db/storedrecord.h"

#include <QDialog>

class cSalesGrid;
class QSqlQuery;
class QModelIndex;
class QStandardItem;
class QStandardItemModel;
class SalesDelegate;

namespace DocumentLines {
struct HeaderFields;
}

namespace Ui {
class frmSalesQuote;
}

// Writes a sales quote: the customer with the ship-to address, the quote's number and
// dates, its lines of items with their prices, the freight and the totals, which follow
// every change of a line.
class frmSalesQuote : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesQuote(QWidget *parent = nullptr);
    ~frmSalesQuote() override;

private slots:
    void on_btnSearch_clicked();
    void on_btnNew_clicked();
    void on_cmbCustomer_activated(int index);
    void on_btnSave_clicked();
    void on_btnRemoveItem_clicked();
    void on_txtFreight_valueChanged(double);
    void on_tblItems_clicked(const QModelIndex &);
    void on_tblItems_doubleClicked(const QModelIndex &index);
    void on_btnAddItem_clicked();
    void itemChanged(QStandardItem *item);

private:
    void fillCustomers();
    void showShipTo();
    bool isValid();
    void loadQuote(int id);
    bool saveQuote();
    void bindHeader(QSqlQuery &header) const;
    DocumentLines::HeaderFields headerFields() const;
    void setupItemsTable();
    double lineTotal(const QModelIndex &index) const;
    void fillLineDefaults(const QModelIndex &index);
    void showTotals(Money subtotal);
    void enterState(bool adding);

    Ui::frmSalesQuote *ui;
    SalesDelegate *salesDelegate = nullptr;
    QStandardItemModel *itemsModel = nullptr;
    cSalesGrid *lines = nullptr;
    int editedSalesQuoteId = -1;
    // The document as Search loaded it, for the update to find it unchanged.
    cStoredRecord stored;
};

#endif // FRMSALESQUOTE_H
