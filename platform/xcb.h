#pragma once

// The few questions put to the X server directly, on Qt's own connection:
// what the window manager names on a window and where the server has it. The
// program's frame code, the benchmark and the desktop test share them. Built
// only with X11 (VORVAN_X11).

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace vorvan::xcb {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

// Qt's connection to the X server, or none where the program runs on another window system.
xcb_connection_t *connection();
xcb_window_t rootOf(xcb_connection_t *c);
xcb_atom_t atom(xcb_connection_t *c, const char *name);

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                         std::uint32_t length);
// A property of 32-bit values (cardinals, windows, atoms); type 0 takes any type.
QList<quint32> cardinals(xcb_connection_t *c, xcb_window_t window, const char *name, xcb_atom_t type);
// The names of the atoms a property lists (the allowed actions, the window types).
QStringList atomNames(xcb_connection_t *c, xcb_window_t window, const char *name);
// The WM_CLASS strings: instance and class.
QStringList windowClass(xcb_connection_t *c, xcb_window_t window);

// The window manager by the desktop standard's check: its check window, or none.
xcb_window_t windowManager(xcb_connection_t *c);
// Its name as it gives it on that window: "none" where none runs.
QString windowManagerName(xcb_connection_t *c);
// Whether the window manager says it supports `feature` (_NET_SUPPORTED).
bool supports(xcb_connection_t *c, xcb_atom_t feature);

// The frame the window manager names on the window (_NET_FRAME_EXTENTS), in device pixels.
std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window);
bool viewable(xcb_connection_t *c, xcb_window_t window);
// Where the window's client area is on the screen, once it is viewable.
std::optional<QRect> clientOnScreen(xcb_connection_t *c, xcb_window_t window);
// The frame window's margins round `window`, in device pixels: the window's
// ancestor just below the root, measured against the window itself. None
// while the window is not reparented, or while the frame window does not yet
// hold the window whole (a window manager creates it at 1 x 1 and sizes it
// afterwards).
std::optional<QMargins> frameWindowMargins(xcb_connection_t *c, xcb_window_t window);

} // namespace vorvan::xcb
