#include "ui/frmpincalc.h"

#include "calc/pindesign.h"
#include "ui/calcsheet.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"
#include "ui/kit/resultbox.h"
#include "ui/kit/summary.h"
#include "ui/kit/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>

#include <cmath>

namespace vorvan::ui {

using namespace kit;

// The client area is the outer size less a classic sizable frame (8 by 27
// pixels), as the other calculators that set their outer size have it.
frmPinCalc::frmPinCalc() : Form(QStringLiteral("Load Pin size calculator"), 8380, 7595)
{
    setObjectName(QStringLiteral("frmPinCalc"));

    // The thermometer is painted on the form, beneath the gauge bar that fills its tube.
    shapes = new ShapeLayer(this);
    shapes->add(line("Line1", 480, 5520, 480, 120, colour::black, 8));
    shapes->add(line("Line2", 480, 120, 960, 120, colour::black, 8));
    shapes->add(line("Line3", 960, 120, 960, 5520, colour::black, 8));
    Shape2 = &shapes->add({.kind = Shape::Kind::Rectangle,
                           .name = QStringLiteral("Shape2"),
                           .a = {480, 120},
                           .b = {495, 375},
                           .colour = colour::black,
                           .fill = colour::silver});
    Shape1 = &shapes->add({.kind = Shape::Kind::Circle,
                           .name = QStringLiteral("Shape1"),
                           .a = {120, 5520},
                           .b = {1215, 1215},
                           .colour = colour::black,
                           .fill = colour::navy,
                           .width = 5});

    // Screen readers name the sliders and display fields after the captions beside them.
    const Look caption{.bg = colour::white};
    const Look centred{.bg = colour::white, .align = Qt::AlignHCenter};
    const Look display{.bg = colour::yellow, .font = sans(9.75, true), .align = Qt::AlignHCenter, .border = true};

    hsbLoad = slider(this, "hsbLoad", at(2100, 60, 5415, 195), pinLoadMin, pinLoadMax, 160,
                     {.accessibleName = QStringLiteral("load")});
    label(this, "Label10", QStringLiteral("load"), at(3660, 360, 375, 195), caption);
    txtLoad = textBox(this, "txtLoad", QStringLiteral("160"), at(4140, 300, 975, 315),
                      display.named(QStringLiteral("load in tonnes")));
    label(this, "Label1", QStringLiteral("tonnes"), at(5220, 360, 1095, 255), caption);
    hsbDiameter = slider(this, "hsbDiameter", at(2100, 840, 5415, 195), pinDiameterMin, pinDiameterMax, 120,
                         {.accessibleName = QStringLiteral("diameter")});
    label(this, "Label12", QStringLiteral("diameter"), at(3420, 1140, 735, 255), caption);
    txtDiameter = textBox(this, "txtDiameter", QStringLiteral("120"), at(4140, 1080, 975, 315),
                          display.named(QStringLiteral("diameter in mm")));
    label(this, "Label2", QStringLiteral(" mm"), at(5220, 1140, 975, 255), caption);
    label(this, "Label14", QStringLiteral("output "), at(4320, 1740, 735, 255), caption);
    label(this, "Label8", QStringLiteral("min."), at(1860, 1620, 495, 255), caption);
    label(this, "Label5", QStringLiteral("max."), at(7380, 1620, 495, 255), caption);
    txtOPMin = textBox(this, "txtOPMin", QString(), at(1620, 1920, 735, 345),
                       display.named(QStringLiteral("lowest output in mV/V")));
    hsbOutput =
        slider(this, "hsbOutput", at(2460, 1980, 4575, 255), 0, 32767, 0, {.accessibleName = QStringLiteral("output")});
    txtOPMax = textBox(this, "txtOPMax", QString(), at(7140, 1920, 735, 360),
                       display.named(QStringLiteral("highest output in mV/V")));
    label(this, "Label6", QStringLiteral("mV/V"), at(1740, 2340, 495, 255), caption);
    label(this, "Label7", QStringLiteral("mV/V"), at(7260, 2340, 555, 315), caption);
    label(this, "Label3", QStringLiteral("Proposed output"), at(1260, 2880, 1275, 255), centred);
    txtOP = textBox(this, "txtOP", QString(), at(2640, 2880, 975, 315),
                    display.named(QStringLiteral("proposed output in mV/V")));
    label(this, "Label9", QStringLiteral(" mV/V"), at(3720, 2940, 735, 255), caption);
    label(this, "Label13", QStringLiteral("Ultimate Load"), at(1560, 3420, 975, 255), caption);
    txtLoadMax = textBox(this, "txtLoadMax", QString(), at(2640, 3360, 975, 315),
                         display.named(QStringLiteral("ultimate load in tonnes")));
    label(this, "Label4", QStringLiteral("tonnes"), at(3660, 3420, 975, 315), caption);
    label(this, "Label11", QStringLiteral("safety factor"), at(5040, 3420, 975, 255), caption);
    txtSFlevel = textBox(this, "txtSFlevel", QString(), at(6000, 3360, 975, 315),
                         display.named(QStringLiteral("safety factor")));
    lblInfo =
        label(this, "lblInfo", QString(), at(5340, 3900, 2655, 1335),
              {.bg = colour::lightYellow, .font = sans(9.75), .align = Qt::AlignHCenter, .border = true, .wrap = true});
    imgPinBk = new Picture(this, "imgPinBk", QStringLiteral(":/pictures/pin_broken.svg"), at(1500, 3900, 3735, 2535),
                           QStringLiteral("safety factor <1, pin will break"));
    imgPinBk->setVisible(false);
    imgPin = new Picture(this, "imgPin", QStringLiteral(":/pictures/pin_intact.svg"), at(1500, 4140, 3735, 2175),
                         QStringLiteral("load pin in double shear"));
    lblAlarm =
        label(this, "lblAlarm", QString(), at(5340, 5460, 2655, 735),
              {.bg = colour::silver, .font = sans(12, true), .align = Qt::AlignHCenter, .border = true, .wrap = true});
    lblBreak = label(this, "lblBreak", QString(), at(1560, 6540, 3615, 495),
                     {.bg = colour::white, .font = sans(9.75, true), .align = Qt::AlignHCenter});

    pgBar = new ProgressBar(this, "pgBar", at(480, 360, 495, 5175), Qt::Vertical, int(gaugeLowerLimit),
                            int(gaugeUpperLimit), 1111, colour::navy, QStringLiteral("load pin strength gauge"));

    // With tracking on, valueChanged fires once for each committed change and
    // once for each step of a drag: the change and scroll events together.
    connect(hsbLoad, &QScrollBar::valueChanged, this, &frmPinCalc::hsbLoad_Change);
    connect(hsbDiameter, &QScrollBar::valueChanged, this, &frmPinCalc::hsbDiameter_Change);
    connect(hsbOutput, &QScrollBar::valueChanged, this, &frmPinCalc::hsbOutput_Change);
    offerCopyResults(this, [this] { return summary(); });
    offerSaveAsPdf(this, [this] { return summary(); });
}

QString frmPinCalc::summary() const
{
    Summary s(windowTitle());
    s.field(caption(this, "Label10"), txtLoad->text(), caption(this, "Label1"));
    s.field(caption(this, "Label12"), txtDiameter->text(), caption(this, "Label2"));
    if (!m_evaluated)
        return s.noResultYet().text();
    s.field(txtOPMin->accessibleName(), wholeText(txtOPMin), caption(this, "Label6"));
    s.field(txtOPMax->accessibleName(), wholeText(txtOPMax), caption(this, "Label7"));
    s.field(caption(this, "Label3"), wholeText(txtOP), caption(this, "Label9"));
    s.field(caption(this, "Label11"), wholeText(txtSFlevel));
    s.field(caption(this, "Label13"), wholeText(txtLoadMax), caption(this, "Label4"));
    return s.line(wholeText(lblAlarm)).line(lblBreak->text()).text();
}

void frmPinCalc::Form_Load()
{
    place(this, {.outer = {8500, 8000}});
    pgBar->setValue(1111);
    setShapeFill(*Shape1, colour::navy);
    lblInfo->setText(QStringLiteral("Adjust Load and Diameter sliders to match parameters - then adjust output slider "
                                    "to optimize mV/V output and safety factor"));
}

void frmPinCalc::hsbLoad_Change()
{
    compute();
    recentreOutput();
}

void frmPinCalc::hsbDiameter_Change()
{
    compute();
    recentreOutput();
}

void frmPinCalc::hsbOutput_Change()
{
    compute();
}

// A new load or diameter puts the output at the middle of its new range; the
// move runs the output slider's handler at once, nested.
void frmPinCalc::recentreOutput()
{
    hsbOutput->setValue(roundToSliderPosition(outputMid));
}

void frmPinCalc::setShapeFill(Shape &shape, const QColor &fill)
{
    shape.fill = fill;
    shapes->update();
}

void frmPinCalc::compute()
{
    const auto announce = qScopeGuard([this] { Q_EMIT computed(); });
    m_evaluated = true;
    const auto d = static_cast<std::int16_t>(hsbDiameter->value());
    const auto L = static_cast<std::int16_t>(hsbLoad->value());
    const auto o = static_cast<std::int16_t>(hsbOutput->value());
    const PinDesignResult r = computePinDesign(d, L, o);
    outputMid = r.outputMid;
    const PinDesignTexts t = pinDesignTexts(r, d, L, o, numberFormat());

    showResult(txtOPMin, text(t.outputLow));
    showResult(txtOPMax, text(t.outputHigh));
    showResult(txtOP, text(t.output));

    // The new range may move the output into it. Its change signal would
    // evaluate the moved value nested and this run would then finish with
    // the old one; keep it quiet and evaluate the moved value instead.
    {
        const QSignalBlocker quiet(hsbOutput);
        hsbOutput->setRange(r.outputMinPos, r.outputMaxPos);
    }
    if (hsbOutput->value() != o) {
        compute();
        return;
    }

    showResult(txtSFlevel, text(t.safetyFactor));
    showResult(txtLoadMax, text(t.ultimateLoad));

    if (r.pinBreaks) {
        setBackground(txtSFlevel, colour::red);
        imgPin->setVisible(false);
        imgPinBk->setVisible(true);
        setBackground(lblBreak, colour::red);
        lblBreak->setText(QStringLiteral("   Safety Factor < 1   pin would break!"));
    } else {
        setBackground(txtSFlevel, colour::yellow);
        imgPin->setVisible(true);
        imgPinBk->setVisible(false);
        lblBreak->setText(QString());
        setBackground(lblBreak, colour::white);
    }

    if (r.proofCompromised) {
        setForeground(lblAlarm, colour::magenta);
        setForeground(txtOP, colour::red);
        showResult(lblAlarm, QStringLiteral("Proof Load compromised"));
    } else {
        setForeground(txtOP, colour::navy);
    }

    if (r.loadTooHigh) {
        showResult(lblAlarm, QStringLiteral("Load too High or diameter too Small"));
        setForeground(lblAlarm, colour::red);
        setShapeFill(*Shape2, colour::red);
        setBackground(txtLoad, colour::red);
        setBackground(txtDiameter, colour::red);
    } else {
        setBackground(lblAlarm, colour::buttonFace());
        setShapeFill(*Shape2, colour::silver);
        setBackground(txtLoad, colour::yellow);
        setBackground(txtDiameter, colour::yellow);
    }

    if (r.loadTooLow) {
        setForeground(lblAlarm, colour::blue);
        showResult(lblAlarm, QStringLiteral("Load too Low or diameter too Large"));
        setShapeFill(*Shape1, colour::lightCyan);
        setBackground(txtLoad, colour::lightCyan);
        setBackground(txtDiameter, colour::lightCyan);
    }

    if (r.acceptable) {
        showResult(lblAlarm, QStringLiteral("Acceptable Output range"));
        setForeground(lblAlarm, colour::black);
        setShapeFill(*Shape1, colour::navy);
    }

    txtLoad->setText(text(t.load));
    txtDiameter->setText(text(t.diameter));
    pgBar->setValue(static_cast<int>(std::lround(r.gaugeShown)));
}

} // namespace vorvan::ui
