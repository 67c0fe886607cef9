#pragma once

#include "ui/formkit.h"

#include <QPointer>

class QLineEdit;
class QRadioButton;

namespace vorvan::ui {

// What the pin and link weight windows share: the material and unit options,
// the two factors they set, and writing the weight. Each window lays out its
// own controls and supplies its own weight function.
class WeightForm : public kit::Form
{
    Q_OBJECT
public:
    using kit::Form::Form;
    void Form_Load() override;
    virtual void calculate() = 0;

    double unitFactor = 1;
    double materialFactor = 1;

protected:
    // Creates the option of material or unit `index` in `frame`.
    QRadioButton *materialOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QRadioButton *unitOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QLineEdit *weightBox(const QRect &r);
    QLineEdit *kgCaption(const QRect &r, Qt::Alignment align);
    QLineEdit *captionBox(const char *name, const QString &text, const QRect &r, const QString &toolTip = {});
    QLineEdit *inputBox(const char *name, const QRect &r, const QString &toolTip);
    void writeWeight(const std::function<double()> &weight);

    QLineEdit *txtMat = nullptr;
    QLineEdit *txtWeight = nullptr;
    // The unit captions in the order a unit change rewrites them.
    QList<QLineEdit *> unitCaptions;
};

} // namespace vorvan::ui
