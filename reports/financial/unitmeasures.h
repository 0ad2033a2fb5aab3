#ifndef UNITMEASURES_H
#define UNITMEASURES_H

#include <QSqlError>
#include <QString>

// The temporary table, of the default connection, that gives the units of an item that
// its conversions (`itemuom`) join their place among the item's units: the columns
// ItemId, UOMId, GroupUOMId (the smallest unit that the unit's conversions reach, the
// unit itself included) and Factor (how many GroupUOMId units one UOMId unit holds, a
// decimal with 12 places, so that amounts multiplied by it stay decimal). Chains of
// conversions count, in either direction. A unit with no row stands alone, as its own
// group with factor 1: a unit that no conversion names, and one that is its own group's.
extern const char unitMeasuresTable[];

// Reads the conversions once and fills the table anew for the statements of one report
// run to join. The server's error when a statement failed, an invalid error otherwise.
QSqlError fillUnitMeasures();

#endif // UNITMEASURES_H
