#include "bench/reportsteps.h"

#include "reports/financial/frmDailyCash.h"
#include "reports/financial/frmSalesProfit.h"

#include <QAbstractButton>
#include <QDate>
#include <QDateEdit>

namespace {

// Sets the from-date a year before today: the to-date opens on today in both windows.
void fromAYearAgo(QWidget *window)
{
    if (auto *from = window->findChild<QDateEdit *>(QStringLiteral("dtFrom")))
        from->setDate(QDate::currentDate().addYears(-1));
}

} // namespace

const QVector<CatalogueReportStep> &catalogueReportSteps()
{
    static const QVector<CatalogueReportStep> reports{
        {QStringLiteral("customer list"), QStringLiteral("CUSTLST")},
        {QStringLiteral("customer sales detailed"), QStringLiteral("CUSTSLS")},
        {QStringLiteral("customer statement of account"), QStringLiteral("CSTSTTMNT")},
        {QStringLiteral("pending sales orders"), QStringLiteral("PNDSO")},
        {QStringLiteral("pending purchase orders"), QStringLiteral("PNDPO")},
        {QStringLiteral("vendor list"), QStringLiteral("VENLST")},
        {QStringLiteral("vendor purchases detailed"), QStringLiteral("VENPD")},
        {QStringLiteral("account list"), QStringLiteral("ACCLST")},
        {QStringLiteral("general journal list"), QStringLiteral("GJLST")},
        {QStringLiteral("balance sheet"), QStringLiteral("BSH")},
        {QStringLiteral("income statement"), QStringLiteral("INCST")},
        {QStringLiteral("warehouse inventory"), QStringLiteral("INVQTY")},
        {QStringLiteral("inventory actions"), QStringLiteral("INVACT")},
    };
    return reports;
}

const QVector<ListWindow> &reportWindows()
{
    static const QVector<ListWindow> windows{
        {QStringLiteral("Sales profit, one year"), [] { return new frmSalesProfit(nullptr); },
         [](QWidget *window) {
             fromAYearAgo(window);
             if (auto *search = window->findChild<QAbstractButton *>(QStringLiteral("btnSearch")))
                 search->click();
         }},
        // The window sums again as soon as a date changes.
        {QStringLiteral("Daily cash, one year"), [] { return new frmDailyCash(nullptr); }, &fromAYearAgo},
    };
    return windows;
}
