#ifndef STOCKCOSTS_H
#define STOCKCOSTS_H

#include "core/db/money.h"

#include <optional>

// What the goods cost as they left the stock that the purchases account keeps, valued at
// a moving average in date order. A pool of goods is an item's units that its conversions
// join (a unit no conversion joins is a pool of its own). A purchase line adds its goods
// at what they cost, its share of the invoice's freight included (the shares rounded so
// that they add up to the freight). A sale takes goods out at the average of what is on
// hand at its date, a day's sales of a pool as one. Goods sold beyond those on hand leave
// at the average of when the pool last held goods (0 where it never did) and are owed
// until a purchase fills them at what it paid; the difference is part of what their sale
// day cost. A customer's return moves no earlier than its sale's day, whatever its own
// date (or none) says, and comes back at its share of what the goods that day's sales
// took out finally cost, those taken back before it left out. Goods sent back to the
// vendor leave at what their purchase line cost (the average on hand where the line is
// gone), even beyond what is on hand: the pool then owes them, and the purchase that fills
// them brings them in at its own cost, the difference a cost of the goods sold. The
// documents of one day move in this order: purchases, goods sent back, sales, customers'
// returns, each kind in the order stored.
// What a pool holds is rounded to the cent once after every movement and each cost is the
// difference, so a pool with nothing left holds exactly 0.
struct StockCosts
{
    Money sold;     // the goods sold less those taken back
    Money sentBack; // the goods sent back to vendors
    Money expensed; // what the purchases bought that is no stock: other items and freight no stock line carries
};

// Tells a failed statement with the server's error, and then gives nothing.
std::optional<StockCosts> stockCosts();

#endif // STOCKCOSTS_H
