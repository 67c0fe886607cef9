#pragma once

#include "ui/kit/form.h"

#include <string>

class QLabel;
class QScrollBar;

namespace vorvan::kit {
struct Shape;
class ShapeLayer;
} // namespace vorvan::kit

namespace vorvan::ui {

// The X and Y bridge outputs of a two-axis pin as the load turns through a full
// circle, with the load direction drawn beside the pin's cross-section.
class frmXYsim : public kit::Form
{
    Q_OBJECT
public:
    frmXYsim();
    void Form_Load() override;
    void hsbAngle_Change();
    void compute();
    void Loaddir();

    // The load angle and the signs of the outputs, as the last compute left them.
    float loadAngle() const { return LoadAngle; }
    const std::string &xSign() const { return XSign; }
    const std::string &ySign() const { return YSign; }

private:
    QString summary() const;

    // The window's values, as the last compute left them.
    float LoadAngle = 0;
    std::string XSign;
    std::string YSign;
    float YOutput = 0;
    float XOutput = 0;

    kit::ShapeLayer *shapes;
    kit::Shape *linLoad; // the load direction, moved by Loaddir
    QScrollBar *hsbAngle;
    QLabel *lblXoutput;
    QLabel *lblYoutput;
    QLabel *lblAngle;
};

} // namespace vorvan::ui
