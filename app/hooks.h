#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QMessageBox;

namespace vorvan {

// A message box as the program asks for one: text, title, one OK button.
struct MessageRequest
{
    QString text;
    QString title;
    bool exclamation = false;
};

// The three ways the program reaches outside its own windows. Tests replace them
// to record instead of blocking on a modal box, starting a browser or ending.
struct AppHooks
{
    std::function<void(const MessageRequest &)> showMessage;
    std::function<bool(const QUrl &)> openUrl;
    std::function<void(int)> exitProcess;
};

AppHooks &hooks();

// The box as the program shows it: application-modal, one OK button, deleted when closed.
QMessageBox *makeMessageBox(const MessageRequest &request);

// Application-modal box with one OK button; returns when it is dismissed.
void showMessageBox(const MessageRequest &request);

} // namespace vorvan
