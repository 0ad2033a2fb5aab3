#ifndef FRMITEMS_H
#define FRMITEMS_H

#include <QDialog>

class cDbSave;
class QSqlQuery;

namespace Ui {
class frmItems;
}

// Creates and edits one item (itemId 0: a new one): its type, number, name, barcode,
// category, warranty, default vendor and shelf life. After every successful save it
// stands on a new item.
class frmItems : public QDialog
{
    Q_OBJECT

public:
    frmItems(QWidget *parent, int itemId);
    ~frmItems() override;

private slots:
    void on_btnSaveAndClose_clicked();
    void on_cmbUOM_activated(int index);
    void on_cmbDefaultVendor_activated(int index);
    void on_cmbCategory_activated(int index);
    void on_btnSave_clicked();
    void on_btnNew_clicked();
    void on_cmbBigUnits_activated(int index);
    void on_cmbSmallUnits_activated(int index);
    void on_txtItemNo_editingFinished();

private:
    bool validateItem();
    bool saveItem();
    int insertItem(cDbSave &save);
    void updateItem(cDbSave &save);
    void bindItem(QSqlQuery &query) const;
    void loadItem();
    int validityInDays() const;
    void setValidity(int days);
    void fillCategories();
    void fillItemTypes();
    void fillVendors();
    void fillPriceTypes();
    void fillUnits();

    Ui::frmItems *ui;
    int itemId;
};

#endif // FRMITEMS_H
