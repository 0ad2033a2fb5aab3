#include "partners/frmUsersView.h"
#include "ui_frmUsersView.h"

#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/widgets/listdialog.h"
#include "core/system/messages.h"
#include "core/widgets/screenfit.h"
#include "partners/frmUserChangePassword.h"
#include "partners/frmUsers.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>

namespace {
enum Column { colUserId, colUsername, colPersonName };
}

frmUsersView::frmUsersView(QWidget *parent) : QDialog(parent), ui(new Ui::frmUsersView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    loadUsers();
    Direction::openWideEnoughFor(this, ui->tblUsers);
}

frmUsersView::~frmUsersView()
{
    delete ui;
}

void frmUsersView::loadUsers()
{
    // A user whose employee or person is gone is not listed: the login cannot match
    // such a user either.
    QSqlQueryModel *users = ListDialog::replaceModel(
        ui->tblUsers, model,
        QStringLiteral("Select UserID, Username, PersonName from users "
                       "Inner Join employees on users.EmployeeID = employees.EmployeeID "
                       "Inner Join persons on employees.EmployeePersonId = persons.PersonID"));
    users->setHeaderData(colUsername, Qt::Horizontal, tr("Username"));
    users->setHeaderData(colPersonName, Qt::Horizontal, tr("Person Name"));
    ui->tblUsers->hideColumn(colUserId);
    ListDialog::fitColumnsToContents(ui->tblUsers);
}

bool frmUsersView::isLastUser() const
{
    QSqlQuery query(QSqlDatabase::database());
    // A count that cannot be read is left to the delete's own guard.
    return query.exec(QStringLiteral("select count(*) from users")) && query.next() && query.value(0).toInt() <= 1;
}

void frmUsersView::on_btnNew_clicked()
{
    frmUsers editor(nullptr, 0);
    ScreenFit::exec(editor);
    loadUsers();
}

void frmUsersView::on_btnDelete_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblUsers, colUserId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    // Without a user nobody could log in to the company again.
    if (isLastUser()) {
        Messages::critical(this, msgCaption, tr("The last user cannot be deleted: nobody could log in any more."));
        return;
    }
    // The count in the statement holds also when someone else deletes the other
    // remaining user meanwhile: the server then deletes nothing.
    if (ListDialog::confirmAndDelete(
            this, ListDialog::deleteQuestion(),
            QStringLiteral("Delete from users where UserId = :id and (select count(*) from users) > 1"), id.toInt()))
        loadUsers();
}

void frmUsersView::on_btnChangePassword_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->tblUsers, colUserId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmUserChangePassword dialog(nullptr, id.toInt(), ListDialog::currentValue(ui->tblUsers, colUsername).toString());
    ScreenFit::exec(dialog);
}
