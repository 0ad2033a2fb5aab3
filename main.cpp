#include "app/frmLogin.h"
#include "app/startup.h"
#include "core/system/cXml.h"
#include "core/widgets/direction.h"
#include "core/widgets/screenfit.h"
#include "core/system/globals.h"
#include "core/system/resources.h"
#include "core/system/seams.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSplashScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0 Beta"));
    QApplication app(argc, argv);
    initZarpoResources();
    Direction::applyToApplication();

    QSplashScreen splash(QPixmap(QStringLiteral(":new/Pics/AccResources/splash.jpg")));
    splash.show();
    app.processEvents();

    cXml settings(cXml::programSettingsPath());
    settings.load();
    const LanguageChoice language = chooseLanguage(settings);
    languageCode = language.languageCode;
    rightToLeft = language.rightToLeft;

    QTranslator translator;
    translator.load(QDir(programDir()).filePath(language.translationName));
    app.installTranslator(&translator);
    // Qt's own texts (the standard buttons of message boxes and dialogs) in the same language.
    QTranslator qtTranslator;
    if (language.languageCode != QLatin1String("en")) {
        qtTranslator.load(QStringLiteral("qtbase_") + language.languageCode,
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath));
        app.installTranslator(&qtTranslator);
    }
    // Message boxes and the dialogs no window of ours sets up mirror in Arabic too. Set
    // after the translators: installing one resets the direction from Qt's own texts.
    if (rightToLeft) {
        app.setLayoutDirection(Qt::RightToLeft);
        Direction::keepDateFieldsLeftToRight();
    }

    auto *login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    ScreenFit::show(login);
    splash.finish(login);

    return app.exec();
}
