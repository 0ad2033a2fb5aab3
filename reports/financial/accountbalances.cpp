#include "reports/financial/accountbalances.h"

#include "core/system/globals.h"
#include "core/db/connection.h"
#include "reports/framework/cReport.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {
// Column 0 of a statement's first row; an aggregate's NULL, over no rows, is 0.
std::optional<Money> firstValue(const QString &sql)
{
    QSqlQuery query(liveDefaultConnection());
    if (!query.exec(sql) || !query.next()) {
        cReport::reportFailure(failureOf(query));
        return std::nullopt;
    }
    return Money::fromDecimal(query.value(0));
}

// A document with no payment method, or another character, is in no money balance; its
// deposit still lowers the receivable or the payable.
std::optional<Money> moneyBalance(char method)
{
    return firstValue(QStringLiteral(
        "SELECT IFNULL(SUM(TotalOrderDeposit), 0)"
        " + (SELECT IFNULL(SUM(TotalPayments), 0) FROM vw_customerpaymentsdetailed WHERE PaymentMethod = '%1')"
        " + (SELECT IFNULL(SUM(TotalDeposit), 0) FROM vw_customersalesdetailed WHERE PaymentMethod = '%1')"
        " + (SELECT IFNULL(SUM(TotalRefundDeposit), 0) FROM vw_vendorrefundsdetailed WHERE PaymentMethod = '%1')"
        " - (SELECT IFNULL(SUM(TotalRefundDeposit), 0) FROM vw_customerrefundsdetails WHERE PaymentMethod = '%1')"
        " - (SELECT IFNULL(SUM(TotalPayments), 0) FROM vw_vendorpaymentsdetailed WHERE PaymentMethod = '%1')"
        " - (SELECT IFNULL(SUM(TotalDeposit), 0) FROM vw_vendorpurchasesdetailed WHERE PaymentMethod = '%1')"
        " FROM vw_customerordersdetailed WHERE PaymentMethod = '%1'").arg(QLatin1Char(method)));
}

std::optional<Money> purchases(BalanceRules)
{
    return firstValue(QStringLiteral("SELECT SUM(TotalInvoice) FROM vw_vendorpurchasesdetailed"));
}

// A refund's whole total: the part not paid back lowers the payable or the receivable,
// so the refund account must take both parts for the books to balance.
std::optional<Money> purchaseRefunds(BalanceRules)
{
    return firstValue(QStringLiteral("SELECT SUM(TotalRefund) FROM vw_vendorrefundsdetailed"));
}

std::optional<Money> payable(BalanceRules)
{
    return firstValue(QStringLiteral(
        "SELECT IFNULL(SUM(TotalInvoice), 0) - IFNULL(SUM(TotalDeposit), 0)"
        " - (SELECT IFNULL(SUM(TotalPayments), 0) FROM vw_vendorpaymentsdetailed)"
        " - (SELECT IFNULL(SUM(TotalRefund), 0) - IFNULL(SUM(TotalRefundDeposit), 0) FROM vw_vendorrefundsdetailed)"
        " FROM vw_vendorpurchasesdetailed"));
}

std::optional<Money> sales(BalanceRules)
{
    return firstValue(QStringLiteral("SELECT SUM(TotalInvoice) FROM vw_customersalesdetailed"));
}

std::optional<Money> salesRefunds(BalanceRules)
{
    return firstValue(QStringLiteral("SELECT SUM(TotalRefund) FROM vw_customerrefundsdetails"));
}

std::optional<Money> receivable(BalanceRules rules)
{
    const QString orderDeposits = rules == BalanceRules::IncomeStatement
        ? QString()
        : QStringLiteral(" - (SELECT IFNULL(SUM(TotalOrderDeposit), 0) FROM vw_customerordersdetailed)");
    return firstValue(QStringLiteral(
        "SELECT IFNULL(SUM(TotalInvoice), 0) - IFNULL(SUM(TotalDeposit), 0)%1"
        " - (SELECT IFNULL(SUM(TotalPayments), 0) FROM vw_customerpaymentsdetailed)"
        " - (SELECT IFNULL(SUM(TotalRefund), 0) - IFNULL(SUM(TotalRefundDeposit), 0) FROM vw_customerrefundsdetails)"
        " FROM vw_customersalesdetailed").arg(orderDeposits));
}

std::optional<Money> safe(BalanceRules) { return cashBalance(); }
std::optional<Money> cheques(BalanceRules) { return chequeBalance(); }
std::optional<Money> creditCards(BalanceRules) { return creditCardBalance(); }

std::optional<Money> salesCost()
{
    return firstValue(QStringLiteral("SELECT IFNULL(SUM(SalesCost), 0) FROM vw_itemcapital"));
}

struct DefaultRule
{
    int AccountDefaults::*field;
    bool debitSide;
    bool moneyAccount;
    std::optional<Money> (*amount)(BalanceRules);
};

// In the order in which they decide an account's side.
const DefaultRule defaultRules[] = {
    {&AccountDefaults::PurchaseAccId, true, false, &purchases},
    {&AccountDefaults::PurchaseRefundAccId, false, false, &purchaseRefunds},
    {&AccountDefaults::AccountsPayable, false, false, &payable},
    {&AccountDefaults::SalesAccId, false, false, &sales},
    {&AccountDefaults::SalesRefundAccId, true, false, &salesRefunds},
    {&AccountDefaults::AccountsReceivable, true, false, &receivable},
    {&AccountDefaults::SafeAccId, true, true, &safe},
    {&AccountDefaults::CheckAccId, true, true, &cheques},
    {&AccountDefaults::CreditCardAccId, true, true, &creditCards},
};
}

