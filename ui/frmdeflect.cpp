#include "ui/frmdeflect.h"

#include "app/errortraps.h"
#include "app/hooks.h"
#include "calc/wrap.h"
#include "ui/calcsheet.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"
#include "ui/kit/resultbox.h"
#include "ui/kit/summary.h"
#include "ui/kit/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace vorvan::ui {

using namespace kit;

namespace {
const QString requiredTag = QStringLiteral("E");
const QString resultTag = QStringLiteral("V");

QWidget *tagged(QWidget *w, const QString &tag)
{
    w->setProperty("tag", tag);
    return w;
}

QWidget *hidden(QWidget *w)
{
    w->setVisible(false);
    return w;
}

QString number1(float value)
{
    return fixed(value, 1);
}

QString general(float value)
{
    return text(generalText(value));
}

float readSingle(const QLineEdit *box)
{
    return toSingle(readLeadingNumber(box->text().toStdString()));
}
} // namespace

frmDeflect::frmDeflect() : Form(QStringLiteral("Resultant load calculator"), 7680, 6795)
{
    setObjectName(QStringLiteral("frmDeflect"));
    // The diagram lies beneath the boxes and captions placed on it.
    auto *Image1 = new Picture(this, "Image1", QStringLiteral(":/pictures/wrap.svg"), at(2025, 45, 5475, 4890));

    const Look caption{.fg = colour::darkBlue, .bg = colour::white};
    // The entry boxes have no tool tips: screen readers name them after their captions.
    const Look entry{.bg = colour::yellow, .font = sans(8.25, true), .align = Qt::AlignHCenter, .border = true};
    const Look value{.bg = colour::white, .font = sans(8.25, true), .align = Qt::AlignHCenter, .border = true};
    const Look resultLine{.bg = colour::white, .font = sans(8.25, true)};

    auto *lblWireLoad = label(this, "lblWireLoad", QStringLiteral("Wire Load"), at(375, 525, 795, 255), caption);
    txtWire = textBox(this, "txtWire", QString(), at(1200, 480, 795, 315), entry.named(QStringLiteral("wire load")));
    auto *lblMaxWrap =
        label(this, "lblMaxWrap", QStringLiteral(" Maximum Wrap Angle"), at(75, 1950, 1635, 255), caption);
    txtWrapMax = textBox(this, "txtWrapMax", QString(), at(1725, 1875, 615, 315),
                         entry.named(QStringLiteral("maximum wrap angle")));
    auto *lblMaxRes = label(this, "lblMaxRes", QStringLiteral("Resultant Load"), at(150, 2250, 1095, 255), caption);
    lblResMax = label(this, "lblResMax", QString(), at(1275, 2250, 1095, 255), value);
    auto *Label14 = label(this, "Label14", QStringLiteral("At Max. Wrap Angle"), at(150, 2550, 1515, 255), caption);
    auto *Label4 = label(this, "Label4", QStringLiteral("Minimum Wrap Angle"), at(450, 3900, 1545, 255), caption);
    txtWrapMin = textBox(this, "txtWrapMin", QString(), at(2025, 3825, 615, 315),
                         entry.named(QStringLiteral("minimum wrap angle")));
    auto *lblMinRes = label(this, "lblMinRes", QStringLiteral("Resultant Load"), at(375, 4200, 1155, 255), caption);
    lblResMin = label(this, "lblResMin", QString(), at(1575, 4200, 1095, 255), value);
    auto *Label15 = label(this, "Label15", QStringLiteral("At Min. Wrap Angle"), at(375, 4500, 1635, 255), caption);
    auto *Label1 = label(this, "Label1", QStringLiteral("Wire Load"), at(2850, 4500, 735, 255), caption);
    lblWireMin = label(this, "lblWireMin", QString(), at(3675, 4500, 855, 315), value);
    auto *lblWireLoad2 = label(this, "lblWireLoad2", QStringLiteral("Wire Load"), at(3375, 5025, 735, 255), caption);
    lblWireMax = label(this, "lblWireMax", QString(), at(4200, 4950, 855, 315), value);
    lblResAvg = label(this, "lblResAvg", QString(), at(225, 5310, 4995, 240), resultLine);
    lblPercentLoad = label(this, "lblPercentLoad", QString(), at(225, 5625, 4995, 240), resultLine);
    lblAvgWrapAng = label(this, "lblAvgWrapAng", QString(), at(225, 5940, 4995, 240), resultLine);
    lblOpError = label(this, "lblOpError", QString(), at(225, 6255, 4995, 240), resultLine);
    cmdCompute =
        button(this, "cmdCompute", QStringLiteral("Calculate"), at(5805, 6075, 1395, 435), sans(12), colour::silver);

    // Required entries carry "E", result controls "V"; the captions and value
    // boxes of the results start hidden, the four result lines start empty.
    tagged(txtWrapMin, requiredTag);
    tagged(txtWrapMax, requiredTag);
    for (QLabel *w :
         {lblMaxRes, lblResMax, Label14, lblMinRes, lblResMin, Label15, Label1, lblWireMin, lblWireLoad2, lblWireMax})
        hidden(tagged(w, resultTag));
    for (QLabel *w : {lblResAvg, lblPercentLoad, lblAvgWrapAng, lblOpError})
        tagged(w, resultTag);

    m_controls = {cmdCompute,    txtWrapMin,     txtWrapMax,  txtWire,    Label1,     lblOpError,
                  lblAvgWrapAng, lblPercentLoad, lblResAvg,   lblWireMax, lblWireMin, lblResMin,
                  lblResMax,     Label15,        Label14,     lblMinRes,  lblMaxRes,  lblWireLoad2,
                  Label4,        lblMaxWrap,     lblWireLoad, Image1};

    connect(txtWire, &QLineEdit::textChanged, this, &frmDeflect::txtWire_Change);
    connect(txtWrapMax, &QLineEdit::textChanged, this, &frmDeflect::txtWrapMax_Change);
    connect(txtWrapMin, &QLineEdit::textChanged, this, &frmDeflect::txtWrapMin_Change);
    connect(cmdCompute, &QPushButton::clicked, this, &frmDeflect::cmdCompute_Click);

    tabOrder({txtWire, txtWrapMax, txtWrapMin, cmdCompute});
    offerCopyResults(this, [this] { return summary(); });
    offerSaveAsPdf(this, [this] { return summary(); });
    txtWire->setFocus();
}

