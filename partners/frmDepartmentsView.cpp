#include "partners/frmDepartmentsView.h"
#include "ui_frmDepartmentsView.h"

#include "core/globals.h"
#include "core/listdialog.h"
#include "partners/frmDepartments.h"

#include <QSqlQueryModel>

namespace {
enum Column { colDepartmentId, colDepartment };
}

frmDepartmentsView::frmDepartmentsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmDepartmentsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    loadDepartments();
}

frmDepartmentsView::~frmDepartmentsView()
{
    delete ui;
}

void frmDepartmentsView::loadDepartments()
{
    QSqlQueryModel *departments =
        ListDialog::replaceModel(ui->tblDepartments, model, QStringLiteral("Select * from departments"));
    departments->setHeaderData(colDepartment, Qt::Horizontal, tr("Department"));
    ui->tblDepartments->hideColumn(colDepartmentId);
    ListDialog::fitColumnsToContents(ui->tblDepartments);
}

void frmDepartmentsView::on_btnNew_clicked()
{
    frmDepartments editor(nullptr, 0);
    editor.exec();
    loadDepartments();
}

void frmDepartmentsView::on_btnEdit_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblDepartments, colDepartmentId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmDepartments editor(nullptr, id.toInt());
    editor.exec();
    loadDepartments();
}

void frmDepartmentsView::on_btnDelete_clicked()
{
    const QVariant id =
        ListDialog::currentValueOrTell(this, ui->tblDepartments, colDepartmentId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    if (ListDialog::confirmAndDelete(this, msgDelete,
                                     QStringLiteral("DELETE FROM departments WHERE departmentid = :id;"), id.toInt()))
        loadDepartments();
}
