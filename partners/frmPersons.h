#ifndef FRMPERSONS_H
#define FRMPERSONS_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>
#include <QList>

class QLineEdit;

namespace Ui {
class frmPersons;
}

// Creates and edits one address card (personId 0: a new one); after a successful save
// it stands on a new card. Employees, customers and vendors name their person from here.
class frmPersons : public QDialog
{
    Q_OBJECT

public:
    frmPersons(QWidget *parent, int personId);
    ~frmPersons() override;

    // The person that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

public slots:
    void on_btnNew_clicked();

private slots:
    void on_btnSave_clicked();
    void on_btnSaveAndClose_clicked();

private:
    void attachCompleter(QLineEdit *edit, const QString &column);
    QList<QLineEdit *> cardEdits() const;
    void limitToColumns();
    void loadPerson();
    bool savePerson();

    Ui::frmPersons *ui;
    int personId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMPERSONS_H
