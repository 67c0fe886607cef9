// The VorvanCalc side of the benchmark, one child process per measurement:
//   (no argument)   the program's own start-up, timed to the menu's first paint;
//   open NAME       then one window opened from it, phase by phase, and again;
//   open-all        then all twelve windows, and the resident set with them open;
//   interact N      then N timed events in each calculator, each to the end of
//                   the repaint that shows its results;
//   maps N          then each window opened N times from the menu's button or
//                   entry, timed from the click to the X server's word that the
//                   window is mapped (under whatever window manager runs).
// Start-up is exactly the program's: installLook and startProgram, as main() does.
// Results go to stdout as key=value lines for the driver (bench/driver.cpp).
#include "probe.h"

#include "app/hooks.h"
#include "app/shell.h"
#include "app/windows.h"
#include "platform/xcb.h"
#include "ui/frmpincalc.h"
#include "ui/kit/form.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

using bench::ProbeApp;
using vorvan::kit::Form;

namespace {

ProbeApp *probe = nullptr;

// The twelve windows the menu opens, as its table lists them.
using WindowKind = vorvan::WindowEntry;

const WindowKind *kindNamed(const QString &name)
{
    for (const WindowKind &k : vorvan::windowTable())
        if (name == QLatin1String(k.name))
            return &k;
    return nullptr;
}

struct OpenTimes
{
    std::int64_t start, created, loaded, shown, painted;
};

// Opens a window as the menu does (vorvan::openWindow), with the time taken
// after each step, and calls `done` once its first paint is on the screen.
void timedOpen(const WindowKind &kind, std::function<void(Form *, const OpenTimes &)> done)
{
    auto t = std::make_shared<OpenTimes>();
    ProbeApp::Busy busy(*probe);
    t->start = bench::monotonicNs();
    Form *w = kind.create();
    t->created = bench::monotonicNs();
    w->Form_Load();
    t->loaded = bench::monotonicNs();
    probe->onFirstPaint(w, [w, t, done](std::int64_t painted) {
        t->painted = painted;
        // Carry on from the event loop, not from inside the dispatch that painted.
        QTimer::singleShot(0, [w, t, done] { done(w, *t); });
    });
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    t->shown = bench::monotonicNs();
}

void reportOpen(const char *prefix, const OpenTimes &t)
{
    const auto key = [prefix](const char *what) { return QByteArray(prefix) + what; };
    bench::report(key("create_ns"), t.created - t.start);
    bench::report(key("load_ns"), t.loaded - t.created);
    bench::report(key("show_ns"), t.shown - t.loaded);
    bench::report(key("paint_ns"), t.painted - t.shown);
    bench::report(key("total_ns"), t.painted - t.start);
}

// Opens the windows from `index` on, one after the other, each after the
// previous one has painted.
void openInTurn(std::vector<const WindowKind *> kinds, std::size_t index,
                std::function<void(std::map<QString, Form *>)> done, std::map<QString, Form *> open = {})
{
    if (index == kinds.size()) {
        done(open);
        return;
    }
    timedOpen(*kinds[index], [kinds, index, done, open](Form *w, const OpenTimes &) mutable {
        open[QLatin1String(kinds[index]->name)] = w;
        openInTurn(kinds, index + 1, done, open);
    });
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench: %s\n", what);
    bench::finish(2);
}

// ---- interaction latency

void keystroke(QWidget *w, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

struct Timing
{
    std::vector<std::int64_t> ns;
    void add(std::int64_t v) { ns.push_back(v); }
};

// Times `event` (the user's action and every handler it runs) and the
// synchronous repaint of the whole window that shows its results. Posted
// events are processed before the next event, untimed.
template <class Event> std::int64_t timed(QWidget *window, Event &&event)
{
    QElapsedTimer timer;
    timer.start();
    event();
    window->repaint();
    const std::int64_t ns = timer.nsecsElapsed();
    QCoreApplication::processEvents();
    return ns;
}

void reportTiming(const char *name, std::vector<std::int64_t> ns)
{
    std::sort(ns.begin(), ns.end());
    const std::size_t n = ns.size();
    const std::size_t p95 = std::max<std::size_t>(1, (95 * n + 99) / 100) - 1;
    const QByteArray prefix = QByteArray("interact.") + name + '.';
    bench::report(prefix + "count", static_cast<long long>(n));
    bench::report(prefix + "median_ns", ns[n / 2]);
    bench::report(prefix + "p95_ns", ns[p95]);
    bench::report(prefix + "max_ns", ns.back());
}

template <class W> W *child(QWidget *w, const char *name)
{
    W *c = w->findChild<W *>(QLatin1String(name));
    if (!c)
        fail(name);
    return c;
}

void runInteractions(const std::map<QString, Form *> &open, int events)
{
    // Load pin design: one step of the load slider, sweeping its range up and
    // down; its handler moves the output slider to the middle of the new
    // range, which evaluates again, nested, whenever that middle has moved.
    // On a 20 mm pin the middle (load / diameter^2 scaled) moves by several
    // positions with every tonne, so every step runs the nested evaluation.
    {
        auto *w = static_cast<vorvan::ui::frmPinCalc *>(open.at(QStringLiteral("frmPinCalc")));
        auto *hsbLoad = child<QScrollBar>(w, "hsbLoad");
        child<QScrollBar>(w, "hsbDiameter")->setValue(20);
        int direction = 1;
        int runs = 0;
        const QMetaObject::Connection counting =
            QObject::connect(w, &vorvan::ui::frmPinCalc::computed, [&runs] { ++runs; });
        std::vector<std::int64_t> ns;
        for (int i = 0; i < events; ++i) {
            if (hsbLoad->value() == hsbLoad->maximum())
                direction = -1;
            else if (hsbLoad->value() == hsbLoad->minimum())
                direction = 1;
            runs = 0;
            ns.push_back(timed(w, [&] {
                hsbLoad->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                                     : QAbstractSlider::SliderSingleStepSub);
            }));
            if (runs < 2)
                fail("frmPinCalc: a load step did not re-centre the output");
        }
        QObject::disconnect(counting);
        reportTiming("pincalc_load_step", ns);
    }

    // Weight windows: one keystroke in the length box, alternately a digit
    // typed and taken back; each recalculates the weight.
    for (const char *name : {"frmPinWeight", "frmLinkWeight"}) {
        Form *w = open.at(QLatin1String(name));
        auto *txtLength = child<QLineEdit>(w, "txtLength");
        for (const char *box : {"txtDiameter", "txtHeight", "txtWidth"})
            if (auto *other = w->findChild<QLineEdit *>(QLatin1String(box)))
                other->setText(QStringLiteral("50"));
        txtLength->setText(QStringLiteral("250"));
        txtLength->end(false);
        auto *txtWeight = child<QLineEdit>(w, "txtWeight");
        std::vector<std::int64_t> ns;
        for (int i = 0; i < events; ++i) {
            const QString before = txtWeight->text();
            ns.push_back(timed(w, [&] {
                if (i % 2)
                    keystroke(txtLength, Qt::Key_Backspace, QString());
                else
                    keystroke(txtLength, Qt::Key_5, QStringLiteral("5"));
            }));
            if (txtWeight->text() == before)
                fail("weight window: a keystroke did not change the weight");
        }
        reportTiming(name == QLatin1String("frmPinWeight") ? "pinweight_keystroke" : "linkweight_keystroke", ns);
    }

    // Off-axis: "9" then a typed "5" reads 95, beyond the limit, and the
    // handler rewrites the box to "90", which runs it again, nested. The
    // Backspace that makes "9" again between the timed keystrokes is untimed.
    {
        Form *w = open.at(QStringLiteral("frmSigLoss"));
        auto *txtLoadAngle = child<QLineEdit>(w, "txtLoadAngle");
        txtLoadAngle->setText(QStringLiteral("9"));
        txtLoadAngle->end(false);
        std::vector<std::int64_t> ns;
        for (int i = 0; i < events; ++i) {
            ns.push_back(timed(w, [&] { keystroke(txtLoadAngle, Qt::Key_5, QStringLiteral("5")); }));
            if (txtLoadAngle->text() != QLatin1String("90"))
                fail("frmSigLoss: 95 was not rewritten to 90");
            timed(w, [&] { keystroke(txtLoadAngle, Qt::Key_Backspace, QString()); });
        }
        reportTiming("sigloss_keystroke_90", ns);
    }

    // XY simulator: one step of the angle slider, sweeping up and down the
    // full circle; each step computes the outputs and places the load line.
    {
        Form *w = open.at(QStringLiteral("frmXYsim"));
        auto *hsbAngle = child<QScrollBar>(w, "hsbAngle");
        auto *lblAngle = child<QLabel>(w, "lblAngle");
        int direction = 1;
        std::vector<std::int64_t> ns;
        for (int i = 0; i < events; ++i) {
            if (hsbAngle->value() == hsbAngle->maximum())
                direction = -1;
            else if (hsbAngle->value() == hsbAngle->minimum())
                direction = 1;
            ns.push_back(timed(w, [&] {
                hsbAngle->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                                      : QAbstractSlider::SliderSingleStepSub);
            }));
            if (lblAngle->text() != QString::number(hsbAngle->value()))
                fail("frmXYsim: the angle step was not shown");
        }
        reportTiming("xysim_angle_step", ns);
    }

