#include "core/lefttorightdelegate.h"

QString LeftToRightDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    const QString text = QStyledItemDelegate::displayText(value, locale);
    // An embedding, not a mark: "+44 161 8148903" has no strong letter that a mark could
    // lean on, and its runs would still be ordered from the right.
    return text.isEmpty() ? text : QChar(0x202A) + text + QChar(0x202C);
}
