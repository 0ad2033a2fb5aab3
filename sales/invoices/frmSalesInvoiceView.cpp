#include "sales/invoices/frmSalesInvoiceView.h"
#include "ui_frmSalesInvoiceView.h"

#include "core/system/globals.h"

namespace {
enum Column { colSalesInvoiceId, colSalesInvoiceNo, colCustomer, colDate, colTotal, colEmployee, colComments };
}

frmSalesInvoiceView::frmSalesInvoiceView(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesInvoiceView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    invoices.attach(ui->tblSalesInvoices);
    invoices.showAmounts({colTotal}, {colCustomer, colEmployee, colComments});
    loadSalesInvoices();
    pickedSalesInvoiceId = -1;
}

frmSalesInvoiceView::~frmSalesInvoiceView()
{
    delete ui;
}

// The inner joins leave out an invoice without a customer or an employee with a person.
void frmSalesInvoiceView::loadSalesInvoices()
{
    invoices.load(QStringLiteral("Select SalesInvoiceId, SalesInvoiceNo, CustomerName, Date, "
                                 "CONVERT(Total, CHAR) AS Total, PersonName as Employee, Comments From salesinvoice "
                                 "Inner Join employees on employees.EmployeeId = salesinvoice.EmployeeId "
                                 "Inner Join persons on employees.EmployeePersonId = persons.PersonId "
                                 "Inner Join customers on salesinvoice.CustomerId = customers.CustomerId "),
                  {tr("Sales Invoice No."), tr("Customer"), tr("Date"), tr("Total"), tr("Employee"),
                   tr("Comments")});
}

void frmSalesInvoiceView::on_tblSalesInvoices_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmSalesInvoiceView::on_btnDelete_clicked()
{
    // The invoice's lines go with it through the schema's cascade; an invoice that a
    // refund or a payment names is refused by the server.
    const QString question = ListDialog::deleteQuestion(tr(" Sales Invoice No. "), invoices.currentValue(colSalesInvoiceNo).toString());
    if (invoices.deleteCurrent(this, QStringLiteral("Delete from salesinvoice where SalesInvoiceId = :id"), question))
        loadSalesInvoices();
}

void frmSalesInvoiceView::on_btnEdit_clicked()
{
    invoices.pickCurrent(this, pickedSalesInvoiceId);
}
