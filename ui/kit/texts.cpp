#include "ui/kit/texts.h"

#include <QLocale>

namespace vorvan::kit {

NumberFormat numberFormat()
{
    const QLocale locale;
    NumberFormat f;
    f.decimalPoint = locale.decimalPoint().toStdString();
    f.groupSeparator = locale.groupSeparator().toStdString();
    f.minusSign = locale.negativeSign().toStdString();
    f.grouping = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    return f;
}

QString fixed(double value, int decimals)
{
    return text(fixedText(value, decimals, numberFormat()));
}

QString text(const std::string &calcText)
{
    return QString::fromStdString(calcText);
}

} // namespace vorvan::kit
