#include "core/cXml.h"
#include "app/frmLogin.h"
#include "core/globals.h"
#include "core/resources.h"
#include "core/seams.h"
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QSplashScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0 Beta"));
    QApplication app(argc, argv);
    initZarpoResources();

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

    auto *login = new frmLogin(nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    login->show();
    splash.finish(login);

    return app.exec();
}
