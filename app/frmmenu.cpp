#include "app/frmmenu.h"

#include "app/frmabout.h"
#include "app/hooks.h"
#include "app/shell.h"
#include "ui/formkit.h"
#include "ui/frmdeflect.h"
#include "ui/frminfo.h"
#include "ui/frmlinkweight.h"
#include "ui/frmpincalc.h"
#include "ui/frmpinweight.h"
#include "ui/frmsigloss.h"
#include "ui/frmxysim.h"

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
    const Look description{.bg = colour::white, .border = false, .wrap = true};
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

    const Look contact{.fg = colour::black, .bg = colour::white, .font = arial(9.75, true), .border = false};
    auto *web = label(client, "lblWebSite", QStringLiteral("Web Site:  ") + QLatin1String(maker::webAddress),
                      at(60, 5520, 3855, 315), contact);
    web->setCursor(Qt::PointingHandCursor);
    onClick(web, [this] { lblWebSite_Click(); });
    label(client, "lblEmail", QStringLiteral("Email: ") + QLatin1String(maker::email), at(60, 5880, 3015, 315),
          contact);
    label(client, "lblPhone", QStringLiteral("Tel: ") + QLatin1String(maker::phone), at(60, 6240, 2415, 315), contact);
    auto *cmdClose = button(client, "cmdClose", QStringLiteral("EXIT"), at(3180, 6240, 975, 375));

    // Tab order as the buttons' tab indices give it.
    QWidget::setTabOrder(cmdPinWeight, cmdLinkWeight);
    QWidget::setTabOrder(cmdLinkWeight, cmdPin);
    QWidget::setTabOrder(cmdPin, cmdDeflect);
    QWidget::setTabOrder(cmdDeflect, cmdSignalLoss);
    QWidget::setTabOrder(cmdSignalLoss, cmdXYsim);
    QWidget::setTabOrder(cmdXYsim, cmdClose);

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuPinWeight = addEntry(mnuFile, "mnuPinWeight", QStringLiteral("Pin Weight"));
    QAction *mnuLinkWeight = addEntry(mnuFile, "mnuLinkWeight", QStringLiteral("Link Weight"));
    QAction *mnuPinCalc = addEntry(mnuFile, "mnuPinCalc", QStringLiteral("Load &Pin Design"));
    QAction *mnuDeflect = addEntry(mnuFile, "mnuDeflect", QStringLiteral("&Wrap angle"));
    QAction *mnuSigLoss = addEntry(mnuFile, "mnuSigLoss", QStringLiteral("Off &Axis loading"));
    QAction *mnuXYsim = addEntry(mnuFile, "mnuXYsim", QStringLiteral("&XY Pin simulator"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *mnuExit = addEntry(mnuFile, "mnuExit", QStringLiteral("&Exit"));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction *mnuAbout = addEntry(mnuHelp, "mnuAbout", QStringLiteral("About"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QAction *mnuWeight = addEntry(mnuHelp, "mnuWeight", QStringLiteral("Weight calculators"));
    QAction *mnuPin = addEntry(mnuHelp, "mnuPin", QStringLiteral("Load Pin design"));
    QAction *mnuWrap = addEntry(mnuHelp, "mnuWrap", QStringLiteral("Wrap Angle"));
    QAction *mnuOffAx = addEntry(mnuHelp, "mnuOffAx", QStringLiteral("Off Axis load"));
    QAction *mnuXYsim2 = addEntry(mnuHelp, "mnuXYsim2", QStringLiteral("XY simulator"));

    wire(cmdPinWeight, mnuPinWeight, m_pinWeight);
    wire(cmdLinkWeight, mnuLinkWeight, m_linkWeight);
    wire(cmdDeflect, mnuDeflect, m_deflect);
    wire(cmdSignalLoss, mnuSigLoss, m_sigLoss);
    wire(cmdXYsim, mnuXYsim, m_xySim);
    wire(cmdPin, mnuPinCalc, m_pinCalc);
    wire(nullptr, mnuAbout, m_about);
    wire(nullptr, mnuWeight, m_infoWeight);
    wire(nullptr, mnuPin, m_infoPin);
    wire(nullptr, mnuWrap, m_infoWrap);
    wire(nullptr, mnuOffAx, m_infoOffax);
    wire(nullptr, mnuXYsim2, m_infoXYsim);

    connect(cmdClose, &QPushButton::clicked, this, &frmMenu::endProgram);
    connect(mnuExit, &QAction::triggered, this, &frmMenu::endProgram);
}

QAction *frmMenu::addEntry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

template <class W> void frmMenu::wire(QPushButton *button, QAction *action, QPointer<W> &ref)
{
    const auto open = [&ref] { openWindow(ref); };
    if (button)
        connect(button, &QPushButton::clicked, this, open);
    connect(action, &QAction::triggered, this, open);
    m_windowEntries.append(action);
}

void frmMenu::Form_Load()
{
    setOuterSize(this, 4700, 7700);
    moveTo(this, 0, 0);
}

void frmMenu::lblWebSite_Click()
{
    if (!hooks().openUrl(QUrl(QLatin1String(maker::webUrl))))
        showMessageBox({QStringLiteral("Could Not Connect to ") + QLatin1String(maker::secondAddress),
                        QStringLiteral("Connection Error")});
}

void frmMenu::endProgram()
{
    hooks().exitProcess(0);
}

} // namespace vorvan
