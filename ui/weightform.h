#pragma once

#include "calc/weights.h"
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

    // The option buttons, each holding the entry of calc/weights.h it selects,
    // so that no order has to match another.
    template <class Entry> struct OptionButton
    {
        const char *name;
        const char *caption;
        const Entry &selects;
    };
    static constexpr std::array<OptionButton<Material>, 3> materialOptions{{{"optSteel", "Steel", steel},
                                                                            {"optAluminium", "Aluminium", aluminium},
                                                                            {"optTitanium", "Titanium", titanium}}};
    static constexpr std::array<OptionButton<Unit>, 2> unitOptions{
        {{"optmm", "mm", millimetres}, {"optInches", "inches", inches}}};

protected:
    // Creates option `index` of materialOptions or unitOptions in `frame`.
    QRadioButton *materialOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QRadioButton *unitOption(QGroupBox *frame, std::size_t index, const QRect &r);
    QLineEdit *weightBox(const QRect &r);
    QLineEdit *kgCaption(const QRect &r, Qt::Alignment align);
    // Called once the controls exist: the window's Copy Results and Save as PDF.
    void offerCopyResults();
    QLineEdit *captionBox(const char *name, const QString &text, const QRect &r, const QString &toolTip = {});
    QLineEdit *inputBox(const char *name, const QRect &r, const QString &toolTip);
    void writeWeight(const std::function<double()> &weight);
    // The factors of the selected unit and material.
    double unitFactor() const { return m_unitFactor; }
    double materialFactor() const { return m_materialFactor; }

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
    double m_unitFactor = 1;
    double m_materialFactor = 1;
    // What the weight box shows: "00.00" until the first calculation, then a
    // weight, or the word for a weight beyond the double range.
    enum class Weight { NotYet, Kilograms, Overflow };
    Weight m_weight = Weight::NotYet;
};

} // namespace vorvan::ui
