#pragma once

// The application shell. main() only calls startProgram(); the menu window
// frmMenu is the one navigation point and owns the window registry: one
// QPointer per window class, empty at start, filled on first opening, emptied
// when the user closes that window (every window deletes itself on close).
// The windows themselves live in ui/, one class each, built with the form kit
// (ui/formkit.h) over the pure calculations of calc/. Message boxes, the
// browser launch and program end go through the replaceable hooks of
// app/hooks.h, so the tests drive every window headless.

#include <QPointer>
#include <QWidget>

class QApplication;

namespace vorvan {

// Style, fonts and the program icon, shared by the program and its tests.
void installLook(QApplication &app);

// Builds and shows the menu window; the caller runs the event loop.
QWidget *startProgram();

// Opens every window the menu can open, as its entries do; returns how many.
int openEveryWindow(QWidget *menu);

// Opening a window from the menu: create it on first use (its load step runs
// then), otherwise bring the open one to the front unchanged.
template <class W> W *openWindow(QPointer<W> &ref)
{
    if (!ref) {
        ref = new W();
        ref->Form_Load();
    }
    if (ref->isMinimized())
        ref->setWindowState(ref->windowState() & ~Qt::WindowMinimized);
    ref->show();
    ref->raise();
    ref->activateWindow();
    return ref;
}

} // namespace vorvan
