#pragma once

// The frame as an X11 window manager tells it: the X side of platform/frame.h.

#include "platform/frame.h"

namespace vorvan::platform::x11 {

// Whether the program runs on an X server.
bool active();
Frame frameBeforeShowing(QWidget *window);
void whenFrameKnown(QWidget *window, std::function<void(const Frame &)> learned);

} // namespace vorvan::platform::x11
