#ifndef FRMUOM_H
#define FRMUOM_H

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

private slots:
    void on_btnSaveAndClose_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();

private:
    void loadUOM();
    bool saveUOM();

    Ui::frmUOM *ui;
    int uomId;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMUOM_H
