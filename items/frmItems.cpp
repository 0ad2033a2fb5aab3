#include "items/frmItems.h"
#include "ui_frmItems.h"

#include "core/db/connection.h"
#include "core/system/failedreads.h"
#include "core/widgets/comboboxes.h"
#include "core/db/dbsave.h"
#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/documents/linegrid.h"
#include "core/system/messages.h"
#include "core/db/money.h"
#include "core/widgets/numberfields.h"
#include "core/db/sqlvalues.h"
#include "core/widgets/storedfields.h"
#include "core/widgets/textcolumns.h"
#include "items/frmCategories.h"
#include "items/frmUOM.h"
#include "items/validityperiod.h"
#include "partners/frmVendors.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>

namespace {
enum PriceColumn { colPriceId, colPriceTypeId, colPriceType, colPriceUomId, colPriceUom, colPrice, colPriceUpdated };
enum ConversionColumn {
    colConversionId,
    colBigUnitId,
    colBigUnit,
    colContains,
    colSmallUnitId,
    colSmallUnit,
    colConversionUpdated
};

// The grids' columns that hold ids and change marks, never shown.
const int hiddenPriceColumns[] = {colPriceId, colPriceTypeId, colPriceUomId, colPriceUpdated};
const int hiddenConversionColumns[] = {colConversionId, colBigUnitId, colSmallUnitId, colConversionUpdated};

// Variance is DECIMAL(10,4): six whole digits, as many as an amount of DECIMAL(8,2).
const int conversionPrecision = 8;

// A price in its cell: shown with its cents, as prices are read; the amount in its data.
QTableWidgetItem *priceItem(Money price)
{
    QTableWidgetItem *item = TableLines::amountItem(price);
    item->setText(price.fixedText());
    return item;
}

// A number of small units: its exact decimal text in the data, bound as it stands, and
// shown in its shortest form (12 for 12.0000, 0.5 for 0.50).
QTableWidgetItem *containsItem(double contains, int decimals)
{
    QString text = QString::number(contains, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    QTableWidgetItem *item = TableLines::valueItem(text);
    item->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    return item;
}

// The row, other than `skippedRow`, that holds this pair of ids; -1 when none does. No
// item gets two prices for one price type and unit, nor two conversions of one pair.
int rowWithPair(const QTableWidget *grid, int firstColumn, const QVariant &first, int secondColumn,
                const QVariant &second, int skippedRow)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        if (row != skippedRow && TableLines::data(grid, row, firstColumn) == first
            && TableLines::data(grid, row, secondColumn) == second)
            return row;
    return -1;
}

// The row that Add or Update writes: the held row, or a new one at the end.
int rowToWrite(QTableWidget *grid, bool updateMode, int editRow)
{
    if (updateMode)
        return editRow;
    const int row = grid->rowCount();
    grid->insertRow(row);
    return row;
}

// A stored row changed in the editors: the save updates it by its id.
void markUpdated(QTableWidget *grid, int row, int idColumn, int updatedColumn)
{
    TableLines::markChanged(grid, row, idColumn);
    grid->setItem(row, updatedColumn, new QTableWidgetItem(QStringLiteral("updated")));
}

// Takes the current row out of `grid`, remembering a stored row's id for the save; false
// when no row is current.
bool removeCurrentRow(QTableWidget *grid, int idColumn, QList<QVariant> &removedIds)
{
    const int row = grid->currentRow();
    if (row < 0)
        return false;
    const QVariant id = TableLines::storedId(grid, row, idColumn);
    if (id.isValid())
        removedIds.append(id);
    grid->removeRow(row);
    return true;
}
}

frmItems::frmItems(QWidget *parent, int itemId)
    : QDialog(parent), ui(new Ui::frmItems), itemId(0),
      stored({{QStringLiteral("items"), QStringLiteral("ItemId"), QStringLiteral("ItemId")},
              {QStringLiteral("itemprices"), QStringLiteral("ItemId"), QStringLiteral("ItemPriceId")},
              {QStringLiteral("itemuom"), QStringLiteral("ItemId"), QStringLiteral("ItemUOMId")}},
             tr("this item"))
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    // A server that is gone fails every list and the item alike: one box.
    const FailedReads::Action opening;
    fillCategories();
    fillItemTypes();
    fillVendors();
    fillPriceTypes();
    fillUnits();
    for (int column : hiddenPriceColumns)
        ui->tblPrices->hideColumn(column);
    for (int column : hiddenConversionColumns)
        ui->tblUOM->hideColumn(column);
    Direction::applyTo(ui->tblPrices)->setAmountColumns({colPrice});
    Direction::applyTo(ui->tblUOM)->setAmountColumns({colContains});
    NumberFields::setupAmount(ui->txtPrice);
    NumberFields::setupAmount(ui->dblVariance, conversionPrecision);
    TextColumns::limit(QStringLiteral("items"), {{ui->txtItemNo, QStringLiteral("ItemNo"), ui->label},
                                                 {ui->txtItemName, QStringLiteral("ItemName"), ui->label_4},
                                                 {ui->txtBarcode, QStringLiteral("Barcode"), ui->label_3},
                                                 {ui->txtVendorItemNo, QStringLiteral("VendorItemNo"), ui->label_11}});
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

