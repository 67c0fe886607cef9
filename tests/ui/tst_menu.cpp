// The menu window: its layout and menus, opening windows once, program end
// through the hook, the web-site line, and closing the menu alone.
#include "uitest.h"

#include "app/frmmenu.h"
#include "platform/startup.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAction>
#include <QElapsedTimer>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

using uitest::recorder;

class tst_Menu : public QObject
{
    Q_OBJECT

    QMainWindow *menu = nullptr;

    QAction *action(const char *name) { return CHILD(QAction, menu, name); }

private Q_SLOTS:
    void init()
    {
        recorder().clear();
        menu = vorvan::startProgram();
        QVERIFY(menu);
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(uitest::noStrayDialogs());
    }

    void opensAtTopLeftWithItsOuterSize()
    {
        QCOMPARE(menu->windowTitle(), QStringLiteral("Vorvan Systems - Calculators"));
        QCOMPARE(menu->frameGeometry().topLeft(), QPoint(0, 0));
        // 4700 x 7700 twips = 313 x 513 pixels, frame and menu bar included.
        QCOMPARE(menu->frameGeometry().size(), QSize(313, 513));
        QCOMPARE(menu->centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
        // The least client area it keeps under any frame: 4440 x 6870 twips below its
        // menu bar, the bar as it is with its menus.
        vorvan::frmMenu fresh;
        QCOMPARE(fresh.size(),
                 QSize(vorvan::kit::px(4440), vorvan::kit::px(6870) + fresh.menuBar()->sizeHint().height()));
    }

    void controlsStandWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry"); // pixels, in the parent (the frame for its children)
        QTest::newRow("cmdPinWeight") << "cmdPinWeight"
                                      << "Pin Weight" << QRect(8, 119, 89, 25);
        QTest::newRow("cmdLinkWeight") << "cmdLinkWeight"
                                       << "Link Weight" << QRect(8, 160, 89, 25);
        QTest::newRow("cmdPin") << "cmdPin"
                                << "Load Pin design" << QRect(8, 108, 89, 25);
        QTest::newRow("cmdDeflect") << "cmdDeflect"
                                    << "Wrap angle " << QRect(8, 148, 89, 25);
        QTest::newRow("cmdSignalLoss") << "cmdSignalLoss"
                                       << "Off Axis loading" << QRect(8, 187, 89, 25);
        QTest::newRow("cmdXYsim") << "cmdXYsim"
                                  << "XY Pin simulator" << QRect(8, 227, 89, 25);
        QTest::newRow("cmdClose") << "cmdClose"
                                  << "EXIT" << QRect(212, 416, 65, 25);
        QTest::newRow("Label6") << "Label6"
                                << "Calculates the output signals from a load pin that is instrumented  X  and Y"
                                << QRect(104, 224, 185, 33);
        QTest::newRow("lblPhone") << "lblPhone"
                                  << "Tel: 01632 960123" << QRect(4, 416, 161, 21);
        QTest::newRow("Frame2") << "Frame2"
                                << "CALCULATORS" << QRect(0, 92, 305, 265);
    }

