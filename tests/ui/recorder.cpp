#include "recorder.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace uitest {

void Recorder::clear()
{
    messages.clear();
    saveDialogs.clear();
    saveAs.clear();
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

void recordHooks()
{
    auto *app = QCoreApplication::instance();
    auto &h = vorvan::hooks();
    h.showMessage = [](const vorvan::MessageRequest &m) {
        recorder().messages.append(m);
        if (recorder().whileShowing)
            recorder().whileShowing(m);
    };
    h.saveFileName = [](const vorvan::SaveFileRequest &request) {
        recorder().saveDialogs.append(request);
        return recorder().saveAs;
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