// The validity period and the unit-conversion editors stay as they were, ready for a run
// of similar items.
void frmItems::on_btnNew_clicked()
{
    FailedReads::forgetRecordRead(this);
    StoredFields::showDefaultCheck(ui->chkIsActive, true);
    ui->txtBarcode->clear();
    ui->txtItemName->clear();
    ui->txtItemNo->clear();
    ui->txtPrice->setValue(0);
    ui->txtVendorItemNo->clear();
    ui->txtWarranty->setValue(0);
    for (QComboBox *combo : {ui->cmbCategory, ui->cmbDefaultVendor, ui->cmbPriceType, ui->cmbType, ui->cmbUOM}) {
        removeEntriesNotOffered(combo);
        combo->setCurrentIndex(0);
    }
    removedPriceIds.clear();
    removedConversionIds.clear();
    endPriceUpdate();
    endConversionUpdate();
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
    if (!FailedReads::readWhole(this) || !validateItem() || !TextColumns::storable(this) || !NumberFields::storable(this))
        return false;
    cDbSave save;
    // The item lists show an item only with its category: one deleted meanwhile would
    // hide the item from every list.
    save.lockChosen(QStringLiteral("itemcategories"), QStringLiteral("ItemCategoryId"), {comboItemId(ui->cmbCategory)},
                    tr("the chosen category"));
    int id = itemId;
    if (itemId != 0)
        updateItem(save);
    else
        id = insertItem(save);
    savePrices(save, id);
    saveUnitConversions(save, id);
    if (!save.commit()) {
        Messages::critical(this, msgCaption, save.failureText(msgInsertFailed));
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
    stored.lockUnchanged(save, itemId);
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
    query.bindValue(QStringLiteral(":IsActive"), StoredFields::checkOrNull(ui->chkIsActive));
    query.bindValue(QStringLiteral(":DefaultVendorId"), comboItemId(ui->cmbDefaultVendor));
    query.bindValue(QStringLiteral(":VendorItemNo"), textOrNull(ui->txtVendorItemNo->text()));
    query.bindValue(QStringLiteral(":ValidityInDays"), validityInDays());
}

void frmItems::loadItem()
{
    stored.remember(itemId);
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral("Select * from items where itemId = :id"));
    query.bindValue(QStringLiteral(":id"), itemId);
    if (!FailedReads::execNoted(this, query))
        return;
    // An item that is gone shows as a new one would; saving it then fails with the
    // message that another user deleted it.
    if (!query.next())
        return;
    ui->txtItemNo->setText(query.value(1).toString());
    ui->txtItemName->setText(query.value(2).toString());
    selectStoredItem(ui->cmbType, query.value(3));
    ui->txtBarcode->setText(query.value(4).toString());
    // A category deleted since shows no entry, so Save asks for a category.
    selectComboItemById(ui->cmbCategory, query.value(5));
    NumberFields::showStored(ui->txtWarranty, query.value(6).toInt(), ui->label_6);
    StoredFields::showCheck(ui->chkIsActive, query.value(7));
    selectStoredItem(ui->cmbDefaultVendor, query.value(8));
    ui->txtVendorItemNo->setText(query.value(9).toString());
    setValidity(query.value(10).toInt());
    if (loadPrices())
        loadUnitConversions();
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
    NumberFields::showStored(ui->numExpirePeriod, period.number, ui->label_17);
}

void frmItems::on_btnAddPrice_clicked()
{
    const QVariant unitId = comboItemId(ui->cmbUOM);
    if (unitId.isNull()) {
        Messages::critical(this, msgCaption, tr("Select Unit of measure for this price"));
        return;
    }
    const QVariant priceTypeId = ui->cmbPriceType->currentData();
    QTableWidget *grid = ui->tblPrices;
    // A pair that another row holds is left alone, the editors keeping what was typed.
    if (rowWithPair(grid, colPriceTypeId, priceTypeId, colPriceUomId, unitId, priceUpdateMode ? priceEditRow : -1) >= 0)
        return;
    const int row = rowToWrite(grid, priceUpdateMode, priceEditRow);
    if (!priceUpdateMode)
        TableLines::setStoredId(grid, row, colPriceId, QVariant());
    grid->setItem(row, colPriceTypeId, TableLines::valueItem(priceTypeId));
    grid->setItem(row, colPriceType, new QTableWidgetItem(ui->cmbPriceType->currentText()));
    grid->setItem(row, colPriceUomId, TableLines::valueItem(unitId));
    grid->setItem(row, colPriceUom, new QTableWidgetItem(ui->cmbUOM->currentText()));
    grid->setItem(row, colPrice, priceItem(Money::fromDouble(ui->txtPrice->value())));
    if (priceUpdateMode)
        markUpdated(grid, row, colPriceId, colPriceUpdated);
    ui->cmbUOM->setCurrentIndex(0);
    ui->txtPrice->setValue(0);
    endPriceUpdate();
}

