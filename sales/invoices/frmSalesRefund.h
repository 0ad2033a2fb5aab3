#ifndef FRMSALESREFUND_H
#define FRMSALESREFUND_H

#include "trading/refundwindow.h"

namespace Ui {
class frmSalesRefund;
}

// Writes a sales refund: goods a customer brings back, taken from the lines of one of
// the customer's sales invoices, with freight, the deposit paid out and the debt left.
class frmSalesRefund : public cRefundWindow
{
    Q_OBJECT

public:
    explicit frmSalesRefund(QWidget *parent = nullptr);
    ~frmSalesRefund() override;

private slots:
    void on_cmbCustomers_activated(int index);

private:
    int pickRefund() override;

    Ui::frmSalesRefund *ui;
};

#endif // FRMSALESREFUND_H
