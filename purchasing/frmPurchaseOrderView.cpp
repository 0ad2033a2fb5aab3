#include "purchasing/frmPurchaseOrderView.h"
#include "ui_frmPurchaseOrderView.h"

#include "core/system/globals.h"

namespace {
enum Column { colPurchaseOrderId, colPurchaseOrderNo, colVendor, colDate, colTotal, colEmployee, colComments };
}

frmPurchaseOrderView::frmPurchaseOrderView(QWidget *parent) : QDialog(parent), ui(new Ui::frmPurchaseOrderView)
{
    ui->setupUi(this);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    orders.attach(ui->tblPurchaseOrders);
    orders.showAmounts({colTotal}, {colVendor, colEmployee, colComments});
    pickedPurchaseOrderId = -1;
    loadPurchaseOrders();
}

frmPurchaseOrderView::~frmPurchaseOrderView()
{
    delete ui;
}

// The inner joins leave out a document without a vendor, or without an employee with a
// person.
void frmPurchaseOrderView::loadPurchaseOrders()
{
    orders.load(QStringLiteral("Select PurchaseOrderId, PurchaseOrderNo, VendorName, Date, "
                               "CONVERT(Total, CHAR) AS Total, PersonName as Employee, Comments From purchaseorder "
                               "Inner Join employees on employees.EmployeeId = purchaseorder.EmployeeId "
                               "Inner Join persons on employees.EmployeePersonId = persons.PersonId "
                               "Inner Join vendors on purchaseorder.VendorId = vendors.VendorId"),
                  {tr("Purchase Order No."), tr("Vendor"), tr("Date"), tr("Total"), tr("Employee"), tr("Comments")});
}

void frmPurchaseOrderView::on_tblPurchaseOrders_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmPurchaseOrderView::on_btnDelete_clicked()
{
    // The order's lines go with it through the schema's cascade; an order that an
    // invoice was made from is refused by the server.
    const QString question =
        ListDialog::deleteQuestion(tr(" Purchase Order No. "), orders.currentValue(colPurchaseOrderNo).toString());
    if (orders.deleteCurrent(this, QStringLiteral("Delete from purchaseorder where PurchaseOrderId = :id"), question))
        loadPurchaseOrders();
}

void frmPurchaseOrderView::on_btnEdit_clicked()
{
    orders.pickCurrent(this, pickedPurchaseOrderId);
}
