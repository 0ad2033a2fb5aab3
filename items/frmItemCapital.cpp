#include "items/frmItemCapital.h"
#include "ui_frmItemCapital.h"

#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"
#include "core/db/money.h"
#include "core/widgets/numberfields.h"

#include <QSqlError>
#include <QSqlQueryModel>

namespace {
enum Column {
    colItemId, colItemNo, colItemName, colUOM, colPurchased, colSold, colQOH, colPurchaseCapital, colSalesCapital
};

// Wide enough for any total of the stock: a total that a narrower box would hold at its
// bound would read as a true figure.
const int totalPrecision = 15;
}

frmItemCapital::frmItemCapital(QWidget *parent) : QDialog(parent), ui(new Ui::frmItemCapital)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    for (QDoubleSpinBox *total : {ui->dblPurchases, ui->dblSales, ui->dblProfit})
        NumberFields::setupAmount(total, totalPrecision, true);
    loadItemCapital();
    Direction::openWideEnoughFor(this, ui->tblItems);
}

frmItemCapital::~frmItemCapital()
{
    delete ui;
}

// The capitals are rounded to the cent where they are read, so that each total is the sum
// of the amounts the grid shows; a unit without a list price has no sales capital and
// adds nothing to the sales total.
void frmItemCapital::loadItemCapital()
{
    ListDialog::replaceModel(ui->tblItems, model,
                             QStringLiteral("SELECT ItemId, ItemNo, ItemName, UOM, Purchased, Sold, QOH, "
                                            "ROUND(PurchaseCapital, 2) AS PurchaseCapital, "
                                            "ROUND(SalesCapital, 2) AS SalesCapital FROM vw_itemcapital"),
                             {}, QSql::HighPrecision);
    const QStringList headers{tr("Item No."), tr("Item Name"), tr("Unit Of Measure"), tr("Purchased"),
                              tr("Sold"),     tr("QOH"),       tr("Purchase Capital"), tr("Sales Capital")};
    for (int column = colItemNo; column <= colSalesCapital; ++column)
        model->setHeaderData(column, Qt::Horizontal, headers.at(column - colItemNo));
    ui->tblItems->hideColumn(colItemId);
    ListDialog::fitColumnsToContents(ui->tblItems);
    Direction::showAmountColumns(ui->tblItems, {colPurchased, colSold, colQOH, colPurchaseCapital, colSalesCapital},
                                 {colItemName});

    // After a failed read, told by the list, the totals of no rows are 0.00.
    while (model->canFetchMore())
        model->fetchMore();
    Money purchases;
    Money sales;
    for (int row = 0; row < model->rowCount(); ++row) {
        purchases += Money::fromDecimal(model->index(row, colPurchaseCapital).data());
        sales += Money::fromDecimal(model->index(row, colSalesCapital).data());
    }
    ui->dblPurchases->setValue(purchases.toDouble());
    ui->dblSales->setValue(sales.toDouble());
    ui->dblProfit->setValue((sales - purchases).toDouble());
}
