#include "core/widgets/fieldnames.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace FieldNames {

namespace {
const char labelProperty[] = "zarpoFieldLabel";
}

void setLabel(QWidget *field, const QLabel *label)
{
    field->setProperty(labelProperty, QVariant::fromValue(const_cast<QObject *>(static_cast<const QObject *>(label))));
}

QString of(const QWidget *field)
{
    const auto *label = qobject_cast<const QLabel *>(field->property(labelProperty).value<QObject *>());
    QString name = label ? label->text() : field->objectName();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace FieldNames
