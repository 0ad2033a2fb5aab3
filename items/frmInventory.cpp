#include "items/frmInventory.h"
#include "ui_frmInventory.h"

#include "core/comboboxes.h"
#include "core/direction.h"
#include "core/globals.h"
#include "core/listdialog.h"
#include "core/messages.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQueryModel>

namespace {
enum Column { colItemId, colItemNo, colItemName, colUOM, colPurchased, colSold, colQOH };
}

frmInventory::frmInventory(QWidget *parent) : QDialog(parent), ui(new Ui::frmInventory)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    ui->tblData->verticalHeader()->setDefaultSectionSize(20);
    fillWarehouses();
    loadInventory();
}

frmInventory::~frmInventory()
{
    delete ui;
}

// A failure is told: an empty list would read as a company without warehouses or stock.
void frmInventory::fillWarehouses()
{
    const QSqlError error = fillCombo(
        ui->cmbWarehouses, {}, QStringLiteral("Select WarehouseId, WarehouseName from warehouses Where IsActive = 1"));
    if (error.isValid())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

// Read afresh at every choice, also of the warehouse already shown: the quantities are
// those of that moment. The join leaves out the stock of a warehouse that is gone.
void frmInventory::loadInventory()
{
    ListDialog::replaceModel(
        ui->tblData, model,
        QStringLiteral("Select ItemId, ItemNo, ItemName, UOM, purchased - PurchaseRefunds as Purchased, "
                       "sold - SalesRefunds as Sold, Purchased - PurchaseRefunds - Sold + SalesRefunds as QOH "
                       "from vw_iteminventory Inner Join warehouses "
                       "ON vw_iteminventory.WarehouseId = warehouses.WarehouseId "
                       "Where vw_iteminventory.WarehouseId = :WarehouseId Order by ItemNo"),
        {{QStringLiteral(":WarehouseId"), comboItemId(ui->cmbWarehouses)}}, QSql::HighPrecision);
    const QStringList headers{tr("Item No"), tr("Item Name"), tr("UOM"), tr("purchased"), tr("Sold"), tr("QOH")};
    for (int column = colItemNo; column <= colQOH; ++column)
        model->setHeaderData(column, Qt::Horizontal, headers.at(column - colItemNo));
    if (model->lastError().isValid())
        Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + model->lastError().text());
    ui->tblData->hideColumn(colItemId);
    ListDialog::fitColumnsToContents(ui->tblData);
    Direction::showAmountColumns(ui->tblData, {colPurchased, colSold, colQOH}, {colItemName});
}

void frmInventory::on_cmbWarehouses_activated(int /*index*/)
{
    loadInventory();
}
