// Renders every window of the program, with typical values typed in, to PNG
// files for the README: scripts/screenshots runs it (offscreen) into docs/.
#include "app/hooks.h"
#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextStream>

namespace {

// Typical entries by control name; a window takes those it has.
const QList<QPair<QString, QString>> typicalEntries{
    {QStringLiteral("txtDiameter"), QStringLiteral("50")}, {QStringLiteral("txtLength"), QStringLiteral("200")},
    {QStringLiteral("txtHeight"), QStringLiteral("50")},   {QStringLiteral("txtWidth"), QStringLiteral("100")},
    {QStringLiteral("txtWire"), QStringLiteral("10")},     {QStringLiteral("txtWrapMax"), QStringLiteral("120")},
    {QStringLiteral("txtWrapMin"), QStringLiteral("60")},  {QStringLiteral("txtLoadAngle"), QStringLiteral("30")},
};

void fillIn(QWidget *window)
{
    if (window->objectName() == QLatin1String("frmLinkWeight"))
        window->findChild<QLineEdit *>(QStringLiteral("txtLength"))->setText(QStringLiteral("1000"));
    for (const auto &[name, text] : typicalEntries)
        if (auto *box = window->findChild<QLineEdit *>(name);
            box && box->text().isEmpty() && box->isReadOnly() == false)
            box->setText(text);
    if (auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCompute")))
        calculate->click();
    if (auto *load = window->findChild<QScrollBar *>(QStringLiteral("hsbLoad")))
        load->setValue(load->value() + 1);
    if (auto *angle = window->findChild<QScrollBar *>(QStringLiteral("hsbAngle")))
        angle->setValue(135);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vorvan::installLook(app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    vorvan::hooks().showMessage = [](const vorvan::MessageRequest &) {};
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens");
    QDir().mkpath(dir);

    auto *menu = vorvan::startProgram();
    vorvan::openEveryWindow(menu);
    QTextStream out(stdout);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        fillIn(w);
        QApplication::processEvents();
        const QString file = dir + QLatin1Char('/') + w->objectName() + QStringLiteral(".png");
        if (!w->grab().save(file))
            return 1;
        out << file << Qt::endl;
    }
    return 0;
}
