#ifndef FRMREPORTVIEWER_H
#define FRMREPORTVIEWER_H

#include <QDialog>

class QAction;
class QPrinter;
class QComboBox;
class QWebView;

namespace Ui {
class frmReportViewer;
}

// The preview of every report: the page under a tool bar that prints it on the default
// printer or exports it as a PDF file, on the paper size and orientation chosen beside.
class frmReportViewer : public QDialog
{
    Q_OBJECT

public:
    explicit frmReportViewer(QWidget *parent = nullptr);
    ~frmReportViewer() override;

    // True once the page given to webView has been laid out, ready to print.
    bool pageReady() const { return pageLoaded; }

    QWebView *webView;

public slots:
    void actionTriggered(QAction *action);

private slots:
    void pageLoadFinished();

private:
    void createToolBar();
    void exportPdf(QPrinter &printer);
    void print(QPrinter &printer);

    Ui::frmReportViewer *ui;
    QComboBox *cmbPaperSize;
    QComboBox *cmbOrientation;
    bool pageLoaded = false;
};

#endif // FRMREPORTVIEWER_H
