#ifndef ACCOUNTBALANCES_H
#define ACCOUNTBALANCES_H

#include "core/db/money.h"

#include <QString>
#include <QVector>

#include <optional>

// The rules by which the accounting reports measure accounts while they run: documents
// post nothing to the journal, so the accounts named in the default-accounts settings
// take their amounts from the documents, on top of their journal lines, and every other
// account is measured by its journal lines alone. Every statement here that fails is
// told to the user with the server's error, and its caller gets nothing: a figure that
// was not read is never shown as 0.

// The accounts of the default-accounts settings; 0 names no account.
struct AccountDefaults
{
    int PurchaseAccId = 0;
    int PurchaseRefundAccId = 0;
    int AccountsPayable = 0;
    int SalesAccId = 0;
    int SalesRefundAccId = 0;
    int AccountsReceivable = 0;
    int SafeAccId = 0;
    int CheckAccId = 0;
    int CreditCardAccId = 0;

    // Whether any field names the account.
    bool names(int accountId) const;
};

// One account as the reports list it, with the sums of its journal lines.
struct AccountRow
{
    int type = 0; // 1 Assets, 2 Liabilities, 3 Equity, 4 Revenue, 5 Expenses
    QString typeName;
    QString typeNameAr;
    int accountId = 0;
    QString accountNo;
    QString account;   // "10100: Bank Account"; empty when the description is missing
    QString accountAr; // the same with the Arabic description
    Money debit;
    Money credit;

    // The names the interface language shows.
    QString typeLabel() const;
    QString accountLabel() const;
};

struct AccountAmounts
{
    Money debit;
    Money credit;
    Money balance;
};

struct AccountLine
{
    AccountRow row;
    AccountAmounts amounts;
};

// Where the three reports measure differently. In all three, where the purchases
// account keeps the stock, it is credited with the cost of the goods sold and of those
// sent back to vendors, the purchase refunds account takes only what a refund differs
// from the cost of the goods sent back, and the cost of the goods sold is an expense, as
// is what a purchase bought that is no stock: the lines of other items than stock items,
// and freight that no stock line carries.
enum class BalanceRules {
    AccountList,
    BalanceSheet,
    // The money accounts are ordinary accounts, and the receivable keeps the sales
    // orders' deposits.
    IncomeStatement,
};

// What the documents add to the default accounts, read once per report run: each kind
// of document is summed once, by payment method.
struct DocumentAmounts
{
    Money purchases;       // purchase-invoice totals
    Money purchaseRefunds; // purchase-refund totals
    Money payable;
    Money sales;
    Money salesRefunds;
    Money receivable;
    Money cash;
    Money cheques;
    Money creditCards;
    // Whether the purchases account keeps the stock: it names an account that is no
    // expense account. Only then are the costs below read.
    bool stockKept = false;
    // The cost of the goods sold less those taken back from customers, and of the goods
    // sent back to vendors, as the stock's moving average in date order gives them; and
    // what the purchases bought that is no stock.
    Money salesCost;
    Money purchaseRefundsCost;
    Money purchasesExpensed;
};

// The settings' row, every field 0 when the table has none.
std::optional<AccountDefaults> loadAccountDefaults();

// The money taken in less the money paid out with one payment method, over every
// document that names the method.
std::optional<Money> cashBalance();
std::optional<Money> chequeBalance();
std::optional<Money> creditCardBalance();

// Every account that has a parent or has no children, of the given types (all when
// none are given), by type, account number and id.
std::optional<QVector<AccountRow>> accountRows(const QVector<int> &types = {});

// The documents' amounts as the rules count them.
std::optional<DocumentAmounts> loadDocumentAmounts(const AccountDefaults &defaults, BalanceRules rules);

// The account's debit, credit and balance. Each default field that names the account
// adds its document amount to its own side; the first of them, in the fields' order,
// decides which side the balance is counted from. Any other account counts from the
// debit side when it is an asset or an expense and from the credit side otherwise.
AccountAmounts accountBalance(const AccountRow &row, const AccountDefaults &defaults,
                              const DocumentAmounts &documents, BalanceRules rules = BalanceRules::AccountList);

// accountRows with accountBalance of each; where the purchases account keeps the stock
// and expenses are among the types, the cost of the goods sold and what the purchases
// bought that is no stock go to 50100, or to a row of its own, without account number,
// after the other expenses.
std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults, const DocumentAmounts &documents,
                                                 const QVector<int> &types, BalanceRules rules);
// The same, with the documents' amounts read for it.
std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults, const QVector<int> &types,
                                                 BalanceRules rules);

#endif // ACCOUNTBALANCES_H
