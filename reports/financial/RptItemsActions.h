#ifndef RPTITEMSACTIONS_H
#define RPTITEMSACTIONS_H

// Every stock item with its net purchased and sold quantities, its quantity on hand and
// that quantity's value at purchase price and at the item's average price, then the two
// value totals and the profit or loss between them.
class RptItemsActions
{
public:
    static void showReport();
};

#endif // RPTITEMSACTIONS_H
