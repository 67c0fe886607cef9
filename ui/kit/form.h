#pragma once

// The base of every calculator, help and About window.

#include "ui/kit/look.h"

#include <QWidget>

namespace vorvan::kit {

// A window of the program: its caption and client size, white unless told
// otherwise, in the windows' font, destroyed when the user closes it.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips, const QColor &background = colour::white);
    // The load step, run once when the window is created, before it is shown:
    // by default the window keeps its client size and centres itself.
    virtual void Form_Load();
};

} // namespace vorvan::kit
