#include "ui/kit/widgets.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace vorvan::kit {

namespace {
// A classic raised or pressed edge, two pixels deep: the outer ring, then the
// inner one, each lit above and left and shaded below and right.
void bevel(QPainter &p, const QRect &r, const QColor &outerLit, const QColor &outerShaded, const QColor &innerLit,
           const QColor &innerShaded)
{
    const auto ring = [&p](const QRect &b, const QColor &lit, const QColor &shaded) {
        p.fillRect(QRect(b.left(), b.top(), b.width(), 1), lit);
        p.fillRect(QRect(b.left(), b.top(), 1, b.height()), lit);
        p.fillRect(QRect(b.left(), b.bottom(), b.width(), 1), shaded);
        p.fillRect(QRect(b.right(), b.top(), 1, b.height()), shaded);
    };
    ring(r, outerLit, outerShaded);
    if (r.width() > 4 && r.height() > 4)
        ring(r.adjusted(1, 1, -1, -1), innerLit, innerShaded);
}
} // namespace

void HorizontalSlider::keyPressEvent(QKeyEvent *event)
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
void HorizontalSlider::paintEvent(QPaintEvent *)
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
    // A raised button whose outline also stands out on a white window.
    const auto raised = [&](const QRect &r, bool down) {
        p.fillRect(r, pal.color(QPalette::Button));
        bevel(p, r, pal.color(down ? QPalette::Shadow : QPalette::Mid),
              pal.color(down ? QPalette::Mid : QPalette::Shadow), pal.color(down ? QPalette::Dark : QPalette::Light),
              pal.color(down ? QPalette::Button : QPalette::Dark));
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

void LinedLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event); // Qt draws the line in the text's colour
    if (frameShape() == QFrame::Box) {
        QPainter p(this);
        p.setPen(QApplication::palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Frame::paintEvent(QPaintEvent *)
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

void FacedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown() || isChecked();
    const QColor face = palette().color(QPalette::Button);
    p.fillRect(r, face);
    // Light above and left, dark below and right; swapped when pressed.
    const QColor light = face.lighter(150), shade = face.darker(150), dark(64, 64, 64);
    if (sunken)
        bevel(p, r, dark, dark, shade, face);
    else
        bevel(p, r, light, dark, face, shade);
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

bool ClickFilter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        m_action();
    return false;
}

} // namespace vorvan::kit
