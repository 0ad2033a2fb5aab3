#include "reports/financial/RptIncomeStatement.h"

#include "reports/financial/accounttypeblocks.h"
#include "reports/framework/cReport.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const int expenses = 5;

// The type's names as the chart stores them, for a block that no account of the chart
// opens.
std::optional<AccountRow> expenseType()
{
    QSqlQuery query;
    if (!query.exec(QStringLiteral("SELECT Type, TypeAr FROM accounttypes WHERE AccountsTypeId = %1").arg(expenses))) {
        cReport::reportFailure(query.lastError());
        return std::nullopt;
    }
    AccountRow row;
    row.type = expenses;
    if (query.next()) {
        row.typeName = query.value(0).toString();
        row.typeNameAr = query.value(1).toString();
    }
    return row;
}

// Where the purchases account keeps the stock, what the goods sold cost is an expense
// the documents hold no account for: it goes to the expense account numbered "50100"
// (the chart's "Cost of Goods Sold"), unless a default field names that account, and
// otherwise shows as a row of its own among the expenses.
bool addCostOfGoodsSold(QVector<AccountLine> &lines, const AccountDefaults &defaults, Money cost)
{
    int afterExpenses = lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        AccountLine &line = lines[i];
        if (line.row.type != expenses)
            continue;
        afterExpenses = i + 1;
        if (line.row.accountNo == QLatin1String("50100") && !defaults.names(line.row.accountId)) {
            line.amounts.debit += cost;
            line.amounts.balance += cost;
            return true;
        }
    }
    if (cost.isZero())
        return true;
    std::optional<AccountRow> row;
    for (const AccountLine &line : lines)
        if (line.row.type == expenses)
            row = line.row;
    if (!row) {
        row = expenseType();
        if (!row)
            return false;
    }
    row->accountId = 0;
    row->accountNo.clear();
    row->account = QCoreApplication::translate("RptIncomeStatement", "Cost of Goods Sold");
    row->accountAr = row->account;
    row->debit = row->credit = Money();
    lines.insert(afterExpenses, {*row, {cost, Money(), cost}});
    return true;
}
}

std::optional<QVector<AccountLine>> RptIncomeStatement::accountLines(const AccountDefaults &defaults)
{
    const std::optional<DocumentAmounts> documents = loadDocumentAmounts(defaults, BalanceRules::IncomeStatement);
    if (!documents)
        return std::nullopt;
    std::optional<QVector<AccountLine>> lines =
        ::accountLines(defaults, *documents, {4, expenses}, BalanceRules::IncomeStatement);
    if (lines && documents->stockKept && !addCostOfGoodsSold(*lines, defaults, documents->salesCost))
        return std::nullopt;
    return lines;
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
