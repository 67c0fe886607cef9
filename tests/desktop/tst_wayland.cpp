// VorvanCalc as a native Wayland client, built with or without X11: under
// weston (started by run-under-wm.sh), where the compositor places every
// window, each window opened from the menu comes up at the client size its
// placing asked for, and the program's four kinds of message box open and
// close. Run on any other platform it skips.
#include "../ui/uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include <cstdio>

class tst_Wayland : public QObject
{
    Q_OBJECT

    vorvan::frmMenu *menu = nullptr;
    QList<QPointer<QMessageBox>> boxes; // shown for real, without waiting for an answer

    static bool shownWhole(QWidget *w) { return w && w->windowHandle() && w->windowHandle()->isExposed(); }

    QWidget *open(const char *name)
    {
        const vorvan::WindowEntry &entry = vorvan::windowEntry(name);
        if (entry.button)
            QTest::mouseClick(menu->findChild<QPushButton *>(QLatin1String(entry.button)), Qt::LeftButton);
        else
            menu->findChild<QAction *>(QLatin1String(entry.menuEntry))->trigger();
        QWidget *w = uitest::topLevel(QLatin1String(name));
        return QTest::qWaitFor([w] { return shownWhole(w); }, 15000) ? w : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        vorvan::hooks().showMessage = [this](const vorvan::MessageRequest &m) {
            uitest::recorder().messages.append(m);
            QMessageBox *box = vorvan::makeMessageBox(m);
            box->setProperty("shownByTest", true); // not a stray dialog for the watchdog to close
            box->show();
            boxes.append(box);
        };
        menu = vorvan::startProgram();
        QVERIFY(QTest::qWaitFor([this] { return shownWhole(menu); }, 15000));
    }

    void windowsAtTheirClientSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("frmMenu") << QStringLiteral("frmMenu");
        for (const vorvan::WindowEntry &entry : vorvan::windowTable())
            QTest::newRow(entry.name) << QString::fromLatin1(entry.name);
    }

    void windowsAtTheirClientSize()
    {
        QFETCH(QString, name);
        QWidget *w = name == QLatin1String("frmMenu") ? menu : open(name.toLatin1().constData());
        QVERIFY2(w, qPrintable(name));
        const vorvan::kit::PlacementRecord *placed = vorvan::kit::placementOf(w);
        QVERIFY(placed);
        // The compositor keeps the size the window asked for, and the frame Qt draws round it is one.
        QTest::qWait(100);
        const QString where = QStringLiteral("%1: client %2x%3, asked %4, frame %5,%6,%7,%8")
                                  .arg(name)
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(uitest::rectText(placed->clientNow()))
                                  .arg(placed->assumed.margins.left())
                                  .arg(placed->assumed.margins.top())
                                  .arg(placed->assumed.margins.right())
                                  .arg(placed->assumed.margins.bottom());
        std::printf("%s\n", qPrintable(where));
        QVERIFY2(w->size() == placed->clientNow().size(), qPrintable(where));
        QVERIFY2(w->windowHandle()->size() == placed->clientNow().size(), qPrintable(where));
        QVERIFY2(vorvan::platform::plausibleFrame(w->windowHandle()->frameMargins()), qPrintable(where));
        if (w != menu)
            w->close();
    }

    void messageBoxesOpenAndClose_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("browser") << QStringLiteral("Connection Error");
        QTest::newRow("run-time error") << QStringLiteral("Error 6");
        QTest::newRow("required field") << QStringLiteral("Error");
        QTest::newRow("order") << QStringLiteral("Invalid Data");
    }

    void messageBoxesOpenAndClose()
    {
        QFETCH(QString, title);
        uitest::recorder().launchSucceeds = false;
        if (title == QLatin1String("Connection Error")) {
            QTest::mouseClick(menu->findChild<QWidget *>(QStringLiteral("lblWebSite")), Qt::LeftButton);
        } else if (title == QLatin1String("Error 6")) {
            QWidget *w = open("frmSigLoss");
            QVERIFY(w);
            CHILD(QLineEdit, w, "txtLoadAngle")->setText(QStringLiteral("1e400"));
        } else {
            QWidget *w = open("frmDeflect");
            QVERIFY(w);
            const bool complete = title == QLatin1String("Invalid Data");
            CHILD(QLineEdit, w, "txtWire")->setText(QStringLiteral("10"));
            CHILD(QLineEdit, w, "txtWrapMax")->setText(complete ? QStringLiteral("30") : QString());
            CHILD(QLineEdit, w, "txtWrapMin")->setText(QStringLiteral("60"));
            QTest::mouseClick(CHILD(QPushButton, w, "cmdCompute"), Qt::LeftButton);
        }
        QCOMPARE(boxes.size(), 1);
        QPointer<QMessageBox> box = boxes.front();
        QCOMPARE(box->windowTitle(), title);
        QVERIFY2(QTest::qWaitFor([&] { return shownWhole(box); }, 15000), qPrintable(title));
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY2(!box, qPrintable(title));
    }

    // A box a failed row left open would hold every later window back.
    void cleanup()
    {
        for (const QPointer<QMessageBox> &box : std::as_const(boxes))
            delete box.data();
        boxes.clear();
    }

    void cleanupTestCase() { uitest::deleteLeftWindows(); }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        std::puts("SKIP: not on a Wayland compositor");
        return 77;
    }
    uitest::setUp();
    tst_Wayland tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_wayland.moc"
