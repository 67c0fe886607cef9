// The wrap angle window, driven as a user does: typing into the boxes and
// clicking Calculate. Results appear on Calculate only and any edit hides them;
// wrong order, angles above 180 and missing angles get their boxes, and run-time
// errors the "Error N" box, after which the window carries on.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "calc/wrap.h"
#include "ui/frmdeflect.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdlib>

using namespace vorvan;
using ui::frmDeflect;

namespace {

// The result controls ("V"), in control order.
const QStringList resultControls{
    QStringLiteral("Label1"),         QStringLiteral("lblOpError"),  QStringLiteral("lblAvgWrapAng"),
    QStringLiteral("lblPercentLoad"), QStringLiteral("lblResAvg"),   QStringLiteral("lblWireMax"),
    QStringLiteral("lblWireMin"),     QStringLiteral("lblResMin"),   QStringLiteral("lblResMax"),
    QStringLiteral("Label15"),        QStringLiteral("Label14"),     QStringLiteral("lblMinRes"),
    QStringLiteral("lblMaxRes"),      QStringLiteral("lblWireLoad2")};

// The six texts the calculation writes.
const QStringList resultTexts{QStringLiteral("lblResMin"),      QStringLiteral("lblResMax"),
                              QStringLiteral("lblResAvg"),      QStringLiteral("lblAvgWrapAng"),
                              QStringLiteral("lblPercentLoad"), QStringLiteral("lblOpError")};

const QString requiredBox = QStringLiteral("Complete All Required Fields");
const QString orderBox = QStringLiteral("Larger angle entered as Smaller");
const QString rangeBox = QStringLiteral("Wrap angles too large, No resultant load");

// The wrap diagram as drawn: its elements that carry an id, read from the
// compiled-in drawing itself. Coordinates are the picture box's twips.
struct Diagram
{
    QHash<QString, QXmlStreamAttributes> elements;

    static Diagram read()
    {
        Diagram d;
        QFile file(QStringLiteral(":/pictures/wrap.svg"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the wrap diagram cannot be read");
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute(QLatin1String("id")))
                d.elements.insert(xml.attributes().value(QLatin1String("id")).toString(), xml.attributes());
        if (xml.hasError())
            qFatal("the wrap diagram is not well formed: %s", qPrintable(xml.errorString()));
        return d;
    }

    const QXmlStreamAttributes &element(const QString &id) const
    {
        const auto found = elements.constFind(id);
        if (found == elements.cend())
            qFatal("the wrap diagram has no element %s", qPrintable(id));
        return *found;
    }
    static double number(const QXmlStreamAttributes &a, const char *name)
    {
        return a.value(QLatin1String(name)).toDouble();
    }
    // A <line>, from its first point to its second.
    QLineF line(const QString &id) const
    {
        const auto &a = element(id);
        return {number(a, "x1"), number(a, "y1"), number(a, "x2"), number(a, "y2")};
    }
    QPolygonF polygon(const QString &id) const
    {
        QPolygonF p;
        const QStringList numbers = element(id)
                                        .value(QLatin1String("points"))
                                        .toString()
                                        .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
            p << QPointF(numbers[i].toDouble(), numbers[i + 1].toDouble());
        return p;
    }
    bool dashed(const QString &id) const { return element(id).hasAttribute(QLatin1String("stroke-dasharray")); }
    double halfStroke(const QString &id) const { return number(element(id), "stroke-width") / 2; }

    // A circular arc drawn as a path "M x y A r r rotation large sweep x y": its
    // ends, its centre and the angle it turns through (degrees, signed as drawn).
    struct Arc
    {
        QPointF start, end, centre;
        double radius = 0, startAngle = 0, span = 0;
    };
    Arc arc(const QString &id) const
    {
        const QString d = element(id).value(QLatin1String("d")).toString();
        if (!QRegularExpression(QStringLiteral("^\\s*M[^A-Za-z]*A[^A-Za-z]*$")).match(d).hasMatch())
            qFatal("%s is not one arc: %s", qPrintable(id), qPrintable(d));
        QList<double> n;
        auto numbers = QRegularExpression(QStringLiteral("[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?")).globalMatch(d);
        while (numbers.hasNext())
            n << numbers.next().captured().toDouble();
        if (n.size() != 9 || n[2] != n[3])
            qFatal("%s is not a circular arc: %s", qPrintable(id), qPrintable(d));
        Arc a;
        a.start = {n[0], n[1]};
        a.end = {n[7], n[8]};
        a.radius = n[2];
        const bool large = n[5] != 0, sweep = n[6] != 0;
        // The centre from the ends, as SVG works it out for a circle.
        const QPointF half = (a.start - a.end) / 2;
        const double h2 = QPointF::dotProduct(half, half);
        const double k = (large != sweep ? 1 : -1) * std::sqrt(std::max(0.0, (a.radius * a.radius - h2) / h2));
        a.centre = QPointF(k * half.y(), -k * half.x()) + (a.start + a.end) / 2;
        const auto angle = [&](QPointF p) {
            return qRadiansToDegrees(std::atan2(p.y() - a.centre.y(), p.x() - a.centre.x()));
        };
        a.startAngle = angle(a.start);
        a.span = angle(a.end) - a.startAngle;
        if (!sweep && a.span > 0)
            a.span -= 360;
        if (sweep && a.span < 0)
            a.span += 360;
        return a;
    }
};

// The angle between two directions, 0 to 180 degrees.
double degreesBetween(QPointF a, QPointF b)
{
    return qRadiansToDegrees(std::acos(
        std::clamp(QPointF::dotProduct(a, b) / std::hypot(a.x(), a.y()) / std::hypot(b.x(), b.y()), -1.0, 1.0)));
}

// How far a point lies from the straight line through `l`.
double offLine(QPointF p, const QLineF &l)
{
    const QPointF d = l.p2() - l.p1(), v = p - l.p1();
    return std::abs(d.x() * v.y() - d.y() * v.x()) / l.length();
}

QPointF direction(const QLineF &l)
{
    return (l.p2() - l.p1()) / l.length();
}

} // namespace

class tst_Deflect : public QObject
{
    Q_OBJECT

private:
    frmDeflect *w = nullptr;

