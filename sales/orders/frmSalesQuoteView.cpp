#include "sales/orders/frmSalesQuoteView.h"
#include "ui_frmSalesQuoteView.h"

#include "core/system/globals.h"

namespace {
enum Column {
    colSalesQuoteId, colSalesQuoteNo, colCustomer, colDate, colExpireDate, colTotal, colEmployee, colComments
};
}

frmSalesQuoteView::frmSalesQuoteView(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesQuoteView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    quotes.attach(ui->tblSalesQuotes);
    quotes.showAmounts({colTotal}, {colCustomer, colEmployee, colComments});
    loadSalesQuotes();
    pickedSalesQuoteId = -1;
}

frmSalesQuoteView::~frmSalesQuoteView()
{
    delete ui;
}

// The inner joins leave out a quote without a customer or an employee with a person.
void frmSalesQuoteView::loadSalesQuotes()
{
    quotes.load(QStringLiteral("Select SalesQuoteId, SalesQuoteNo, CustomerName, Date, ExpireDate, "
                               "CONVERT(Total, CHAR) AS Total, PersonName as Employee, Comments From salesquote "
                               "Inner Join employees on employees.EmployeeId = salesquote.EmployeeId "
                               "Inner Join persons on employees.EmployeePersonId = persons.PersonId "
                               "Inner Join customers on salesquote.CustomerId = customers.CustomerId "),
                {tr("Sales Quote No."), tr("Customer"), tr("Date"), tr("Expire Date"), tr("Total"), tr("Employee"),
                 tr("Comments")});
}

void frmSalesQuoteView::on_tblSalesQuotes_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmSalesQuoteView::on_btnDelete_clicked()
{
    // The quote's lines go with it through the schema's cascade; a quote that an order
    // was made from is refused by the server.
    const QString question = ListDialog::deleteQuestion(tr(" Sales Quote No. "), quotes.currentValue(colSalesQuoteNo).toString());
    if (quotes.deleteCurrent(this, QStringLiteral("Delete from salesquote where SalesQuoteId = :id"), question))
        loadSalesQuotes();
}

void frmSalesQuoteView::on_btnEdit_clicked()
{
    quotes.pickCurrent(this, pickedSalesQuoteId);
}
