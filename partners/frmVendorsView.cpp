#include "partners/frmVendorsView.h"
#include "ui_frmVendorsView.h"

#include "core/globals.h"
#include "core/listdialog.h"
#include "partners/frmVendors.h"

#include <QSqlQueryModel>

namespace {
const int colVendorId = 0;
}

frmVendorsView::frmVendorsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmVendorsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ListDialog::showDatesInDateFormat(ui->tblVendors);
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
    QSqlQueryModel *vendors = ListDialog::replaceModel(ui->tblVendors, model, sql);
    const QStringList headers{tr("Vendor Name"), tr("Vendor Since"), tr("Notes")};
    for (int i = 0; i < headers.size(); ++i)
        vendors->setHeaderData(colVendorId + 1 + i, Qt::Horizontal, headers.at(i));
    ui->tblVendors->hideColumn(colVendorId);
    ListDialog::fitColumnsToContents(ui->tblVendors);
}

void frmVendorsView::on_chkShowInactive_stateChanged(int /*state*/)
{
    loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblVendors, colVendorId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmVendors editor(nullptr, id.toInt());
    editor.exec();
    loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnNew_clicked()
{
    frmVendors editor(nullptr, 0);
    editor.exec();
    loadVendors(ui->chkShowInactive->isChecked());
}

void frmVendorsView::on_btnDelete_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblVendors, colVendorId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    if (ListDialog::confirmAndDelete(this, msgDelete, QStringLiteral("Delete from vendors Where VendorId = :id"), id))
        loadVendors(ui->chkShowInactive->isChecked());
}
