#pragma once

// VorvanCalc in layers, each using only those below it:
//   calc/     the calculations and the number helpers, standard C++ only;
//   ui/kit/   the form kit: twips and placement, looks, control factories,
//             painted pictures and shapes, number texts in the user's locale;
//   ui/       one class per calculator and help window, built with the kit
//             over calc/;
//   app/      start-up (this header), the menu window frmMenu with the table
//             of the twelve windows it opens and their registry (app/windows.h),
//             the About window and the maker's details.
// One edge runs the other way, and only this one: the windows of ui/ report
// run-time errors through app/errortraps.h and ask for message boxes through
// app/hooks.h. Message boxes, the browser launch and program end go through
// those replaceable hooks, so the tests drive every window headless.

class QApplication;

namespace vorvan {

class frmMenu;

// Style, fonts and the program icon, shared by the program and its tests.
void installLook(QApplication &app);

// Builds and shows the menu window; the caller runs the event loop.
frmMenu *startProgram();

} // namespace vorvan
