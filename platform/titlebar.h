#pragma once

// What a window manager's title bar needs to show a title whole.

#include <QString>

namespace vorvan::platform {

// The least width of a window whose title bar shows `title` whole.
int titleBarWidthFor(const QString &title);

} // namespace vorvan::platform
