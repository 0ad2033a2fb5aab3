#include "core/combofill.h"

#include "core/connection.h"

#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

bool fillComboFromQuery(QComboBox *combo, const QStringList &leading, const QString &sql)
{
    combo->clear();
    combo->addItems(leading);
    QSqlQuery query(liveDefaultConnection());
    if (!query.exec(sql))
        return false;
    const bool withIds = query.record().count() > 1;
    while (query.next()) {
        if (withIds)
            combo->addItem(query.value(1).toString(), query.value(0).toInt());
        else
            combo->addItem(query.value(0).toString());
    }
    return true;
}
