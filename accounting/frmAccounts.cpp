#include "accounting/frmAccounts.h"
#include "ui_frmAccounts.h"

#include "accounting/frmAccountsView.h"
#include "accounting/frmCurrencies.h"
#include "core/db/connection.h"
#include "core/system/failedreads.h"
#include "core/widgets/comboboxes.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "core/widgets/numberfields.h"
#include "core/widgets/textcolumns.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const int errorDuplicateKey = 1062;
}

frmAccounts::frmAccounts(QWidget *parent, int accountId)
    : QDialog(parent), ui(new Ui::frmAccounts), accountId(0),
      stored(QStringLiteral("accounts"), QStringLiteral("AccountId"), tr("this account"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowMaximizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->treeAccounts->hideColumn(4);
    TextColumns::limit(QStringLiteral("accounts"), {{ui->txtAccount, QStringLiteral("Description"), ui->label_4}});
    Direction::applyTo(ui->treeAccounts);
    // A server that is gone fails every list and the account alike: one box.
    const FailedReads::Action opening;
    fillCurrencies();
    fillAccountTypes();
    fillParentAccounts();
    this->accountId = accountId;
    if (accountId > 0)
        loadAccount();
}

frmAccounts::~frmAccounts()
{
    delete ui;
}

void frmAccounts::fillAccountTypes()
{
    ui->cmbType->clear();
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("SELECT AccountsTypeId, Type, TypeAr FROM accounttypes;"));
    if (!FailedReads::execNoted(ui->cmbType, query))
        return;
    while (query.next())
        ui->cmbType->addItem(query.value(rightToLeft ? 2 : 1).toString(), query.value(0).toString());
}

void frmAccounts::fillCurrencies()
{
    ui->cmbCurrency->clear();
    ui->cmbCurrency->addItem(tr("<Add New>"));
    QSqlQuery query(QSqlDatabase::database());
    // CONCAT_WS: a currency saved without a symbol still shows its name.
    query.prepare(QStringLiteral("SELECT CurrencyId, CONCAT_WS(' - ', CurrencySymbol, Currency) FROM `currencies`;"));
    if (!FailedReads::execNoted(ui->cmbCurrency, query))
        return;
    while (query.next())
        ui->cmbCurrency->addItem(query.value(1).toString(), query.value(0).toString());
}

// Offering the account itself or one below it as its parent would let it become its own
// ancestor, and the chart would lose it and everything under it.
QSet<int> frmAccounts::accountAndItsSubAccounts() const
{
    if (accountId <= 0)
        return {};
    QSet<int> found{accountId};
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("select AccountId, ParentAccountId from accounts"));
    // Unread, the account's own branch cannot be kept out of the parents offered.
    if (!FailedReads::execNoted(ui->treeAccounts, query))
        return found;
    QMultiHash<int, int> childrenOf;
    while (query.next())
        childrenOf.insert(query.value(1).toInt(), query.value(0).toInt());
    QList<int> pending{accountId};
    while (!pending.isEmpty()) {
        for (int child : childrenOf.values(pending.takeFirst())) {
            if (!found.contains(child)) {
                found.insert(child);
                pending.append(child);
            }
        }
    }
    return found;
}

void frmAccounts::fillParentAccounts()
{
    ui->cmbParentAccount->clear();
    ui->treeAccounts->clear();
    const QSet<int> notParents = accountAndItsSubAccounts();
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT AccountId, AccountNo, Description, DescriptionAr, CurrencySymbol, Type, TypeAr, ParentAccountId "
        "FROM accounts left join currencies on Accounts.CurrencyId = currencies.CurrencyId "
        "left join accounttypes on accounts.TypeId = accounttypes.AccountsTypeId "
        "Where accounts.TypeId = :typeId order by AccountNo ;"));
    query.bindValue(QStringLiteral(":typeId"), ui->cmbType->currentData());
    if (!FailedReads::execNoted(ui->cmbParentAccount, query))
        return;
    QVector<AccountTreeNode> nodes;
    while (query.next()) {
        const int id = query.value(0).toInt();
        const QString number = query.value(1).toString();
        const QString description = query.value(rightToLeft ? 3 : 2).toString();
        if (!notParents.contains(id))
            ui->cmbParentAccount->addItem(number + QStringLiteral(": ") + description, id);
        auto *item = new QTreeWidgetItem(QStringList{number, description, query.value(4).toString(),
                                                     query.value(rightToLeft ? 6 : 5).toString(),
                                                     QString::number(id)});
        nodes.append({item, id, query.value(7).toInt()});
    }
    placeAccountItems(ui->treeAccounts, nodes);
}

