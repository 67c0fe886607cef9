// The XY pin simulator: opened from the menu at 45 degrees, every slider value
// (arrow, key, drag step) recomputes the two bridge outputs and turns the load
// line, which is drawn above the pin's cross-section, pointing at the angle mark.
#include "uitest.h"

#include "app/errortraps.h"
#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/frmxysim.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>

using vorvan::kit::Shape;
using vorvan::kit::ShapeLayer;
using vorvan::ui::frmXYsim;

class tst_XYsim : public QObject
{
    Q_OBJECT

private:
    QWidget *menu = nullptr;
    QPointer<frmXYsim> window;
    QScrollBar *slider = nullptr;
    ShapeLayer *shapes = nullptr;

    QString text(const char *name) const { return window->findChild<QLabel *>(QLatin1String(name))->text(); }
    const Shape &shape(const char *name) const { return *shapes->shape(QLatin1String(name)); }
    static QString oneDecimal(double v) { return QString::number(v, 'f', 1); }

    QRect thumb() const
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        option.upsideDown = slider->invertedAppearance();
        option.subControls = QStyle::SC_All;
        return slider->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, slider);
    }

    // The colour of the window's picture at a point given in twips.
    QColor colourAt(const QImage &image, double x, double y) const { return image.pixelColor(uitest::point(x, y)); }

