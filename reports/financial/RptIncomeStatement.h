#ifndef RPTINCOMESTATEMENT_H
#define RPTINCOMESTATEMENT_H

#include "core/db/money.h"
#include "reports/financial/accountbalances.h"

// The revenue and expense accounts with their balances, a block and a total per type,
// and the net income.
class RptIncomeStatement
{
public:
    static void showReport();

    static std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults);
    // The revenue less the expenses.
    static Money netIncome(const QVector<AccountLine> &lines);
};

#endif // RPTINCOMESTATEMENT_H
