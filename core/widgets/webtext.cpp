#include "core/widgets/webtext.h"

#include "core/widgets/direction.h"

#include <QRegularExpression>
#include <QVector>
#include <QWebElement>
#include <QWebFrame>

#include <algorithm>

namespace {
const QChar leftToRightEmbedding(0x202A);
const QChar popDirectionalFormatting(0x202C);

// Arabic letters with their vowel marks; Arabic punctuation and digits stay out, as they
// are neutral or numbers to the layout and break the measure like any other character.
const QString arabicLetters = QStringLiteral(
    "[\\x{0621}-\\x{065F}\\x{066E}-\\x{06D3}\\x{06D5}-\\x{06ED}\\x{06FA}-\\x{06FF}\\x{0750}-\\x{077F}"
    "\\x{08A0}-\\x{08FF}\\x{FB50}-\\x{FDFF}\\x{FE70}-\\x{FEFC}]");

// A word of Arabic letters, or a Latin run: digit groups and words joined by blanks and
// punctuation stay one run, and parentheses stay outside, where right-to-left text
// mirrors them.
const QRegularExpression &run()
{
    static const QRegularExpression pattern(
        arabicLetters + QStringLiteral("+|[A-Za-z0-9](?:[A-Za-z0-9 .,:;/@_+&'#*-]*[A-Za-z0-9])?"));
    return pattern;
}

// Whether `text` holds Arabic letters that share their text node with anything else.
bool needsSpans(const QString &text)
{
    static const QRegularExpression arabic(arabicLetters);
    static const QRegularExpression arabicOnly(QStringLiteral("^\\s*") + arabicLetters + QStringLiteral("+\\s*$"));
    return text.contains(arabic) && !text.contains(arabicOnly);
}

// `text` as markup, each run in a plain span of its own and the rest escaped.
QString spannedRuns(const QString &text)
{
    QString html;
    int copiedUpTo = 0;
    QRegularExpressionMatchIterator runs = run().globalMatch(text);
    while (runs.hasNext()) {
        const QRegularExpressionMatch match = runs.next();
        html += text.mid(copiedUpTo, match.capturedStart() - copiedUpTo).toHtmlEscaped();
        html += QStringLiteral("<span>") + match.captured().toHtmlEscaped() + QStringLiteral("</span>");
        copiedUpTo = match.capturedEnd();
    }
    return html + text.mid(copiedUpTo).toHtmlEscaped();
}

// `text` as mended markup, or an empty string when it needs nothing. A text led by a Latin
// letter, or of digits without letters, reads left to right inside the right-to-left page:
// "1 Nile St", not "Nile St 1".
QString mendedText(const QString &text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression digit(QStringLiteral("\\d"));
    const bool spans = needsSpans(text);
    const QString html = spans ? spannedRuns(text) : text.toHtmlEscaped();
    if ((text.contains(letter) || text.contains(digit)) && Direction::of(text) == Qt::LeftToRight)
        return leftToRightEmbedding + html + popDirectionalFormatting;
    return spans ? html : QString();
}

// The text of markup between tags as WebKit writes it: only these are escaped.
QString unescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&nbsp;"), QString(QChar(0xA0)))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// An element's markup with its own text, the text between its children, mended; empty
// when that text needs nothing. The children's texts are theirs, mended before.
QString mendedOwnText(const QString &markup)
{
    static const QRegularExpression tag(QStringLiteral("<!--.*?-->|<(/?)([A-Za-z0-9]*)[^>]*?(/?)>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QStringList empty{QStringLiteral("br"), QStringLiteral("img"), QStringLiteral("hr"),
                                   QStringLiteral("input"), QStringLiteral("meta"), QStringLiteral("col")};
    QString mended;
    bool changed = false;
    int copiedUpTo = 0;
    int depth = 0;
    const auto mendText = [&](int end) {
        const QString html = depth == 0 ? mendedText(unescaped(markup.mid(copiedUpTo, end - copiedUpTo))) : QString();
        if (!html.isEmpty()) {
            mended += html;
            changed = true;
        } else {
            mended += markup.midRef(copiedUpTo, end - copiedUpTo);
        }
    };
    QRegularExpressionMatchIterator tags = tag.globalMatch(markup);
    while (tags.hasNext()) {
        const QRegularExpressionMatch match = tags.next();
        mendText(match.capturedStart());
        mended += match.captured();
        copiedUpTo = match.capturedEnd();
        const bool isElement = !match.captured(2).isEmpty();
        if (!isElement || !match.captured(3).isEmpty() || empty.contains(match.captured(2).toLower()))
            continue;
        depth += match.captured(1).isEmpty() ? 1 : -1;
    }
    mendText(markup.size());
    return changed ? mended : QString();
}
}

QString WebText::escapedRuns(const QString &text)
{
    // Most cells hold no Arabic at all; a look at the characters is cheaper than a pattern.
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x0600; }))
        return text.toHtmlEscaped();
    return needsSpans(text) ? spannedRuns(text) : text.toHtmlEscaped();
}

void WebText::mendRightToLeftText(QWebFrame *frame)
{
    // The directions are read before anything changes: a question about style after each
    // change would lay the page out anew each time: 3000 rows took 45 seconds, not 0.2.
    QVector<QWebElement> rightToLeft;
    for (const QWebElement &element : frame->findAllElements(QStringLiteral("body, body *"))) {
        const QString tag = element.tagName();
        if (tag != QLatin1String("SCRIPT") && tag != QLatin1String("STYLE")
            && element.styleProperty(QStringLiteral("direction"), QWebElement::ComputedStyle) == QLatin1String("rtl"))
            rightToLeft.append(element);
    }
    // From the last: mending an element writes its children anew, and they are mended by then.
    for (auto element = rightToLeft.rbegin(); element != rightToLeft.rend(); ++element) {
        if (!element->firstChild().isNull()) {
            const QString mended = mendedOwnText(element->toInnerXml());
            if (!mended.isEmpty())
                element->setInnerXml(mended);
            continue;
        }
        const QString html = mendedText(unescaped(element->toInnerXml()).trimmed());
        if (!html.isEmpty())
            element->setInnerXml(html);
    }
}
