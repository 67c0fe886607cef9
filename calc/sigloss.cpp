#include "calc/sigloss.h"

#include <cmath>

namespace vorvan {

SignalLoss computeSignalLoss(std::string_view text, const NumberFormat &format)
{
    SignalLoss r{};
    r.angle = readLeadingNumber(text) * (sigloss::pi / 180);
    if (r.angle > sigloss::angleLimit) {
        r.angle = sigloss::angleLimit;
        r.limited = true;
    }
    r.loss = sigloss::fullScale - std::cos(r.angle) * sigloss::fullScale;
    r.caption = "Signal Loss = " + fixedText(r.loss, 2, format) + " %";
    return r;
}

} // namespace vorvan
