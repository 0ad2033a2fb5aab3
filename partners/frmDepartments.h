#ifndef FRMDEPARTMENTS_H
#define FRMDEPARTMENTS_H

#include "core/db/storedrecord.h"

#include <QDialog>

namespace Ui {
class frmDepartments;
}

// Creates or renames one department (departmentId 0: a new one); after a successful
// save it stands on a new department.
class frmDepartments : public QDialog
{
    Q_OBJECT

public:
    frmDepartments(QWidget *parent, int departmentId);
    ~frmDepartments() override;

private slots:
    void on_btnSaveAndClose_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();

private:
    void loadDepartment();
    bool validateDepartment();
    bool saveDepartment();

    Ui::frmDepartments *ui;
    int departmentId;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMDEPARTMENTS_H
