#ifndef FRMWAREHOUSES_H
#define FRMWAREHOUSES_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>

namespace Ui {
class frmWarehouses;
}

// Creates or edits one warehouse (warehouseId 0: a new one); after a successful save it
// stands on a new warehouse. Opened from the warehouse combos of the documents.
class frmWarehouses : public QDialog
{
    Q_OBJECT

public:
    frmWarehouses(QWidget *parent, int warehouseId);
    ~frmWarehouses() override;

    // The warehouse that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnNew_clicked();
    void on_btnSave_clicked();
    void on_btnSaveAndClose_clicked();

private:
    void loadWarehouse();
    bool saveWarehouse();

    Ui::frmWarehouses *ui;
    int warehouseId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMWAREHOUSES_H
