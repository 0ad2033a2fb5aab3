#include "app/frmCompanyInfo.h"
#include "ui_frmCompanyInfo.h"

#include "core/db/dbsave.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmCompanyInfo::frmCompanyInfo(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmCompanyInfo),
      stored(QStringLiteral("companyinfo"), QStringLiteral("CompanyId"), tr("the company's details"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("companyinfo"),
                       {{ui->txtCompanyName, QStringLiteral("CompanyName"), ui->label},
                        {ui->txtAddress, QStringLiteral("Address"), ui->label_2},
                        {ui->txtPhone, QStringLiteral("Phone"), ui->label_3}});
    loadCompanyInfo();
}

frmCompanyInfo::~frmCompanyInfo()
{
    delete ui;
}

void frmCompanyInfo::loadCompanyInfo()
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT CompanyId FROM companyinfo ORDER BY CompanyId LIMIT 1"));
    if (!FailedReads::execNoted(this, query))
        return;
    if (!query.next())
        return;
    const int id = query.value(0).toInt();
    // Remembered before the fields are read: a change saved in between is refused at
    // the save rather than undone by it.
    stored.remember(id);
    query.prepare(QStringLiteral("SELECT CompanyName, Address, Phone FROM companyinfo WHERE CompanyId = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!FailedReads::execNoted(this, query))
        return;
    if (!query.next())
        return;
    companyId = id;
    ui->txtCompanyName->setText(query.value(0).toString());
    ui->txtAddress->setText(query.value(1).toString());
    ui->txtPhone->setText(query.value(2).toString());
}

void frmCompanyInfo::on_btnSave_clicked()
{
    if (!FailedReads::readWhole(this) || !TextColumns::storable(this))
        return;
    // Without a WHERE clause the update writes every row, so a table that somehow holds
    // more than one keeps them alike.
    cDbSave save;
    QSqlQuery query = save.prepare(
        companyId != 0
            ? QStringLiteral("UPDATE companyinfo SET CompanyName = :CompanyName , Address = :Address, Phone = :Phone")
            : QStringLiteral(
                  "INSERT INTO companyinfo (CompanyName, Address, Phone) VALUES (:CompanyName, :Address, :Phone)"));
    query.bindValue(QStringLiteral(":CompanyName"), textOrNull(ui->txtCompanyName->text()));
    query.bindValue(QStringLiteral(":Address"), textOrNull(ui->txtAddress->text()));
    query.bindValue(QStringLiteral(":Phone"), textOrNull(ui->txtPhone->text()));
    save.execRecord(query, stored, companyId);
    if (save.commit()) {
        close();
        return;
    }
    Messages::critical(this, msgCaption, save.failureText(tr("Save failed:")));
}
