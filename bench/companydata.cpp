#include "bench/companydata.h"

#include "bench/benchnames.h"
#include "trading/refundgrid.h"

#include <QCryptographicHash>

#include <algorithm>
#include <random>

namespace {

// The engine's output sequence is fixed by the C++ standard; the distributions are our
// own, since those of the standard library differ between implementations.
class Random
{
public:
    explicit Random(quint32 seed) : engine(seed) {}

    // A whole number from lo to hi, both included.
    long long between(long long lo, long long hi)
    {
        const unsigned long long span = (unsigned long long)(hi - lo) + 1;
        const unsigned long long draw = ((unsigned long long)engine() << 32) | engine();
        return lo + (long long)(draw % span);
    }
    // True in `percent` cases of a hundred.
    bool percent(int percent) { return between(0, 99) < percent; }
    template <typename T>
    const T &pick(const std::vector<T> &list) { return list[size_t(between(0, (long long)list.size() - 1))]; }

private:
    std::mt19937 engine;
};

// Sections draw from streams of their own, so that a change to one kind of row leaves
// the others as they were.
enum Stream {
    StreamWarehouses = 1, StreamEmployees, StreamCustomers, StreamVendors, StreamItems, StreamJournal,
    StreamQuotes, StreamOrders, StreamInvoices, StreamPurchaseOrders, StreamPurchaseInvoices,
};

// Picks indexes with chances proportional to their weights.
class WeightedPick
{
public:
    void add(long long weight) { cumulative.push_back((cumulative.empty() ? 0 : cumulative.back()) + weight); }
    int pick(Random &random) const
    {
        const long long draw = random.between(0, cumulative.back() - 1);
        return int(std::upper_bound(cumulative.begin(), cumulative.end(), draw) - cumulative.begin());
    }

private:
    std::vector<long long> cumulative;
};

// A skewed weight from 1 to 100: a few customers and items carry much of the trade.
long long popularity(Random &random)
{
    const long long r = random.between(0, 99);
    return 1 + r * r * r / 10000;
}

long long percentOf(long long amount, long long percent)
{
    return (amount * percent + 50) / 100;
}

std::string lowerLatin(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c >= 'A' && c <= 'Z')
            out += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += c;
    }
    return out;
}

std::string digits(Random &random, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += char('0' + random.between(0, 9));
    return out;
}

std::string numbered(const char *prefix, long long number, int width)
{
    std::string text = std::to_string(number);
    if (int(text.size()) < width)
        text.insert(0, size_t(width) - text.size(), '0');
    return prefix + text;
}