    // Wrap angle: Calculate with valid entries. The wire load is changed,
    // untimed, between clicks; that edit hides the results, so every timed
    // click shows them again and writes every result text anew.
    {
        Form *w = open.at(QStringLiteral("frmDeflect"));
        auto *txtWire = child<QLineEdit>(w, "txtWire");
        auto *lblResAvg = child<QLabel>(w, "lblResAvg");
        auto *cmdCompute = child<QPushButton>(w, "cmdCompute");
        child<QLineEdit>(w, "txtWrapMax")->setText(QStringLiteral("120"));
        child<QLineEdit>(w, "txtWrapMin")->setText(QStringLiteral("30"));
        std::vector<std::int64_t> ns;
        for (int i = 0; i < events; ++i) {
            timed(w, [&] { txtWire->setText(i % 2 ? QStringLiteral("10") : QStringLiteral("12.5")); });
            ns.push_back(timed(w, [&] { cmdCompute->click(); }));
            if (!lblResAvg->isVisible() || !lblResAvg->text().startsWith(QLatin1String("Average")))
                fail("frmDeflect: Calculate did not show the results");
        }
        reportTiming("deflect_calculate", ns);
    }
}

// ---- click to window mapped

// The moment the X server reports each window mapped.
class MapTimes : public QAbstractNativeEventFilter
{
public:
    std::map<xcb_window_t, std::int64_t> mapped;
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *e = static_cast<const xcb_generic_event_t *>(message);
        if (type == "xcb_generic_event_t" && (e->response_type & 0x7f) == XCB_MAP_NOTIFY)
            mapped.emplace(reinterpret_cast<const xcb_map_notify_event_t *>(e)->window, bench::monotonicNs());
        return false;
    }
};

