#include "accounting/dlgAccTrans.h"
#include "ui_dlgAccTrans.h"

#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/db/money.h"
#include "core/widgets/numberfields.h"
#include "core/widgets/textcolumns.h"

#include <QSqlQuery>

double dlgAccTrans::debit = 0;
double dlgAccTrans::credit = 0;
int dlgAccTrans::accountId = 0;
QString dlgAccTrans::comment;
QString dlgAccTrans::accountText;

dlgAccTrans::dlgAccTrans(QWidget *parent) : QDialog(parent), ui(new Ui::dlgAccTrans)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    NumberFields::setupAmount(ui->spinAmount);
    TextColumns::limit(QStringLiteral("generaljournaltransactions"),
                       {{ui->txtComment, QStringLiteral("Comment"), ui->label_3}});
    fillAccounts();
}

dlgAccTrans::~dlgAccTrans()
{
    delete ui;
}

void dlgAccTrans::fillAccounts()
{
    // Only leaf accounts take journal lines: a parent's balance is the sum of its children.
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "Select AccountId, Concat(AccountNo, ': ', Description) as Account, ParentAccountId from accounts "
        "where AccountId not IN (select ParentAccountId from accounts where parentAccountId is not null) "
        "Order By TypeId, AccountNo"));
    if (FailedReads::execNoted(ui->cmbAccount, query)) {
        while (query.next())
            ui->cmbAccount->addItem(query.value(1).toString(), query.value(0).toInt());
    }
    // Without an account a line could never be stored, so there is nothing to save.
    ui->btnSave->setEnabled(ui->cmbAccount->count() > 0);
}

void dlgAccTrans::on_btnSave_clicked()
{
    if (!TextColumns::storable(this))
        return;
    const double amount = Money::fromDouble(ui->spinAmount->value()).toDouble();
    debit = ui->radDebit->isChecked() ? amount : 0;
    credit = ui->radCredit->isChecked() ? amount : 0;
    accountId = ui->cmbAccount->currentData().toInt();
    comment = ui->txtComment->text();
    accountText = ui->cmbAccount->currentText();
    accept();
}

void dlgAccTrans::on_btnCancel_clicked()
{
    reject();
}
