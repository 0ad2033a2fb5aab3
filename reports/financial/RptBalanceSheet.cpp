#include "reports/financial/RptBalanceSheet.h"

#include "reports/financial/accounttypeblocks.h"
#include "reports/framework/cReport.h"

std::optional<QVector<AccountLine>> RptBalanceSheet::accountLines(const AccountDefaults &defaults)
{
    std::optional<QVector<AccountLine>> lines = ::accountLines(defaults, {1, 2, 3}, BalanceRules::BalanceSheet);
    if (!lines)
        return std::nullopt;
    Money rest;
    AccountLine *retainedEarnings = nullptr;
    for (AccountLine &line : *lines) {
        if (line.row.type == 3 && line.row.accountNo == QLatin1String("30200") && !defaults.names(line.row.accountId))
            retainedEarnings = &line;
        else
            rest += line.row.type == 1 ? line.amounts.balance : -line.amounts.balance;
    }
    if (retainedEarnings)
        retainedEarnings->amounts.balance = rest;
    return lines;
}

void RptBalanceSheet::showReport()
{
    const std::optional<AccountDefaults> defaults = loadAccountDefaults();
    if (!defaults)
        return;
    cReport report(QStringLiteral("BalanceSheet.Rep"));
    if (!report.readTemplate())
        return;
    const std::optional<QVector<AccountLine>> lines = accountLines(*defaults);
    if (!lines)
        return;
    const QString blocks = accountTypeBlocks(*lines);
    cReport::show(report.page({}, {{QStringLiteral("$DETAILS"), blocks}}));
}