// The running window manager's name, as it gives it on its check window.
QString windowManagerName()
{
    xcb_connection_t *c = vorvan::xcb::connection();
    return c ? vorvan::xcb::windowManagerName(c) : QStringLiteral("none");
}

// Opens every window in turn as a click on the menu does, `rounds` times, and
// reports the times from each click to its window mapped.
void clickToMap(MapTimes *maps, int rounds, std::vector<std::int64_t> times = {}, std::size_t step = 0)
{
    const auto &table = vorvan::windowTable();
    if (step == std::size_t(rounds) * table.size()) {
        std::sort(times.begin(), times.end());
        bench::report("maps.window_manager", windowManagerName());
        bench::report("maps.count", static_cast<long long>(times.size()));
        bench::report("maps.median_ns", times[times.size() / 2]);
        bench::report("maps.p90_ns", times[(times.size() * 9) / 10]);
        bench::report("maps.max_ns", times.back());
        bench::finish();
    }
    const vorvan::WindowEntry &entry = table[step % table.size()];
    QWidget *menu = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmMenu"))
            menu = w;
    if (!menu)
        fail("no menu");
    const std::int64_t clicked = bench::monotonicNs();
    if (entry.button)
        child<QPushButton>(menu, entry.button)->click();
    else
        child<QAction>(menu, entry.menuEntry)->trigger();
    QWidget *w = nullptr;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->objectName() == QLatin1String(entry.name) && t->isVisible())
            w = t;
    if (!w)
        fail(entry.name);
    const auto id = xcb_window_t(w->winId());
    auto *poll = new QTimer;
    poll->setInterval(1);
    const std::int64_t deadline = clicked + 5'000'000'000;
    QObject::connect(poll, &QTimer::timeout, [=]() mutable {
        const auto found = maps->mapped.find(id);
        if (found == maps->mapped.end()) {
            if (bench::monotonicNs() > deadline)
                fail("a window was never mapped");
            return;
        }
        times.push_back(found->second - clicked);
        maps->mapped.erase(found);
        poll->deleteLater();
        QPointer<QWidget> window(w);
        window->close();
        // The window manager done with this window before the next click.
        QTimer::singleShot(50, [=] {
            if (window)
                fail("a closed window stayed");
            clickToMap(maps, rounds, times, step + 1);
        });
    });
    poll->start();
}

} // namespace

