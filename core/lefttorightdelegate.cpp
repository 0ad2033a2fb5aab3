#include "core/lefttorightdelegate.h"

QString LeftToRightDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    const QString text = QStyledItemDelegate::displayText(value, locale);
    return text.isEmpty() ? text : QChar(0x200E) + text; // left-to-right mark
}
