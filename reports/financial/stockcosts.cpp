#include "reports/financial/stockcosts.h"

#include "core/db/connection.h"
#include "reports/financial/unitmeasures.h"
#include "reports/framework/cReport.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Quantities are counted in a pool's unit, where a conversion's factor may leave a
// fraction; closer to 0 than this is nothing left.
constexpr double nothing = 1e-9;

// The day of a sales invoice that is not there.
constexpr int noDay = -1;

// The order of the documents of one day.
enum Step : qint8 { Bought, SentBack, Sold, TakenBack };

struct Movement
{
    int day;       // TO_DAYS of the document's date; 0 for a document without one
    Step step;
    int stored;    // the line's id: the order in which a day's lines of one kind were stored
    double quantity;
    qint64 cents;     // Bought: what the line cost, freight included
    int purchaseLine; // SentBack: the line its goods were bought on
    int saleDay;      // TakenBack: the day of its sale
};

// What one day's sales of a pool took out.
struct SaleDay
{
    int day;
    double quantity;  // sold that day, less what came back since
    qint64 cents;     // what they cost, with what a later purchase added for those sold short
    long double unit; // what one cost: what goods taken back beyond those sold come back at
    int owed;         // the day's entry among the goods owed, -1 where none was sold short
};

// Goods taken out beyond what was on hand, which a later purchase fills.
struct Owed
{
    int saleDay; // -1: owed by goods sent back
    double quantity;
};

// A purchase line as goods sent back from it are valued: its cost over its quantity.
struct PurchaseLine
{
    qint64 cents = 0;
    double quantity = 0;
};

qint64 rounded(long double cents)
{
    return qint64(std::llround(cents));
}

// What goods taken back from a day's sales come back at: their share of what the day's
// goods still out cost, all of it where they are the last, and goods beyond those sold
// at what one cost.
qint64 takeBack(SaleDay &sale, double quantity)
{
    if (std::abs(quantity) <= nothing)
        return 0;
    const qint64 cents = quantity < 0                        ? rounded(sale.unit * quantity)
                         : quantity < sale.quantity - nothing ? rounded((long double)sale.cents * quantity / sale.quantity)
                                                              : sale.cents + rounded(sale.unit * (quantity - sale.quantity));
    sale.quantity -= quantity;
    sale.cents -= cents;
    if (std::abs(sale.quantity) <= nothing) {
        sale.quantity = 0;
        sale.cents = 0;
    }
    return cents;
}

class Pools
{
public:
    bool read();
    StockCosts costs();

private:
    bool readStockItems();
    bool readPurchases();
    bool readSentBack();
    bool readSales();
    bool readTakenBack();
    int pool(int item, int unit, double &quantity);
    void move(std::vector<Movement> &movements);
    void settle(double quantity, bool all, int firstDay, qint64 cents);

    QHash<QPair<int, int>, UnitMeasure> measures;
    QSet<int> stockItems;
    QHash<QPair<int, int>, int> poolIndex;
    // An item's unit: its pool (-1: no stock) and how many of the pool's unit it holds.
    struct Place
    {
        int pool;
        double factor;
    };
    QHash<quint64, Place> places;
    std::vector<std::vector<Movement>> pools;
    QHash<int, PurchaseLine> purchaseLines;
    // The pool being moved: its sale days in date order and its goods owed, the first of
    // them still open at firstOwed. Kept across the pools so that they are allocated once.
    std::vector<SaleDay> saleDays;
    std::vector<Owed> owed;
    size_t firstOwed = 0;
    std::vector<std::pair<size_t, double>> settled;
    qint64 soldCents = 0;
    qint64 sentBackCents = 0;
    qint64 expensedCents = 0;
};

bool told(const QSqlQuery &query)
{
    cReport::reportFailure(failureOf(query));
    return false;
}

bool Pools::read()
{
    const QSqlError measuresError = readUnitMeasures(measures);
    if (measuresError.isValid()) {
        cReport::reportFailure(measuresError);
        return false;
    }
    return readStockItems() && readPurchases() && readSentBack() && readSales() && readTakenBack();
}

