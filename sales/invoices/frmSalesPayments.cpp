#include "sales/invoices/frmSalesPayments.h"
#include "ui_frmSalesPayments.h"

#include "trading/paymentgrid.h"

namespace {
// An invoice made from an order has the order's deposit paid as well; a refund lowers
// the total by the part of it not paid back to the customer.
const PaymentBook sales{
    QStringLiteral(
        "Select salesinvoice.SalesInvoiceId, SalesInvoiceNo, salesinvoice.`Date`, "
        "IFNULL(salesinvoice.Total, 0) - (Select IFNULL(SUM(salesrefund.Total), 0) - "
        "IFNULL(SUM(salesrefund.DepositPaid), 0) From salesrefund "
        "Where salesrefund.SalesInvoiceId = salesinvoice.SalesInvoiceId) AS Total, "
        "IFNULL(salesinvoice.DepositPaid, 0) + (Select IFNULL(SUM(salespayments.Amount), 0) From salespayments "
        "Where salespayments.SalesInvoiceId = salesinvoice.SalesInvoiceId) + "
        "(Select IFNULL(SUM(salesorder.DepositPaid), 0) From salesorder "
        "Where salesorder.SalesOrderId = salesinvoice.SalesOrderId) AS Paid "
        "From salesinvoice Where CustomerId = :PartyId "
        "Group By salesinvoice.SalesInvoiceId, SalesInvoiceNo, salesinvoice.`Date`"),
    QStringLiteral("salesinvoice"), QStringLiteral("SalesInvoiceId"),
    QStringLiteral("INSERT INTO salespayments (SalesInvoiceId, PaymentDate, PaymentMethod, Amount, Comment) "
                   "VALUES (:InvoiceId, :PaymentDate, :PaymentMethod, :Amount, :Comment)"),
    QStringLiteral("salespayments"),
    QStringLiteral("Select CustomerId, Concat(IFNULL(CustomerName, ''), ': ', IFNULL(PersonName, '')) from customers "
                   "inner join persons on CustomerPersonId = PersonId where IsActive = 1")};
}

frmSalesPayments::frmSalesPayments(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesPayments)
{
    ui->setupUi(this);
    invoices = new cPaymentGrid(this,
                                {ui->cmbCustomers, ui->chkShowFullPaid, ui->dtDate, ui->cmbPaymentMethod, ui->txtComment,
                                 ui->label_3, ui->tblInvoices, ui->txtTotalDebts, ui->txtTotalPayments},
                                sales);
}

frmSalesPayments::~frmSalesPayments()
{
    delete ui;
}

void frmSalesPayments::on_cmbCustomers_activated(int)
{
    invoices->loadChosen();
}

void frmSalesPayments::on_chkShowFullPaid_stateChanged(int)
{
    invoices->loadChosen();
}

void frmSalesPayments::on_tblInvoices_itemChanged(QTableWidgetItem *item)
{
    if (item->column() == PaymentColumn::Payment)
        invoices->sumPayments();
}

void frmSalesPayments::on_btnSave_clicked()
{
    invoices->saveTyped();
}
