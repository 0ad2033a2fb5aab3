#ifndef FRMUOM_H
#define FRMUOM_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>

namespace Ui {
class frmUOM;
}

// Creates or renames one unit of measure (uomId 0: a new one), its name stored as typed;
// after a successful save it stands on a new unit.
class frmUOM : public QDialog
{
    Q_OBJECT

public:
    frmUOM(QWidget *parent, int uomId);
    ~frmUOM() override;

    // The unit that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnSaveAndClose_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();

private:
    void loadUOM();
    bool saveUOM();

    Ui::frmUOM *ui;
    int uomId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMUOM_H
