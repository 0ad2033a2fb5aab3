#include "core/system/cXml.h"
#include "app/startup.h"
#include "tests/support/testsupport.h"

#include <QFile>

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void languageDecision_data();
    void languageDecision();
};

void tst_startup::languageDecision_data()
{
    QTest::addColumn<QByteArray>("settings"); // empty: no settings file at all
    QTest::addColumn<QString>("translationName");
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("Arabic turns right to left")
        << QByteArray("<AccountingConf><Language DefaultLanguage=\"ar\"/></AccountingConf>") << "zarpo_ar" << "ar" << true;
    QTest::newRow("English")
        << QByteArray("<AccountingConf><Language DefaultLanguage=\"en\"/></AccountingConf>") << "zarpo_en" << "en" << false;
    QTest::newRow("an unknown code names its file but stays English")
        << QByteArray("<AccountingConf><Language DefaultLanguage=\"fr\"/></AccountingConf>") << "zarpo_fr" << "en" << false;
    QTest::newRow("the first Language element counts")
        << QByteArray("<AccountingConf><Language DefaultLanguage=\"ar\"/><Language DefaultLanguage=\"en\"/></AccountingConf>")
        << "zarpo_ar" << "ar" << true;
    QTest::newRow("no Language element loads nothing")
        << QByteArray("<AccountingConf><Author name=\"Zarpo\"/></AccountingConf>") << "" << "en" << false;
    QTest::newRow("no settings file starts in English") << QByteArray() << "zarpo_en" << "en" << false;
}

void tst_startup::languageDecision()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, translationName);
    QFETCH(QString, languageCode);
    QFETCH(bool, rightToLeft);

    QFile::remove(TestSupport::settingsPath());
    if (!settings.isEmpty()) {
        QFile file(TestSupport::settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }
    cXml xml(cXml::programSettingsPath());
    xml.load();

    const LanguageChoice choice = chooseLanguage(xml);

    QCOMPARE(choice.translationName, translationName);
    QCOMPARE(choice.languageCode, languageCode);
    QCOMPARE(choice.rightToLeft, rightToLeft);
    QVERIFY(QFile::exists(TestSupport::settingsPath()));
}

ZARPO_TEST_MAIN(tst_startup)
#include "tst_startup.moc"
