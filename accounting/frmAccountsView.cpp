#include "accounting/frmAccountsView.h"
#include "ui_frmAccountsView.h"

#include "accounting/frmAccounts.h"
#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"
#include "core/system/messages.h"
#include "core/widgets/screenfit.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {
enum Column { colAccountNo, colDescription, colCurrency, colType, colAccountId, colIsPredefined };

// Walks up from the account's parent; coming back to the account means that hanging
// it under its parent would tie the tree into a ring.
bool isOwnAncestor(int accountId, const QHash<int, int> &parentOf)
{
    QSet<int> seen;
    for (int up = parentOf.value(accountId); up != 0 && !seen.contains(up); up = parentOf.value(up)) {
        if (up == accountId)
            return true;
        seen.insert(up);
    }
    return false;
}
}

void placeAccountItems(QTreeWidget *tree, const QVector<AccountTreeNode> &nodes)
{
    QHash<int, int> parentOf;
    QHash<int, QTreeWidgetItem *> itemOf;
    for (const AccountTreeNode &node : nodes) {
        parentOf.insert(node.accountId, node.parentAccountId);
        itemOf.insert(node.accountId, node.item);
    }
    QList<QTreeWidgetItem *> topLevel;
    for (const AccountTreeNode &node : nodes) {
        QTreeWidgetItem *parent = itemOf.value(node.parentAccountId);
        if (parent && !isOwnAncestor(node.accountId, parentOf))
            parent->addChild(node.item);
        else
            topLevel << node.item;
    }
    tree->addTopLevelItems(topLevel);
    tree->expandAll();
}

frmAccountsView::frmAccountsView(QWidget *parent) : QDialog(parent), ui(new Ui::frmAccountsView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->treeAccounts->hideColumn(colAccountId);
    Direction::applyTo(ui->treeAccounts);
    ui->treeAccounts->hideColumn(colIsPredefined);
    fillAccountsTree();
}

frmAccountsView::~frmAccountsView()
{
    delete ui;
}

void frmAccountsView::fillAccountsTree()
{
    ui->treeAccounts->clear();
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT AccountId, AccountNo, Description, DescriptionAr, CurrencySymbol, Type, TypeAr, ParentAccountId, "
        "IsPreDefined FROM accounts left join currencies on accounts.CurrencyId = currencies.CurrencyId "
        "left join accounttypes on accounts.TypeId = accounttypes.AccountsTypeId order by AccountNo "));
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return;
    }
    QVector<AccountTreeNode> nodes;
    while (query.next()) {
        auto *item = new QTreeWidgetItem(QStringList{
            query.value(1).toString(), query.value(rightToLeft ? 3 : 2).toString(), query.value(4).toString(),
            query.value(rightToLeft ? 6 : 5).toString(), query.value(0).toString(),
            QVariant(query.value(8).toBool()).toString()});
        nodes.append({item, query.value(0).toInt(), query.value(7).toInt()});
    }
    placeAccountItems(ui->treeAccounts, nodes);
    for (int column : {colAccountNo, colDescription, colCurrency, colType})
        ui->treeAccounts->resizeColumnToContents(column);
}

void frmAccountsView::on_btnNew_clicked()
{
    frmAccounts editor(nullptr, 0);
    ScreenFit::exec(editor);
    fillAccountsTree();
}

void frmAccountsView::on_btnEdit_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->treeAccounts, colAccountId, msgSelectItemToEdit);
    if (!id.isValid())
        return;
    frmAccounts editor(nullptr, id.toInt());
    ScreenFit::exec(editor);
    fillAccountsTree();
}

void frmAccountsView::on_btnDelete_clicked()
{
    const QVariant id = ListDialog::currentValueOrTell(this, ui->treeAccounts, colAccountId, msgSelectItemToDelete);
    if (!id.isValid())
        return;
    // Other operations rely on the predefined accounts: refuse before asking anything.
    if (ListDialog::currentValue(ui->treeAccounts, colIsPredefined).toBool()) {
        Messages::critical(this, msgCaption,
                           tr("Cannot delete the selected account because it is required in other opeations in the system"));
        return;
    }
    const QString question =
        Direction::joined(tr("Delete account: "), ListDialog::currentValue(ui->treeAccounts, colDescription).toString(),
                          rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (ListDialog::confirmAndDelete(this, question, QStringLiteral("delete from accounts where accountId = :id"),
                                     id.toString()))
        fillAccountsTree();
}