void frmAccounts::applyChosenType()
{
    fillParentAccounts();
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select StartNumber, EndNumber from accounttypes where AccountsTypeId = :id"));
    query.bindValue(QStringLiteral(":id"), ui->cmbType->currentData());
    if (!FailedReads::execNoted(ui->txtAccountNo, query) || !query.next())
        return;
    // A number outside the chosen type's range moves into it: the user chose the type.
    NumberFields::takeRange(ui->txtAccountNo, query.value(0).toInt(), query.value(1).toInt());
}

void frmAccounts::loadAccount()
{
    stored.remember(accountId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from accounts where accountId = :id"));
    query.bindValue(QStringLiteral(":id"), accountId);
    if (!FailedReads::execNoted(this, query) || !query.next())
        return;
    ui->cmbType->setCurrentIndex(ui->cmbType->findData(query.value(4).toString()));
    applyChosenType();
    ui->cmbCurrency->setCurrentIndex(ui->cmbCurrency->findData(query.value(5).toString()));
    // A number outside its type's range is shown as stored, and refused until corrected.
    NumberFields::showStored(ui->txtAccountNo, query.value(1).toInt(), ui->label_3);
    ui->txtAccount->setText(query.value(rightToLeft ? 3 : 2).toString());
    ui->chkNoParent->setChecked(query.value(6).isNull());
    if (!query.value(6).isNull())
        selectStoredItem(ui->cmbParentAccount, query.value(6), accountEntryOfIdSql());
}

bool frmAccounts::validateCurrency()
{
    if (ui->cmbCurrency->currentIndex() > 0)
        return true;
    Messages::critical(this, msgCaption, QStringLiteral("Select currency"));
    return false;
}

void frmAccounts::on_cmbType_activated(int)
{
    applyChosenType();
}

void frmAccounts::on_cmbCurrency_activated(int index)
{
    if (index != 0)
        return;
    addNewComboItem<frmCurrencies>(ui->cmbCurrency, [this] { fillCurrencies(); });
}

void frmAccounts::on_chkNoParent_stateChanged(int)
{
    ui->cmbParentAccount->setEnabled(!ui->chkNoParent->isChecked());
}

void frmAccounts::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    accountId = 0;
    ui->txtAccount->clear();
    fillParentAccounts();
    ui->treeAccounts->clearSelection();
}

bool frmAccounts::saveAccount()
{
    if (!FailedReads::readWhole(this) || !validateCurrency() || !TextColumns::storable(this)
        || !NumberFields::storable(this))
        return false;
    cDbSave save;
    QSqlQuery query;
    if (accountId == 0) {
        query = save.prepare(QStringLiteral("Insert into accounts (AccountNo, Description, DescriptionAr, TypeId, CurrencyId, "
                                     "ParentAccountId) Values (:AccountNo, :Description, :DescriptionAr, :TypeId, "
                                     ":CurrencyId, :ParentAccountId)"));
        query.bindValue(QStringLiteral(":DescriptionAr"), ui->txtAccount->text());
    } else {
        // An update writes only the description of the language in use.
        query = save.prepare(rightToLeft
                          ? QStringLiteral("Update accounts set AccountNo = :AccountNo, DescriptionAr = :Description, "
                                           "TypeId = :TypeId, CurrencyId = :CurrencyId, ParentAccountId = "
                                           ":ParentAccountId Where AccountId = :id")
                          : QStringLiteral("Update accounts set AccountNo = :AccountNo, Description = :Description, "
                                           "TypeId = :TypeId, CurrencyId = :CurrencyId, ParentAccountId = "
                                           ":ParentAccountId Where AccountId = :id"));
        query.bindValue(QStringLiteral(":id"), accountId);
    }
    query.bindValue(QStringLiteral(":AccountNo"), ui->txtAccountNo->value());
    query.bindValue(QStringLiteral(":Description"), ui->txtAccount->text());
    query.bindValue(QStringLiteral(":TypeId"), ui->cmbType->currentData());
    query.bindValue(QStringLiteral(":CurrencyId"), ui->cmbCurrency->currentData());
    const bool noParent = ui->chkNoParent->isChecked() || ui->cmbParentAccount->currentIndex() < 0;
    query.bindValue(QStringLiteral(":ParentAccountId"),
                    noParent ? QVariant(QVariant::Int) : QVariant(ui->cmbParentAccount->currentData().toString()));
    save.execRecord(query, stored, accountId);
    added.read(save, accountId);
    if (!added.commit(save)) {
        const int number = save.errorNumber();
        if (number == errorDuplicateKey)
            Messages::critical(this, msgCaption, tr("This account number / description is already taken"));
        else
            Messages::critical(this, msgCaption, save.failureText(msgInsertFailed + QString::number(number)));
        return false;
    }
    on_btnNew_clicked();
    return true;
}

void frmAccounts::on_btnSave_clicked()
{
    saveAccount();
}

void frmAccounts::on_btnSaveAndClose_clicked()
{
    if (saveAccount())
        close();
}