    void controlsStandWhereTheyBelong()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        auto *w = menu->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        if (auto *b = qobject_cast<QPushButton *>(w))
            QCOMPARE(b->text(), caption);
        else if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), caption);
        else
            QCOMPARE(qobject_cast<QGroupBox *>(w)->title(), caption);
    }

    void buttonsInTheFrameLookLikeTheOthers()
    {
        // The frame's caption colour must not make its buttons look disabled.
        const QColor text = CHILD(QPushButton, menu, "cmdPinWeight")->palette().color(QPalette::ButtonText);
        for (const char *name : {"cmdPin", "cmdDeflect", "cmdSignalLoss", "cmdXYsim"}) {
            auto *b = CHILD(QPushButton, menu, name);
            QVERIFY(b->isEnabled());
            QCOMPARE(b->palette().color(QPalette::ButtonText), text);
        }
        auto *frame = CHILD(QGroupBox, menu, "Frame2");
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(143, 165, 194));
        // Inside the frame is as white as the window: white labels show no edges on it.
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QImage shot = frame->grab().toImage();
        const QPoint between(uitest::point(1500, 600)); // right of the buttons, left of the descriptions
        QCOMPARE(shot.pixelColor(between * shot.devicePixelRatio()), QColor(255, 255, 255));
    }

    void menusHaveTheirEntriesAccessKeysAndSeparators()
    {
        const auto captions = [](QMenu *m) {
            QStringList list;
            for (QAction *a : m->actions())
                list << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return list;
        };
        auto *file = CHILD(QMenu, menu, "mnuFile");
        auto *help = CHILD(QMenu, menu, "mnuHelp");
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        QCOMPARE(captions(file), (QStringList{"Pin Weight", "Link Weight", "Load &Pin Design", "&Wrap angle",
                                              "Off &Axis loading", "&XY Pin simulator", "-", "&Exit"}));
        QCOMPARE(captions(help), (QStringList{"About", "-", "Weight calculators", "Load Pin design", "Wrap Angle",
                                              "Off Axis load", "XY simulator"}));
    }

    void everyEntryOpensAWindowOrIsDisabled()
    {
        // An entry is either wired or visibly disabled: never dead.
        for (QAction *a : menu->findChildren<QAction *>()) {
            if (a->isSeparator() || a->menu() || !a->objectName().startsWith(QLatin1String("mnu")) ||
                a->objectName() == QLatin1String("mnuExit") || !a->isEnabled())
                continue;
            const int before = QApplication::topLevelWidgets().size();
            a->trigger();
            QVERIFY2(QApplication::topLevelWidgets().size() == before + 1, qPrintable(a->objectName()));
        }
    }

    // Each command opens its own window and no other, from its button and from its entry.
    void eachCommandOpensItsOwnWindow_data()
    {
        QTest::addColumn<QString>("button"); // empty: reachable from the Help menu only
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *entry, const char *button, const char *caption) {
            QTest::newRow(entry) << QString::fromLatin1(button) << QString::fromLatin1(entry)
                                 << QString::fromLatin1(caption);
        };
        row("mnuPinWeight", "cmdPinWeight", "Pin Weight calculation");
        row("mnuLinkWeight", "cmdLinkWeight", "Link Weight calculation");
        row("mnuPinCalc", "cmdPin", "Load Pin size calculator");
        row("mnuDeflect", "cmdDeflect", "Resultant load calculator");
        row("mnuSigLoss", "cmdSignalLoss", "Load Mis-Alignment Calculator");
        row("mnuXYsim", "cmdXYsim", "X, Y Load Pin simulator");
        row("mnuAbout", "", "About VorvanCalc");
        row("mnuWeight", "", "Help - weights");
        row("mnuPin", "", "Help - pin");
        row("mnuWrap", "", "Help - wrap");
        row("mnuOffAx", "", "Help - off axis loading");
        row("mnuXYsim2", "", "Help - XY simulator");
    }

    void eachCommandOpensItsOwnWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        for (const QString &command : {button, entry}) {
            if (command.isEmpty())
                continue;
            QWidgetList before;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    before << w;
            if (auto *b = menu->findChild<QPushButton *>(command))
                b->click();
            else
                CHILD(QAction, menu, qPrintable(command))->trigger();
            QStringList opened;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && !before.contains(w))
                    opened << w->windowTitle();
            QVERIFY2(opened == QStringList{caption},
                     qPrintable(command + QStringLiteral(" opened: ") + opened.join(QStringLiteral(" | "))));
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w != menu)
                    w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void pressingTwiceLeavesOneWindowWithItsValues()
    {
        auto *button = CHILD(QPushButton, menu, "cmdPinWeight");
        button->click();
        QWidget *first = uitest::topLevel(QStringLiteral("frmPinWeight"));
        QVERIFY(first);
        uitest::retype(CHILD(QLineEdit, first, "txtDiameter"), QStringLiteral("50"));
        button->click();
        QCOMPARE(uitest::topLevels(QStringLiteral("frmPinWeight")).size(), 1);
        QCOMPARE(uitest::topLevel(QStringLiteral("frmPinWeight")), first);
        QCOMPARE(CHILD(QLineEdit, first, "txtDiameter")->text(), QStringLiteral("50"));
        // The File entry does the same thing as the button.
        action("mnuPinWeight")->trigger();
        QCOMPARE(uitest::topLevels(QStringLiteral("frmPinWeight")).size(), 1);
    }

    void closingAndReopeningStartsFresh()
    {
        action("mnuLinkWeight")->trigger();
        QPointer<QWidget> first = uitest::topLevel(QStringLiteral("frmLinkWeight"));
        uitest::retype(CHILD(QLineEdit, first.data(), "txtHeight"), QStringLiteral("5"));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull()); // destroyed, not hidden
        action("mnuLinkWeight")->trigger();
        QWidget *second = uitest::topLevel(QStringLiteral("frmLinkWeight"));
        QVERIFY(second);
        QCOMPARE(CHILD(QLineEdit, second, "txtHeight")->text(), QString());
        QCOMPARE(CHILD(QLineEdit, second, "txtWeight")->text(), QStringLiteral("00.00"));
    }

    void exitEndsThroughTheHookWithoutClosingAnything()
    {
        action("mnuPinWeight")->trigger();
        CHILD(QPushButton, menu, "cmdClose")->click();
        action("mnuExit")->trigger();
        QCOMPARE(recorder().exits, (QList<int>{0, 0}));
        QVERIFY(recorder().messages.isEmpty()); // nothing is asked
        QVERIFY(uitest::topLevel(QStringLiteral("frmPinWeight")));
    }

    void webSiteLineLaunchesTheBrowser()
    {
        auto *web = CHILD(QLabel, menu, "lblWebSite");
        QCOMPARE(web->text(), QStringLiteral("Web Site:  www.vorvan.example"));
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(recorder().urls, (QList<QUrl>{QUrl(QStringLiteral("https://www.vorvan.example"))}));
        QVERIFY(recorder().messages.isEmpty());
    }

    void failingLaunchShowsTheConnectionError()
    {
        recorder().launchSucceeds = false;
        QTest::mouseClick(CHILD(QLabel, menu, "lblWebSite"), Qt::LeftButton);
        QCOMPARE(recorder().messages.size(), 1);
        QCOMPARE(recorder().messages[0].title, QStringLiteral("Connection Error"));
        QCOMPARE(recorder().messages[0].text, QStringLiteral("Could Not Connect to www.vorvansystems.example"));
        QCOMPARE(recorder().messages[0].exclamation, false);
    }

    // The real launch, with stand-ins for the desktop's URL opener: one that
    // starts a browser and ends well, one that does not exist, and one that
    // runs a while and then reports that it found no browser.
    void openerOutcomes_data()
    {
        QTest::addColumn<QStringList>("opener");
        QTest::addColumn<int>("boxes");
#ifdef Q_OS_WIN
        // No sh on Windows: cmd ends as an opener would, the address after its command.
        const QStringList starts{"cmd", "/c", "exit 0"}, noBrowser{"cmd", "/c", "exit 3"};
#else
        const QStringList starts{"sh", "-c", "sleep 0.3", "opener"},
            noBrowser{"sh", "-c", "sleep 0.3; exit 3", "opener"};
#endif
        QTest::newRow("browser starts") << starts << 0;
        QTest::newRow("opener cannot start") << QStringList{"/nonexistent/xdg-open"} << 1;
        QTest::newRow("no browser") << noBrowser << 1;
    }

    void openerOutcomes()
    {
        QFETCH(QStringList, opener);
        QFETCH(int, boxes);
        const auto keep = vorvan::hooks().openUrl;
        vorvan::hooks().openUrl = [opener](const QUrl &url, std::function<void()> failed) {
            vorvan::startOpener(opener, url, std::move(failed));
        };
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(CHILD(QLabel, menu, "lblWebSite"), Qt::LeftButton);
        // The click returns at once, long before the opener ends.
        QVERIFY(clock.elapsed() < 250);
        if (opener.size() > 1)
            QVERIFY(recorder().messages.isEmpty());
        QTest::qWait(800);
        vorvan::hooks().openUrl = keep;
        QCOMPARE(recorder().messages.size(), boxes);
        for (const vorvan::MessageRequest &m : std::as_const(recorder().messages)) {
            QCOMPARE(m.title, QStringLiteral("Connection Error"));
            QCOMPARE(m.text, QStringLiteral("Could Not Connect to www.vorvansystems.example"));
        }
    }

    void closingTheMenuLeavesACalculatorWorking()
    {
        action("mnuPinWeight")->trigger();
        QWidget *calc = uitest::topLevel(QStringLiteral("frmPinWeight"));
        QApplication::setQuitOnLastWindowClosed(true);
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(calc->isVisible());
        uitest::retype(CHILD(QLineEdit, calc, "txtDiameter"), QStringLiteral("50"));
        uitest::retype(CHILD(QLineEdit, calc, "txtLength"), QStringLiteral("200"));
        QCOMPARE(CHILD(QLineEdit, calc, "txtWeight")->text(), QStringLiteral("3.08"));
        QVERIFY(recorder().exits.isEmpty());
    }

    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("qtPlatform");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<QByteArray>("x11Display");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<QByteArray>("chosen"); // empty: Qt's own choice
        QTest::newRow("X session") << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray(":0") << false
                                   << QByteArray();
        QTest::newRow("Wayland with XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                               << QByteArray(":0") << false << QByteArray("xcb");
        QTest::newRow("Wayland display only, XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray()
                                                        << QByteArray(":1") << false << QByteArray("xcb");
        QTest::newRow("Wayland session, XWayland")
            << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1") << false << QByteArray("xcb");
        QTest::newRow("Wayland without X") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                           << QByteArray() << false << QByteArray();
        QTest::newRow("user's variable wins") << QByteArray("wayland") << QByteArray("wayland-0")
                                              << QByteArray("wayland") << QByteArray(":0") << false << QByteArray();
        QTest::newRow("user's argument wins") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                              << QByteArray(":0") << true << QByteArray();
        QTest::newRow("no display at all")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray() << false << QByteArray();
    }

    void platformChoice()
    {
        QFETCH(QByteArray, qtPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(QByteArray, x11Display);
        QFETCH(bool, argument);
        QFETCH(QByteArray, chosen);
        QCOMPARE(vorvan::platformFor({qtPlatform, waylandDisplay, sessionType, x11Display, argument}), chosen);
    }

    // Every test program ends by deleting the windows its tests left open, so
    // that nothing outlives the application (memcheck counted them as lost).
    void windowsLeftOpenAreDeletedAtTheEnd()
    {
        action("mnuPinCalc")->trigger();
        QPointer<QWidget> calc = uitest::topLevel(QStringLiteral("frmPinCalc"));
        QPointer<QWidget> menuWindow = menu;
        QVERIFY(calc);
        uitest::deleteLeftWindows();
        QVERIFY(!calc);
        QVERIFY(!menuWindow);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        menu = nullptr;
    }
};

VORVAN_UI_TEST_MAIN(tst_Menu)
#include "tst_menu.moc"
