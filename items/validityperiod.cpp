#include "items/validityperiod.h"

#include <initializer_list>

int ValidityPeriod::daysPer(Unit unit)
{
    switch (unit) {
    case Weeks:
        return 7;
    case Months:
        return 30;
    case Years:
        return 365;
    case Days:
        break;
    }
    return 1;
}

int ValidityPeriod::maxNumber(Unit unit)
{
    return maxDays / daysPer(unit);
}

int ValidityPeriod::days() const
{
    return number * daysPer(unit);
}

ValidityPeriod ValidityPeriod::fromDays(int days)
{
    for (Unit unit : {Years, Months, Weeks}) {
        if (days % daysPer(unit) == 0)
            return {days / daysPer(unit), unit};
    }
    return {days, Days};
}
