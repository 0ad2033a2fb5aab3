#ifndef REPORTSUPPORT_H
#define REPORTSUPPORT_H

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class frmReportViewer;
class QWebFrame;
class QWidget;

// What the report tests share: the templates in the program folder, the preview windows
// that reports open, and their PDFs read back with poppler's tools.
namespace ReportSupport {

// Copies the templates that the build puts beside the test executable into the test's
// program folder, where the reports look for them.
void copyReportTemplates();

// The report previews open now, oldest first.
QList<frmReportViewer *> openViewers();
// Waits until `viewer` has laid out its page; false when it does not within seconds.
bool waitUntilReady(frmReportViewer *viewer);
// Closes every open preview.
void closeViewers();

// Fills a filter panel's fields as a user would, from lines "name = value": a check box is
// ticked by "ticked", a combo takes the entry whose English text is the value (shown as
// the panel translates it), a line edit gets the value typed, a date edit the date written
// yyyy-MM-dd. Returns what could not be done, empty when every line was.
QString fillPanel(QWidget *panel, const QString &settings);

// Exports the preview's page through its Export PDF command into `fileName`, on the paper
// chosen by the indexes of its choosers.
// The elements of `frame` matching `selector` that hold no Arabic letter and no table cell
// and whose words, as the page paints them (lines from the top, each read from the left),
// are not in the order of their text, each as "text  =>  as painted". It reads the boxes
// by script, which it allows on the page for the time of the reading.
QStringList latinTextOutOfOrder(QWebFrame *frame, const QString &selector);

void exportPdf(frmReportViewer *viewer, const QString &fileName, int paperIndex = 0, int orientationIndex = 0);

// The PDF's text as pdftotext gives it, in the NFKC form and without bidi controls, so
// that Arabic compares with the text it was made from.
QString pdfText(const QString &fileName);
// One page of the PDF (counted from 1) as pdftotext -layout lays it out, a line of text
// per line of print, in the form pdfText gives.
QString pdfPageLayout(const QString &fileName, int page);
// The words of one page with their boxes, in points, as pdftotext -bbox finds them.
struct PdfWord
{
    QString text;
    QRectF box;
};
QList<PdfWord> pdfWords(const QString &fileName, int page);
// The words of one page that are drawn over another ("Egypt over +20"); the joined letters
// of an Arabic word, which pdftotext gives as pieces that overlap, do not count.
QStringList wordsDrawnOverOthers(const QString &fileName, int page);
// The pdfinfo line "Page size:", "Pages:" and so on, without its label.
QString pdfInfo(const QString &fileName, const QString &label);

} // namespace ReportSupport

#endif // REPORTSUPPORT_H