bool AccountDefaults::names(int accountId) const
{
    if (accountId == 0)
        return false;
    for (const DefaultRule &rule : defaultRules)
        if (this->*rule.field == accountId)
            return true;
    return false;
}

QString AccountRow::typeLabel() const
{
    return rightToLeft ? typeNameAr : typeName;
}

QString AccountRow::accountLabel() const
{
    return rightToLeft ? accountAr : account;
}

std::optional<AccountDefaults> loadAccountDefaults()
{
    QSqlQuery query(liveDefaultConnection());
    if (!query.exec(QStringLiteral("SELECT AccountsReceivable, SalesAccId, SalesRefundAccId, PurchaseAccId,"
                                   " AccountsPayable, PurchaseRefundAccId, SafeAccId, CheckAccId, CreditCardAccId"
                                   " FROM accountsdefaults"))) {
        cReport::reportFailure(failureOf(query));
        return std::nullopt;
    }
    AccountDefaults defaults;
    if (query.next()) {
        defaults.AccountsReceivable = query.value(0).toInt();
        defaults.SalesAccId = query.value(1).toInt();
        defaults.SalesRefundAccId = query.value(2).toInt();
        defaults.PurchaseAccId = query.value(3).toInt();
        defaults.AccountsPayable = query.value(4).toInt();
        defaults.PurchaseRefundAccId = query.value(5).toInt();
        defaults.SafeAccId = query.value(6).toInt();
        defaults.CheckAccId = query.value(7).toInt();
        defaults.CreditCardAccId = query.value(8).toInt();
    }
    return defaults;
}

std::optional<Money> cashBalance()
{
    return moneyBalance('0');
}

std::optional<Money> chequeBalance()
{
    return moneyBalance('1');
}

std::optional<Money> creditCardBalance()
{
    return moneyBalance('2');
}

std::optional<QVector<AccountRow>> accountRows(const QVector<int> &types)
{
    QStringList typeIds;
    for (int type : types)
        typeIds << QString::number(type);
    const QString typeCondition =
        typeIds.isEmpty() ? QString() : QStringLiteral(" AND accounttypes.AccountsTypeId IN (%1)").arg(typeIds.join(", "));
    // A top-level account without children is a leaf too: journal lines or a default
    // field may name it, and its amounts must not vanish.
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT accounttypes.AccountsTypeId, accounttypes.Type, accounttypes.TypeAr, accounts.AccountId, AccountNo,"
            " CONCAT(AccountNo, ': ', Description) AS Account, CONCAT(AccountNo, ': ', DescriptionAr) AS AccountAr,"
            " SUM(IFNULL(generaljournaltransactions.Debit, 0)) AS Debit,"
            " SUM(IFNULL(generaljournaltransactions.Credit, 0)) AS Credit"
            " FROM accounts"
            " INNER JOIN accounttypes ON accounts.TypeId = accounttypes.AccountsTypeId"
            " LEFT JOIN generaljournaltransactions ON accounts.AccountId = generaljournaltransactions.AccountId"
            " WHERE (accounts.ParentAccountId IS NOT NULL"
            " OR NOT EXISTS (SELECT 1 FROM accounts AS children WHERE children.ParentAccountId = accounts.AccountId))%1"
            " GROUP BY accounttypes.AccountsTypeId, AccountNo, accounts.AccountId"
            " ORDER BY accounttypes.AccountsTypeId, AccountNo, accounts.AccountId").arg(typeCondition))) {
        cReport::reportFailure(failureOf(query));
        return std::nullopt;
    }
    QVector<AccountRow> rows;
    while (query.next()) {
        AccountRow row;
        row.type = query.value(0).toInt();
        row.typeName = query.value(1).toString();
        row.typeNameAr = query.value(2).toString();
        row.accountId = query.value(3).toInt();
        row.accountNo = query.value(4).toString();
        row.account = query.value(5).toString();
        row.accountAr = query.value(6).toString();
        row.debit = Money::fromDecimal(query.value(7));
        row.credit = Money::fromDecimal(query.value(8));
        rows.append(row);
    }
    return rows;
}

std::optional<AccountAmounts> accountBalance(const AccountRow &row, const AccountDefaults &defaults, BalanceRules rules)
{
    AccountAmounts amounts{row.debit, row.credit, Money()};
    std::optional<bool> debitSide;
    for (const DefaultRule &rule : defaultRules) {
        if (defaults.*rule.field != row.accountId || (rule.moneyAccount && rules == BalanceRules::IncomeStatement))
            continue;
        const std::optional<Money> amount = rule.amount(rules);
        if (!amount)
            return std::nullopt;
        (rule.debitSide ? amounts.debit : amounts.credit) += *amount;
        if (rule.field == &AccountDefaults::PurchaseAccId && rules == BalanceRules::BalanceSheet) {
            // What was sold on has left the stock that the purchases bought.
            const std::optional<Money> cost = salesCost();
            if (!cost)
                return std::nullopt;
            amounts.credit += *cost;
        }
        if (!debitSide)
            debitSide = rule.debitSide;
    }
    if (!debitSide)
        debitSide = row.type == 1 || row.type == 5;
    amounts.balance = *debitSide ? amounts.debit - amounts.credit : amounts.credit - amounts.debit;
    return amounts;
}

std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults, const QVector<int> &types,
                                                 BalanceRules rules)
{
    const std::optional<QVector<AccountRow>> rows = accountRows(types);
    if (!rows)
        return std::nullopt;
    QVector<AccountLine> lines;
    for (const AccountRow &row : *rows) {
        const std::optional<AccountAmounts> amounts = accountBalance(row, defaults, rules);
        if (!amounts)
            return std::nullopt;
        lines.append({row, *amounts});
    }
    return lines;
}
