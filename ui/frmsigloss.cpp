#include "ui/frmsigloss.h"

#include "app/errortraps.h"
#include "calc/sigloss.h"
#include "ui/calcsheet.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"
#include "ui/kit/resultbox.h"
#include "ui/kit/summary.h"
#include "ui/kit/texts.h"

#include <QLabel>
#include <QLineEdit>

namespace vorvan::ui {

using namespace kit;

frmSigLoss::frmSigLoss() : Form(QStringLiteral("Load Mis-Alignment Calculator"), 5180, 5390)
{
    setObjectName(QStringLiteral("frmSigLoss"));
    // The drawing lies beneath the captions, the angle box and the result that stand on it.
    new Picture(this, "Image1", QStringLiteral(":/pictures/offaxis.svg"), at(600, 375, 2385, 4890));

    label(this, "Label1", QStringLiteral("Normal Load Alignment"), at(1125, 60, 1035, 435),
          {.bg = colour::white, .align = Qt::AlignHCenter, .wrap = true});
    label(this, "Label2", QStringLiteral("Load Mis-Alignment"), at(2850, 240, 975, 435),
          {.bg = colour::white, .align = Qt::AlignHCenter, .wrap = true});
    txtLoadAngle = textBox(this, "txtLoadAngle", QString(), at(1950, 690, 615, 345),
                           {.bg = colour::yellow,
                            .font = sans(8.25, true),
                            .align = Qt::AlignHCenter,
                            .border = true,
                            .accessibleName = QStringLiteral("misalignment angle in degrees")});
    // The degree sign: a small raised o, kept clear of the box, which the
    // label's left edge overlaps by a pixel.
    auto *Label6 = label(this, "Label6", QStringLiteral("o"), at(2550, 630, 255, 195),
                         {.font = sans(6), .align = Qt::AlignLeft | Qt::AlignBottom});
    Label6->setIndent(4);
    label(this, "Label3", QStringLiteral("Enter Angle In Degrees"), at(2925, 1425, 1755, 255),
          {.fg = colour::green, .align = Qt::AlignRight});
    label(this, "Label4", QStringLiteral("(Max 90)"), at(4050, 1725, 675, 255),
          {.fg = colour::green, .align = Qt::AlignRight});
    lblLoss = label(this, "lblLoss", QString(), at(2100, 4500, 2835, 315),
                    {.fg = colour::darkBlue, .bg = colour::white, .font = sans(8.25, true), .align = Qt::AlignHCenter});

    // Every change of the text, the program's own rewrite included.
    connect(txtLoadAngle, &QLineEdit::textChanged, this, [this] { txtLoadAngle_Change(); });
    offerCopyResults(this, [this] { return summary(); });
    offerSaveAsPdf(this, [this] { return summary(); });
    txtLoadAngle->setFocus();
}

void frmSigLoss::Form_Load()
{
    place(this, {.outer = {5300, 5800}});
}

QString frmSigLoss::summary() const
{
    Summary s(windowTitle());
    s.field(txtLoadAngle->accessibleName(), txtLoadAngle->text(), QStringLiteral("degrees"));
    const QString loss = wholeText(lblLoss);
    return (loss.isEmpty() ? s.noResultYet() : s.line(loss)).text();
}

void frmSigLoss::txtLoadAngle_Change()
{
    ErrorTraps::trapped([this] {
        const SignalLoss r = computeSignalLoss(txtLoadAngle->text().toStdString(), numberFormat());
        if (r.limited) {
            // The rewrite is an edit of its own: this handler runs again, nested,
            // for "90" and sets the line; this run then finishes at the limit.
            txtLoadAngle->setText(QLatin1String(sigloss::limitText));
        }
        m_angle = r.angle;
        m_loss = r.loss;
        showResult(lblLoss, text(r.caption));
    });
}

} // namespace vorvan::ui
