#include "purchasing/frmPurchaseRefundView.h"
#include "ui_frmPurchaseRefundView.h"

#include "core/system/globals.h"

namespace {
enum Column {
    colRefundId, colPartner, colRefundedBy, colDate, colSubTotal, colFreight, colTotal, colDepositPaid, colComment
};
}

frmPurchaseRefundView::frmPurchaseRefundView(QWidget *parent) : QDialog(parent), ui(new Ui::frmPurchaseRefundView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    refunds.attach(ui->tblPurchaseInvoices);
    refunds.showAmounts({colSubTotal, colFreight, colTotal, colDepositPaid},
                        {colPartner, colRefundedBy, colComment});
    pickedPurchaseRefundId = -1;
    loadPurchaseRefunds();
}

frmPurchaseRefundView::~frmPurchaseRefundView()
{
    delete ui;
}

// The inner joins leave out a document without a vendor, or without an employee with a
// person.
void frmPurchaseRefundView::loadPurchaseRefunds()
{
    refunds.load(QStringLiteral("Select PurchaseRefundId, vendors.VendorName, persons.PersonName AS RefundedBy, "
                                "purchaserefund.Date, CONVERT(purchaserefund.SubTotal, CHAR) AS SubTotal, purchaserefund.Freight, "
                                "CONVERT(purchaserefund.Total, CHAR) AS Total, purchaserefund.DepositPaid, "
                                "purchaserefund.Comment From purchaserefund "
                                "Inner Join purchaseinvoice on purchaserefund.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId "
                                "Inner Join vendors on purchaseinvoice.VendorId = vendors.VendorId "
                                "Inner Join employees on purchaserefund.EmployeeId = employees.EmployeeId "
                                "Inner Join persons on employees.EmployeePersonId = persons.PersonId"),
                  {tr("Vendor Name"), tr("Refunded By"), tr("Date"), tr("Subtotal"), tr("Freight"), tr("Total"),
                  tr("Deposit Paid"), tr("Comments")});
}

void frmPurchaseRefundView::on_tblPurchaseInvoices_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmPurchaseRefundView::on_btnDelete_clicked()
{
    // The refund's lines go with it through the schema's cascade.
    if (refunds.deleteCurrent(this, QStringLiteral("Delete from purchaserefund where PurchaseRefundId = :id")))
        loadPurchaseRefunds();
}

void frmPurchaseRefundView::on_btnEdit_clicked()
{
    refunds.pickCurrent(this, pickedPurchaseRefundId);
}
