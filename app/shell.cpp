#include "app/shell.h"

#include "app/frmmenu.h"
#include "ui/kit/look.h"
#include "ui/kit/painted.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QList>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include <cmath>

namespace vorvan {

namespace {
// The program icon is a 32 x 32 picture: drawn once at that size, and at the
// screen's density where that is higher. Fixed pictures let every window hand
// its icon to the desktop without loading an icon engine or drawing it anew.
QIcon programIcon(qreal density)
{
    QIcon icon;
    const int side = 32;
    QList<int> sizes{side};
    if (const int dense = static_cast<int>(std::ceil(side * density)); dense > side)
        sizes.append(dense);
    for (int pixels : std::as_const(sizes))
        icon.addPixmap(QPixmap::fromImage(kit::svgImage(QStringLiteral(":/pictures/icon.svg"), QSize(pixels, pixels))));
    return icon;
}
} // namespace

void installLook(QApplication &app)
{
#ifdef Q_OS_WIN
    // The windows are laid out in Arial's metrics. A Windows without Arial
    // (Wine, a stripped-down system) gets the metric-compatible Liberation
    // Sans shipped in fonts\ beside the program.
    if (!QFontDatabase::hasFamily(QStringLiteral("Arial"))) {
        const QDir fonts(QCoreApplication::applicationDirPath() + QLatin1String("/fonts"));
        for (const QString &name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(fonts.filePath(name));
    }
#endif
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows' own colours (white faces, yellow boxes, the status texts)
    // were chosen against a light face, so what they leave to the desktop
    // (buttons, sliders, menus, message boxes, tool tips) keeps Qt's standard
    // light palette under any colour scheme. Setting the application palette
    // also drops the palettes a platform theme keeps for kinds of control.
    const QPalette light = app.style()->standardPalette();
    QApplication::setPalette(light);
    QToolTip::setPalette(light);
    app.setFont(kit::defaultFont());
    app.setWindowIcon(programIcon(app.devicePixelRatio()));
    // One name ties the running windows to the desktop entry and its icon: the
    // entry's file name, the Wayland application id and the X11 window class.
    app.setApplicationName(QStringLiteral("example.vorvan.VorvanCalc"));
    app.setDesktopFileName(QStringLiteral("example.vorvan.VorvanCalc"));
}

frmMenu *startProgram()
{
    auto *menu = new frmMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->Form_Load();
    menu->show();
    return menu;
}

} // namespace vorvan
