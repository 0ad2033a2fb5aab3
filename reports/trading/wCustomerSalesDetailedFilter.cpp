#include "reports/trading/wCustomerSalesDetailedFilter.h"
#include "ui_wCustomerSalesDetailedFilter.h"

#include "core/system/globals.h"
#include "reports/trading/RptCustomerSalesDetailed.h"
#include "reports/framework/cFilterCondition.h"

#include <QDate>

wCustomerSalesDetailedFilter::wCustomerSalesDetailedFilter(QWidget *parent)
    : cFilterWidget(parent), ui(new Ui::wCustomerSalesDetailedFilter)
{
    ui->setupUi(this);
    for (QDateEdit *date : {ui->dtDateFrom, ui->dtDateTo, ui->dtShipDateFrom, ui->dtShipDateTo}) {
        // A date reads left to right in an Arabic panel too, and the format is kept as
        // given: in a right-to-left edit it would be turned round to yyyy/M/d.
        date->setLayoutDirection(Qt::LeftToRight);
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
}

wCustomerSalesDetailedFilter::~wCustomerSalesDetailedFilter()
{
    delete ui;
}

void wCustomerSalesDetailedFilter::runReport()
{
    RptCustomerSalesDetailed::showReport(condition());
}

QString wCustomerSalesDetailedFilter::condition() const
{
    cFilterCondition where;
    if (ui->chkCustomerName->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("CustomerName"), ui->cmbCustomerNameOperator->currentIndex(),
                                            ui->txtCustomerName->text()));
    if (ui->chkWarehouse->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("WarehouseName"), ui->cmbWarehouseOperator->currentIndex(),
                                            ui->txtWarehouse->text()));
    if (ui->chkDate->isChecked())
        where.add(cFilterCondition::between(QStringLiteral("`salesinvoice`.`Date`"), ui->dtDateFrom->date(),
                                            ui->dtDateTo->date()));
    if (ui->chkShipDate->isChecked())
        where.add(cFilterCondition::between(QStringLiteral("ShipDate"), ui->dtShipDateFrom->date(),
                                            ui->dtShipDateTo->date()));
    if (ui->chkEmployee->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("persons.PersonName"), ui->cmbEmployeeOperator->currentIndex(),
                                            ui->txtEmployee->text()));
    return where.text();
}
