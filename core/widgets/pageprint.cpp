#include "core/widgets/pageprint.h"

#include <QPainter>
#include <QPrinter>
#include <QVector>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>

#include <algorithm>

namespace {
// The web view prints at a layout a quarter wider than the paper's width in pixels.
const qreal printShrink = 1.25;

// What must not be cut: a table row without a table inside, a heading, a paragraph.
struct Block
{
    int top;
    int bottom;
};

// A table with its column titles, repeated when the table goes on over a page break.
struct TitledTable
{
    QRect table;
    QRect titles;
};

struct Page
{
    int top;
    int bottom;
    QRect titles; // shown first when not null
};

// The rows of a table's own body, in order; rows of tables inside it are not among them.
QVector<QWebElement> bodyRows(const QWebElement &table)
{
    QVector<QWebElement> rows;
    for (QWebElement part = table.firstChild(); !part.isNull(); part = part.nextSibling())
        if (part.tagName() == QLatin1String("TBODY"))
            for (QWebElement row = part.firstChild(); !row.isNull(); row = row.nextSibling())
                if (row.tagName() == QLatin1String("TR"))
                    rows.append(row);
    return rows;
}

// Where the text that leads into `table` in its cell begins (a group's heading line): after
// the table before it in the cell, or at the cell's top; the table's own top outside a cell.
int leadTop(const QWebElement &table)
{
    const int top = table.geometry().top();
    for (QWebElement before = table.previousSibling(); !before.isNull(); before = before.previousSibling())
        if (before.tagName() == QLatin1String("TABLE"))
            return std::min(top, before.geometry().bottom() + 1);
    const QWebElement cell = table.parent();
    if (cell.tagName() == QLatin1String("TD") || cell.tagName() == QLatin1String("TH"))
        return std::min(top, cell.geometry().top());
    return top;
}

bool holdsTable(const QWebElement &element)
{
    return !element.findFirst(QStringLiteral("table")).isNull();
}

QVector<Block> unbreakableBlocks(QWebFrame *frame)
{
    QVector<Block> blocks;
    auto add = [&blocks](int top, int bottom) {
        if (bottom > top)
            blocks.append(Block{top, bottom});
    };
    for (const QWebElement &element : frame->findAllElements(QStringLiteral("tr, h1, h2, h3, p"))) {
        if (holdsTable(element))
            continue;
        const QRect box = element.geometry();
        add(box.top(), box.bottom() + 1);
    }
    for (const QWebElement &table : frame->findAllElements(QStringLiteral("table"))) {
        const QVector<QWebElement> rows = bodyRows(table);
        const int top = table.geometry().top();
        // The text leading into a table is one block, and goes over a break with the
        // table's column titles and first row: a heading never stands alone at a page's foot.
        add(leadTop(table), top);
        if (!rows.isEmpty() && !holdsTable(rows.first()))
            add(leadTop(table), rows.first().geometry().bottom() + 1);
        // A total goes over with the row before it: never the only row of its group on a page.
        for (int i = 1; i < rows.size(); ++i)
            if (rows.at(i).hasClass(QStringLiteral("total")) && !holdsTable(rows.at(i - 1)))
                add(rows.at(i - 1).geometry().top(), rows.at(i).geometry().bottom() + 1);
    }
    std::sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &b) { return a.top < b.top; });
    return blocks;
}

QVector<TitledTable> titledTables(QWebFrame *frame)
{
    QVector<TitledTable> tables;
    for (const QWebElement &table : frame->findAllElements(QStringLiteral("table"))) {
        for (QWebElement child = table.firstChild(); !child.isNull(); child = child.nextSibling()) {
            if (child.tagName() == QLatin1String("THEAD") && child.geometry().height() > 0) {
                tables.append(TitledTable{table.geometry(), child.geometry()});
                break;
            }
        }
    }
    return tables;
}

// The innermost table whose titles have been passed at `top` while its rows go on.
const TitledTable *tableGoingOnAt(const QVector<TitledTable> &tables, int top)
{
    const TitledTable *found = nullptr;
    for (const TitledTable &table : tables)
        if (table.titles.bottom() < top && table.table.bottom() > top && (!found || table.table.top() > found->table.top()))
            found = &table;
    return found;
}

// Where a page from `top` that has room down to `limit` ends: before the first block it
// would cut, unless that block begins the page (a block taller than a page is cut).
int pageEnd(const QVector<Block> &blocks, int top, int limit)
{
    int end = limit;
    // The blocks begin in order; those that begin after the page's top and cross its end.
    auto block = std::lower_bound(blocks.cbegin(), blocks.cend(), limit,
                                  [](const Block &b, int y) { return b.top < y; });
    while (block != blocks.cbegin()) {
        --block;
        if (block->top <= top)
            break;
        if (block->bottom > end)
            end = block->top;
    }
    return end;
}

