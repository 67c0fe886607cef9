#include "ui/kit/look.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace vorvan::kit {

QColor colour::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

namespace {
QFont liberationSans(double pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(std::lround(pixels)));
    f.setBold(bold);
    return f;
}
} // namespace

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

} // namespace vorvan::kit
