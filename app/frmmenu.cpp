#include "app/frmmenu.h"

#include "app/hooks.h"
#include "app/maker.h"
#include "app/windows.h"
#include "ui/kit/controls.h"
#include "ui/kit/geometry.h"
#include "ui/kit/painted.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace vorvan {

using namespace kit;

frmMenu::frmMenu()
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Vorvan Systems - Calculators"));
    setFont(defaultFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setColours(client, std::nullopt, colour::white);
    setCentralWidget(client);

    new Picture(client, "Image1", QStringLiteral(":/pictures/logo.svg"), at(360, 120, 3720, 900));

    auto *Frame2 = frame(client, "Frame2", QStringLiteral("CALCULATORS"), at(0, 1380, 4575, 3975), arial(12, true));
    auto *cmdPin = button(Frame2, "cmdPin", QStringLiteral("Load Pin design"), at(120, 1620, 1335, 375));
    auto *cmdDeflect = button(Frame2, "cmdDeflect", QStringLiteral("Wrap angle "), at(120, 2220, 1335, 375));
    auto *cmdSignalLoss = button(Frame2, "cmdSignalLoss", QStringLiteral("Off Axis loading"), at(120, 2800, 1335, 375));
    auto *cmdXYsim = button(Frame2, "cmdXYsim", QStringLiteral("XY Pin simulator"), at(120, 3400, 1335, 375));
    const Look description{.bg = colour::white, .wrap = true};
    label(Frame2, "Label1", QStringLiteral("Calculates the weight of a pin in steel, aluminium or titanium"),
          at(1560, 360, 2775, 495), description);
    label(Frame2, "Label2",
          QStringLiteral("Calculates the weight of a flat plate link in steel, aluminium or titanium"),
          at(1560, 960, 2775, 495), description);
    label(Frame2, "Label3",
          QStringLiteral("Calculates the optimum diameter, load, output and safety factor for a load pin"),
          at(1560, 1560, 2775, 495), description);
    label(Frame2, "Label4", QStringLiteral("Calculates the resultant load and errors for deflector sheave pins"),
          at(1560, 2160, 2775, 495), description);
    label(Frame2, "Label5", QStringLiteral("Calculates the signal loss due to off-axis loading on a load pin"),
          at(1560, 2760, 2775, 495), description);
    label(Frame2, "Label6",
          QStringLiteral("Calculates the output signals from a load pin that is instrumented  X  and Y"),
          at(1560, 3360, 2775, 495), description);

    // The two weight buttons belong to the window, drawn over the frame's first rows.
    auto *cmdPinWeight = button(client, "cmdPinWeight", QStringLiteral("Pin Weight"), at(120, 1785, 1335, 375));
    auto *cmdLinkWeight = button(client, "cmdLinkWeight", QStringLiteral("Link Weight"), at(120, 2400, 1335, 375));

    const Look contact{.fg = colour::black, .bg = colour::white, .font = arial(9.75, true)};
    auto *web = label(client, "lblWebSite", QStringLiteral("Web Site:  ") + QLatin1String(maker::webAddress),
                      at(60, 5520, 3855, 315), contact);
    web->setCursor(Qt::PointingHandCursor);
    onClick(web, [this] { lblWebSite_Click(); });
    label(client, "lblEmail", QStringLiteral("Email: ") + QLatin1String(maker::email), at(60, 5880, 3015, 315),
          contact);
    label(client, "lblPhone", QStringLiteral("Tel: ") + QLatin1String(maker::phone), at(60, 6240, 2415, 315), contact);
    auto *cmdClose = button(client, "cmdClose", QStringLiteral("EXIT"), at(3180, 6240, 975, 375));

    tabOrder({cmdPinWeight, cmdLinkWeight, cmdPin, cmdDeflect, cmdSignalLoss, cmdXYsim, cmdClose});

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addEntry(mnuFile, "mnuPinWeight", QStringLiteral("Pin Weight"));
    addEntry(mnuFile, "mnuLinkWeight", QStringLiteral("Link Weight"));
    addEntry(mnuFile, "mnuPinCalc", QStringLiteral("Load &Pin Design"));
    addEntry(mnuFile, "mnuDeflect", QStringLiteral("&Wrap angle"));
    addEntry(mnuFile, "mnuSigLoss", QStringLiteral("Off &Axis loading"));
    addEntry(mnuFile, "mnuXYsim", QStringLiteral("&XY Pin simulator"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *mnuExit = addEntry(mnuFile, "mnuExit", QStringLiteral("&Exit"));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addEntry(mnuHelp, "mnuAbout", QStringLiteral("About"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    addEntry(mnuHelp, "mnuWeight", QStringLiteral("Weight calculators"));
    addEntry(mnuHelp, "mnuPin", QStringLiteral("Load Pin design"));
    addEntry(mnuHelp, "mnuWrap", QStringLiteral("Wrap Angle"));
    addEntry(mnuHelp, "mnuOffAx", QStringLiteral("Off Axis load"));
    addEntry(mnuHelp, "mnuXYsim2", QStringLiteral("XY simulator"));

    // The client area below the menu bar, as the window is laid out; the bar
    // has its height only once it holds its menus.
    resize(px(4440), px(6870) + menuBar()->sizeHint().height());

    // A button and the menu entry for the same window do exactly the same thing.
    for (std::size_t i = 0; i < windowTable().size(); ++i) {
        const WindowEntry &entry = windowTable()[i];
        const auto open = [this, i] { openWindow(m_windows[i], windowTable()[i]); };
        connect(findChild<QAction *>(QLatin1String(entry.menuEntry)), &QAction::triggered, this, open);
        if (entry.button)
            connect(findChild<QPushButton *>(QLatin1String(entry.button)), &QPushButton::clicked, this, open);
    }

    connect(cmdClose, &QPushButton::clicked, this, &frmMenu::endProgram);
    connect(mnuExit, &QAction::triggered, this, &frmMenu::endProgram);
}

QAction *frmMenu::addEntry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

void frmMenu::Form_Load()
{
    place(this, {.outer = {4700, 7700}, .topLeft = QPoint(0, 0)});
}

void frmMenu::lblWebSite_Click()
{
    // The box comes when the launch is known to have failed, which may be after
    // this handler has returned.
    hooks().openUrl(QUrl(QLatin1String(maker::webUrl)), [] {
        showMessageBox({QStringLiteral("Could Not Connect to ") + QLatin1String(maker::secondAddress),
                        QStringLiteral("Connection Error")});
    });
}

void frmMenu::endProgram()
{
    hooks().exitProcess(0);
}

} // namespace vorvan
