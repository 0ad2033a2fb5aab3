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
    const QString text = label ? label->text() : field->objectName();
    // A mnemonic's ampersand goes, "&&" reads as one, and one before a blank is shown as
    // it stands ("Salary & Wages").
    QString name;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size() && !text.at(i + 1).isSpace())
            ++i;
        name += text.at(i);
    }
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace FieldNames
