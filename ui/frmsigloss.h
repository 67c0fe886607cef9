#pragma once

#include "ui/kit/form.h"

class QLabel;
class QLineEdit;

namespace vorvan::ui {

// Signal loss of a single-axis pin against the misalignment angle, recomputed
// on every change of the angle text.
class frmSigLoss : public kit::Form
{
    Q_OBJECT
public:
    frmSigLoss();
    void Form_Load() override;
    void txtLoadAngle_Change();

    // The last angle (radians) and loss (percent), kept between edits.
    double angle() const { return m_angle; }
    double loss() const { return m_loss; }

private:
    QString summary() const;

    QLineEdit *txtLoadAngle;
    QLabel *lblLoss;
    double m_angle = 0;
    double m_loss = 0;
};

} // namespace vorvan::ui
