#include "ui/kit/form.h"

#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"

namespace vorvan::kit {

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(defaultFont());
    setColours(this, std::nullopt, background);
    resize(px(clientWidthTwips), px(clientHeightTwips));
}

void Form::Form_Load()
{
    place(this);
}

} // namespace vorvan::kit
