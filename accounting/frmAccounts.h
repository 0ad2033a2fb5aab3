#ifndef FRMACCOUNTS_H
#define FRMACCOUNTS_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>
#include <QSet>

namespace Ui {
class frmAccounts;
}

// Creates and edits one account (accountId 0: a new one). After every successful save
// it stands on a new account, so callers look at the database once it closes.
class frmAccounts : public QDialog
{
    Q_OBJECT

public:
    frmAccounts(QWidget *parent, int accountId);
    ~frmAccounts() override;

    // The account that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_cmbType_activated(int);
    void on_cmbCurrency_activated(int index);
    void on_chkNoParent_stateChanged(int);
    void on_btnNew_clicked();
    void on_btnSave_clicked();
    void on_btnSaveAndClose_clicked();

private:
    void fillCurrencies();
    void fillAccountTypes();
    void fillParentAccounts();
    void loadAccount();
    bool validateCurrency();
    void applyChosenType();
    bool saveAccount();
    QSet<int> accountAndItsSubAccounts() const;

    Ui::frmAccounts *ui;
    int accountId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMACCOUNTS_H