private Q_SLOTS:
    void initTestCase()
    {
        menu = vorvan::startProgram();
        CHILD(QPushButton, menu, "cmdXYsim")->click();
        window = qobject_cast<frmXYsim *>(uitest::topLevel(QStringLiteral("frmXYsim")));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        slider = CHILD(QScrollBar, window, "hsbAngle");
        shapes = window->findChild<ShapeLayer *>();
        QVERIFY(shapes);
    }

    void init() { uitest::recorder().clear(); }

    void opensAt45()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("X, Y Load Pin simulator"));
        QCOMPARE(slider->value(), 45);
        QCOMPARE(text("lblAngle"), QStringLiteral("45"));
        QCOMPARE(text("lblXoutput"), QStringLiteral("+ 70.7"));
        QCOMPARE(text("lblYoutput"), QStringLiteral("+ 70.7"));
        QCOMPARE(window->xSign(), std::string("+"));
        QCOMPARE(window->ySign(), std::string("+"));
        QCOMPARE(window->loadAngle(), 45.0f);
        // (1200 - 707.1, 1200 - 707.1) to (1200 - 883.9, 1200 - 883.9)
        QCOMPARE(oneDecimal(shape("linLoad").a.x()), QStringLiteral("492.9"));
        QCOMPARE(oneDecimal(shape("linLoad").b.y()), QStringLiteral("316.1"));
        // Outer size 5200 x 3900 twips at 15 twips a pixel, centred on the screen.
        const QRect outer = window->frameGeometry();
        QCOMPARE(outer.size(), QSize(347, 260));
        const QRect screen = window->screen()->geometry();
        QCOMPARE(outer.left(), qRound((screen.width() - outer.width()) / 2.0));
        QCOMPARE(outer.top(), qRound((screen.height() - outer.height()) / 2.0));
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void sliderAndFocus()
    {
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 360);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 1);
        QVERIFY(slider->hasTracking());
        // The slider is the only control that takes the keyboard focus.
        QStringList focusable;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(window))
                focusable << w->objectName();
        QCOMPARE(focusable, QStringList{QStringLiteral("hsbAngle")});
    }

    void pinPicture()
    {
        const QColor blue(0, 0, 192), white(255, 255, 255);
        const Shape &circle = shape("Shape1");
        QCOMPARE(circle.kind, Shape::Kind::Circle);
        QCOMPARE(circle.a, QPointF(240, 180));
        QCOMPARE(circle.b, QPointF(1995, 1995));
        QCOMPARE(circle.colour, blue);
        QCOMPARE(circle.fill.value_or(QColor()), blue);
        QCOMPARE(circle.width, 4.0);
        const struct
        {
            const char *name;
            QPointF a, b;
        } arrows[] = {{"Line1", {1200, 780}, {1680, 780}},   {"Line2", {1560, 660}, {1680, 780}},
                      {"Line3", {1560, 900}, {1680, 780}},   {"Line4", {1260, 1380}, {1260, 1740}},
                      {"Line5", {1140, 1680}, {1260, 1800}}, {"Line6", {1380, 1680}, {1260, 1800}}};
        for (const auto &arrow : arrows) {
            const Shape &s = shape(arrow.name);
            QCOMPARE(s.a, arrow.a);
            QCOMPARE(s.b, arrow.b);
            QCOMPARE(s.colour, white);
            QCOMPARE(s.width, 2.0);
        }
        const Shape &load = shape("linLoad");
        QCOMPARE(load.colour, QColor(255, 0, 0));
        QCOMPARE(load.width, 4.0);
        // Painted in order: the load line after the circle, so above it.
        QCOMPARE(&shapes->shapes().back(), &load);
        // Marks and axis names: white, letting the circle's blue through.
        for (const char *name : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14"}) {
            auto *l = window->findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(l, name);
            QCOMPARE(uitest::foreground(l), white);
            QVERIFY2(!l->autoFillBackground(), name);
        }
        for (const char *name : {"Label7", "Label5", "Label8", "Label6", "Label1", "Label3", "Label2", "Label4"}) {
            auto *l = window->findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(uitest::foreground(l), QColor(0, 0, 128));
            QVERIFY2(l->font().bold(), name);
        }
        for (const char *name : {"lblXoutput", "lblYoutput", "lblAngle"}) {
            auto *l = window->findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(l->frameShape(), QFrame::Box);
            QVERIFY2(l->font().bold(), name);
        }
    }

    void table_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("line");
        // Y = 100 sin a, X = Y / tan a of the angle folded into 0..90 (0 computed at 1
        // degree, Y then 0), signed by the quadrant, boundaries to the lower one; the
        // line from (1200 - 10x, 1200 - 10y) to (1200 - 12.5x, 1200 - 12.5y).
        QTest::newRow("0") << 0 << "+ 100.0"
                           << "+ 0.0"
                           << "(200.2, 1200.0) to (-49.8, 1200.0)";
        QTest::newRow("1") << 1 << "+ 100.0"
                           << "+ 1.7"
                           << "(200.2, 1182.5) to (-49.8, 1178.2)";
        QTest::newRow("30") << 30 << "+ 86.6"
                            << "+ 50.0"
                            << "(334.0, 700.0) to (117.5, 575.0)";
        QTest::newRow("45") << 45 << "+ 70.7"
                            << "+ 70.7"
                            << "(492.9, 492.9) to (316.1, 316.1)";
        QTest::newRow("90") << 90 << "+ 0.0"
                            << "+ 100.0"
                            << "(1200.0, 200.0) to (1200.0, -50.0)";
        QTest::newRow("135") << 135 << "- 70.7"
                             << "+ 70.7"
                             << "(1907.1, 492.9) to (2083.9, 316.1)";
        QTest::newRow("179") << 179 << "- 100.0"
                             << "+ 1.7"
                             << "(2199.8, 1182.5) to (2449.8, 1178.2)";
        QTest::newRow("180") << 180 << "- 100.0"
                             << "+ 0.0"
                             << "(2199.8, 1200.0) to (2449.8, 1200.0)";
        QTest::newRow("225") << 225 << "- 70.7"
                             << "- 70.7"
                             << "(1907.1, 1907.1) to (2083.9, 2083.9)";
        // a zero output keeps the sign of its quadrant
        QTest::newRow("270") << 270 << "- 0.0"
                             << "- 100.0"
                             << "(1200.0, 2200.0) to (1200.0, 2450.0)";
        QTest::newRow("315") << 315 << "+ 70.7"
                             << "- 70.7"
                             << "(492.9, 1907.1) to (316.1, 2083.9)";
        QTest::newRow("359") << 359 << "+ 100.0"
                             << "- 1.7"
                             << "(200.2, 1217.5) to (-49.8, 1221.8)";
        QTest::newRow("360") << 360 << "+ 100.0"
                             << "- 0.0"
                             << "(200.2, 1200.0) to (-49.8, 1200.0)";
    }

    void table()
    {
        QFETCH(int, angle);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, line);
        slider->setValue(angle == slider->value() ? angle + 1 : angle - 1 < 0 ? 1 : angle - 1);
        slider->setValue(angle);
        QCOMPARE(text("lblAngle"), QString::number(angle));
        QCOMPARE(text("lblXoutput"), x);
        QCOMPARE(text("lblYoutput"), y);
        const Shape &l = shape("linLoad");
        QCOMPARE(QStringLiteral("(%1, %2) to (%3, %4)")
                     .arg(oneDecimal(l.a.x()), oneDecimal(l.a.y()), oneDecimal(l.b.x()), oneDecimal(l.b.y())),
                 line);
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void linePointsAtTheAngleMark_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("mark");
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("90") << 90 << "90";
        QTest::newRow("180") << 180 << "180";
        QTest::newRow("270") << 270 << "270";
        QTest::newRow("360") << 360 << "0";
    }

    void linePointsAtTheAngleMark()
    {
        QFETCH(int, angle);
        QFETCH(QString, mark);
        slider->setValue(angle);
        const Shape &l = shape("linLoad");
        const QPointF direction = l.b - l.a;
        // The mark whose centre lies most in the line's direction, seen from the pin's centre.
        const QPointF centre(1237.5, 1177.5);
        QString best;
        double bestCos = -2;
        for (const char *name : {"Label9", "Label10", "Label11", "Label12"}) {
            auto *label = window->findChild<QLabel *>(QLatin1String(name));
            const QPointF toMark = QPointF(label->geometry().center()) * vorvan::kit::twipsPerPixel - centre;
            const double c = QPointF::dotProduct(direction, toMark) / std::hypot(direction.x(), direction.y()) /
                             std::hypot(toMark.x(), toMark.y());
            if (c > bestCos) {
                bestCos = c;
                best = label->text();
            }
        }
        QCOMPARE(best, mark);
        QVERIFY(bestCos > 0.95);
    }

    void keyboardStepsRecompute()
    {
        slider->setValue(100);
        slider->setFocus();
        // The arrow keys move the thumb the way they point.
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 101);
        QCOMPARE(text("lblAngle"), QStringLiteral("101"));
        // 180 - 101 = 79: X = 100 cos 79 = 19.08, Y = 100 sin 79 = 98.16
        QCOMPARE(text("lblXoutput"), QStringLiteral("- 19.1"));
        QCOMPARE(text("lblYoutput"), QStringLiteral("+ 98.2"));
        QTest::keyClick(slider, Qt::Key_Left);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(slider->value(), 99);
        QCOMPARE(text("lblAngle"), QStringLiteral("99"));
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(text("lblAngle"), QStringLiteral("360"));
        QCOMPARE(text("lblYoutput"), QStringLiteral("- 0.0"));
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(text("lblAngle"), QStringLiteral("0"));
        QCOMPARE(text("lblYoutput"), QStringLiteral("+ 0.0"));
    }

    void draggingUpdatesLive()
    {
        slider->setValue(45);
        const QPoint start = thumb().center();
        QTest::mousePress(slider, Qt::LeftButton, {}, start);
        QVERIFY(slider->isSliderDown());
        QStringList angles, outputs;
        QList<QPointF> ends;
        for (int dx = 10; dx <= 60; dx += 10) {
            QTest::mouseMove(slider, start + QPoint(dx, 0));
            QVERIFY(slider->isSliderDown()); // still dragging
            QCOMPARE(text("lblAngle"), QString::number(slider->value()));
            angles << text("lblAngle");
            outputs << text("lblXoutput");
            ends << shape("linLoad").b;
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, start + QPoint(60, 0));
        // Each step of the drag showed a new angle, new outputs and a turned line.
        for (int i = 1; i < angles.size(); ++i) {
            QVERIFY2(angles[i].toInt() > angles[i - 1].toInt(), qPrintable(angles.join(u',')));
            QVERIFY2(outputs[i] != outputs[i - 1], qPrintable(outputs.join(u',')));
            QVERIFY(ends[i] != ends[i - 1]);
        }
        QVERIFY(angles.front().toInt() > 45);
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("angle");
        QTest::newRow("45") << 45;
        QTest::newRow("135") << 135;
        QTest::newRow("225") << 225;
        QTest::newRow("315") << 315;
    }

    void screenshots()
    {
        QFETCH(int, angle);
        slider->setValue(angle);
        const QImage image = window->grab().toImage();
        uitest::grab(window, QStringLiteral("frmXYsim-%1.png").arg(angle));
        // The middle of the load line is red.
        const Shape &l = shape("linLoad");
        const QPointF middle = (l.a + l.b) / 2;
        QCOMPARE(colourAt(image, middle.x(), middle.y()), QColor(255, 0, 0));
    }

    void loadLineLiesAboveTheCircle()
    {
        // At 180 the line's inner end (2199.8, 1200) lies inside the circle's
        // outline, whose right edge is at 240 + 1995 = 2235.
        slider->setValue(180);
        const QImage image = window->grab().toImage();
        QCOMPARE(colourAt(image, 2205, 1200), QColor(255, 0, 0));
        // and just beside the line the outline is the circle's blue
        QCOMPARE(colourAt(image, 2205, 1260), QColor(0, 0, 192));
    }

    void menuEntryBringsTheOpenWindowForward()
    {
        slider->setValue(200);
        auto *entry = menu->findChild<QAction *>(QStringLiteral("mnuXYsim"));
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        QCOMPARE(uitest::topLevel(QStringLiteral("frmXYsim")), window.data());
        QCOMPARE(slider->value(), 200);
    }

    void reopenedAfterClosingStartsAt45()
    {
        window->close();
        QTRY_VERIFY(window.isNull());
        CHILD(QPushButton, menu, "cmdXYsim")->click();
        window = qobject_cast<frmXYsim *>(uitest::topLevel(QStringLiteral("frmXYsim")));
        QVERIFY(window);
        QCOMPARE(window->findChild<QScrollBar *>(QStringLiteral("hsbAngle"))->value(), 45);
        QCOMPARE(text("lblXoutput"), QStringLiteral("+ 70.7"));
        QCOMPARE(text("lblYoutput"), QStringLiteral("+ 70.7"));
    }

    void cleanupTestCase()
    {
        QVERIFY(uitest::noStrayDialogs());
        QCOMPARE(vorvan::ErrorTraps::pendingError().number, 0);
    }
};

VORVAN_UI_TEST_MAIN(tst_XYsim)
#include "tst_xysim.moc"
