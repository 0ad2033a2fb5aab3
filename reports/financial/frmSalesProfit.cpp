#include "reports/financial/frmSalesProfit.h"
#include "ui_frmSalesProfit.h"

#include "core/widgets/direction.h"
#include "core/system/globals.h"
#include "core/widgets/listdialog.h"
#include "core/system/messages.h"
#include "core/db/money.h"
#include "reports/financial/unitmeasures.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQueryModel>

namespace {
const int invoiceNoColumn = 0;
const int itemIdColumn = 2;
const int itemNameColumn = 3;
const int unitIdColumn = 4;
const int unitNameColumn = 5;
const int salesColumn = 6;
const int quantityColumn = 7;
const int costColumn = 8;

// A sold line costs what the newest purchase line of its item, dated on or before the
// sale, cost per unit: the purchase line's discount and tax are amounts of the whole
// line, so they are shared over its quantity. Multiplying before dividing keeps the cost
// exact to the cent. A purchase line without a quantity has no share to give.
// A purchase in another unit that the item's conversions join to the sold one counts too,
// at its price over the sold units its unit holds; a unit no conversion joins is priced
// only by purchases in itself.
// The newest purchase is found in one pass, not by a search per sold line (17 s for a
// year of 170,000 lines): purchases and sales of an item in a group of units in date
// order, a purchase before a sale of its own day, each carrying the largest key so far of
// the purchases before it. A key is the purchase's day and then its line, so the largest
// is the newest day's last line. The sold unit's factor rides along from the pass, so
// the conversions are looked up once more only for the purchase found.
QString salesProfitSql()
{
    const QString lineCost = QStringLiteral(
        "CASE WHEN purchaseinvoicedetails.Quantity <> 0 "
        "THEN (IFNULL(purchaseinvoicedetails.BasePrice, 0) * purchaseinvoicedetails.Quantity "
        "- IFNULL(purchaseinvoicedetails.Discount, 0) + IFNULL(purchaseinvoicedetails.Tax, 0)) "
        "* salesinvoicedetails.Quantity / purchaseinvoicedetails.Quantity "
        "ELSE IFNULL(purchaseinvoicedetails.BasePrice, 0) * salesinvoicedetails.Quantity END");
    return QStringLiteral(
               "SELECT salesinvoice.SalesInvoiceNo, salesinvoice.`Date`, salesinvoicedetails.ItemId, items.ItemName, "
               "salesinvoicedetails.UOMId, uom.UOM, salesinvoicedetails.Price, salesinvoicedetails.Quantity, "
               "IFNULL(ROUND(CASE WHEN purchaseinvoicedetails.UOMId = salesinvoicedetails.UOMId THEN %2 "
               "ELSE (%2) * IFNULL(sold.SoldFactor, 1) / IFNULL(boughtmeasure.Factor, 1) END, 2), 0) AS PurchasePrice "
               "FROM (SELECT movements.SalesInvoiceDetailsId, movements.SoldFactor, MAX(movements.PurchaseKey) OVER ("
               "PARTITION BY movements.ItemId, movements.GroupUOMId "
               "ORDER BY movements.`Date`, movements.SalesInvoiceDetailsId IS NOT NULL ROWS UNBOUNDED PRECEDING) "
               "AS LatestPurchase "
               "FROM (SELECT purchaseinvoicedetails.ItemId, "
               "IFNULL(measures.GroupUOMId, purchaseinvoicedetails.UOMId) AS GroupUOMId, purchaseinvoice.`Date`, "
               "TO_DAYS(purchaseinvoice.`Date`) * 100000000000 + purchaseinvoicedetails.PurchaseInvoiceDetailsId "
               "AS PurchaseKey, NULL AS SalesInvoiceDetailsId, NULL AS SoldFactor "
               "FROM purchaseinvoicedetails "
               "INNER JOIN purchaseinvoice ON purchaseinvoicedetails.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId "
               "LEFT JOIN %1 AS measures ON measures.ItemId = purchaseinvoicedetails.ItemId "
               "AND measures.UOMId = purchaseinvoicedetails.UOMId "
               "WHERE purchaseinvoice.`Date` <= :DateTo "
               "UNION ALL "
               "SELECT salesinvoicedetails.ItemId, IFNULL(measures.GroupUOMId, salesinvoicedetails.UOMId), "
               "salesinvoice.`Date`, NULL, salesinvoicedetails.SalesInvoiceDetailsId, measures.Factor "
               "FROM salesinvoice "
               "INNER JOIN salesinvoicedetails ON salesinvoice.SalesInvoiceId = salesinvoicedetails.SalesInvoiceId "
               "LEFT JOIN %1 AS measures ON measures.ItemId = salesinvoicedetails.ItemId "
               "AND measures.UOMId = salesinvoicedetails.UOMId "
               "WHERE salesinvoice.`Date` >= :DateFrom AND salesinvoice.`Date` <= :DateTo) AS movements) AS sold "
               "INNER JOIN salesinvoicedetails ON sold.SalesInvoiceDetailsId = salesinvoicedetails.SalesInvoiceDetailsId "
               "INNER JOIN salesinvoice ON salesinvoicedetails.SalesInvoiceId = salesinvoice.SalesInvoiceId "
               "INNER JOIN items ON salesinvoicedetails.ItemId = items.ItemId "
               "INNER JOIN uom ON salesinvoicedetails.UOMId = uom.UOMId "
               "LEFT JOIN purchaseinvoicedetails "
               "ON purchaseinvoicedetails.PurchaseInvoiceDetailsId = sold.LatestPurchase % 100000000000 "
                              "LEFT JOIN %1 AS boughtmeasure ON boughtmeasure.ItemId = purchaseinvoicedetails.ItemId "
               "AND boughtmeasure.UOMId = purchaseinvoicedetails.UOMId "
               "ORDER BY salesinvoice.`Date`, salesinvoice.SalesInvoiceId, salesinvoicedetails.SalesInvoiceDetailsId")
        .arg(QLatin1String(unitMeasuresTable), lineCost);
}

Money columnTotal(const QSqlQueryModel &model, int column)
{
    Money total;
    for (int row = 0; row < model.rowCount(); ++row)
        total += Money::fromDecimal(model.index(row, column).data());
    return total;
}
}

