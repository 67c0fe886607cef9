#include "ui/kit/geometry.h"

#include "calc/centring.h"

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

namespace {

// The record rides on the window as a child, and goes with it; found by its
// name, as a class without a meta-object of its own cannot be told apart by type.
const QString placedName = QStringLiteral("vorvan-placement");

class Placed : public QObject
{
public:
    Placed(QWidget *window, const PlacementRecord &record) : QObject(window), record(record)
    {
        setObjectName(placedName);
    }
    PlacementRecord record;
};

Placed *placedOf(const QWidget *window)
{
    return static_cast<Placed *>(window->findChild<QObject *>(placedName, Qt::FindDirectChildrenOnly));
}

QRect outerOf(const QRect &client, const QMargins &frame)
{
    return client.marginsAdded(frame);
}

QString marginsText(const QMargins &m)
{
    return QStringLiteral("%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

const PlacementRecord *placementOf(const QWidget *window)
{
    const Placed *placed = placedOf(window);
    return placed ? &placed->record : nullptr;
}

void place(QWidget *window, const Placement &placement)
{
    // The client area the window was built with is the least it keeps.
    const QSize client = window->size();
    const platform::Frame assumed = platform::frameBeforeShowing(window);
    const QRect geometry = geometryFor(window, placement, client, assumed.margins);
    window->setGeometry(geometry);
    delete placedOf(window);
    auto *placed = new Placed(window, {assumed, outerOf(geometry, assumed.margins), geometry, {}, {}});
    qCDebug(platform::lcPlacement, "%s: frame %s (%s), outer %s, client %s", qPrintable(window->objectName()),
            qPrintable(marginsText(assumed.margins)), sourceName(assumed.source),
            qPrintable(rectText(placed->record.outer)), qPrintable(rectText(geometry)));
    // Where the frame was not known in advance, or not rightly, the window is
    // placed once more as soon as the desktop names its real frame. Only the
    // program's first window can need that, on a desktop where the window
    // manager tells nothing in advance and no other window shows its frame:
    // every later window starts from the frame then learned.
    QPointer<Placed> guarded(placed);
    platform::whenFrameKnown(window, [guarded, placement, client](const platform::Frame &frame) {
        if (!guarded)
            return;
        PlacementRecord &record = guarded->record;
        if (frame.margins == record.assumed.margins)
            return;
        auto *w = static_cast<QWidget *>(guarded->parent());
        const QRect corrected = geometryFor(w, placement, client, frame.margins);
        w->setGeometry(corrected);
        record.corrected = frame;
        record.correctedClient = corrected;
        qCDebug(platform::lcPlacement, "%s: placed again, frame %s (%s), outer %s, client %s",
                qPrintable(w->objectName()), qPrintable(marginsText(frame.margins)), sourceName(frame.source),
                qPrintable(rectText(outerOf(corrected, frame.margins))), qPrintable(rectText(corrected)));
    });
}

} // namespace vorvan::kit
