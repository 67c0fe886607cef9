#pragma once

#include "ui/kit/form.h"

#include <QList>

#include <array>
#include <functional>

class QGroupBox;
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

    // The option buttons, in the order of the material and unit tables of calc/weights.h.
    struct OptionButton
    {
        const char *name;
        const char *caption;
    };
    static constexpr std::array<OptionButton, 3> materialOptions{
        {{"optSteel", "Steel"}, {"optAluminium", "Aluminium"}, {"optTitanium", "Titanium"}}};
    static constexpr std::array<OptionButton, 2> unitOptions{{{"optmm", "mm"}, {"optInches", "inches"}}};

protected:
    // Creates the option of material or unit `index` in `frame`.
    QRadioButton *materialOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QRadioButton *unitOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QLineEdit *weightBox(const QRect &r);
    QLineEdit *kgCaption(const QRect &r, Qt::Alignment align);
    // Called once the controls exist: the window's Copy Results.
    void offerCopyResults();
    QLineEdit *captionBox(const char *name, const QString &text, const QRect &r, const QString &toolTip = {});
    QLineEdit *inputBox(const char *name, const QRect &r, const QString &toolTip);
    void writeWeight(const std::function<double()> &weight);

    // The inputs, each with the unit caption under it, in their tab order.
    void setInputs(const QList<QPair<QLineEdit *, QLineEdit *>> &inputs) { m_inputs = inputs; }

    QLineEdit *txtMat = nullptr;
    QLineEdit *txtWeight = nullptr;
    QLineEdit *Text1 = nullptr;
    // The unit captions in the order a unit change rewrites them.
    QList<QLineEdit *> unitCaptions;

private:
    QString summary() const;

    QList<QPair<QLineEdit *, QLineEdit *>> m_inputs;
    QList<QRadioButton *> m_materials;
    bool m_weighed = false; // "00.00" stays until the first calculation
};

} // namespace vorvan::ui
