#ifndef UNITMEASURES_H
#define UNITMEASURES_H

#include <QHash>
#include <QPair>
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

// Where an item's unit stands in its group: GroupUOMId and the size of one such unit in
// the unit itself (a Case of 12 Each: 1/12).
struct UnitMeasure
{
    int groupUnit = 0;
    double size = 1;

    // How many group units one unit holds, to the 12 places the table's Factor keeps.
    double factor() const;
};

// The conversions read and walked, by ItemId and UOMId, for the units the table holds a
// row for; the server's error when the read failed, an invalid error otherwise.
QSqlError readUnitMeasures(QHash<QPair<int, int>, UnitMeasure> &measures);

// Reads the conversions once and fills the table anew for the statements of one report
// run to join. The server's error when a statement failed, an invalid error otherwise.
QSqlError fillUnitMeasures();

#endif // UNITMEASURES_H
