#include "ui/frmlinkweight.h"

#include "calc/weights.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vorvan::ui {

using namespace kit;

frmLinkWeight::frmLinkWeight() : WeightForm(QStringLiteral("Link Weight calculation"), 7455, 4770)
{
    setObjectName(QStringLiteral("frmLinkWeight"));
    new Picture(this, "Image1", QStringLiteral(":/pictures/linkweight.svg"), at(1800, 120, 5400, 3915));

    auto *Frame2 = frame(this, "Frame2", QStringLiteral("Dimensions"), at(120, 2460, 1335, 1575));
    auto *optmm = unitOption(Frame2, 0, at(180, 240, 855, 495));
    auto *optInches = unitOption(Frame2, 1, at(180, 900, 975, 495));
    auto *Frame1 = frame(this, "Frame1", QStringLiteral("Material"), at(120, 240, 1335, 2115));
    auto *optSteel = materialOption(Frame1, 0, at(120, 300, 1095, 375));
    auto *optAluminium = materialOption(Frame1, 1, at(120, 780, 1155, 615));
    auto *optTitanium = materialOption(Frame1, 2, at(120, 1560, 1155, 375));
    auto *txtLen = captionBox("txtLen", QStringLiteral("mm"), at(4680, 4200, 975, 285));
    auto *txtWd = captionBox("txtWd", QStringLiteral("mm"), at(2640, 3960, 975, 285));
    auto *txtHt = captionBox("txtHt", QStringLiteral("mm"), at(2040, 2520, 975, 285));
    txtMat = captionBox("txtMat", QStringLiteral("Steel"), at(4320, 2940, 1575, 375), QStringLiteral("link material"));
    txtHeight = inputBox("txtHeight", at(2040, 2160, 975, 375), QStringLiteral("height"));
    txtWidth = inputBox("txtWidth", at(2640, 3600, 975, 375), QStringLiteral("width"));
    txtLength = inputBox("txtLength", at(4680, 3840, 975, 375), QStringLiteral("length"));
    kgCaption(at(5520, 480, 375, 375), Qt::AlignHCenter);
    weightBox(at(4200, 360, 1290, 525));
    // A unit change rewrites the captions in this order: height, length, width.
    unitCaptions = {txtHt, txtLen, txtWd};

    QSignalBlocker b1(optSteel), b2(optmm);
    optSteel->setChecked(true);
    optmm->setChecked(true);

    tabOrder({txtHeight, txtWidth, txtLength, txtWeight, Text1, txtMat, txtHt, txtWd, txtLen, optSteel, optAluminium,
              optTitanium, optmm, optInches});
    setInputs({{txtHeight, txtHt}, {txtWidth, txtWd}, {txtLength, txtLen}});
    offerCopyResults();
    txtHeight->setFocus();
}

void frmLinkWeight::calculate()
{
    writeWeight([this] {
        return linkWeight(txtLength->text().toStdString(), txtWidth->text().toStdString(),
                          txtHeight->text().toStdString(), unitFactor(), materialFactor());
    });
}

} // namespace vorvan::ui
