#include "core/system/seams.h"

#include "core/widgets/pageprint.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QWebFrame>

namespace {
QString &programDirOverride()
{
    static QString dir;
    return dir;
}
}

QString programDir()
{
    const QString &dir = programDirOverride();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void setProgramDir(const QString &dir)
{
    programDirOverride() = dir;
}

FileDialogs::FileFn FileDialogs::getOpenFileName =
    [](QWidget *parent, const QString &caption, const QString &dir, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    };

FileDialogs::FileFn FileDialogs::getSaveFileName =
    [](QWidget *parent, const QString &caption, const QString &dir, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    };

FileDialogs::FolderFn FileDialogs::getExistingDirectory =
    [](QWidget *parent, const QString &caption, const QString &dir) {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    };

std::function<bool(const QString &, const QStringList &)> Processes::startDetached =
    [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };

std::function<Processes::Result(const Processes::Request &)> Processes::run =
    [](const Processes::Request &request) {
        Result result;
        QProcess process;
        process.setProcessEnvironment(request.environment);
        if (!request.inputFile.isEmpty())
            process.setStandardInputFile(request.inputFile);
        if (!request.outputFile.isEmpty())
            process.setStandardOutputFile(request.outputFile);
        process.start(request.program, request.arguments);
        if (!process.waitForStarted())
            return result;
        result.started = true;
        process.waitForFinished(-1);
        result.crashed = process.exitStatus() == QProcess::CrashExit;
        result.exitCode = process.exitCode();
        result.errorOutput = process.readAllStandardError();
        return result;
    };

std::function<bool(const QUrl &)> Desktop::openUrl = [](const QUrl &url) {
    return QDesktopServices::openUrl(url);
};

std::function<bool(QWebFrame *)> Printing::print = [](QWebFrame *frame) {
    QPrinter printer;
    return printOn(frame, printer);
};

std::function<bool(QWebFrame *, QPrinter &)> Printing::printOn = [](QWebFrame *frame, QPrinter &printer) {
    // Without a printer Qt quietly turns a native printer into a PDF writer with no file.
    if (printer.outputFileName().isEmpty()
        && (QPrinterInfo::availablePrinters().isEmpty() || printer.outputFormat() != QPrinter::NativeFormat
            || !printer.isValid()))
        return false;
    return PagePrint::print(frame, printer);
};
