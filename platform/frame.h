#pragma once

// What the desktop adds round a window: its frame (title bar and borders), so
// that a window can be placed by its outer size.
//
// Windows and macOS draw their own frames and know them before a window is
// shown; Qt names them (QWindow::frameMargins). An X11 window manager draws
// the frame itself, and window managers differ in what they tell and when:
// most answer a request for the frame of a window not yet shown; some never
// answer it (KWin), some answer too late to wait for (fluxbox); all that draw
// frames name them on the window (_NET_FRAME_EXTENTS) once they manage it, and
// some compositors (weston's X11 side) only show a frame window, shadow
// included. So a frame is taken from whatever is told first and believed only
// when it is one a window manager can draw; once a window has been shown the
// frame is known, and every later window of the process starts from it
// without asking. Wayland compositors place windows themselves.
//
// The X11 side is built only with VORVAN_X11; every other case is served from
// what Qt itself knows.

#include <QLoggingCategory>
#include <QMargins>

#include <functional>

class QWidget;

namespace vorvan::platform {

// Where each window is placed and why: off by default, on with
// QT_LOGGING_RULES="vorvan.placement=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlacement)

// Where a frame came from.
enum class FrameSource {
    None,     // nothing draws frames, or nothing was told: no margins assumed
    Asked,    // the window manager answered a request for this window's frame
    Named,    // named for this window by the window system (Qt, or the window manager once it manages it)
    Borrowed, // the frame the window manager drew round another program's window
    Learned,  // the frame an earlier window of this process was given
    Measured, // the window manager's frame window, measured round this window
};
const char *sourceName(FrameSource source);

struct Frame
{
    QMargins margins; // in the window's own pixels
    FrameSource source = FrameSource::None;
};

// Whether `frame`, in a window's own pixels, can be a window manager's frame:
// no side negative, the borders and the foot no wider than a frame's border
// can be, the title bar no taller than a title bar can be. A margin read from
// a frame window that is not yet sized round its client, or one that takes in
// a compositor's shadow, fails this.
bool plausibleFrame(const QMargins &frame);

// The frame the desktop will draw round `window`, before the window is
// shown. On X11: no margins where nothing draws a frame (an X server without
// a window manager), the frame learned from an earlier window of this
// process, or the window manager's answer if it comes within a few
// milliseconds, or else the frame it has drawn round another program's
// window; none known otherwise. Elsewhere, what Qt names. Creates the native
// window only to ask: some window managers (mutter 48) keep the size a window
// was created with, not one set before its first showing, so a window whose
// frame is already known is created, at the size then given, when it is
// first shown.
Frame frameBeforeShowing(QWidget *window);

// Calls `learned` once, after `window` has been shown, with the frame the
// desktop drew round it. On X11 that is the frame the window manager names on
// the window, or, where it names none, its frame window's once that has been
// sized round the window; not called at all where no plausible frame shows
// within a few seconds. Elsewhere, the frame Qt names once the window is
// exposed. Watch from before showing the window.
void whenFrameKnown(QWidget *window, std::function<void(const Frame &)> learned);

} // namespace vorvan::platform
