#include "ui/kit/frame.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace vorvan::kit {

bool plausibleFrame(const QMargins &m)
{
    // The widest borders and the tallest title bar any window manager's theme
    // draws at its own scale; a compositor's shadow is wider than these.
    constexpr int border = 32, titleBar = 80;
    return m.left() >= 0 && m.right() >= 0 && m.top() >= 0 && m.bottom() >= 0 && m.left() <= border &&
           m.right() <= border && m.bottom() <= border + 16 && m.top() <= titleBar;
}

namespace {

// A frame round a normal window has a title bar. A window manager that builds
// its frames in a separate client (mutter from version 44) first names an
// empty frame, before the frame exists, and the real one a moment later; an
// empty frame is never taken for the one that will be drawn.
bool titled(const QMargins &m)
{
    return plausibleFrame(m) && m.top() > 0;
}

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                         std::uint32_t length)
{
    return {xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, length), nullptr), &std::free};
}

// The window manager by the desktop standard's check: its check window, or none.
xcb_window_t windowManager(xcb_connection_t *c)
{
    const auto check = property(c, rootOf(c), atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    if (!check || xcb_get_property_value_length(check.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(check.get()));
}

bool supports(xcb_connection_t *c, xcb_atom_t feature)
{
    const auto supported = property(c, rootOf(c), atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == feature)
            return true;
    return false;
}

// What the window manager names on the window, in device pixels.
std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window, xcb_atom_t extents)
{
    const auto reply = property(c, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom; a 32-bit value past 2^31 is a negative side.
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

bool viewable(xcb_connection_t *c, xcb_window_t window)
{
    const Reply<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), &std::free);
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

// The frame window's margins round `window`, in device pixels: the window's
// ancestor just below the root, measured against the window itself. None
// while the window is not reparented, or while the frame window does not yet
// hold the window whole (a window manager creates it at 1 x 1 and sizes it
// afterwards).
std::optional<QMargins> frameWindowMargins(xcb_connection_t *c, xcb_window_t window)
{
    const xcb_window_t root = rootOf(c);
    xcb_window_t top = window;
    for (int depth = 0; depth < 8; ++depth) {
        const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, top), nullptr), &std::free);
        if (!tree)
            return std::nullopt;
        if (tree->parent == root || tree->parent == XCB_WINDOW_NONE)
            break;
        top = tree->parent;
    }
    if (top == window)
        return std::nullopt;
    const Reply<xcb_get_geometry_reply_t> outer(xcb_get_geometry_reply(c, xcb_get_geometry(c, top), nullptr),
                                                &std::free);
    const Reply<xcb_get_geometry_reply_t> inner(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr),
                                                &std::free);
    const Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, top, 0, 0), nullptr), &std::free);
    if (!outer || !inner || !at)
        return std::nullopt;
    const int right = outer->width - at->dst_x - inner->width;
    const int bottom = outer->height - at->dst_y - inner->height;
    if (at->dst_x < 0 || at->dst_y < 0 || right < 0 || bottom < 0)
        return std::nullopt;
    return QMargins(at->dst_x, at->dst_y, right, bottom);
}

QMargins toLogical(const QWidget *window, const QMargins &device)
{
    // The window manager counts device pixels; the window is placed in its own.
    const qreal dpr = window->devicePixelRatioF();
    const auto logical = [dpr](int v) { return int(v / dpr + 0.5); };
    return {logical(device.left()), logical(device.top()), logical(device.right()), logical(device.bottom())};
}

// What this process knows of the running window manager's frames. Every
// window it places has the same kind of frame (a normal, sizable window).
struct Known
{
    xcb_window_t windowManager = XCB_WINDOW_NONE;
    std::optional<QMargins> frame; // device pixels
    bool silent = false;           // did not answer a request in time: not asked again
};

Known &known(xcb_connection_t *c)
{
    static Known k;
    const xcb_window_t wm = windowManager(c);
    if (wm != k.windowManager)
        k = Known{wm};
    return k;
}

// Asks the window manager for the frame of an unmapped window, as the desktop
// standard offers (_NET_REQUEST_FRAME_EXTENTS). Those that answer do so within
// a few milliseconds; waiting longer would hold the window back from the user.
std::optional<QMargins> ask(xcb_connection_t *c, QWidget *widget, Known &k)
{
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    if (k.silent || !supports(c, request))
        return std::nullopt;
    const auto window = static_cast<xcb_window_t>(widget->winId());
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = request;
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(c);
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 40ms;
    do {
        if (const std::optional<QMargins> m = frameExtents(c, window, extents); m && titled(*m))
            return m;
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < deadline);
    k.silent = true;
    return std::nullopt;
}

