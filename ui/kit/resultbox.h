#pragma once

// Results fitted into their boxes: showResult() and wholeText(), which the
// windows use, and the ResultBox that keeps what a box needs to refit.

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QFontMetrics;
class QLabel;
class QLineEdit;
class QWidget;

namespace vorvan::kit {

// A result shown whole: in the control's own font where the text fits, else
// in a smaller size of the same face down to a legible 8 pixels, else its
// start and an ellipsis, so that a cut is never read as another number. A cut
// text stays whole as the control's tool tip and accessible description.
void showResult(QLineEdit *box, const QString &text);
void showResult(QLabel *box, const QString &text);
// What a result control shows, whole even where its text is cut.
QString wholeText(const QWidget *box);

// What a box that shows results keeps: its own font and tool tip as they were
// before its first result, which every result is fitted from and a whole text
// gives back, and the whole text of the result it shows. A child of the box,
// made with its first result, so that it lives and dies with it.
class ResultBox : public QObject
{
    Q_OBJECT

public:
    // The box's own, made from the box as it is now if it has none yet.
    static ResultBox &of(QWidget *box);
    // The whole text of the result the box shows; none before its first
    // result, and none once the user has typed over it.
    static std::optional<QString> whole(const QWidget *box);

    // Shows `text` by `show` in the largest size of the box's own font in
    // which `fits` holds; else at the legible floor, cut to `room` pixels
    // with an ellipsis.
    void fit(const QString &text, const std::function<bool(const QFontMetrics &)> &fits,
             const std::function<int(const QFontMetrics &)> &room, const std::function<void(const QString &)> &show);

private:
    explicit ResultBox(QWidget *box);
    // The largest size of the box's own font in which `fits` holds, or none.
    std::optional<QFont> fittingFont(const std::function<bool(const QFontMetrics &)> &fits) const;
    // Keeps the whole text; a cut one is also the box's tool tip and
    // description, where an uncut one gives the box's own back.
    void keep(const QString &whole, bool cut);
    // Drops the whole text, once the box shows what the user typed.
    void forget();

    QWidget *const m_box;
    const QFont m_ownFont;
    const QString m_ownToolTip;
    std::optional<QString> m_whole;
};

} // namespace vorvan::kit
