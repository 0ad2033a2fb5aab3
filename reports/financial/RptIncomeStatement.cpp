#include "reports/financial/RptIncomeStatement.h"

#include "reports/financial/accounttypeblocks.h"
#include "reports/framework/cReport.h"

std::optional<QVector<AccountLine>> RptIncomeStatement::accountLines(const AccountDefaults &defaults)
{
    return ::accountLines(defaults, {4, 5}, BalanceRules::IncomeStatement);
}

Money RptIncomeStatement::netIncome(const QVector<AccountLine> &lines)
{
    Money net;
    for (const AccountLine &line : lines)
        net += line.row.type == 4 ? line.amounts.balance : -line.amounts.balance;
    return net;
}

void RptIncomeStatement::showReport()
{
    const std::optional<AccountDefaults> defaults = loadAccountDefaults();
    if (!defaults)
        return;
    cReport report(QStringLiteral("IncomeStatement.Rep"));
    if (!report.readTemplate())
        return;
    const std::optional<QVector<AccountLine>> lines = accountLines(*defaults);
    if (!lines)
        return;
    const QString blocks = accountTypeBlocks(*lines);
    cReport::show(report.page({{QStringLiteral("$NET_INCOME"), netIncome(*lines).shortText()}},
                              {{QStringLiteral("$DETAILS"), blocks}}));
}
