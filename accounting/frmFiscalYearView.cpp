#include "accounting/frmFiscalYearView.h"
#include "ui_frmFiscalYearView.h"

#include "accounting/frmFiscalYear.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"

#include <QSqlQueryModel>

namespace {
enum Column { colFiscalYearId, colFrom, colTo, colClosed };
}

frmFiscalYearView::frmFiscalYearView(QWidget *parent) : QDialog(parent), ui(new Ui::frmFiscalYearView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ListDialog::showDatesInDateFormat(ui->tblFiscalYears);
    loadFiscalYears();
}

frmFiscalYearView::~frmFiscalYearView()
{
    delete ui;
}

void frmFiscalYearView::loadFiscalYears()
{
    QSqlQueryModel *years = ListDialog::replaceModel(
        ui->tblFiscalYears, model,
        QStringLiteral("Select FiscalYearId, `From`, `To`, Case When  IsClosed = 0 Then 'False' Else 'True' End as "
                       "'Is Closed' from FiscalYear"));
    ui->tblFiscalYears->hideColumn(colFiscalYearId);
    years->setHeaderData(colFrom, Qt::Horizontal, tr("From"));
    years->setHeaderData(colTo, Qt::Horizontal, tr("To"));
    years->setHeaderData(colClosed, Qt::Horizontal, tr("Year Closed"));
    ListDialog::fitColumnsToContents(ui->tblFiscalYears);
}

void frmFiscalYearView::on_btnNew_clicked()
{
    frmFiscalYear editor(nullptr, 0);
    editor.exec();
    loadFiscalYears();
}

void frmFiscalYearView::on_btnEdit_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblFiscalYears, colFiscalYearId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmFiscalYear editor(nullptr, id.toInt());
    editor.exec();
    loadFiscalYears();
}

void frmFiscalYearView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblFiscalYears, colFiscalYearId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    const QString question =
        msgDelete + QStringLiteral(": ") + ListDialog::currentValue(ui->tblFiscalYears, colFrom).toString();
    if (ListDialog::confirmAndDelete(this, question,
                                     QStringLiteral("Delete from FiscalYear where FiscalYearId = :id"), id))
        loadFiscalYears();
}
