#ifndef FRMEMPLOYEES_H
#define FRMEMPLOYEES_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>
#include <QPixmap>
#include <QList>
#include <QVariant>

class QSqlQuery;

namespace Ui {
class frmEmployees;
}

// Creates and edits one employee (employeeId 0: a new one) with its photo and its
// characteristics, the named values kept per employee.
class frmEmployees : public QDialog
{
    Q_OBJECT

public:
    frmEmployees(QWidget *parent, int employeeId);
    ~frmEmployees() override;

    // The employee that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnSaveAndClose_clicked();
    void on_tblCharacteristics_cellDoubleClicked(int row, int column);
    void on_btnRemoveChar_clicked();
    void on_btnAddChar_clicked();
    void on_btnSave_clicked();
    void on_btnBrowseImage_clicked();
    void on_cmbDepartments_activated(int index);
    void on_cmbPersons_activated(int index);
    void on_btnNew_clicked();
    void on_btnCalc_clicked();

private:
    void fillManagers();
    void fillDepartments();
    void fillPersons();
    void fillCharacteristics();
    void loadEmployee();
    void loadCharacteristics();
    bool saveEmployee();
    bool insertEmployee();
    bool updateEmployee();
    void bindEmployeeFields(QSqlQuery &query) const;
    void writeCharacteristics(cDbSave &save, int employeeId);
    void appendCharacteristic(const QVariant &id, const QString &name, const QString &value);
    QByteArray chosenPhotoBytes() const;
    void showDefaultPicture();
    void endCharacteristicEdit();

    Ui::frmEmployees *ui;
    int employeeId;
    cAddedRecord added;
    QPixmap photo;
    QList<QVariant> deletedCharacteristicIds;
    int editedCharRow = -1;
    bool isEditingChar = false;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMEMPLOYEES_H
