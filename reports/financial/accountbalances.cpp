#include "reports/financial/accountbalances.h"

#include "core/system/globals.h"
#include "core/db/connection.h"
#include "reports/financial/stockcosts.h"
#include "reports/framework/cReport.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QHash>
#include <QStringList>

#include <array>

namespace {
// Each kind of document summed by payment method, as the customer and vendor views sum
// them; read from the tables, as the views' grouping by person and day costs four times
// as long and changes no sum. A
// document with no payment method, or another character, is in no money balance; its
// deposit still lowers the receivable or the payable.
struct MethodSums
{
    Money total;
    Money paid;
};

struct DocumentKind
{
    QHash<QString, MethodSums> byMethod;

    Money total() const { return sum(&MethodSums::total); }
    Money paid() const { return sum(&MethodSums::paid); }
    Money paidBy(char method) const { return byMethod.value(QString(QLatin1Char(method))).paid; }

private:
    Money sum(Money MethodSums::*part) const
    {
        Money all;
        for (const MethodSums &sums : byMethod)
            all += sums.*part;
        return all;
    }
};

enum Kind { SalesOrders, SalesInvoices, SalesPayments, SalesRefunds, PurchaseInvoices, PurchasePayments, PurchaseRefunds, KindCount };

std::optional<std::array<DocumentKind, KindCount>> documentKinds()
{
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT %1, PaymentMethod, 0, SUM(DepositPaid) FROM salesorder GROUP BY PaymentMethod"
            " UNION ALL SELECT %2, PaymentMethod, SUM(Total), SUM(DepositPaid) FROM salesinvoice GROUP BY PaymentMethod"
            " UNION ALL SELECT %3, salespayments.PaymentMethod, 0, SUM(salespayments.Amount) FROM salespayments"
            " INNER JOIN salesinvoice ON salespayments.SalesInvoiceId = salesinvoice.SalesInvoiceId"
            " GROUP BY salespayments.PaymentMethod"
            " UNION ALL SELECT %4, salesrefund.PaymentMethod, SUM(salesrefund.Total), SUM(salesrefund.DepositPaid)"
            " FROM salesrefund INNER JOIN salesinvoice ON salesrefund.SalesInvoiceId = salesinvoice.SalesInvoiceId"
            " GROUP BY salesrefund.PaymentMethod"
            " UNION ALL SELECT %5, PaymentMethod, SUM(Total), SUM(DepositPaid) FROM purchaseinvoice GROUP BY PaymentMethod"
            " UNION ALL SELECT %6, purchasepayments.PaymentMethod, 0, SUM(purchasepayments.Amount) FROM purchasepayments"
            " INNER JOIN purchaseinvoice ON purchasepayments.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId"
            " GROUP BY purchasepayments.PaymentMethod"
            " UNION ALL SELECT %7, purchaserefund.PaymentMethod, SUM(purchaserefund.Total), SUM(purchaserefund.DepositPaid)"
            " FROM purchaserefund"
            " INNER JOIN purchaseinvoice ON purchaserefund.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId"
            " GROUP BY purchaserefund.PaymentMethod")
                        .arg(SalesOrders).arg(SalesInvoices).arg(SalesPayments).arg(SalesRefunds)
                        .arg(PurchaseInvoices).arg(PurchasePayments).arg(PurchaseRefunds))) {
        cReport::reportFailure(failureOf(query));
        return std::nullopt;
    }
    std::array<DocumentKind, KindCount> kinds;
    while (query.next()) {
        const int kind = query.value(0).toInt();
        if (kind < 0 || kind >= KindCount)
            continue;
        MethodSums &sums = kinds[size_t(kind)].byMethod[query.value(1).toString()];
        sums.total += Money::fromDecimal(query.value(2));
        sums.paid += Money::fromDecimal(query.value(3));
    }
    return kinds;
}

Money moneyBalance(const std::array<DocumentKind, KindCount> &kinds, char method)
{
    const auto paid = [&kinds, method](Kind kind) { return kinds[size_t(kind)].paidBy(method); };
    return paid(SalesOrders) + paid(SalesPayments) + paid(SalesInvoices) + paid(PurchaseRefunds) - paid(SalesRefunds)
           - paid(PurchasePayments) - paid(PurchaseInvoices);
}

