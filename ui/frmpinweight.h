#pragma once

#include "ui/weightform.h"

namespace vorvan::ui {

// Weight of a solid round pin from its diameter and length; recomputes on every edit.
class frmPinWeight : public WeightForm
{
    Q_OBJECT
public:
    frmPinWeight();
    void calculate() override;

private:
    QLineEdit *txtDiameter;
    QLineEdit *txtLength;
};

} // namespace vorvan::ui
