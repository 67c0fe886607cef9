#include "app/errortraps.h"

#include "app/hooks.h"

namespace vorvan::ErrorTraps {

PendingError &pendingError()
{
    static PendingError pending;
    return pending;
}

void raise(const RuntimeError &error)
{
    pendingError() = {error.number(), error.description()};
}

void clearError()
{
    pendingError() = {};
}

QString messageFor(int number, const QString &description)
{
    // Three messages are kept as the pieces they were written in, joined here.
    switch (number) {
    case 52:
        return QStringLiteral("Invalid File Selection. Please Try Again");
    case 54:
        return QStringLiteral("Can't open your file for that ") + QStringLiteral("type of access.");
    case 55:
        return QStringLiteral("This file is already open.");
    case 57:
        return QStringLiteral("Internal disk error.");
    case 61:
        return QStringLiteral("Disk is full. Continue?");
    case 62:
        return QStringLiteral("This file has a nonstandard ") + QStringLiteral("end-of-file marker, ") +
               QStringLiteral("or an attempt was made ") + QStringLiteral("to read beyond ") +
               QStringLiteral("the end-of-file marker.");
    case 64:
        return QStringLiteral("The filename is illegal.");
    case 68:
        return QStringLiteral("The drive appears unavailable.");
    case 71:
        return QStringLiteral("Insert a disk in the drive ") + QStringLiteral("and close the door.");
    case 76:
        return QStringLiteral("The path doesn't exist.");
    case 3356:
        return QStringLiteral("The database is being used by another user");
    default:
        return description;
    }
}

QString titleFor(int number)
{
    return QStringLiteral("Error ") + QString::number(number);
}

void ReportRuntimeError()
{
    const QString message = messageFor(pendingError().number, QString::fromStdString(pendingError().description));
    const QString title = titleFor(pendingError().number);
    showMessageBox({message, title});
    clearError();
}

} // namespace vorvan::ErrorTraps
