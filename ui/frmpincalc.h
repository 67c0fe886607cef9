#pragma once

#include "ui/kit/form.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace vorvan::kit {
class Picture;
class ProgressBar;
struct Shape;
class ShapeLayer;
} // namespace vorvan::kit

namespace vorvan::ui {

// Load pin design: a rated load and a pin diameter give the range of outputs
// such a pin can be designed for; the output slider trades output against
// safety factor. Every change and every drag step of a slider re-evaluates.
class frmPinCalc : public kit::Form
{
    Q_OBJECT
public:
    frmPinCalc();
    void Form_Load() override;

    void hsbLoad_Change();
    void hsbDiameter_Change();
    void hsbOutput_Change();
    void compute();

    // Whether compute has run since the window was built: until then the
    // result boxes are empty and Copy Results says there is no result yet.
    bool evaluated() const { return m_evaluated; }

Q_SIGNALS:
    // At the end of every run of compute, one that starts over for a moved
    // output included, so that one slider step's evaluations can be counted.
    void computed();

private:
    void recentreOutput();
    void setShapeFill(kit::Shape &shape, const QColor &fill);
    QString summary() const;

    // Centre of the output range of the last evaluation, in tenths of a mV/V.
    float outputMid = 0;
    bool m_evaluated = false;

    QScrollBar *hsbLoad;
    QScrollBar *hsbDiameter;
    QScrollBar *hsbOutput;
    QLineEdit *txtLoad;
    QLineEdit *txtDiameter;
    QLineEdit *txtOPMin;
    QLineEdit *txtOPMax;
    QLineEdit *txtOP;
    QLineEdit *txtLoadMax;
    QLineEdit *txtSFlevel;
    QLabel *lblInfo;
    QLabel *lblAlarm;
    QLabel *lblBreak;
    kit::Picture *imgPinBk;
    kit::Picture *imgPin;
    kit::ProgressBar *pgBar;
    kit::ShapeLayer *shapes;
    kit::Shape *Shape1; // the thermometer's bulb
    kit::Shape *Shape2; // the top of its tube
};

} // namespace vorvan::ui
