#include "reports/trading/wCustomerListFilter.h"
#include "ui_wCustomerListFilter.h"

#include "reports/trading/RptCustomerList.h"
#include "reports/framework/cFilterCondition.h"

wCustomerListFilter::wCustomerListFilter(QWidget *parent) : cFilterWidget(parent), ui(new Ui::wCustomerListFilter)
{
    ui->setupUi(this);
}

wCustomerListFilter::~wCustomerListFilter()
{
    delete ui;
}

void wCustomerListFilter::runReport()
{
    RptCustomerList::showReport(condition());
}

QString wCustomerListFilter::condition() const
{
    cFilterCondition where;
    if (ui->chkCustomerName->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("CustomerName"), ui->cmbCustomerNameOperator->currentIndex(),
                                            ui->txtCustomerName->text()));
    if (ui->chkContactPerson->isChecked())
        where.add(cFilterCondition::compare(QStringLiteral("PersonName"), ui->cmbContactPersonOperator->currentIndex(),
                                            ui->txtContactPerson->text()));
    if (ui->chkAddress->isChecked()) {
        // The province is no part of the address searched.
        const QString text = ui->txtAddress->text();
        where.add(QStringLiteral(" (") + cFilterCondition::contains(QStringLiteral("persons.Street1"), text)
                  + QStringLiteral(" OR") + cFilterCondition::contains(QStringLiteral("persons.Street2"), text)
                  + QStringLiteral(" OR") + cFilterCondition::contains(QStringLiteral("persons.City"), text)
                  + QStringLiteral(" OR") + cFilterCondition::contains(QStringLiteral("persons.Country"), text)
                  + QStringLiteral(")"));
    }
    return where.text();
}
