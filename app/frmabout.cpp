#include "app/frmabout.h"

#include "app/maker.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"
#include "ui/kit/texts.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

namespace vorvan {

using namespace kit;

frmAbout::frmAbout() : Form(QStringLiteral("About VorvanCalc"), 4245, 3210)
{
    setObjectName(QStringLiteral("frmAbout"));
    const Look text{.bg = colour::white};

    new Picture(this, "Image1", QStringLiteral(":/pictures/logo.svg"), at(240, 120, 3720, 900));
    auto *Label3 =
        label(this, "Label3",
              QStringLiteral("\u00a9 %1\n%2").arg(QLatin1String(maker::noticeYear), QLatin1String(maker::company)),
              at(240, 1200, 1935, 735), {.bg = colour::white, .wrap = true});
    Label2 = label(this, "Label2", QString(), at(2640, 1560, 1215, 255), text);
    auto *shapes = new ShapeLayer(this);
    shapes->add(line("Line1", 0, 2040, 4080, 2040, colour::black));
    // Plain text: the address here is not a link.
    auto *Label4 = label(this, "Label4", QLatin1String(maker::webAddress), at(240, 2400, 1935, 375), text);
    auto *cmdReturn = button(this, "cmdReturn", QStringLiteral("&Close"), at(2880, 2400, 1095, 375));
    cmdReturn->setAutoDefault(true); // Enter presses it while it has the focus
    connect(cmdReturn, &QPushButton::clicked, this, &frmAbout::cmdReturn_Click);

    // The labels take no focus, so the button holds it.
    tabOrder({Label2, cmdReturn, Label4, Label3});
    cmdReturn->setFocus();
}

void frmAbout::Form_Load()
{
    place(this);
    Label2->setText(QStringLiteral("Version ") + text(integerText(VORVAN_VERSION_MAJOR)) + QLatin1Char('.') +
                    text(integerText(VORVAN_VERSION_MINOR)));
}

void frmAbout::cmdReturn_Click()
{
    close();
}

} // namespace vorvan
