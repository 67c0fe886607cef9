// VorvanCalc on a real desktop: every window opened from the menu under a
// window manager that draws frames (openbox, started by run-under-openbox.sh),
// and read back from the X server itself: where each frame lands and how large
// it is, on the first opening and on later ones, and what the message boxes
// look like to the window manager. Run without a window manager it skips.
#include "../ui/uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Free
{
    void operator()(void *p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, Free>;

// The X server's own view of a window, asked on the program's connection.
class X11
{
public:
    X11() : c(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection())
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }

    bool windowManagerRuns() { return !cardinals(root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty(); }

    // The frame round a managed window: its client area where the server has
    // it on the screen, widened by the extents the window manager reports.
    std::optional<QRect> frame(xcb_window_t w)
    {
        const QList<quint32> e = cardinals(w, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
        const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
        const Reply<xcb_translate_coordinates_reply_t> at(
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, root, 0, 0), nullptr));
        if (e.size() != 4 || !attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE || !geometry || !at)
            return std::nullopt;
        // left, right, top, bottom
        return QRect(at->dst_x - int(e[0]), at->dst_y - int(e[2]), geometry->width + int(e[0] + e[1]),
                     geometry->height + int(e[2] + e[3]));
    }

    QStringList allowedActions(xcb_window_t w)
    {
        QStringList names;
        for (quint32 a : cardinals(w, "_NET_WM_ALLOWED_ACTIONS", XCB_ATOM_ATOM)) {
            const Reply<xcb_get_atom_name_reply_t> name(xcb_get_atom_name_reply(c, xcb_get_atom_name(c, a), nullptr));
            if (name)
                names << QString::fromLatin1(xcb_get_atom_name_name(name.get()),
                                             xcb_get_atom_name_name_length(name.get()));
        }
        return names;
    }

    // The WM_CLASS strings: instance and class.
    QStringList windowClass(xcb_window_t w)
    {
        const Reply<xcb_get_property_reply_t> p(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr));
        if (!p)
            return {};
        const QByteArray bytes(static_cast<const char *>(xcb_get_property_value(p.get())),
                               xcb_get_property_value_length(p.get()));
        return QString::fromLatin1(bytes).split(QLatin1Char('\0'), Qt::SkipEmptyParts);
    }

    // A property of 32-bit values; type 0 takes any type.
    QList<quint32> cardinals(xcb_window_t w, const char *property, xcb_atom_t type)
    {
        const Reply<xcb_intern_atom_reply_t> a(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(property)), property), nullptr));
        if (!a)
            return {};
        const Reply<xcb_get_property_reply_t> p(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, a->atom, type, 0, 1024), nullptr));
        QList<quint32> values;
        if (!p || p->format != 32)
            return values;
        const auto *v = static_cast<const quint32 *>(xcb_get_property_value(p.get()));
        for (int i = 0; i < xcb_get_property_value_length(p.get()) / 4; ++i)
            values << v[i];
        return values;
    }

private:
    xcb_connection_t *c;
    xcb_window_t root;
};

