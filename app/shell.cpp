#include "app/shell.h"

#include "app/frmmenu.h"
#include "ui/formkit.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace vorvan {

void installLook(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(kit::defaultFont());
    app.setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    app.setApplicationName(QStringLiteral("VorvanCalc"));
}

QWidget *startProgram()
{
    auto *menu = new frmMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->Form_Load();
    menu->show();
    return menu;
}

int openEveryWindow(QWidget *menu)
{
    const auto &entries = static_cast<frmMenu *>(menu)->windowEntries();
    for (QAction *entry : entries)
        entry->trigger();
    return int(entries.size());
}

} // namespace vorvan
