#include "sales/invoices/frmSalesRefundView.h"
#include "ui_frmSalesRefundView.h"

#include "core/system/globals.h"

namespace {
enum Column {
    colRefundId, colPartner, colRefundedBy, colDate, colSubTotal, colFreight, colTotal, colDepositPaid, colComment
};
}

frmSalesRefundView::frmSalesRefundView(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesRefundView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    refunds.attach(ui->tblSalesInvoices);
    refunds.showAmounts({colSubTotal, colFreight, colTotal, colDepositPaid},
                        {colPartner, colRefundedBy, colComment});
    pickedSalesRefundId = -1;
    loadSalesRefunds();
}

frmSalesRefundView::~frmSalesRefundView()
{
    delete ui;
}

// The customer is the refunded invoice's; the inner joins leave out a refund without
// one, or without an employee with a person.
void frmSalesRefundView::loadSalesRefunds()
{
    refunds.load(QStringLiteral("Select SalesRefundId, customers.CustomerName, persons.PersonName AS RefundedBy, "
                                "salesrefund.Date, CONVERT(salesrefund.SubTotal, CHAR) AS SubTotal, "
                                "salesrefund.Freight, CONVERT(salesrefund.Total, CHAR) AS Total, "
                                "salesrefund.DepositPaid, salesrefund.Comment From salesrefund "
                                "Inner Join salesinvoice on salesrefund.SalesInvoiceId = salesinvoice.SalesInvoiceId "
                                "Inner Join customers on salesinvoice.CustomerId = customers.CustomerId "
                                "Inner Join employees on salesrefund.EmployeeId = employees.EmployeeId "
                                "Inner Join persons on employees.EmployeePersonId = persons.PersonId"),
                 {tr("Customer Name"), tr("Refunded By"), tr("Date"), tr("Subtotal"), tr("Freight"), tr("Total"),
                  tr("Deposit Paid"), tr("Comments")});
}

void frmSalesRefundView::on_tblSalesInvoices_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

// The refund's lines go with it through the schema's cascade.
void frmSalesRefundView::on_btnDelete_clicked()
{
    if (refunds.deleteCurrent(this, QStringLiteral("Delete from salesrefund where SalesRefundId = :id")))
        loadSalesRefunds();
}

void frmSalesRefundView::on_btnEdit_clicked()
{
    refunds.pickCurrent(this, pickedSalesRefundId);
}