int px(int twips)
{
    return vorvan::kit::px(twips);
}

} // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

    vorvan::frmMenu *menu = nullptr;
    std::unique_ptr<X11> x;
    QList<QPointer<QMessageBox>> boxes; // the message boxes the program asked for, shown for real

    // The frame of a shown window once the window manager has placed it and
    // it has stopped moving.
    QRect settledFrame(QWidget *w)
    {
        const auto id = xcb_window_t(w->winId());
        std::optional<QRect> last;
        for (int i = 0; i < 100; ++i) {
            QTest::qWait(20);
            const std::optional<QRect> now = x->frame(id);
            if (now && last && *now == *last)
                return *now;
            last = now;
        }
        return last.value_or(QRect());
    }

    void screenshot(const QString &name)
    {
        const QString dir = uitest::screensDir();
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/desktop-%1.png").arg(name));
    }

    QWidget *open(const vorvan::WindowEntry &entry)
    {
        if (entry.button)
            QTest::mouseClick(menu->findChild<QPushButton *>(QLatin1String(entry.button)), Qt::LeftButton);
        else
            menu->findChild<QAction *>(QLatin1String(entry.menuEntry))->trigger();
        return uitest::topLevel(QLatin1String(entry.name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        x = std::make_unique<X11>();
        // The program's boxes shown as it builds them, but without waiting for an answer.
        vorvan::hooks().showMessage = [this](const vorvan::MessageRequest &m) {
            uitest::recorder().messages.append(m);
            QMessageBox *box = vorvan::makeMessageBox(m);
            box->setProperty("shownByTest", true);
            box->show();
            boxes.append(box);
        };
        menu = vorvan::startProgram();
    }

    void menuAtTheTopLeftCorner()
    {
        const QRect frame = settledFrame(menu);
        screenshot(QStringLiteral("frmMenu"));
        // 4700 x 7700 twips, frame and menu bar included, at the screen's corner.
        QCOMPARE(frame, QRect(0, 0, 313, 513));
        // The window keeps at least the client area it is laid out for.
        QVERIFY(menu->centralWidget()->width() >= px(4440));
        QVERIFY(menu->centralWidget()->height() >= px(6870));
        // Docks tie the window to its desktop entry by its class.
        QCOMPARE(x->windowClass(xcb_window_t(menu->winId())).value(1), QGuiApplication::desktopFileName());
    }

    void windowsCentredByTheirOuterSize_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(vorvan::windowTable().size()); ++i)
            QTest::newRow(vorvan::windowTable()[std::size_t(i)].name) << i;
    }

    void windowsCentredByTheirOuterSize()
    {
        QFETCH(int, index);
        const vorvan::WindowEntry &entry = vorvan::windowTable()[std::size_t(index)];
        // Twips: the outer size of the windows that set one; the client area of the others.
        const QHash<QString, QSize> outer{{QStringLiteral("frmPinCalc"), {8500, 8000}},
                                          {QStringLiteral("frmDeflect"), {7800, 7200}},
                                          {QStringLiteral("frmSigLoss"), {5300, 5800}},
                                          {QStringLiteral("frmXYsim"), {5200, 3900}}};
        const QHash<QString, QSize> client{
            {QStringLiteral("frmPinWeight"), {7695, 5070}}, {QStringLiteral("frmLinkWeight"), {7455, 4770}},
            {QStringLiteral("frmAbout"), {4245, 3210}},     {QStringLiteral("frmInfoWeight"), {8895, 4830}},
            {QStringLiteral("frmInfoPin"), {8880, 3870}},   {QStringLiteral("frmInfoWrap"), {9015, 4125}},
            {QStringLiteral("frmInfoOffax"), {9000, 2805}}, {QStringLiteral("frmInfoXYsim"), {8970, 8490}}};
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        // The first opening and two more after closing the window.
        for (int opening = 1; opening <= 3; ++opening) {
            QWidget *w = open(entry);
            QVERIFY2(w, entry.name);
            const QRect frame = settledFrame(w);
            if (opening == 1)
                screenshot(QLatin1String(entry.name));
            const QString where = QStringLiteral("%1, opening %2: frame %3,%4 %5x%6")
                                      .arg(QLatin1String(entry.name))
                                      .arg(opening)
                                      .arg(frame.x())
                                      .arg(frame.y())
                                      .arg(frame.width())
                                      .arg(frame.height());
            QVERIFY2(frame.isValid(), qPrintable(where));
            if (outer.contains(QLatin1String(entry.name))) {
                const QSize o = outer[QLatin1String(entry.name)];
                QVERIFY2(frame.size() == QSize(px(o.width()), px(o.height())), qPrintable(where));
            } else {
                const QSize c = client[QLatin1String(entry.name)];
                QVERIFY2(w->size() == QSize(px(c.width()), px(c.height())), qPrintable(where));
            }
            const QPoint centred((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2);
            QVERIFY2(qAbs(frame.x() - centred.x()) <= 1 && qAbs(frame.y() - centred.y()) <= 1, qPrintable(where));
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QTRY_VERIFY(!uitest::topLevel(QLatin1String(entry.name)));
        }
    }

    void errorBoxShowsItsTitle()
    {
        QWidget *w = open(vorvan::windowEntry("frmSigLoss"));
        QVERIFY(w);
        settledFrame(w);
        auto *angle = w->findChild<QLineEdit *>(QStringLiteral("txtLoadAngle"));
        angle->selectAll();
        angle->insert(QStringLiteral("1e400")); // beyond the double range: "Overflow", "Error 6"
        QCOMPARE(boxes.size(), 1);
        QMessageBox *box = boxes.front();
        QCOMPARE(box->windowTitle(), QStringLiteral("Error 6"));
        const QRect frame = settledFrame(box);
        screenshot(QStringLiteral("error-box"));
        // openbox sets the title in bold 8 pt sans, between the window's icon and
        // its close box (a title bar's height each) and their padding.
        QFont titleFont(QStringLiteral("Sans"));
        titleFont.setPointSize(8);
        titleFont.setBold(true);
        const int titleBar = frame.height() - box->height();
        const int needed = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 2 * titleBar + 16;
        QVERIFY2(frame.width() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(frame.width()).arg(needed)));
        // A plain dialog: the program asks for a close box and nothing to
        // minimise or maximise (the functions of the Motif hints that window
        // managers read: 0x8 minimise, 0x10 maximise, 0x20 close), and the
        // window manager offers no maximising. openbox keeps its minimise box
        // on every window, whatever a program asks.
        const QList<quint32> motif = x->cardinals(xcb_window_t(box->winId()), "_MOTIF_WM_HINTS", 0);
        QVERIFY(motif.size() >= 2 && (motif[0] & 0x1));
        QCOMPARE(motif[1] & (0x8 | 0x10 | 0x20), 0x20u);
        const QStringList actions = x->allowedActions(xcb_window_t(box->winId()));
        QVERIFY2(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")), qPrintable(actions.join(u' ')));
        QVERIFY2(!actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ")), qPrintable(actions.join(u' ')));
        for (QAbstractButton *b : box->buttons())
            QVERIFY(b->icon().isNull());
        box->close();
        w->close();
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::puts("SKIP: not on an X server");
        return 77;
    }
    uitest::setUp();
    // The window manager starts beside this program: give it a moment.
    X11 x;
    for (int i = 0; i < 100 && !x.windowManagerRuns(); ++i)
        QTest::qWait(50);
    if (!x.windowManagerRuns()) {
        std::puts("SKIP: no window manager runs on this X server");
        return 77;
    }
    tst_Desktop tc;
    const int failures = QTest::qExec(&tc, argc, argv);
    uitest::deleteLeftWindows();
    return failures;
}

#include "tst_desktop.moc"
