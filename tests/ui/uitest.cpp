#include "uitest.h"

#include "app/shell.h"

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
    h.openUrl = [](const QUrl &url) {
        recorder().urls.append(url);
        return recorder().launchSucceeds;
    };
    h.exitProcess = [](int code) { recorder().exits.append(code); };

    auto *watchdog = new QTimer(app);
    QObject::connect(watchdog, &QTimer::timeout, app, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
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

void grab(QWidget *w, const QString &fileName)
{
    const QString dir = QDir::current().filePath(QStringLiteral("screens"));
    QDir().mkpath(dir);
    w->grab().save(dir + QLatin1Char('/') + fileName);
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
