#include "ui/frmxysim.h"

#include "app/errortraps.h"
#include "calc/xysim.h"
#include "ui/calcsheet.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"
#include "ui/kit/resultbox.h"
#include "ui/kit/summary.h"
#include "ui/kit/texts.h"

#include <QLabel>
#include <QScrollBar>

namespace vorvan::ui {

using namespace kit;

frmXYsim::frmXYsim() : Form(QStringLiteral("X, Y Load Pin simulator"), 5080, 3495)
{
    setObjectName(QStringLiteral("frmXYsim"));

    // The pin's cross-section with its axes; the load line is painted last, above them.
    shapes = new ShapeLayer(this);
    shapes->add({.kind = Shape::Kind::Circle,
                 .name = QStringLiteral("Shape1"),
                 .a = {240, 180},
                 .b = {1995, 1995},
                 .colour = colour::darkBlue,
                 .fill = colour::darkBlue,
                 .width = 4});
    shapes->add(line("Line1", 1200, 780, 1680, 780, colour::white, 2));
    shapes->add(line("Line2", 1560, 660, 1680, 780, colour::white, 2));
    shapes->add(line("Line3", 1560, 900, 1680, 780, colour::white, 2));
    shapes->add(line("Line4", 1260, 1380, 1260, 1740, colour::white, 2));
    shapes->add(line("Line5", 1140, 1680, 1260, 1800, colour::white, 2));
    shapes->add(line("Line6", 1380, 1680, 1260, 1800, colour::white, 2));
    linLoad = &shapes->add(line("linLoad", 0, 0, 0, 0, colour::red, 4)); // placed by Loaddir

    // Marks and axis names: white on the circle's blue, no background of their own.
    const Look onPin{.fg = colour::white};
    label(this, "Label9", QStringLiteral("0"), at(360, 1095, 255, 255), onPin);
    label(this, "Label10", QStringLiteral("90"), at(1155, 300, 255, 255), onPin);
    label(this, "Label11", QStringLiteral("180"), at(1860, 1080, 285, 255), onPin);
    label(this, "Label12", QStringLiteral("270"), at(1080, 1920, 375, 240), onPin);
    label(this, "Label13", QStringLiteral("X axis"), at(720, 660, 495, 255), onPin);
    label(this, "Label14", QStringLiteral("Y axis"), at(1020, 1140, 450, 255), onPin);

    const Look caption{.fg = colour::navy, .bg = colour::white, .font = sans(8.25, true)};
    Look right = caption;
    right.align = Qt::AlignRight;
    Look centred = caption;
    centred.align = Qt::AlignHCenter;
    const Look valueBox{
        .fg = colour::black, .bg = colour::white, .font = sans(8.25, true), .align = Qt::AlignCenter, .border = true};

    label(this, "Label7", QStringLiteral("X bridge"), at(2520, 660, 735, 195), right);
    lblXoutput = label(this, "lblXoutput", QString(), at(3300, 600, 855, 285), valueBox);
    label(this, "Label5", QStringLiteral("% Output"), at(4200, 660, 795, 195), caption);
    label(this, "Label8", QStringLiteral("Y bridge"), at(2460, 1080, 795, 195), right);
    lblYoutput = label(this, "lblYoutput", QString(), at(3300, 1020, 855, 285), valueBox);
    label(this, "Label6", QStringLiteral("% Output"), at(4200, 1080, 795, 195), caption);
    label(this, "Label1", QStringLiteral("0"), at(120, 2460, 375, 195), centred);
    label(this, "Label3", QStringLiteral("Applied Load Angle"), at(1350, 2460, 1815, 195), centred);
    label(this, "Label2", QStringLiteral("360"), at(3780, 2460, 375, 195), centred);
    hsbAngle = slider(this, "hsbAngle", at(120, 2700, 4035, 255), 0, 360, 0,
                      {.accessibleName = QStringLiteral("applied load angle")});
    lblAngle = label(this, "lblAngle", QString(), at(4200, 2700, 615, 285), valueBox);
    label(this, "Label4", QStringLiteral("Angle"), at(4140, 3000, 855, 195), centred);

    // With tracking on, every step of a thumb drag arrives as a value change, so
    // one connection serves both the change and the scroll of the slider: one
    // compute per new value.
    connect(hsbAngle, &QScrollBar::valueChanged, this, [this] { hsbAngle_Change(); });
    offerCopyResults(this, [this] { return summary(); });
    offerSaveAsPdf(this, [this] { return summary(); });
    hsbAngle->setFocus();
}

void frmXYsim::Form_Load()
{
    place(this, {.outer = {5200, 3900}});
    hsbAngle->setValue(45); // a change: computes, so the window opens at 45 degrees
}

QString frmXYsim::summary() const
{
    Summary s(windowTitle());
    s.field(caption(this, "Label3"), wholeText(lblAngle));
    s.field(caption(this, "Label7"), wholeText(lblXoutput), caption(this, "Label5"));
    s.field(caption(this, "Label8"), wholeText(lblYoutput), caption(this, "Label6"));
    return s.text();
}

void frmXYsim::hsbAngle_Change()
{
    compute();
}

void frmXYsim::compute()
{
    ErrorTraps::trapped([this] {
        showResult(lblAngle, text(integerText(hsbAngle->value())));
        const XYBridges b = xyBridges(hsbAngle->value());
        LoadAngle = b.LoadAngle;
        XSign = b.XSign;
        YSign = b.YSign;
        YOutput = b.YOutput;
        XOutput = b.XOutput;
        const NumberFormat format = numberFormat();
        showResult(lblXoutput, text(outputText(XSign, XOutput, format)));
        showResult(lblYoutput, text(outputText(YSign, YOutput, format)));
        Loaddir();
    });
}

void frmXYsim::Loaddir()
{
    ErrorTraps::trapped([this] {
        const LoadLine l = loadLine(XSign, XOutput, YSign, YOutput);
        linLoad->a = {l.X1, l.Y1};
        linLoad->b = {l.X2, l.Y2};
        shapes->update();
    });
}

} // namespace vorvan::ui
