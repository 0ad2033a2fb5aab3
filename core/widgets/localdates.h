#ifndef LOCALDATES_H
#define LOCALDATES_H

#include <QDate>
#include <QLocale>
#include <QString>

// Dates written out with the names of days and months: in the interface's language (Arabic
// when languageCode is "ar", English otherwise), whatever the system's language, and with
// the digits 0-9 that every amount and number of the program shows in either language.
namespace LocalDates {

// The locale of the interface's language: Arabic (Egypt) or English (United States).
QLocale interfaceLocale();

// `date` in `format` (QLocale's format letters) of the interface's locale, digits 0-9.
QString toString(const QDate &date, const QString &format);

// A day with its name, as the main window heads itself: "Fri Dec 11 2026" in English,
// "الجمعة، 11 ديسمبر 2026" in Arabic.
QString withDayName(const QDate &date);

} // namespace LocalDates

#endif // LOCALDATES_H