bool Pools::readStockItems()
{
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ItemId FROM items WHERE TypeId = 1")))
        return told(query);
    while (query.next())
        stockItems.insert(query.value(0).toInt());
    return true;
}

// The pool of an item's unit, the quantity turned into the pool's unit; -1 for an item
// that is no stock. Each item's unit is looked up once: the sales lines are many.
int Pools::pool(int item, int unit, double &quantity)
{
    const quint64 key = quint64(quint32(item)) << 32 | quint32(unit);
    auto place = places.constFind(key);
    if (place == places.cend()) {
        Place found{-1, 1};
        if (stockItems.contains(item)) {
            int poolUnit = unit;
            const auto measure = measures.constFind({item, unit});
            if (measure != measures.cend()) {
                poolUnit = measure->groupUnit;
                found.factor = measure->factor();
            }
            found.pool = poolIndex.value({item, poolUnit}, int(pools.size()));
            if (found.pool == int(pools.size())) {
                poolIndex.insert({item, poolUnit}, found.pool);
                pools.emplace_back();
            }
        }
        place = places.insert(key, found);
    }
    quantity *= place->factor;
    return place->pool;
}

// Every invoice with its lines, the line's amount (discount and tax included, as the
// invoice totals that the purchases account takes) in cents. An invoice's freight is
// shared over its stock lines by their amounts, each share the difference between the
// rounded shares of the lines up to it and those before it, so the shares add up to the
// freight to the cent. What a line of any other item cost, and freight that no stock line
// carries (none, or lines that add up to 0), never was stock and is an expense when bought.
bool Pools::readPurchases()
{
    // The lines and their invoices are read apart: joined, the server would look up every
    // line's row for the columns that no index holds.
    QSqlQuery invoices(liveDefaultConnection());
    invoices.setForwardOnly(true);
    if (!invoices.exec(QStringLiteral("SELECT PurchaseInvoiceId, IFNULL(TO_DAYS(Date), 0),"
                                      " CAST(ROUND(IFNULL(Freight, 0) * 100) AS SIGNED) FROM purchaseinvoice")))
        return told(invoices);
    struct Invoice
    {
        int day;
        qint64 freight;
    };
    QHash<int, Invoice> invoiceOf;
    while (invoices.next())
        invoiceOf.insert(invoices.value(0).toInt(), {invoices.value(1).toInt(), invoices.value(2).toLongLong()});

    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT PurchaseInvoiceId, PurchaseInvoiceDetailsId, ItemId, UOMId, IFNULL(Quantity, 0),"
        " CAST(ROUND(IFNULL(IFNULL(BasePrice, 0) * Quantity - IFNULL(Discount, 0) + IFNULL(Tax, 0), 0) * 100) AS SIGNED)"
        " FROM purchaseinvoicedetails"));
    if (!query.exec())
        return told(query);
    struct Line
    {
        int invoice;
        int id; // 0: an invoice without lines
        int item;
        int unit;
        int quantity;
        qint64 cents;
    };
    QVector<Line> lines;
    while (query.next())
        if (invoiceOf.contains(query.value(0).toInt()))
            lines.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(), query.value(3).toInt(),
                          query.value(4).toInt(), query.value(5).toLongLong()});
    // Every invoice with a freight stands in the list, so that one without lines expenses it too.
    for (auto invoice = invoiceOf.cbegin(); invoice != invoiceOf.cend(); ++invoice)
        if (invoice->freight != 0)
            lines.append({invoice.key(), 0, 0, 0, 0, 0});
    std::sort(lines.begin(), lines.end(),
              [](const Line &a, const Line &b) { return a.invoice != b.invoice ? a.invoice < b.invoice : a.id < b.id; });

    for (int first = 0; first < lines.size();) {
        int end = first;
        qint64 stockCents = 0;
        while (end < lines.size() && lines.at(end).invoice == lines.at(first).invoice) {
            if (lines.at(end).id != 0 && stockItems.contains(lines.at(end).item))
                stockCents += lines.at(end).cents;
            ++end;
        }
        const Invoice &invoice = invoiceOf[lines.at(first).invoice];
        const qint64 freight = invoice.freight;
        const bool shared = freight != 0 && stockCents != 0;
        if (!shared)
            expensedCents += freight;
        qint64 amountBefore = 0;
        qint64 sharedBefore = 0;
        for (int i = first; i < end; ++i) {
            const Line &line = lines.at(i);
            if (line.id == 0)
                continue;
            double quantity = line.quantity;
            const int index = pool(line.item, line.unit, quantity);
            if (index < 0) {
                expensedCents += line.cents;
                continue;
            }
            qint64 cents = line.cents;
            if (shared) {
                amountBefore += line.cents;
                const qint64 sharedUpTo = rounded((long double)freight * amountBefore / stockCents);
                cents += sharedUpTo - sharedBefore;
                sharedBefore = sharedUpTo;
            }
            purchaseLines.insert(line.id, {cents, quantity});
            pools[size_t(index)].push_back({invoice.day, Bought, line.id, quantity, cents, 0, 0});
        }
        first = end;
    }
    return true;
}

