#ifndef WEBTEXT_H
#define WEBTEXT_H

#include <QString>

class QWebFrame;

// QtWebKit 5.212 measures a piece of text that joins Arabic letters to anything else (a
// blank, a colon, Latin letters, digits) as if the Arabic letters took no room: a label
// such as "العنوان:" gets the width of its colon and is clipped, an Arabic paragraph never
// wraps because each word is measured with its blank, and mixed text is drawn outside its
// cell. A text node of Arabic letters alone is measured whole and right.
namespace WebText {

// Mends the right-to-left elements of `frame`'s loaded page, on screen and on paper: each
// run of Arabic letters and each run of Latin letters or digits goes into a plain span of
// its own (no direction, so the order of the line stays the same), and a text led by a
// Latin letter or of digits without letters (a phone, a date, an amount), which would be
// laid out from the right, "0100 555 1234" as "1234 555 0100", is embedded left to right. Call it again after
// the page is loaded anew.
void mendRightToLeftText(QWebFrame *frame);

// `text` as escaped markup for a page of either direction: when it joins Arabic letters to
// anything else, each run goes into a plain span of its own, which the web view then
// measures and draws within its cell; any other text only escaped.
QString escapedRuns(const QString &text);

} // namespace WebText

#endif // WEBTEXT_H
