#include "purchasing/frmPurchaseInvoiceView.h"
#include "ui_frmPurchaseInvoiceView.h"

#include "core/system/globals.h"

namespace {
enum Column {
    colPurchaseInvoiceId, colPurchaseInvoiceNo, colVendor, colDate, colTotal, colEmployee, colComments
};
}

frmPurchaseInvoiceView::frmPurchaseInvoiceView(QWidget *parent) : QDialog(parent), ui(new Ui::frmPurchaseInvoiceView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    invoices.attach(ui->tblPurchaseInvoices);
    invoices.showAmounts({colTotal}, {colVendor, colEmployee, colComments});
    pickedPurchaseInvoiceId = -1;
    loadPurchaseInvoices();
}

frmPurchaseInvoiceView::~frmPurchaseInvoiceView()
{
    delete ui;
}

// The inner joins leave out a document without a vendor, or without an employee with a
// person.
void frmPurchaseInvoiceView::loadPurchaseInvoices()
{
    invoices.load(QStringLiteral("Select PurchaseInvoiceId, PurchaseInvoiceNo, VendorName, Date, "
                                 "CONVERT(Total, CHAR) AS Total, PersonName as Employee, Comments From purchaseinvoice "
                                 "Inner Join employees on employees.EmployeeId = purchaseinvoice.EmployeeId "
                                 "Inner Join persons on employees.EmployeePersonId = persons.PersonId "
                                 "Inner Join vendors on purchaseinvoice.VendorId = vendors.VendorId"),
                  {tr("Purchase Invoice No."), tr("Vendor"), tr("Date"), tr("Total"), tr("Employee"), tr("Comments")});
}

void frmPurchaseInvoiceView::on_tblPurchaseInvoices_doubleClicked(const QModelIndex &)
{
    // The click has made its row current: the same choice as Edit.
    on_btnEdit_clicked();
}

void frmPurchaseInvoiceView::on_btnDelete_clicked()
{
    // The invoice's lines go with it through the schema's cascade; an invoice that a
    // refund or a payment names is refused by the server.
    const QString question =
        ListDialog::deleteQuestion(tr(" Purchase Invoice No. "), invoices.currentValue(colPurchaseInvoiceNo).toString());
    if (invoices.deleteCurrent(this, QStringLiteral("Delete from purchaseinvoice where PurchaseInvoiceId = :id"), question))
        loadPurchaseInvoices();
}

void frmPurchaseInvoiceView::on_btnEdit_clicked()
{
    invoices.pickCurrent(this, pickedPurchaseInvoiceId);
}
