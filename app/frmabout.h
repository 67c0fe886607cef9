#pragma once

#include "ui/kit/form.h"

class QLabel;
class QPushButton;

namespace vorvan {

// The maker's logo, the program's version and the maker's notice; one button closes it.
class frmAbout : public kit::Form
{
    Q_OBJECT
public:
    frmAbout();
    void Form_Load() override;
    void cmdReturn_Click();

private:
    QLabel *Label2;
};

} // namespace vorvan
