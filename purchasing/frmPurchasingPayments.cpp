#include "purchasing/frmPurchasingPayments.h"
#include "ui_frmPurchasingPayments.h"

#include "trading/paymentgrid.h"

namespace {
// A refund lowers the total by the part of it the vendor did not pay back; a purchase
// order carries no deposit.
const PaymentBook purchases{
    QStringLiteral(
        "Select purchaseinvoice.PurchaseInvoiceId, PurchaseInvoiceNo, purchaseinvoice.`Date`, "
        "IFNULL(purchaseinvoice.Total, 0) - (Select IFNULL(SUM(purchaserefund.Total), 0) - "
        "IFNULL(SUM(purchaserefund.DepositPaid), 0) From purchaserefund "
        "Where purchaserefund.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId) AS Total, "
        "IFNULL(purchaseinvoice.DepositPaid, 0) + (Select IFNULL(SUM(purchasepayments.Amount), 0) "
        "From purchasepayments Where purchasepayments.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId) AS Paid "
        "From purchaseinvoice Where VendorId = :PartyId "
        "Group By purchaseinvoice.PurchaseInvoiceId, PurchaseInvoiceNo, purchaseinvoice.`Date`"),
    QStringLiteral("purchaseinvoice"), QStringLiteral("PurchaseInvoiceId"),
    QStringLiteral("INSERT INTO purchasepayments (PurchaseInvoiceId, PaymentDate, PaymentMethod, Amount, Comment) "
                   "VALUES (:InvoiceId, :PaymentDate, :PaymentMethod, :Amount, :Comment)"),
    QStringLiteral("purchasepayments"),
    QStringLiteral("Select VendorId, Concat(IFNULL(VendorName, ''), ': ', IFNULL(PersonName, '')) from vendors "
                   "inner join persons on ContactPersonId = PersonId where IsActive = 1")};
}

frmPurchasingPayments::frmPurchasingPayments(QWidget *parent) : QDialog(parent), ui(new Ui::frmPurchasingPayments)
{
    ui->setupUi(this);
    invoices = new cPaymentGrid(this,
                                {ui->cmbVendors, ui->chkShowFullPaid, ui->dtDate, ui->cmbPaymentMethod, ui->txtComment,
                                 ui->label_3, ui->tblInvoices, ui->txtTotalDebts, ui->txtTotalPayments},
                                purchases);
}

frmPurchasingPayments::~frmPurchasingPayments()
{
    delete ui;
}

void frmPurchasingPayments::on_cmbVendors_activated(int)
{
    invoices->loadChosen();
}

void frmPurchasingPayments::on_chkShowFullPaid_stateChanged(int)
{
    invoices->loadChosen();
}

void frmPurchasingPayments::on_tblInvoices_itemChanged(QTableWidgetItem *item)
{
    if (item->column() == PaymentColumn::Payment)
        invoices->sumPayments();
}

void frmPurchasingPayments::on_btnSave_clicked()
{
    invoices->saveTyped();
}
