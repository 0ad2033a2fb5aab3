#include "items/frmInventory.h"
#include "ui_frmInventory.h"

#include "core/widgets/comboboxes.h"
#include "core/widgets/direction.h"
#include "core/system/failedreads.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"

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
    // Both reads fail alike on a server that is gone: one box.
    const FailedReads::Action opening;
    fillWarehouses();
    loadInventory();
    Direction::openWideEnoughFor(this, ui->tblData);
}

frmInventory::~frmInventory()
{
    delete ui;
}

// A failure is told: an empty list would read as a company without warehouses or stock.
void frmInventory::fillWarehouses()
{
    fillCombo(ui->cmbWarehouses, {}, QStringLiteral("Select WarehouseId, WarehouseName from warehouses Where IsActive = 1"));
}

// Read afresh at every choice, also of the warehouse already shown: the quantities are
// those of that moment. A warehouse that is gone shows nothing.
//
// The rows are vw_iteminventory's for the warehouse, but summed from the document lines of
// that warehouse alone, by ids: through the view the server sums every warehouse's lines,
// grouped by their texts, before it keeps one warehouse, ten times slower on a busy
// shop's books.
void frmInventory::loadInventory()
{
    ListDialog::replaceModel(
        ui->tblData, model,
        QStringLiteral(
            "SELECT i.ItemId, i.ItemNo, i.ItemName, u.UOM, SUM(m.Purchased) - SUM(m.PurchaseRefunds) AS Purchased, "
            "SUM(m.Sold) - SUM(m.SalesRefunds) AS Sold, "
            "SUM(m.Purchased) - SUM(m.PurchaseRefunds) - SUM(m.Sold) + SUM(m.SalesRefunds) AS QOH FROM ("
            "  SELECT d.ItemId, d.UOMId, IFNULL(SUM(d.Quantity), 0) AS Purchased, 0 AS PurchaseRefunds, 0 AS Sold, "
            "    0 AS SalesRefunds FROM purchaseinvoicedetails d "
            "    JOIN purchaseinvoice p ON p.PurchaseInvoiceId = d.PurchaseInvoiceId "
            "    WHERE p.ShipToWarehouseID = :WarehouseId GROUP BY d.ItemId, d.UOMId "
            "  UNION ALL SELECT d.ItemId, d.UOMId, 0, IFNULL(SUM(d.Quantity), 0), 0, 0 FROM purchaserefunddetails d "
            "    JOIN purchaserefund r ON r.PurchaseRefundId = d.PurchaseRefundId "
            "    JOIN purchaseinvoice p ON p.PurchaseInvoiceId = r.PurchaseInvoiceId "
            "    WHERE p.ShipToWarehouseID = :WarehouseId GROUP BY d.ItemId, d.UOMId "
            "  UNION ALL SELECT d.ItemId, d.UOMId, 0, 0, IFNULL(SUM(d.Quantity), 0), 0 FROM salesinvoicedetails d "
            "    JOIN salesinvoice s ON s.SalesInvoiceId = d.SalesInvoiceId "
            "    WHERE s.WarehouseId = :WarehouseId GROUP BY d.ItemId, d.UOMId "
            "  UNION ALL SELECT d.ItemId, d.UOMId, 0, 0, 0, IFNULL(SUM(d.Quantity), 0) FROM salesrefunddetails d "
            "    JOIN salesrefund r ON r.SalesRefundId = d.SalesRefundId "
            "    JOIN salesinvoice s ON s.SalesInvoiceId = r.SalesInvoiceId "
            "    WHERE s.WarehouseId = :WarehouseId GROUP BY d.ItemId, d.UOMId "
            ") m "
            "JOIN items i ON i.ItemId = m.ItemId JOIN uom u ON u.UOMId = m.UOMId "
            "JOIN warehouses w ON w.WarehouseId = :WarehouseId "
            "WHERE i.TypeId = 1 GROUP BY m.ItemId, m.UOMId ORDER BY i.ItemNo, m.ItemId, u.UOM"),
        {{QStringLiteral(":WarehouseId"), comboItemId(ui->cmbWarehouses)}}, QSql::HighPrecision);
    const QStringList headers{tr("Item No"), tr("Item Name"), tr("UOM"), tr("purchased"), tr("Sold"), tr("QOH")};
    for (int column = colItemNo; column <= colQOH; ++column)
        model->setHeaderData(column, Qt::Horizontal, headers.at(column - colItemNo));
    ui->tblData->hideColumn(colItemId);
    ListDialog::fitColumnsToContents(ui->tblData);
    Direction::showAmountColumns(ui->tblData, {colPurchased, colSold, colQOH}, {colItemName});
    Direction::growWideEnoughFor(this, ui->tblData);
}

void frmInventory::on_cmbWarehouses_activated(int /*index*/)
{
    loadInventory();
}
