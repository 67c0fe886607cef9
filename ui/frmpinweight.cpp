#include "ui/frmpinweight.h"

#include "calc/weights.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vorvan::ui {

using namespace kit;

frmPinWeight::frmPinWeight() : WeightForm(QStringLiteral("Pin Weight calculation"), 7695, 5070)
{
    setObjectName(QStringLiteral("frmPinWeight"));
    // The picture lies beneath the boxes that label it.
    new Picture(this, "Image1", QStringLiteral(":/pictures/pinweight.svg"), at(1860, 360, 5400, 3915));

    txtMat = captionBox("txtMat", QStringLiteral("Steel"), at(4500, 2760, 1575, 375), QStringLiteral("pin material"));
    auto *txtLen = captionBox("txtLen", QStringLiteral("mm"), at(4620, 4440, 975, 285));
    auto *txtDia = captionBox("txtDia", QStringLiteral("mm"), at(1980, 3120, 975, 285));
    kgCaption(at(5580, 700, 375, 375), Qt::AlignLeft);
    weightBox(at(4380, 600, 1215, 525));
    unitCaptions = {txtDia, txtLen};

    auto *Frame2 = frame(this, "Frame2", QStringLiteral("Dimensions"), at(120, 2820, 1455, 1695));
    auto *optInches = unitOption(Frame2, 1, at(360, 1080, 795, 495));
    auto *optmm = unitOption(Frame2, 0, at(360, 360, 735, 495));
    auto *Frame1 = frame(this, "Frame1", QStringLiteral("Material"), at(120, 240, 1455, 2415));
    auto *optTitanium = materialOption(Frame1, 2, at(180, 1800, 1035, 375));
    auto *optAluminium = materialOption(Frame1, 1, at(180, 960, 1095, 615));
    auto *optSteel = materialOption(Frame1, 0, at(180, 360, 1095, 375));
    txtLength = inputBox("txtLength", at(4620, 4080, 975, 375), QStringLiteral("length"));
    txtDiameter = inputBox("txtDiameter", at(1980, 2760, 975, 375), QStringLiteral("diameter"));

    // Selected at start without running the selection events: no calculation at load.
    QSignalBlocker b1(optSteel), b2(optmm);
    optSteel->setChecked(true);
    optmm->setChecked(true);

    tabOrder({txtDiameter, txtLength, optSteel, optAluminium, optTitanium, optmm, optInches, txtWeight, Text1, txtDia,
              txtLen, txtMat});
    setInputs({{txtDiameter, txtDia}, {txtLength, txtLen}});
    offerCopyResults();
    txtDiameter->setFocus();
}

void frmPinWeight::calculate()
{
    writeWeight([this] {
        return pinWeight(txtDiameter->text().toStdString(), txtLength->text().toStdString(), unitFactor(),
                         materialFactor());
    });
}

} // namespace vorvan::ui
