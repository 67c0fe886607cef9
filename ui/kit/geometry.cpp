#include "ui/kit/geometry.h"

#include "calc/centring.h"

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

namespace {

QSize frameExtra(const QWidget *window)
{
    window->winId(); // the frame margins are known only for a created window
    const QMargins m = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
}

void moveTo(QWidget *window, double leftTwips, double topTwips)
{
    window->move(px(leftTwips), px(topTwips)); // a top-level move places the outer frame
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QSize outer = window->size() + frameExtra(window);
    const WindowPosition pos =
        centredPosition(static_cast<float>(twips(s.width())), static_cast<float>(twips(s.height())),
                        static_cast<float>(twips(outer.width())), static_cast<float>(twips(outer.height())));
    moveTo(window, s.x() * twipsPerPixel + pos.left, s.y() * twipsPerPixel + pos.top);
}

// On a desktop whose window manager draws the frame, the frame's size is known
// only once the window is mapped. Until the window is first exposed this keeps
// the outer size, and a centred window's centring, true to the real frame.
class OuterSizeKeeper : public QObject
{
public:
    OuterSizeKeeper(QWidget *window, QSize outer, bool centred)
        : QObject(window), m_window(window), m_outer(outer), m_extra(frameExtra(window)), m_centred(centred)
    {
        setObjectName(name());
    }
    static QString name() { return QStringLiteral("outerSizeKeeper"); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move || event->type() == QEvent::Show) {
            // Once per frame size seen: the adjustment itself moves the window.
            const QSize extra = frameExtra(m_window);
            if (extra != m_extra) {
                m_extra = extra;
                m_window->resize(m_outer - extra);
                if (m_centred)
                    centreOnScreen(m_window);
            }
            if (event->type() == QEvent::Expose)
                deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    QSize m_outer;
    QSize m_extra;
    bool m_centred;
};

} // namespace

void place(QWidget *window, const Placement &placement)
{
    if (!placement.outer.isEmpty()) {
        const QSize outer(px(placement.outer.width()), px(placement.outer.height()));
        window->resize(outer - frameExtra(window));
        delete window->findChild<QObject *>(OuterSizeKeeper::name(), Qt::FindDirectChildrenOnly);
        window->windowHandle()->installEventFilter(new OuterSizeKeeper(window, outer, !placement.topLeft));
    }
    if (placement.topLeft)
        moveTo(window, placement.topLeft->x(), placement.topLeft->y());
    else
        centreOnScreen(window);
}

} // namespace vorvan::kit