// Paints `part` of the page, in the page's pixels, at the painter's origin and nothing
// beside it. The web view paints only what is in view: the part is scrolled into it.
void renderPart(QWebFrame *frame, QPainter &painter, const QRect &part)
{
    frame->setScrollPosition(QPoint(0, part.top()));
    const int inView = part.top() - frame->scrollPosition().y();
    const QRect shown(0, inView, part.width(), part.height());
    painter.save();
    painter.translate(0, -inView);
    painter.setClipRect(shown, Qt::IntersectClip);
    frame->render(&painter, QWebFrame::ContentsLayer, QRegion(shown));
    painter.restore();
}

// Lays the page out `size.width()` wide with `size.height()` of it in view. The frame's
// scroll bars are given their room beside that rather than switched off: the web view
// holds a scroll bar policy other than "as needed" for good, and the preview printed from
// would never scroll again.
void layOut(QWebFrame *frame, const QSize &size)
{
    frame->page()->setViewportSize(size);
    frame->contentsSize(); // lays the page out, showing the scroll bars it needs
    const QSize bars(frame->scrollBarGeometry(Qt::Vertical).width(), frame->scrollBarGeometry(Qt::Horizontal).height());
    if (!bars.isNull())
        frame->page()->setViewportSize(size + bars);
}

QVector<Page> pages(QWebFrame *frame, int pageHeight)
{
    const QVector<Block> blocks = unbreakableBlocks(frame);
    const QVector<TitledTable> tables = titledTables(frame);
    const int height = frame->contentsSize().height();
    QVector<Page> found;
    int top = 0;
    do {
        const TitledTable *titles = top > 0 ? tableGoingOnAt(tables, top) : nullptr;
        // Titles that would fill half a page or more are not repeated: the table's rows
        // would go on a sliver a page, or, past a page, never.
        if (titles && titles->titles.height() * 2 >= pageHeight)
            titles = nullptr;
        const int room = pageHeight - (titles ? titles->titles.height() : 0);
        int bottom = top + room >= height ? height : pageEnd(blocks, top, top + room);
        // Column titles alone at the foot of a page go over with their table's rows.
        for (const TitledTable &table : tables)
            if (table.table.top() > top && table.titles.top() < bottom && table.titles.bottom() + 2 >= bottom
                && bottom < height)
                bottom = table.table.top();
        if (bottom <= top)
            bottom = std::min(height, top + room);
        found.append(Page{top, bottom, titles ? titles->titles : QRect()});
        top = bottom;
    } while (top < height);
    return found;
}
}

namespace PagePrint {

bool print(QWebFrame *frame, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QWebPage *page = frame->page();
    const QSize shownSize = page->viewportSize();
    const QPoint shownScroll = frame->scrollPosition();

    // The painter's sheet is the printable area, in the printer's pixels; the page is laid
    // out in its own pixels, 96 to the inch, as wide as the web view prints it.
    const QRect paper(0, 0, printer.width(), printer.height());
    const qreal pagePixels = printer.logicalDpiX() / 96.0;
    const int layoutWidth = qRound(paper.width() / pagePixels * printShrink);
    layOut(frame, QSize(layoutWidth, paper.height()));
    frame->setScrollPosition(QPoint(0, 0));
    // A page wider than the paper (a word that cannot wrap) is shrunk to fit, not cut.
    const qreal scale = paper.width() / qreal(std::max(layoutWidth, frame->contentsSize().width()));
    const int pageHeight = int(paper.height() / scale);
    layOut(frame, QSize(layoutWidth, pageHeight));

    bool first = true;
    for (const Page &sheet : pages(frame, pageHeight)) {
        if (!first)
            printer.newPage();
        first = false;
        painter.save();
        painter.scale(scale, scale);
        int at = 0;
        const int width = frame->contentsSize().width();
        if (!sheet.titles.isNull()) {
            renderPart(frame, painter, QRect(0, sheet.titles.top(), width, sheet.titles.height()));
            at = sheet.titles.height();
        }
        painter.translate(0, at);
        renderPart(frame, painter, QRect(0, sheet.top, width, sheet.bottom - sheet.top));
        painter.restore();
    }
    painter.end();

    page->setViewportSize(shownSize);
    frame->setScrollPosition(shownScroll);
    return true;
}

} // namespace PagePrint
