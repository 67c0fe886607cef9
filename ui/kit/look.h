#pragma once

// How controls look: the program's colours, its fonts, and the Look that a
// control factory applies (colours, font, alignment, border, tool tip and the
// name screen readers announce).

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace vorvan::kit {

namespace colour {
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor navy{0, 0, 128};
inline const QColor darkBlue{0, 0, 192};
inline const QColor blue{0, 0, 255};
inline const QColor green{0, 128, 0};
inline const QColor silver{192, 192, 192};
inline const QColor magenta{255, 0, 255};
inline const QColor lightCyan{192, 255, 255};
inline const QColor lightYellow{255, 255, 128};
inline const QColor frameCaption{143, 165, 194};
// The desktop's colour for button faces, read when it is used.
QColor buttonFace();
} // namespace colour

// The windows' fonts in metric-close free faces. Sizes are set in pixels
// (points at 96 dpi) so that layout does not depend on the screen's dpi.
// sans() stands in for MS Sans Serif, which runs a little narrower than
// Liberation Sans at the same size; arial() is Liberation Sans, Arial's metric twin.
QFont sans(double points, bool bold = false);
QFont arial(double points, bool bold = false);
QFont defaultFont(); // the windows' 8.25 pt regular

struct Look
{
    std::optional<QColor> fg;
    std::optional<QColor> bg;
    std::optional<QFont> font;
    Qt::Alignment align = Qt::AlignLeft;
    bool border = false; // text boxes: a frame; labels: a single line
    bool wrap = false;
    QString toolTip;
    QString accessibleName; // empty: the tool tip, where there is one

    // The same look for a control of its own name.
    Look named(const QString &name) const
    {
        Look l = *this;
        l.accessibleName = name;
        return l;
    }
};

} // namespace vorvan::kit
