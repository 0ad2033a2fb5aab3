#include "core/widgets/screenfit.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace ScreenFit {

namespace {
// A window that a window system frames: not a menu, tool tip or splash screen.
bool framed(const QWidget *window)
{
    if (!window->isWindow() || window->windowFlags() & Qt::FramelessWindowHint)
        return false;
    switch (window->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Desktop:
        return false;
    default:
        return true;
    }
}

// The frame as Qt knows it now: nothing before the window system has told it.
QMargins knownFrame(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QMargins largest(const QMargins &one, const QMargins &other)
{
    return QMargins(qMax(one.left(), other.left()), qMax(one.top(), other.top()), qMax(one.right(), other.right()),
                    qMax(one.bottom(), other.bottom()));
}

const QScreen *openingScreen(const QWidget *window)
{
    if (window->isVisible())
        return window->screen();
    if (const QWidget *parent = window->parentWidget())
        return parent->window()->screen();
    // A window system opens a new window where the user is working.
    if (const QWidget *active = QApplication::activeWindow())
        return active->screen();
    return window->screen();
}
}

QMargins frameOf(const QWidget *window)
{
    if (!framed(window))
        return QMargins();
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    QMargins frame(border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), border, border);
    for (const QWidget *shown : QApplication::topLevelWidgets())
        if (shown->isVisible() && framed(shown))
            frame = largest(frame, knownFrame(shown));
    return frame;
}

QSize room(const QWidget *window)
{
    const QScreen *screen = openingScreen(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QMargins frame = frameOf(window);
    return screen->availableGeometry().size().shrunkBy(frame);
}

void fit(QWidget *window, const QSize &wish)
{
    // A window that maximizes itself is restored to the size it had when it was maximized:
    // it takes the bounded size as a window shown normally, and is maximized again.
    const Qt::WindowStates states = window->windowState();
    const Qt::WindowStates filling = states & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (filling && !window->isVisible())
        window->setWindowState(states & ~filling);
    // resize() keeps the window at least at its minimum.
    window->resize(wish.boundedTo(room(window)));
    if (filling && !window->isVisible()) {
        // A window system that already holds the window learns its restored size now: once
        // maximized, it takes no other.
        if (QWindow *handle = window->windowHandle())
            handle->resize(window->size());
        window->setWindowState(states);
    }
}

void fit(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    fit(window, window->size());
}

namespace {
// Puts the inside of `window` at `inner`, moved just enough that its frame is on the screen
// the window opens or is on.
void settle(QWidget *window, QRect inner)
{
    const QScreen *screen = openingScreen(window);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    QRect outer = inner.marginsAdded(frame);
    // Where the frame is larger than the room, the title bar and the side the window reads
    // from stay on the screen.
    if (window->isRightToLeft()) {
        outer.moveLeft(qMax(outer.left(), available.left()));
        outer.moveRight(qMin(outer.right(), available.right()));
    } else {
        outer.moveRight(qMin(outer.right(), available.right()));
        outer.moveLeft(qMax(outer.left(), available.left()));
    }
    outer.moveBottom(qMin(outer.bottom(), available.bottom()));
    outer.moveTop(qMax(outer.top(), available.top()));
    // The window's own geometry, not move(): a window system that has not framed the window
    // yet takes the position of its frame as that of its inside. Qt::WA_Moved, which this
    // sets, also keeps QDialog from centring the window again as it shows.
    window->setGeometry(outer.marginsRemoved(frame));
}

bool placedBySystem(const QWidget *window)
{
    return !framed(window)
           || window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}
}

void place(QWidget *window)
{
    if (window->isVisible() || placedBySystem(window))
        return;
    // Laid out now, as showing would: a window whose form starts below its layout's minimum
    // grows first, and is placed at the size it opens at.
    if (QLayout *layout = window->layout())
        layout->activate();
    QRect inner = window->geometry();
    if (!window->testAttribute(Qt::WA_Moved)) {
        const QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        const QScreen *screen = openingScreen(window);
        if (parent && parent->isVisible())
            inner.moveCenter(parent->geometry().center());
        else if (screen)
            inner.moveCenter(screen->availableGeometry().center());
    }
    settle(window, inner);
}

void resizeShown(QWidget *window, const QSize &size)
{
    if (placedBySystem(window)) {
        window->resize(size);
        return;
    }
    const QPoint centre = window->geometry().center();
    // resize() keeps the window at least at its minimum and at most at its maximum.
    window->resize(size);
    QRect inner = window->geometry();
    inner.moveCenter(centre);
    settle(window, inner);
}

void show(QWidget *window, bool maximised)
{
    fit(window);
    if (maximised) {
        window->showMaximized();
        return;
    }
    place(window);
    window->show();
}

int exec(QDialog &dialog)
{
    fit(&dialog);
    place(&dialog);
    return dialog.exec();
}

} // namespace ScreenFit
