// Every window the menu opens, in the windows' own fonts: each caption and text fits
// its control, and no control leaves its window. Each window is also written to
// a PNG under screens/ in the build tree, to be looked at.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/kit/controls.h"
#include "platform/frame.h"
#include "ui/kit/painted.h"
#include "ui/kit/resultbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>

class tst_Layout : public QObject
{
    Q_OBJECT

private:
    // Where a window's layout places a control partly past its client area, and
    // by how much (pixels): the off-axis help view reaches 15 twips past the
    // right edge and is clipped there.
    static QMargins laidOutOverhang(const QWidget *window, const QWidget *w)
    {
        if (window->objectName() == QLatin1String("frmInfoOffax") && w->objectName() == QLatin1String("OLE1"))
            return {0, 0, 1, 0};
        return {};
    }

    // Where a frame draws its caption, found in the window as drawn (`shot`): the
    // caption's bluish pixels in a band round the frame's top, and the frame's top
    // line, the first drawn row below the frame's top at its right end. A classic
    // frame draws the caption inside its rectangle, across that line, a little in
    // from its left corner, with the line broken behind the text.
    static QString captionProblem(const QImage &shot, const QWidget *window, const QGroupBox *g)
    {
        const qreal dpr = shot.devicePixelRatio();
        const QRect frame(g->mapTo(window, QPoint(0, 0)), g->size());
        const auto device = [dpr](const QRect &r) {
            return QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr).toRect();
        };
        const QRect inShot = device(frame);
        const int captionHeight = QFontMetrics(g->font()).height();
        const QRect band =
            device(QRect(frame.left() - 12, frame.top() - 12, frame.width() + 24, captionHeight + 24) & window->rect());
        const auto bluish = [](const QColor &c) { return c.blue() - c.red() >= 20; };
        QRect text;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                if (shot.valid(x, y) && bluish(shot.pixelColor(x, y)))
                    text |= QRect(x, y, 1, 1);
        if (text.isEmpty())
            return QStringLiteral("no caption drawn round the frame's top");
        const int lineX = inShot.right() - qRound(8 * dpr);
        int lineY = -1;
        for (int y = inShot.top(); y <= inShot.bottom() && lineY < 0; ++y)
            if (qGray(shot.pixel(lineX, y)) < 245)
                lineY = y;
        const QString where = QStringLiteral("caption at %1 (device pixels), frame %2, top line at %3")
                                  .arg(uitest::rectText(text), uitest::rectText(inShot))
                                  .arg(lineY);
        if (!inShot.contains(text))
            return QStringLiteral("caption outside the frame: ") + where;
        if (text.left() - inShot.left() < 4 * dpr)
            return QStringLiteral("caption less than 4 px in from the frame's left edge: ") + where;
        if (lineY < 0 || !(text.top() < lineY && lineY < text.bottom()))
            return QStringLiteral("caption does not cross the frame's top line: ") + where;
        // Behind the text the line is broken: just left and right of the caption there is no line.
        const int lineGray = qGray(shot.pixel(lineX, lineY));
        const int step = qRound(2 * dpr); // past the glyphs' own soft edges
        for (const int x : {text.left() - step, text.right() + step}) {
            const QColor c = shot.pixelColor(x, lineY);
            if (!bluish(c) && qGray(c.rgb()) <= lineGray + 16)
                return QStringLiteral("the top line runs on behind the caption at x %1: ").arg(x) + where;
        }
        return {};
    }

    static QString problemsOf(QWidget *window, const QImage &shot)
    {
        QStringList problems;
        const auto fits = [&](QWidget *w, bool ok, const QString &what) {
            if (!ok)
                problems << QStringLiteral("%1: %2").arg(w->objectName(), what);
        };
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->isWindow() || !w->isVisibleTo(window) || w->objectName().isEmpty() ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
            fits(w, window->rect().marginsAdded(laidOutOverhang(window, w)).contains(inWindow),
                 QStringLiteral("outside the window"));
            const QFontMetrics fm(w->font());
            if (auto *l = qobject_cast<QLabel *>(w)) {
                if (l->text().isEmpty() || !l->pixmap().isNull())
                    continue;
                const QRect room = l->contentsRect();
                const QRect need =
                    fm.boundingRect(room, int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
                fits(w, need.width() <= room.width() && need.height() <= room.height(),
                     QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                         .arg(l->text())
                         .arg(need.width())
                         .arg(need.height())
                         .arg(room.width())
                         .arg(room.height()));
            } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
                const int frame = e->hasFrame() ? 4 : 0;
                fits(w, fm.horizontalAdvance(e->text()) <= e->width() - frame && fm.height() <= e->height(),
                     QStringLiteral("text \"%1\" does not fit").arg(e->text()));
            } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
                const int indicator = r->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, r) +
                                      r->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, r);
                fits(w, indicator + fm.horizontalAdvance(r->text()) <= r->width() && fm.height() <= r->height(),
                     QStringLiteral("option \"%1\" does not fit").arg(r->text()));
            } else if (auto *b = qobject_cast<QPushButton *>(w)) {
                QString caption = b->text();
                caption.remove(QLatin1Char('&'));
                fits(w, fm.horizontalAdvance(caption) + 6 <= b->width() && fm.height() <= b->height(),
                     QStringLiteral("caption \"%1\" does not fit").arg(caption));
            } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
                fits(w, fm.horizontalAdvance(g->title()) + 16 <= g->width(),
                     QStringLiteral("frame caption does not fit"));
                const QString caption = captionProblem(shot, window, g);
                fits(w, caption.isEmpty(), caption);
            } else if (auto *p = qobject_cast<vorvan::kit::Picture *>(w)) {
                // A drawing that cannot be read leaves its box one flat colour.
                const QImage drawn = p->grab().toImage().convertToFormat(QImage::Format_ARGB32);
                bool varied = false;
                for (int y = 0; y < drawn.height() && !varied; ++y)
                    for (int x = 0; x < drawn.width() && !varied; ++x)
                        varied = drawn.pixel(x, y) != drawn.pixel(0, 0);
                fits(w, varied, QStringLiteral("picture %1 drawn blank").arg(p->resource()));
            }
        }
        return problems.join(QLatin1Char('\n'));
    }

    // Sets the inputs as "control=value" (sliders take positions, options "on"),
    // in order, and presses Calculate where the window has it.
    static void enter(QWidget *w, const QStringList &inputs)
    {
        for (const QString &input : inputs) {
            const QString name = input.section(QLatin1Char('='), 0, 0), value = input.section(QLatin1Char('='), 1);
            if (auto *slider = w->findChild<QScrollBar *>(name))
                slider->setValue(value.toInt());
            else if (auto *option = w->findChild<QRadioButton *>(name))
                option->click();
            else
                w->findChild<QLineEdit *>(name)->setText(value);
        }
        if (auto *calculate = w->findChild<QPushButton *>(QStringLiteral("cmdCompute")))
            calculate->click();
    }

    // What a poppler tool writes about a file, or empty where it fails.
    static QString poppler(const QString &tool, const QStringList &arguments)
    {
        QProcess p;
        p.start(tool, arguments);
        return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    }

