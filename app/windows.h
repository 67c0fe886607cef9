#pragma once

// The twelve windows the menu opens, in the order of its menu entries: the
// one list the menu, the tests and the benchmark all use.

#include <QPointer>

#include <array>

namespace vorvan {

namespace kit {
class Form;
}
class frmMenu;

struct WindowEntry
{
    const char *name;      // the window's object name
    const char *menuEntry; // the menu entry that opens it
    const char *button;    // the menu window's button that opens it too, or nullptr
    kit::Form *(*create)();
};

const std::array<WindowEntry, 12> &windowTable();
// The entry of the window of that object name; there must be one.
const WindowEntry &windowEntry(const char *name);

// Opening a window as the menu does: create it on first use (its load step
// runs then), otherwise bring the open one to the front unchanged. `ref` is
// the registry's one reference for the window's class.
kit::Form *openWindow(QPointer<kit::Form> &ref, const WindowEntry &entry);

// Opens every window through the menu's entries; returns how many.
int openEveryWindow(frmMenu *menu);

} // namespace vorvan
