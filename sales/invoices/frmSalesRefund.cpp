#include "sales/invoices/frmSalesRefund.h"
#include "ui_frmSalesRefund.h"

#include "core/system/globals.h"
#include "core/widgets/screenfit.h"
#include "sales/invoices/frmSalesRefundView.h"

frmSalesRefund::frmSalesRefund(QWidget *parent)
    : cRefundWindow(parent, RefundStorage::sales), ui(new Ui::frmSalesRefund)
{
    ui->setupUi(this);
    setUp({ui->cmbCustomers, ui->cmbInvoices, ui->cmbPaymentMethod, ui->dtDate, ui->tblItems, ui->txtComment,
           ui->label_8, ui->txtSubTotal, ui->txtFreight, ui->txtDeposit, ui->label_12, ui->txtTotal, ui->txtDebt, ui->lblStateAdd,
           ui->lblStateEdit},
          {tr("Select Customer"), tr("Select Sales Invoice"),
           tr("There is no quantity supplied for any of the items in the sales invoice, please supply the "
              "quantities you wish to refund"),
           tr("Expire Date"), tr("Invoice Details ID")},
          QStringLiteral("Select CustomerId, Concat(IFNULL(CustomerName, ''), ': ', IFNULL(PersonName, '')) from "
                         "customers inner join persons on CustomerPersonId = PersonId"),
          false, false);
}

frmSalesRefund::~frmSalesRefund()
{
    delete ui;
}

void frmSalesRefund::on_cmbCustomers_activated(int index)
{
    partnerChosen(index);
}

int frmSalesRefund::pickRefund()
{
    frmSalesRefundView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list resets it.
    return pickedSalesRefundId;
}
