#ifndef FRMACCOUNTSVIEW_H
#define FRMACCOUNTSVIEW_H

#include <QDialog>
#include <QVector>

class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class frmAccountsView;
}

// One account of a chart tree: its item and the account it hangs under (0: none).
struct AccountTreeNode
{
    QTreeWidgetItem *item;
    int accountId;
    int parentAccountId;
};

// Hangs every item under its parent's item, whatever order the accounts come in, so no
// account and no subtree is lost; an account that is its own ancestor, or whose parent
// is not among them, stands at the top level. The tree takes the items and is expanded.
void placeAccountItems(QTreeWidget *tree, const QVector<AccountTreeNode> &nodes);

// The chart of accounts as one tree; accounts are created and edited through
// frmAccounts and deleted here.
class frmAccountsView : public QDialog
{
    Q_OBJECT

public:
    explicit frmAccountsView(QWidget *parent = nullptr);
    ~frmAccountsView() override;

private slots:
    void on_btnNew_clicked();
    void on_btnEdit_clicked();
    void on_btnDelete_clicked();

private:
    void fillAccountsTree();

    Ui::frmAccountsView *ui;
};

#endif // FRMACCOUNTSVIEW_H
