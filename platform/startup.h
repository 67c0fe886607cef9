#pragma once

// Which window system the program asks Qt for when it starts.

#include <QByteArray>

namespace vorvan {

// What of its surroundings the choice depends on.
struct StartEnvironment
{
    QByteArray qtPlatform;         // QT_QPA_PLATFORM
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray sessionType;        // XDG_SESSION_TYPE
    QByteArray x11Display;         // DISPLAY
    bool platformArgument = false; // -platform on the command line
};

StartEnvironment startEnvironment(int argc, char **argv);

// The platform to ask for, or empty for Qt's own choice. Wayland does not let
// a program place its own windows, so in a Wayland session with an X server
// beside it (XWayland) the program runs on X, where its windows go where they
// should; a platform the user chose, by variable or argument, always wins.
QByteArray platformFor(const StartEnvironment &environment);

} // namespace vorvan
