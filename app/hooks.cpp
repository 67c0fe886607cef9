#include "app/hooks.h"

#include <QDesktopServices>
#include <QMessageBox>

#include <cstdlib>

namespace vorvan {

QMessageBox *makeMessageBox(const MessageRequest &request)
{
    auto *box = new QMessageBox(request.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, request.title,
                                request.text, QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

namespace {
void presentMessageBox(const MessageRequest &request)
{
    makeMessageBox(request)->exec();
}
} // namespace

AppHooks &hooks()
{
    static AppHooks instance{
        presentMessageBox,
        [](const QUrl &url) { return QDesktopServices::openUrl(url); },
        // Ends at once: no window's close handling runs and nothing is asked.
        [](int code) { std::_Exit(code); },
    };
    return instance;
}

void showMessageBox(const MessageRequest &request)
{
    hooks().showMessage(request);
}

} // namespace vorvan
