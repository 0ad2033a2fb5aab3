#include "purchasing/frmPurchaseRefund.h"
#include "ui_frmPurchaseRefund.h"

#include "core/system/globals.h"
#include "core/widgets/screenfit.h"
#include "purchasing/frmPurchaseRefundView.h"

frmPurchaseRefund::frmPurchaseRefund(QWidget *parent)
    : cRefundWindow(parent, RefundStorage::purchase), ui(new Ui::frmPurchaseRefund)
{
    ui->setupUi(this);
    // The date stays at New, for a run of refunds of one day.
    setUp({ui->cmbVendor, ui->cmbInvoices, ui->cmbPaymentMethod, ui->dtDate, ui->tblItems, ui->txtComment,
           ui->label_8, ui->txtSubTotal, ui->txtFreight, ui->txtDeposit, ui->label_12, ui->txtTotal, ui->txtDebt, ui->lblStateAdd,
           ui->lblStateEdit},
          {tr("Select Vendor"), tr("Select Purchase Invoice"),
           tr("There is no quantity supplied for any of the items in the purchase invoice, please supply the "
              "quantities you wish to refund"),
           tr("Production Date"), tr("Invoice Detail ID")},
          QStringLiteral("Select VendorId, Concat(IFNULL(VendorName, ''), ': ', IFNULL(PersonName, '')) from vendors "
                         "inner join persons on ContactPersonId = PersonId"),
          true, true);
}

frmPurchaseRefund::~frmPurchaseRefund()
{
    delete ui;
}

void frmPurchaseRefund::on_cmbVendor_activated(int index)
{
    partnerChosen(index);
}

int frmPurchaseRefund::pickRefund()
{
    frmPurchaseRefundView list(nullptr);
    ScreenFit::exec(list);
    // The hand-off is read once, right away: any later list resets it.
    return pickedPurchaseRefundId;
}
