#include "sales/invoices/frmSalesPayments.h"
#include "ui_frmSalesPayments.h"

#include "core/comboboxes.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/textcolumns.h"
#include "sales/invoices/paymentgrid.h"

#include <QDate>
#include <QSqlError>

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
                   "VALUES (:InvoiceId, :PaymentDate, :PaymentMethod, :Amount, :Comment)")};
}

frmSalesPayments::frmSalesPayments(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesPayments)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dtDate->setDisplayFormat(dateFormat);
    ui->dtDate->setDate(QDate::currentDate());
    TextColumns::limit(QStringLiteral("salespayments"), {{ui->txtComment, QStringLiteral("Comment"), ui->label_3}});
    invoices = new cPaymentGrid(ui->tblInvoices, ui->txtTotalDebts, ui->txtTotalPayments, sales, this);
    fillCustomers();
}

frmSalesPayments::~frmSalesPayments()
{
    delete ui;
}

void frmSalesPayments::fillCustomers()
{
    const QSqlError error = fillCombo(ui->cmbCustomers, {},
                                      QStringLiteral("Select CustomerId, Concat(IFNULL(CustomerName, ''), ': ', "
                                                     "IFNULL(PersonName, '')) from customers inner join persons on "
                                                     "CustomerPersonId = PersonId where IsActive = 1"));
    if (error.isValid())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

void frmSalesPayments::loadInvoices()
{
    invoices->load(comboItemId(ui->cmbCustomers), ui->chkShowFullPaid->isChecked());
}

void frmSalesPayments::on_cmbCustomers_activated(int)
{
    loadInvoices();
}

void frmSalesPayments::on_chkShowFullPaid_stateChanged(int)
{
    loadInvoices();
}

void frmSalesPayments::on_tblInvoices_itemChanged(QTableWidgetItem *item)
{
    if (item->column() == PaymentColumn::Payment)
        updateTotalPayments();
}

void frmSalesPayments::updateTotalPayments()
{
    invoices->sumPayments();
}

// Date, payment method and comment stay for the next payments.
void frmSalesPayments::on_btnSave_clicked()
{
    if (TextColumns::storable(this))
        invoices->save(this, ui->dtDate->date(), ui->cmbPaymentMethod->currentIndex(), ui->txtComment->toPlainText());
}
