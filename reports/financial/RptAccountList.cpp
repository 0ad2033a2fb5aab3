#include "reports/financial/RptAccountList.h"

#include "reports/financial/accountbalances.h"
#include "reports/framework/cReport.h"

void RptAccountList::showReport()
{
    const std::optional<AccountDefaults> defaults = loadAccountDefaults();
    if (!defaults)
        return;
    cReport report(QStringLiteral("AccountList.Rep"));
    if (!report.readTemplate())
        return;
    const std::optional<QVector<AccountLine>> lines = accountLines(*defaults, {}, BalanceRules::AccountList);
    if (!lines)
        return;
    QString rows;
    for (const AccountLine &line : *lines)
        rows += QStringLiteral("<tr>") + cReport::cell(line.row.typeLabel()) + cReport::cell(line.row.accountLabel())
                + cReport::numberCell(line.amounts.debit.shortText()) + cReport::numberCell(line.amounts.credit.shortText())
                + cReport::numberCell(line.amounts.balance.shortText()) + QStringLiteral("</tr>");
    cReport::show(report.page({}, {{QStringLiteral("<td colspan=\"5\">$DETAILS</td>"), rows}}));
}
