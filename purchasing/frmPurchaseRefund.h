#ifndef FRMPURCHASEREFUND_H
#define FRMPURCHASEREFUND_H

#include "trading/refundwindow.h"

namespace Ui {
class frmPurchaseRefund;
}

// Writes a purchase refund: goods that go back to a vendor, taken from the lines of one
// of the vendor's purchase invoices, with freight, the deposit paid back and the debt left.
class frmPurchaseRefund : public cRefundWindow
{
    Q_OBJECT

public:
    explicit frmPurchaseRefund(QWidget *parent = nullptr);
    ~frmPurchaseRefund() override;

private slots:
    void on_cmbVendor_activated(int index);

private:
    int pickRefund() override;

    Ui::frmPurchaseRefund *ui;
};

#endif // FRMPURCHASEREFUND_H
