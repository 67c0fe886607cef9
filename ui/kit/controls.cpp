#include "ui/kit/controls.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>

#include <algorithm>

namespace vorvan::kit {

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

    // Drawn here rather than by the style, so that every Qt draws the same
    // classic bar: raised arrow buttons and thumb on a flat trough (Qt 6.8's
    // Fusion boxes the trough, Qt 6.4's does not). Geometry and hit testing
    // stay the style's.
    void paintEvent(QPaintEvent *) override
    {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        if (minimum() == maximum()) {
            // One position only: show the thumb at that position, at the left
            // end, as a desktop scroll bar does, where Qt's would show none.
            opt.maximum = opt.minimum + 100;
            opt.sliderPosition = opt.sliderValue = opt.minimum;
            opt.pageStep = 1;
        }
        const auto part = [&](QStyle::SubControl sc) {
            return style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, this);
        };
        const auto pressed = [&](QStyle::SubControl sc) {
            return (opt.activeSubControls & sc) && (opt.state & QStyle::State_Sunken);
        };
        const QPalette &pal = palette();
        QPainter p(this);
        p.fillRect(rect(), pal.color(QPalette::Button).darker(106));
        // A raised button, two pixels of bevel, whose outline also stands out on a white window.
        const auto raised = [&](const QRect &r, bool down) {
            const QColor outerLit = pal.color(down ? QPalette::Shadow : QPalette::Mid);
            const QColor outerShaded = pal.color(down ? QPalette::Mid : QPalette::Shadow);
            const QColor innerLit = pal.color(down ? QPalette::Dark : QPalette::Light);
            const QColor innerShaded = pal.color(down ? QPalette::Button : QPalette::Dark);
            p.fillRect(r, pal.color(QPalette::Button));
            const auto edge = [&](const QRect &b, const QColor &lit, const QColor &shaded) {
                p.fillRect(QRect(b.left(), b.top(), b.width(), 1), lit);
                p.fillRect(QRect(b.left(), b.top(), 1, b.height()), lit);
                p.fillRect(QRect(b.left(), b.bottom(), b.width(), 1), shaded);
                p.fillRect(QRect(b.right(), b.top(), 1, b.height()), shaded);
            };
            edge(r, outerLit, outerShaded);
            if (r.width() > 4 && r.height() > 4)
                edge(r.adjusted(1, 1, -1, -1), innerLit, innerShaded);
        };
        const QRect less = part(QStyle::SC_ScrollBarSubLine), more = part(QStyle::SC_ScrollBarAddLine);
        raised(less, pressed(QStyle::SC_ScrollBarSubLine));
        raised(more, pressed(QStyle::SC_ScrollBarAddLine));
        if (const QRect thumb = part(QStyle::SC_ScrollBarSlider); thumb.isValid())
            raised(thumb, false);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(isEnabled() ? QPalette::ButtonText : QPalette::Dark));
        const auto arrow = [&](const QRect &box, bool left) {
            const QPointF c = QRectF(box).center();
            const qreal h = std::max(2.0, std::min(box.width(), box.height()) / 4.0);
            const qreal tip = left ? -h / 2 : h / 2;
            const QPointF points[3] = {{c.x() + tip, c.y()}, {c.x() - tip, c.y() - h}, {c.x() - tip, c.y() + h}};
            p.drawPolygon(points, 3);
        };
        arrow(less, true);
        arrow(more, false);
        // Qt's style marks a focused scroll bar barely at all; keyboard users
        // need to see which slider the arrow keys move.
        if (hasFocus()) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pal.color(QPalette::Highlight), 2));
            p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }
};

