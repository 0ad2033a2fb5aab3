#ifndef FRMVENDORS_H
#define FRMVENDORS_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>
#include <QVariant>

class QComboBox;

namespace Ui {
class frmVendors;
}

// Creates and edits one vendor (vendorId 0: a new one). After every successful save it
// stands on a new vendor with the name and notes emptied, the date and Active at their
// defaults and the contact person and listed accounts kept, ready for the next one;
// callers that opened it from "<Add New>" ask it for addedId() once it closes.
class frmVendors : public QDialog
{
    Q_OBJECT

public:
    frmVendors(QWidget *parent, int vendorId);
    ~frmVendors() override;

    // The vendor that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnSaveAndClose_clicked();
    void on_btnSave_clicked();
    void on_cmbExpensesAcc_activated(int index);
    void on_cmbRevenuAcc_activated(int index);
    void on_cmbPersons_activated(int index);
    void on_btnNew_clicked();

private:
    void fillPersons();
    void fillRevenueAccounts();
    void fillExpensesAccounts();
    void fillLeafAccounts(QComboBox *combo, int typeId);
    void loadVendor();
    void showContactPerson();
    void showLastPurchase();
    bool validateVendor();
    bool saveVendor();
    void allowSave(bool allowed);

    Ui::frmVendors *ui;
    int vendorId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMVENDORS_H
