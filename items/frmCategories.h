#ifndef FRMCATEGORIES_H
#define FRMCATEGORIES_H

#include "core/db/dbsave.h"
#include "core/db/storedrecord.h"

#include <QDialog>

namespace Ui {
class frmCategories;
}

// Creates or renames one item category (categoryId 0: a new one); after a successful
// save it stands on a new category.
class frmCategories : public QDialog
{
    Q_OBJECT

public:
    frmCategories(QWidget *parent, int categoryId);
    ~frmCategories() override;

    // The category that the last successful save added, 0 while it added none: the
    // "<Add New>" entry that opened the editor chooses it.
    int addedId() const { return added.id(); }

private slots:
    void on_btnSaveAndClose_clicked();
    void on_btnSave_clicked();
    void on_btnNew_clicked();

private:
    bool validateCategory();
    void loadCategory();
    bool saveCategory();

    Ui::frmCategories *ui;
    int categoryId;
    cAddedRecord added;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMCATEGORIES_H