bool Pools::readSentBack()
{
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT purchaserefunddetails.PurchaseRefundDetailsId, IFNULL(TO_DAYS(purchaserefund.Date), 0),"
            " purchaserefunddetails.ItemId, purchaserefunddetails.UOMId, IFNULL(purchaserefunddetails.Quantity, 0),"
            " IFNULL(purchaserefunddetails.PurchaseInvoiceDetailsId, 0)"
            " FROM purchaserefunddetails"
            " INNER JOIN purchaserefund ON purchaserefunddetails.PurchaseRefundId = purchaserefund.PurchaseRefundId"
            " INNER JOIN purchaseinvoice ON purchaserefund.PurchaseInvoiceId = purchaseinvoice.PurchaseInvoiceId")))
        return told(query);
    while (query.next()) {
        double quantity = query.value(4).toInt();
        const int index = pool(query.value(2).toInt(), query.value(3).toInt(), quantity);
        if (index >= 0)
            pools[size_t(index)].push_back({query.value(1).toInt(), SentBack, query.value(0).toInt(), quantity, 0,
                                            query.value(5).toInt(), 0});
    }
    return true;
}

// The sales lines are many: they come without their date, which the invoices give, read on
// their own, and every sale of a pool on one day moves as one.
bool Pools::readSales()
{
    QSqlQuery invoices(liveDefaultConnection());
    invoices.setForwardOnly(true);
    if (!invoices.exec(QStringLiteral("SELECT SalesInvoiceId, IFNULL(TO_DAYS(Date), 0) FROM salesinvoice")))
        return told(invoices);
    QVector<QPair<int, int>> read;
    int largest = 0;
    while (invoices.next()) {
        read.append({invoices.value(0).toInt(), invoices.value(1).toInt()});
        largest = std::max(largest, read.last().first);
    }
    // By invoice id, for the many lines to look up: a vector where the ids are dense
    // enough, as the server hands them out, a hash where they are not.
    std::vector<int> dayOf;
    QHash<int, int> sparseDayOf;
    if (largest <= 4 * read.size() + (1 << 20)) {
        dayOf.assign(size_t(std::max(largest, 0)) + 1, noDay);
        for (const QPair<int, int> &invoice : read)
            if (invoice.first >= 0)
                dayOf[size_t(invoice.first)] = invoice.second;
    } else {
        for (const QPair<int, int> &invoice : read)
            sparseDayOf.insert(invoice.first, invoice.second);
    }
    const auto dayOfInvoice = [&](int invoice) {
        if (invoice >= 0 && size_t(invoice) < dayOf.size())
            return dayOf[size_t(invoice)];
        return sparseDayOf.value(invoice, noDay);
    };

    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    // Prepared, so that the many rows come as numbers and not as text to be parsed.
    query.prepare(QStringLiteral("SELECT SalesInvoiceId, ItemId, UOMId, IFNULL(Quantity, 0) FROM salesinvoicedetails"));
    if (!query.exec())
        return told(query);
    while (query.next()) {
        const int day = dayOfInvoice(query.value(0).toInt());
        if (day == noDay)
            continue;
        double quantity = query.value(3).toInt();
        const int index = pool(query.value(1).toInt(), query.value(2).toInt(), quantity);
        if (index >= 0)
            pools[size_t(index)].push_back({day, Sold, 0, quantity, 0, 0, 0});
    }
    return true;
}

