#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QMessageBox;
class QWidget;

namespace vorvan {

// A message box as the program asks for one: text, title, one OK button.
struct MessageRequest
{
    QString text;
    QString title;
    bool exclamation = false;
};

// A file name to save to, asked of the user.
struct SaveFileRequest
{
    QWidget *parent = nullptr;
    QString title;
    QString path;   // suggested: folder and name
    QString filter; // "PDF files (*.pdf)"
    QString suffix; // added to a name typed without one
};

// The ways the program reaches outside its own windows. Tests replace them to
// record instead of blocking on a modal box or dialog, starting a browser or ending.
struct AppHooks
{
    std::function<void(const MessageRequest &)> showMessage;
    // The chosen file's path, or empty when the user cancels.
    std::function<QString(const SaveFileRequest &)> saveFileName;
    // Starts the desktop's browser on a web address and returns at once;
    // `failed` runs once, when it is known that no browser could be started.
    std::function<void(const QUrl &, std::function<void()> failed)> openUrl;
    std::function<void(int)> exitProcess;
};

AppHooks &hooks();

// The box as the program shows it: an application-modal plain dialog, one OK
// button without an icon, wide enough for its title, deleted when closed.
QMessageBox *makeMessageBox(const MessageRequest &request);

// Application-modal box with one OK button; returns when it is dismissed.
void showMessageBox(const MessageRequest &request);

// Starts `opener` (a program and its first arguments) on `url` without waiting
// for it. `failed` runs once if the program cannot be started, or when it ends
// reporting failure (a URL opener that finds no browser); a browser that starts
// is never waited for.
void startOpener(const QStringList &opener, const QUrl &url, std::function<void()> failed);

} // namespace vorvan
