#pragma once

// What the desktop's window manager adds round a window: its frame (title bar
// and borders), so that a window can be placed by its outer size.
//
// Window managers differ in what they tell and when. Most answer a request for
// the frame of a window not yet shown; some never answer it (KWin), some answer
// too late to wait for (fluxbox); all that draw frames name them on the window
// (_NET_FRAME_EXTENTS) once they manage it, and some compositors (weston's X11
// side) only show a frame window, shadow included. So a frame is taken from
// whatever is told first and believed only when it is one a window manager can
// draw; once a window has been shown the frame is known, and every later window
// of the process starts from it without asking.

#include <QMargins>

#include <functional>
#include <optional>

class QWidget;

namespace vorvan::kit {

// Whether `frame`, in a window's own pixels, can be a window manager's frame:
// no side negative, the borders and the foot no wider than a frame's border
// can be, the title bar no taller than a title bar can be. A margin read from
// a frame window that is not yet sized round its client, or one that takes in
// a compositor's shadow, fails this.
bool plausibleFrame(const QMargins &frame);

// The frame the window manager will draw round `window`, in the window's own
// pixels, before the window is mapped: no margins where nothing draws a frame
// (an X server without a window manager), the frame learned from an earlier
// window of this process, or the window manager's answer if it comes within a
// few milliseconds, or else the frame it has drawn round another program's
// window; none known otherwise. Creates the native window only to ask: some
// window managers (mutter 48) keep the size a window was created with, not one
// set before its first showing, so a window whose frame is already known is
// created, at the size then given, when it is first shown.
std::optional<QMargins> frameBeforeShowing(QWidget *window);

// Calls `learned` once, after `window` has been mapped, with the frame the
// window manager drew round it: the one it names on the window, or, where it
// names none, its frame window's once that has been sized round the window.
// Not called at all where no plausible frame shows within a few seconds, nor
// off X11. Watch from before showing the window.
void whenFrameKnown(QWidget *window, std::function<void(const QMargins &)> learned);

} // namespace vorvan::kit
