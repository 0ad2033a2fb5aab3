#ifndef RPTBALANCESHEET_H
#define RPTBALANCESHEET_H

#include "reports/financial/accountbalances.h"

// The asset, liability and equity accounts with their balances, a block and a total per
// type.
class RptBalanceSheet
{
public:
    static void showReport();

    // The accounts of the sheet. The account numbered "30200", unless a default field
    // names it, holds what the others leave: the assets less the liabilities less the
    // other equity accounts, so that the sheet balances. Its own journal lines are inside
    // that difference.
    static std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults);
};

#endif // RPTBALANCESHEET_H
