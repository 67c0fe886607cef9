#include "platform/xcb.h"

#include <QGuiApplication>

#include <cstring>

namespace vorvan::xcb {

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
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                         std::uint32_t length)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, length), nullptr));
}

QList<quint32> cardinals(xcb_connection_t *c, xcb_window_t window, const char *name, xcb_atom_t type)
{
    const xcb_atom_t a = atom(c, name);
    if (a == XCB_ATOM_NONE)
        return {};
    const auto p = property(c, window, a, type, 1024);
    QList<quint32> values;
    if (!p || p->format != 32)
        return values;
    const auto *v = static_cast<const quint32 *>(xcb_get_property_value(p.get()));
    for (int i = 0; i < xcb_get_property_value_length(p.get()) / 4; ++i)
        values << v[i];
    return values;
}

QStringList atomNames(xcb_connection_t *c, xcb_window_t window, const char *name)
{
    QStringList names;
    for (quint32 a : cardinals(c, window, name, XCB_ATOM_ATOM)) {
        const Reply<xcb_get_atom_name_reply_t> n(xcb_get_atom_name_reply(c, xcb_get_atom_name(c, a), nullptr));
        if (n)
            names << QString::fromLatin1(xcb_get_atom_name_name(n.get()), xcb_get_atom_name_name_length(n.get()));
    }
    return names;
}

QStringList windowClass(xcb_connection_t *c, xcb_window_t window)
{
    const auto p = property(c, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256);
    if (!p)
        return {};
    const QByteArray bytes(static_cast<const char *>(xcb_get_property_value(p.get())),
                           xcb_get_property_value_length(p.get()));
    return QString::fromLatin1(bytes).split(QLatin1Char('\0'), Qt::SkipEmptyParts);
}

xcb_window_t windowManager(xcb_connection_t *c)
{
    const auto check = property(c, rootOf(c), atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    if (!check || xcb_get_property_value_length(check.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(check.get()));
}

QString windowManagerName(xcb_connection_t *c)
{
    const xcb_window_t wm = windowManager(c);
    if (wm == XCB_WINDOW_NONE)
        return QStringLiteral("none");
    const auto name = property(c, wm, atom(c, "_NET_WM_NAME"), 0, 64);
    if (!name || xcb_get_property_value_length(name.get()) == 0)
        return QStringLiteral("unnamed");
    return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
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

std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window)
{
    const auto reply = property(c, window, atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
    if (!reply || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom; a 32-bit value past 2^31 is a negative side.
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

bool viewable(xcb_connection_t *c, xcb_window_t window)
{
    const Reply<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<QRect> clientOnScreen(xcb_connection_t *c, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, rootOf(c), 0, 0), nullptr));
    if (!viewable(c, window) || !geometry || !at)
        return std::nullopt;
    return QRect(at->dst_x, at->dst_y, geometry->width, geometry->height);
}

std::optional<QMargins> frameWindowMargins(xcb_connection_t *c, xcb_window_t window)
{
    const xcb_window_t root = rootOf(c);
    xcb_window_t top = window;
    for (int depth = 0; depth < 8; ++depth) {
        const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, top), nullptr));
        if (!tree)
            return std::nullopt;
        if (tree->parent == root || tree->parent == XCB_WINDOW_NONE)
            break;
        top = tree->parent;
    }
    if (top == window)
        return std::nullopt;
    const Reply<xcb_get_geometry_reply_t> outer(xcb_get_geometry_reply(c, xcb_get_geometry(c, top), nullptr));
    const Reply<xcb_get_geometry_reply_t> inner(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, top, 0, 0), nullptr));
    if (!outer || !inner || !at)
        return std::nullopt;
    const int right = outer->width - at->dst_x - inner->width;
    const int bottom = outer->height - at->dst_y - inner->height;
    if (at->dst_x < 0 || at->dst_y < 0 || right < 0 || bottom < 0)
        return std::nullopt;
    return QMargins(at->dst_x, at->dst_y, right, bottom);
}

} // namespace vorvan::xcb
