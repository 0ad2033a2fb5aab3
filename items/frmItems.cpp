#include "items/frmItems.h"
#include "ui_frmItems.h"

#include "core/comboboxes.h"
#include "core/dbsave.h"
#include "core/globals.h"
#include "core/messages.h"
#include "core/sqlvalues.h"
#include "items/frmCategories.h"
#include "items/frmUOM.h"
#include "items/validityperiod.h"
#include "partners/frmVendors.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
// The grids' columns that hold ids and change marks, never shown.
const int hiddenPriceColumns[] = {0, 1, 3, 6};
const int hiddenConversionColumns[] = {0, 1, 4, 6};
}

frmItems::frmItems(QWidget *parent, int itemId) : QDialog(parent), ui(new Ui::frmItems), itemId(0)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    fillCategories();
    fillItemTypes();
    fillVendors();
    fillPriceTypes();
    fillUnits();
    for (int column : hiddenPriceColumns)
        ui->tblPrices->hideColumn(column);
    for (int column : hiddenConversionColumns)
        ui->tblUOM->hideColumn(column);
    ui->tabWidget->setCurrentIndex(0);
    on_btnNew_clicked();
    this->itemId = itemId;
    if (itemId > 0)
        loadItem();
    // An invisible default button that does nothing: Return in a field neither saves
    // nor clears the item.
    ui->btnAcceptButton->setDefault(true);
}

frmItems::~frmItems()
{
    delete ui;
}

void frmItems::fillCategories()
{
    fillCombo(ui->cmbCategory, {tr("<Add New>")},
              QStringLiteral("select ItemCategoryId, Category from itemcategories"));
}

void frmItems::fillItemTypes()
{
    fillCombo(ui->cmbType, {}, QStringLiteral("select TypeId, Type from itemtypes"));
}

void frmItems::fillVendors()
{
    fillCombo(ui->cmbDefaultVendor, {tr("<Add New>")}, QStringLiteral("select VendorId, VendorName from vendors"));
}

void frmItems::fillPriceTypes()
{
    fillCombo(ui->cmbPriceType, {}, QStringLiteral("select PriceTypeId, PriceType from pricetypes"));
}

void frmItems::fillUnits()
{
    fillCombo(ui->cmbUOM, {tr("<Add New>")}, QStringLiteral("select UomId, UOM from uom"));
    // One read serves the three unit combos.
    for (QComboBox *units : {ui->cmbBigUnits, ui->cmbSmallUnits}) {
        units->clear();
        for (int i = 0; i < ui->cmbUOM->count(); ++i)
            units->addItem(ui->cmbUOM->itemText(i), ui->cmbUOM->itemData(i));
    }
}

void frmItems::on_cmbCategory_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmCategories>(ui->cmbCategory, [this] { fillCategories(); });
}

void frmItems::on_cmbDefaultVendor_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmVendors>(ui->cmbDefaultVendor, [this] { fillVendors(); });
}

// A unit added from one unit combo is offered by all three; the other two keep what
// they showed.
void frmItems::on_cmbUOM_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmUOM>(ui->cmbUOM, [this] { fillUnits(); }, {ui->cmbBigUnits, ui->cmbSmallUnits});
}

void frmItems::on_cmbBigUnits_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmUOM>(ui->cmbBigUnits, [this] { fillUnits(); }, {ui->cmbUOM, ui->cmbSmallUnits});
}

void frmItems::on_cmbSmallUnits_activated(int index)
{
    if (index == 0)
        addNewComboItem<frmUOM>(ui->cmbSmallUnits, [this] { fillUnits(); }, {ui->cmbUOM, ui->cmbBigUnits});
}

void frmItems::on_txtItemNo_editingFinished()
{
    if (ui->txtBarcode->text().isEmpty())
        ui->txtBarcode->setText(ui->txtItemNo->text());
}

// Active, the validity period and the unit-conversion editors stay as they were, ready
// for a run of similar items.
void frmItems::on_btnNew_clicked()
{
    ui->txtBarcode->clear();
    ui->txtItemName->clear();
    ui->txtItemNo->clear();
    ui->txtPrice->setValue(0);
    ui->txtVendorItemNo->clear();
    ui->txtWarranty->setValue(0);
    for (QComboBox *combo : {ui->cmbCategory, ui->cmbDefaultVendor, ui->cmbPriceType, ui->cmbType, ui->cmbUOM})
        combo->setCurrentIndex(0);
    itemId = 0;
    ui->tblPrices->setRowCount(0);
    ui->tblUOM->setRowCount(0);
}

void frmItems::on_btnSave_clicked()
{
    saveItem();
}

void frmItems::on_btnSaveAndClose_clicked()
{
    if (saveItem())
        close();
}

