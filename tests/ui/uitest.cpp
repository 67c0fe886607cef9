#include "uitest.h"

#include "app/shell.h"
#include "ui/kit/geometry.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

namespace uitest {

void setUp()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    vorvan::installLook(*app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    recordHooks();
}

QList<QWidget *> topLevels(const QString &objectName)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName && w->isVisible())
            found.append(w);
    return found;
}

QWidget *topLevel(const QString &objectName)
{
    const auto all = topLevels(objectName);
    return all.size() == 1 ? all.front() : nullptr;
}

void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QString screensDir()
{
    // The build tree's, not the current directory's: a test program started
    // from the source tree must not write into it.
    const QString dir = QStringLiteral(VORVAN_SCREENS_DIR);
    QDir().mkpath(dir);
    return dir;
}

QImage grab(QWidget *w, const QString &fileName)
{
    const QString dir = screensDir();
    const QImage shot = w->grab().toImage();
    shot.save(dir + QLatin1Char('/') + fileName);
    return shot;
}

int pixelsOf(const QImage &shot, const QWidget *control, const QColor &colour)
{
    const qreal dpr = shot.devicePixelRatio();
    const QRect inWindow(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    const QRect area = QRectF(QPointF(inWindow.topLeft()) * dpr, QSizeF(inWindow.size()) * dpr).toRect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.valid(x, y) && shot.pixelColor(x, y).rgb() == colour.rgb())
                ++count;
    return count;
}

QColor background(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) ? w->palette().color(QPalette::Base)
                                              : w->palette().color(QPalette::Window);
}

QColor foreground(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) ? w->palette().color(QPalette::Text)
                                              : w->palette().color(QPalette::WindowText);
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QPoint point(double leftTwips, double topTwips)
{
    return {vorvan::kit::px(leftTwips), vorvan::kit::px(topTwips)};
}

} // namespace uitest
