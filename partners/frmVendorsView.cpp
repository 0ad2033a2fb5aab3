#include "partners/frmVendorsView.h"
#include "ui_frmVendorsView.h"

#include "core/system/globals.h"
#include "partners/frmVendors.h"

frmVendorsView::frmVendorsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmVendorsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    vendors.attach(ui->tblVendors);
    loadVendors(ui->chkShowInactive->isChecked());
}

frmVendorsView::~frmVendorsView()
{
    delete ui;
}

void frmVendorsView::loadVendors(bool showInactive)
{
    QString sql = QStringLiteral("select VendorId, VendorName, VendorSince, Notes from vendors ");
    if (!showInactive)
        sql += QStringLiteral(" Where vendors.IsActive=1");
    vendors.load(sql, {tr("Vendor Name"), tr("Vendor Since"), tr("Notes")});
}

void frmVendorsView::on_chkShowInactive_stateChanged(int /*state*/)
{
    loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnEdit_clicked()
{
    if (vendors.editCurrent<frmVendors>(this))
        loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnNew_clicked()
{
    if (vendors.addNew<frmVendors>(this))
        loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnDelete_clicked()
{
    if (vendors.deleteCurrent(this, QStringLiteral("Delete from vendors Where VendorId = :id")))
        loadVendors(ui->chkShowInactive->isChecked());
}
