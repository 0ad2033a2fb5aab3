#include "app/startup.h"

#include "core/system/cXml.h"

LanguageChoice chooseLanguage(const cXml &settings)
{
    LanguageChoice choice;
    choice.languageCode = QStringLiteral("en");
    const QStringList codes = settings.getAttributes(QStringLiteral("Language"), QStringLiteral("DefaultLanguage"));
    if (codes.isEmpty())
        return choice;
    choice.translationName = QStringLiteral("zarpo_") + codes.first();
    if (codes.first() == QLatin1String("ar")) {
        choice.languageCode = QStringLiteral("ar");
        choice.rightToLeft = true;
    }
    return choice;
}
