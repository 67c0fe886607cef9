#pragma once

// What the windows paint themselves: pictures from the compiled-in SVG
// drawings, a flat progress bar, and the lines, rectangles and circles that
// lie on a window beneath its controls.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QProgressBar>
#include <QRect>
#include <QString>
#include <QWidget>

#include <deque>
#include <optional>

namespace vorvan::kit {

// An SVG drawing stretched over an image of `pixels`, on transparent; a null
// image when the drawing cannot be read.
QImage svgImage(const QString &resource, const QSize &pixels);
// The same at the drawing's own size times `scale`, for a screen of that density.
QImage svgImage(const QString &resource, qreal scale);

// A picture from the compiled-in SVGs, stretched to its box and kept crisp at any
// scale; on a PDF it is drawn as vectors.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QWidget *parent, const char *name, const QString &resource, const QRect &r,
            const QString &toolTip = QString());
    QString resource() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_resource;
    QImage m_cache;
};

// A progress bar drawn flat: the Base colour, then a solid bar of the Highlight
// colour growing from the bottom (vertical) or the left, in proportion to
// (value - minimum) / (maximum - minimum). No text, no gradient, no rounding.
class ProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    ProgressBar(QWidget *parent, const char *name, const QRect &r, Qt::Orientation orientation, int minimum,
                int maximum, int value, const QColor &bar, const QString &toolTip = QString());

protected:
    void paintEvent(QPaintEvent *) override;
};

// Coordinates are twips; pen widths are pixels.
struct Shape
{
    enum class Kind { Line, Rectangle, Circle };
    Kind kind = Kind::Line;
    QString name;
    QPointF a;     // line: first end; rectangle and circle: top left
    QPointF b;     // line: second end; rectangle and circle: width and height
    QColor colour; // the line, or the outline of a shape
    std::optional<QColor> fill;
    double width = 1;
    bool visible = true;
};

// A straight line from (x1, y1) to (x2, y2) in twips, `width` pixels wide.
Shape line(const char *name, double x1, double y1, double x2, double y2, const QColor &colour, double width = 1);

// The shapes of a window, painted on the window itself beneath its controls.
class ShapeLayer : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeLayer(QWidget *form);
    // The shape as added; a window keeps those it changes later. References
    // stay valid as more are added.
    Shape &add(const Shape &shape);
    // The shape of that name, or null: for looking at, as the tests do.
    const Shape *shape(const QString &name) const;
    const std::deque<Shape> &shapes() const { return m_shapes; }

protected:
    void paintEvent(QPaintEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::deque<Shape> m_shapes;
};

} // namespace vorvan::kit
