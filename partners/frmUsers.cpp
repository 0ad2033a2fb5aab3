#include "partners/frmUsers.h"
#include "ui_frmUsers.h"

#include "core/db/connection.h"
#include "core/system/failedreads.h"
#include "core/widgets/comboboxes.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/db/passwords.h"
#include "core/widgets/textcolumns.h"
#include "partners/frmEmployees.h"

#include <QSqlError>
#include <QSqlQuery>

frmUsers::frmUsers(QWidget *parent, int userId) : QDialog(parent), ui(new Ui::frmUsers), userId(userId)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    const FailedReads::Action opening;
    fillEmployees();
    TextColumns::limit(QStringLiteral("users"), {{ui->txtUsername, QStringLiteral("Username"), ui->label_4}});
    if (userId > 0)
        loadUser();
}

frmUsers::~frmUsers()
{
    delete ui;
}

void frmUsers::fillEmployees()
{
    // CONCAT_WS skips a missing job title, which would otherwise blank the whole entry.
    // NOT IN meets a NULL as unknown: one user without an employee would hide them all.
    fillCombo(ui->cmbEmployee, {tr("<Add New>")},
              QStringLiteral("select EmployeeId, CONCAT_WS(': ', personName, JobTitle) as Employee "
                             "from employees inner join persons on EmployeePersonId = PersonId where IsActive=1 "
                             "AND EmployeeId not in (Select EmployeeId from users where EmployeeId is not null);"));
    setListingRule(ui->cmbEmployee, tr("Only active employees without a user are listed."));
}

void frmUsers::loadUser()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select EmployeeId, Username from users where UserID = :id"));
    query.bindValue(QStringLiteral(":id"), userId);
    if (!FailedReads::execNoted(this, query))
        return;
    if (!query.next())
        return;
    ui->cmbEmployee->setCurrentIndex(ui->cmbEmployee->findData(query.value(0).toInt()));
    ui->txtUsername->setText(query.value(1).toString());
    // The password fields stay empty: the stored digest is no password, and saving it
    // would store a digest of the digest.
}

bool frmUsers::validate()
{
    QString failure;
    if (ui->cmbEmployee->currentIndex() < 1)
        failure = tr("Select employee");
    else if (ui->txtUsername->text().trimmed().isEmpty())
        failure = tr("Insert username");
    else if (!newPasswordRefusal(ui->txtPassword->text()).isEmpty())
        failure = newPasswordRefusal(ui->txtPassword->text());
    else if (ui->txtPassword->text() != ui->txtPasswordConfirm->text())
        failure = tr("Password and its confirmation dosn't match");
    if (failure.isEmpty())
        return TextColumns::storable(this);
    Messages::critical(this, msgCaption, failure);
    return false;
}

bool frmUsers::saveUser()
{
    if (!FailedReads::readWhole(this) || !validate())
        return false;
    QSqlQuery query(QSqlDatabase::database());
    // The name is checked by the same statement that inserts, so two users saved at
    // the same moment cannot both take it. The comparison is the login's own, by the
    // column's collation: letter case and trailing blanks do not tell names apart, and
    // two rows the login could not choose between never arise.
    query.prepare(QStringLiteral(
        "INSERT INTO `users` (`EmployeeId`, `Username`, `Password`) "
        "SELECT :EmployeeId, :Username, md5(:Password) FROM DUAL "
        "WHERE NOT EXISTS (SELECT 1 FROM users WHERE Username = :TakenName); "));
    query.bindValue(QStringLiteral(":EmployeeId"), ui->cmbEmployee->currentData().toInt());
    query.bindValue(QStringLiteral(":Username"), ui->txtUsername->text());
    query.bindValue(QStringLiteral(":TakenName"), ui->txtUsername->text());
    query.bindValue(QStringLiteral(":Password"), ui->txtPassword->text());
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgInsertFailed + QLatin1Char('\n') + query.lastError().text());
        return false;
    }
    if (query.numRowsAffected() < 1) {
        Messages::critical(this, msgCaption, tr("This username is already in use. Choose another one."));
        return false;
    }
    // The employee now has a user and is offered no more.
    fillEmployees();
    on_btnNew_clicked();
    return true;
}

void frmUsers::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    ui->cmbEmployee->setCurrentIndex(-1);
    ui->txtPassword->clear();
    ui->txtPasswordConfirm->clear();
    ui->txtUsername->clear();
}

void frmUsers::on_btnSave_clicked()
{
    saveUser();
}

void frmUsers::on_btnSaveAndClose_clicked()
{
    if (saveUser())
        close();
}

void frmUsers::on_cmbEmployee_activated(int index)
{
    if (index != 0)
        return;
    addNewComboItem<frmEmployees>(ui->cmbEmployee, [this] { fillEmployees(); });
}