void frmDeflect::Form_Load()
{
    place(this, {.outer = {7800, 7200}});
}

QString frmDeflect::summary() const
{
    Summary s(windowTitle());
    s.field(caption(this, "lblWireLoad"), txtWire->text());
    s.field(caption(this, "lblMaxWrap"), txtWrapMax->text());
    s.field(caption(this, "Label4"), txtWrapMin->text());
    // Results count while the window shows them: an edit hides them, an error may leave them empty.
    if (!lblResMax->isVisibleTo(this) || wholeText(lblResMax).isEmpty())
        return s.noResultYet().text();
    s.field(caption(this, "lblMaxRes") + QLatin1Char(' ') + caption(this, "Label14"), wholeText(lblResMax));
    s.field(caption(this, "lblMinRes") + QLatin1Char(' ') + caption(this, "Label15"), wholeText(lblResMin));
    for (const QLabel *result : {lblResAvg, lblPercentLoad, lblAvgWrapAng, lblOpError})
        s.line(wholeText(result));
    return s.text();
}

QString frmDeflect::tagOf(const QWidget *w)
{
    return w->property("tag").toString();
}

void frmDeflect::showTagged(const QString &tag, bool visible)
{
    for (QWidget *w : std::as_const(m_controls))
        if (tagOf(w) == tag)
            w->setVisible(visible);
}

void frmDeflect::cmdCompute_Click()
{
    ErrorTraps::trapped([this] {
        for (QWidget *w : std::as_const(m_controls)) {
            if (tagOf(w) == requiredTag && qobject_cast<QLineEdit *>(w)->text().isEmpty()) {
                showMessageBox({QStringLiteral("Complete All Required Fields"), QStringLiteral("Error")});
                return;
            }
        }

        showTagged(resultTag, true);

        WrapMax = readSingle(txtWrapMax);
        WrapMin = readSingle(txtWrapMin);
        WireLoad = readSingle(txtWire);

        showResult(lblWireMin, general(WireLoad));
        showResult(lblWireMax, general(WireLoad));

        if (WrapMin > WrapMax) {
            showMessageBox({QStringLiteral("Larger angle entered as Smaller"), QStringLiteral("Invalid Data"), true});
            std::swap(WrapMin, WrapMax);
            // Writing the exchanged angles back is not an edit: the results stay shown.
            const QSignalBlocker keepMax(txtWrapMax), keepMin(txtWrapMin);
            txtWrapMax->setText(general(WrapMax));
            txtWrapMin->setText(general(WrapMin));
        }

        if (WrapMin > 180 || WrapMax > 180) {
            showMessageBox(
                {QStringLiteral("Wrap angles too large, No resultant load"), QStringLiteral("Invalid Data"), true});
            // Emptying the boxes is an edit, which hides the results again.
            txtWrapMax->setText(QString());
            txtWrapMin->setText(QString());
            txtWrapMax->setFocus();
            return;
        }

        const WrapResults r = computeWrapResults(WireLoad, WrapMin, WrapMax);
        ResMin = r.ResMin;
        ResMax = r.ResMax;
        AvgWrap = r.AvgWrap;
        PercentLoad = r.PercentLoad;
        OpError = r.OpError;

        showResult(lblResMin, number1(ResMin));
        showResult(lblResMax, number1(ResMax));
        showResult(lblResAvg, QStringLiteral("Average Resultant Load = ") + number1(r.AvgRes));
        showResult(lblAvgWrapAng, QStringLiteral("Average Resultant Wrap Angle = ") + number1(AvgWrap));
        showResult(lblPercentLoad, QStringLiteral("Average Resultant as Proportion of Wire Load = ") +
                                       number1(PercentLoad) + QStringLiteral(" %"));
        showResult(lblOpError, QStringLiteral("Output Error Due to Wrap Angle variation = \u00b1 ") + number1(OpError) +
                                   QStringLiteral(" %"));
    });
}

void frmDeflect::txtWire_Change()
{
    clearResults();
}

void frmDeflect::txtWrapMax_Change()
{
    clearResults();
}

void frmDeflect::txtWrapMin_Change()
{
    clearResults();
}

void frmDeflect::clearResults()
{
    ErrorTraps::trapped([this] { showTagged(resultTag, false); });
}

} // namespace vorvan::ui
