#include "ui/formkit.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QWindow>

#include <algorithm>
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

QPoint point(double left, double top)
{
    return {px(left), px(top)};
}

QColor rgb(int r, int g, int b)
{
    return {r, g, b};
}

QColor colour::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

static QFont liberationSans(double pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(std::lround(pixels)));
    f.setBold(bold);
    return f;
}

QFont sans(double points, bool bold)
{
    return liberationSans(points * 96.0 / 72.0 * 0.93, bold);
}

QFont arial(double points, bool bold)
{
    return liberationSans(points * 96.0 / 72.0, bold);
}

QFont defaultFont()
{
    return sans(8.25);
}

void setColours(QWidget *w, const std::optional<QColor> &fg, const std::optional<QColor> &bg)
{
    QPalette p = w->palette();
    if (fg) {
        p.setColor(QPalette::WindowText, *fg);
        p.setColor(QPalette::Text, *fg);
        p.setColor(QPalette::ButtonText, *fg);
    }
    if (bg) {
        p.setColor(QPalette::Window, *bg);
        p.setColor(QPalette::Base, *bg);
        p.setColor(QPalette::Button, *bg);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QColor background(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) ? w->palette().color(QPalette::Base)
                                              : w->palette().color(QPalette::Window);
}

void setBackground(QWidget *w, const QColor &c)
{
    setColours(w, std::nullopt, c);
}

void setForeground(QWidget *w, const QColor &c)
{
    setColours(w, c, std::nullopt);
}

QColor foreground(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) ? w->palette().color(QPalette::Text)
                                              : w->palette().color(QPalette::WindowText);
}

void setText(QWidget *w, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
}

static void place(QWidget *w, const char *name, const QRect &r)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(r);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look)
{
    auto *l = new QLabel(text, parent);
    place(l, name, r);
    l->setTextFormat(Qt::PlainText);
    l->setFont(look.font.value_or(defaultFont()));
    l->setAlignment(look.align | ((look.align & Qt::AlignVertical_Mask) ? Qt::Alignment() : Qt::AlignTop));
    l->setWordWrap(look.wrap);
    l->setMargin(0);
    if (look.border) {
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
    }
    setColours(l, look.fg.value_or(colour::black), look.bg);
    if (!look.toolTip.isEmpty())
        l->setToolTip(look.toolTip);
    return l;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look)
{
    auto *e = new QLineEdit(text, parent);
    place(e, name, r);
    e->setFont(look.font.value_or(defaultFont()));
    e->setAlignment(look.align | Qt::AlignVCenter);
    e->setFrame(look.border);
    e->setTextMargins(0, 0, 0, 0);
    setColours(e, look.fg.value_or(colour::black), look.bg.value_or(colour::white));
    if (!look.toolTip.isEmpty()) {
        e->setToolTip(look.toolTip);
        e->setAccessibleName(look.toolTip);
    }
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                    const std::optional<QFont> &f)
{
    auto *b = new QPushButton(caption, parent);
    place(b, name, r);
    b->setFont(f.value_or(defaultFont()));
    b->setAutoDefault(false);
    return b;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                 const std::optional<QFont> &captionFont)
{
    auto *g = new QGroupBox(caption, parent);
    place(g, name, r);
    g->setFont(captionFont.value_or(defaultFont()));
    setColours(g, std::nullopt, colour::white);
    // Only the caption takes the frame's colour: buttons inside keep their own text colour.
    QPalette p = g->palette();
    p.setColor(QPalette::WindowText, colour::frameCaption);
    g->setPalette(p);
    return g;
}

QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, const QRect &r)
{
    auto *o = new QRadioButton(caption, frame);
    place(o, name, r);
    o->setFont(defaultFont());
    setColours(o, colour::black, colour::white);
    return o;
}

namespace {
// A horizontal scroll bar whose keys move the thumb the way they point, as a
// desktop scroll bar does: Qt's own inverts the arrows of a focused horizontal
// bar (Right lowers the value).
class HorizontalSlider : public QScrollBar
{
public:
    explicit HorizontalSlider(QWidget *parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
        }
        event->accept();
    }
};
} // namespace

QScrollBar *slider(QWidget *parent, const char *name, const QRect &r, int minimum, int maximum, int value)
{
    auto *s = new HorizontalSlider(parent);
    place(s, name, r);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(value);
    s->setTracking(true); // every step of a drag is a change, as the windows want
    s->setFocusPolicy(Qt::StrongFocus);
    return s;
}