void frmItems::on_tblPrices_doubleClicked(const QModelIndex &index)
{
    const int row = index.row();
    selectComboItemById(ui->cmbPriceType, TableLines::data(ui->tblPrices, row, colPriceTypeId));
    selectComboItemById(ui->cmbUOM, TableLines::data(ui->tblPrices, row, colPriceUomId));
    ui->txtPrice->setValue(TableLines::amount(ui->tblPrices, row, colPrice).toDouble());
    priceEditRow = row;
    priceUpdateMode = true;
    ui->btnAddPrice->setText(tr("Update"));
}

// A removal moves the rows below up, so a row held for Update is let go rather than
// leaving Update to write whatever row now stands at its place.
void frmItems::on_btnRemove_clicked()
{
    if (removeCurrentRow(ui->tblPrices, colPriceId, removedPriceIds))
        endPriceUpdate();
}

void frmItems::endPriceUpdate()
{
    priceUpdateMode = false;
    priceEditRow = -1;
    ui->btnAddPrice->setText(tr("Add"));
}

bool frmItems::validateUnitConversion()
{
    QString problem;
    if (comboItemId(ui->cmbBigUnits).isNull())
        problem = tr("Select big unit");
    else if (comboItemId(ui->cmbSmallUnits).isNull())
        problem = tr("Select small unit");
    else if (comboItemId(ui->cmbBigUnits) == comboItemId(ui->cmbSmallUnits))
        problem = tr("Big unit and small unit must be different");
    if (problem.isEmpty())
        return true;
    Messages::critical(this, msgCaption, problem);
    return false;
}

void frmItems::on_btnAddUOM_clicked()
{
    if (!validateUnitConversion())
        return;
    const QVariant bigUnitId = comboItemId(ui->cmbBigUnits);
    const QVariant smallUnitId = comboItemId(ui->cmbSmallUnits);
    QTableWidget *grid = ui->tblUOM;
    if (rowWithPair(grid, colBigUnitId, bigUnitId, colSmallUnitId, smallUnitId,
                    conversionUpdateMode ? conversionEditRow : -1) >= 0)
        return;
    const int row = rowToWrite(grid, conversionUpdateMode, conversionEditRow);
    if (!conversionUpdateMode)
        TableLines::setStoredId(grid, row, colConversionId, QVariant());
    grid->setItem(row, colBigUnitId, TableLines::valueItem(bigUnitId));
    grid->setItem(row, colBigUnit, new QTableWidgetItem(ui->cmbBigUnits->currentText()));
    grid->setItem(row, colContains, containsItem(ui->dblVariance->value(), ui->dblVariance->decimals()));
    grid->setItem(row, colSmallUnitId, TableLines::valueItem(smallUnitId));
    grid->setItem(row, colSmallUnit, new QTableWidgetItem(ui->cmbSmallUnits->currentText()));
    if (conversionUpdateMode)
        markUpdated(grid, row, colConversionId, colConversionUpdated);
    endConversionUpdate();
}

void frmItems::on_tblUOM_doubleClicked(const QModelIndex &index)
{
    const int row = index.row();
    selectComboItemById(ui->cmbBigUnits, TableLines::data(ui->tblUOM, row, colBigUnitId));
    selectComboItemById(ui->cmbSmallUnits, TableLines::data(ui->tblUOM, row, colSmallUnitId));
    ui->dblVariance->setValue(TableLines::data(ui->tblUOM, row, colContains).toDouble());
    conversionEditRow = row;
    conversionUpdateMode = true;
    ui->btnAddUOM->setText(tr("Update"));
}

void frmItems::on_btnRemoveUOM_clicked()
{
    if (removeCurrentRow(ui->tblUOM, colConversionId, removedConversionIds))
        endConversionUpdate();
}

void frmItems::endConversionUpdate()
{
    conversionUpdateMode = false;
    conversionEditRow = -1;
    ui->btnAddUOM->setText(tr("Add"));
}

