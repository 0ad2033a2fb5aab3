#ifndef FRMSALESPAYMENTS_H
#define FRMSALESPAYMENTS_H

#include <QDialog>

class cPaymentGrid;
class QTableWidgetItem;

namespace Ui {
class frmSalesPayments;
}

// Records money received from a customer against the customer's open sales invoices,
// one payment row per invoice paid.
class frmSalesPayments : public QDialog
{
    Q_OBJECT

public:
    explicit frmSalesPayments(QWidget *parent = nullptr);
    ~frmSalesPayments() override;

private slots:
    void on_cmbCustomers_activated(int);
    void on_chkShowFullPaid_stateChanged(int);
    void on_tblInvoices_itemChanged(QTableWidgetItem *item);
    void on_btnSave_clicked();

private:
    Ui::frmSalesPayments *ui;
    cPaymentGrid *invoices = nullptr;
};

#endif // FRMSALESPAYMENTS_H