    template <class T> T *child(const QString &name) const
    {
        auto *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(QLatin1String(name)); }
    QLabel *lbl(const QString &name) const { return child<QLabel>(name); }

    void enter(const QString &wire, const QString &wrapMin, const QString &wrapMax)
    {
        uitest::retype(box("txtWire"), wire);
        uitest::retype(box("txtWrapMax"), wrapMax);
        uitest::retype(box("txtWrapMin"), wrapMin);
    }
    void calculate() { QTest::mouseClick(CHILD(QPushButton, w, "cmdCompute"), Qt::LeftButton); }

    QStringList visibleResults() const
    {
        QStringList shown;
        for (const QString &name : resultControls)
            if (lbl(name)->isVisibleTo(w))
                shown << name;
        return shown;
    }
    QStringList texts(const QStringList &names) const
    {
        QStringList t;
        for (const QString &name : names)
            t << lbl(name)->text();
        return t;
    }
    QStringList boxTitles() const
    {
        QStringList t;
        for (const auto &m : uitest::recorder().messages)
            t << m.text;
        return t;
    }

private Q_SLOTS:
    void init()
    {
        uitest::recorder().clear();
        w = new frmDeflect;
        w->Form_Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
        QVERIFY(uitest::noStrayDialogs());
    }

    void menuOpensTheWindow()
    {
        delete w;
        w = nullptr;
        auto *menu = startProgram();
        QVERIFY(menu);
        QTest::mouseClick(CHILD(QPushButton, menu, "cmdDeflect"), Qt::LeftButton);
        QWidget *opened = uitest::topLevel(QStringLiteral("frmDeflect"));
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), QStringLiteral("Resultant load calculator"));
        // The File menu entry brings the same window to the front.
        CHILD(QAction, menu, "mnuDeflect")->trigger();
        QCOMPARE(uitest::topLevel(QStringLiteral("frmDeflect")), opened);
        QVERIFY(CHILD(QAction, menu, "mnuDeflect")->isEnabled());
        delete opened;
        delete menu;
    }

    void outerSizeAndCentred()
    {
        // 7800 x 7200 twips at 15 twips to the pixel.
        QCOMPARE(w->frameGeometry().size(), QSize(520, 480));
        const QRect screen = w->screen()->geometry();
        QCOMPARE(w->frameGeometry().topLeft(),
                 screen.topLeft() + QPoint((screen.width() - 520) / 2, (screen.height() - 480) / 2));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("tag");
        const auto row = [](const char *name, QRect r, const QString &text, bool shown, const char *tag) {
            QTest::newRow(name) << QString::fromLatin1(name) << r << text << shown << QString::fromLatin1(tag);
        };
        row("lblWireLoad", {375, 525, 795, 255}, QStringLiteral("Wire Load"), true, "");
        row("txtWire", {1200, 480, 795, 315}, QString(), true, "");
        row("lblMaxWrap", {75, 1950, 1635, 255}, QStringLiteral(" Maximum Wrap Angle"), true, "");
        row("txtWrapMax", {1725, 1875, 615, 315}, QString(), true, "E");
        row("lblMaxRes", {150, 2250, 1095, 255}, QStringLiteral("Resultant Load"), false, "V");
        row("lblResMax", {1275, 2250, 1095, 255}, QString(), false, "V");
        row("Label14", {150, 2550, 1515, 255}, QStringLiteral("At Max. Wrap Angle"), false, "V");
        row("Label4", {450, 3900, 1545, 255}, QStringLiteral("Minimum Wrap Angle"), true, "");
        row("txtWrapMin", {2025, 3825, 615, 315}, QString(), true, "E");
        row("lblMinRes", {375, 4200, 1155, 255}, QStringLiteral("Resultant Load"), false, "V");
        row("lblResMin", {1575, 4200, 1095, 255}, QString(), false, "V");
        row("Label15", {375, 4500, 1635, 255}, QStringLiteral("At Min. Wrap Angle"), false, "V");
        row("Label1", {2850, 4500, 735, 255}, QStringLiteral("Wire Load"), false, "V");
        row("lblWireMin", {3675, 4500, 855, 315}, QString(), false, "V");
        row("lblWireLoad2", {3375, 5025, 735, 255}, QStringLiteral("Wire Load"), false, "V");
        row("lblWireMax", {4200, 4950, 855, 315}, QString(), false, "V");
        row("lblResAvg", {225, 5310, 4995, 240}, QString(), true, "V");
        row("lblPercentLoad", {225, 5625, 4995, 240}, QString(), true, "V");
        row("lblAvgWrapAng", {225, 5940, 4995, 240}, QString(), true, "V");
        row("lblOpError", {225, 6255, 4995, 240}, QString(), true, "V");
        row("cmdCompute", {5805, 6075, 1395, 435}, QStringLiteral("Calculate"), true, "");
        row("Image1", {2025, 45, 5475, 4890}, QString(), true, "");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(QString, tag);
        auto *c = w->findChild<QWidget *>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), kit::at(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(c->isVisibleTo(w), shown);
        QCOMPARE(frmDeflect::tagOf(c), tag);
        if (auto *l = qobject_cast<QLabel *>(c))
            QCOMPARE(l->text(), text);
        else if (auto *e = qobject_cast<QLineEdit *>(c))
            QCOMPARE(e->text(), text);
        else if (auto *b = qobject_cast<QPushButton *>(c))
            QCOMPARE(b->text(), text);
    }

    void looks()
    {
        QCOMPARE(uitest::background(w), kit::colour::white);
        const QColor blue(0, 0, 192);
        for (const char *name : {"lblWireLoad", "lblMaxWrap", "lblMaxRes", "Label14", "Label4", "lblMinRes", "Label15",
                                 "Label1", "lblWireLoad2"}) {
            auto *l = lbl(QLatin1String(name));
            QCOMPARE(uitest::foreground(l), blue);
            QCOMPARE(uitest::background(l), kit::colour::white);
            QVERIFY(!l->font().bold());
            QCOMPARE(l->frameShape(), QFrame::NoFrame);
        }
        for (const char *name : {"txtWire", "txtWrapMax", "txtWrapMin"}) {
            auto *e = box(name);
            QCOMPARE(uitest::background(e), kit::colour::yellow);
            QVERIFY(e->font().bold());
            QCOMPARE(e->font().pixelSize(), kit::sans(8.25, true).pixelSize());
            QVERIFY(e->alignment() & Qt::AlignHCenter);
        }
        for (const char *name : {"lblResMax", "lblResMin", "lblWireMin", "lblWireMax"}) {
            auto *l = lbl(QLatin1String(name));
            QCOMPARE(uitest::background(l), kit::colour::white);
            QCOMPARE(l->frameShape(), QFrame::Box);
            QVERIFY(l->font().bold());
            QVERIFY(l->alignment() & Qt::AlignHCenter);
        }
        for (const char *name : {"lblResAvg", "lblPercentLoad", "lblAvgWrapAng", "lblOpError"}) {
            auto *l = lbl(QLatin1String(name));
            QCOMPARE(uitest::background(l), kit::colour::white);
            QCOMPARE(l->frameShape(), QFrame::NoFrame);
            QVERIFY(l->font().bold());
            QVERIFY(l->alignment() & Qt::AlignLeft);
        }
        auto *cmdCompute = CHILD(QPushButton, w, "cmdCompute");
        QCOMPARE(uitest::background(cmdCompute), QColor(192, 192, 192));
        QCOMPARE(cmdCompute->font().pixelSize(), kit::sans(12).pixelSize());
        // The face shows that grey flat, as drawn: at its middle and near its top and
        // bottom edges, left and right of the caption, not shaded by the style, with
        // the keyboard focus elsewhere and on the button.
        for (const bool focused : {false, true}) {
            if (focused) { // from the keyboard, as the style marks it
                box("txtWrapMin")->setFocus();
                QTest::keyClick(box("txtWrapMin"), Qt::Key_Tab);
            }
            QCOMPARE(cmdCompute->hasFocus(), focused);
            const QImage face = cmdCompute->grab().toImage();
            const int wide = cmdCompute->width(), high = cmdCompute->height();
            for (const int x : {5, wide - 6}) {
                for (const int y : {3, high / 2, high - 4}) {
                    const QColor c = face.pixelColor(QPointF(QPointF(x, y) * face.devicePixelRatio()).toPoint());
                    QVERIFY2(std::abs(c.red() - 192) <= 8 && std::abs(c.green() - 192) <= 8 &&
                                 std::abs(c.blue() - 192) <= 8,
                             qPrintable(QStringLiteral("face at %1,%2 is %3").arg(x).arg(y).arg(c.name())));
                }
            }
        }
        auto *Image1 = CHILD(kit::Picture, w, "Image1");
        QCOMPARE(Image1->resource(), QStringLiteral(":/pictures/wrap.svg"));
        // The picture lies beneath every control placed on it.
        const auto stack = w->children();
        for (QWidget *c : w->controlsInOrder())
            if (c != Image1)
                QVERIFY2(stack.indexOf(Image1) < stack.indexOf(c), qPrintable(c->objectName()));
    }

    // The diagram is a schematic of the worked example (wire load 10, angles 60
    // and 120), read from the drawing's own elements. Each leg is drawn from the
    // sheave outwards, so its direction is the direction in which it leaves.
    void wrapDiagram_data()
    {
        QTest::addColumn<QString>("which"); // the ids' ending
        QTest::addColumn<float>("angle");
        QTest::addColumn<bool>("dashed");
        QTest::newRow("largest angle, 120") << "Max" << 120.0f << false;
        QTest::newRow("smallest angle, 60") << "Min" << 60.0f << true;
    }
    void wrapDiagram()
    {
        QFETCH(QString, which);
        QFETCH(float, angle);
        QFETCH(bool, dashed);
        const Diagram d = Diagram::read();
        const QPointF in = direction(d.line(QStringLiteral("legIn")));
        const QLineF leg = d.line(QStringLiteral("leg") + which);
        const QLineF guide = d.line(QStringLiteral("guide") + which);
        const Diagram::Arc arc = d.arc(QStringLiteral("arc") + which);
        const QLineF shaft = d.line(QStringLiteral("resultant") + which);
        const QPolygonF head = d.polygon(QStringLiteral("resultant") + which + QStringLiteral("Head"));
        const QString where = QStringLiteral("%1: arc from %2,%3 to %4,%5 about %6,%7 turning %8")
                                  .arg(which)
                                  .arg(arc.start.x())
                                  .arg(arc.start.y())
                                  .arg(arc.end.x())
                                  .arg(arc.end.y())
                                  .arg(arc.centre.x())
                                  .arg(arc.centre.y())
                                  .arg(arc.span);
        // The wrap angle is the angle between the legs as they leave the sheave.
        QVERIFY2(std::abs(degreesBetween(in, direction(leg)) - angle) <= 3, qPrintable(where));
        // Its arc opens between them: centred where the leg meets its guide, a line
        // level with the incoming leg from the angle's box; from the guide on the
        // incoming leg's side round to the leaving leg, through the wrap angle.
        const double guideTurn = degreesBetween(direction(guide), in);
        QVERIFY2(std::min(guideTurn, 180 - guideTurn) <= 1, qPrintable(where));
        QVERIFY2(offLine(arc.centre, guide) <= 15 && offLine(arc.centre, leg) <= 15, qPrintable(where));
        QVERIFY2(degreesBetween(arc.start - arc.centre, in) <= 3, qPrintable(where));
        QVERIFY2(degreesBetween(arc.end - arc.centre, direction(leg)) <= 3, qPrintable(where));
        QVERIFY2(std::abs(std::abs(arc.span) - angle) <= 3, qPrintable(where));
        // The resultant runs from the pin along the bisector of the two legs.
        const QPointF bisector = in + direction(leg);
        QPointF tip = head.front();
        for (const QPointF &p : head)
            if (QLineF(shaft.p1(), p).length() > QLineF(shaft.p1(), tip).length())
                tip = p;
        QVERIFY2(degreesBetween(direction(shaft), bisector) <= 3, qPrintable(where));
        QVERIFY2(degreesBetween(tip - shaft.p1(), bisector) <= 3, qPrintable(where));
        // Solid for the largest angle, dashed for the smallest, leg to resultant.
        for (const QString &id :
             {QStringLiteral("leg"), QStringLiteral("guide"), QStringLiteral("arc"), QStringLiteral("resultant")})
            QVERIFY2(d.dashed(id + which) == dashed, qPrintable(id + which));
    }

    void wrapDiagramResultantsInProportion()
    {
        const Diagram d = Diagram::read();
        const auto length = [&d](const QString &which) {
            const QLineF shaft = d.line(QStringLiteral("resultant") + which);
            double longest = 0;
            for (const QPointF &p : d.polygon(QStringLiteral("resultant") + which + QStringLiteral("Head")))
                longest = std::max(longest, QLineF(shaft.p1(), p).length());
            return longest;
        };
        const WrapResults example = computeWrapResults(10, 60, 120);
        const double drawn = length(QStringLiteral("Min")) / length(QStringLiteral("Max"));
        const double computed = double(example.ResMin) / double(example.ResMax); // 17.3 : 10.0
        QVERIFY2(std::abs(drawn / computed - 1) <= 0.05,
                 qPrintable(QStringLiteral("drawn %1, computed %2").arg(drawn).arg(computed)));
    }

    // The wire load box stands at the incoming wire: the wire runs level at the
    // box's height, and its arrowhead points at the box from its right.
    void wrapDiagramWireLoadAtTheIncomingWire()
    {
        const Diagram d = Diagram::read();
        auto *Image1 = CHILD(kit::Picture, w, "Image1");
        const QRectF picture = Image1->geometry();
        const double scale = picture.width() / 5475.0;
        const QLineF in = d.line(QStringLiteral("legIn"));
        QCOMPARE(in.y1(), in.y2());
        const QRectF txtWire = box("txtWire")->geometry();
        const double y = picture.top() + in.y1() * scale;
        QVERIFY2(txtWire.top() < y && y < txtWire.bottom(), qPrintable(QString::number(y)));
        double headLeft = picture.right();
        for (const QPointF &p : d.polygon(QStringLiteral("legInHead")))
            headLeft = std::min(headLeft, picture.left() + p.x() * scale);
        QVERIFY2(headLeft > txtWire.right() && headLeft - txtWire.right() < 10, qPrintable(QString::number(headLeft)));
    }

    // No leg, guide, arc or arrow of the diagram touches a box or caption standing
    // on it, the result controls included: each drawn element, its line's half
    // width and 2 pixels besides stay clear of every control's rectangle.
    void wrapDiagramTouchesNoBox()
    {
        const Diagram d = Diagram::read();
        auto *Image1 = CHILD(kit::Picture, w, "Image1");
        const QRectF box = Image1->geometry();
        const double scale = box.width() / 5475.0; // the drawing's width, in its own units
        QCOMPARE(box.height() / 4890.0, scale);
        QStringList touching;
        for (auto e = d.elements.cbegin(); e != d.elements.cend(); ++e) {
            const QString &id = e.key();
            QList<QPointF> drawn;
            const auto along = [&drawn](QPointF a, QPointF b) {
                for (int i = 0; i <= 100; ++i)
                    drawn << a + (b - a) * (i / 100.0);
            };
            if (id.startsWith(QLatin1String("arc"))) {
                const Diagram::Arc a = d.arc(id);
                for (int i = 0; i <= 100; ++i) {
                    const double t = qDegreesToRadians(a.startAngle + a.span * i / 100);
                    drawn << a.centre + a.radius * QPointF(std::cos(t), std::sin(t));
                }
            } else if (id.endsWith(QLatin1String("Head"))) {
                const QPolygonF p = d.polygon(id);
                for (qsizetype i = 0; i < p.size(); ++i)
                    along(p[i], p[(i + 1) % p.size()]);
            } else if (e.value().hasAttribute(QLatin1String("x1"))) {
                const QLineF l = d.line(id);
                along(l.p1(), l.p2());
            } else {
                continue; // the gradient
            }
            const double margin = 2 + d.halfStroke(id) * scale;
            for (QWidget *c : w->controlsInOrder()) {
                if (c == Image1)
                    continue;
                const QRectF clear = QRectF(c->geometry()).adjusted(-margin, -margin, margin, margin);
                for (const QPointF &p : std::as_const(drawn)) {
                    if (clear.contains(box.topLeft() + p * scale)) {
                        touching << id + QStringLiteral(" touches ") + c->objectName();
                        break;
                    }
                }
            }
        }
        QVERIFY2(touching.isEmpty(), qPrintable(touching.join(QLatin1Char('\n'))));
    }

    void controlOrderAndTags()
    {
        QStringList names;
        QStringList required;
        QStringList results;
        for (QWidget *c : w->controlsInOrder()) {
            names << c->objectName();
            if (frmDeflect::tagOf(c) == QLatin1String("E"))
                required << c->objectName();
            if (frmDeflect::tagOf(c) == QLatin1String("V"))
                results << c->objectName();
        }
        const QStringList expected{
            QStringLiteral("cmdCompute"),    QStringLiteral("txtWrapMin"),     QStringLiteral("txtWrapMax"),
            QStringLiteral("txtWire"),       QStringLiteral("Label1"),         QStringLiteral("lblOpError"),
            QStringLiteral("lblAvgWrapAng"), QStringLiteral("lblPercentLoad"), QStringLiteral("lblResAvg"),
            QStringLiteral("lblWireMax"),    QStringLiteral("lblWireMin"),     QStringLiteral("lblResMin"),
            QStringLiteral("lblResMax"),     QStringLiteral("Label15"),        QStringLiteral("Label14"),
            QStringLiteral("lblMinRes"),     QStringLiteral("lblMaxRes"),      QStringLiteral("lblWireLoad2"),
            QStringLiteral("Label4"),        QStringLiteral("lblMaxWrap"),     QStringLiteral("lblWireLoad"),
            QStringLiteral("Image1")};
        QCOMPARE(names, expected);
        QCOMPARE(required, (QStringList{QStringLiteral("txtWrapMin"), QStringLiteral("txtWrapMax")}));
        QCOMPARE(results, resultControls);
        // Every named control of the window is in the list.
        for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!c->objectName().isEmpty() && c->objectName() != QLatin1String("shapeLayer"))
                QVERIFY2(names.contains(c->objectName()), qPrintable(c->objectName()));
    }

    void focusOrder()
    {
        QCOMPARE(QApplication::focusWidget(), box("txtWire"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("txtWrapMax"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("txtWrapMin"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), CHILD(QPushButton, w, "cmdCompute"));
    }

    void calculates_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("wrapMin");
        QTest::addColumn<QString>("wrapMax");
        QTest::addColumn<QString>("wireShown");
        QTest::addColumn<QStringList>("results"); // ResMin, ResMax, then the four lines' numbers
        // r(w, a) = 2 w cos(a / 2 * 0.0174533); the calculation's own tests derive each value.
        const auto lines = [](const char *resMin, const char *resMax, const char *avg, const char *avgWrap,
                              const char *percent, const char *error) {
            return QStringList{QLatin1String(resMin),
                               QLatin1String(resMax),
                               QStringLiteral("Average Resultant Load = ") + QLatin1String(avg),
                               QStringLiteral("Average Resultant Wrap Angle = ") + QLatin1String(avgWrap),
                               QStringLiteral("Average Resultant as Proportion of Wire Load = ") +
                                   QLatin1String(percent) + QStringLiteral(" %"),
                               QStringLiteral("Output Error Due to Wrap Angle variation = \u00b1 ") +
                                   QLatin1String(error) + QStringLiteral(" %")};
        };
        QTest::newRow("wire 10, 60 and 120") << "10"
                                             << "60"
                                             << "120"
                                             << "10" << lines("17.3", "10.0", "13.7", "90.0", "136.6", "26.8");
        QTest::newRow("grouped") << "1000"
                                 << "30"
                                 << "45"
                                 << "1000" << lines("1,931.9", "1,847.8", "1,889.8", "37.5", "189.0", "2.2");
        QTest::newRow("both 90") << "100"
                                 << "90"
                                 << "90"
                                 << "100" << lines("141.4", "141.4", "141.4", "90.0", "141.4", "0.0");
        QTest::newRow("both 0") << "100"
                                << "0"
                                << "0"
                                << "100" << lines("200.0", "200.0", "200.0", "0.0", "200.0", "0.0");
        // -0.000135 at 180 shows as 0.0, without a minus sign
        QTest::newRow("0 and exactly 180") << "100"
                                           << "0"
                                           << "180"
                                           << "100" << lines("200.0", "0.0", "100.0", "90.0", "100.0", "100.0");
        QTest::newRow("negative angle") << "100"
                                        << "-60"
                                        << "60"
                                        << "100" << lines("173.2", "173.2", "173.2", "0.0", "173.2", "0.0");
        // The wire load as general number text, read by the leading-number conversion.
        QTest::newRow("decimal wire load") << "12.5"
                                           << "60"
                                           << "120"
                                           << "12.5" << lines("21.7", "12.5", "17.1", "90.0", "136.6", "26.8");
        // "1,000" reads as 1: r(1, 60) = 1.73, r(1, 120) = 1.00
        QTest::newRow("comma ends the number") << "1,000"
                                               << "60"
                                               << "120"
                                               << "1" << lines("1.7", "1.0", "1.4", "90.0", "136.6", "26.8");
        // "10abc" reads as 10; blanks inside the angle are skipped
        QTest::newRow("trailing text") << "10abc"
                                       << " 6 0"
                                       << "120deg"
                                       << "10" << lines("17.3", "10.0", "13.7", "90.0", "136.6", "26.8");
        // 1E+10 is the general text of 10^10; the resultants 1.732E10 and 1.0E10 are
        // shown as the singles hold them: 17320505344, 9999991808, mean 13660248064
        QTest::newRow("large wire load") << "1e10"
                                         << "60"
                                         << "120"
                                         << "1E+10"
                                         << lines("17,320,505,344.0", "9,999,991,808.0", "13,660,248,064.0", "90.0",
                                                  "136.6", "26.8");
    }
    void calculates()
    {
        QFETCH(QString, wire);
        QFETCH(QString, wrapMin);
        QFETCH(QString, wrapMax);
        QFETCH(QString, wireShown);
        QFETCH(QStringList, results);
        enter(wire, wrapMin, wrapMax);
        QCOMPARE(visibleResults(), QStringList()); // typing hid even the empty result lines
        calculate();
        QVERIFY2(uitest::recorder().messages.isEmpty(), qPrintable(boxTitles().join(QLatin1Char('|'))));
        QCOMPARE(visibleResults(), resultControls);
        QCOMPARE(lbl(QStringLiteral("lblWireMin"))->text(), wireShown);
        QCOMPARE(lbl(QStringLiteral("lblWireMax"))->text(), wireShown);
        QCOMPARE(texts(resultTexts), results);
        // The boxes keep what was typed.
        QCOMPARE(box("txtWire")->text(), wire);
        QCOMPARE(box("txtWrapMin")->text(), wrapMin);
        QCOMPARE(box("txtWrapMax")->text(), wrapMax);
    }

    void resultLinesFitTheirControls()
    {
        enter(QStringLiteral("1000"), QStringLiteral("30"), QStringLiteral("45"));
        calculate();
        for (const QString &name : resultTexts) {
            QLabel *l = lbl(name);
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(l->text()));
        }
    }

    void renders()
    {
        auto *line = CHILD(QLabel, w, "lblResAvg");
        const QImage before = uitest::grab(w, QStringLiteral("frmDeflect_before.png"));
        QCOMPARE(before.deviceIndependentSize().toSize(), w->size());
        QCOMPARE(uitest::pixelsOf(before, line, Qt::black), 0); // an empty line shows nothing
        enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
        calculate();
        QCOMPARE(visibleResults(), resultControls);
        const QImage after = uitest::grab(w, QStringLiteral("frmDeflect_after.png"));
        QVERIFY(uitest::pixelsOf(after, line, Qt::black) > 50);
    }

    void wrongOrderIsExchanged_data()
    {
        QTest::addColumn<QString>("wrapMin");
        QTest::addColumn<QString>("wrapMax");
        QTest::addColumn<QString>("maxShown");
        QTest::addColumn<QString>("minShown");
        QTest::newRow("120 and 60") << "120"
                                    << "60"
                                    << "120"
                                    << "60";
        // rewritten as general number text
        QTest::newRow("rewritten") << "120.00"
                                   << "60abc"
                                   << "120"
                                   << "60";
        // the order check compares signed angles: -60 is the smaller
        QTest::newRow("negative") << "60"
                                  << "-60"
                                  << "60"
                                  << "-60";
    }
    void wrongOrderIsExchanged()
    {
        QFETCH(QString, wrapMin);
        QFETCH(QString, wrapMax);
        QFETCH(QString, maxShown);
        QFETCH(QString, minShown);
        enter(QStringLiteral("10"), wrapMin, wrapMax);
        QStringList boxesWhileShowing;
        QStringList resultsWhileShowing;
        uitest::recorder().whileShowing = [&](const MessageRequest &) {
            boxesWhileShowing << box("txtWrapMax")->text() << box("txtWrapMin")->text();
            resultsWhileShowing = visibleResults();
        };
        calculate();
        QCOMPARE(uitest::recorder().messages.size(), 1);
        const MessageRequest m = uitest::recorder().messages.front();
        QCOMPARE(m.text, orderBox);
        QCOMPARE(m.title, QStringLiteral("Invalid Data"));
        QVERIFY(m.exclamation);
        // The warning comes before the exchange, with the results already shown.
        QCOMPARE(boxesWhileShowing, (QStringList{wrapMax, wrapMin}));
        QCOMPARE(resultsWhileShowing, resultControls);
        QCOMPARE(box("txtWrapMax")->text(), maxShown);
        QCOMPARE(box("txtWrapMin")->text(), minShown);
        // The rewrite is no edit: the results of the exchanged angles are shown.
        QCOMPARE(visibleResults(), resultControls);
        if (maxShown == QLatin1String("120")) {
            QCOMPARE(lbl(QStringLiteral("lblResMin"))->text(), QStringLiteral("17.3"));
            QCOMPARE(lbl(QStringLiteral("lblResMax"))->text(), QStringLiteral("10.0"));
            QCOMPARE(lbl(QStringLiteral("lblAvgWrapAng"))->text(),
                     QStringLiteral("Average Resultant Wrap Angle = 90.0"));
        } else {
            QCOMPARE(lbl(QStringLiteral("lblResMin"))->text(), QStringLiteral("17.3"));
            QCOMPARE(lbl(QStringLiteral("lblAvgWrapAng"))->text(),
                     QStringLiteral("Average Resultant Wrap Angle = 0.0"));
        }
        // A second Calculate finds them in order.
        uitest::recorder().clear();
        calculate();
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void anglesAbove180_data()
    {
        QTest::addColumn<QString>("wrapMin");
        QTest::addColumn<QString>("wrapMax");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("largest 180.5") << "10"
                                       << "180.5" << QStringList{rangeBox};
        QTest::newRow("smallest 180.5") << "180.5"
                                        << "190" << QStringList{rangeBox};
        // wrong order as well: the exchange comes first
        QTest::newRow("smallest 180.5, wrong order") << "180.5"
                                                     << "10" << QStringList{orderBox, rangeBox};
        QTest::newRow("both above") << "360"
                                    << "181" << QStringList{orderBox, rangeBox};
    }
    void anglesAbove180()
    {
        QFETCH(QString, wrapMin);
        QFETCH(QString, wrapMax);
        QFETCH(QStringList, boxes);
        // Results of an earlier Calculate, to see that they are not shown again.
        enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
        calculate();
        const QStringList before = texts(resultTexts);
        enter(QStringLiteral("10"), wrapMin, wrapMax);
        calculate();
        QCOMPARE(boxTitles(), boxes);
        const MessageRequest m = uitest::recorder().messages.back();
        QCOMPARE(m.title, QStringLiteral("Invalid Data"));
        QVERIFY(m.exclamation);
        QCOMPARE(box("txtWrapMax")->text(), QString());
        QCOMPARE(box("txtWrapMin")->text(), QString());
        QCOMPARE(visibleResults(), QStringList());
        QCOMPARE(QApplication::focusWidget(), box("txtWrapMax"));
        QCOMPARE(texts(resultTexts), before);
        QCOMPARE(box("txtWire")->text(), QStringLiteral("10"));
        // The window carries on: the next Calculate asks for the angles.
        uitest::recorder().clear();
        calculate();
        QCOMPARE(boxTitles(), QStringList{requiredBox});
    }

    void requiredAngles_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("wrapMin");
        QTest::addColumn<QString>("wrapMax");
        QTest::newRow("nothing typed") << false << ""
                                       << "";
        QTest::newRow("both empty") << true << ""
                                    << "";
        QTest::newRow("smallest empty") << true << ""
                                        << "60";
        QTest::newRow("largest empty") << true << "60"
                                       << "";
    }
    void requiredAngles()
    {
        QFETCH(bool, typed);
        QFETCH(QString, wrapMin);
        QFETCH(QString, wrapMax);
        if (typed)
            enter(QStringLiteral("10"), wrapMin, wrapMax);
        const QStringList shownBefore = visibleResults();
        QCOMPARE(shownBefore.size(), typed ? 0 : 4); // at start the four empty result lines are visible
        calculate();
        // One box, however many boxes are empty.
        QCOMPARE(uitest::recorder().messages.size(), 1);
        const MessageRequest m = uitest::recorder().messages.front();
        QCOMPARE(m.text, requiredBox);
        QCOMPARE(m.title, QStringLiteral("Error"));
        QVERIFY(!m.exclamation);
        // Nothing changes.
        QCOMPARE(visibleResults(), shownBefore);
        QCOMPARE(lbl(QStringLiteral("lblWireMin"))->text(), QString());
        QCOMPARE(texts(resultTexts), QStringList(6, QString()));
        QCOMPARE(box("txtWrapMin")->text(), wrapMin);
        QCOMPARE(box("txtWrapMax")->text(), wrapMax);
    }

    void blankAnglesAreNotEmpty()
    {
        // Blanks pass the required check and read as 0: r(10, 0) = 20.
        enter(QStringLiteral("10"), QStringLiteral(" "), QStringLiteral(" "));
        calculate();
        QVERIFY(uitest::recorder().messages.isEmpty());
        QCOMPARE(visibleResults(), resultControls);
        QCOMPARE(lbl(QStringLiteral("lblResMin"))->text(), QStringLiteral("20.0"));
    }

    void noWireLoadGivesTheErrorBox_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("not a number") << "abc";
        QTest::newRow("blank") << " ";
    }
    void noWireLoadGivesTheErrorBox()
    {
        QFETCH(QString, wire);
        for (bool earlierResults : {false, true}) {
            uitest::recorder().clear();
            QStringList before(6, QString());
            if (earlierResults) {
                enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
                calculate();
                before = texts(resultTexts);
                QCOMPARE(before.front(), QStringLiteral("17.3"));
            }
            enter(wire, QStringLiteral("30"), QStringLiteral("45"));
            QStringList shownBehind;
            QStringList wireBehind;
            QStringList textsBehind;
            uitest::recorder().whileShowing = [&](const MessageRequest &) {
                shownBehind = visibleResults();
                wireBehind = texts({QStringLiteral("lblWireMin"), QStringLiteral("lblWireMax")});
                textsBehind = texts(resultTexts);
            };
            calculate();
            // 0 / 0 in the proportion of the wire load: an overflow.
            QCOMPARE(uitest::recorder().messages.size(), 1);
            const MessageRequest m = uitest::recorder().messages.front();
            QCOMPARE(m.title, QStringLiteral("Error 6"));
            QCOMPARE(m.text, QStringLiteral("Overflow"));
            QVERIFY(!m.exclamation);
            QCOMPARE(shownBehind, resultControls);
            QCOMPARE(wireBehind, (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
            QCOMPARE(textsBehind, before);
            // The procedure ended: what it wrote stays, the rest is unchanged.
            QCOMPARE(visibleResults(), resultControls);
            QCOMPARE(texts(resultTexts), before);
        }
        // The window keeps working.
        uitest::recorder().clear();
        uitest::recorder().whileShowing = nullptr;
        uitest::retype(box("txtWire"), QStringLiteral("1000"));
        calculate();
        QVERIFY(uitest::recorder().messages.isEmpty());
        QCOMPARE(lbl(QStringLiteral("lblResMin"))->text(), QStringLiteral("1,931.9"));
        QCOMPARE(visibleResults(), resultControls);
    }

    void zeroMeanResultantGivesDivisionByZero()
    {
        // r(10, -360) = -20 and r(10, 0) = 20: the output error divides by a zero mean.
        enter(QStringLiteral("10"), QStringLiteral("-360"), QStringLiteral("0"));
        calculate();
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 11"));
        QCOMPARE(uitest::recorder().messages.front().text, QStringLiteral("Division by zero"));
        QCOMPARE(visibleResults(), resultControls);
        QCOMPARE(lbl(QStringLiteral("lblWireMin"))->text(), QStringLiteral("10"));
        QCOMPARE(texts(resultTexts), QStringList(6, QString()));
    }

    void entryBeyondTheSingleRange()
    {
        enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
        calculate();
        const QStringList before = texts(resultTexts);
        // 1e39 does not fit a single: an overflow while the boxes are read,
        // before the wire load is written.
        uitest::retype(box("txtWire"), QStringLiteral("1e39"));
        calculate();
        QCOMPARE(boxTitles(), QStringList{QStringLiteral("Overflow")});
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 6"));
        QCOMPARE(visibleResults(), resultControls);
        QCOMPARE(lbl(QStringLiteral("lblWireMin"))->text(), QStringLiteral("10"));
        QCOMPARE(texts(resultTexts), before);
        // 3e38 fits, twice it does not: the box after the wire load was written.
        uitest::recorder().clear();
        uitest::retype(box("txtWire"), QStringLiteral("3e38"));
        calculate();
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 6"));
        QCOMPARE(lbl(QStringLiteral("lblWireMin"))->text(), QStringLiteral("3E+38"));
        QCOMPARE(texts(resultTexts), before);
    }

    void anyEditHidesTheResults_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::newRow("wire load, digit") << "txtWire" << int(Qt::Key_5);
        QTest::newRow("largest, digit") << "txtWrapMax" << int(Qt::Key_0);
        QTest::newRow("smallest, letter") << "txtWrapMin" << int(Qt::Key_A);
        QTest::newRow("wire load, deletion") << "txtWire" << int(Qt::Key_Backspace);
        QTest::newRow("smallest, deletion") << "txtWrapMin" << int(Qt::Key_Backspace);
    }
    void anyEditHidesTheResults()
    {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
        calculate();
        QCOMPARE(visibleResults(), resultControls);
        const QStringList shownTexts = texts(resultTexts);
        auto *edited = child<QLineEdit>(boxName);
        edited->setFocus();
        edited->end(false);
        QTest::keyClick(edited, Qt::Key(key));
        QCOMPARE(visibleResults(), QStringList());
        // Hidden, not emptied.
        QCOMPARE(texts(resultTexts), shownTexts);
        for (const char *name :
             {"lblWireLoad", "lblMaxWrap", "Label4", "txtWire", "txtWrapMax", "txtWrapMin", "cmdCompute", "Image1"})
            QVERIFY2(w->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(w), name);
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void pasteHidesTheResults()
    {
        enter(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("120"));
        calculate();
        box("txtWrapMax")->selectAll();
        box("txtWrapMax")->insert(QStringLiteral("90"));
        QCOMPARE(visibleResults(), QStringList());
    }
};

VORVAN_UI_TEST_MAIN(tst_Deflect)
#include "tst_deflect.moc"
