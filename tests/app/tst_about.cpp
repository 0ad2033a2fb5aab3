#include "app/frmAbout.h"
#include "app/frmPreferences.h"
#include "core/system/globals.h"
#include "core/system/seams.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QUrl>

using TestSupport::MessageRecorder;

namespace {
// Stands in for the Arabic translation file, with just the about box's one translated word.
class ArabicVersionLabel : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "frmAbout") == 0 && qstrcmp(sourceText, "Version: ") == 0)
            return QStringLiteral("الإصدار: ");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

bool hasOnlyTheCloseButton(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return (flags & Qt::WindowCloseButtonHint)
        && !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
}
}

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void versionLine_data();
    void versionLine();
    void linksGoToTheDesktop_data();
    void linksGoToTheDesktop();
    void closeButtonCloses();
    void arabicMode_data();
    void arabicMode();
    void windowFrames();

private:
    QList<QUrl> opened;
    bool desktopTakes = true;
};

void tst_about::init()
{
    MessageRecorder::clear();
    opened.clear();
    desktopTakes = true;
    Desktop::openUrl = [this](const QUrl &url) {
        opened << url;
        return desktopTakes;
    };
}

void tst_about::cleanup()
{
    rightToLeft = false;
}

void tst_about::versionLine_data()
{
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English") << false << "Version: 2.1.0 Beta";
    // The isolate keeps "2.1.0 Beta" in its own order after the Arabic word.
    QTest::newRow("the label is translated, the version is not")
        << true << QString::fromUtf8("\u200Fالإصدار: \u20662.1.0 Beta\u2069");
}

void tst_about::versionLine()
{
    QFETCH(bool, arabic);
    QFETCH(QString, shown);
    ArabicVersionLabel translator;
    if (arabic)
        QCoreApplication::installTranslator(&translator);

    frmAbout about(nullptr);

    QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), shown);
}

void tst_about::linksGoToTheDesktop_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("desktopTakes");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("web site") << "lblWebsite" << true << QUrl("https://zarpo.example.org");
    QTest::newRow("e-mail") << "lblEmail" << true << QUrl("mailto:support@zarpo.example.org");
    QTest::newRow("a link nothing opens is dropped quietly") << "lblEmail" << false
                                                              << QUrl("mailto:support@zarpo.example.org");
}

void tst_about::linksGoToTheDesktop()
{
    QFETCH(QString, label);
    QFETCH(bool, desktopTakes);
    QFETCH(QUrl, url);
    this->desktopTakes = desktopTakes;
    frmAbout about(nullptr);
    about.show();
    auto *link = about.findChild<QLabel *>(label);

    // The label holds nothing but its link, so its first letters are the link.
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(link->contentsRect().left() + 4, link->height() / 2));

    QCOMPARE(opened, QList<QUrl>{url});
    QVERIFY(MessageRecorder::messages().isEmpty());
    QVERIFY(about.isVisible());
}

void tst_about::closeButtonCloses()
{
    QPointer<frmAbout> about = new frmAbout(nullptr);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();

    QTest::mouseClick(about->findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(about.isNull());
    QVERIFY(opened.isEmpty());
}

void tst_about::arabicMode_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<Qt::LayoutDirection>("preferences");
    QTest::newRow("English: both left to right") << false << Qt::LeftToRight;
    QTest::newRow("Arabic: the about box stays left to right") << true << Qt::RightToLeft;
}

void tst_about::arabicMode()
{
    QFETCH(bool, rightToLeft);
    QFETCH(Qt::LayoutDirection, preferences);
    ::rightToLeft = rightToLeft;

    frmAbout about(nullptr);
    frmPreferences preferencesWindow(nullptr);

    QCOMPARE(about.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(preferencesWindow.layoutDirection(), preferences);
}

void tst_about::windowFrames()
{
    frmAbout about(nullptr);
    frmPreferences preferences(nullptr);

    QVERIFY(hasOnlyTheCloseButton(about));
    QVERIFY(!(about.windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(about.palette().color(QPalette::Active, QPalette::Window), QColor(211, 221, 255));

    QVERIFY(hasOnlyTheCloseButton(preferences));
    QVERIFY(preferences.windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
    QCOMPARE(preferences.objectName(), QString("frmPreferences"));
    QCOMPARE(preferences.windowTitle(), QString("Preferences"));
    QCOMPARE(preferences.size(), QSize(400, 300));
}

ZARPO_TEST_MAIN(tst_about)
#include "tst_about.moc"