// Whether the purchases account is an asset (or anything but an expense): the stock it
// holds then leaves it when the goods are sold or sent back.
std::optional<bool> purchasesKeepStock(const AccountDefaults &defaults)
{
    if (defaults.PurchaseAccId == 0)
        return false;
    QSqlQuery query(liveDefaultConnection());
    query.prepare(QStringLiteral("SELECT TypeId FROM accounts WHERE AccountId = :AccountId"));
    query.bindValue(QStringLiteral(":AccountId"), defaults.PurchaseAccId);
    if (!query.exec()) {
        cReport::reportFailure(failureOf(query));
        return std::nullopt;
    }
    return query.next() && query.value(0).toInt() != 5;
}

struct DefaultRule
{
    int AccountDefaults::*field;
    bool debitSide;
    bool moneyAccount;
    Money DocumentAmounts::*amount;
};

// In the order in which they decide an account's side.
const DefaultRule defaultRules[] = {
    {&AccountDefaults::PurchaseAccId, true, false, &DocumentAmounts::purchases},
    {&AccountDefaults::PurchaseRefundAccId, false, false, &DocumentAmounts::purchaseRefunds},
    {&AccountDefaults::AccountsPayable, false, false, &DocumentAmounts::payable},
    {&AccountDefaults::SalesAccId, false, false, &DocumentAmounts::sales},
    {&AccountDefaults::SalesRefundAccId, true, false, &DocumentAmounts::salesRefunds},
    {&AccountDefaults::AccountsReceivable, true, false, &DocumentAmounts::receivable},
    {&AccountDefaults::SafeAccId, true, true, &DocumentAmounts::cash},
    {&AccountDefaults::CheckAccId, true, true, &DocumentAmounts::cheques},
    {&AccountDefaults::CreditCardAccId, true, true, &DocumentAmounts::creditCards},
};

const int expenses = 5;

