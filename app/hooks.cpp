#include "app/hooks.h"

#include "platform/titlebar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QProcess>

#include <cstdlib>

namespace vorvan {

QMessageBox *makeMessageBox(const MessageRequest &request)
{
    auto *box = new QMessageBox(request.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, request.title,
                                request.text, QMessageBox::Ok);
    // A plain dialog: a title and a close box, nothing to minimise or maximise.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    for (QAbstractButton *button : box->buttons())
        button->setIcon(QIcon());
    // Wide enough that the window manager shows the whole title ("Error 6" over
    // a one-word text would otherwise be cut to nothing): the box takes its
    // width from its layout, so a spacer across the layout's foot widens it.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(
            new QSpacerItem(platform::titleBarWidthFor(request.title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

namespace {
void presentMessageBox(const MessageRequest &request)
{
    makeMessageBox(request)->exec();
}

QString askSaveFileName(const SaveFileRequest &request)
{
    // The dialog asks before it replaces a file, and adds the suffix itself, so
    // that the name it asked about is the name written.
    QFileDialog dialog(request.parent, request.title, request.path, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
} // namespace

AppHooks &hooks()
{
    static AppHooks instance{
        presentMessageBox,
        askSaveFileName,
#ifdef Q_OS_WIN
        // The shell's association for web addresses, which is the user's
        // browser; a failure is told after the hook has returned, as elsewhere.
        [](const QUrl &url, std::function<void()> failed) {
            if (!QDesktopServices::openUrl(url))
                QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(failed), Qt::QueuedConnection);
        },
#else
        // The desktop's own URL opener, which knows the user's browser.
        [](const QUrl &url, std::function<void()> failed) {
            startOpener({QStringLiteral("xdg-open")}, url, std::move(failed));
        },
#endif
        // Ends at once: no window's close handling runs and nothing is asked.
        [](int code) { std::_Exit(code); },
    };
    return instance;
}

void showMessageBox(const MessageRequest &request)
{
    hooks().showMessage(request);
}

void startOpener(const QStringList &opener, const QUrl &url, std::function<void()> failed)
{
    // No parent: a process object that outlives the program must not end the
    // browser with it, as a destroyed QProcess would.
    auto *process = new QProcess;
    process->setProgram(opener.value(0));
    process->setArguments(opener.mid(1) << url.toString());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    const auto end = [process, failed](bool success) {
        process->disconnect();
        process->deleteLater();
        if (!success)
            failed();
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false);
    });
    QObject::connect(process, &QProcess::finished, process, [end](int code, QProcess::ExitStatus status) {
        end(status == QProcess::NormalExit && code == 0);
    });
    process->start();
}

} // namespace vorvan
