#pragma once

#include "calc/runtime.h"

#include <QString>

#include <utility>

namespace vorvan::ErrorTraps {

// The pending run-time error: one per program, number 0 when there is none.
struct PendingError
{
    int number = 0;
    std::string description;
};
PendingError &pendingError();
void raise(const RuntimeError &error);
void clearError();

// The message shown for an error number: the table's text, or the description.
QString messageFor(int number, const QString &description);
// "Error " followed by the number.
QString titleFor(int number);

// Shows the pending error in an application-modal box (text, title "Error N",
// one OK button, no icon) and clears it once the box is dismissed.
void ReportRuntimeError();

// The trap of a window procedure: runs its body; a run-time error raised
// anywhere in it is reported and ends the body at once, keeping what it had
// already written. Returns whether the body ran to its end.
template <class Body> bool trapped(Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const RuntimeError &error) {
        raise(error);
        ReportRuntimeError();
        return false;
    }
}

} // namespace vorvan::ErrorTraps