// The frame round another window the window manager already manages, as it
// names it: a window manager draws one kind of frame round every normal
// window, so where it tells nothing in advance that is the best guess. None
// when no decorated normal window is on the screen.
std::optional<QMargins> frameOfAnotherWindow(xcb_connection_t *c)
{
    const auto list = property(c, rootOf(c), atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 256);
    if (!list)
        return std::nullopt;
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    const xcb_atom_t type = atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t normal = atom(c, "_NET_WM_WINDOW_TYPE_NORMAL");
    const auto *windows = static_cast<const xcb_window_t *>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    for (int i = count - 1; i >= 0; --i) {
        const auto types = property(c, windows[i], type, XCB_ATOM_ATOM, 1);
        if (types && xcb_get_property_value_length(types.get()) >= 4 &&
            *static_cast<const xcb_atom_t *>(xcb_get_property_value(types.get())) != normal)
            continue;
        const std::optional<QMargins> m = frameExtents(c, windows[i], extents);
        // A frame with no title bar is an undecorated window's, not a guide.
        if (m && titled(*m))
            return m;
    }
    return std::nullopt;
}

// Watches a shown window's X events until its frame is known.
class FrameWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameWatch(QWidget *window, xcb_connection_t *c, std::function<void(const QMargins &)> learned)
        : QObject(window), m_window(window), m_c(c), m_id(xcb_window_t(window->winId())),
          m_extents(atom(c, "_NET_FRAME_EXTENTS")), m_managed(windowManager(c) != XCB_WINDOW_NONE),
          m_learned(std::move(learned))
    {
        qGuiApp->installNativeEventFilter(this);
        // A window manager that shows no plausible frame by then never will.
        QTimer::singleShot(5000, this, [this] { finish(); });
    }
    ~FrameWatch() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (m_done || type != "xcb_generic_event_t")
            return false;
        const auto *e = static_cast<const xcb_generic_event_t *>(message);
        bool ours = false;
        switch (e->response_type & 0x7f) {
        case XCB_PROPERTY_NOTIFY: {
            const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e);
            ours = p->window == m_id && p->atom == m_extents;
            m_managed = m_managed || ours;
            break;
        }
        case XCB_REPARENT_NOTIFY:
            // A window manager that starts after the window was shown takes it over.
            ours = reinterpret_cast<const xcb_reparent_notify_event_t *>(e)->window == m_id;
            m_managed = m_managed || ours;
            break;
        case XCB_MAP_NOTIFY:
            ours = reinterpret_cast<const xcb_map_notify_event_t *>(e)->window == m_id;
            break;
        case XCB_CONFIGURE_NOTIFY:
            ours = reinterpret_cast<const xcb_configure_notify_event_t *>(e)->window == m_id;
            break;
        case XCB_EXPOSE:
            ours = reinterpret_cast<const xcb_expose_event_t *>(e)->window == m_id;
            break;
        default:
            break;
        }
        if (ours)
            look();
        return false;
    }

private:
    void look()
    {
        // With no window manager there is nothing to ask the server about.
        if (!m_managed)
            return;
        // A window manager that names frames is believed only in what it names,
        // as soon as it names it (often before it maps the frame, so that the
        // window is put right before it is seen); its frame window may still be
        // unsized, or hold more than the frame. Where it names none, the frame
        // window is measured once it shows the window.
        std::optional<QMargins> device;
        if (supports(m_c, m_extents))
            device = frameExtents(m_c, m_id, m_extents);
        else if (viewable(m_c, m_id))
            device = frameWindowMargins(m_c, m_id);
        if (!device || !titled(*device))
            return;
        known(m_c).frame = *device;
        m_done = true;
        if (m_window)
            m_learned(toLogical(m_window, *device));
        finish();
    }

    void finish()
    {
        m_done = true;
        deleteLater();
    }

    QPointer<QWidget> m_window;
    xcb_connection_t *m_c;
    xcb_window_t m_id;
    xcb_atom_t m_extents;
    bool m_managed; // a window manager runs, or has taken the window over
    std::function<void(const QMargins &)> m_learned;
    bool m_done = false;
};

} // namespace

std::optional<QMargins> frameBeforeShowing(QWidget *window)
{
    xcb_connection_t *c = connection();
    // Other platforms draw their own frames, and know them once the window exists.
    if (!c) {
        window->winId();
        return window->windowHandle() ? std::optional(window->windowHandle()->frameMargins()) : std::nullopt;
    }
    Known &k = known(c);
    if (k.windowManager == XCB_WINDOW_NONE)
        return QMargins(); // nothing draws frames
    if (!k.frame)
        k.frame = ask(c, window, k);
    // Only a guess: the window is put right once its own frame shows.
    const std::optional<QMargins> device = k.frame ? k.frame : frameOfAnotherWindow(c);
    if (!device)
        return std::nullopt;
    return toLogical(window, *device);
}

void whenFrameKnown(QWidget *window, std::function<void(const QMargins &)> learned)
{
    // Watched even with no window manager running: one that starts a moment
    // later, as at the start of a session, takes the window over and frames it.
    if (xcb_connection_t *c = connection())
        new FrameWatch(window, c, std::move(learned));
}

} // namespace vorvan::kit
