#include "ui/kit/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <cmath>

namespace vorvan::kit {

QColor colour::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

namespace {
// Arial's metrics, which the windows are laid out for: Liberation Sans copies
// them. Windows has Arial itself; where it does not, the program registered
// the Liberation Sans it ships (app/shell.cpp).
QString arialFamily()
{
#ifdef Q_OS_WIN
    static const QString family =
        QFontDatabase::hasFamily(QStringLiteral("Arial")) ? QStringLiteral("Arial") : QStringLiteral("Liberation Sans");
    return family;
#else
    return QStringLiteral("Liberation Sans");
#endif
}

QFont liberationSans(double pixels, bool bold)
{
    QFont f(arialFamily());
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
