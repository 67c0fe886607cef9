#include "app/shell.h"

#include "app/frmmenu.h"
#include "ui/formkit.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QStyleFactory>
#include <QSvgRenderer>

#include <cmath>

namespace vorvan {

namespace {
// The program icon is a 32 x 32 picture: drawn once at that size, and at the
// screen's density where that is higher. Fixed pictures let every window hand
// its icon to the desktop without loading an icon engine or drawing it anew.
QIcon programIcon(qreal density)
{
    QSvgRenderer svg(QStringLiteral(":/pictures/icon.svg"));
    QIcon icon;
    const int side = 32;
    QList<int> sizes{side};
    if (const int dense = static_cast<int>(std::ceil(side * density)); dense > side)
        sizes.append(dense);
    for (int pixels : std::as_const(sizes)) {
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
} // namespace

void installLook(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(kit::defaultFont());
    app.setWindowIcon(programIcon(app.devicePixelRatio()));
    app.setApplicationName(QStringLiteral("VorvanCalc"));
}

QWidget *startProgram()
{
    auto *menu = new frmMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->Form_Load();
    menu->show();
    return menu;
}

int openEveryWindow(QWidget *menu)
{
    const auto &entries = static_cast<frmMenu *>(menu)->windowEntries();
    for (QAction *entry : entries)
        entry->trigger();
    return int(entries.size());
}

} // namespace vorvan