// A return moves no earlier than its sale's day, whatever its own date says (or misses),
// and comes back at what that day's sales cost. A sale of nothing on that day gives the
// day its place where the pool sold nothing else then, at the average of the moment.
bool Pools::readTakenBack()
{
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT salesrefunddetails.SalesRefundDetailsId, IFNULL(TO_DAYS(salesrefund.Date), 0),"
            " salesrefunddetails.ItemId, salesrefunddetails.UOMId, IFNULL(salesrefunddetails.Quantity, 0),"
            " IFNULL(TO_DAYS(salesinvoice.Date), 0)"
            " FROM salesrefunddetails"
            " INNER JOIN salesrefund ON salesrefunddetails.SalesRefundId = salesrefund.SalesRefundId"
            " INNER JOIN salesinvoice ON salesrefund.SalesInvoiceId = salesinvoice.SalesInvoiceId")))
        return told(query);
    while (query.next()) {
        double quantity = query.value(4).toInt();
        const int index = pool(query.value(2).toInt(), query.value(3).toInt(), quantity);
        if (index < 0)
            continue;
        const int saleDay = query.value(5).toInt();
        pools[size_t(index)].push_back(
            {std::max(query.value(1).toInt(), saleDay), TakenBack, query.value(0).toInt(), quantity, 0, 0, saleDay});
        pools[size_t(index)].push_back({saleDay, Sold, 0, 0, 0, 0, 0});
    }
    return true;
}

// Goods owed that came in: `quantity` of them (`all`: every one), those of the sale day
// `firstDay` first (a return fills its own sale's first), then in the order they were
// owed. A purchase's `cents`, what filling them cost beyond what they were taken out at,
// are shared over the days whose goods it filled by their quantities, each share the
// difference of the rounded shares up to it and before it.
void Pools::settle(double quantity, bool all, int firstDay, qint64 cents)
{
    settled.clear();
    const auto fill = [&](size_t index) {
        Owed &entry = owed[index];
        const double part = all ? entry.quantity : std::min(entry.quantity, quantity);
        if (part <= 0)
            return;
        entry.quantity -= part;
        quantity -= part;
        if (entry.quantity <= nothing)
            entry.quantity = 0;
        settled.emplace_back(index, part);
    };
    if (firstDay >= 0 && saleDays[size_t(firstDay)].owed >= 0)
        fill(size_t(saleDays[size_t(firstDay)].owed));
    for (; firstOwed < owed.size() && (all || quantity > nothing); ++firstOwed) {
        fill(firstOwed);
        if (owed[firstOwed].quantity > 0)
            break;
    }
    if (cents == 0 || settled.empty())
        return;
    double total = 0;
    for (const auto &part : settled)
        total += part.second;
    double upTo = 0;
    qint64 sharedBefore = 0;
    for (const auto &part : settled) {
        upTo += part.second;
        const qint64 sharedUpTo = rounded((long double)cents * upTo / total);
        const int day = owed[part.first].saleDay;
        if (day >= 0) {
            SaleDay &sale = saleDays[size_t(day)];
            sale.cents += sharedUpTo - sharedBefore;
            if (sale.quantity > nothing)
                sale.unit = sale.cents / (long double)sale.quantity;
        }
        sharedBefore = sharedUpTo;
    }
}

