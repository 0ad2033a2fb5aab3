#include "reports/financial/unitmeasures.h"

#include "core/db/connection.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cmath>
#include <tuple>

const char unitMeasuresTable[] = "unitmeasures";

namespace {
struct Conversion
{
    int bigUnit;
    int smallUnit;
    double variance;
};

// A unit that a walk reached: Size is its size in the starting unit.
struct Reached
{
    int unit;
    double size;
    int steps;
};

// Follows the conversions from the walk's last unit, each way, a unit once per walk, so a
// cycle of conversions ends. Sizes are doubles, multiplied and divided in the walk's
// order, so that the same conversions always give the same factor.
void walk(const QVector<Conversion> &conversions, QVector<int> &path, double size, QVector<Reached> &reached)
{
    reached.append({path.last(), size, int(path.size()) - 1});
    for (const Conversion &conversion : conversions) {
        if (conversion.bigUnit == path.last() && !path.contains(conversion.smallUnit)) {
            path.append(conversion.smallUnit);
            walk(conversions, path, size / conversion.variance, reached);
            path.removeLast();
        }
        if (conversion.smallUnit == path.last() && !path.contains(conversion.bigUnit)) {
            path.append(conversion.bigUnit);
            walk(conversions, path, size * conversion.variance, reached);
            path.removeLast();
        }
    }
}

// The group's unit is the smallest that the walks reach, so that factors are whole where
// the conversions are; sizes equal to 9 places are the same size. Where two walks reach
// it the shortest is taken: a conversion stored wrongly far away then changes nothing
// near.
Reached groupUnit(const QVector<Reached> &reached)
{
    const auto key = [](const Reached &r) { return std::make_tuple(std::nearbyint(r.size * 1e9) / 1e9, r.unit, r.steps); };
    Reached pick = reached.first();
    for (const Reached &r : reached)
        if (key(r) < key(pick))
            pick = r;
    return pick;
}
}

QSqlError readUnitMeasures(QHash<QPair<int, int>, UnitMeasure> &measures)
{
    measures.clear();
    // A variance of 0 or less converts nothing.
    QSqlQuery query(liveDefaultConnection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ItemId, BigUOMId, SmallUOMId, `Variance` FROM itemuom WHERE `Variance` > 0")))
        return failureOf(query);
    QHash<int, QVector<Conversion>> conversions;
    while (query.next())
        conversions[query.value(0).toInt()].append({query.value(1).toInt(), query.value(2).toInt(), query.value(3).toDouble()});

    for (auto item = conversions.cbegin(); item != conversions.cend(); ++item) {
        QVector<int> units;
        for (const Conversion &conversion : item.value())
            if (conversion.bigUnit != conversion.smallUnit)
                for (int unit : {conversion.bigUnit, conversion.smallUnit})
                    if (!units.contains(unit))
                        units.append(unit);
        for (int unit : units) {
            QVector<int> path{unit};
            QVector<Reached> reached;
            walk(item.value(), path, 1, reached);
            const Reached group = groupUnit(reached);
            if (group.unit != unit)
                measures.insert({item.key(), unit}, {group.unit, group.size});
        }
    }
    return QSqlError();
}

double UnitMeasure::factor() const
{
    // As the server's DECIMAL(30, 12) of the same division holds it.
    return std::nearbyint(1e12 / size) / 1e12;
}

QSqlError fillUnitMeasures()
{
    QHash<QPair<int, int>, UnitMeasure> measures;
    const QSqlError error = readUnitMeasures(measures);
    if (error.isValid())
        return error;
    // The size goes to the server as a double, in full, and the server turns it into the
    // factor, so that the factor is the decimal the server's own arithmetic gives.
    QStringList rows;
    for (auto measure = measures.cbegin(); measure != measures.cend(); ++measure)
        rows << QStringLiteral("(%1, %2, %3, CAST(1 / %4 AS DECIMAL(30, 12)))")
                    .arg(measure.key().first).arg(measure.key().second).arg(measure->groupUnit)
                    .arg(measure->size, 0, 'e', 16);
    QSqlQuery query(liveDefaultConnection());
    if (!query.exec(QStringLiteral("CREATE OR REPLACE TEMPORARY TABLE %1 (ItemId INT NOT NULL, UOMId INT NOT NULL,"
                                   " GroupUOMId INT NOT NULL, Factor DECIMAL(30, 12) NOT NULL,"
                                   " PRIMARY KEY (ItemId, UOMId)) ENGINE = MEMORY")
                        .arg(QLatin1String(unitMeasuresTable))))
        return failureOf(query);
    if (!rows.isEmpty()
        && !query.exec(QStringLiteral("INSERT INTO %1 VALUES %2").arg(QLatin1String(unitMeasuresTable), rows.join(", "))))
        return failureOf(query);
    return QSqlError();
}
