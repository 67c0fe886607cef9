#pragma once

// VorvanCalc in layers. Each is a library declared in its folder's
// CMakeLists.txt and uses only the layers it names here; a layer's headers are
// visible only to the targets that link it, so an include that runs upward
// (calc/ including Qt, the kit including a window, a window including the menu)
// fails to build.
//   vorvancalc_calc     calc/     the calculations and the number helpers,
//                                 standard C++ only. Uses nothing.
//   vorvancalc_platform platform/ what talks to the desktop: the window frame
//                                 (the X11 side only with VORVAN_X11), the
//                                 window system chosen at start-up, the title
//                                 bar's measure. Uses Qt alone.
//   vorvancalc_base     app/errortraps.*, app/hooks.*, app/maker.h: the
//                                 shell's base that the windows may call, the
//                                 run-time error reporter, the message-box,
//                                 save-dialog, browser and exit hooks, the
//                                 maker's details and the version. Uses calc
//                                 and the platform.
//   vorvancalc_kit      ui/kit/   the form kit: twips and placement, looks,
//                                 control factories, painted pictures and shapes,
//                                 number texts in the user's locale. Uses calc
//                                 and the platform.
//   vorvancalc_windows  ui/       one class per calculator and help window, with
//                                 the pictures and documents of assets/. Uses
//                                 the kit, the base and calc.
//   vorvancalc_app      app/      start-up (this header), the menu window frmMenu
//                                 with the table of the twelve windows it opens
//                                 and their registry (app/windows.h) and the
//                                 About window. Uses every layer above.
//   vorvancalc          app/main.cpp, the program. Uses the app layer.
// Message boxes, save dialogs, the browser launch and program end go through the base's
// replaceable hooks, so the tests drive every window headless.

class QApplication;

namespace vorvan {

class frmMenu;

// Style, fonts and the program icon, shared by the program and its tests.
void installLook(QApplication &app);

// Builds and shows the menu window; the caller runs the event loop.
frmMenu *startProgram();

} // namespace vorvan
