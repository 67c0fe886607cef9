#include "ui/kit/controls.h"

#include "ui/kit/widgets.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vorvan::kit {

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
