#ifndef WCUSTOMERSALESDETAILEDFILTER_H
#define WCUSTOMERSALESDETAILEDFILTER_H

#include "reports/framework/cFilterWidget.h"

namespace Ui {
class wCustomerSalesDetailedFilter;
}

// The customer sales' criteria: customer, warehouse, invoice dates, ship dates and the
// employee who wrote the invoice.
class wCustomerSalesDetailedFilter : public cFilterWidget
{
    Q_OBJECT

public:
    explicit wCustomerSalesDetailedFilter(QWidget *parent = nullptr);
    ~wCustomerSalesDetailedFilter() override;

    void runReport() override;
    // The ticked criteria as the condition of the report's statement.
    QString condition() const;

private:
    Ui::wCustomerSalesDetailedFilter *ui;
};

#endif // WCUSTOMERSALESDETAILEDFILTER_H
