#include "reports/financial/unitmeasures.h"

QString unitMeasuresCte()
{
    // `walks` follows the conversions from every unit that one names, each way, a unit
    // once per walk, so a cycle of conversions ends; Size is the reached unit's size in
    // the starting unit. Each step reads the walk first and looks the item's conversions
    // up by the index on the item. The group's unit is the smallest that the walks reach,
    // so that factors are whole where the conversions are; where two walks reach it the
    // shortest is taken: a conversion stored wrongly far away then changes nothing near.
    // A variance of 0 or less converts nothing.
    return QStringLiteral(
        "units AS ("
        "SELECT ItemId, BigUOMId AS UOMId FROM itemuom WHERE `Variance` > 0 AND BigUOMId <> SmallUOMId "
        "UNION SELECT ItemId, SmallUOMId FROM itemuom WHERE `Variance` > 0 AND BigUOMId <> SmallUOMId), "
        "walks AS ("
        "SELECT ItemId, UOMId AS StartUOMId, UOMId, CAST(1 AS DOUBLE) AS Size, 0 AS Steps, "
        "CAST(CONCAT(',', UOMId, ',') AS CHAR(255)) AS Path FROM units "
        "UNION ALL "
        "SELECT walks.ItemId, walks.StartUOMId, itemuom.SmallUOMId, walks.Size / itemuom.`Variance`, walks.Steps + 1, "
        "CONCAT(walks.Path, itemuom.SmallUOMId, ',') "
        "FROM walks STRAIGHT_JOIN itemuom ON itemuom.ItemId = walks.ItemId AND itemuom.BigUOMId = walks.UOMId "
        "WHERE itemuom.`Variance` > 0 AND LOCATE(CONCAT(',', itemuom.SmallUOMId, ','), walks.Path) = 0 "
        "UNION ALL "
        "SELECT walks.ItemId, walks.StartUOMId, itemuom.BigUOMId, walks.Size * itemuom.`Variance`, walks.Steps + 1, "
        "CONCAT(walks.Path, itemuom.BigUOMId, ',') "
        "FROM walks STRAIGHT_JOIN itemuom ON itemuom.ItemId = walks.ItemId AND itemuom.SmallUOMId = walks.UOMId "
        "WHERE itemuom.`Variance` > 0 AND LOCATE(CONCAT(',', itemuom.BigUOMId, ','), walks.Path) = 0), "
        "groupwalks AS ("
        "SELECT walks.ItemId, walks.StartUOMId, walks.UOMId, walks.Size, "
        "ROW_NUMBER() OVER (PARTITION BY walks.ItemId, walks.StartUOMId ORDER BY ROUND(walks.Size, 9), walks.UOMId, walks.Steps) AS Pick "
        "FROM walks), "
        "measures AS ("
        "SELECT ItemId, StartUOMId AS UOMId, UOMId AS GroupUOMId, CAST(1 / Size AS DECIMAL(30, 12)) AS Factor "
        "FROM groupwalks WHERE Pick = 1)");
}