// A label whose border keeps the default line colour whatever colour its text takes.
class LinedLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event); // Qt draws the line in the text's colour
        if (frameShape() == QFrame::Box) {
            QPainter p(this);
            p.setPen(QApplication::palette().color(QPalette::WindowText));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

// A frame drawn as a classic group box: its caption on the top line, a little
// in from the left corner, the line broken behind the text; inside, the window's
// own colour (Qt's style lays a faint grey over it, on which white options and
// labels show as rectangles, and sets the line below the caption).
class Frame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

    static constexpr int captionInset = 8; // from the left corner to the caption's gap
    static constexpr int captionGap = 2;   // clear space either side of the caption

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QFontMetrics fm = fontMetrics();
        const QString caption = title();
        // The line runs through the middle of the caption, inside the frame's own rectangle.
        const int lineY = fm.height() / 2;
        const QRect text(captionInset + captionGap, 0, fm.horizontalAdvance(caption), fm.height());
        QRegion lined(rect());
        if (!caption.isEmpty())
            lined -= QRegion(text.adjusted(-captionGap, 0, captionGap, 0));
        p.save();
        p.setClipRegion(lined);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0, 0, 0, 48)); // the style's own faint line
        p.drawRoundedRect(QRectF(rect().adjusted(0, lineY, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        p.restore();
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    }
};

// A button whose face is a colour of the window's own, drawn flat with a
// classic raised edge: the style would shade that colour into a gradient.
class FacedButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        const bool sunken = isDown() || isChecked();
        const QColor face = palette().color(QPalette::Button);
        p.fillRect(r, face);
        // Outer edge, then inner edge: light above and left, dark below and right; swapped when pressed.
        const QColor light = face.lighter(150), shade = face.darker(150), dark(64, 64, 64);
        const auto edge = [&p](const QRect &e, const QColor &topLeft, const QColor &bottomRight) {
            p.setPen(topLeft);
            p.drawLine(e.topLeft(), e.topRight());
            p.drawLine(e.topLeft(), e.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(e.bottomLeft(), e.bottomRight());
            p.drawLine(e.topRight(), e.bottomRight());
        };
        if (sunken) {
            edge(r, dark, dark);
            edge(r.adjusted(1, 1, -1, -1), shade, face);
        } else {
            edge(r, light, dark);
            edge(r.adjusted(1, 1, -1, -1), face, shade);
        }
        QRect text = r.adjusted(3, 3, -3, -3);
        if (sunken)
            text.translate(1, 1);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
        if (hasFocus()) {
            // A dotted line round the caption: the style's focus frame would tint the face.
            p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
            p.drawRect(r.adjusted(4, 4, -5, -5));
        }
    }
};

constexpr int legiblePixels = 8;
const char *const resultFont = "vorvanResultFont";
const char *const resultToolTip = "vorvanResultToolTip";
const char *const resultText = "vorvanResultText";

// A result control's own font and tool tip, kept from before its first result.
QFont ownFont(QWidget *box)
{
    if (!box->property(resultFont).isValid()) {
        box->setProperty(resultFont, box->font());
        box->setProperty(resultToolTip, box->toolTip());
    }
    return box->property(resultFont).value<QFont>();
}

// The largest size of the control's own font in which `fits` holds, or none.
std::optional<QFont> fittingFont(QWidget *box, const std::function<bool(const QFontMetrics &)> &fits)
{
    QFont f = ownFont(box);
    for (int pixels = f.pixelSize(); pixels >= legiblePixels; --pixels) {
        f.setPixelSize(pixels);
        if (fits(QFontMetrics(f)))
            return f;
    }
    return std::nullopt;
}

void markCut(QWidget *box, const QString &whole, bool cut)
{
    box->setProperty(resultText, whole);
    const QString tip = cut ? whole : box->property(resultToolTip).toString();
    if (box->toolTip() != tip)
        box->setToolTip(tip);
    if (const QString description = cut ? whole : QString(); box->accessibleDescription() != description)
        box->setAccessibleDescription(description);
}

// Results change with every keystroke or slider step: a font set anew would
// lay the control out again each time.
void setFontOnce(QWidget *box, const QFont &f)
{
    if (box->font() != f)
        box->setFont(f);
}

// Where a line edit draws its text, as QLineEdit itself works it out.
QRect lineEditTextRoom(const QLineEdit *e)
{
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const int margin = 2; // QLineEdit's own horizontal margin
    return contents.marginsRemoved(e->textMargins()).adjusted(margin, 0, -margin, 0);
}

// Where a label draws its text: inside its frame, less the indent that a
// framed label keeps on its aligned sides.
QRect labelTextRoom(const QLabel *l, const QFontMetrics &fm)
{
    QRect r = l->contentsRect();
    const int indent = l->indent() >= 0 ? l->indent() : (l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 : 0);
    const Qt::Alignment a = l->alignment();
    if (a & Qt::AlignLeft)
        r.setLeft(r.left() + indent);
    if (a & Qt::AlignRight)
        r.setRight(r.right() - indent);
    if (a & Qt::AlignTop)
        r.setTop(r.top() + indent);
    if (a & Qt::AlignBottom)
        r.setBottom(r.bottom() - indent);
    return r;
}

