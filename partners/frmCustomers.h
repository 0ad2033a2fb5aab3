#ifndef FRMCUSTOMERS_H
#define FRMCUSTOMERS_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>
#include <QList>
#include <QVariant>

class QLineEdit;

namespace Ui {
class frmCustomers;
}

// Creates and edits one customer (customerId 0: a new one) with its contact, ship-to and
// sales persons; after every successful save it stands on a new customer, so callers
// that opened it from "<Add New>" look at the database once it closes.
class frmCustomers : public QDialog
{
    Q_OBJECT

public:
    frmCustomers(QWidget *parent, int customerId);
    ~frmCustomers() override;

    // The customer that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnSaveAndClose_clicked();
    void on_cmbSalesPerson_activated(int index);
    void on_cmbShipTo_activated(int index);
    void on_btnSave_clicked();
    void on_cmbPersons_activated(int index);
    void on_btnNew_clicked();

private:
    void fillPersons();
    void fillSalesPersons();
    void fillPriceTypes();
    void showContactPerson();
    void showPersonCard(int personId);
    QList<QLineEdit *> shipToFields() const;
    void clearShipToFields();
    void loadCustomer();
    void showLastSale();
    bool validateCustomer();
    bool saveCustomer();
    void allowSave(bool allowed);

    Ui::frmCustomers *ui;
    int customerId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMCUSTOMERS_H
