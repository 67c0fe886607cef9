#include "ui/kit/painted.h"

#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/look.h"
#include "ui/kit/svgrenderer.h"

#include <QEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vorvan::kit {

namespace {

bool opaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

namespace {
QImage rendered(SvgRenderer &svg, const QSize &pixels)
{
    if (!svg.isValid())
        return {};
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return image;
}
} // namespace

QImage svgImage(const QString &resource, const QSize &pixels)
{
    SvgRenderer svg(resource);
    return rendered(svg, pixels);
}

QImage svgImage(const QString &resource, qreal scale)
{
    SvgRenderer svg(resource);
    QImage image = rendered(svg, svg.defaultSize() * scale);
    image.setDevicePixelRatio(scale);
    return image;
}

Picture::Picture(QWidget *parent, const char *name, const QString &resource, const QRect &r, const QString &toolTip)
    : QWidget(parent), m_resource(resource)
{
    setUp(this, name, r, {.toolTip = toolTip});
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Drawn onto a PDF, the drawing itself: lines that stay sharp at any size.
    if (painter.paintEngine()->type() == QPaintEngine::Pdf) {
        SvgRenderer svg(m_resource);
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg.render(&painter, QRectF(rect()));
        return;
    }
    // Rasterised once per size and scale, so repaints during drags stay cheap.
    // The drawing is read only then, and not kept: a picture that is never
    // shown is never read, and the raster is all a shown one holds.
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (m_cache.size() != device) {
        QImage image = svgImage(m_resource, device);
        // A picture that covers its whole box keeps three bytes a pixel, not
        // four: the same colours, without the alpha it does not use.
        if (opaque(image))
            image = image.convertToFormat(QImage::Format_RGB888);
        image.setDevicePixelRatio(dpr);
        m_cache = std::move(image);
    }
    painter.drawImage(0, 0, m_cache);
}

ProgressBar::ProgressBar(QWidget *parent, const char *name, const QRect &r, Qt::Orientation orientation, int minimum,
                         int maximum, int value, const QColor &bar, const QString &toolTip)
    : QProgressBar(parent)
{
    setUp(this, name, r, {.toolTip = toolTip});
    setOrientation(orientation);
    setTextVisible(false);
    setRange(minimum, maximum);
    setValue(value);
    QPalette p = palette();
    p.setColor(QPalette::Base, colour::buttonFace());
    p.setColor(QPalette::Highlight, bar);
    setPalette(p);
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect all = rect();
    p.fillRect(all, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(all.adjusted(0, 0, -1, -1));

    const QRect inner = all.adjusted(1, 1, -1, -1);
    const double span = double(maximum()) - minimum();
    // value() is minimum - 1 after reset(): nothing to fill then.
    const double share = span > 0 ? std::clamp((double(value()) - minimum()) / span, 0.0, 1.0) : 0.0;
    QRect filled = inner;
    if (orientation() == Qt::Vertical) {
        const int h = static_cast<int>(std::lround(share * inner.height()));
        filled.setTop(inner.bottom() + 1 - h);
    } else {
        filled.setWidth(static_cast<int>(std::lround(share * inner.width())));
    }
    if (!filled.isEmpty())
        p.fillRect(filled, palette().color(QPalette::Highlight));
}

Shape line(const char *name, double x1, double y1, double x2, double y2, const QColor &colour, double width)
{
    return {.kind = Shape::Kind::Line,
            .name = QLatin1String(name),
            .a = {x1, y1},
            .b = {x2, y2},
            .colour = colour,
            .width = width};
}

ShapeLayer::ShapeLayer(QWidget *form) : QWidget(form)
{
    setObjectName(QStringLiteral("shapeLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(form->rect());
    lower();
    form->installEventFilter(this);
}

Shape &ShapeLayer::add(const Shape &shape)
{
    m_shapes.push_back(shape);
    update();
    return m_shapes.back();
}

const Shape *ShapeLayer::shape(const QString &name) const
{
    for (const auto &s : m_shapes)
        if (s.name == name)
            return &s;
    return nullptr;
}

bool ShapeLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void ShapeLayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = 1.0 / twipsPerPixel;
    for (const Shape &s : m_shapes) {
        if (!s.visible)
            continue;
        QPen pen(s.colour, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(s.fill ? QBrush(*s.fill) : QBrush(Qt::NoBrush));
        if (s.kind == Shape::Kind::Line) {
            QPointF a = s.a * k, b = s.b * k;
            // A line of odd width along a row or column of pixels covers that
            // row or column, not half of each of two.
            if (std::fmod(s.width, 2) == 1) {
                if (a.y() == b.y())
                    a.ry() = b.ry() = a.y() + 0.5;
                else if (a.x() == b.x())
                    a.rx() = b.rx() = a.x() + 0.5;
            }
            p.drawLine(a, b);
            continue;
        }
        // Outlines are drawn inside the shape's box, as the classic shape control does.
        const double inset = s.width / 2.0;
        const QRectF box = QRectF(s.a * k, QSizeF(s.b.x() * k, s.b.y() * k)).adjusted(inset, inset, -inset, -inset);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        if (s.kind == Shape::Kind::Rectangle)
            p.drawRect(box);
        else
            p.drawEllipse(box);
    }
}

} // namespace vorvan::kit
