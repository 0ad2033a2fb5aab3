#ifndef ACCOUNTTYPEBLOCKS_H
#define ACCOUNTTYPEBLOCKS_H

#include "core/db/money.h"
#include "reports/financial/accountbalances.h"

#include <QString>

// The blocks of the balance sheet and the income statement: one table row per account
// type, in the order of `lines`, holding the type's name, a table of its accounts with
// their balances and the type's total.
QString accountTypeBlocks(const QVector<AccountLine> &lines);

#endif // ACCOUNTTYPEBLOCKS_H
