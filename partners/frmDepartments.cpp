#include "partners/frmDepartments.h"
#include "ui_frmDepartments.h"

#include "core/globals.h"
#include "core/messages.h"

#include <QSqlError>
#include <QSqlQuery>

frmDepartments::frmDepartments(QWidget *parent, int departmentId)
    : QDialog(parent), ui(new Ui::frmDepartments), departmentId(departmentId)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    if (departmentId != 0)
        loadDepartment();
}

frmDepartments::~frmDepartments()
{
    delete ui;
}

void frmDepartments::loadDepartment()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select Department from departments where DepartmentId = :depid"));
    query.bindValue(QStringLiteral(":depid"), departmentId);
    if (query.exec() && query.next())
        ui->txtDepartment->setText(query.value(0).toString());
}

bool frmDepartments::validateDepartment()
{
    if (!ui->txtDepartment->text().trimmed().isEmpty())
        return true;
    Messages::critical(this, msgCaption, QStringLiteral("Type department name"));
    return false;
}

bool frmDepartments::saveDepartment()
{
    if (!validateDepartment())
        return false;
    QSqlQuery query(QSqlDatabase::database());
    if (departmentId != 0) {
        query.prepare(QStringLiteral("Update departments set department = :dep where DepartmentId = :depid"));
        query.bindValue(QStringLiteral(":depid"), departmentId);
    } else {
        query.prepare(QStringLiteral("Insert into departments (department) values (:dep)"));
    }
    query.bindValue(QStringLiteral(":dep"), ui->txtDepartment->text());
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgInsertFailed + QLatin1Char('\n') + query.lastError().text());
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmDepartments::on_btnSaveAndClose_clicked()
{
    if (saveDepartment())
        close();
}

void frmDepartments::on_btnSave_clicked()
{
    saveDepartment();
}

void frmDepartments::on_btnNew_clicked()
{
    departmentId = 0;
    ui->txtDepartment->clear();
}
