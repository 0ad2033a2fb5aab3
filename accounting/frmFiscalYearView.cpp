#include "accounting/frmFiscalYearView.h"
#include "ui_frmFiscalYearView.h"

#include "accounting/frmFiscalYear.h"
#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/widgets/screenfit.h"

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
    Direction::openWideEnoughFor(this, ui->tblFiscalYears);
}

frmFiscalYearView::~frmFiscalYearView()
{
    delete ui;
}

void frmFiscalYearView::loadFiscalYears()
{
    QSqlQueryModel *years = ListDialog::replaceModel(
        ui->tblFiscalYears, model,
        QStringLiteral("Select FiscalYearId, `From`, `To`, "
                       "CAST(Case When IsClosed = 0 Then :false Else :true End AS CHAR(45)) as 'Is Closed' "
                       "from FiscalYear"),
        ListDialog::flagWords());
    ui->tblFiscalYears->hideColumn(colFiscalYearId);
    years->setHeaderData(colFrom, Qt::Horizontal, tr("From"));
    years->setHeaderData(colTo, Qt::Horizontal, tr("To"));
    years->setHeaderData(colClosed, Qt::Horizontal, tr("Year Closed"));
    ListDialog::fitColumnsToContents(ui->tblFiscalYears);
}

void frmFiscalYearView::on_btnNew_clicked()
{
    frmFiscalYear editor(nullptr, 0);
    ScreenFit::exec(editor);
    loadFiscalYears();
}

void frmFiscalYearView::on_btnEdit_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblFiscalYears, colFiscalYearId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmFiscalYear editor(nullptr, id.toInt());
    ScreenFit::exec(editor);
    loadFiscalYears();
}

void frmFiscalYearView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblFiscalYears, colFiscalYearId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    const QString question =
        ListDialog::deleteQuestion(QStringLiteral(": "), ListDialog::currentValue(ui->tblFiscalYears, colFrom).toString());
    if (ListDialog::confirmAndDelete(this, question,
                                     QStringLiteral("Delete from FiscalYear where FiscalYearId = :id"), id))
        loadFiscalYears();
}
