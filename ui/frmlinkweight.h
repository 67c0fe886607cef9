#pragma once

#include "ui/weightform.h"

namespace vorvan::ui {

// Weight of a flat plate link (a solid block) from length, width and height.
class frmLinkWeight : public WeightForm
{
    Q_OBJECT
public:
    frmLinkWeight();
    void calculate() override;

private:
    QLineEdit *txtHeight;
    QLineEdit *txtWidth;
    QLineEdit *txtLength;
};

} // namespace vorvan::ui
