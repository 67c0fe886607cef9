#include "platform/frame.h"

#ifdef VORVAN_X11
#include "platform/frame_x11.h"
#endif

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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

// Waits for a window's first exposure, then reads the frame Qt names for it.
class ExposeWatch : public QObject
{
public:
    ExposeWatch(QWidget *window, std::function<void(const Frame &)> learned)
        : QObject(window), m_window(window), m_learned(std::move(learned))
    {
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->windowHandle()->isExposed()) {
            const QMargins margins = m_window->windowHandle()->frameMargins();
            m_window->windowHandle()->removeEventFilter(this);
            deleteLater();
            if (plausibleFrame(margins))
                m_learned({margins, FrameSource::Named});
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
    new ExposeWatch(window, std::move(learned));
}

} // namespace vorvan::platform
