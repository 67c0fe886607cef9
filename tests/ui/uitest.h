#pragma once

// The fixture every window test shares: a headless application with the
// program's look, the English (US) locale pinned, and the program's hooks
// replaced by recorders (recorder.h).

#include "recorder.h"
#include "ui/kit/geometry.h"
#include "ui/kit/look.h"
#include "ui/kit/painted.h"
#include "ui/kit/texts.h"

#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QWidget>

namespace uitest {

// Sets up the application; called by VORVAN_UI_TEST_MAIN.
void setUp();

// Every top-level window of the given class that is visible.
QList<QWidget *> topLevels(const QString &objectName);
QWidget *topLevel(const QString &objectName);

// Types text into a box as a user does: focus, select all, then key by key.
void retype(QLineEdit *box, const QString &text);

// The folder under the build tree that the tests write their pictures to, created.
QString screensDir();
// The window as it is drawn, also written to a PNG in screensDir(), for looking at.
QImage grab(QWidget *w, const QString &fileName);
// How many pixels of exactly `colour` a picture of `control`'s window shows inside `control`.
int pixelsOf(const QImage &shot, const QWidget *control, const QColor &colour);

// A control's colours as the windows set them: a text box's base and text, any
// other control's window and window text.
QColor background(const QWidget *w);
QColor foreground(const QWidget *w);
// A point given in twips, in pixels.
QPoint point(double leftTwips, double topTwips);
// A rectangle as a failure message shows it: "x,y wxh".
QString rectText(const QRect &r);

} // namespace uitest

// Finds a named child of the expected type or fails the test.
#define CHILD(Type, parent, name)                                                                                      \
    ([&]() {                                                                                                           \
        auto *found_ = (parent)->findChild<Type *>(QString::fromLatin1(name));                                         \
        if (!found_)                                                                                                   \
            qFatal("no %s named %s", #Type, name);                                                                     \
        return found_;                                                                                                 \
    }())

#define VORVAN_UI_TEST_MAIN(TestClass) VORVAN_TEST_MAIN(TestClass, uitest::setUp)
