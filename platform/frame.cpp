#include "platform/frame.h"

#ifdef VORVAN_X11
#include "platform/frame_x11.h"
#endif

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace vorvan::platform {

Q_LOGGING_CATEGORY(lcPlacement, "vorvan.placement", QtWarningMsg)

const char *sourceName(FrameSource source)
{
    switch (source) {
    case FrameSource::None:
        return "none";
    case FrameSource::Asked:
        return "asked";
    case FrameSource::Named:
        return "named";
    case FrameSource::Borrowed:
        return "borrowed";
    case FrameSource::Learned:
        return "learned";
    case FrameSource::Measured:
        return "measured";
    }
    return "none";
}

bool plausibleFrame(const QMargins &m)
{
    // The widest borders and the tallest title bar any window manager's theme
    // draws at its own scale; a compositor's shadow is wider than these.
    constexpr int border = 32, titleBar = 80;
    return m.left() >= 0 && m.right() >= 0 && m.top() >= 0 && m.bottom() >= 0 && m.left() <= border &&
           m.right() <= border && m.bottom() <= border + 16 && m.top() <= titleBar;
}

namespace {

// The frame the last window was given: every window of the process has the same kind.
std::optional<QMargins> &learnedFrame()
{
    static std::optional<QMargins> frame;
    return frame;
}

bool framesKnownBeforeShowing()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("windows") || name == QLatin1String("cocoa") || name == QLatin1String("offscreen");
}

// Waits for a window's first painting, when it is on the screen with its
// frame, then reads the frame Qt names for it.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget *window, std::function<void(const Frame &)> learned)
        : QObject(window), m_window(window), m_learned(std::move(learned))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_window && m_window->windowHandle()) {
            const QMargins margins = m_window->windowHandle()->frameMargins();
            m_window->removeEventFilter(this);
            deleteLater();
            if (plausibleFrame(margins)) {
                learnedFrame() = margins;
                m_learned({margins, FrameSource::Named});
            }
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void(const Frame &)> m_learned;
};

} // namespace

Frame frameBeforeShowing(QWidget *window)
{
#ifdef VORVAN_X11
    if (x11::active())
        return x11::frameBeforeShowing(window);
#endif
    // Windows and macOS know their own frames once the native window exists.
    // Elsewhere (Wayland) the frame is drawn when the window is shown, and a
    // native window created before then would come up at its first size.
    if (!framesKnownBeforeShowing())
        return learnedFrame() ? Frame{*learnedFrame(), FrameSource::Learned} : Frame{};
    window->winId();
    if (!window->windowHandle())
        return {};
    const QMargins margins = window->windowHandle()->frameMargins();
    return {margins, margins.isNull() ? FrameSource::None : FrameSource::Named};
}

void whenFrameKnown(QWidget *window, std::function<void(const Frame &)> learned)
{
#ifdef VORVAN_X11
    if (x11::active()) {
        x11::whenFrameKnown(window, std::move(learned));
        return;
    }
#endif
    new PaintWatch(window, std::move(learned));
}

} // namespace vorvan::platform