// Shows `text` in the largest size of the box's own font in which `fits`
// holds; else at the legible floor, cut to `room` with an ellipsis.
void fitResult(QWidget *box, const QString &text, const std::function<bool(const QFontMetrics &)> &fits,
               const std::function<int(const QFontMetrics &)> &room, const std::function<void(const QString &)> &show)
{
    const std::optional<QFont> fitting = fittingFont(box, fits);
    QFont f = fitting.value_or(ownFont(box));
    if (!fitting)
        f.setPixelSize(legiblePixels);
    setFontOnce(box, f);
    const QFontMetrics fm(f);
    show(fitting ? text : fm.elidedText(text, Qt::ElideRight, room(fm)));
    markCut(box, text, !fitting);
}

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

void setUp(QWidget *w, const char *name, const QRect &r, const Look &look)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(r);
    if (!look.toolTip.isEmpty())
        w->setToolTip(look.toolTip);
    if (const QString n = look.accessibleName.isEmpty() ? look.toolTip : look.accessibleName; !n.isEmpty())
        w->setAccessibleName(n);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look)
{
    auto *l = new LinedLabel(text, parent);
    setUp(l, name, r, look);
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
    return l;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look)
{
    auto *e = new QLineEdit(text, parent);
    setUp(e, name, r, look);
    e->setFont(look.font.value_or(defaultFont()));
    e->setAlignment(look.align | Qt::AlignVCenter);
    e->setFrame(look.border);
    e->setTextMargins(0, 0, 0, 0);
    setColours(e, look.fg.value_or(colour::black), look.bg.value_or(colour::white));
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                    const std::optional<QFont> &f, const std::optional<QColor> &face)
{
    auto *b = face ? new FacedButton(caption, parent) : new QPushButton(caption, parent);
    setUp(b, name, r);
    b->setFont(f.value_or(defaultFont()));
    b->setAutoDefault(false);
    if (face)
        setBackground(b, *face);
    return b;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                 const std::optional<QFont> &captionFont)
{
    auto *g = new Frame(caption, parent);
    setUp(g, name, r);
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
    setUp(o, name, r);
    o->setFont(defaultFont());
    setColours(o, colour::black, colour::white);
    return o;
}

QScrollBar *slider(QWidget *parent, const char *name, const QRect &r, int minimum, int maximum, int value,
                   const Look &look)
{
    auto *s = new HorizontalSlider(parent);
    setUp(s, name, r, look);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(value);
    s->setTracking(true); // every step of a drag is a change, as the windows want
    s->setFocusPolicy(Qt::StrongFocus);
    return s;
}

void showResult(QLineEdit *box, const QString &text)
{
    // What the user types over a result is what the box then shows.
    if (!box->property(resultFont).isValid())
        QObject::connect(box, &QLineEdit::textEdited, box, [box] {
            markCut(box, QString(), false);
            box->setProperty(resultText, QVariant());
        });
    const QRect room = lineEditTextRoom(box);
    fitResult(
        box, text,
        [&](const QFontMetrics &fm) {
            // QLineEdit scrolls rather than shows a text wider than this.
            const int bearings = std::max(0, -fm.minLeftBearing()) + std::max(0, -fm.minRightBearing());
            return fm.horizontalAdvance(text) + 1 + bearings <= room.width() && fm.height() <= room.height();
        },
        [&](const QFontMetrics &fm) { return room.width() - 1 - std::max(0, -fm.minRightBearing()); },
        [box](const QString &shown) {
            box->setText(shown);
            box->setCursorPosition(0);
        });
}

void showResult(QLabel *box, const QString &text)
{
    const int flags = int(box->alignment()) | (box->wordWrap() ? Qt::TextWordWrap : 0);
    fitResult(
        box, text,
        [&](const QFontMetrics &fm) {
            const QRect room = labelTextRoom(box, fm);
            const QRect need = fm.boundingRect(room, flags, text);
            return need.width() <= room.width() && need.height() <= room.height();
        },
        [box](const QFontMetrics &fm) { return labelTextRoom(box, fm).width(); },
        [box](const QString &shown) { box->setText(shown); });
}

QString wholeText(const QWidget *box)
{
    if (const QVariant whole = box->property(resultText); whole.isValid())
        return whole.toString();
    if (auto *e = qobject_cast<const QLineEdit *>(box))
        return e->text();
    if (auto *l = qobject_cast<const QLabel *>(box))
        return l->text();
    return {};
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

void setBackground(QWidget *w, const QColor &c)
{
    setColours(w, std::nullopt, c);
}

void setForeground(QWidget *w, const QColor &c)
{
    setColours(w, c, std::nullopt);
}

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
