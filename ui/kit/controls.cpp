#include "ui/kit/controls.h"

#include "ui/kit/widgets.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vorvan::kit {

namespace {

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
