#include "sales/orders/frmSalesOrderView.h"
#include "ui_frmSalesOrderView.h"

#include "core/system/globals.h"

namespace {
enum Column { colSalesOrderId, colSalesOrderNo, colCustomer, colDate, colTotal, colEmployee, colComments };
}

frmSalesOrderView::frmSalesOrderView(QWidget *parent) : QDialog(parent), ui(new Ui::frmSalesOrderView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    orders.attach(ui->tblSalesOrders);
    orders.showAmounts({colTotal}, {colCustomer, colEmployee, colComments});
    loadSalesOrders();
    pickedSalesOrderId = -1;
}

frmSalesOrderView::~frmSalesOrderView()
{
    delete ui;
}

// The inner joins leave out an order without a customer or an employee with a person.
void frmSalesOrderView::loadSalesOrders()
{
    orders.load(QStringLiteral("Select SalesOrderId, SalesOrderNo, CustomerName, Date, "
                               "CONVERT(Total, CHAR) AS Total, PersonName as Employee, Comments From salesorder "
                               "Inner Join employees on employees.EmployeeId = salesorder.EmployeeId "
                               "Inner Join persons on employees.EmployeePersonId = persons.PersonId "
                               "Inner Join customers on salesorder.CustomerId = customers.CustomerId "),
                {tr("Sales Order No."), tr("Customer"), tr("Date"), tr("Total"), tr("Employee"),
                 tr("Comments")});
}

void frmSalesOrderView::on_tblSalesOrders_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmSalesOrderView::on_btnDelete_clicked()
{
    // The order's lines go with it through the schema's cascade; an order that an
    // invoice was made from is refused by the server.
    const QString question = ListDialog::deleteQuestion(tr(" Sales Order No. "), orders.currentValue(colSalesOrderNo).toString());
    if (orders.deleteCurrent(this, QStringLiteral("Delete from salesorder where SalesOrderId = :id"), question))
        loadSalesOrders();
}

void frmSalesOrderView::on_btnEdit_clicked()
{
    orders.pickCurrent(this, pickedSalesOrderId);
}
