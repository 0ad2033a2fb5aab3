#ifndef UNITMEASURES_H
#define UNITMEASURES_H

#include <QString>

// The common table expressions, to follow "WITH RECURSIVE ", that give every unit of an
// item that has conversions (`itemuom`) its place among the item's units: `measures`
// with the columns ItemId, UOMId, GroupUOMId (the smallest unit that the unit's
// conversions reach, the unit itself included) and Factor (how many GroupUOMId units one
// UOMId unit holds, a decimal with 12 places, so that amounts multiplied by it stay
// decimal). Chains of conversions count, in either direction. A unit that no conversion
// names has no row: it stands alone, as its own group with factor 1.
QString unitMeasuresCte();

#endif // UNITMEASURES_H
