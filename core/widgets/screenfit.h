#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QMargins>
#include <QSize>

class QDialog;
class QWidget;

// Every window opens within the screen it opens on, its frame counted: each opening goes
// through show() or exec() here, which bound the window's starting size and then place its
// frame on the screen. What no opening can mend is the window's own minimum, which its form
// keeps within the smallest screen.
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

// Places a window about to open where Qt would put it, moved just enough that its whole
// frame, title bar included, is on the screen's available geometry: a window not placed
// by its own code is centred over its parent window, or else over that screen, as Qt
// centres a dialog. A shown or maximized window is left where it is.
void place(QWidget *window);

// Gives a shown window `size` about its centre, moved just enough that its frame stays on
// the screen: for a window that widens to its contents once it has been laid out.
void resizeShown(QWidget *window, const QSize &size);

// fit() and place(), then shows `window`; a window shown maximized is left to the window
// system.
void show(QWidget *window, bool maximised = false);

// fit() and place(), then runs `dialog` modally; returns what QDialog::exec() returns.
int exec(QDialog &dialog);

} // namespace ScreenFit

#endif // SCREENFIT_H
