#include "uitest.h"

#include "app/shell.h"
#include "ui/kit/geometry.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QTimer>

namespace uitest {

void Recorder::clear()
{
    messages.clear();
    urls.clear();
    exits.clear();
    launchSucceeds = true;
    whileShowing = nullptr;
}

Recorder &recorder()
{
    static Recorder r;
    return r;
}

void setUp()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    vorvan::installLook(*app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto &h = vorvan::hooks();
    h.showMessage = [](const vorvan::MessageRequest &m) {
        recorder().messages.append(m);
        if (recorder().whileShowing)
            recorder().whileShowing(m);
    };
    h.openUrl = [](const QUrl &url, const std::function<void()> &failed) {
        recorder().urls.append(url);
        if (!recorder().launchSucceeds)
            failed();
    };
    h.exitProcess = [](int code) { recorder().exits.append(code); };

    auto *watchdog = new QTimer(app);
    QObject::connect(watchdog, &QTimer::timeout, app, [] {
        // A box a test shows on purpose, to look at it, is its own to close.
        if (QWidget *modal = QApplication::activeModalWidget(); modal && !modal->property("shownByTest").toBool()) {
            ++recorder().strayDialogs;
            modal->close();
        }
    });
    watchdog->start(200);
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

QPoint point(double leftTwips, double topTwips)
{
    return {vorvan::kit::px(leftTwips), vorvan::kit::px(topTwips)};
}

bool noStrayDialogs()
{
    return recorder().strayDialogs == 0;
}

void deleteLeftWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Pop-up menus belong to their window and go with it.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows.append(w);
    for (const QPointer<QWidget> &w : std::as_const(windows))
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace uitest
