#include "ui/kit/geometry.h"

#include "calc/centring.h"
#include "ui/kit/frame.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace vorvan::kit {

int px(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double twips(int pixels)
{
    return pixels * static_cast<double>(twipsPerPixel);
}

QRect at(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

QRect placedGeometry(const Placement &placement, QSize client, const QMargins &frame, const QRect &s)
{
    const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (!placement.outer.isEmpty())
        client = client.expandedTo(QSize(px(placement.outer.width()), px(placement.outer.height())) - margins);
    const QSize outer = client + margins;
    QPoint frameTopLeft;
    if (placement.topLeft) {
        frameTopLeft = QPoint(px(placement.topLeft->x()), px(placement.topLeft->y()));
    } else {
        const WindowPosition pos =
            centredPosition(static_cast<float>(twips(s.width())), static_cast<float>(twips(s.height())),
                            static_cast<float>(twips(outer.width())), static_cast<float>(twips(outer.height())));
        frameTopLeft = s.topLeft() + QPoint(px(pos.left), px(pos.top));
    }
    return {frameTopLeft + QPoint(frame.left(), frame.top()), client};
}

namespace {

QRect geometryFor(const QWidget *window, const Placement &placement, QSize client, const QMargins &frame)
{
    const QScreen *screen = window->screen();
    return placedGeometry(placement, client, frame, screen ? screen->geometry() : QRect(0, 0, 1024, 768));
}

} // namespace

void place(QWidget *window, const Placement &placement)
{
    // The client area the window was built with is the least it keeps.
    const QSize client = window->size();
    const QMargins assumed = frameBeforeShowing(window).value_or(QMargins());
    window->setGeometry(geometryFor(window, placement, client, assumed));
    // Where the frame was not known in advance, or not rightly, the window is
    // placed once more as soon as the window manager names its real frame.
    // Only the program's first window can need that, on a desktop where the
    // window manager tells nothing in advance and no other window shows its
    // frame: every later window starts from the frame then learned.
    QPointer<QWidget> guarded(window);
    whenFrameKnown(window, [guarded, placement, client, assumed](const QMargins &frame) {
        if (guarded && frame != assumed) {
            guarded->setGeometry(geometryFor(guarded, placement, client, frame));
            // Said on the window, for the desktop test to count.
            guarded->setProperty("placedAgain", true);
        }
    });
}

} // namespace vorvan::kit
