#pragma once

// The small kit every window is built from, so that a window's constructor reads
// like its control table: twips geometry, the program's fonts and colours,
// control factories that set object names, looks and accessible names, pictures
// drawn from the compiled-in SVGs, and painted lines and shapes.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QProgressBar>
#include <QRect>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>

#include "calc/numbers.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace vorvan::kit {

// 15 twips to a device-independent pixel; Qt scales pixels for HiDPI screens.
constexpr int twipsPerPixel = 15;
int px(double twips);
double twips(int pixels);
QRect at(int left, int top, int width, int height); // twips in, pixels out
QPoint point(double left, double top);

QColor rgb(int r, int g, int b);
namespace colour {
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor navy{0, 0, 128};
inline const QColor frameCaption{143, 165, 194};
inline const QColor silver{192, 192, 192};
inline const QColor magenta{255, 0, 255};
inline const QColor blue{0, 0, 255};
inline const QColor lightCyan{192, 255, 255};
inline const QColor lightYellow{255, 255, 128};
// The desktop's colour for button faces, read when it is used.
QColor buttonFace();
} // namespace colour

// The design's fonts in metric-close free faces. Sizes are set in pixels
// (points at 96 dpi) so that layout does not depend on the screen's dpi.
// sans() stands in for MS Sans Serif, which runs a little narrower than
// Liberation Sans at the same size; arial() is Liberation Sans, Arial's metric twin.
QFont sans(double points, bool bold = false);
QFont arial(double points, bool bold = false);
QFont defaultFont(); // the forms' 8.25 pt regular

struct Look
{
    std::optional<QColor> fg;
    std::optional<QColor> bg;
    std::optional<QFont> font;
    Qt::Alignment align = Qt::AlignLeft;
    bool border = true; // text boxes: a frame; labels: a single line
    bool wrap = false;
    QString toolTip;
};

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &r,
              const Look &look = {.border = false});
QLineEdit *textBox(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look = {});
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                    const std::optional<QFont> &f = std::nullopt);
QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                 const std::optional<QFont> &captionFont = std::nullopt);
QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, const QRect &r);
QScrollBar *slider(QWidget *parent, const char *name, const QRect &r, int minimum, int maximum, int value);

void setColours(QWidget *w, const std::optional<QColor> &fg, const std::optional<QColor> &bg);
QColor background(const QWidget *w);
QColor foreground(const QWidget *w);
void setBackground(QWidget *w, const QColor &c);
void setForeground(QWidget *w, const QColor &c);

// Text boxes and labels as the window writes them.
void setText(QWidget *w, const QString &text);

// A picture from the compiled-in SVGs, stretched to its box and kept crisp at any scale.
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

// Lines, rectangles and circles drawn on the form itself, beneath its controls.
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

class ShapeLayer : public QWidget
{
    Q_OBJECT
public:
    explicit ShapeLayer(QWidget *form);
    Shape &add(const Shape &shape);
    Shape *shape(const QString &name);
    const std::deque<Shape> &shapes() const { return m_shapes; }

protected:
    void paintEvent(QPaintEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::deque<Shape> m_shapes;
};

// Window placement in twips from the real outer size (frame included).
void setOuterSize(QWidget *window, int widthTwips, int heightTwips);
void moveTo(QWidget *window, double leftTwips, double topTwips);
void centreOnScreen(QWidget *window);

// The number texts in the user's regional form.
NumberFormat numberFormat();
QString fixed(double value, int decimals);
// A text made by calc/ (UTF-8), as the windows show it.
QString text(const std::string &calcText);

// A calculator or information window: white, the form font, destroyed when closed.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background = colour::white);
    // The load step, run once when the window is created, before it is shown.
    virtual void Form_Load() { centreOnScreen(this); }
};

} // namespace vorvan::kit

namespace vorvan::kit {
// Runs `action` when the user clicks into `w` (a text box's Click event).
void onClick(QWidget *w, std::function<void()> action);
// Tab order as the design's tab indices list the controls.
void tabOrder(std::initializer_list<QWidget *> widgets);
} // namespace vorvan::kit
