#include "ui/weightform.h"

#include "calc/weights.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vorvan::ui {

using namespace kit;

void WeightForm::Form_Load()
{
    centreOnScreen(this);
    unitFactor = 1;
    materialFactor = 1;
}

QRadioButton *WeightForm::materialOption(QGroupBox *frame, std::size_t index, const QRect &r)
{
    const Material &m = materials[index];
    auto *o = option(frame, m.option, QLatin1String(m.caption), r);
    connect(o, &QRadioButton::toggled, this, [this, index](bool on) {
        if (!on)
            return;
        materialFactor = materials[index].factor;
        txtMat->setText(QLatin1String(materials[index].captionText));
        calculate();
    });
    return o;
}

QRadioButton *WeightForm::unitOption(QGroupBox *frame, std::size_t index, const QRect &r)
{
    const Unit &u = units[index];
    auto *o = option(frame, u.option, QLatin1String(u.caption), r);
    connect(o, &QRadioButton::toggled, this, [this, index](bool on) {
        if (!on)
            return;
        for (QLineEdit *caption : unitCaptions)
            caption->setText(QLatin1String(units[index].captionText));
        unitFactor = units[index].factor;
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
                         .border = false,
                         .toolTip = QStringLiteral("weight in Kg")});
    return txtWeight;
}

QLineEdit *WeightForm::kgCaption(const QRect &r, Qt::Alignment align)
{
    auto *t =
        textBox(this, "Text1", QStringLiteral("Kg"), r, {.font = sans(9.75, true), .align = align, .border = false});
    t->setAccessibleName(QStringLiteral("Kg"));
    return t;
}

QLineEdit *WeightForm::captionBox(const char *name, const QString &text, const QRect &r, const QString &toolTip)
{
    auto *t = textBox(this, name, text, r, {.align = Qt::AlignHCenter, .border = false, .toolTip = toolTip});
    if (toolTip.isEmpty())
        t->setAccessibleName(QStringLiteral("unit"));
    return t;
}

QLineEdit *WeightForm::inputBox(const char *name, const QRect &r, const QString &toolTip)
{
    auto *t = textBox(this, name, QString(), r,
                      {.bg = colour::yellow, .font = sans(9.75, true), .align = Qt::AlignHCenter, .toolTip = toolTip});
    connect(t, &QLineEdit::textChanged, this, [this] { calculate(); });
    onClick(t, [this] { calculate(); });
    return t;
}

void WeightForm::writeWeight(const std::function<double()> &weight)
{
    try {
        txtWeight->setText(fixed(weight(), 2));
    } catch (const RuntimeError &) {
        // Beyond the double range there is no weight to show; say so rather than keep a stale one.
        txtWeight->setText(QStringLiteral("Overflow"));
    }
}

} // namespace vorvan::ui
