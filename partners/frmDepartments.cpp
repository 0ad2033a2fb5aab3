#include "partners/frmDepartments.h"
#include "ui_frmDepartments.h"

#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/db/dbsave.h"
#include "core/system/messages.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmDepartments::frmDepartments(QWidget *parent, int departmentId)
    : QDialog(parent), ui(new Ui::frmDepartments), departmentId(departmentId),
      stored(QStringLiteral("departments"), QStringLiteral("DepartmentId"), tr("this department"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("departments"), {{ui->txtDepartment, QStringLiteral("Department"), ui->label}});
    if (departmentId != 0)
        loadDepartment();
}

frmDepartments::~frmDepartments()
{
    delete ui;
}

void frmDepartments::loadDepartment()
{
    stored.remember(departmentId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select Department from departments where DepartmentId = :depid"));
    query.bindValue(QStringLiteral(":depid"), departmentId);
    if (FailedReads::execNoted(this, query) && query.next())
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
    if (!FailedReads::readWhole(this) || !validateDepartment() || !TextColumns::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query = save.prepare(
        departmentId != 0 ? QStringLiteral("Update departments set department = :dep where DepartmentId = :depid")
                          : QStringLiteral("Insert into departments (department) values (:dep)"));
    if (departmentId != 0)
        query.bindValue(QStringLiteral(":depid"), departmentId);
    query.bindValue(QStringLiteral(":dep"), ui->txtDepartment->text());
    save.execRecord(query, stored, departmentId);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
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
    FailedReads::forgetRecordRead(this);
    departmentId = 0;
    ui->txtDepartment->clear();
}