private Q_SLOTS:
    void everyWindowFits()
    {
        auto *menu = vorvan::startProgram();
        QVERIFY(menu);
        const int opened = vorvan::openEveryWindow(menu);
        QCOMPARE(opened, 12); // six calculators, five help windows and About
        QVERIFY(uitest::recorder().exits.isEmpty());
        int checked = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QImage shot = uitest::grab(w, w->objectName() + QStringLiteral(".png"));
            const QString problems = problemsOf(w, shot);
            QVERIFY2(problems.isEmpty(), qPrintable(w->objectName() + QStringLiteral(":\n") + problems));
            ++checked;
        }
        QCOMPARE(checked, opened + 1);
        QVERIFY(uitest::noStrayDialogs());
    }

    // The keyboard focus order of the windows that give one, first to last.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("menu") << "frmMenu" << QStringList{"cmdPinWeight",  "cmdLinkWeight", "cmdPin",  "cmdDeflect",
                                                          "cmdSignalLoss", "cmdXYsim",      "cmdClose"};
        QTest::newRow("pin weight") << "frmPinWeight"
                                    << QStringList{"txtDiameter", "txtLength", "optSteel",  "optAluminium",
                                                   "optTitanium", "optmm",     "optInches", "txtWeight",
                                                   "Text1",       "txtDia",    "txtLen",    "txtMat"};
        QTest::newRow("link weight") << "frmLinkWeight"
                                     << QStringList{"txtHeight",    "txtWidth",    "txtLength", "txtWeight", "Text1",
                                                    "txtMat",       "txtHt",       "txtWd",     "txtLen",    "optSteel",
                                                    "optAluminium", "optTitanium", "optmm",     "optInches"};
        QTest::newRow("wrap angle") << "frmDeflect" << QStringList{"txtWire", "txtWrapMax", "txtWrapMin", "cmdCompute"};
        QTest::newRow("about") << "frmAbout" << QStringList{"cmdReturn"};
    }

    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget *w = uitest::topLevel(window);
        QVERIFY(w);
        // The focus chain from the first control round to it again, as Tab walks it.
        QWidget *first = w->findChild<QWidget *>(order.front());
        QVERIFY(first);
        QStringList chain;
        QWidget *c = first;
        do {
            if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(w) && c->window() == w &&
                !c->objectName().startsWith(QLatin1String("qt_")))
                chain << c->objectName();
            c = c->nextInFocusChain();
        } while (c != first);
        QCOMPARE(chain, order);
    }

    // Where a window goes on a 1280 x 1024 screen, by its outer size and the frame
    // the window manager reports: no frame, openbox's (1, 20, 1, 5), and a frame
    // measured with a compositor's shadow, larger than the outer size leaves room
    // for, which must never shrink the client area below the window's own.
    void placement_data()
    {
        QTest::addColumn<QSize>("outer");   // twips; empty: the window keeps its client area
        QTest::addColumn<bool>("atCorner"); // at 0, 0 rather than centred
        QTest::addColumn<QSize>("client");  // the window's own client area, pixels
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("placed"); // the client area on the screen
        const QSize menu(4700, 7700), pinCalc(8500, 8000);
        // 4700 x 7700 twips = 313 x 513 px; its own client 296 x 480 (menu bar included).
        QTest::newRow("menu, no frame") << menu << true << QSize(296, 480) << QMargins() << QRect(0, 0, 313, 513);
        QTest::newRow("menu, openbox") << menu << true << QSize(296, 480) << QMargins(1, 20, 1, 5)
                                       << QRect(1, 20, 311, 488);
        QTest::newRow("menu, shadow") << menu << true << QSize(296, 480) << QMargins(40, 40, 40, 40)
                                      << QRect(40, 40, 296, 480);
        // 8500 x 8000 twips = 567 x 533 px: left (19200 - 8505) / 2 = 5347.5 twips = 356.5 -> 357 px,
        // top (15360 - 7995) / 2 = 3682.5 twips = 245.5 -> 246 px.
        QTest::newRow("load pin, no frame")
            << pinCalc << false << QSize(559, 506) << QMargins() << QRect(357, 246, 567, 533);
        QTest::newRow("load pin, openbox")
            << pinCalc << false << QSize(559, 506) << QMargins(1, 20, 1, 5) << QRect(358, 266, 565, 508);
        // 567 - 80 < 559: the client keeps 559 x 506, the outer grows to 639 x 586:
        // left (19200 - 9585) / 2 = 4807.5 twips -> 321 px, top (15360 - 8790) / 2 = 3285 twips = 219 px.
        QTest::newRow("load pin, shadow")
            << pinCalc << false << QSize(559, 506) << QMargins(40, 40, 40, 40) << QRect(361, 259, 559, 506);
        // KWin's Breeze frame has no side borders and a 41 px title bar: 513 - 41 < 480,
        // so the menu keeps its own height and its frame grows to 521 px.
        QTest::newRow("menu, KWin") << menu << true << QSize(296, 480) << QMargins(0, 41, 0, 0)
                                    << QRect(0, 41, 313, 480);
        QTest::newRow("menu, fluxbox") << menu << true << QSize(296, 480) << QMargins(1, 20, 1, 4)
                                       << QRect(1, 20, 311, 489);
        // Load pin under KWin: 567 wide, 506 + 41 = 547 high; top (15360 - 8205) / 2 = 3577.5 twips
        // = 238.5 -> 239 px.
        QTest::newRow("load pin, KWin") << pinCalc << false << QSize(559, 506) << QMargins(0, 41, 0, 0)
                                        << QRect(357, 280, 567, 506);
        // Pin weight keeps 513 x 338; outer 515 x 363: left (19200 - 7725) / 2 = 5737.5 twips -> 383 px,
        // top (15360 - 5445) / 2 = 4957.5 twips -> 331 px.
        QTest::newRow("pin weight, openbox")
            << QSize() << false << QSize(513, 338) << QMargins(1, 20, 1, 5) << QRect(384, 351, 513, 338);
    }

    void placement()
    {
        QFETCH(QSize, outer);
        QFETCH(bool, atCorner);
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QRect, placed);
        const vorvan::kit::Placement p{.outer = outer,
                                       .topLeft = atCorner ? std::optional(QPoint(0, 0)) : std::nullopt};
        QCOMPARE(vorvan::kit::placedGeometry(p, client, frame, QRect(0, 0, 1280, 1024)), placed);
    }

    // A frame is believed only when a window manager can draw it: the frames
    // seen under the desktops' window managers are; what a frame window gives
    // before it is sized round its client (negative sides), and a compositor's
    // shadow, are not.
    void frameBelieved_data()
    {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("believed");
        QTest::newRow("none drawn") << QMargins() << true;
        QTest::newRow("openbox") << QMargins(1, 20, 1, 5) << true;
        QTest::newRow("KWin, Breeze") << QMargins(0, 41, 0, 0) << true;
        QTest::newRow("fluxbox") << QMargins(1, 20, 1, 4) << true;
        QTest::newRow("unsized frame window") << QMargins(-312, -471, 0, 0) << false;
        QTest::newRow("one side negative") << QMargins(4, 30, -1, 4) << false;
        QTest::newRow("shadow round the frame") << QMargins(38, 60, 38, 37) << false;
        QTest::newRow("title bar taller than any") << QMargins(4, 200, 4, 4) << false;
    }

    void frameBelieved()
    {
        QFETCH(QMargins, frame);
        QFETCH(bool, believed);
        QCOMPARE(vorvan::platform::plausibleFrame(frame), believed);
    }

    // Result boxes in their own font, before any result is too wide for it.
    void resultFonts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        // Pixel sizes of bold Liberation Sans standing in for MS Sans Serif at 93 %:
        // 13.5 pt * 96 / 72 * 0.93 = 16.7 -> 17; 12 pt -> 14.9 -> 15; 9.75 pt -> 12.1 -> 12;
        // 8.25 pt -> 10.2 -> 10.
        QTest::newRow("pin weight") << "frmPinWeight"
                                    << "txtWeight" << 17 << true;
        QTest::newRow("link weight") << "frmLinkWeight"
                                     << "txtWeight" << 17 << true;
        for (const char *box : {"txtOPMin", "txtOPMax", "txtOP", "txtSFlevel", "txtLoadMax"})
            QTest::newRow(box) << "frmPinCalc" << box << 12 << true;
        QTest::newRow("lblAlarm") << "frmPinCalc"
                                  << "lblAlarm" << 15 << true;
        QTest::newRow("lblBreak") << "frmPinCalc"
                                  << "lblBreak" << 12 << true;
        for (const char *box : {"lblResMin", "lblResMax", "lblWireMin", "lblWireMax", "lblResAvg", "lblPercentLoad",
                                "lblAvgWrapAng", "lblOpError"})
            QTest::newRow(box) << "frmDeflect" << box << 10 << true;
        QTest::newRow("lblLoss") << "frmSigLoss"
                                 << "lblLoss" << 10 << true;
        for (const char *box : {"lblXoutput", "lblYoutput", "lblAngle"})
            QTest::newRow(box) << "frmXYsim" << box << 10 << true;
    }

    void resultFonts()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QWidget *w = uitest::topLevel(window);
        QVERIFY(w);
        QWidget *c = w->findChild<QWidget *>(control);
        QVERIFY(c);
        QCOMPARE(c->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(c->font().pixelSize(), pixels);
        QCOMPARE(c->font().bold(), bold);
    }

    // Every result box driven to the widest texts its calculator gives: each text
    // shows whole inside the box's text area, in a smaller size of its font where
    // it must; a text too wide even then shows its start and an ellipsis, and
    // stays whole as the tool tip and accessible description.
    void resultsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("inputs"); // control=value, in order; sliders take positions
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("whole"); // the texts the boxes must show whole; empty: may be cut
        const QStringList weight{"txtWeight"};
        // 0.00616 * 1000^2 * 100000 / 1000 = 616,000 kg
        QTest::newRow("pin weight 616,000.00") << "frmPinWeight" << QStringList{"txtDiameter=1000", "txtLength=100000"}
                                               << weight << QStringList{"616,000.00"};
        QTest::newRow("pin weight -61,600.00") << "frmPinWeight" << QStringList{"txtDiameter=1000", "txtLength=-10000"}
                                               << weight << QStringList{"-61,600.00"};
        QTest::newRow("pin weight 6,160,000.00")
            << "frmPinWeight" << QStringList{"txtDiameter=1000", "txtLength=1000000"} << weight
            << QStringList{"6,160,000.00"};
        // 0.00616 * 10000^2 * -1000000 / 1000 = -616,000,000 kg
        QTest::newRow("pin weight -616,000,000.00")
            << "frmPinWeight" << QStringList{"txtDiameter=10000", "txtLength=-1000000"} << weight
            << QStringList{"-616,000,000.00"};
        QTest::newRow("pin weight 6.16E+297")
            << "frmPinWeight" << QStringList{"txtDiameter=1e100", "txtLength=1e100"} << weight << QStringList();
        // 7.8417 * 10000 * 10000 * 10000 / 1000000 = 7,841,700 kg
        QTest::newRow("link weight 7,841,700.00")
            << "frmLinkWeight" << QStringList{"txtLength=10000", "txtWidth=10000", "txtHeight=10000"} << weight
            << QStringList{"7,841,700.00"};
        QTest::newRow("link weight -7.84E+299")
            << "frmLinkWeight" << QStringList{"txtLength=-1e100", "txtWidth=1e100", "txtHeight=1e100"} << weight
            << QStringList();
        const QStringList pin{"txtOPMin", "txtOPMax", "txtOP", "txtSFlevel", "txtLoadMax", "lblAlarm"};
        QTest::newRow("load pin 10 mm, 700 t")
            << "frmPinCalc" << QStringList{"hsbDiameter=10", "hsbLoad=700", "hsbOutput=21875"} << pin
            << QStringList{"1,456.00", "2,919.00", "2,187.50", "0.0", "3", "Load too High or diameter too Small"};
        QTest::newRow("load pin 500 mm, 1 t")
            << "frmPinCalc" << QStringList{"hsbDiameter=500", "hsbLoad=1"} << pin
            << QStringList{"0.00", "0.00", "0.00", "3,535.4", "3,535", "Load too Low or diameter too Large"};
        const QStringList wrap{"lblResMin", "lblResMax",      "lblWireMin",    "lblWireMax",
                               "lblResAvg", "lblPercentLoad", "lblAvgWrapAng", "lblOpError"};
        QTest::newRow("wrap angle example")
            << "frmDeflect" << QStringList{"txtWire=10", "txtWrapMin=60", "txtWrapMax=120"} << wrap
            << QStringList{"17.3",
                           "10.0",
                           "10",
                           "10",
                           "Average Resultant Load = 13.7",
                           "Average Resultant as Proportion of Wire Load = 136.6 %",
                           "Average Resultant Wrap Angle = 90.0",
                           "Output Error Due to Wrap Angle variation = \u00b1 26.8 %"};
        // The largest entries whose sums stay within the single range: no error box,
        // every result as wide as the window can show.
        QTest::newRow("wrap angle near the single range")
            << "frmDeflect" << QStringList{"txtWire=8e37", "txtWrapMin=-1.5e38", "txtWrapMax=-1.5e38"} << wrap
            << QStringList();
        QTest::newRow("off axis -1e300") << "frmSigLoss" << QStringList{"txtLoadAngle=-1e300"} << QStringList{"lblLoss"}
                                         << QStringList();
        QTest::newRow("XY 270") << "frmXYsim" << QStringList{"hsbAngle=270"}
                                << QStringList{"lblXoutput", "lblYoutput", "lblAngle"}
                                << QStringList{"- 0.0", "- 100.0", "270"};
    }

    void resultsFitTheirBoxes()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, whole);
        QWidget *w = uitest::topLevel(window);
        QVERIFY(w);
        uitest::recorder().clear();
        enter(w, inputs);
        QVERIFY(uitest::recorder().messages.isEmpty()); // results, not an error
        uitest::grab(w, QStringLiteral("%1 %2.png").arg(window, QLatin1String(QTest::currentDataTag())));
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QWidget *box = w->findChild<QWidget *>(boxes[i]);
            QVERIFY(box);
            const QString all = vorvan::kit::wholeText(box);
            QString shown;
            QRect room; // where the box draws its text
            const QFontMetrics fm(box->font());
            if (auto *e = qobject_cast<QLineEdit *>(box)) {
                shown = e->text();
                QStyleOptionFrame opt;
                opt.initFrom(e);
                opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
                room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).adjusted(2, 0, -2, 0);
            } else {
                auto *l = qobject_cast<QLabel *>(box);
                shown = l->text();
                room = l->contentsRect();
            }
            const QString where = boxes[i] + QStringLiteral(" shows \"") + shown + QStringLiteral("\"");
            QVERIFY2(!all.isEmpty(), qPrintable(where));
            if (!whole.isEmpty())
                QCOMPARE(all, whole[i]);
            if (shown != all) {
                // Cut: its own start and an ellipsis, and whole where a user can read it.
                QVERIFY2(whole.isEmpty(), qPrintable(where));
                QVERIFY2(shown.endsWith(QChar(0x2026)) && all.startsWith(shown.chopped(1)), qPrintable(where));
                QCOMPARE(box->toolTip(), all);
                QCOMPARE(box->accessibleDescription(), all);
                if (auto *e = qobject_cast<QLineEdit *>(box); e && !e->isReadOnly()) {
                    // What a user types over a cut result is then the box's whole text.
                    uitest::retype(e, QStringLiteral("12"));
                    QCOMPARE(vorvan::kit::wholeText(box), QStringLiteral("12"));
                    QVERIFY2(box->toolTip() != all, qPrintable(where));
                    continue;
                }
            }
            const QRect need = fm.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
            QVERIFY2(fm.horizontalAdvance(shown) <= room.width() ||
                         (need.width() <= room.width() && qobject_cast<QLabel *>(box)),
                     qPrintable(where));
            QVERIFY2(need.height() <= room.height(), qPrintable(where));
            QVERIFY2(box->font().pixelSize() >= 8 && box->font().bold(), qPrintable(where));
        }
    }

    // Copy Results puts the window's caption, inputs and results on the clipboard
    // as the window shows them, in the user's number format. Save as PDF writes
    // them on one page, Letter or A4 as the locale measures, in embedded fonts,
    // with the caption and the version (each sheet is kept under screens/ to be
    // looked at); a folder that cannot be written gives a box and leaves no file,
    // and Cancel writes nothing.
    void copyResults_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("fresh"); // opened anew first
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("copied");
        QTest::newRow("pin weight") << "frmPinWeight" << false << "en_US"
                                    << QStringList{"optSteel=on", "optmm=on", "txtDiameter=50", "txtLength=200"}
                                    << "Pin Weight calculation\ndiameter: 50 mm\nlength: 200 mm\nMaterial: Steel\n"
                                       "weight: 3.08 Kg\n";
        QTest::newRow("link weight") << "frmLinkWeight" << false << "en_US"
                                     << QStringList{"txtLength=1000", "txtWidth=100", "txtHeight=50"}
                                     << "Link Weight calculation\nheight: 50 mm\nwidth: 100 mm\nlength: 1000 mm\n"
                                        "Material: Steel\nweight: 39.21 Kg\n";
        QTest::newRow("load pin, nothing moved") << "frmPinCalc" << true << "en_US" << QStringList()
                                                 << "Load Pin size calculator\nload: 160 tonnes\ndiameter: 120 mm\n"
                                                    "no result yet\n";
        QTest::newRow("load pin") << "frmPinCalc" << false << "en_US" << QStringList{"hsbOutput=35"}
                                  << "Load Pin size calculator\nload: 160 tonnes\ndiameter: 120 mm\n"
                                     "lowest output: 2.31 mV/V\nhighest output: 4.63 mV/V\n"
                                     "Proposed output: 3.50 mV/V\nsafety factor: 3.0\nUltimate Load: 476 tonnes\n"
                                     "Acceptable Output range\n";
        QTest::newRow("wrap angle") << "frmDeflect" << false << "en_US"
                                    << QStringList{"txtWire=10", "txtWrapMin=60", "txtWrapMax=120"}
                                    << "Resultant load calculator\nWire Load: 10\nMaximum Wrap Angle: 120\n"
                                       "Minimum Wrap Angle: 60\nResultant Load At Max. Wrap Angle: 10.0\n"
                                       "Resultant Load At Min. Wrap Angle: 17.3\nAverage Resultant Load = 13.7\n"
                                       "Average Resultant as Proportion of Wire Load = 136.6 %\n"
                                       "Average Resultant Wrap Angle = 90.0\n"
                                       "Output Error Due to Wrap Angle variation = \u00b1 26.8 %\n";
        QTest::newRow("off axis") << "frmSigLoss" << false << "en_US" << QStringList{"txtLoadAngle=30"}
                                  << "Load Mis-Alignment Calculator\nmisalignment angle: 30 degrees\n"
                                     "Signal Loss = 13.40 %\n";
        QTest::newRow("XY simulator") << "frmXYsim" << false << "en_US" << QStringList{"hsbAngle=135"}
                                      << "X, Y Load Pin simulator\nApplied Load Angle: 135\n"
                                         "X bridge: - 70.7 % Output\nY bridge: + 70.7 % Output\n";
        QTest::newRow("pin weight, German")
            << "frmPinWeight" << false << "de_DE" << QStringList{"txtDiameter=1000", "txtLength=10000"}
            << "Pin Weight calculation\ndiameter: 1000 mm\nlength: 10000 mm\n"
               "Material: Steel\nweight: 61.600,00 Kg\n";
    }

    void copyResults()
    {
        QFETCH(QString, window);
        QFETCH(bool, fresh);
        QFETCH(QString, locale);
        QFETCH(QStringList, inputs);
        QFETCH(QString, copied);
        if (fresh) {
            delete uitest::topLevel(window);
            uitest::topLevel(QStringLiteral("frmMenu"))
                ->findChild<QAction *>(QLatin1String(vorvan::windowEntry(qPrintable(window)).menuEntry))
                ->trigger();
        }
        QWidget *w = uitest::topLevel(window);
        QVERIFY(w);
        QLocale::setDefault(QLocale(locale));
        enter(w, inputs);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // The window's own context menu offers them; its text boxes keep theirs.
        QCOMPARE(w->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(w->actions().size(), 2);
        QCOMPARE(w->actions().front()->text(), QStringLiteral("Copy Results"));
        QCOMPARE(w->actions().back()->text(), QStringLiteral("Save as PDF\u2026"));
        for (const QLineEdit *box : w->findChildren<QLineEdit *>())
            QCOMPARE(box->contextMenuPolicy(), Qt::DefaultContextMenu);
        QGuiApplication::clipboard()->clear();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keySequence(w, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);

        QLocale::setDefault(QLocale(locale));
        const auto english = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
        const QImage before = w->grab().toImage();
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        auto &recorded = uitest::recorder();
        const auto save = [&](const QString &answer) {
            recorded.clear();
            recorded.saveAs = answer;
            QTest::keySequence(w, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
            return recorded.saveDialogs.value(0);
        };
        const QString sheet = dir.filePath(QStringLiteral("sheet.pdf"));
        const vorvan::SaveFileRequest asked = save(sheet);
        QCOMPARE(asked.title, QStringLiteral("Save as PDF"));
        QCOMPARE(QFileInfo(asked.path).fileName(),
                 w->windowTitle() + QLatin1Char(' ') + QDate::currentDate().toString(Qt::ISODate) + ".pdf");
        QVERIFY(recorded.messages.isEmpty());
        const QString kept = uitest::screensDir() + "/sheet " + QTest::currentDataTag() + ".pdf";
        QFile::remove(kept);
        QFile::copy(sheet, kept);
#ifdef Q_OS_WIN
        // Windows has no poppler tools to read the sheet back: it is a PDF file.
        QFile pdf(sheet);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
#else
        const QString info = poppler("pdfinfo", {sheet});
        QVERIFY2(info.contains(QRegularExpression("\nPages: +1\n")), qPrintable("pdfinfo (poppler-utils): " + info));
        QVERIFY2(info.contains(locale == "en_US" ? "612 x 792 pts (letter)" : "595 x 842 pts (A4)"), qPrintable(info));
        const QStringList text = poppler("pdftotext", {sheet, "-"}).split('\n');
        const QStringList expected = copied.split('\n', Qt::SkipEmptyParts) << "VorvanCalc 1.3";
        for (const QString &line : expected)
            QVERIFY2(text.contains(line), qPrintable(line + " not in\n" + text.join('\n')));
        const QString fonts = poppler("pdffonts", {sheet});
        QVERIFY2(fonts.contains("TrueType") && !fonts.contains(QRegularExpression(" no +\\w+ +\\w+ +\\d+ +\\d+\n")),
                 qPrintable(fonts));
#endif

        // Not even root can make a file under a plain file.
        const QString unwritable = dir.filePath(QStringLiteral("plain/sheet.pdf"));
        save(unwritable);
        QCOMPARE(recorded.messages.size(), 1);
        QCOMPARE(recorded.messages[0].title, QStringLiteral("Save as PDF"));
        QSaveFile refused(unwritable);
        QVERIFY(!refused.open(QIODevice::WriteOnly));
        for (const QString &part : {QDir::toNativeSeparators(unwritable), refused.errorString()})
            QVERIFY2(recorded.messages[0].text.contains(part), qPrintable(recorded.messages[0].text));
        const bool suggestedExisted = QFileInfo::exists(asked.path);
        save(QString());
        QVERIFY(recorded.messages.isEmpty());
        QCOMPARE(QFileInfo::exists(asked.path), suggestedExisted);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"plain", "sheet.pdf"}));
        QCOMPARE(w->grab().toImage(), before);
    }
};

VORVAN_UI_TEST_MAIN(tst_Layout)
#include "tst_layout.moc"
