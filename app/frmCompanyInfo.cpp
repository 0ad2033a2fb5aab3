#include "app/frmCompanyInfo.h"
#include "ui_frmCompanyInfo.h"

#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/textcolumns.h"

#include <QSqlError>
#include <QSqlQuery>

frmCompanyInfo::frmCompanyInfo(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmCompanyInfo)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    TextColumns::limit(QStringLiteral("companyinfo"),
                       {{ui->txtCompanyName, QStringLiteral("CompanyName"), ui->label},
                        {ui->txtAddress, QStringLiteral("Address"), ui->label_2},
                        {ui->txtPhone, QStringLiteral("Phone"), ui->label_3}});
    companyRowExists = loadCompanyInfo();
}

frmCompanyInfo::~frmCompanyInfo()
{
    delete ui;
}

bool frmCompanyInfo::loadCompanyInfo()
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT CompanyId, CompanyName, Address, Phone FROM companyinfo"));
    if (!query.exec())
        Messages::critical(this, msgCaption, query.lastError().text());
    if (!query.next())
        return false;
    ui->txtCompanyName->setText(query.value(1).toString());
    ui->txtAddress->setText(query.value(2).toString());
    ui->txtPhone->setText(query.value(3).toString());
    return true;
}

void frmCompanyInfo::on_btnSave_clicked()
{
    if (!TextColumns::storable(this))
        return;
    // Without a WHERE clause the update writes every row, so a table that somehow holds
    // more than one keeps them alike.
    cDbSave save;
    QSqlQuery query = save.prepare(
        companyRowExists
            ? QStringLiteral("UPDATE companyinfo SET CompanyName = :CompanyName , Address = :Address, Phone = :Phone")
            : QStringLiteral(
                  "INSERT INTO companyinfo (CompanyName, Address, Phone) VALUES (:CompanyName, :Address, :Phone)"));
    query.bindValue(QStringLiteral(":CompanyName"), textOrNull(ui->txtCompanyName->text()));
    query.bindValue(QStringLiteral(":Address"), textOrNull(ui->txtAddress->text()));
    query.bindValue(QStringLiteral(":Phone"), textOrNull(ui->txtPhone->text()));
    save.execRecord(query, companyRowExists);
    if (save.commit()) {
        close();
        return;
    }
    Messages::critical(this, msgCaption, tr("Save failed:\n") + save.errorText());
}
