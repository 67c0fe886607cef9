#include "platform/titlebar.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

namespace vorvan::platform {

int titleBarWidthFor(const QString &title)
{
    // Window managers set titles in their own face, bold or not, from 8 to
    // 12 points (openbox, fluxbox 8; xfwm4 9; KWin 10; GNOME's 11 bold; icewm
    // 12): room here for the largest, 16 pixels bold, so that every one shows
    // the title whole. Beside the title a title bar holds the window's icon,
    // its close box and some padding: room for four such boxes.
    QFont font = QApplication::font();
    font.setPixelSize(std::max(font.pixelSize() * 5 / 4, 16));
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 4 * 24;
}

} // namespace vorvan::platform
