#include "ui/kit/geometry.h"

#include "calc/centring.h"
#include "ui/kit/frame.h"

#include <QEvent>
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

// Where the window manager does not tell the frame before the window is shown,
// the window is placed once more when it is first shown, by the frame it then has.
class PlaceOnFirstExpose : public QObject
{
public:
    PlaceOnFirstExpose(QWidget *window, const Placement &placement, QSize client)
        : QObject(window), m_window(window), m_placement(placement), m_client(client)
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed()) {
            const QMargins frame = m_window->windowHandle()->frameMargins();
            if (!frame.isNull())
                m_window->setGeometry(geometryFor(m_window, m_placement, m_client, frame));
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    Placement m_placement;
    QSize m_client;
};

} // namespace

void place(QWidget *window, const Placement &placement)
{
    // The client area the window was built with is the least it keeps.
    const QSize client = window->size();
    const std::optional<QMargins> frame = frameBeforeShowing(window);
    window->setGeometry(geometryFor(window, placement, client, frame.value_or(QMargins())));
    if (!frame)
        new PlaceOnFirstExpose(window, placement, client);
}

} // namespace vorvan::kit
