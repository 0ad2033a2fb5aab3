#ifndef WWAREHOUSEINVENTORY_H
#define WWAREHOUSEINVENTORY_H

#include "reports/framework/cFilterWidget.h"

namespace Ui {
class wWarehouseInventory;
}

// The warehouse whose stock the warehouse inventory lists: every warehouse, active or
// not, the first chosen.
class wWarehouseInventory : public cFilterWidget
{
    Q_OBJECT

public:
    explicit wWarehouseInventory(QWidget *parent = nullptr);
    ~wWarehouseInventory() override;

    void runReport() override;

private:
    void fillWarehouses();

    Ui::wWarehouseInventory *ui;
};

#endif // WWAREHOUSEINVENTORY_H