frmSalesProfit::frmSalesProfit(QWidget *parent)
    : QDialog(parent), ui(new Ui::frmSalesProfit), model(std::make_unique<QSqlQueryModel>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    for (QDateEdit *date : {ui->dtFrom, ui->dtTo}) {
        // A date edit that is right to left when given its format turns the sections
        // round (2024/3/31); the grid's dates read 31/3/2024 in either language.
        date->setLayoutDirection(Qt::LeftToRight);
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
    for (QDoubleSpinBox *total : {ui->dblSales, ui->dblPurchases, ui->dblProfit})
        Direction::alignAmountField(total);
    ui->tblInvoices->setModel(model.get());
    ListDialog::showDatesInDateFormat(ui->tblInvoices);
    // The form leaves the fields blank until a value is set.
    updateTotals();
}

frmSalesProfit::~frmSalesProfit()
{
    delete ui;
}

void frmSalesProfit::on_btnSearch_clicked()
{
    searchProfit();
}

void frmSalesProfit::searchProfit()
{
    const QSqlError measuresError = fillUnitMeasures();
    if (measuresError.isValid()) {
        showFailure(measuresError);
        return;
    }
    // Amounts as the server's exact text: the totals are summed from them to the cent.
    QSqlQueryModel *lines = ListDialog::replaceModel(
        ui->tblInvoices, model, salesProfitSql(),
        {{QStringLiteral(":DateFrom"), ui->dtFrom->date().toString(QStringLiteral("yyyyMMdd"))},
         {QStringLiteral(":DateTo"), ui->dtTo->date().toString(QStringLiteral("yyyyMMdd"))}},
        QSql::HighPrecision);
    // The totals cover every line, not only those the model has fetched so far.
    while (!lines->lastError().isValid() && lines->canFetchMore())
        lines->fetchMore();

    const QStringList headers{tr("Sales Invoice No."), tr("Date"), QString(), tr("Item Name"), QString(),
                              tr("Unit Of Measure"), tr("Price"), tr("Quantity"), tr("Purchase Price")};
    for (int column = 0; column < headers.size(); ++column)
        if (!headers.at(column).isNull())
            lines->setHeaderData(column, Qt::Horizontal, headers.at(column));
    ui->tblInvoices->hideColumn(itemIdColumn);
    ui->tblInvoices->hideColumn(unitIdColumn);
    ListDialog::fitColumnsToContents(ui->tblInvoices);
    Direction::showAmountColumns(ui->tblInvoices, {salesColumn, quantityColumn, costColumn},
                                 {invoiceNoColumn, itemNameColumn, unitNameColumn});
    Direction::growWideEnoughFor(this, ui->tblInvoices);

    if (lines->lastError().isValid()) {
        // Totals of 0 would read as a range without sales; the list told the failure.
        for (QDoubleSpinBox *total : {ui->dblSales, ui->dblPurchases, ui->dblProfit})
            total->clear();
        return;
    }
    updateTotals();
}

void frmSalesProfit::showFailure(const QSqlError &error)
{
    // Totals of 0 would read as a range without sales.
    for (QDoubleSpinBox *total : {ui->dblSales, ui->dblPurchases, ui->dblProfit})
        total->clear();
    Messages::critical(this, msgCaption, msgSelectFailed + QLatin1Char('\n') + error.text());
}

void frmSalesProfit::updateTotals()
{
    const Money sales = columnTotal(*model, salesColumn);
    const Money cost = columnTotal(*model, costColumn);
    ui->dblSales->setValue(sales.toDouble());
    ui->dblPurchases->setValue(cost.toDouble());
    ui->dblProfit->setValue((sales - cost).toDouble());
}
