#include "reports/trading/wCustomerStatementOfAccountFilter.h"
#include "ui_wCustomerStatementOfAccountFilter.h"

#include "core/system/globals.h"
#include "reports/trading/RptCustomerStatementOfAccount.h"
#include "reports/framework/cFilterCondition.h"

#include <QDate>

wCustomerStatementOfAccountFilter::wCustomerStatementOfAccountFilter(QWidget *parent)
    : cFilterWidget(parent), ui(new Ui::wCustomerStatementOfAccountFilter)
{
    ui->setupUi(this);
    for (QDateEdit *date : {ui->dtDateFrom, ui->dtDateTo}) {
        // A date reads left to right in an Arabic panel too, and the format is kept as
        // given: in a right-to-left edit it would be turned round to yyyy/M/d.
        date->setLayoutDirection(Qt::LeftToRight);
        date->setDisplayFormat(dateFormat);
        date->setDate(QDate::currentDate());
    }
}

wCustomerStatementOfAccountFilter::~wCustomerStatementOfAccountFilter()
{
    delete ui;
}

void wCustomerStatementOfAccountFilter::runReport()
{
    RptCustomerStatementOfAccount::showReport(condition(), fromDate());
}

QString wCustomerStatementOfAccountFilter::condition() const
{
    cFilterCondition where;
    if (ui->chkCustomerName->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("CustomerName"), ui->cmbCustomerNameOperator->currentIndex(),
                                            ui->txtCustomerName->text()));
    if (ui->chkDate->isChecked())
        where.add(cFilterCondition::between(QStringLiteral("`Date`"), ui->dtDateFrom->date(), ui->dtDateTo->date()));
    return where.text();
}

QString wCustomerStatementOfAccountFilter::fromDate() const
{
    return ui->chkDate->isChecked() ? cFilterCondition::dateText(ui->dtDateFrom->date()) : QString();
}
