#ifndef VALIDITYPERIOD_H
#define VALIDITYPERIOD_H

// An item's shelf life as the item editor shows it, a number of days, weeks, months or
// years, and as the database keeps it, one day count (ValidityInDays).
struct ValidityPeriod
{
    // The entries of the editor's unit combo, in their order.
    enum Unit { Days, Weeks, Months, Years };

    // The largest day count the column holds.
    static const int maxDays = 65535;

    int number = 0;
    Unit unit = Days;

    static int daysPer(Unit unit);
    // The most units of `unit` that the column holds.
    static int maxNumber(Unit unit);

    // The period's day count; above maxDays for a period too long to store.
    int days() const;

    // A stored day count in the largest unit that divides it: 14 gives 2 weeks, 210 gives
    // 7 months (not 30 weeks), 0 gives 0 years.
    static ValidityPeriod fromDays(int days);
};

#endif // VALIDITYPERIOD_H
