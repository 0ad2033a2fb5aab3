#ifndef WCUSTOMERLISTFILTER_H
#define WCUSTOMERLISTFILTER_H

#include "reports/framework/cFilterWidget.h"

namespace Ui {
class wCustomerListFilter;
}

// The customer list's criteria: customer name, contact person and address.
class wCustomerListFilter : public cFilterWidget
{
    Q_OBJECT

public:
    explicit wCustomerListFilter(QWidget *parent = nullptr);
    ~wCustomerListFilter() override;

    void runReport() override;
    // The ticked criteria as the condition of the list's statement.
    QString condition() const;

private:
    Ui::wCustomerListFilter *ui;
};

#endif // WCUSTOMERLISTFILTER_H
