#ifndef PAGEPRINT_H
#define PAGEPRINT_H

class QPrinter;
class QWebFrame;

// Prints a page of rows the way a clerk expects paper to read, which QtWebKit's own
// printing does not: it cuts the page at fixed heights, through a table row, and shows a
// table's column titles on the first page only. Here the page is laid out once at the
// paper's width (a fifth narrower than the paper, as the web view prints, so a report
// keeps its proportions), each page ends before the first row or line it would cut, and a
// table that goes on over a page break shows its column titles again at the next page's top.
// The text that leads into a table (a group's heading) goes over a break with the table's
// column titles and first row, a total row goes over with the row before it, and titles that
// fill half a page or more are shown once.
namespace PagePrint {

// Prints `frame`'s loaded page on `printer` as above; false when the printer cannot be
// painted on. The page shown on screen is left as it was.
bool print(QWebFrame *frame, QPrinter &printer);

} // namespace PagePrint

#endif // PAGEPRINT_H
