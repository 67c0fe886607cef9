// The floor the start-up is measured against: the least a Qt Widgets program
// of the menu's kind can do -- an empty main window of the menu window's size
// with a menu bar -- timed by the same probe as VorvanCalc's own start-up.
#include "probe.h"

#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    static std::int64_t entered, applicationMade, windowShown;
    entered = bench::monotonicNs();
    bench::ProbeApp app(argc, argv);
    applicationMade = bench::monotonicNs();
    bench::watchdog(20);
    app.onFirstPaint(nullptr, [](std::int64_t t) {
        bench::report("main_ns", entered);
        bench::report("application_ns", applicationMade);
        bench::report("look_ns", applicationMade);
        bench::report("window_ns", windowShown);
        bench::report("paint_ns", t);
        bench::report("rss_kib", bench::residentKiB());
        for (const char *part : {"RssAnon", "RssFile", "RssShmem"})
            bench::report(QByteArray(part) + "_kib", bench::statusKiB(part));
        bench::report("platform", QApplication::platformName());
        bench::finish();
    });

    QMainWindow window;
    {
        bench::ProbeApp::Busy busy(app);
        window.setWindowTitle(QStringLiteral("Floor"));
        QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("&Exit"));
        window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("About"));
        window.setCentralWidget(new QWidget);
        // The menu window's outer size, 4700 x 7700 twips at 15 twips a pixel.
        window.resize(313, 513);
        window.move(0, 0);
        window.show();
        windowShown = bench::monotonicNs();
    }
    return app.exec();
}
