#include "app/shell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vorvan::installLook(app);
    vorvan::startProgram();
    return app.exec();
}
