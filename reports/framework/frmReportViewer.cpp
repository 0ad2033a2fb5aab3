#include "reports/framework/frmReportViewer.h"
#include "ui_frmReportViewer.h"

#include "core/system/globals.h"
#include "core/widgets/direction.h"
#include "core/system/messages.h"
#include "core/system/seams.h"
#include "core/widgets/webtext.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebFrame>
#include <QWebSettings>
#include <QWebView>

namespace {
QString shownFileName(const QString &fileName)
{
    return Direction::leftToRight(QDir::toNativeSeparators(fileName));
}

// Where Save As opens: the user's documents first, then, for the rest of the session, the
// folder the last export went to. Never the program's own folder.
QString &exportFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
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
    WebText::mendRightToLeftText(webView->page()->mainFrame());
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
    // The file is named after the report, in the interface's language as its page is.
    const QString title = webView->title().trimmed();
    const QString proposed = QDir(exportFolder()).filePath((title.isEmpty() ? tr("Report") : title)
                                                           + QStringLiteral(".pdf"));
    const QString fileName = FileDialogs::getSaveFileName(this, tr("Save As"), proposed,
                                                          QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    exportFolder() = QFileInfo(fileName).absolutePath();
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
