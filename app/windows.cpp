#include "app/windows.h"

#include "app/frmabout.h"
#include "app/frmmenu.h"
#include "ui/frmdeflect.h"
#include "ui/frminfo.h"
#include "ui/frmlinkweight.h"
#include "ui/frmpincalc.h"
#include "ui/frmpinweight.h"
#include "ui/frmsigloss.h"
#include "ui/frmxysim.h"

#include <QAction>

#include <algorithm>
#include <string_view>

namespace vorvan {

namespace {
template <class W> kit::Form *make()
{
    return new W();
}
} // namespace

const std::array<WindowEntry, 12> &windowTable()
{
    static const std::array<WindowEntry, 12> table{{
        {"frmPinWeight", "mnuPinWeight", "cmdPinWeight", make<ui::frmPinWeight>},
        {"frmLinkWeight", "mnuLinkWeight", "cmdLinkWeight", make<ui::frmLinkWeight>},
        {"frmPinCalc", "mnuPinCalc", "cmdPin", make<ui::frmPinCalc>},
        {"frmDeflect", "mnuDeflect", "cmdDeflect", make<ui::frmDeflect>},
        {"frmSigLoss", "mnuSigLoss", "cmdSignalLoss", make<ui::frmSigLoss>},
        {"frmXYsim", "mnuXYsim", "cmdXYsim", make<ui::frmXYsim>},
        {"frmAbout", "mnuAbout", nullptr, make<frmAbout>},
        {"frmInfoWeight", "mnuWeight", nullptr, make<ui::frmInfoWeight>},
        {"frmInfoPin", "mnuPin", nullptr, make<ui::frmInfoPin>},
        {"frmInfoWrap", "mnuWrap", nullptr, make<ui::frmInfoWrap>},
        {"frmInfoOffax", "mnuOffAx", nullptr, make<ui::frmInfoOffax>},
        {"frmInfoXYsim", "mnuXYsim2", nullptr, make<ui::frmInfoXYsim>},
    }};
    return table;
}

const WindowEntry &windowEntry(const char *name)
{
    const auto &table = windowTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const WindowEntry &e) { return std::string_view(e.name) == name; });
    Q_ASSERT(found != table.end());
    return *found;
}

kit::Form *openWindow(QPointer<kit::Form> &ref, const WindowEntry &entry)
{
    if (!ref) {
        ref = entry.create();
        ref->Form_Load();
    }
    if (ref->isMinimized())
        ref->setWindowState(ref->windowState() & ~Qt::WindowMinimized);
    ref->show();
    ref->raise();
    ref->activateWindow();
    return ref;
}

int openEveryWindow(frmMenu *menu)
{
    int opened = 0;
    for (const WindowEntry &entry : windowTable()) {
        menu->findChild<QAction *>(QLatin1String(entry.menuEntry))->trigger();
        ++opened;
    }
    return opened;
}

} // namespace vorvan
