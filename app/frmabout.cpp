#include "app/frmabout.h"

#include "app/frmmenu.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

namespace vorvan {

using namespace kit;

frmAbout::frmAbout() : Form(QStringLiteral("About VorvanCalc"), 4245, 3210)
{
    setObjectName(QStringLiteral("frmAbout"));
    const Look text{.bg = colour::white, .border = false};

    new Picture(this, "Image1", QStringLiteral(":/pictures/logo.svg"), at(240, 120, 3720, 900));
    auto *Label3 =
        label(this, "Label3",
              QStringLiteral("\u00a9 %1\n%2").arg(QLatin1String(maker::noticeYear), QLatin1String(maker::company)),
              at(240, 1200, 1935, 735), Look{.bg = colour::white, .border = false, .wrap = true});
    Label2 = label(this, "Label2", QString(), at(2640, 1560, 1215, 255), text);
    auto *shapes = new ShapeLayer(this);
    shapes->add({.kind = Shape::Kind::Line,
                 .name = QStringLiteral("Line1"),
                 .a = {0, 2040},
                 .b = {4080, 2040},
                 .colour = colour::black});
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
    centreOnScreen(this);
    Label2->setText(QStringLiteral("Version ") + text(integerText(VORVAN_VERSION_MAJOR)) + QLatin1Char('.') +
                    text(integerText(VORVAN_VERSION_MINOR)));
}

void frmAbout::cmdReturn_Click()
{
    close();
}

} // namespace vorvan
