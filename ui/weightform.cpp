#include "ui/weightform.h"

#include "calc/weights.h"
#include "ui/calcsheet.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/resultbox.h"
#include "ui/kit/summary.h"
#include "ui/kit/texts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vorvan::ui {

using namespace kit;

void WeightForm::Form_Load()
{
    place(this);
    m_unitFactor = 1;
    m_materialFactor = 1;
}

QRadioButton *WeightForm::materialOption(QGroupBox *frame, std::size_t index, const QRect &r)
{
    const auto &choice = materialOptions[index];
    auto *o = option(frame, choice.name, QLatin1String(choice.caption), r);
    m_materials.append(o);
    connect(o, &QRadioButton::toggled, this, [this, &material = choice.selects](bool on) {
        if (!on)
            return;
        m_materialFactor = material.factor;
        txtMat->setText(QLatin1String(material.name));
        calculate();
    });
    return o;
}

QRadioButton *WeightForm::unitOption(QGroupBox *frame, std::size_t index, const QRect &r)
{
    const auto &choice = unitOptions[index];
    auto *o = option(frame, choice.name, QLatin1String(choice.caption), r);
    connect(o, &QRadioButton::toggled, this, [this, &unit = choice.selects](bool on) {
        if (!on)
            return;
        for (QLineEdit *caption : std::as_const(unitCaptions))
            caption->setText(QLatin1String(unit.name));
        m_unitFactor = unit.factor;
        calculate();
    });
    return o;
}

QLineEdit *WeightForm::weightBox(const QRect &r)
{
    txtWeight = textBox(this, "txtWeight", QStringLiteral("00.00"), r,
                        {.fg = colour::red,
                         .bg = colour::black,
                         .font = sans(13.5, true),
                         .align = Qt::AlignHCenter,
                         .toolTip = QStringLiteral("weight in Kg")});
    return txtWeight;
}

QLineEdit *WeightForm::kgCaption(const QRect &r, Qt::Alignment align)
{
    Text1 = textBox(this, "Text1", QStringLiteral("Kg"), r,
                    {.font = sans(9.75, true), .align = align, .accessibleName = QStringLiteral("Kg")});
    return Text1;
}

void WeightForm::offerCopyResults()
{
    kit::offerCopyResults(this, [this] { return summary(); });
    offerSaveAsPdf(this, [this] { return summary(); });
}

QString WeightForm::summary() const
{
    Summary s(windowTitle());
    for (const auto &[input, unit] : m_inputs)
        s.field(input->accessibleName(), input->text(), unit->text());
    for (const QRadioButton *m : m_materials)
        if (m->isChecked())
            s.field(qobject_cast<const QGroupBox *>(m->parentWidget())->title(), m->text());
    switch (m_weight) {
    case Weight::NotYet:
        s.noResultYet();
        break;
    case Weight::Kilograms:
        s.field(txtWeight->accessibleName(), wholeText(txtWeight), Text1->text());
        break;
    case Weight::Overflow:
        s.field(txtWeight->accessibleName(), wholeText(txtWeight));
        break;
    }
    return s.text();
}

QLineEdit *WeightForm::captionBox(const char *name, const QString &text, const QRect &r, const QString &toolTip)
{
    return textBox(this, name, text, r,
                   {.align = Qt::AlignHCenter,
                    .toolTip = toolTip,
                    .accessibleName = toolTip.isEmpty() ? QStringLiteral("unit") : QString()});
}

QLineEdit *WeightForm::inputBox(const char *name, const QRect &r, const QString &toolTip)
{
    auto *t = textBox(this, name, QString(), r,
                      {.bg = colour::yellow,
                       .font = sans(9.75, true),
                       .align = Qt::AlignHCenter,
                       .border = true,
                       .toolTip = toolTip});
    connect(t, &QLineEdit::textChanged, this, [this] { calculate(); });
    onClick(t, [this] { calculate(); });
    return t;
}

void WeightForm::writeWeight(const std::function<double()> &weight)
{
    try {
        showResult(txtWeight, fixed(weight(), 2));
        m_weight = Weight::Kilograms;
    } catch (const RuntimeError &) {
        // Beyond the double range there is no weight to show; say so rather than keep a stale one.
        showResult(txtWeight, QStringLiteral("Overflow"));
        m_weight = Weight::Overflow;
    }
}

} // namespace vorvan::ui
