#ifndef FRMPURCHASINGPAYMENTS_H
#define FRMPURCHASINGPAYMENTS_H

#include <QDialog>

class cPaymentGrid;
class QTableWidgetItem;

namespace Ui {
class frmPurchasingPayments;
}

// Records money paid to a vendor against the vendor's open purchase invoices,
// one payment row per invoice paid.
class frmPurchasingPayments : public QDialog
{
    Q_OBJECT

public:
    explicit frmPurchasingPayments(QWidget *parent = nullptr);
    ~frmPurchasingPayments() override;

private slots:
    void on_cmbVendors_activated(int);
    void on_chkShowFullPaid_stateChanged(int);
    void on_tblInvoices_itemChanged(QTableWidgetItem *item);
    void on_btnSave_clicked();

private:
    Ui::frmPurchasingPayments *ui;
    cPaymentGrid *invoices = nullptr;
};

#endif // FRMPURCHASINGPAYMENTS_H