std::string replaceName(const char *pattern, const std::string &name)
{
    std::string text = pattern;
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

// A European article number with its check digit: a country prefix and nine digits.
std::string barcode(Random &random)
{
    std::string code = "622" + digits(random, 9);
    int sum = 0;
    for (size_t i = 0; i < code.size(); ++i)
        sum += (code[i] - '0') * (i % 2 ? 3 : 1);
    code += char('0' + (10 - sum % 10) % 10);
    return code;
}

// n dates from first to last, in order: documents numbered in the order they were
// written. Each of the last seven days gets at least one, so that the home page's chart
// of the week has something to show at every size.
std::vector<long long> spreadDays(Random &random, int n, long long first, long long last)
{
    std::vector<long long> days(size_t(std::max(n, 0)));
    const long long span = last - first + 1;
    for (int i = 0; i < n; ++i) {
        days[size_t(i)] = std::min(last, first + (i * 1000LL + random.between(0, 999)) * span / (n * 1000LL));
        days[size_t(i)] = std::max(days[size_t(i)], last - (n - 1 - i));
    }
    return days;
}

// For a share of the parents, in their order, the first child not yet taken that is dated
// at least a chosen delay after the parent: an order copied into an invoice some days
// later. Returns for each child its parent's index or -1.
std::vector<int> linkDocuments(Random &random, const std::vector<long long> &parentDays,
                               const std::vector<long long> &childDays, int sharePercent, int minDelay,
                               int maxDelay)
{
    std::vector<int> parentOf(childDays.size(), -1);
    for (size_t parent = 0; parent < parentDays.size(); ++parent) {
        if (!random.percent(sharePercent))
            continue;
        const long long target = parentDays[parent] + random.between(minDelay, maxDelay);
        size_t child = size_t(std::lower_bound(childDays.begin(), childDays.end(), target) - childDays.begin());
        while (child < childDays.size() && parentOf[child] != -1)
            ++child;
        if (child < childDays.size())
            parentOf[child] = int(parent);
    }
    return parentOf;
}

// Lines per document adding up to `lines` exactly: a linked document takes its parent's
// count, the others at least `minimum` each and the rest spread at random. Drops links
// from the end while the fixed counts leave too few lines for the others.
std::vector<int> lineCounts(Random &random, int lines, int minimum, std::vector<int> &parentOf,
                            const std::vector<int> &parentLineCount)
{
    const size_t docs = parentOf.size();
    std::vector<int> counts(docs, minimum);
    long long fixed = 0;
    long long free = 0;
    for (size_t i = 0; i < docs; ++i) {
        if (parentOf[i] >= 0)
            fixed += parentLineCount[size_t(parentOf[i])];
        else
            ++free;
    }
    for (size_t i = docs; i-- > 0 && fixed + free * minimum > lines;) {
        if (parentOf[i] >= 0) {
            fixed -= parentLineCount[size_t(parentOf[i])];
            parentOf[i] = -1;
            ++free;
        }
    }
    std::vector<size_t> open;
    for (size_t i = 0; i < docs; ++i) {
        if (parentOf[i] >= 0)
            counts[i] = parentLineCount[size_t(parentOf[i])];
        else
            open.push_back(i);
    }
    if (open.empty()) {
        for (size_t i = 0; i < docs; ++i)
            open.push_back(i);
    }
    for (long long extra = lines - fixed - free * minimum; extra > 0 && !open.empty(); --extra)
        ++counts[open[size_t(random.between(0, (long long)open.size() - 1))]];
    return counts;
}

// `count` distinct indexes below n, in increasing order.
std::vector<int> sample(Random &random, int n, int count)
{
    std::vector<int> all(size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        all[size_t(i)] = i;
    count = std::min(count, n);
    for (int i = 0; i < count; ++i)
        std::swap(all[size_t(i)], all[size_t(random.between(i, n - 1))]);
    all.resize(size_t(std::max(count, 0)));
    std::sort(all.begin(), all.end());
    return all;
}

// Amounts of at least one cent each that add up to total (which holds a cent for each).
std::vector<long long> split(Random &random, long long total, int parts)
{
    std::vector<long long> weights(static_cast<size_t>(parts));
    long long sum = 0;
    for (long long &w : weights)
        sum += (w = random.between(1, 100));
    std::vector<long long> amounts(static_cast<size_t>(parts));
    long long given = 0;
    for (int i = 0; i < parts; ++i) {
        amounts[size_t(i)] = i + 1 == parts ? total - given : 1 + (total - parts) * weights[size_t(i)] / sum;
        given += amounts[size_t(i)];
    }
    return amounts;
}

struct Unit
{
    int uom = 0;
    long long factor = 1;     // smallest units in one of this unit
    long long price[3] = {};  // by price type 1 to 3: bulk, half bulk, retail
    long long cost = 0;
};

struct Item
{
    int id = 0;
    bool service = false;
    bool taxable = true;
    int validityDays = 0;
    std::vector<Unit> units;
};

struct Customer
{
    int priceType = 3;
    int discountPercent = 0;
};

struct Line
{
    int item = 0;             // index into items
    int unit = 0;             // index into the item's units
    long long quantity = 0;
    int priceType = 0;
    long long base = 0;
    long long discount = 0;
    long long tax = 0;
    long long price = 0;
};

struct Refund
{
    long long day = 0;
    int invoiceId = 0;
    int employee = 0;
    char method = '0';
    long long deposit = 0;
    long long total = 0;
    const char *reason = nullptr;
    struct RefundLine
    {
        int invoiceLineId;
        Line line;
        long long expireDay; // 0: none
    };
    std::vector<RefundLine> lines;
};

struct Payment
{
    long long day;
    int invoiceId;
    char method;
    long long amount;
    const char *comment;
};

// Stock on hand of each item, unit and warehouse as the documents written so far leave
// it, with the places that hold some, so that a sale can find goods that are there.
class Stock
{
public:
    void reset(int itemCount, int warehouseCount)
    {
        warehouses = warehouseCount;
        levels.assign(size_t(itemCount) * 3 * size_t(warehouseCount), 0);
        position.assign(levels.size(), -1);
        held.assign(size_t(warehouseCount), {});
    }
    long long level(int item, int unit, int warehouse) const { return levels[size_t(key(item, unit, warehouse))]; }
    void change(int item, int unit, int warehouse, long long quantity)
    {
        const int k = key(item, unit, warehouse);
        const long long before = levels[size_t(k)];
        const long long after = before + quantity;
        levels[size_t(k)] = after;
        std::vector<int> &list = held[size_t(warehouse - 1)];
        if (before <= 0 && after > 0) {
            position[size_t(k)] = int(list.size());
            list.push_back(k);
        } else if (before > 0 && after <= 0) {
            const int last = list.back();
            list[size_t(position[size_t(k)])] = last;
            position[size_t(last)] = position[size_t(k)];
            list.pop_back();
            position[size_t(k)] = -1;
        }
    }
    size_t heldCount(int warehouse) const { return held[size_t(warehouse - 1)].size(); }
    // Some item and unit that the warehouse holds; false when it holds nothing.
    bool pickHeld(Random &random, int warehouse, int *item, int *unit) const
    {
        const std::vector<int> &list = held[size_t(warehouse - 1)];
        if (list.empty())
            return false;
        const int k = list[size_t(random.between(0, (long long)list.size() - 1))] / warehouses;
        *unit = k % 3;
        *item = k / 3;
        return true;
    }

private:
    int key(int item, int unit, int warehouse) const { return (item * 3 + unit) * warehouses + warehouse - 1; }

    int warehouses = 1;
    std::vector<long long> levels;
    std::vector<int> position;
    std::vector<std::vector<int>> held;
};

// A refund of one or two lines of an invoice, part of each line's quantity. A line keeps
// its invoice line's discount and tax for the whole line, as the refund windows store
// them, and is worth the share they work out, so that an opened refund shows what the
// lists and the books read.
template <typename ExpireOf>
Refund makeRefund(Random &random, int invoiceId, long long firstLineId, long long invoiceDay, long long todayDay,
                  const std::vector<Line> &lines, ExpireOf expireOf)
{
    Refund refund;
    refund.invoiceId = invoiceId;
    refund.day = std::min(todayDay, invoiceDay + random.between(0, 30));
    refund.reason = random.pick(BenchNames::refundReasons());
    const int count = std::min<int>(int(lines.size()), int(random.between(1, 2)));
    const std::vector<int> chosen = sample(random, int(lines.size()), count);
    for (const int index : chosen) {
        const Line &sold = lines[size_t(index)];
        Line back = sold;
        back.quantity = random.between(1, sold.quantity);
        back.price = RefundLine::rowAmount(Money::fromCents(sold.base), int(sold.quantity),
                                           Money::fromCents(sold.discount), Money::fromCents(sold.tax),
                                           int(back.quantity))
                         .cents();
        refund.total += back.price;
        refund.lines.push_back({int(firstLineId + index), back, expireOf(index)});
    }
    return refund;
}

void writeRefunds(std::vector<Refund> &refunds, InsertBatch &headers, InsertBatch &details,
                  const std::vector<Item> &items)
{
    std::stable_sort(refunds.begin(), refunds.end(), [](const Refund &a, const Refund &b) { return a.day < b.day; });
    long long lineId = 1;
    for (size_t r = 0; r < refunds.size(); ++r) {
        const Refund &refund = refunds[r];
        const int id = int(r) + 1;
        headers.row().num(id).num(refund.invoiceId).date(refund.day).money(refund.total).money(0)
            .money(refund.total).text(std::string(1, refund.method)).money(refund.deposit).num(refund.employee)
            .text(refund.reason);
        for (const Refund::RefundLine &returned : refund.lines) {
            const Item &item = items[size_t(returned.line.item)];
            details.row().num(lineId++).num(id).num(returned.invoiceLineId).num(item.id).num(returned.line.quantity)
                .num(item.units[size_t(returned.line.unit)].uom).money(returned.line.base).money(returned.line.discount)
                .money(returned.line.tax).money(returned.line.price);
            if (returned.expireDay)
                details.date(returned.expireDay);
            else
                details.null();
        }
    }
}

void writePayments(std::vector<Payment> &payments, InsertBatch &batch)
{
    std::stable_sort(payments.begin(), payments.end(), [](const Payment &a, const Payment &b) { return a.day < b.day; });
    for (size_t p = 0; p < payments.size(); ++p) {
        const Payment &payment = payments[p];
        batch.row().num(long(p) + 1).num(payment.invoiceId).date(payment.day).text(std::string(1, payment.method))
            .money(payment.amount).textOrNull(payment.comment);
    }
}

// How an invoice is paid: in full with the invoice, a part with it, or nothing at once.
// A refund is credited against what is still owed and the rest paid back. Returns what
// remains owed after both.
long long payInvoice(Random &random, long long due, int fullPercent, int partPercent, Refund *refund,
                     long long *deposit)
{
    const long long draw = random.between(0, 99);
    *deposit = draw < fullPercent ? due : draw < fullPercent + partPercent ? percentOf(due, random.between(20, 60)) : 0;
    long long owed = due - *deposit;
    if (refund) {
        const long long credited = std::min(refund->total, owed);
        refund->deposit = refund->total - credited;
        owed -= credited;
    }
    return owed;
}

} // namespace

class CompanyData::Builder
{
public:
    Builder(const BenchSizes &sizes, quint32 seed, const QDate &today, const CompanyReference &reference);
    void build();
    std::vector<const InsertBatch *> batches() const;

private:
    Random stream(Stream which) const { return Random(seed * 2654435761u + quint32(which) * 40503u); }

    struct Name
    {
        std::string display;
        std::string slug;
        bool arabic;
    };
    Name personName(Random &random, int arabicPercent);
    Name companyName(Random &random, int arabicPercent);
    int addPerson(Random &random, const Name &name, bool company);

    void makeDepartmentsAndEmployees();
    void makeCustomers();
    void makeVendors();
    void makeItems();
    void makeWarehousesAndYears();
    void makeJournal();
    void makeQuotesAndOrders();
    void makePurchaseOrders();
    void makeInvoices();
    void makeSalesInvoice(Random &random, size_t index);
    void makePurchaseInvoice(Random &random, size_t index);

    char paymentMethod(Random &random) const;
    int pickWarehouse(Random &random) const;
    int pickUnit(Random &random, const Item &item) const;
    long long salesQuantity(Random &random, int unit) const;
    void priceSalesLine(Line &line, int discountPercent) const;
    Line salesLine(Random &random, int priceType, int discountPercent) const;
    Line takeFromStock(Line line, int discountPercent, int warehouse);
    Line stockedSalesLine(Random &random, int priceType, int discountPercent, int warehouse);
    int bestWarehouse(const std::vector<Line> &lines) const;
    Line purchaseLine(Random &random) const;
    long long freight(Random &random, int percent, long long maxUnits) const;
    long long productionDay(Random &random, const Item &item, long long invoiceDay) const;
    static long long subtotal(const std::vector<Line> &lines);
    void writeSalesLines(InsertBatch &batch, long long &nextId, int documentId, const std::vector<Line> &lines);
    void writePurchaseLine(InsertBatch &batch, long long id, int documentId, const Line &line);
    void settle(Random &random, int invoiceId, long long day, long long owed, int settleAfterDays,
                std::vector<Payment> &payments) const;

    const BenchSizes sizes;
    const quint32 seed;
    const long long todayDay;
    const long long firstDay;   // of the sales
    const long long openingDay; // of the first purchases, which stock the shelves for the sales
    const CompanyReference reference;

    std::vector<Item> items;
    std::vector<int> stockItems;
    std::vector<int> serviceItems;
    WeightedPick itemPick;
    WeightedPick stockItemPick;
    std::vector<Customer> customers;
    WeightedPick customerPick;
    std::vector<int> itemVendor;
    std::vector<int> salesStaff;
    std::vector<int> purchasingStaff;
    std::vector<std::vector<Line>> orderLines;
    std::vector<long long> orderDays;
    std::vector<int> orderCustomer;
    std::vector<long long> orderFreight;
    std::vector<long long> orderDeposit;
    std::vector<std::vector<Line>> poLines;
    std::vector<long long> poDays;
    std::vector<int> poVendor;
    std::vector<int> poWarehouse;
    std::vector<long long> poFreight;
    long long purchaseMultiplier = 1;
    int nextPersonId = 2;
    Stock stock;

    struct InvoicePlan
    {
        std::vector<long long> days;
        std::vector<int> parentOf;
        std::vector<int> lineCounts;
        std::vector<int> refunded; // indexes, in order
        size_t nextRefunded = 0;
        long long nextLineId = 1;
        std::vector<Refund> refunds;
        std::vector<Payment> payments;
    };
    InvoicePlan sales;
    InvoicePlan purchases;

    InsertBatch persons{"persons", "PersonId,PersonName,Street1,Street2,City,Province,PostalCode,Country,Phone1,Phone2,Fax,EMail,Website"};
    InsertBatch departments{"departments", "DepartmentId,Department"};
    InsertBatch itemcategories{"itemcategories", "ItemCategoryId,Category"};
    InsertBatch warehouses{"warehouses", "WarehouseId,WarehouseName,Address1,Address2,City,State,Country,Phone,Fax,IsActive,DeactivationDate"};
    InsertBatch fiscalyear{"fiscalyear", "FiscalYearId,`From`,`To`,IsClosed"};
    InsertBatch itemsBatch{"items", "ItemId,ItemNo,ItemName,TypeId,Barcode,CategoryId,Warranty,IsActive,DefaultVendorId,VendorItemNo,ValidityInDays"};
    InsertBatch generaljournal{"generaljournal", "GeneralJournalId,JournalDate,Description"};
    InsertBatch employees{"employees", "EmployeeId,EmployeePersonId,JobTitle,ManagerId,DepartmentId,SIN,BirthDate,HireDate,TerminationDate,PayPeriodsByYear,AnnualSalary,BankAccountNo,IsActive,Notes", {&persons, &departments}};
    InsertBatch characteristics{"characteristics", "CharacteristicId,EmployeeId,Characteristic,Value", {&employees}};
    InsertBatch users{"users", "UserId,EmployeeId,Username,Password", {&employees}};
    InsertBatch vendors{"vendors", "VendorId,VendorName,ContactPersonId,VendorSince,IsActive,ExpensesAccountId,RevenuAccountId,Notes", {&persons}};
    InsertBatch customersBatch{"customers", "CustomerId,CustomerName,CustomerPersonId,SalesPersonId,CustomerSince,IsActive,ShipToPersonId,RevenuAccountId,ExpensesAccountId,DefaultPriceTypeId,StandardDiscount,Notes", {&persons, &employees}};
    InsertBatch itemprices{"itemprices", "ItemPriceId,ItemId,PriceTypeId,UOMId,Price", {&itemsBatch}};
    InsertBatch itemuom{"itemuom", "ItemUOMId,ItemId,BigUOMId,SmallUOMId,Variance", {&itemsBatch}};
    InsertBatch journalLines{"generaljournaltransactions", "TransactionId,GeneralJournalId,AccountId,Debit,Credit,Comment", {&generaljournal}};
    InsertBatch salesquote{"salesquote", "SalesQuoteId,SalesQuoteNo,EmployeeId,CustomerId,Date,ShipDate,ExpireDate,Subtotal,Freight,Total,Comments", {&customersBatch, &employees}};
    InsertBatch salesquotedetails{"salesquotedetails", "SalesQuoteDetailsId,SalesQuoteId,ItemId,Quantity,UOMId,PriceTypeId,BasePrice,Discount,Tax,Price", {&salesquote, &itemsBatch}};
    InsertBatch salesorder{"salesorder", "SalesOrderId,SalesOrderNo,SalesQuoteId,EmployeeId,CustomerId,Date,ShipDate,Subtotal,Freight,Total,PaymentMethod,DepositPaid,Comments", {&salesquote}};
    InsertBatch salesorderdetails{"salesorderdetails", "SalesOrderDetailsId,SalesOrderId,ItemId,Quantity,UOMId,PriceTypeId,BasePrice,Discount,Tax,Price", {&salesorder, &itemsBatch}};
    InsertBatch salesinvoice{"salesinvoice", "SalesInvoiceId,SalesInvoiceNo,SalesOrderId,WarehouseId,EmployeeId,CustomerId,Date,ShipDate,Subtotal,Freight,Total,PaymentMethod,DepositPaid,Comments", {&salesorder, &warehouses}};
    InsertBatch salesinvoicedetails{"salesinvoicedetails", "SalesInvoiceDetailsId,SalesInvoiceId,ItemId,Quantity,UOMId,PriceTypeId,BasePrice,Discount,Tax,Price", {&salesinvoice, &itemsBatch}};
    InsertBatch salesrefund{"salesrefund", "SalesRefundId,SalesInvoiceId,Date,SubTotal,Freight,Total,PaymentMethod,DepositPaid,EmployeeId,Comment", {&salesinvoice}};
    InsertBatch salesrefunddetails{"salesrefunddetails", "SalesRefundDetailsId,SalesRefundId,SalesInvoiceDetailsId,ItemId,Quantity,UOMId,BasePrice,Discount,Tax,Price,ExpireDate", {&salesrefund, &salesinvoicedetails}};
    InsertBatch salespayments{"salespayments", "SalesPaymentID,SalesInvoiceId,PaymentDate,PaymentMethod,Amount,Comment", {&salesinvoice}};
    InsertBatch purchaseorder{"purchaseorder", "PurchaseOrderId,PurchaseOrderNo,EmployeeId,VendorId,Date,ShipToWarehouseID,ShipDate,ExpireDate,Subtotal,Freight,Total,Comments", {&vendors, &employees, &warehouses}};
    InsertBatch purchaseorderdetails{"purchaseorderdetails", "PurchaseOrderDetailsId,PurchaseOrderId,ItemId,Quantity,UOMId,BasePrice,Discount,Tax,Price", {&purchaseorder, &itemsBatch}};
    InsertBatch purchaseinvoice{"purchaseinvoice", "PurchaseInvoiceId,PurchaseInvoiceNo,PurchaseOrderId,EmployeeId,VendorId,Date,ShipToWarehouseID,ShipDate,Subtotal,Freight,Total,PaymentMethod,DepositPaid,Comments", {&purchaseorder}};
    InsertBatch purchaseinvoicedetails{"purchaseinvoicedetails", "PurchaseInvoiceDetailsId,PurchaseInvoiceId,ItemId,Quantity,UOMId,BasePrice,Discount,Tax,Price,ProductionDate", {&purchaseinvoice, &itemsBatch}};
    InsertBatch purchaserefund{"purchaserefund", "PurchaseRefundId,PurchaseInvoiceId,Date,SubTotal,Freight,Total,PaymentMethod,DepositPaid,EmployeeId,Comment", {&purchaseinvoice}};
    InsertBatch purchaserefunddetails{"purchaserefunddetails", "PurchaseRefundDetailsId,PurchaseRefundId,PurchaseInvoiceDetailsId,ItemId,Quantity,UOMId,BasePrice,Discount,Tax,Price,ExpireDate", {&purchaserefund, &purchaseinvoicedetails}};
    InsertBatch purchasepayments{"purchasepayments", "PurchasingPaymentID,PurchaseInvoiceId,PaymentDate,PaymentMethod,Amount,Comment", {&purchaseinvoice}};
};

CompanyData::Builder::Builder(const BenchSizes &sizes, quint32 seed, const QDate &today,
                              const CompanyReference &reference)
    : sizes(sizes), seed(seed), todayDay(today.toJulianDay()), firstDay(today.toJulianDay() - 3 * 365),
      openingDay(today.toJulianDay() - 3 * 365 - 30), reference(reference)
{
    employees.inOrder = true;
}

std::vector<const InsertBatch *> CompanyData::Builder::batches() const
{
    return {&persons, &departments, &itemcategories, &warehouses, &fiscalyear, &itemsBatch,
            &generaljournal, &employees, &characteristics, &users, &vendors, &customersBatch,
            &itemprices, &itemuom, &journalLines, &salesquote, &salesquotedetails, &salesorder,
            &salesorderdetails, &salesinvoice, &salesinvoicedetails, &salesrefund,
            &salesrefunddetails, &salespayments, &purchaseorder, &purchaseorderdetails,
            &purchaseinvoice, &purchaseinvoicedetails, &purchaserefund, &purchaserefunddetails,
            &purchasepayments};
}

void CompanyData::Builder::build()
{
    // Bought goods should outweigh the goods the sales ask for by about a third, whatever
    // the sizes, so that shelves are seldom empty and most items keep stock on hand: a
    // sold line asks for 4.4 of the smallest unit on average, a bought line for 15 times
    // this multiplier.
    purchaseMultiplier = std::max(1LL, ((long long)sizes.salesInvoiceLines * 44 + sizes.purchaseInvoiceLines * 50LL)
                                           / (std::max(1, sizes.purchaseInvoiceLines) * 100LL));
    makeDepartmentsAndEmployees();
    makeVendors();
    makeItems();
    makeCustomers();
    makeWarehousesAndYears();
    makeJournal();
    makeQuotesAndOrders();
    makePurchaseOrders();
    makeInvoices();
    for (const InsertBatch *batch : batches())
        const_cast<InsertBatch *>(batch)->finish();
}

CompanyData::Builder::Name CompanyData::Builder::personName(Random &random, int arabicPercent)
{
    using namespace BenchNames;
    if (random.percent(arabicPercent)) {
        const ArabicName &first = random.pick(arabicFirstNames());
        const ArabicName &last = random.pick(arabicLastNames());
        return {std::string(first.arabic) + " " + last.arabic, std::string(first.latin) + "." + last.latin, true};
    }
    const std::string first = random.pick(englishFirstNames());
    const std::string last = random.pick(englishLastNames());
    return {first + " " + last, lowerLatin(first) + "." + lowerLatin(last), false};
}

CompanyData::Builder::Name CompanyData::Builder::companyName(Random &random, int arabicPercent)
{
    using namespace BenchNames;
    if (random.percent(arabicPercent)) {
        const ArabicName &family = random.pick(arabicLastNames());
        return {replaceName(random.pick(arabicCompanyPatterns()), family.arabic), family.latin, true};
    }
    const std::string stem = random.percent(60) ? random.pick(englishLastNames()) : random.pick(brands());
    return {stem + " " + random.pick(englishCompanySuffixes()), lowerLatin(stem), false};
}

int CompanyData::Builder::addPerson(Random &random, const Name &name, bool company)
{
    using namespace BenchNames;
    static const std::vector<const char *> mailDomains = {"gmail.com", "yahoo.com", "outlook.com", "hotmail.com"};
    const int id = nextPersonId++;
    const City &city = random.pick(cities());
    const std::string street = std::to_string(random.between(1, 250)) + " "
                               + (name.arabic && random.percent(70) ? random.pick(arabicStreets()) : random.pick(streets()));
    const std::string phone = std::string(city.phonePrefix) + " " + digits(random, 7);
    const std::string mail = company ? "info@" + name.slug + ".com"
                                     : name.slug + std::to_string(random.between(1, 99)) + "@" + random.pick(mailDomains);
    persons.row().num(id).text(name.display).text(street);
    if (random.percent(15))
        persons.text("Building " + std::to_string(random.between(1, 40)) + ", Floor " + std::to_string(random.between(1, 12)));
    else
        persons.null();
    persons.text(city.name).text(city.province).text(digits(random, 5)).text(city.country).text(phone);
    if (random.percent(35))
        persons.text("+20 1" + digits(random, 1) + " " + digits(random, 8));
    else
        persons.null();
    if (company && random.percent(25))
        persons.text(std::string(city.phonePrefix) + " " + digits(random, 7));
    else
        persons.null();
    persons.text(mail.substr(0, 45));
    if (company && random.percent(40))
        persons.text(("www." + name.slug + ".com").substr(0, 45));
    else
        persons.null();
    return id;
}

void CompanyData::Builder::makeDepartmentsAndEmployees()
{
    using namespace BenchNames;
    Random random = stream(StreamEmployees);
    const int departmentCount = sizes.departments;
    for (int d = 0; d < departmentCount; ++d) {
        const std::string name = d < int(BenchNames::departments().size())
                                     ? BenchNames::departments()[size_t(d)]
                                     : "Branch Office " + std::to_string(d + 1);
        departments.row().num(d + 1).text(name);
    }
    // The weight of each department among the staff: sales and the warehouse need most.
    static const int staffWeights[] = {40, 12, 10, 15, 5, 6, 5, 7};
    WeightedPick departmentPick;
    for (int d = 0; d < departmentCount; ++d)
        departmentPick.add(d < 8 ? staffWeights[d] : 3);

    std::vector<int> headOf(size_t(departmentCount), 0);
    const QByteArray password = QCryptographicHash::hash("bench", QCryptographicHash::Md5).toHex();
    long long characteristicId = 1;
    int userId = 2;
    for (int id = 2; id <= sizes.employees; ++id) {
        int department;
        int manager;
        std::string title;
        if (id == 2) {
            department = departmentCount > 4 ? 4 : 0;
            manager = 0;
            title = "General Manager";
        } else if (id - 3 < departmentCount) {
            department = id - 3;
            headOf[size_t(department)] = id;
            manager = 2;
            title = std::string(department < 8 ? BenchNames::departments()[size_t(department)] : "Branch") + " Manager";
        } else {
            department = departmentPick.pick(random);
            manager = headOf[size_t(department)] ? headOf[size_t(department)] : 2;
            title = department < 8 ? jobTitles()[size_t(department)] : "Clerk";
        }
        if (department == 0)
            salesStaff.push_back(id);
        if (department == 1)
            purchasingStaff.push_back(id);

        const Name name = personName(random, 60);
        const int person = addPerson(random, name, false);
        const long long hired = random.between(firstDay - 3650, todayDay - 30);
        const bool active = id <= 2 + departmentCount || random.percent(95);
        employees.row().num(id).num(person).text(title);
        if (manager)
            employees.num(manager);
        else
            employees.null();
        employees.num(department + 1).text(digits(random, 14))
            .date(QDate(1965, 1, 1).toJulianDay() + random.between(0, 37 * 365))
            .date(hired);
        if (active)
            employees.null();
        else
            employees.date(std::min(todayDay - 1, hired + random.between(200, 2000)));
        employees.num(12).money(random.between(360, 2400) * 10000).text("EG" + digits(random, 27)).flag(active).null();

        static const std::vector<std::pair<const char *, std::vector<const char *>>> traits = {
            {"Blood Type", {"A+", "O+", "B+", "AB-", "O-"}},
            {"Languages", {"Arabic, English", "Arabic, French", "English", "العربية والإنجليزية"}},
            {"Driving Licence", {"Private", "Professional", "None"}},
            {"Shirt Size", {"M", "L", "XL"}}};
        const int traitCount = int(random.between(0, 2));
        for (int t = 0; t < traitCount; ++t) {
            const auto &trait = traits[size_t((id + t) % int(traits.size()))];
            characteristics.row().num(characteristicId++).num(id).text(trait.first).text(random.pick(trait.second));
        }
        if (userId <= 11)
            users.row().num(userId++).num(id).text(name.slug.substr(0, name.slug.find('.')) + std::to_string(id))
                .text(password.constData());
    }
    if (salesStaff.empty())
        salesStaff.push_back(1);
    if (purchasingStaff.empty())
        purchasingStaff.push_back(1);
}

void CompanyData::Builder::makeVendors()
{
    Random random = stream(StreamVendors);
    static const std::vector<const char *> notes = {"Delivers on Sundays and Wednesdays", "Payment within 30 days",
                                                    "مورد معتمد", "Minimum order 5,000"};
    for (int id = 1; id <= sizes.vendors; ++id) {
        const Name name = companyName(random, 25);
        const Name contact = personName(random, name.arabic ? 90 : 20);
        const int person = addPerson(random, Name{contact.display, name.slug, name.arabic}, true);
        vendors.row().num(id).text(name.display).num(person).date(firstDay - random.between(0, 3650))
            .flag(random.percent(97)).num(reference.purchaseAccount).num(reference.purchaseRefundAccount);
        if (random.percent(10))
            vendors.text(random.pick(notes));
        else
            vendors.null();
    }
}

void CompanyData::Builder::makeItems()
{
    using namespace BenchNames;
    Random random = stream(StreamItems);
    const auto &categoryList = categories();
    std::vector<std::vector<const Product *>> productsOf(categoryList.size());
    for (const Product &product : products())
        productsOf[size_t(product.category)].push_back(&product);
    for (size_t c = 0; c < categoryList.size(); ++c)
        itemcategories.row().num(long(c) + 1).text(categoryList[c].name);
    const int serviceCategory = int(categoryList.size()) - 1;

    long long priceId = 1;
    long long conversionId = 1;
    items.reserve(size_t(sizes.items));
    for (int id = 1; id <= sizes.items; ++id) {
        // The first item is always stock, so that every size has something to buy.
        const int category = id > 1 && random.percent(4) ? serviceCategory : int(random.between(0, serviceCategory - 1));
        const Category &kind = categoryList[size_t(category)];
        const Product &product = *random.pick(productsOf[size_t(category)]);
        Item item;
        item.id = id;
        item.service = kind.service;
        item.taxable = random.percent(75);
        item.validityDays = kind.validityMax ? int(random.between(kind.validityMin, kind.validityMax)) : 0;

        const long long smallest = random.between(kind.priceMinCents, kind.priceMaxCents);
        std::vector<std::pair<int, long long>> unitList = {{kind.smallUom, 1}};
        const long long bigFactor = random.between(kind.bigFactorMin, kind.bigFactorMax);
        unitList.push_back({kind.bigUom, bigFactor});
        if (kind.biggerUom && random.percent(60))
            unitList.push_back({kind.biggerUom, bigFactor * kind.biggerFactor});
        for (size_t u = 0; u < unitList.size(); ++u) {
            Unit unit;
            unit.uom = unitList[u].first;
            unit.factor = unitList[u].second;
            static const int volumeDiscount[] = {0, 5, 8};
            const long long retail = percentOf(smallest * unit.factor, 100 - volumeDiscount[u]);
            unit.price[2] = retail;
            unit.price[1] = percentOf(retail, 92);
            unit.price[0] = percentOf(retail, 85);
            unit.cost = percentOf(unit.price[0], 75);
            for (int type = 1; type <= 3; ++type)
                itemprices.row().num(priceId++).num(id).num(type).num(unit.uom).money(unit.price[type - 1]);
            if (u > 0)
                itemuom.row().num(conversionId++).num(id).num(unit.uom).num(unitList[u - 1].first)
                    .num(unitList[u].second / unitList[u - 1].second);
            item.units.push_back(unit);
        }

        const std::string name = product.arabic && random.percent(15)
                                     ? std::string(product.arabic) + " " + random.pick(arabicBrands())
                                     : std::string(random.pick(brands())) + " " + product.name;
        const int vendor = int(random.between(1, std::max(1, sizes.vendors)));
        itemsBatch.row().num(id).text(numbered("ITM-", id, 5)).text(name).num(item.service ? 2 : 1)
            .text(barcode(random)).num(category + 1).num(kind.warrantyDays).flag(random.percent(98))
            .num(vendor).text("V" + std::to_string(vendor) + "-" + digits(random, 4));
        if (item.service)
            itemsBatch.null();
        else
            itemsBatch.num(item.validityDays);

        const long long weight = popularity(random);
        itemPick.add(weight);
        if (item.service) {
            serviceItems.push_back(int(items.size()));
        } else {
            stockItems.push_back(int(items.size()));
            stockItemPick.add(weight);
        }
        itemVendor.push_back(vendor);
        items.push_back(item);
    }
}

void CompanyData::Builder::makeCustomers()
{
    Random random = stream(StreamCustomers);
    static const std::vector<const char *> notes = {"VIP customer", "Pays by cheque only", "عميل مميز",
                                                    "Call before delivery", "Credit limit 20,000"};
    customers.reserve(size_t(sizes.customers));
    for (int id = 1; id <= sizes.customers; ++id) {
        const bool company = random.percent(70);
        const Name name = company ? companyName(random, 25) : personName(random, 35);
        const Name contact = company ? Name{personName(random, name.arabic ? 90 : 20).display, name.slug, name.arabic} : name;
        const int person = addPerson(random, contact, company);
        const int shipTo = random.percent(15) ? addPerson(random, personName(random, name.arabic ? 90 : 20), false) : 0;
        Customer customer;
        const long long typeDraw = random.between(0, 99);
        customer.priceType = typeDraw < 60 ? 3 : typeDraw < 85 ? 2 : 1;
        const long long discountDraw = random.between(0, 99);
        customer.discountPercent = discountDraw < 70 ? 0 : discountDraw < 90 ? 5 : 10;
        customersBatch.row().num(id).text(name.display).num(person).num(random.pick(salesStaff))
            .date(firstDay - random.between(0, 5 * 365) + random.between(0, 365)).flag(random.percent(96));
        if (shipTo)
            customersBatch.num(shipTo);
        else
            customersBatch.null();
        customersBatch.num(reference.salesAccount).num(reference.salesRefundAccount).num(customer.priceType)
            .num(customer.discountPercent);
        if (random.percent(5))
            customersBatch.text(random.pick(notes));
        else
            customersBatch.null();
        customers.push_back(customer);
        customerPick.add(popularity(random));
    }
}

void CompanyData::Builder::makeWarehousesAndYears()
{
    Random random = stream(StreamWarehouses);
    static const std::vector<const char *> names = {"North Depot", "South Depot", "East Branch", "West Branch",
                                                    "مخزن العبور", "Airport Store"};
    for (int id = 3; id <= sizes.warehouses; ++id) {
        const auto &city = random.pick(BenchNames::cities());
        const std::string name = size_t(id - 3) < names.size() ? names[size_t(id - 3)] : "Store " + std::to_string(id);
        warehouses.row().num(id).text(name).text(std::to_string(random.between(1, 99)) + " " + random.pick(BenchNames::streets()))
            .null().text(city.name).text(city.province).text(city.country)
            .text(std::string(city.phonePrefix) + " " + digits(random, 7)).null().flag(true).null();
    }
    const int firstYear = QDate::fromJulianDay(openingDay).year();
    const int lastYear = QDate::fromJulianDay(todayDay).year();
    for (int year = firstYear; year <= lastYear; ++year)
        fiscalyear.row().num(year - firstYear + 1).date(QDate(year, 1, 1).toJulianDay())
            .date(QDate(year, 12, 31).toJulianDay()).flag(year < lastYear);
}

void CompanyData::Builder::makeJournal()
{
    Random random = stream(StreamJournal);
    const std::vector<long long> days = spreadDays(random, sizes.journalEntries, firstDay, todayDay);
    std::vector<int> unlinked(days.size(), -1);
    const std::vector<int> counts = lineCounts(random, sizes.journalLines, 2, unlinked, {});
    auto account = [&](const char *number) {
        const auto found = reference.accountByNumber.find(number);
        return found != reference.accountByNumber.end() ? found->second : random.pick(reference.leafAccounts);
    };
    long long lineId = 1;
    for (size_t e = 0; e < days.size(); ++e) {
        const int id = int(e) + 1;
        const BenchNames::JournalTemplate &kind = random.pick(BenchNames::journalTemplates());
        generaljournal.row().num(id).date(days[e]).text(kind.description);
        const long long tier = random.between(0, 9);
        const long long total = tier < 6 ? random.between(10000, 500000)
                                : tier < 9 ? random.between(500000, 5000000)
                                           : random.between(5000000, 50000000);
        const int lines = counts[e];
        const int debitLines = std::max(1, lines / 2);
        const std::vector<long long> debits = split(random, total, debitLines);
        const std::vector<long long> credits = split(random, total, lines - debitLines);
        for (int l = 0; l < lines; ++l) {
            const bool debit = l < debitLines;
            const int side = debit ? l : l - debitLines;
            const int accountId = side == 0 ? account(debit ? kind.debitAccountNo : kind.creditAccountNo)
                                            : random.pick(reference.leafAccounts);
            journalLines.row().num(lineId++).num(id).num(accountId)
                .money(debit ? debits[size_t(side)] : 0).money(debit ? 0 : credits[size_t(side)]);
            if (random.percent(20))
                journalLines.text("Ref. JV-" + std::to_string(id) + "/" + std::to_string(l + 1));
            else
                journalLines.null();
        }
    }
}

char CompanyData::Builder::paymentMethod(Random &random) const
{
    const long long draw = random.between(0, 99);
    return draw < 60 ? '0' : draw < 75 ? '1' : '2';
}

int CompanyData::Builder::pickWarehouse(Random &random) const
{
    const long long draw = random.between(0, 99);
    if (draw < 50 || sizes.warehouses < 2)
        return 1;
    if (draw < 80 || sizes.warehouses < 3)
        return 2;
    return int(random.between(3, sizes.warehouses));
}

int CompanyData::Builder::pickUnit(Random &random, const Item &item) const
{
    const long long draw = random.between(0, 99);
    const int wanted = draw < 75 ? 0 : draw < 95 ? 1 : 2;
    return std::min(wanted, int(item.units.size()) - 1);
}

long long CompanyData::Builder::salesQuantity(Random &random, int unit) const
{
    const long long r = random.between(0, 99);
    return 1 + r * r * (unit == 0 ? 12 : 3) / 10000;
}

void CompanyData::Builder::priceSalesLine(Line &line, int discountPercent) const
{
    const Item &item = items[size_t(line.item)];
    line.base = item.units[size_t(line.unit)].price[line.priceType - 1];
    const long long gross = line.base * line.quantity;
    line.discount = percentOf(gross, discountPercent);
    line.tax = item.taxable ? percentOf(gross - line.discount, 14) : 0;
    line.price = gross - line.discount + line.tax;
}

Line CompanyData::Builder::salesLine(Random &random, int priceType, int discountPercent) const
{
    Line line;
    line.item = itemPick.pick(random);
    line.unit = pickUnit(random, items[size_t(line.item)]);
    line.quantity = salesQuantity(random, line.unit);
    line.priceType = priceType;
    priceSalesLine(line, discountPercent);
    return line;
}

// No more than the warehouse holds leaves it.
Line CompanyData::Builder::takeFromStock(Line line, int discountPercent, int warehouse)
{
    if (items[size_t(line.item)].service)
        return line;
    const long long held = stock.level(line.item, line.unit, warehouse);
    if (line.quantity > held && held > 0) {
        line.quantity = held;
        priceSalesLine(line, discountPercent);
    }
    stock.change(line.item, line.unit, warehouse, -line.quantity);
    return line;
}

// A line of goods that the warehouse holds: a popular item when it is there, else
// whatever is on its shelves, else a service. Only an empty warehouse in a company
// without services sells goods it does not have.
Line CompanyData::Builder::stockedSalesLine(Random &random, int priceType, int discountPercent, int warehouse)
{
    Line line;
    for (int attempt = 0; attempt < 4; ++attempt) {
        line = salesLine(random, priceType, discountPercent);
        if (items[size_t(line.item)].service)
            return line;
        if (stock.level(line.item, line.unit, warehouse) > 0)
            return takeFromStock(line, discountPercent, warehouse);
    }
    int item = 0;
    int unit = 0;
    if (stock.pickHeld(random, warehouse, &item, &unit)) {
        line.item = item;
        line.unit = unit;
    } else if (!serviceItems.empty()) {
        line.item = random.pick(serviceItems);
        line.unit = 0;
    } else {
        return takeFromStock(line, discountPercent, warehouse);
    }
    line.quantity = salesQuantity(random, line.unit);
    priceSalesLine(line, discountPercent);
    return takeFromStock(line, discountPercent, warehouse);
}

// The warehouse that holds the most of an order's lines in full, to deliver it from.
int CompanyData::Builder::bestWarehouse(const std::vector<Line> &lines) const
{
    int best = 1;
    int bestCount = -1;
    for (int warehouse = 1; warehouse <= sizes.warehouses; ++warehouse) {
        int count = 0;
        for (const Line &line : lines)
            count += items[size_t(line.item)].service || stock.level(line.item, line.unit, warehouse) >= line.quantity;
        if (count > bestCount) {
            best = warehouse;
            bestCount = count;
        }
    }
    return best;
}

Line CompanyData::Builder::purchaseLine(Random &random) const
{
    Line line;
    line.item = stockItems[size_t(stockItemPick.pick(random))];
    const Item &item = items[size_t(line.item)];
    line.unit = pickUnit(random, item);
    line.quantity = (line.unit == 0 ? random.between(5, 25) : random.between(3, 10)) * purchaseMultiplier;
    line.base = item.units[size_t(line.unit)].cost;
    const long long gross = line.base * line.quantity;
    line.discount = random.percent(10) ? percentOf(gross, random.between(2, 5)) : 0;
    line.tax = item.taxable ? percentOf(gross - line.discount, 14) : 0;
    line.price = gross - line.discount + line.tax;
    return line;
}

long long CompanyData::Builder::freight(Random &random, int percent, long long maxUnits) const
{
    return random.percent(percent) ? random.between(5, maxUnits) * 100 : 0;
}

long long CompanyData::Builder::productionDay(Random &random, const Item &item, long long invoiceDay) const
{
    if (item.validityDays > 0)
        return invoiceDay - random.between(0, std::min(60, std::max(1, item.validityDays / 4)));
    return invoiceDay - random.between(0, 90);
}

long long CompanyData::Builder::subtotal(const std::vector<Line> &lines)
{
    long long sum = 0;
    for (const Line &line : lines)
        sum += line.price;
    return sum;
}

void CompanyData::Builder::writeSalesLines(InsertBatch &batch, long long &nextId, int documentId, const std::vector<Line> &lines)
{
    for (const Line &line : lines) {
        const Item &item = items[size_t(line.item)];
        batch.row().num(nextId++).num(documentId).num(item.id).num(line.quantity)
            .num(item.units[size_t(line.unit)].uom).num(line.priceType).money(line.base).money(line.discount)
            .money(line.tax).money(line.price);
    }
}

void CompanyData::Builder::makeQuotesAndOrders()
{
    Random random = stream(StreamQuotes);
    const std::vector<long long> quoteDays = spreadDays(random, sizes.salesQuotes, firstDay, todayDay);
    std::vector<int> noParent(quoteDays.size(), -1);
    const std::vector<int> quoteCounts = lineCounts(random, sizes.salesQuoteLines, 1, noParent, {});
    std::vector<std::vector<Line>> quoteLines(quoteDays.size());
    std::vector<int> quoteCustomer(quoteDays.size());
    std::vector<long long> quoteFreight(quoteDays.size());
    long long lineId = 1;
    for (size_t q = 0; q < quoteDays.size(); ++q) {
        const int id = int(q) + 1;
        const int customer = customerPick.pick(random);
        const Customer &terms = customers[size_t(customer)];
        for (int l = 0; l < quoteCounts[q]; ++l)
            quoteLines[q].push_back(salesLine(random, terms.priceType, terms.discountPercent));
        const long long sum = subtotal(quoteLines[q]);
        quoteCustomer[q] = customer;
        quoteFreight[q] = freight(random, 20, 60);
        salesquote.row().num(id).text(numbered("SQ-", id, 6)).num(random.pick(salesStaff)).num(customer + 1)
            .date(quoteDays[q]).date(quoteDays[q] + random.between(1, 7)).date(quoteDays[q] + 30).money(sum)
            .money(quoteFreight[q]).money(sum + quoteFreight[q]);
        if (random.percent(10))
            salesquote.text(random.pick(BenchNames::documentComments()));
        else
            salesquote.null();
        writeSalesLines(salesquotedetails, lineId, id, quoteLines[q]);
    }

    random = stream(StreamOrders);
    orderDays = spreadDays(random, sizes.salesOrders, firstDay, todayDay);
    std::vector<int> quoteOf = linkDocuments(random, quoteDays, orderDays, 30, 0, 7);
    const std::vector<int> orderCounts = lineCounts(random, sizes.salesOrderLines, 1, quoteOf, quoteCounts);
    orderLines.assign(orderDays.size(), {});
    orderCustomer.assign(orderDays.size(), 0);
    orderFreight.assign(orderDays.size(), 0);
    orderDeposit.assign(orderDays.size(), 0);
    lineId = 1;
    for (size_t o = 0; o < orderDays.size(); ++o) {
        const int id = int(o) + 1;
        const int quote = quoteOf[o];
        const int customer = quote >= 0 ? quoteCustomer[size_t(quote)] : customerPick.pick(random);
        const Customer &terms = customers[size_t(customer)];
        if (quote >= 0) {
            orderLines[o] = quoteLines[size_t(quote)];
        } else {
            for (int l = 0; l < orderCounts[o]; ++l)
                orderLines[o].push_back(salesLine(random, terms.priceType, terms.discountPercent));
        }
        const long long sum = subtotal(orderLines[o]);
        orderCustomer[o] = customer;
        orderFreight[o] = quote >= 0 ? quoteFreight[size_t(quote)] : freight(random, 20, 60);
        const bool deposit = random.percent(35);
        orderDeposit[o] = deposit ? percentOf(sum + orderFreight[o], random.between(10, 30)) : 0;
        salesorder.row().num(id).text(numbered("SO-", id, 6));
        if (quote >= 0)
            salesorder.num(quote + 1);
        else
            salesorder.null();
        salesorder.num(random.pick(salesStaff)).num(customer + 1).date(orderDays[o])
            .date(orderDays[o] + random.between(1, 7)).money(sum).money(orderFreight[o]).money(sum + orderFreight[o])
            .text(std::string(1, deposit ? paymentMethod(random) : '0')).money(orderDeposit[o]);
        if (random.percent(10))
            salesorder.text(random.pick(BenchNames::documentComments()));
        else
            salesorder.null();
        writeSalesLines(salesorderdetails, lineId, id, orderLines[o]);
    }
}

void CompanyData::Builder::settle(Random &random, int invoiceId, long long day, long long owed, int settleAfterDays,
                     std::vector<Payment> &payments) const
{
    const long long age = todayDay - day;
    if (owed <= 0 || age < 7)
        return;
    long long paid = 0;
    if (random.percent(age > settleAfterDays ? 92 : 50))
        paid = owed;
    else if (random.percent(30))
        paid = percentOf(owed, random.between(20, 70));
    if (paid <= 0)
        return;
    const int parts = paid >= 2 && random.percent(30) ? 2 : 1;
    const std::vector<long long> amounts = split(random, paid, parts);
    const long long latest = std::min(todayDay, day + 90);
    std::vector<long long> dates;
    for (int p = 0; p < parts; ++p)
        dates.push_back(random.between(day + 7, latest));
    std::sort(dates.begin(), dates.end());
    for (int p = 0; p < parts; ++p)
        payments.push_back(Payment{dates[size_t(p)], invoiceId, paymentMethod(random), amounts[size_t(p)],
                                   random.percent(40) ? random.pick(BenchNames::paymentComments()) : nullptr});
}


void CompanyData::Builder::writePurchaseLine(InsertBatch &batch, long long id, int documentId, const Line &line)
{
    const Item &item = items[size_t(line.item)];
    batch.row().num(id).num(documentId).num(item.id).num(line.quantity).num(item.units[size_t(line.unit)].uom)
        .money(line.base).money(line.discount).money(line.tax).money(line.price);
}

void CompanyData::Builder::makePurchaseOrders()
{
    Random random = stream(StreamPurchaseOrders);
    poDays = spreadDays(random, sizes.purchaseOrders, openingDay, todayDay);
    std::vector<int> noParent(poDays.size(), -1);
    const std::vector<int> counts = lineCounts(random, sizes.purchaseOrderLines, 1, noParent, {});
    poLines.assign(poDays.size(), {});
    poVendor.assign(poDays.size(), 0);
    poWarehouse.assign(poDays.size(), 0);
    poFreight.assign(poDays.size(), 0);
    long long lineId = 1;
    for (size_t o = 0; o < poDays.size(); ++o) {
        const int id = int(o) + 1;
        for (int l = 0; l < counts[o]; ++l)
            poLines[o].push_back(purchaseLine(random));
        const long long sum = subtotal(poLines[o]);
        poVendor[o] = itemVendor[size_t(poLines[o].front().item)];
        poWarehouse[o] = pickWarehouse(random);
        poFreight[o] = freight(random, 30, 200);
        purchaseorder.row().num(id).text(numbered("PO-", id, 6)).num(random.pick(purchasingStaff)).num(poVendor[o])
            .date(poDays[o]).num(poWarehouse[o]).date(poDays[o] + random.between(3, 14))
            .date(poDays[o] + 30).money(sum).money(poFreight[o]).money(sum + poFreight[o]);
        if (random.percent(10))
            purchaseorder.text(random.pick(BenchNames::documentComments()));
        else
            purchaseorder.null();
        for (const Line &line : poLines[o])
            writePurchaseLine(purchaseorderdetails, lineId++, id, line);
    }
}

void CompanyData::Builder::makeInvoices()
{
    Random salesRandom = stream(StreamInvoices);
    sales.days = spreadDays(salesRandom, sizes.salesInvoices, firstDay, todayDay);
    sales.parentOf = linkDocuments(salesRandom, orderDays, sales.days, 25, 0, 10);
    std::vector<int> orderCounts;
    for (const std::vector<Line> &lines : orderLines)
        orderCounts.push_back(int(lines.size()));
    sales.lineCounts = lineCounts(salesRandom, sizes.salesInvoiceLines, 1, sales.parentOf, orderCounts);
    sales.refunded = sample(salesRandom, int(sales.days.size()), sizes.salesRefunds);

    Random purchaseRandom = stream(StreamPurchaseInvoices);
    purchases.days = spreadDays(purchaseRandom, sizes.purchaseInvoices, openingDay, todayDay);
    purchases.parentOf = linkDocuments(purchaseRandom, poDays, purchases.days, 50, 3, 20);
    std::vector<int> poCounts;
    for (const std::vector<Line> &lines : poLines)
        poCounts.push_back(int(lines.size()));
    purchases.lineCounts = lineCounts(purchaseRandom, sizes.purchaseInvoiceLines, 1, purchases.parentOf, poCounts);
    purchases.refunded = sample(purchaseRandom, int(purchases.days.size()), sizes.purchaseRefunds);

    // Both kinds of invoice in the order of their days, a day's deliveries on the shelves
    // before its sales, so that the stock the sales draw on is the stock bought before.
    stock.reset(int(items.size()), sizes.warehouses);
    size_t p = 0;
    size_t s = 0;
    while (p < purchases.days.size() || s < sales.days.size()) {
        if (p < purchases.days.size() && (s == sales.days.size() || purchases.days[p] <= sales.days[s]))
            makePurchaseInvoice(purchaseRandom, p++);
        else
            makeSalesInvoice(salesRandom, s++);
    }
    writeRefunds(sales.refunds, salesrefund, salesrefunddetails, items);
    writePayments(sales.payments, salespayments);
    writeRefunds(purchases.refunds, purchaserefund, purchaserefunddetails, items);
    writePayments(purchases.payments, purchasepayments);
}

void CompanyData::Builder::makeSalesInvoice(Random &random, size_t index)
{
    const int id = int(index) + 1;
    const long long day = sales.days[index];
    const int order = sales.parentOf[index];
    const int customer = order >= 0 ? orderCustomer[size_t(order)] : customerPick.pick(random);
    const Customer &terms = customers[size_t(customer)];
    std::vector<Line> lines;
    int warehouse;
    if (order >= 0) {
        // The order's lines as far as the shelves allow; what is out of stock is replaced.
        warehouse = bestWarehouse(orderLines[size_t(order)]);
        for (const Line &ordered : orderLines[size_t(order)]) {
            if (items[size_t(ordered.item)].service)
                lines.push_back(ordered);
            else if (stock.level(ordered.item, ordered.unit, warehouse) > 0)
                lines.push_back(takeFromStock(ordered, terms.discountPercent, warehouse));
            else
                lines.push_back(stockedSalesLine(random, ordered.priceType, terms.discountPercent, warehouse));
        }
    } else {
        // A sale is made where there are goods to sell.
        warehouse = pickWarehouse(random);
        if (stock.heldCount(warehouse) == 0) {
            for (int other = 1; other <= sizes.warehouses; ++other) {
                if (stock.heldCount(other) > stock.heldCount(warehouse))
                    warehouse = other;
            }
        }
        const int priceType = random.percent(90) ? terms.priceType : int(random.between(1, 3));
        for (int l = 0; l < sales.lineCounts[index]; ++l)
            lines.push_back(stockedSalesLine(random, priceType, terms.discountPercent, warehouse));
    }
    const long long sum = subtotal(lines);
    const long long freightAmount = order >= 0 ? orderFreight[size_t(order)] : freight(random, 15, 50);
    const long long total = sum + freightAmount;
    const long long due = std::max(0LL, total - (order >= 0 ? orderDeposit[size_t(order)] : 0));
    const char method = paymentMethod(random);

    Refund *refund = nullptr;
    if (sales.nextRefunded < sales.refunded.size() && sales.refunded[sales.nextRefunded] == int(index)) {
        ++sales.nextRefunded;
        sales.refunds.push_back(makeRefund(random, id, sales.nextLineId, day, todayDay, lines, [](int) { return 0LL; }));
        refund = &sales.refunds.back();
        refund->employee = random.pick(salesStaff);
        for (const Refund::RefundLine &returned : refund->lines) {
            if (!items[size_t(returned.line.item)].service)
                stock.change(returned.line.item, returned.line.unit, warehouse, returned.line.quantity);
        }
    }
    long long deposit = 0;
    const long long owed = payInvoice(random, due, 55, 15, refund, &deposit);
    if (refund)
        refund->method = refund->deposit > 0 ? method : '0';
    settle(random, id, day, owed, 60, sales.payments);

    salesinvoice.row().num(id).text(numbered("INV-", id, 6));
    if (order >= 0)
        salesinvoice.num(order + 1);
    else
        salesinvoice.null();
    salesinvoice.num(warehouse).num(random.pick(salesStaff)).num(customer + 1).date(day)
        .date(day + random.between(0, 3)).money(sum).money(freightAmount).money(total)
        .text(std::string(1, method)).money(deposit);
    if (random.percent(5))
        salesinvoice.text(random.pick(BenchNames::documentComments()));
    else
        salesinvoice.null();
    writeSalesLines(salesinvoicedetails, sales.nextLineId, id, lines);
}

void CompanyData::Builder::makePurchaseInvoice(Random &random, size_t index)
{
    const int id = int(index) + 1;
    const long long day = purchases.days[index];
    const int order = purchases.parentOf[index];
    std::vector<Line> lines;
    if (order >= 0) {
        lines = poLines[size_t(order)];
    } else {
        for (int l = 0; l < purchases.lineCounts[index]; ++l)
            lines.push_back(purchaseLine(random));
    }
    std::vector<long long> produced;
    for (const Line &line : lines)
        produced.push_back(productionDay(random, items[size_t(line.item)], day));
    const int vendor = order >= 0 ? poVendor[size_t(order)] : itemVendor[size_t(lines.front().item)];
    const int warehouse = order >= 0 ? poWarehouse[size_t(order)] : pickWarehouse(random);
    for (const Line &line : lines)
        stock.change(line.item, line.unit, warehouse, line.quantity);
    const long long sum = subtotal(lines);
    const long long freightAmount = order >= 0 ? poFreight[size_t(order)] : freight(random, 30, 200);
    const long long total = sum + freightAmount;
    const char method = paymentMethod(random);

    Refund *refund = nullptr;
    if (purchases.nextRefunded < purchases.refunded.size() && purchases.refunded[purchases.nextRefunded] == int(index)) {
        ++purchases.nextRefunded;
        auto expireOf = [&](int line) {
            const int validity = items[size_t(lines[size_t(line)].item)].validityDays;
            return validity > 0 ? produced[size_t(line)] + validity : 0LL;
        };
        purchases.refunds.push_back(makeRefund(random, id, purchases.nextLineId, day, todayDay, lines, expireOf));
        refund = &purchases.refunds.back();
        refund->employee = random.pick(purchasingStaff);
        for (const Refund::RefundLine &returned : refund->lines)
            stock.change(returned.line.item, returned.line.unit, warehouse, -returned.line.quantity);
    }
    long long deposit = 0;
    const long long owed = payInvoice(random, total, 40, 20, refund, &deposit);
    if (refund)
        refund->method = refund->deposit > 0 ? method : '0';
    settle(random, id, day, owed, 30, purchases.payments);

    purchaseinvoice.row().num(id).text(numbered("PI-", id, 6));
    if (order >= 0)
        purchaseinvoice.num(order + 1);
    else
        purchaseinvoice.null();
    purchaseinvoice.num(random.pick(purchasingStaff)).num(vendor).date(day).num(warehouse).date(day).money(sum)
        .money(freightAmount).money(total).text(std::string(1, method)).money(deposit);
    if (random.percent(5))
        purchaseinvoice.text(random.pick(BenchNames::documentComments()));
    else
        purchaseinvoice.null();
    for (size_t l = 0; l < lines.size(); ++l) {
        writePurchaseLine(purchaseinvoicedetails, purchases.nextLineId++, id, lines[l]);
        purchaseinvoicedetails.date(produced[l]);
    }
}

CompanyData::CompanyData(const BenchSizes &sizes, quint32 seed, const QDate &today, const CompanyReference &reference)
    : builder(std::make_unique<Builder>(sizes, seed, today, reference))
{
    builder->build();
}

CompanyData::~CompanyData() = default;

std::vector<const InsertBatch *> CompanyData::batches() const
{
    return builder->batches();
}

long long CompanyData::rowCount() const
{
    long long rows = 0;
    for (const InsertBatch *batch : batches())
        rows += batch->rows;
    return rows;
}
