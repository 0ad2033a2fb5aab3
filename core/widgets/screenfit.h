#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QMargins>
#include <QSize>

class QDialog;
class QWidget;

// Every window opens within the screen it opens on, its frame counted: each opening goes
// through show() or exec() here, which bound the window's starting size first. What no
// opening can mend is the window's own minimum, which its form keeps within the smallest
// screen.
namespace ScreenFit {

// The frame a window system draws around `window`, per side. A window system tells a
// window's frame only once it has drawn it, so the largest frame of the program's shown
// windows (the window's own among them) stands in, and never less than the style's title
// bar and border: enough for the first window, before any frame is known.
QMargins frameOf(const QWidget *window);

// The size `window` itself (its frame left out) may take on the screen it opens on: an
// open window's own screen, or else that of the window the user is working in.
QSize room(const QWidget *window);

// Gives `window` the size `wish` where room() allows, and the size it would open at
// otherwise: its size when shown normally or restored from maximized. Never below the
// window's minimum.
void fit(QWidget *window, const QSize &wish);
// The same for the size its form gives it, or the one Qt would give it on showing.
void fit(QWidget *window);

// fit(), then shows `window`, maximized when asked.
void show(QWidget *window, bool maximised = false);

// fit(), then runs `dialog` modally; returns what QDialog::exec() returns.
int exec(QDialog &dialog);

} // namespace ScreenFit

#endif // SCREENFIT_H
