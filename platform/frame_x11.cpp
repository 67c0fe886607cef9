#include "platform/frame_x11.h"

#include "platform/xcb.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <thread>

namespace vorvan::platform::x11 {

namespace {

using namespace vorvan::xcb;

// A frame round a normal window has a title bar. A window manager that builds
// its frames in a separate client (mutter from version 44) first names an
// empty frame, before the frame exists, and the real one a moment later; an
// empty frame is never taken for the one that will be drawn.
bool titled(const QMargins &m)
{
    return plausibleFrame(m) && m.top() > 0;
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
        if (const std::optional<QMargins> m = frameExtents(c, window); m && titled(*m))
            return m;
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < deadline);
    k.silent = true;
    qCDebug(lcPlacement, "the window manager did not answer a frame request within 40 ms: not asked again");
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
    const xcb_atom_t type = atom(c, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t normal = atom(c, "_NET_WM_WINDOW_TYPE_NORMAL");
    const auto *windows = static_cast<const xcb_window_t *>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    for (int i = count - 1; i >= 0; --i) {
        const auto types = property(c, windows[i], type, XCB_ATOM_ATOM, 1);
        if (types && xcb_get_property_value_length(types.get()) >= 4 &&
            *static_cast<const xcb_atom_t *>(xcb_get_property_value(types.get())) != normal)
            continue;
        const std::optional<QMargins> m = frameExtents(c, windows[i]);
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
    FrameWatch(QWidget *window, xcb_connection_t *c, std::function<void(const Frame &)> learned)
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
        FrameSource source = FrameSource::Named;
        if (supports(m_c, m_extents)) {
            device = frameExtents(m_c, m_id);
        } else if (viewable(m_c, m_id)) {
            device = frameWindowMargins(m_c, m_id);
            source = FrameSource::Measured;
        }
        if (!device || !titled(*device))
            return;
        known(m_c).frame = *device;
        m_done = true;
        if (m_window)
            m_learned({toLogical(m_window, *device), source});
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
    std::function<void(const Frame &)> m_learned;
    bool m_done = false;
};

} // namespace

bool active()
{
    return connection() != nullptr;
}

Frame frameBeforeShowing(QWidget *window)
{
    xcb_connection_t *c = connection();
    Known &k = known(c);
    if (k.windowManager == XCB_WINDOW_NONE)
        return {}; // nothing draws frames
    FrameSource source = FrameSource::Learned;
    if (!k.frame) {
        k.frame = ask(c, window, k);
        source = FrameSource::Asked;
    }
    if (k.frame)
        return {toLogical(window, *k.frame), source};
    // Only a guess: the window is put right once its own frame shows.
    if (const std::optional<QMargins> borrowed = frameOfAnotherWindow(c))
        return {toLogical(window, *borrowed), FrameSource::Borrowed};
    return {};
}

void whenFrameKnown(QWidget *window, std::function<void(const Frame &)> learned)
{
    // Watched even with no window manager running: one that starts a moment
    // later, as at the start of a session, takes the window over and frames it.
    new FrameWatch(window, connection(), std::move(learned));
}

} // namespace vorvan::platform::x11
