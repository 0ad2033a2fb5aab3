#include "purchasing/frmPurchasingPayments.h"
#include "ui_frmPurchasingPayments.h"

#include "core/comboboxes.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/textcolumns.h"
#include "sales/invoices/paymentgrid.h"

#include <QDate>
#include <QSqlError>

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
                   "VALUES (:InvoiceId, :PaymentDate, :PaymentMethod, :Amount, :Comment)")};
}

frmPurchasingPayments::frmPurchasingPayments(QWidget *parent) : QDialog(parent), ui(new Ui::frmPurchasingPayments)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->dtDate->setDisplayFormat(dateFormat);
    ui->dtDate->setDate(QDate::currentDate());
    TextColumns::limit(QStringLiteral("purchasepayments"), {{ui->txtComment, QStringLiteral("Comment"), ui->label_3}});
    invoices = new cPaymentGrid(ui->tblInvoices, ui->txtTotalDebts, ui->txtTotalPayments, purchases, this);
    fillVendors();
}

frmPurchasingPayments::~frmPurchasingPayments()
{
    delete ui;
}

void frmPurchasingPayments::fillVendors()
{
    const QSqlError error = fillCombo(ui->cmbVendors, {},
                                      QStringLiteral("Select VendorId, Concat(IFNULL(VendorName, ''), ': ', "
                                                     "IFNULL(PersonName, '')) from vendors inner join persons on "
                                                     "ContactPersonId = PersonId where IsActive = 1"));
    if (error.isValid())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

void frmPurchasingPayments::loadInvoices()
{
    invoices->load(comboItemId(ui->cmbVendors), ui->chkShowFullPaid->isChecked());
}

void frmPurchasingPayments::on_cmbVendors_activated(int)
{
    loadInvoices();
}

void frmPurchasingPayments::on_chkShowFullPaid_stateChanged(int)
{
    loadInvoices();
}

void frmPurchasingPayments::on_tblInvoices_itemChanged(QTableWidgetItem *item)
{
    if (item->column() == PaymentColumn::Payment)
        sumPayments();
}

void frmPurchasingPayments::sumPayments()
{
    invoices->sumPayments();
}

// Date, payment method and comment stay for the next payments.
void frmPurchasingPayments::on_btnSave_clicked()
{
    if (TextColumns::storable(this))
        invoices->save(this, ui->dtDate->date(), ui->cmbPaymentMethod->currentIndex(), ui->txtComment->toPlainText());
}
