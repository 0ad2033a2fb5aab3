#ifndef RPTWAREHOUSEINVENTORY_H
#define RPTWAREHOUSEINVENTORY_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The stock on hand of every inventory item in one warehouse, each written in the item's
// own units from the largest down ("Carton: 2, Box: 0, Piece: 10"). Stock is counted at
// every run from the warehouse's purchases, sales and their refunds.
class RptWarehouseInventory
{
    Q_DECLARE_TR_FUNCTIONS(RptWarehouseInventory)

public:
    static void showReport(int warehouseId, const QString &warehouseName);

    // How many `smallUomId` one `bigUomId` of the item holds; 0 when the item has no such
    // conversion. A failed statement sets *ok to false (when given) and gives 0.
    static double uomVariance(int itemId, int bigUomId, int smallUomId, bool *ok = nullptr);

    // `quantity` (counted in the smallest unit) in mixed units. `unitNames` run from the
    // smallest unit to the largest and `factors` beside them say how many of the unit
    // before each one holds (the first factor is 1): Piece, Box, Carton with 1, 12, 10
    // write 250 as "Carton: 2, Box: 0, Piece: 10". Counts keep the quantity's sign.
    // A factor below 1 is a missing conversion: the quantity is then written in the
    // smallest unit alone, followed by the `unconverted` counts (parallel to the names)
    // of the units it could not be added to, and marked "(no conversion to Box)".
    static QString formatQuantity(const QStringList &unitNames, const QList<int> &factors, int quantity,
                                  const QList<int> &unconverted = {});
};

#endif // RPTWAREHOUSEINVENTORY_H