// The type's names as the chart stores them, for a block that no account of the chart
// opens.
std::optional<AccountRow> expenseType()
{
    QSqlQuery query(liveDefaultConnection());
    if (!query.exec(QStringLiteral("SELECT Type, TypeAr FROM accounttypes WHERE AccountsTypeId = %1").arg(expenses))) {
        cReport::reportFailure(failureOf(query));
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

// Where the purchases account keeps the stock, what the goods sold cost, and what was
// bought that never was stock, is an expense the documents hold no account for: it goes to the expense account numbered "50100"
// (the chart's "Cost of Goods Sold"), unless a default field names that account, and
// otherwise shows as a row of its own among the expenses.
bool addCostOfGoodsSold(QVector<AccountLine> &lines, const AccountDefaults &defaults, Money cost)
{
    int afterExpenses = lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        AccountLine &line = lines[i];
        if (line.row.type > expenses)
            break;
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
        // Where the expenses open no block, theirs comes after the types before them.
        afterExpenses = 0;
        while (afterExpenses < lines.size() && lines.at(afterExpenses).row.type < expenses)
            ++afterExpenses;
    }
    row->accountId = 0;
    row->accountNo.clear();
    row->account = QCoreApplication::translate("accountbalances", "Cost of Goods Sold");
    row->accountAr = row->account;
    row->debit = row->credit = Money();
    lines.insert(afterExpenses, {*row, {cost, Money(), cost}});
    return true;
}

std::optional<Money> moneyBalance(char method)
{
    const std::optional<std::array<DocumentKind, KindCount>> kinds = documentKinds();
    if (!kinds)
        return std::nullopt;
    return moneyBalance(*kinds, method);
}
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

std::optional<DocumentAmounts> loadDocumentAmounts(const AccountDefaults &defaults, BalanceRules rules)
{
    const std::optional<std::array<DocumentKind, KindCount>> kinds = documentKinds();
    if (!kinds)
        return std::nullopt;
    const auto kind = [&kinds](Kind k) -> const DocumentKind & { return (*kinds)[size_t(k)]; };
    DocumentAmounts amounts;
    amounts.purchases = kind(PurchaseInvoices).total();
    // A refund's whole total: the part not paid back lowers the payable or the
    // receivable, so the refund account must take both parts for the books to balance.
    amounts.purchaseRefunds = kind(PurchaseRefunds).total();
    amounts.payable = kind(PurchaseInvoices).total() - kind(PurchaseInvoices).paid() - kind(PurchasePayments).paid()
                      - (kind(PurchaseRefunds).total() - kind(PurchaseRefunds).paid());
    amounts.sales = kind(SalesInvoices).total();
    amounts.salesRefunds = kind(SalesRefunds).total();
    amounts.receivable = kind(SalesInvoices).total() - kind(SalesInvoices).paid() - kind(SalesPayments).paid()
                         - (kind(SalesRefunds).total() - kind(SalesRefunds).paid());
    if (rules != BalanceRules::IncomeStatement)
        amounts.receivable -= kind(SalesOrders).paid();
    amounts.cash = moneyBalance(*kinds, '0');
    amounts.cheques = moneyBalance(*kinds, '1');
    amounts.creditCards = moneyBalance(*kinds, '2');

    const std::optional<bool> stockKept = purchasesKeepStock(defaults);
    if (!stockKept)
        return std::nullopt;
    amounts.stockKept = *stockKept;
    if (amounts.stockKept) {
        const std::optional<StockCosts> costs = stockCosts();
        if (!costs)
            return std::nullopt;
        amounts.salesCost = costs->sold;
        amounts.purchaseRefundsCost = costs->sentBack;
        amounts.purchasesExpensed = costs->expensed;
    }
    return amounts;
}

AccountAmounts accountBalance(const AccountRow &row, const AccountDefaults &defaults, const DocumentAmounts &documents,
                              BalanceRules rules)
{
    AccountAmounts amounts{row.debit, row.credit, Money()};
    std::optional<bool> debitSide;
    for (const DefaultRule &rule : defaultRules) {
        if (defaults.*rule.field != row.accountId || (rule.moneyAccount && rules == BalanceRules::IncomeStatement))
            continue;
        (rule.debitSide ? amounts.debit : amounts.credit) += documents.*rule.amount;
        if (documents.stockKept && rule.field == &AccountDefaults::PurchaseAccId) {
            // What was sold on or sent back has left the stock that the purchases bought,
            // and what was bought but never was stock went to the expenses at once.
            amounts.credit += documents.salesCost + documents.purchaseRefundsCost + documents.purchasesExpensed;
        }
        if (documents.stockKept && rule.field == &AccountDefaults::PurchaseRefundAccId) {
            // The goods sent back leave the stock at their cost; only what the vendor paid
            // back beyond it (or short of it) is gained (or lost).
            amounts.credit -= documents.purchaseRefundsCost;
        }
        if (!debitSide)
            debitSide = rule.debitSide;
    }
    if (!debitSide)
        debitSide = row.type == 1 || row.type == 5;
    amounts.balance = *debitSide ? amounts.debit - amounts.credit : amounts.credit - amounts.debit;
    return amounts;
}

std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults, const DocumentAmounts &documents,
                                                 const QVector<int> &types, BalanceRules rules)
{
    const std::optional<QVector<AccountRow>> rows = accountRows(types);
    if (!rows)
        return std::nullopt;
    QVector<AccountLine> lines;
    for (const AccountRow &row : *rows)
        lines.append({row, accountBalance(row, defaults, documents, rules)});
    if (documents.stockKept && (types.isEmpty() || types.contains(expenses))
        && !addCostOfGoodsSold(lines, defaults, documents.salesCost + documents.purchasesExpensed))
        return std::nullopt;
    return lines;
}

std::optional<QVector<AccountLine>> accountLines(const AccountDefaults &defaults, const QVector<int> &types,
                                                 BalanceRules rules)
{
    const std::optional<DocumentAmounts> documents = loadDocumentAmounts(defaults, rules);
    if (!documents)
        return std::nullopt;
    return accountLines(defaults, *documents, types, rules);
}
