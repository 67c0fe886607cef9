#include "ui/kit/frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace vorvan::kit {

namespace {

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, std::uint32_t length)
{
    return {xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, length), nullptr), &std::free};
}

// Whether a window manager runs, by the desktop standard's check.
bool windowManagerRuns(xcb_connection_t *c, xcb_window_t root)
{
    const Reply check = property(c, root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    return check && xcb_get_property_value_length(check.get()) >= 4;
}

bool supports(xcb_connection_t *c, xcb_window_t root, xcb_atom_t feature)
{
    const Reply supported = property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == feature)
            return true;
    return false;
}

std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window, xcb_atom_t extents)
{
    const Reply reply = property(c, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// Asks the window manager for the frame of an unmapped window, as the desktop
// standard offers (_NET_REQUEST_FRAME_EXTENTS), and waits a little for the answer.
std::optional<QMargins> askX11(xcb_connection_t *c, xcb_window_t window)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    if (!windowManagerRuns(c, root))
        return QMargins(); // nothing draws frames
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    if (!supports(c, root, request))
        return std::nullopt;

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(c);
    // A window manager answers within a few milliseconds; one that does not
    // within half a second is taken as not telling.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 500ms;
    do {
        if (auto m = frameExtents(c, window, extents))
            return m;
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

} // namespace

std::optional<QMargins> frameBeforeShowing(QWidget *window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Other platforms draw their own frames, and know them once the window exists.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return window->windowHandle()->frameMargins();
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    const std::optional<QMargins> device = askX11(x11->connection(), id);
    if (!device)
        return std::nullopt;
    // The window manager counts device pixels; the window is placed in its own.
    const qreal dpr = window->devicePixelRatioF();
    const auto logical = [dpr](int v) { return int(v / dpr + 0.5); };
    return QMargins(logical(device->left()), logical(device->top()), logical(device->right()),
                    logical(device->bottom()));
}

} // namespace vorvan::kit
