#include "reports/financial/wWarehouseInventory.h"
#include "ui_wWarehouseInventory.h"

#include "core/widgets/comboboxes.h"
#include "core/system/globals.h"
#include "core/system/messages.h"
#include "reports/financial/RptWarehouseInventory.h"

wWarehouseInventory::wWarehouseInventory(QWidget *parent) : cFilterWidget(parent), ui(new Ui::wWarehouseInventory)
{
    ui->setupUi(this);
    fillWarehouses();
}

wWarehouseInventory::~wWarehouseInventory()
{
    delete ui;
}

void wWarehouseInventory::fillWarehouses()
{
    fillCombo(ui->cmbWarehouse, {}, QStringLiteral("SELECT WarehouseId, WarehouseName FROM warehouses"));
}

void wWarehouseInventory::runReport()
{
    // Without a warehouse there is no stock to count; an empty page would read as one
    // with nothing in it.
    if (ui->cmbWarehouse->currentIndex() < 0) {
        Messages::information(this, msgCaption, tr("There is no warehouse to list."));
        return;
    }
    RptWarehouseInventory::showReport(ui->cmbWarehouse->currentData().toInt(), ui->cmbWarehouse->currentText());
}
