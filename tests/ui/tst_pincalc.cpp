// The load pin design window, driven through its sliders as a user drives it.
// Expected figures follow from the evaluation's rules (see the derivation
// comments; g is the gauge level L/d^2*1e5, the output range g*0.0208 to
// g*0.0417 tenths of a mV/V, the slider centre g*0.03125).
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "calc/pindesign.h"
#include "ui/frmpincalc.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

#include <memory>

using namespace vorvan;
using vorvan::ui::frmPinCalc;

namespace {
const QColor navy{0, 0, 128}, silver{192, 192, 192}, red{255, 0, 0}, yellow{255, 255, 0}, white{255, 255, 255},
    black{0, 0, 0}, magenta{255, 0, 255}, blue{0, 0, 255}, lightCyan{192, 255, 255}, lightYellow{255, 255, 128};

const QString instruction = QStringLiteral("Adjust Load and Diameter sliders to match parameters - then adjust "
                                           "output slider to optimize mV/V output and safety factor");
const QString breaking = QStringLiteral("   Safety Factor < 1   pin would break!");
} // namespace

class tst_PinCalc : public QObject
{
    Q_OBJECT

    QMainWindow *menu = nullptr;
    frmPinCalc *w = nullptr;
    // The window's evaluations since it was opened.
    std::unique_ptr<QSignalSpy> runs;

