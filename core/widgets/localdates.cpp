#include "core/widgets/localdates.h"

#include "core/system/globals.h"

namespace LocalDates {

QLocale interfaceLocale()
{
    return languageCode == QLatin1String("ar") ? QLocale(QLocale::Arabic, QLocale::Egypt)
                                              : QLocale(QLocale::English, QLocale::UnitedStates);
}

QString toString(const QDate &date, const QString &format)
{
    // The Arabic locale writes its own digits (١١ ديسمبر); Qt 5 cannot be told otherwise.
    QString text = interfaceLocale().toString(date, format);
    for (QChar &character : text)
        if (character.category() == QChar::Number_DecimalDigit)
            character = QChar('0' + character.digitValue());
    return text;
}

QString withDayName(const QDate &date)
{
    // English keeps the toolkit's familiar short form; Arabic has no short day names.
    const QString format = languageCode == QLatin1String("ar") ? interfaceLocale().dateFormat(QLocale::LongFormat)
                                                              : QStringLiteral("ddd MMM d yyyy");
    return toString(date, format);
}

} // namespace LocalDates
