#pragma once

// Twips, the unit every position and size is given in, and where a window
// goes on the screen when it loads.

#include "platform/frame.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace vorvan::kit {

// 15 twips to a device-independent pixel; Qt scales pixels for HiDPI screens.
constexpr int twipsPerPixel = 15;
int px(double twips);
double twips(int pixels);
QRect at(int left, int top, int width, int height); // twips in, pixels out

// Where a window goes when it loads, in twips. The outer size and the top
// left corner are those of the whole window, frame included.
struct Placement
{
    QSize outer;                   // the outer size it sets; empty: it keeps its client size
    std::optional<QPoint> topLeft; // none: centred on the screen by its outer size
};
// A window placed by a frame that then proves wrong is placed once more when
// the real one shows.
void place(QWidget *window, const Placement &placement = {});

// What a window's placing decided, kept on the window and said on the
// vorvan.placement log: the frame it assumed and where that came from, the
// outer and client rectangles it asked for, in its own pixels, and the frame
// and client rectangle of a second placing once the real frame showed.
struct PlacementRecord
{
    platform::Frame assumed;
    QRect outer;
    QRect client;
    std::optional<platform::Frame> corrected;
    std::optional<QRect> correctedClient;
    bool placedAgain() const { return correctedClient.has_value(); }
    QRect clientNow() const { return correctedClient.value_or(client); }
};
// None for a window that was never placed.
const PlacementRecord *placementOf(const QWidget *window);

// The client geometry, in pixels, of a window of client area `client` placed on
// `screen` within a frame of `frame`: the client area is the outer size less the
// frame, but never smaller than `client`, whatever frame a window manager
// reports; the frame's top left is at the placement's corner, or where the
// outer size is centred on the screen in single-precision twips.
QRect placedGeometry(const Placement &placement, QSize client, const QMargins &frame, const QRect &screen);

} // namespace vorvan::kit
