#pragma once

// What the desktop's window manager adds round a window: its frame (title bar
// and borders), asked for before the window is first shown, so that a window
// can be placed by its outer size from the start.

#include <QMargins>

#include <optional>

class QWidget;

namespace vorvan::kit {

// The frame the window manager will draw round `window`, in the window's own
// pixels, asked for before the window is mapped: no margins where nothing
// draws a frame (an X server without a window manager), none known where the
// window manager does not say in advance (the caller then learns the frame
// once the window is shown). Creates the native window.
std::optional<QMargins> frameBeforeShowing(QWidget *window);

} // namespace vorvan::kit