    // A fresh window, opened from the menu's button as a user opens it.
    void open()
    {
        if (auto *old = uitest::topLevel(QStringLiteral("frmPinCalc"))) {
            old->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QTest::mouseClick(CHILD(QPushButton, menu, "cmdPin"), Qt::LeftButton);
        w = qobject_cast<frmPinCalc *>(uitest::topLevel(QStringLiteral("frmPinCalc")));
        QVERIFY(w);
        runs = std::make_unique<QSignalSpy>(w, &frmPinCalc::computed);
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    QScrollBar *slider(const char *name) { return w->findChild<QScrollBar *>(QLatin1String(name)); }
    QString text(const char *name)
    {
        if (auto *e = w->findChild<QLineEdit *>(QLatin1String(name)))
            return e->text();
        return w->findChild<QLabel *>(QLatin1String(name))->text();
    }
    QColor bg(const char *name) { return uitest::background(w->findChild<QWidget *>(QLatin1String(name))); }
    QColor fg(const char *name) { return uitest::foreground(w->findChild<QWidget *>(QLatin1String(name))); }
    QColor fill(const char *shape)
    {
        return CHILD(kit::ShapeLayer, w, "shapeLayer")->shape(QLatin1String(shape))->fill.value_or(QColor());
    }
    bool shown(const char *name) { return w->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(w); }
    int gauge() { return CHILD(QProgressBar, w, "pgBar")->value(); }

    // One arrow click on a slider.
    void step(const char *name, bool up = true)
    {
        slider(name)->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    }
    // A committed change to any value, as at the end of a drag.
    void moveTo(const char *name, int value)
    {
        QScrollBar *s = slider(name);
        s->setSliderDown(true);
        s->setSliderPosition(value);
        s->setSliderDown(false);
    }

    // Every text box and captioned label holds its text, as in the layout test.
    QString overflowing()
    {
        QStringList bad;
        for (auto *e : w->findChildren<QLineEdit *>()) {
            const QFontMetrics fm(e->font());
            if (fm.horizontalAdvance(e->text()) > e->width() - 4 || fm.height() > e->height())
                bad << e->objectName() + QStringLiteral(": ") + e->text();
        }
        for (auto *l : w->findChildren<QLabel *>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty())
                continue;
            const QRect room = l->contentsRect();
            const QRect need = QFontMetrics(l->font()).boundingRect(
                room, int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
            if (need.width() > room.width() || need.height() > room.height())
                bad << l->objectName() + QStringLiteral(": ") + l->text();
        }
        return bad.join(QLatin1Char('\n'));
    }

private Q_SLOTS:
    void initTestCase()
    {
        menu = startProgram();
        QVERIFY(menu);
    }

    void openedFromTheMenuEntryToo()
    {
        open();
        frmPinCalc *first = w;
        QAction *entry = CHILD(QAction, menu->menuBar(), "mnuPinCalc");
        QVERIFY(entry->isEnabled());
        QCOMPARE(entry->text(), QStringLiteral("Load &Pin Design"));
        entry->trigger();
        QCOMPARE(uitest::topLevels(QStringLiteral("frmPinCalc")).size(), 1);
        QCOMPARE(uitest::topLevel(QStringLiteral("frmPinCalc")), first);
    }

    void windowAtLoad()
    {
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Load Pin size calculator"));
        QCOMPARE(w->frameGeometry().size(), QSize(kit::px(8500), kit::px(8000)));
        const QRect screen = w->screen()->geometry();
        QVERIFY(qAbs(w->frameGeometry().left() - (screen.width() - w->frameGeometry().width()) / 2) <= 1);
        QVERIFY(qAbs(w->frameGeometry().top() - (screen.height() - w->frameGeometry().height()) / 2) <= 1);
        QCOMPARE(w->palette().color(QPalette::Window), white);

        // Nothing is evaluated at load.
        QVERIFY(!w->evaluated());
        QCOMPARE(runs->count(), 0);
        for (const char *box : {"txtOPMin", "txtOPMax", "txtOP", "txtLoadMax", "txtSFlevel"})
            QVERIFY2(text(box).isEmpty(), box);
        QCOMPARE(text("txtLoad"), QStringLiteral("160"));
        QCOMPARE(text("txtDiameter"), QStringLiteral("120"));
        QCOMPARE(slider("hsbOutput")->minimum(), 0);
        QCOMPARE(slider("hsbOutput")->maximum(), 32767);
        QCOMPARE(slider("hsbOutput")->value(), 0);
        QCOMPARE(gauge(), 1111);
        QCOMPARE(fill("Shape1"), navy);
        QCOMPARE(fill("Shape2"), silver);
        QVERIFY(shown("imgPin"));
        QVERIFY(!shown("imgPinBk"));
        QVERIFY(text("lblAlarm").isEmpty());
        QCOMPARE(bg("lblAlarm"), silver);
        QVERIFY(text("lblBreak").isEmpty());
        QCOMPARE(bg("lblBreak"), white);
        QCOMPARE(text("lblInfo"), instruction);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("points"); // MS Sans Serif size
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("hAlign");
        const int left = Qt::AlignLeft, centre = Qt::AlignHCenter;
        const auto row = [](const char *name, QRect r, const char *text, QColor bg, double pt, bool bold, int a) {
            QTest::newRow(name) << QString::fromLatin1(name) << r << QString::fromLatin1(text) << bg << pt << bold << a;
        };
        row("Label10", {3660, 360, 375, 195}, "load", white, 8.25, false, left);
        row("txtLoad", {4140, 300, 975, 315}, "160", yellow, 9.75, true, centre);
        row("Label1", {5220, 360, 1095, 255}, "tonnes", white, 8.25, false, left);
        row("Label12", {3420, 1140, 735, 255}, "diameter", white, 8.25, false, left);
        row("txtDiameter", {4140, 1080, 975, 315}, "120", yellow, 9.75, true, centre);
        row("Label2", {5220, 1140, 975, 255}, " mm", white, 8.25, false, left);
        row("Label14", {4320, 1740, 735, 255}, "output ", white, 8.25, false, left);
        row("Label8", {1860, 1620, 495, 255}, "min.", white, 8.25, false, left);
        row("Label5", {7380, 1620, 495, 255}, "max.", white, 8.25, false, left);
        row("txtOPMin", {1620, 1920, 735, 345}, "", yellow, 9.75, true, centre);
        row("txtOPMax", {7140, 1920, 735, 360}, "", yellow, 9.75, true, centre);
        row("Label6", {1740, 2340, 495, 255}, "mV/V", white, 8.25, false, left);
        row("Label7", {7260, 2340, 555, 315}, "mV/V", white, 8.25, false, left);
        row("Label3", {1260, 2880, 1275, 255}, "Proposed output", white, 8.25, false, centre);
        row("txtOP", {2640, 2880, 975, 315}, "", yellow, 9.75, true, centre);
        row("Label9", {3720, 2940, 735, 255}, " mV/V", white, 8.25, false, left);
        row("Label13", {1560, 3420, 975, 255}, "Ultimate Load", white, 8.25, false, left);
        row("txtLoadMax", {2640, 3360, 975, 315}, "", yellow, 9.75, true, centre);
        row("Label4", {3660, 3420, 975, 315}, "tonnes", white, 8.25, false, left);
        row("Label11", {5040, 3420, 975, 255}, "safety factor", white, 8.25, false, left);
        row("txtSFlevel", {6000, 3360, 975, 315}, "", yellow, 9.75, true, centre);
        row("lblInfo", {5340, 3900, 2655, 1335}, nullptr, lightYellow, 9.75, false, centre);
        row("lblAlarm", {5340, 5460, 2655, 735}, "", silver, 12, true, centre);
        row("lblBreak", {1560, 6540, 3615, 495}, "", white, 9.75, true, centre);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, hAlign);
        open();
        auto *c = w->findChild<QWidget *>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), kit::at(twips.x(), twips.y(), twips.width(), twips.height()));
        if (!text.isNull() || name != QLatin1String("lblInfo"))
            QCOMPARE(this->text(qPrintable(name)), text);
        QCOMPARE(uitest::background(c), background);
        QCOMPARE(c->font().pixelSize(), kit::sans(points, bold).pixelSize());
        QCOMPARE(c->font().bold(), bold);
        const Qt::Alignment a = qobject_cast<QLabel *>(c) ? qobject_cast<QLabel *>(c)->alignment()
                                                          : qobject_cast<QLineEdit *>(c)->alignment();
        QCOMPARE(int(a & Qt::AlignHorizontal_Mask), hAlign);
        if (auto *l = qobject_cast<QLabel *>(c))
            QCOMPARE(l->frameShape() == QFrame::Box,
                     name == QLatin1String("lblInfo") || name == QLatin1String("lblAlarm"));
    }

    void slidersGaugeAndPictures()
    {
        open();
        struct S
        {
            const char *name;
            QRect twips;
            int min, max, value;
        };
        for (const S &s :
             {S{"hsbLoad", {2100, 60, 5415, 195}, 1, 700, 160}, S{"hsbDiameter", {2100, 840, 5415, 195}, 10, 500, 120},
              S{"hsbOutput", {2460, 1980, 4575, 255}, 0, 32767, 0}}) {
            QScrollBar *b = slider(s.name);
            QVERIFY2(b, s.name);
            QCOMPARE(b->geometry(), kit::at(s.twips.x(), s.twips.y(), s.twips.width(), s.twips.height()));
            QCOMPARE(b->orientation(), Qt::Horizontal);
            QCOMPARE(b->minimum(), s.min);
            QCOMPARE(b->maximum(), s.max);
            QCOMPARE(b->value(), s.value);
            QCOMPARE(b->singleStep(), 1);
            QCOMPARE(b->pageStep(), 1);
            QVERIFY(b->hasTracking());
        }

        auto *bar = CHILD(QProgressBar, w, "pgBar");
        QCOMPARE(bar->geometry(), kit::at(480, 360, 495, 5175));
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QVERIFY(!bar->invertedAppearance());
        QCOMPARE(bar->minimum(), 150);
        QCOMPARE(bar->maximum(), 1500);
        QCOMPARE(bar->toolTip(), QStringLiteral("load pin strength gauge"));
        // A screen reader reads the gauge level from the bar.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(bar);
        QVERIFY(reader && reader->valueInterface());
        QCOMPARE(reader->valueInterface()->currentValue().toInt(), 1111);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("load pin strength gauge"));
        // The bar lies above the cap it partly covers.
        QVERIFY(w->children().indexOf(bar) > w->children().indexOf(CHILD(kit::ShapeLayer, w, "shapeLayer")));

        auto *pin = CHILD(kit::Picture, w, "imgPin");
        auto *broken = CHILD(kit::Picture, w, "imgPinBk");
        QCOMPARE(pin->geometry(), kit::at(1500, 4140, 3735, 2175));
        QCOMPARE(broken->geometry(), kit::at(1500, 3900, 3735, 2535));
        QCOMPARE(pin->resource(), QStringLiteral(":/pictures/pin_intact.svg"));
        QCOMPARE(broken->resource(), QStringLiteral(":/pictures/pin_broken.svg"));
        QCOMPARE(pin->toolTip(), QStringLiteral("load pin in double shear"));
        QCOMPARE(broken->toolTip(), QStringLiteral("safety factor <1, pin will break"));

        auto *layer = CHILD(kit::ShapeLayer, w, "shapeLayer");
        for (const char *line : {"Line1", "Line2", "Line3"}) {
            QVERIFY2(layer->shape(QLatin1String(line)), line);
            QCOMPARE(layer->shape(QLatin1String(line))->width, 8.0);
            QCOMPARE(layer->shape(QLatin1String(line))->colour, black);
        }
        QCOMPARE(layer->shape(QStringLiteral("Line1"))->a, QPointF(480, 5520));
        QCOMPARE(layer->shape(QStringLiteral("Line1"))->b, QPointF(480, 120));
        QCOMPARE(layer->shape(QStringLiteral("Line2"))->b, QPointF(960, 120));
        QCOMPARE(layer->shape(QStringLiteral("Line3"))->b, QPointF(960, 5520));
        const kit::Shape *cap = layer->shape(QStringLiteral("Shape2"));
        QCOMPARE(cap->kind, kit::Shape::Kind::Rectangle);
        QCOMPARE(cap->a, QPointF(480, 120));
        QCOMPARE(cap->b, QPointF(495, 375));
        const kit::Shape *bulb = layer->shape(QStringLiteral("Shape1"));
        QCOMPARE(bulb->kind, kit::Shape::Kind::Circle);
        QCOMPARE(bulb->a, QPointF(120, 5520));
        QCOMPARE(bulb->b, QPointF(1215, 1215));
        QCOMPARE(bulb->width, 5.0);
    }

    // One step up moves the output to the centre of the new range, not to its end (23).
    // From 160 to 161 t at 120 mm: g = 1118.06, range 23.256 to 46.623 (2.33 to 4.66 mV/V,
    // slider 23 to 47), centre 34.94 -> 35; SF there 2.987 -> "3.0", ultimate 480.9 -> "481".
    // From 120 to 121 mm at 160 t: g = 1092.82, range 22.731 to 45.571 (2.27 to 4.56 mV/V,
    // slider 23 to 46), centre 34.15 -> 34; SF there 3.089 -> "3.1", ultimate 494.2 -> "494".
    void oneStepUp_data()
    {
        QTest::addColumn<QByteArray>("moved");
        QTest::addColumn<QStringList>("texts"); // load, diameter, lowest, highest, output, SF, ultimate
        QTest::addColumn<QList<int>>("output"); // the output slider's minimum, maximum, value
        QTest::addColumn<int>("gaugeLevel");
        QTest::newRow("load") << QByteArray("hsbLoad")
                              << QStringList{"161", "120", "2.33", "4.66", "3.50", "3.0", "481"}
                              << QList<int>{23, 47, 35} << 1118;
        QTest::newRow("diameter") << QByteArray("hsbDiameter")
                                  << QStringList{"160", "121", "2.27", "4.56", "3.40", "3.1", "494"}
                                  << QList<int>{23, 46, 34} << 1093;
    }

    void oneStepUp()
    {
        QFETCH(QByteArray, moved);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, output);
        QFETCH(int, gaugeLevel);
        open();
        step(moved.constData());
        QCOMPARE(text("txtLoad"), texts[0]);
        QCOMPARE(text("txtDiameter"), texts[1]);
        QCOMPARE(text("txtOPMin"), texts[2]);
        QCOMPARE(text("txtOPMax"), texts[3]);
        QCOMPARE(slider("hsbOutput")->minimum(), output[0]);
        QCOMPARE(slider("hsbOutput")->maximum(), output[1]);
        QCOMPARE(slider("hsbOutput")->value(), output[2]);
        QCOMPARE(text("txtOP"), texts[4]);
        QCOMPARE(fg("txtOP"), navy);
        QCOMPARE(text("txtSFlevel"), texts[5]);
        QCOMPARE(text("txtLoadMax"), texts[6]);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fg("lblAlarm"), black);
        QCOMPARE(bg("lblAlarm"), kit::colour::buttonFace());
        QCOMPARE(fill("Shape1"), navy);
        QCOMPARE(fill("Shape2"), silver);
        QCOMPARE(gauge(), gaugeLevel);
        QVERIFY(shown("imgPin"));
        QVERIFY(!shown("imgPinBk"));
        // At 0 (moved into the range), again at 23, then nested at the centre.
        QCOMPARE(runs->count(), 3);
    }

    // At 160 t, 120 mm (range 23.111 to 46.333): P = (o - 23.111)/23.222, SF = 1.2341 + (1-P)*3.5612.
    // 35: SF 2.972 "3.0"; 36: SF 2.819 "2.8"; 37: SF 2.665 "2.7".
    void outputUpToProofLoadAndBack()
    {
        open();
        step("hsbLoad");
        step("hsbLoad", false); // back at 160: centre 34.72 -> 35
        QCOMPARE(slider("hsbOutput")->value(), 35);
        QCOMPARE(text("txtOPMin"), QStringLiteral("2.31"));
        QCOMPARE(text("txtOPMax"), QStringLiteral("4.63"));
        QCOMPARE(text("txtSFlevel"), QStringLiteral("3.0"));
        QCOMPARE(text("txtLoadMax"), QStringLiteral("476"));

        step("hsbOutput");
        // 3.6 mV/V is the proof-load limit itself: still acceptable.
        QCOMPARE(text("txtOP"), QStringLiteral("3.60"));
        QCOMPARE(fg("txtOP"), navy);
        QCOMPARE(text("txtSFlevel"), QStringLiteral("2.8"));
        QCOMPARE(text("txtLoadMax"), QStringLiteral("451"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fg("lblAlarm"), black);

        step("hsbOutput");
        QCOMPARE(text("txtOP"), QStringLiteral("3.70"));
        QCOMPARE(fg("txtOP"), red);
        QCOMPARE(text("txtSFlevel"), QStringLiteral("2.7"));
        QCOMPARE(text("txtLoadMax"), QStringLiteral("426"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Proof Load compromised"));
        QCOMPARE(fg("lblAlarm"), magenta);
        QCOMPARE(fill("Shape1"), navy);

        // From compromised back to the limit: not the stale compromised message.
        step("hsbOutput", false);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fg("lblAlarm"), black);
        QCOMPARE(fg("txtOP"), navy);

        step("hsbOutput", false);
        QCOMPARE(text("txtOP"), QStringLiteral("3.50"));
        QCOMPARE(fg("txtOP"), navy);
        QCOMPARE(text("txtSFlevel"), QStringLiteral("3.0"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fg("lblAlarm"), black);
    }

    // 700 t at 60 mm: g = 19444 (full gauge); range 404.4 to 810.8, centre 607.6 -> 608;
    // SF = 0.0701 + 0.4991*0.2037 = 0.172 -> "0.2": the pin breaks.
    void loadTooHighBreaksThePin()
    {
        open();
        moveTo("hsbDiameter", 60); // g = 160/3600*1e5 = 4444: too high already
        moveTo("hsbLoad", 700);
        QCOMPARE(text("txtLoad"), QStringLiteral("700"));
        QCOMPARE(text("txtDiameter"), QStringLiteral("60"));
        QCOMPARE(slider("hsbOutput")->value(), 608);
        QCOMPARE(text("txtOPMin"), QStringLiteral("40.44"));
        QCOMPARE(text("txtOPMax"), QStringLiteral("81.08"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Load too High or diameter too Small"));
        QCOMPARE(fg("lblAlarm"), red);
        QCOMPARE(fill("Shape2"), red);
        QCOMPARE(bg("txtLoad"), red);
        QCOMPARE(bg("txtDiameter"), red);
        QCOMPARE(gauge(), 1500);
        QCOMPARE(text("txtSFlevel"), QStringLiteral("0.2"));
        QCOMPARE(bg("txtSFlevel"), red);
        QVERIFY(shown("imgPinBk"));
        QVERIFY(!shown("imgPin"));
        QCOMPARE(text("lblBreak"), breaking);
        QCOMPARE(bg("lblBreak"), red);
        // Too high from the first evaluation on: the status line keeps its silver.
        QCOMPARE(bg("lblAlarm"), silver);
        QCOMPARE(fill("Shape1"), navy);
        QCOMPARE(fg("txtOP"), red); // 60.80 mV/V is far above 3.6
        QVERIFY2(overflowing().isEmpty(), qPrintable(overflowing()));
        uitest::grab(w, QStringLiteral("frmPinCalc-tooHigh.png"));

        // Back to a sound pin: intact picture, empty breaking line, yellow boxes.
        moveTo("hsbDiameter", 120); // g = 4861 still too high
        moveTo("hsbLoad", 160);     // centre 34.72 -> 35: acceptable
        QVERIFY(shown("imgPin"));
        QVERIFY(!shown("imgPinBk"));
        QVERIFY(text("lblBreak").isEmpty());
        QCOMPARE(bg("lblBreak"), white);
        QCOMPARE(bg("txtSFlevel"), yellow);
        QCOMPARE(bg("txtLoad"), yellow);
        QCOMPARE(fill("Shape2"), silver);
        QCOMPARE(bg("lblAlarm"), kit::colour::buttonFace());
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
    }

    // 1 t at 120 mm: g = 6.94, shown 150 (empty); range 0.144 to 0.290, both ends 0;
    // at 0: SF 202.4, ultimate 202.
    void loadTooLow()
    {
        open();
        moveTo("hsbLoad", 1);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Load too Low or diameter too Large"));
        QCOMPARE(fg("lblAlarm"), blue);
        QCOMPARE(fill("Shape1"), lightCyan);
        QCOMPARE(fill("Shape2"), silver);
        QCOMPARE(bg("txtLoad"), lightCyan);
        QCOMPARE(bg("txtDiameter"), lightCyan);
        QCOMPARE(gauge(), 150);
        QCOMPARE(slider("hsbOutput")->minimum(), 0);
        QCOMPARE(slider("hsbOutput")->maximum(), 0);
        QCOMPARE(text("txtOPMin"), QStringLiteral("0.01"));
        QCOMPARE(text("txtOPMax"), QStringLiteral("0.03"));
        QCOMPARE(text("txtOP"), QStringLiteral("0.00"));
        QCOMPARE(text("txtSFlevel"), QStringLiteral("202.4"));
        QCOMPARE(text("txtLoadMax"), QStringLiteral("202"));
        QVERIFY2(overflowing().isEmpty(), qPrintable(overflowing()));
        uitest::grab(w, QStringLiteral("frmPinCalc-tooLow.png"));
        // An output slider of one position still shows its thumb, at its left end:
        // the trough beside the left arrow differs from the trough beside the right one.
        const QImage bar = slider("hsbOutput")->grab().toImage();
        const int y = bar.height() / 2, arrow = bar.height();
        QVERIFY(bar.pixelColor(arrow + 4, y) != bar.pixelColor(bar.width() - arrow - 4, y));
        // Every Qt draws the same classic bar: a flat trough, top row to bottom
        // row alike (no box round it), between arrow buttons whose outline
        // stands out from the white window.
        const int trough = bar.width() - arrow - 4;
        QCOMPARE(bar.pixelColor(trough, 0), bar.pixelColor(trough, y));
        QCOMPARE(bar.pixelColor(trough, bar.height() - 1), bar.pixelColor(trough, y));
        QVERIFY(bar.pixelColor(0, y) != QColor(Qt::white));
        QVERIFY(bar.pixelColor(bar.width() - 1, y) != bar.pixelColor(trough, y));
    }

    // Only an acceptable evaluation makes the bulb navy again. From too low (1 t) through too
    // high (700 t: centre 151.9 -> 152) to 200 t: g = 1388.9, range 28.9 to 57.9; 152 moves to
    // 58 (compromised, SF 0.995 breaks), then the centre 43.4 -> 43: compromised, SF 2.451.
    void bulbStaysCyanUntilAcceptable()
    {
        open();
        moveTo("hsbLoad", 1);
        QCOMPARE(fill("Shape1"), lightCyan);
        moveTo("hsbLoad", 700);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Load too High or diameter too Small"));
        QCOMPARE(fill("Shape1"), lightCyan);
        moveTo("hsbLoad", 200);
        QCOMPARE(gauge(), 1389);
        QCOMPARE(slider("hsbOutput")->value(), 43);
        QCOMPARE(text("txtOP"), QStringLiteral("4.30"));
        QCOMPARE(text("txtSFlevel"), QStringLiteral("2.5"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Proof Load compromised"));
        QCOMPARE(fg("lblAlarm"), magenta);
        QCOMPARE(fill("Shape1"), lightCyan);
        QCOMPARE(bg("txtLoad"), yellow);
        QVERIFY(shown("imgPin"));
        QVERIFY2(overflowing().isEmpty(), qPrintable(overflowing()));
        uitest::grab(w, QStringLiteral("frmPinCalc-proofCompromised.png"));

        // Down to 36 (3.6 mV/V): acceptable, and the bulb turns navy.
        moveTo("hsbOutput", 36);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fill("Shape1"), navy);
    }

    // A load whose centre is exactly 36 after a compromised evaluation: 700 t at 120 mm, then
    // 165 t: g = 1145.8, range 23.8 to 47.8; 152 moves to 48 (compromised), centre 35.8 -> 36.
    void centredAtTheProofLimit()
    {
        open();
        moveTo("hsbLoad", 700);
        moveTo("hsbLoad", 165);
        QCOMPARE(slider("hsbOutput")->value(), 36);
        QCOMPARE(text("txtOP"), QStringLiteral("3.60"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(fg("lblAlarm"), black);
        QCOMPARE(fg("txtOP"), navy);
        QCOMPARE(fill("Shape1"), navy);
        QCOMPARE(text("txtSFlevel"), QStringLiteral("2.9"));
    }

    // The user's first move is on the output slider: 0 -> 1 is outside the range 23 to 46 that
    // the evaluation sets, so the slider moves to 23 and the window shows 23:
    // P = 0.111/23.222 = 0.00478, SF 4.778 -> "4.8", ultimate 764.5 -> "765".
    void firstMoveOnTheOutputSlider()
    {
        open();
        step("hsbOutput");
        QCOMPARE(slider("hsbOutput")->value(), 23);
        QCOMPARE(slider("hsbOutput")->minimum(), 23);
        QCOMPARE(slider("hsbOutput")->maximum(), 46);
        QCOMPARE(text("txtOP"), QStringLiteral("2.30"));
        QCOMPARE(text("txtSFlevel"), QStringLiteral("4.8"));
        QCOMPARE(text("txtLoadMax"), QStringLiteral("765"));
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QCOMPARE(runs->count(), 2); // at 1, then over again at 23
    }

    // One drag step runs compute once for the output slider; for the load, once more when the
    // new centre moves the output slider. 160 -> 161: centre 34.94 stays 35; 163 -> 164: centre
    // 35.37 -> 35.59, so 35 -> 36.
    void dragStepsRunComputeOnce()
    {
        open();
        step("hsbLoad");
        step("hsbLoad", false);
        QScrollBar *output = slider("hsbOutput");
        int before = runs->count();
        output->setSliderDown(true);
        output->setSliderPosition(36);
        QCOMPARE(runs->count(), before + 1);
        QCOMPARE(text("txtOP"), QStringLiteral("3.60"));
        output->setSliderPosition(37);
        QCOMPARE(runs->count(), before + 2);
        QCOMPARE(text("txtOP"), QStringLiteral("3.70"));
        output->setSliderDown(false); // the release commits nothing new
        QCOMPARE(runs->count(), before + 2);

        QScrollBar *load = slider("hsbLoad");
        load->setSliderDown(true);
        before = runs->count();
        load->setSliderPosition(161);
        QCOMPARE(runs->count(), before + 2); // 37 kept, then the centre 35
        QCOMPARE(output->value(), 35);
        before = runs->count();
        load->setSliderPosition(162);
        QCOMPARE(runs->count(), before + 1);
        load->setSliderPosition(163);
        before = runs->count();
        load->setSliderPosition(164);
        QCOMPARE(runs->count(), before + 2);
        QCOMPARE(output->value(), 36);
        QCOMPARE(text("txtLoad"), QStringLiteral("164"));
        before = runs->count();
        load->setSliderDown(false);
        QCOMPARE(runs->count(), before);

        // A key press is one committed change; Right steps up, Left down.
        before = runs->count();
        output->setFocus();
        QTest::keyClick(output, Qt::Key_Right);
        QCOMPARE(output->value(), 37);
        QCOMPARE(runs->count(), before + 1);
        QTest::keyClick(output, Qt::Key_Left);
        QCOMPARE(output->value(), 36);
        QCOMPARE(runs->count(), before + 2);
        QTest::keyClick(load, Qt::Key_Right);
        QCOMPARE(text("txtLoad"), QStringLiteral("165"));
        QTest::keyClick(load, Qt::Key_Left);
        QCOMPARE(text("txtLoad"), QStringLiteral("164"));
    }

    // The acceptable state, rendered to be looked at.
    void acceptableRendering()
    {
        open();
        step("hsbLoad");
        step("hsbLoad", false);
        QCOMPARE(text("lblAlarm"), QStringLiteral("Acceptable Output range"));
        QVERIFY2(overflowing().isEmpty(), qPrintable(overflowing()));
        const QImage shot = uitest::grab(w, QStringLiteral("frmPinCalc-acceptable.png"));
        QCOMPARE(shot.deviceIndependentSize().toSize(), w->size());
        // The status is drawn in black, the gauge's column in navy.
        QVERIFY(uitest::pixelsOf(shot, CHILD(QLabel, w, "lblAlarm"), Qt::black) > 50);
        QVERIFY(uitest::pixelsOf(shot, w->findChild<QWidget *>(QStringLiteral("pgBar")), QColor(0, 0, 128)) > 1000);
    }

    void focusedSliderIsMarked()
    {
        open();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QScrollBar *load = slider("hsbLoad");
        const QColor mark = load->palette().color(QPalette::Highlight);
        const auto edge = [load] {
            const QImage image = load->grab().toImage();
            return image.pixelColor(0, image.height() / 2);
        };
        slider("hsbDiameter")->setFocus();
        QVERIFY(edge() != mark);
        load->setFocus();
        QCOMPARE(edge(), mark);
    }

    void cleanupTestCase() { QVERIFY(uitest::noStrayDialogs()); }
};

VORVAN_UI_TEST_MAIN(tst_PinCalc)
#include "tst_pincalc.moc"
