#include "reports/financial/unitmeasures.h"

QString unitMeasuresCte()
{
    // `links` holds each conversion both ways with Ratio, the size of the To unit in From
    // units; `walks` follows them from every unit, a unit once per walk, so a cycle of
    // conversions ends. The group's unit is the smallest that the walks reach, so that
    // factors are whole where the conversions are; where two walks reach it the shortest
    // is taken: a conversion stored wrongly far away then changes nothing near. A variance
    // of 0 or less converts nothing.
    return QStringLiteral(
        "links AS ("
        "SELECT ItemId, BigUOMId AS FromUOMId, SmallUOMId AS ToUOMId, 1 / CAST(`Variance` AS DOUBLE) AS Ratio "
        "FROM itemuom WHERE `Variance` > 0 AND BigUOMId <> SmallUOMId "
        "UNION ALL "
        "SELECT ItemId, SmallUOMId, BigUOMId, CAST(`Variance` AS DOUBLE) "
        "FROM itemuom WHERE `Variance` > 0 AND BigUOMId <> SmallUOMId), "
        "walks AS ("
        "SELECT DISTINCT ItemId, FromUOMId AS StartUOMId, FromUOMId AS UOMId, CAST(1 AS DOUBLE) AS Size, 0 AS Steps, "
        "CAST(CONCAT(',', FromUOMId, ',') AS CHAR(1000)) AS Path FROM links "
        "UNION ALL "
        "SELECT walks.ItemId, walks.StartUOMId, links.ToUOMId, walks.Size * links.Ratio, walks.Steps + 1, "
        "CONCAT(walks.Path, links.ToUOMId, ',') "
        "FROM walks INNER JOIN links ON links.ItemId = walks.ItemId AND links.FromUOMId = walks.UOMId "
        "WHERE LOCATE(CONCAT(',', links.ToUOMId, ','), walks.Path) = 0), "
        "groupwalks AS ("
        "SELECT walks.ItemId, walks.StartUOMId, walks.UOMId, walks.Size, "
        "ROW_NUMBER() OVER (PARTITION BY walks.ItemId, walks.StartUOMId ORDER BY ROUND(walks.Size, 9), walks.UOMId, walks.Steps) AS Pick "
        "FROM walks), "
        "measures AS ("
        "SELECT ItemId, StartUOMId AS UOMId, UOMId AS GroupUOMId, CAST(1 / Size AS DECIMAL(30, 12)) AS Factor "
        "FROM groupwalks WHERE Pick = 1)");
}
