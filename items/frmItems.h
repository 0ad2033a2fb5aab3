#ifndef FRMITEMS_H
#define FRMITEMS_H

#include "core/db/storedrecord.h"

#include <QDialog>
#include <QList>
#include <QVariant>

class cDbSave;
class QModelIndex;
class QSqlQuery;

namespace Ui {
class frmItems;
}

// Creates and edits one item (itemId 0: a new one): its type, number, name, barcode,
// category, warranty, default vendor and shelf life, its prices per price type and unit,
// and its unit conversions. After every successful save it stands on a new item.
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
    void on_tblPrices_doubleClicked(const QModelIndex &index);
    void on_btnRemove_clicked();
    void on_btnAddPrice_clicked();
    void on_btnNew_clicked();
    void on_cmbBigUnits_activated(int index);
    void on_cmbSmallUnits_activated(int index);
    void on_btnAddUOM_clicked();
    void on_tblUOM_doubleClicked(const QModelIndex &index);
    void on_btnRemoveUOM_clicked();
    void on_txtItemNo_editingFinished();

private:
    bool validateItem();
    bool saveItem();
    int insertItem(cDbSave &save);
    void updateItem(cDbSave &save);
    void bindItem(QSqlQuery &query) const;
    void loadItem();
    bool validateUnitConversion();
    void savePrices(cDbSave &save, int id);
    void saveUnitConversions(cDbSave &save, int id);
    bool loadPrices();
    bool loadUnitConversions();
    void endPriceUpdate();
    void endConversionUpdate();
    int validityInDays() const;
    void setValidity(int days);
    void fillCategories();
    void fillItemTypes();
    void fillVendors();
    void fillPriceTypes();
    void fillUnits();

    Ui::frmItems *ui;
    // Stored rows taken out of the grids since the load, deleted by the next save.
    QList<QVariant> removedPriceIds;
    QList<QVariant> removedConversionIds;
    // Whether the editors above a grid hold one of its rows for Update, and which.
    bool priceUpdateMode = false;
    bool conversionUpdateMode = false;
    int conversionEditRow = -1;
    int priceEditRow = -1;
    int itemId;
    cStoredRecord stored; // the record as loaded, for the update to find it unchanged
};

#endif // FRMITEMS_H
