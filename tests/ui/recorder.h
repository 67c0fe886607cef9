#pragma once

// The part of the window tests' fixture that needs only the shell's base: the
// program's hooks replaced by recorders, so that no test can block on a modal
// box or dialog, start a browser or end the process, and a watchdog that closes any real
// modal window that still appears (the test then fails in noStrayDialogs()).

#include "app/hooks.h"

#include <QList>
#include <QTest>

namespace uitest {

struct Recorder
{
    QList<vorvan::MessageRequest> messages;
    QList<vorvan::SaveFileRequest> saveDialogs;
    QString saveAs; // what a save dialog answers; empty: Cancel
    QList<QUrl> urls;
    QList<int> exits;
    bool launchSucceeds = true;
    int strayDialogs = 0;
    // Runs inside a recorded message box, while it would be showing.
    std::function<void(const vorvan::MessageRequest &)> whileShowing;
    void clear();
};

Recorder &recorder();

// Replaces the hooks by the recorder and starts the watchdog.
void recordHooks();

bool noStrayDialogs();

// Deletes every window a test left open, so that nothing outlives the application.
void deleteLeftWindows();

} // namespace uitest

// A test program's main(): `setUp` prepares the application before the tests run.
#define VORVAN_TEST_MAIN(TestClass, setUp)                                                                             \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        setUp();                                                                                                       \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        const int failures = QTest::qExec(&tc, argc, argv);                                                            \
        uitest::deleteLeftWindows();                                                                                   \
        return failures;                                                                                               \
    }
