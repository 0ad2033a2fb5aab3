#include "reports/framework/frmReportViewer.h"
#include "ui_frmReportViewer.h"

#include "core/globals.h"
#include "core/direction.h"
#include "core/messages.h"
#include "core/seams.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebElement>
#include <QWebFrame>
#include <QWebSettings>
#include <QWebView>

namespace {
const QChar leftToRightEmbedding(0x202A);
const QChar popDirectionalFormatting(0x202C);

// Two faults of QtWebKit in right-to-left pages, mended once the page is laid out, in
// the elements that hold text alone:
// - a text that mixes Arabic with Latin letters or digits is drawn outside its cell, on
//   screen and on paper; each Latin or digit run in a plain span of its own stays in place;
// - a text of digits without letters (a phone, a date, an amount) is laid out from the
//   right, "0100 555 1234" as "1234 555 0100"; it is embedded left to right.
void mendRightToLeftText(QWebFrame *frame)
{
    static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}\\x{0750}-\\x{077F}\\x{FB50}-\\x{FDFF}\\x{FE70}-\\x{FEFF}]"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression digit(QStringLiteral("\\d"));
    // Digit groups and words joined by blanks and punctuation stay one run; parentheses
    // stay outside, where the right-to-left text mirrors them.
    static const QRegularExpression latinRun(QStringLiteral("[A-Za-z0-9](?:[A-Za-z0-9 .,:;/@_+&'#*-]*[A-Za-z0-9])?"));
    for (QWebElement element : frame->findAllElements(QStringLiteral("body *"))) {
        if (!element.firstChild().isNull()
            || element.styleProperty(QStringLiteral("direction"), QWebElement::ComputedStyle) != QLatin1String("rtl"))
            continue;
        const QString text = element.toPlainText().trimmed();
        if (!text.contains(letter) && text.contains(digit)) {
            element.setInnerXml(leftToRightEmbedding + text.toHtmlEscaped() + popDirectionalFormatting);
            continue;
        }
        if (!text.contains(arabic) || !text.contains(latinRun))
            continue;
        QString html;
        int copiedUpTo = 0;
        QRegularExpressionMatchIterator runs = latinRun.globalMatch(text);
        while (runs.hasNext()) {
            const QRegularExpressionMatch run = runs.next();
            html += text.mid(copiedUpTo, run.capturedStart() - copiedUpTo).toHtmlEscaped();
            html += QStringLiteral("<span>") + run.captured().toHtmlEscaped() + QStringLiteral("</span>");
            copiedUpTo = run.capturedEnd();
        }
        html += text.mid(copiedUpTo).toHtmlEscaped();
        element.setInnerXml(html);
    }
}

QString shownFileName(const QString &fileName)
{
    return Direction::leftToRight(QDir::toNativeSeparators(fileName));
}
}

frmReportViewer::frmReportViewer(QWidget *parent) : QDialog(parent), ui(new Ui::frmReportViewer)
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    if (rightToLeft)
        setLayoutDirection(Qt::RightToLeft);
    createToolBar();
}

frmReportViewer::~frmReportViewer()
{
    delete ui;
}

void frmReportViewer::createToolBar()
{
    auto *toolBar = new QToolBar(QStringLiteral("Print"), this);
    cmbPaperSize = new QComboBox;
    cmbPaperSize->addItems({QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("A6")});
    cmbPaperSize->setObjectName(QStringLiteral("cmbPaperSize"));
    cmbOrientation = new QComboBox;
    cmbOrientation->addItems({tr("Portrait"), tr("Landscape")});
    cmbOrientation->setObjectName(QStringLiteral("cmbOrientation"));
    toolBar->setGeometry(0, 0, width(), toolBar->height());

    toolBar->addAction(QIcon(QStringLiteral(":/new/Pics/AccResources/print.ico")), tr("Print"));
    toolBar->addAction(QIcon(QStringLiteral(":/new/Pics/AccResources/pdf.png")), tr("Export PDF"));
    toolBar->addSeparator();
    toolBar->addWidget(cmbPaperSize);
    toolBar->addSeparator();
    toolBar->addWidget(cmbOrientation);
    toolBar->setMovable(false);
    connect(toolBar, &QToolBar::actionTriggered, this, &frmReportViewer::actionTriggered);

    webView = new QWebView(this);
    // A report is data shown as a page: nothing in it may run.
    webView->settings()->setAttribute(QWebSettings::JavascriptEnabled, false);
    webView->settings()->setAttribute(QWebSettings::PluginsEnabled, false);
    // Connected before any page is set: setHtml may report the load finished at once.
    connect(webView, &QWebView::loadFinished, this, &frmReportViewer::pageLoadFinished);
    webView->show();

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(webView, 1);
}

void frmReportViewer::pageLoadFinished()
{
    mendRightToLeftText(webView->page()->mainFrame());
    pageLoaded = true;
}

void frmReportViewer::actionTriggered(QAction *action)
{
    QPrinter printer(QPrinter::ScreenResolution);
    switch (cmbPaperSize->currentIndex()) {
    case 1:
        printer.setPageSize(QPageSize(QPageSize::A5));
        break;
    case 2:
        printer.setPageSize(QPageSize(QPageSize::A6));
        break;
    default:
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    printer.setPageOrientation(cmbOrientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);

    if (action->iconText() == tr("Export PDF"))
        exportPdf(printer);
    else
        print(printer);
}

void frmReportViewer::exportPdf(QPrinter &printer)
{
    const QString fileName = FileDialogs::getSaveFileName(this, QStringLiteral("Save As"), QString(),
                                                          QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    const QString cannotWrite = tr("The file %1 cannot be written.").arg(shownFileName(fileName));
    // A PDF writer that cannot open its file draws nothing and says nothing: the file is
    // tried first, without emptying one that is there.
    QFile file(fileName);
    const bool existed = file.exists();
    if (!file.open(QIODevice::Append)) {
        Messages::critical(this, msgCaption, cannotWrite + QLatin1Char('\n') + file.errorString());
        return;
    }
    file.close();

    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    if (!Printing::printOn(webView->page()->mainFrame(), printer) || QFileInfo(fileName).size() == 0) {
        if (!existed)
            QFile::remove(fileName);
        Messages::critical(this, msgCaption, cannotWrite);
    }
}

void frmReportViewer::print(QPrinter &printer)
{
    if (!Printing::printOn(webView->page()->mainFrame(), printer))
        Messages::warning(this, msgCaption, tr("There is no printer to print on: the report was not printed."));
}