Picture::Picture(QWidget *parent, const char *name, const QString &resource, const QRect &r, const QString &toolTip)
    : QWidget(parent), m_resource(resource)
{
    place(this, name, r);
    if (!toolTip.isEmpty()) {
        setToolTip(toolTip);
        setAccessibleName(toolTip);
    }
}

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

void Picture::paintEvent(QPaintEvent *)
{
    // Rasterised once per size and scale, so repaints during drags stay cheap.
    // The drawing is read only then, and not kept: a picture that is never
    // shown is never read, and the raster is all a shown one holds.
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (m_cache.size() != device) {
        QImage image(device, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QSvgRenderer svg(m_resource);
            svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p, QRectF(QPointF(0, 0), QSizeF(device)));
        }
        // A picture that covers its whole box keeps three bytes a pixel, not
        // four: the same colours, without the alpha it does not use.
        if (opaque(image))
            image = image.convertToFormat(QImage::Format_RGB888);
        image.setDevicePixelRatio(dpr);
        m_cache = std::move(image);
    }
    QPainter(this).drawImage(0, 0, m_cache);
}

ProgressBar::ProgressBar(QWidget *parent, const char *name, const QRect &r, Qt::Orientation orientation, int minimum,
                         int maximum, int value, const QColor &bar, const QString &toolTip)
    : QProgressBar(parent)
{
    place(this, name, r);
    setOrientation(orientation);
    setTextVisible(false);
    setRange(minimum, maximum);
    setValue(value);
    QPalette p = palette();
    p.setColor(QPalette::Base, colour::buttonFace());
    p.setColor(QPalette::Highlight, bar);
    setPalette(p);
    if (!toolTip.isEmpty()) {
        setToolTip(toolTip);
        setAccessibleName(toolTip);
    }
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

Shape *ShapeLayer::shape(const QString &name)
{
    for (auto &s : m_shapes)
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
            p.drawLine(s.a * k, s.b * k);
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

static QSize frameExtra(const QWidget *window)
{
    window->winId(); // the frame margins are known only for a created window
    const QMargins m = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return {m.left() + m.right(), m.top() + m.bottom()};
}

namespace {
// On a desktop whose window manager draws the frame, the frame's size is known
// only once the window is mapped. Until the window is first exposed this keeps
// the outer size, and a centred window's centring, true to the real frame.
class OuterSizeKeeper : public QObject
{
public:
    OuterSizeKeeper(QWidget *window, QSize outer)
        : QObject(window), m_window(window), m_outer(outer), m_extra(frameExtra(window))
    {
        setObjectName(name());
    }
    static QString name() { return QStringLiteral("outerSizeKeeper"); }
    static OuterSizeKeeper *of(QWidget *window)
    {
        return static_cast<OuterSizeKeeper *>(window->findChild<QObject *>(name(), Qt::FindDirectChildrenOnly));
    }
    bool centred = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move || event->type() == QEvent::Show) {
            // Once per frame size seen: the adjustment itself moves the window.
            const QSize extra = frameExtra(m_window);
            if (extra != m_extra) {
                m_extra = extra;
                m_window->resize(m_outer - extra);
                if (centred)
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
};
} // namespace

void setOuterSize(QWidget *window, int widthTwips, int heightTwips)
{
    const QSize outer(px(widthTwips), px(heightTwips));
    window->resize(outer - frameExtra(window));
    delete OuterSizeKeeper::of(window);
    window->windowHandle()->installEventFilter(new OuterSizeKeeper(window, outer));
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
    if (auto *keeper = OuterSizeKeeper::of(window))
        keeper->centred = true;
}

NumberFormat numberFormat()
{
    const QLocale locale;
    NumberFormat f;
    f.decimalPoint = locale.decimalPoint().toStdString();
    f.groupSeparator = locale.groupSeparator().toStdString();
    f.minusSign = locale.negativeSign().toStdString();
    f.grouping = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    return f;
}

QString fixed(double value, int decimals)
{
    return text(fixedText(value, decimals, numberFormat()));
}

QString text(const std::string &calcText)
{
    return QString::fromStdString(calcText);
}

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(defaultFont());
    setColours(this, std::nullopt, background);
    resize(px(clientWidthTwips), px(clientHeightTwips));
}

} // namespace vorvan::kit

namespace vorvan::kit {

namespace {
class ClickFilter : public QObject
{
public:
    ClickFilter(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};
} // namespace

void onClick(QWidget *w, std::function<void()> action)
{
    w->installEventFilter(new ClickFilter(w, std::move(action)));
}

void tabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace vorvan::kit
