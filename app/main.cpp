#include "platform/startup.h"
#include "app/shell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const QByteArray platform = vorvan::platformFor(vorvan::startEnvironment(argc, argv)); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    vorvan::installLook(app);
    vorvan::startProgram();
    return app.exec();
}
