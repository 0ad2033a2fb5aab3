#ifndef WCUSTOMERSTATEMENTOFACCOUNTFILTER_H
#define WCUSTOMERSTATEMENTOFACCOUNTFILTER_H

#include "reports/framework/cFilterWidget.h"

namespace Ui {
class wCustomerStatementOfAccountFilter;
}

// The statement's criteria: the customer's name and the period.
class wCustomerStatementOfAccountFilter : public cFilterWidget
{
    Q_OBJECT

public:
    explicit wCustomerStatementOfAccountFilter(QWidget *parent = nullptr);
    ~wCustomerStatementOfAccountFilter() override;

    void runReport() override;
    // The ticked criteria as the condition on the statement's rows.
    QString condition() const;
    // The period's first day as "yyyyMMdd" when the period is ticked, else empty: the
    // entries before it make each customer's previous balance.
    QString fromDate() const;

private:
    Ui::wCustomerStatementOfAccountFilter *ui;
};

#endif // WCUSTOMERSTATEMENTOFACCOUNTFILTER_H