// One pool's movements in date order. The pool holds `cents` for `onHand`; a movement
// that leaves nothing on hand leaves nothing of the value either, whatever it was valued at.
void Pools::move(std::vector<Movement> &movements)
{
    std::sort(movements.begin(), movements.end(), [](const Movement &a, const Movement &b) {
        if (a.day != b.day)
            return a.day < b.day;
        if (a.step != b.step)
            return a.step < b.step;
        return a.stored < b.stored;
    });
    saleDays.clear();
    owed.clear();
    firstOwed = 0;
    double onHand = 0;
    qint64 cents = 0;
    // What one unit cost when the pool last held goods: what goods sold beyond those on
    // hand are taken out at (0 where it never held any).
    long double average = 0;
    for (size_t i = 0; i < movements.size();) {
        const Movement &movement = movements[i];
        double quantity = movement.quantity;
        size_t next = i + 1;
        if (movement.step == Sold)
            for (; next < movements.size() && movements[next].step == Sold && movements[next].day == movement.day; ++next)
                quantity += movements[next].quantity;

        const double left = movement.step == Bought || movement.step == TakenBack ? onHand + quantity : onHand - quantity;
        qint64 leftCents = 0;
        int saleDay = -1;
        switch (movement.step) {
        case Bought: {
            // Goods sold short, before this purchase came, cost what it paid for them.
            qint64 kept = cents;
            qint64 added = movement.cents;
            if (onHand < -nothing && quantity > nothing) {
                const double filled = std::min(quantity, -onHand);
                kept -= rounded((long double)cents * filled / -onHand);
                added -= rounded((long double)movement.cents * filled / quantity);
            }
            leftCents = kept + added;
            break;
        }
        case Sold: {
            const long double at = onHand > nothing ? cents / (long double)onHand : average;
            leftCents = onHand > nothing ? rounded((long double)cents * left / onHand) : cents - rounded(at * quantity);
            saleDay = int(saleDays.size());
            saleDays.push_back({movement.day, quantity, 0, at, -1});
            break;
        }
        case SentBack: {
            const auto line = purchaseLines.constFind(movement.purchaseLine);
            const long double at = line != purchaseLines.cend() && std::abs(line->quantity) > nothing
                                       ? line->cents / (long double)line->quantity
                                       : (onHand > nothing ? cents / (long double)onHand : average);
            leftCents = cents - rounded(at * quantity);
            break;
        }
        case TakenBack: {
            // Its sale's day has moved already: a return moves no earlier, and after the sales.
            const auto sale = std::lower_bound(saleDays.begin(), saleDays.end(), movement.saleDay,
                                               [](const SaleDay &day, int wanted) { return day.day < wanted; });
            if (sale != saleDays.end() && sale->day == movement.saleDay) {
                saleDay = int(sale - saleDays.begin());
                leftCents = cents + takeBack(*sale, quantity);
            } else {
                leftCents = cents + rounded(average * quantity);
            }
            break;
        }
        }
        if (std::abs(left) <= nothing)
            leftCents = 0;

        // What left the pool's value beyond what a purchase added to it.
        const qint64 taken = cents + (movement.step == Bought ? movement.cents : 0) - leftCents;
        if (movement.step == SentBack)
            sentBackCents += taken;
        else
            soldCents += taken;
        if (movement.step == Sold) {
            SaleDay &sale = saleDays.back();
            sale.cents = taken;
            if (quantity > nothing)
                sale.unit = taken / (long double)quantity;
        }

        // Goods taken out beyond those on hand are owed until goods come in; what the
        // purchase that fills them adds to their cost is their sale day's too.
        const double owedBefore = onHand < 0 ? -onHand : 0;
        const double owedAfter = left < -nothing ? -left : 0;
        if (owedAfter > owedBefore + nothing) {
            const int owing = movement.step == Sold ? saleDay : -1;
            if (owing >= 0)
                saleDays[size_t(owing)].owed = int(owed.size());
            owed.push_back({owing, owedAfter - owedBefore});
        } else if (owedAfter < owedBefore - nothing) {
            settle(owedBefore - owedAfter, owedAfter <= nothing, movement.step == TakenBack ? saleDay : -1,
                   movement.step == Bought ? taken : 0);
        }

        onHand = std::abs(left) <= nothing ? 0 : left;
        cents = leftCents;
        if (onHand > nothing)
            average = cents / (long double)onHand;
        i = next;
    }
}

StockCosts Pools::costs()
{
    for (std::vector<Movement> &movements : pools)
        move(movements);
    return {Money::fromCents(soldCents), Money::fromCents(sentBackCents), Money::fromCents(expensedCents)};
}
}

std::optional<StockCosts> stockCosts()
{
    Pools pools;
    if (!pools.read())
        return std::nullopt;
    return pools.costs();
}
