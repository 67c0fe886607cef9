#pragma once

// What the start-up children of the benchmark share, the floor window's
// included, so both are timed by the same code: the clock the driver also
// reads, the resident set, and the moment a window's first paint is done.

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: comparable across the driver and its children.
std::int64_t monotonicNs();
// VmRSS of this process, KiB, from /proc/self/status; -1 when unreadable.
long residentKiB();
// Any other field of /proc/self/status in kB (RssAnon, RssFile, RssShmem); -1 when absent.
long statusKiB(const char *field);
// Prints `key=value` on stdout at once, for the driver to read.
void report(const QByteArray &key, long long value);
void report(const QByteArray &key, const QString &value);
// Ends the child at once, stdout flushed; no window is torn down.
[[noreturn]] void finish(int status = 0);

// An application that sees every event on its way, to tell when a window's
// first paint has been done. Widgets paint inside the dispatch of an expose or
// update request; the paint is complete (and flushed to the screen) when that
// outermost dispatch returns, so that is the moment reported.
class ProbeApp : public QApplication
{
public:
    ProbeApp(int &argc, char **argv);

    // Calls `done` with the time once `window` (any top-level window when null)
    // has had its first paint. Register before the window is shown.
    void onFirstPaint(QWidget *window, std::function<void(std::int64_t)> done);

    bool notify(QObject *receiver, QEvent *event) override;

    // Marks a stretch of the bench's own code as one dispatch, so that a paint
    // done synchronously inside it is reported when it ends, not midway.
    class Busy
    {
    public:
        explicit Busy(ProbeApp &app) : m_app(app) { ++m_app.m_depth; }
        ~Busy() { m_app.leave(); }
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        ProbeApp &m_app;
    };

private:
    void leave();

    struct Watch
    {
        QPointer<QWidget> window;
        bool anyWindow = false;
        bool painted = false;
        std::function<void(std::int64_t)> done;
    };
    std::vector<Watch> m_watches;
    int m_depth = 0;
};

// Gives up with a message if the child has not finished in time, so that a
// window that never paints fails the run instead of hanging it.
void watchdog(int seconds);

} // namespace bench
