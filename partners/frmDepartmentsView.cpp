#include "partners/frmDepartmentsView.h"
#include "ui_frmDepartmentsView.h"

#include "core/system/globals.h"
#include "partners/frmDepartments.h"

frmDepartmentsView::frmDepartmentsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmDepartmentsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    departments.attach(ui->tblDepartments);
    loadDepartments();
}

frmDepartmentsView::~frmDepartmentsView()
{
    delete ui;
}

void frmDepartmentsView::loadDepartments()
{
    departments.load(QStringLiteral("Select * from departments"), {tr("Department")});
}

void frmDepartmentsView::on_btnNew_clicked()
{
    if (departments.addNew<frmDepartments>(this))
        loadDepartments();
}

void frmDepartmentsView::on_btnEdit_clicked()
{
    if (departments.editCurrent<frmDepartments>(this))
        loadDepartments();
}

void frmDepartmentsView::on_btnDelete_clicked()
{
    if (departments.deleteCurrent(this, QStringLiteral("DELETE FROM departments WHERE departmentid = :id;")))
        loadDepartments();
}
