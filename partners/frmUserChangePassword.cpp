#include "partners/frmUserChangePassword.h"
#include "ui_frmUserChangePassword.h"

#include "core/db/dbsave.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/passwords.h"

#include <QSqlError>
#include <QSqlQuery>

frmUserChangePassword::frmUserChangePassword(QWidget *parent, int userId, const QString &userName)
    : QDialog(parent), ui(new Ui::frmUserChangePassword), userId(userId)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->txtUsername->setText(userName);
}

frmUserChangePassword::~frmUserChangePassword()
{
    delete ui;
}

void frmUserChangePassword::on_btnSaveAndClose_clicked()
{
    if (!validate())
        return;

    cDbSave save;
    QSqlQuery query = save.prepare(QStringLiteral("Update users set Password = md5(:pass) where UserId = :id"));
    query.bindValue(QStringLiteral(":pass"), ui->txtNewPassword->text());
    query.bindValue(QStringLiteral(":id"), userId);
    save.execOnStored(query);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
        return;
    }
    close();
}

// Reports the first failing check; the new password is checked before the old one is looked at.
bool frmUserChangePassword::validate()
{
    const QString newPassword = ui->txtNewPassword->text();
    const QString refusal = newPasswordRefusal(newPassword);
    if (!refusal.isEmpty()) {
        Messages::critical(this, msgCaption, refusal);
        return false;
    }
    if (newPassword != ui->txtConfirmePassword->text()) {
        Messages::critical(this, msgCaption, tr("Password and its confirmation dosn't match"));
        return false;
    }

    // The server computes the digest, so the comparison matches the login's exactly.
    QSqlQuery query;
    query.prepare(QStringLiteral("Select Password, md5(:oldPass) from users where UserId = :id"));
    query.bindValue(QStringLiteral(":oldPass"), ui->txtOldPassword->text());
    query.bindValue(QStringLiteral(":id"), userId);
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return false;
    }
    if (!query.next()) {
        Messages::critical(this, msgCaption, tr("Invalid user"));
        return false;
    }
    if (query.value(0).toString() != query.value(1).toString()) {
        Messages::critical(this, msgCaption, tr("Incorrect password"));
        return false;
    }
    return true;
}