bool frmItems::validateItem()
{
    if (ui->txtItemName->text().trimmed().isEmpty()) {
        Messages::critical(this, msgCaption, tr("Item name must be specified"));
        return false;
    }
    if (comboItemId(ui->cmbCategory).isNull()) {
        Messages::critical(this, msgCaption, tr("Item category must be specified"));
        return false;
    }
    // A longer period would wrap around in the column and store a shorter one.
    if (validityInDays() > ValidityPeriod::maxDays) {
        const auto unit = ValidityPeriod::Unit(ui->cmbExpirePeriod->currentIndex());
        Messages::critical(this, msgCaption,
                           tr("The validity can be at most %1 %2.")
                               .arg(ValidityPeriod::maxNumber(unit))
                               .arg(ui->cmbExpirePeriod->currentText()));
        return false;
    }
    return true;
}

// One transaction: a failed step leaves nothing of the item written, and the editor
// keeps what was typed and stays new or editing, so a second Save neither duplicates
// nor loses it.
bool frmItems::saveItem()
{
    if (!validateItem())
        return false;
    cDbSave save;
    if (itemId != 0)
        updateItem(save);
    else
        insertItem(save);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, msgInsertFailed + QLatin1Char('\n') + save.errorText());
        return false;
    }
    on_btnNew_clicked();
    return true;
}

int frmItems::insertItem(cDbSave &save)
{
    QSqlQuery query = save.prepare(QStringLiteral(
        "INSERT INTO items (ItemNo, ItemName, TypeId, Barcode, CategoryId, Warranty, IsActive, DefaultVendorId, "
        "VendorItemNo, ValidityInDays) VALUES (:ItemNo, :ItemName, :TypeId, :Barcode, :CategoryId, :Warranty, "
        ":IsActive, :DefaultVendorId, :VendorItemNo, :ValidityInDays)"));
    bindItem(query);
    save.exec(query);
    return save.lastInsertId();
}

void frmItems::updateItem(cDbSave &save)
{
    save.lockStored(QStringLiteral("items"), QStringLiteral("ItemId"), itemId);
    QSqlQuery query = save.prepare(QStringLiteral(
        "UPDATE items SET ItemNo = :ItemNo, ItemName = :ItemName, TypeId = :TypeId, Barcode = :Barcode, "
        "CategoryId = :CategoryId, Warranty = :Warranty, IsActive = :IsActive, DefaultVendorId = :DefaultVendorId, "
        "VendorItemNo = :VendorItemNo, ValidityInDays = :ValidityInDays  Where ItemId = :id "));
    query.bindValue(QStringLiteral(":id"), itemId);
    bindItem(query);
    save.execOnStored(query);
}

void frmItems::bindItem(QSqlQuery &query) const
{
    query.bindValue(QStringLiteral(":ItemNo"), textOrNull(ui->txtItemNo->text()));
    query.bindValue(QStringLiteral(":ItemName"), textOrNull(ui->txtItemName->text()));
    query.bindValue(QStringLiteral(":TypeId"), comboItemId(ui->cmbType));
    query.bindValue(QStringLiteral(":Barcode"), textOrNull(ui->txtBarcode->text()));
    query.bindValue(QStringLiteral(":CategoryId"), comboItemId(ui->cmbCategory));
    query.bindValue(QStringLiteral(":Warranty"), ui->txtWarranty->value());
    query.bindValue(QStringLiteral(":IsActive"), ui->chkIsActive->isChecked() ? 1 : 0);
    query.bindValue(QStringLiteral(":DefaultVendorId"), comboItemId(ui->cmbDefaultVendor));
    query.bindValue(QStringLiteral(":VendorItemNo"), textOrNull(ui->txtVendorItemNo->text()));
    query.bindValue(QStringLiteral(":ValidityInDays"), validityInDays());
}

void frmItems::loadItem()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from items where itemId = :id"));
    query.bindValue(QStringLiteral(":id"), itemId);
    if (!query.exec()) {
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + query.lastError().text());
        return;
    }
    // An item that is gone shows as a new one would; saving it then fails with the
    // message that another user deleted it.
    if (!query.next())
        return;
    ui->txtItemNo->setText(query.value(1).toString());
    ui->txtItemName->setText(query.value(2).toString());
    selectComboItemById(ui->cmbType, query.value(3));
    ui->txtBarcode->setText(query.value(4).toString());
    // A category or vendor deleted since shows no entry, so Save asks for a category.
    selectComboItemById(ui->cmbCategory, query.value(5));
    ui->txtWarranty->setValue(query.value(6).toInt());
    ui->chkIsActive->setChecked(bitValue(query.value(7)));
    selectComboItemById(ui->cmbDefaultVendor, query.value(8));
    ui->txtVendorItemNo->setText(query.value(9).toString());
    setValidity(query.value(10).toInt());
}

int frmItems::validityInDays() const
{
    const int unit = ui->cmbExpirePeriod->currentIndex();
    if (unit < 0)
        return 0;
    return ValidityPeriod{ui->numExpirePeriod->value(), ValidityPeriod::Unit(unit)}.days();
}

void frmItems::setValidity(int days)
{
    const ValidityPeriod period = ValidityPeriod::fromDays(days);
    ui->cmbExpirePeriod->setCurrentIndex(period.unit);
    ui->numExpirePeriod->setValue(period.number);
}
