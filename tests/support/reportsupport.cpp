#include "tests/support/reportsupport.h"

#include "core/system/seams.h"
#include "reports/framework/frmReportViewer.h"
#include "tests/support/testsupport.h"
#include "tests/support/widgetdrivers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QToolBar>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>

namespace ReportSupport {

void copyReportTemplates()
{
    const QDir built(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Reports")));
    QDirIterator templates(built.path(), {QStringLiteral("*.Rep")}, QDir::Files, QDirIterator::Subdirectories);
    while (templates.hasNext()) {
        const QString source = templates.next();
        const QString target = QDir(TestSupport::programFolder()).filePath(QStringLiteral("Reports/") + built.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            qFatal("Cannot copy the report template %s", qPrintable(source));
    }
}

QStringList latinTextOutOfOrder(QWebFrame *frame, const QString &selector)
{
    QWebSettings *settings = frame->page()->settings();
    const bool scripts = settings->testAttribute(QWebSettings::JavascriptEnabled);
    settings->setAttribute(QWebSettings::JavascriptEnabled, true);
    // A word's box is its range's: the lines are the boxes' tops, a line read by their lefts.
    const QVariant found = frame->evaluateJavaScript(QStringLiteral(R"(
        (function (selector) {
            var found = [];
            var elements = document.querySelectorAll(selector);
            for (var i = 0; i < elements.length; ++i) {
                if (elements[i].querySelector('td, th'))
                    continue; // cells side by side are not one text
                var words = [];
                var walker = document.createTreeWalker(elements[i], NodeFilter.SHOW_TEXT, null, false);
                for (var node = walker.nextNode(); node; node = walker.nextNode()) {
                    var word = /[^\s\u202a-\u202e\u2066-\u2069]+/g, match;
                    while ((match = word.exec(node.data))) {
                        var range = document.createRange();
                        range.setStart(node, match.index);
                        range.setEnd(node, match.index + match[0].length);
                        var box = range.getBoundingClientRect();
                        words.push({text: match[0], top: Math.round(box.top), left: box.left});
                    }
                }
                var text = words.map(function (w) { return w.text; }).join(' ');
                if (!words.length || /[\u0600-\u06ff]/.test(text))
                    continue;
                words.sort(function (a, b) { return a.top - b.top || a.left - b.left; });
                var painted = words.map(function (w) { return w.text; }).join(' ');
                if (painted != text)
                    found.push(text + '  =>  ' + painted);
            }
            return found;
        })(%1)
    )").arg(QLatin1Char('"') + selector + QLatin1Char('"')));
    settings->setAttribute(QWebSettings::JavascriptEnabled, scripts);
    if (found.type() != QVariant::List)
        return {QStringLiteral("the page's words could not be read")};
    return found.toStringList();
}

QList<frmReportViewer *> openViewers()
{
    QList<frmReportViewer *> viewers;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<frmReportViewer *>(widget))
            if (viewer->isVisible())
                viewers << viewer;
    return viewers;
}

bool waitUntilReady(frmReportViewer *viewer)
{
    return QTest::qWaitFor([viewer]() { return viewer->pageReady(); }, 10000);
}

void closeViewers()
{
    for (frmReportViewer *viewer : openViewers())
        viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString fillPanel(QWidget *panel, const QString &settings)
{
    QStringList failed;
    for (const QString &line : settings.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString name = line.section(QStringLiteral(" = "), 0, 0).trimmed();
        const QString value = line.section(QStringLiteral(" = "), 1);
        QWidget *widget = panel->findChild<QWidget *>(name);
        if (auto *check = qobject_cast<QCheckBox *>(widget)) {
            check->setChecked(value == QLatin1String("ticked"));
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            const QString shown = QCoreApplication::translate(panel->metaObject()->className(), value.toUtf8().constData());
            if (box->findText(shown) < 0)
                failed << line;
            else
                choose(box, shown);
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->clear();
            type(edit, value);
        } else if (auto *date = qobject_cast<QDateEdit *>(widget)) {
            date->setDate(QDate::fromString(value, Qt::ISODate));
        } else {
            failed << line;
        }
    }
    return failed.join(QLatin1Char('\n'));
}

void exportPdf(frmReportViewer *viewer, const QString &fileName, int paperIndex, int orientationIndex)
{
    viewer->findChild<QComboBox *>(QStringLiteral("cmbPaperSize"))->setCurrentIndex(paperIndex);
    viewer->findChild<QComboBox *>(QStringLiteral("cmbOrientation"))->setCurrentIndex(orientationIndex);
    const FileDialogs::FileFn realDialog = FileDialogs::getSaveFileName;
    FileDialogs::getSaveFileName = [fileName](QWidget *, const QString &, const QString &, const QString &) {
        return fileName;
    };
    auto *toolBar = viewer->findChild<QToolBar *>();
    for (QAction *action : toolBar->actions())
        if (action->text() == frmReportViewer::tr("Export PDF"))
            emit toolBar->actionTriggered(action);
    FileDialogs::getSaveFileName = realDialog;
}

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString comparable(const QString &pdfOutput)
{
    QString text = pdfOutput.normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\\x{200B}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
    return text;
}
}

QString pdfText(const QString &fileName)
{
    return comparable(run(QStringLiteral("pdftotext"), {fileName, QStringLiteral("-")}));
}

QString pdfPageLayout(const QString &fileName, int page)
{
    const QString number = QString::number(page);
    return comparable(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                                        QStringLiteral("-l"), number, fileName, QStringLiteral("-")}));
}

QList<PdfWord> pdfWords(const QString &fileName, int page)
{
    const QString number = QString::number(page);
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                                           QStringLiteral("-l"), number, fileName, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    QRegularExpressionMatchIterator found = word.globalMatch(html);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        const QString text = comparable(match.captured(5)).trimmed();
        if (!text.isEmpty())
            words.append(PdfWord{text, QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                               QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    }
    return words;
}

QStringList wordsDrawnOverOthers(const QString &fileName, int page)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z0-9]"));
    const QList<PdfWord> words = pdfWords(fileName, page);
    QStringList over;
    for (int a = 0; a < words.size(); ++a)
        for (int b = a + 1; b < words.size(); ++b) {
            if (!words.at(a).text.contains(latin) && !words.at(b).text.contains(latin))
                continue;
            const QRectF overlap = words.at(a).box.intersected(words.at(b).box);
            if (overlap.width() >= 1 && overlap.height() >= 1)
                over << words.at(a).text + QStringLiteral(" over ") + words.at(b).text;
        }
    return over;
}

QString pdfInfo(const QString &fileName, const QString &label)
{
    const QString info = run(QStringLiteral("pdfinfo"), {fileName});
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(label) + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

} // namespace ReportSupport
