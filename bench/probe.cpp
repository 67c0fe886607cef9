#include "probe.h"

#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace bench {

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

long statusKiB(const char *field)
{
    std::FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, std::strlen(field)) == 0 && line[std::strlen(field)] == ':') {
            std::sscanf(line + std::strlen(field) + 1, "%ld", &kib);
            break;
        }
    std::fclose(f);
    return kib;
}

long residentKiB()
{
    return statusKiB("VmRSS");
}

void report(const QByteArray &key, long long value)
{
    std::printf("%s=%lld\n", key.constData(), value);
    std::fflush(stdout);
}

void report(const QByteArray &key, const QString &value)
{
    std::printf("%s=%s\n", key.constData(), value.toUtf8().constData());
    std::fflush(stdout);
}

void finish(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(status);
}

ProbeApp::ProbeApp(int &argc, char **argv) : QApplication(argc, argv) {}

void ProbeApp::onFirstPaint(QWidget *window, std::function<void(std::int64_t)> done)
{
    m_watches.push_back({window, window == nullptr, false, std::move(done)});
}

bool ProbeApp::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
        QWidget *top = static_cast<QWidget *>(receiver)->window();
        for (Watch &w : m_watches)
            if (w.anyWindow || w.window == top)
                w.painted = true;
    }
    ++m_depth;
    const bool result = QApplication::notify(receiver, event);
    leave();
    return result;
}

void ProbeApp::leave()
{
    if (--m_depth > 0)
        return;
    const std::int64_t now = monotonicNs();
    // A callback may register further watches: take the finished ones out first.
    std::vector<Watch> finished;
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (it->painted) {
            finished.push_back(std::move(*it));
            it = m_watches.erase(it);
        } else {
            ++it;
        }
    }
    for (Watch &w : finished)
        w.done(now);
}

void watchdog(int seconds)
{
    QTimer::singleShot(seconds * 1000, [seconds] {
        std::fprintf(stderr, "bench child: no result after %d s\n", seconds);
        finish(3);
    });
}

} // namespace bench
