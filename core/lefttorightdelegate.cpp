#include "core/lefttorightdelegate.h"

QString leftToRightRun(const QString &text)
{
    // An embedding, not a mark: "+44 161 8148903" has no strong letter that a mark could
    // lean on, and its runs would still be ordered from the right.
    return text.isEmpty() ? text : QChar(0x202A) + text + QChar(0x202C);
}

QString LeftToRightDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return leftToRightRun(QStyledItemDelegate::displayText(value, locale));
}
