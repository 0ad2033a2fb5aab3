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
        {QStringLiteral("Report: customer list"), QStringLiteral("CUSTLST")},
        {QStringLiteral("Report: customer sales detailed"), QStringLiteral("CUSTSLS")},
        {QStringLiteral("Report: customer statement of account"), QStringLiteral("CSTSTTMNT")},
        {QStringLiteral("Report: vendor list"), QStringLiteral("VENLST")},
        {QStringLiteral("Report: account list"), QStringLiteral("ACCLST")},
        {QStringLiteral("Report: general journal list"), QStringLiteral("GJLST")},
        {QStringLiteral("Report: balance sheet"), QStringLiteral("BSH")},
        {QStringLiteral("Report: income statement"), QStringLiteral("INCST")},
        {QStringLiteral("Report: warehouse inventory"), QStringLiteral("INVQTY")},
        {QStringLiteral("Report: inventory actions"), QStringLiteral("INVACT")},
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