// Inside the item's save: the rows of a new item all go in under its new id; an
// existing item's removed rows are deleted, added ones inserted and changed ones updated.
void frmItems::savePrices(cDbSave &save, int id)
{
    LineStatements sql;
    sql.insert = QStringLiteral("INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price)  "
                                "VALUES (:ItemId, :PriceTypeId, :UOMId, :Price)");
    sql.update = QStringLiteral("UPDATE itemprices SET PriceTypeId = :PriceTypeId, UOMId = :UOMId, Price = :Price  "
                                "WHERE ItemPriceId = :id");
    sql.remove = QStringLiteral("Delete from itemprices Where ItemPriceId = :id");
    sql.parentPlaceholder = QStringLiteral(":ItemId");
    sql.parentId = id;
    const QTableWidget *grid = ui->tblPrices;
    TableLines::write(save, grid, colPriceId, removedPriceIds, sql, [grid](LineValues &line, int row) {
        line.bindValue(QStringLiteral(":PriceTypeId"), TableLines::data(grid, row, colPriceTypeId));
        line.bindValue(QStringLiteral(":UOMId"), TableLines::data(grid, row, colPriceUomId));
        line.bindValue(QStringLiteral(":Price"), TableLines::amount(grid, row, colPrice).toDecimal());
    });
}

void frmItems::saveUnitConversions(cDbSave &save, int id)
{
    LineStatements sql;
    sql.insert = QStringLiteral("INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, Variance) "
                                "VALUES (:ItemId, :BigUOMId, :SmallUOMId, :Variance)");
    sql.update = QStringLiteral("UPDATE itemuom SET BigUOMId = :BigUOMId, SmallUOMId = :SmallUOMId, "
                                "Variance = :Variance  WHERE ItemUOMId = :id");
    sql.remove = QStringLiteral("Delete from itemuom Where ItemUOMId = :id");
    sql.parentPlaceholder = QStringLiteral(":ItemId");
    sql.parentId = id;
    const QTableWidget *grid = ui->tblUOM;
    TableLines::write(save, grid, colConversionId, removedConversionIds, sql, [grid](LineValues &line, int row) {
        line.bindValue(QStringLiteral(":BigUOMId"), TableLines::data(grid, row, colBigUnitId));
        line.bindValue(QStringLiteral(":SmallUOMId"), TableLines::data(grid, row, colSmallUnitId));
        line.bindValue(QStringLiteral(":Variance"), TableLines::data(grid, row, colContains));
    });
}

bool frmItems::loadPrices()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "Select ItemPriceId, itemprices.PriceTypeId, PriceType, itemprices.UOMId, UOM, Price from itemprices "
        "inner join pricetypes on itemprices.PriceTypeId = pricetypes.PriceTypeId "
        "inner join uom on itemprices.UOMId = uom.UOMId WHERE ItemId = :id ORDER BY ItemPriceId"));
    query.bindValue(QStringLiteral(":id"), itemId);
    if (!FailedReads::execNoted(ui->tblPrices, query))
        return false;
    QTableWidget *grid = ui->tblPrices;
    while (query.next()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        TableLines::setStoredId(grid, row, colPriceId, query.value(0));
        grid->setItem(row, colPriceTypeId, TableLines::valueItem(query.value(1)));
        grid->setItem(row, colPriceType, new QTableWidgetItem(query.value(2).toString()));
        grid->setItem(row, colPriceUomId, TableLines::valueItem(query.value(3)));
        grid->setItem(row, colPriceUom, new QTableWidgetItem(query.value(4).toString()));
        grid->setItem(row, colPrice, priceItem(Money::fromDecimal(query.value(5))));
    }
    return true;
}

bool frmItems::loadUnitConversions()
{
    QSqlQuery query(QSqlDatabase::database());
    query.prepare(QStringLiteral(
        "SELECT ItemUOMId, BigUOMId, bu.UOM, Variance, SmallUOMId, su.UOM FROM itemuom "
        "Inner Join uom as bu ON itemuom.BigUOMId = bu.UOMId Inner Join uom as su ON itemuom.SmallUOMId = su.UOMId "
        "Where ItemId = :ItemId ORDER BY ItemUOMId"));
    query.bindValue(QStringLiteral(":ItemId"), itemId);
    if (!FailedReads::execNoted(ui->tblUOM, query))
        return false;
    QTableWidget *grid = ui->tblUOM;
    while (query.next()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        TableLines::setStoredId(grid, row, colConversionId, query.value(0));
        grid->setItem(row, colBigUnitId, TableLines::valueItem(query.value(1)));
        grid->setItem(row, colBigUnit, new QTableWidgetItem(query.value(2).toString()));
        grid->setItem(row, colContains, containsItem(query.value(3).toDouble(), 4));
        grid->setItem(row, colSmallUnitId, TableLines::valueItem(query.value(4)));
        grid->setItem(row, colSmallUnit, new QTableWidgetItem(query.value(5).toString()));
    }
    return true;
}