int main(int argc, char *argv[])
{
    static std::int64_t entered, applicationMade, lookInstalled, programStarted;
    entered = bench::monotonicNs();
    ProbeApp app(argc, argv);
    applicationMade = bench::monotonicNs();
    probe = &app;
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString mode = args.value(0);
    bench::watchdog(mode == QLatin1String("interact") ? 300 : 30);

    // The program's own start-up, as main() runs it.
    app.onFirstPaint(nullptr, [mode, args](std::int64_t painted) {
        bench::report("main_ns", entered);
        bench::report("application_ns", applicationMade);
        bench::report("look_ns", lookInstalled);
        bench::report("window_ns", programStarted);
        bench::report("paint_ns", painted);
        bench::report("rss_kib", bench::residentKiB());
        for (const char *part : {"RssAnon", "RssFile", "RssShmem"})
            bench::report(QByteArray(part) + "_kib", bench::statusKiB(part));
        bench::report("platform", QApplication::platformName());
        bench::report("qt", QString::fromLatin1(qVersion()));
        if (mode.isEmpty())
            bench::finish();
        QTimer::singleShot(0, [mode, args] {
            // No message box may block a measurement: one showing is a fault.
            vorvan::hooks().showMessage = [](const vorvan::MessageRequest &m) {
                std::fprintf(stderr, "bench: message box \"%s\"\n", m.text.toUtf8().constData());
                bench::finish(2);
            };
            if (mode == QLatin1String("open")) {
                const WindowKind *kind = kindNamed(args.value(1));
                if (!kind)
                    fail("unknown window");
                bench::report("before_open_rss_kib", bench::residentKiB());
                timedOpen(*kind, [kind](Form *w, const OpenTimes &first) {
                    reportOpen("first_", first);
                    bench::report("first_open_rss_kib", bench::residentKiB());
                    // Closed by the user and opened again: built anew with its starting values.
                    w->close();
                    QTimer::singleShot(0, [kind] {
                        timedOpen(*kind, [](Form *, const OpenTimes &again) {
                            reportOpen("again_", again);
                            bench::finish();
                        });
                    });
                });
            } else if (mode == QLatin1String("open-all")) {
                std::vector<const WindowKind *> all;
                for (const WindowKind &k : vorvan::windowTable())
                    all.push_back(&k);
                openInTurn(all, 0, [](std::map<QString, Form *>) {
                    // Let the last window's posted work settle before reading the resident set.
                    QTimer::singleShot(100, [] {
                        bench::report("all_open_rss_kib", bench::residentKiB());
                        for (const char *part : {"RssAnon", "RssFile", "RssShmem"})
                            bench::report(QByteArray("all_open_") + part + "_kib", bench::statusKiB(part));
                        bench::finish();
                    });
                });
            } else if (mode == QLatin1String("interact")) {
                const int events = std::max(1, args.value(1).toInt());
                std::vector<const WindowKind *> calculators;
                for (const char *name :
                     {"frmPinCalc", "frmPinWeight", "frmLinkWeight", "frmSigLoss", "frmXYsim", "frmDeflect"})
                    calculators.push_back(kindNamed(QLatin1String(name)));
                openInTurn(calculators, 0, [events](std::map<QString, Form *> open) {
                    runInteractions(open, events);
                    bench::finish();
                });
            } else if (mode == QLatin1String("maps")) {
                if (QApplication::platformName() != QLatin1String("xcb"))
                    fail("maps needs an X server");
                auto *maps = new MapTimes;
                qApp->installNativeEventFilter(maps);
                clickToMap(maps, std::max(1, args.value(1).toInt()));
            } else {
                fail("unknown mode");
            }
        });
    });

    {
        ProbeApp::Busy busy(app);
        vorvan::installLook(app);
        lookInstalled = bench::monotonicNs();
        vorvan::startProgram();
        programStarted = bench::monotonicNs();
    }
    return app.exec();
}
