#include "ui/kit/resultbox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vorvan::kit {

namespace {

constexpr int legiblePixels = 8;

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

} // namespace

ResultBox::ResultBox(QWidget *box) : QObject(box), m_box(box), m_ownFont(box->font()), m_ownToolTip(box->toolTip())
{
    // What the user types over a result is what the box then shows.
    if (auto *e = qobject_cast<QLineEdit *>(box))
        connect(e, &QLineEdit::textEdited, this, &ResultBox::forget);
}

ResultBox &ResultBox::of(QWidget *box)
{
    if (auto *own = box->findChild<ResultBox *>(QString(), Qt::FindDirectChildrenOnly))
        return *own;
    return *new ResultBox(box);
}

std::optional<QString> ResultBox::whole(const QWidget *box)
{
    if (const auto *own = box->findChild<ResultBox *>(QString(), Qt::FindDirectChildrenOnly))
        return own->m_whole;
    return std::nullopt;
}

std::optional<QFont> ResultBox::fittingFont(const std::function<bool(const QFontMetrics &)> &fits) const
{
    QFont f = m_ownFont;
    for (int pixels = f.pixelSize(); pixels >= legiblePixels; --pixels) {
        f.setPixelSize(pixels);
        if (fits(QFontMetrics(f)))
            return f;
    }
    return std::nullopt;
}

void ResultBox::keep(const QString &whole, bool cut)
{
    m_whole = whole;
    const QString tip = cut ? whole : m_ownToolTip;
    if (m_box->toolTip() != tip)
        m_box->setToolTip(tip);
    if (const QString description = cut ? whole : QString(); m_box->accessibleDescription() != description)
        m_box->setAccessibleDescription(description);
}

void ResultBox::forget()
{
    keep(QString(), false);
    m_whole.reset();
}

void ResultBox::fit(const QString &text, const std::function<bool(const QFontMetrics &)> &fits,
                    const std::function<int(const QFontMetrics &)> &room,
                    const std::function<void(const QString &)> &show)
{
    const std::optional<QFont> fitting = fittingFont(fits);
    QFont f = fitting.value_or(m_ownFont);
    if (!fitting)
        f.setPixelSize(legiblePixels);
    setFontOnce(m_box, f);
    const QFontMetrics fm(f);
    show(fitting ? text : fm.elidedText(text, Qt::ElideRight, room(fm)));
    keep(text, !fitting);
}

void showResult(QLineEdit *box, const QString &text)
{
    ResultBox &result = ResultBox::of(box);
    const QRect room = lineEditTextRoom(box);
    result.fit(
        text,
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
    ResultBox::of(box).fit(
        text,
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
    if (std::optional<QString> whole = ResultBox::whole(box))
        return *whole;
    if (auto *e = qobject_cast<const QLineEdit *>(box))
        return e->text();
    if (auto *l = qobject_cast<const QLabel *>(box))
        return l->text();
    return {};
}

} // namespace vorvan::kit
