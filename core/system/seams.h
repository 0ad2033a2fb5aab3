#ifndef SEAMS_H
#define SEAMS_H

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;
class QWebFrame;
class QUrl;

// Thin, replaceable doors to the world outside the program: the program's folder, file
// dialogs, external programs and the printer. Each holds the real behaviour by default;
// tests put their own in its place.

// The folder the program reads its settings, translation and pages from.
QString programDir();
void setProgramDir(const QString &dir); // empty: the executable's folder

struct FileDialogs
{
    using FileFn = std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                                         const QString &filter)>;
    using FolderFn = std::function<QString(QWidget *parent, const QString &caption, const QString &dir)>;

    static FileFn getOpenFileName;
    static FileFn getSaveFileName;
    static FolderFn getExistingDirectory;
};

struct Processes
{
    struct Request
    {
        QString program;
        QStringList arguments;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QString inputFile;  // standard input read from this file when not empty
        QString outputFile; // standard output written to this file when not empty
    };
    struct Result
    {
        bool started = false;
        int exitCode = -1;
        bool crashed = false;
        QByteArray errorOutput;
    };

    // Starts a program that outlives this one; false when it could not be started.
    static std::function<bool(const QString &program, const QStringList &arguments)> startDetached;
    // Runs a program to its end.
    static std::function<Result(const Request &request)> run;
};

struct Desktop
{
    // Hands a link to the desktop (browser, mail program); false when nothing took it.
    static std::function<bool(const QUrl &url)> openUrl;
};

struct Printing
{
    // Prints the frame's page on the default printer; false when nothing was printed.
    static std::function<bool(QWebFrame *frame)> print;
    // Prints the frame's page with a printer the caller has set up (paper, orientation, a
    // PDF file); false when it names no file and there is no printer to print on.
    static std::function<bool(QWebFrame *frame, QPrinter &printer)> printOn;
};

#endif // SEAMS_H
