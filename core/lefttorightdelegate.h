#ifndef LEFTTORIGHTDELEGATE_H
#define LEFTTORIGHTDELEGATE_H

#include <QStyledItemDelegate>

// `text` as one left-to-right run inside right-to-left text: a file path in an Arabic
// message, whose slashes would otherwise be laid out from the right. Empty stays empty.
QString leftToRightRun(const QString &text);

// Shows a cell's text as one left-to-right run, for phone numbers and the like. In a
// right-to-left grid the digit groups of "0100 555 1234" would otherwise be laid out
// from the right, as "1234 555 0100".
class LeftToRightDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;
};

#endif // LEFTTORIGHTDELEGATE_H
