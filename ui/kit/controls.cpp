#include "ui/kit/controls.h"

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
#include <QStyleOptionSlider>

namespace vorvan::kit {

namespace {

void place(QWidget *w, const char *name, const QRect &r)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(r);
}

// The tool tip, and the name a screen reader announces: the look's own, or the tool tip.
void applyNames(QWidget *w, const Look &look)
{
    if (!look.toolTip.isEmpty())
        w->setToolTip(look.toolTip);
    const QString name = look.accessibleName.isEmpty() ? look.toolTip : look.accessibleName;
    if (!name.isEmpty())
        w->setAccessibleName(name);
}

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

    void paintEvent(QPaintEvent *event) override
    {
        if (minimum() == maximum()) {
            // One position only: Qt's bar would draw no thumb at all. Show it at
            // that position, at the left end, as a desktop scroll bar does.
            QPainter p(this);
            QStyleOptionSlider opt;
            initStyleOption(&opt);
            opt.maximum = opt.minimum + 100;
            opt.sliderPosition = opt.sliderValue = opt.minimum;
            opt.pageStep = 1;
            opt.subControls = QStyle::SC_All;
            style()->drawComplexControl(QStyle::CC_ScrollBar, &opt, &p, this);
        } else {
            QScrollBar::paintEvent(event);
        }
        // Qt's style marks a focused scroll bar barely at all; keyboard users
        // need to see which slider the arrow keys move.
        if (hasFocus()) {
            QPainter p(this);
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }
};

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
    applyNames(l, look);
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
    applyNames(e, look);
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

QScrollBar *slider(QWidget *parent, const char *name, const QRect &r, int minimum, int maximum, int value,
                   const Look &look)
{
    auto *s = new HorizontalSlider(parent);
    place(s, name, r);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(value);
    s->setTracking(true); // every step of a drag is a change, as the windows want
    s->setFocusPolicy(Qt::StrongFocus);
    applyNames(s, look);
    return s;
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
