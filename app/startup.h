#ifndef STARTUP_H
#define STARTUP_H

#include <QString>

class cXml;

struct LanguageChoice
{
    QString translationName; // file name without suffix; empty when the file names no language
    QString languageCode;    // "en" or "ar"
    bool rightToLeft = false;
};

// Reads the interface language from a loaded settings file. Only "ar" turns the
// interface Arabic and right to left; any other code still names the file tried.
LanguageChoice chooseLanguage(const cXml &settings);

#endif // STARTUP_H
