#include "platform/startup.h"

#include <cstring>

namespace vorvan {

StartEnvironment startEnvironment(int argc, char **argv)
{
    StartEnvironment e;
    e.qtPlatform = qgetenv("QT_QPA_PLATFORM");
    e.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    e.sessionType = qgetenv("XDG_SESSION_TYPE");
    e.x11Display = qgetenv("DISPLAY");
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            e.platformArgument = true;
    return e;
}

QByteArray platformFor(const StartEnvironment &e)
{
    if (!e.qtPlatform.isEmpty() || e.platformArgument)
        return {};
    const bool wayland = !e.waylandDisplay.isEmpty() || e.sessionType == "wayland";
    if (wayland && !e.x11Display.isEmpty())
        return QByteArrayLiteral("xcb");
    return {};
}

} // namespace vorvan
