// The About window, opened from the menu's Help > About entry: its controls at
// their places, the version text, the keys that close it, and one window
// however often it is chosen.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// Left = (screen width - window width) / 2, top likewise, with the outer size.
QPoint centredOn(const QRect &screen, const QSize &outer)
{
    return screen.topLeft() + QPoint(static_cast<int>(std::lround((screen.width() - outer.width()) / 2.0)),
                                     static_cast<int>(std::lround((screen.height() - outer.height()) / 2.0)));
}

} // namespace

class tst_About : public QObject
{
    Q_OBJECT

    QMainWindow *menu = nullptr;

    QWidget *openAbout()
    {
        auto *mnuAbout = menu->menuBar()->findChild<QAction *>(QStringLiteral("mnuAbout"));
        if (!mnuAbout || !mnuAbout->isEnabled())
            return nullptr;
        mnuAbout->trigger();
        QWidget *w = uitest::topLevel(QStringLiteral("frmAbout"));
        if (w && !QTest::qWaitForWindowActive(w))
            return nullptr;
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        menu = vorvan::startProgram();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }

    void cleanup()
    {
        if (QWidget *w = uitest::topLevel(QStringLiteral("frmAbout"))) {
            QPointer<QWidget> gone(w);
            w->close();
            QTRY_VERIFY(gone.isNull());
        }
        QVERIFY(uitest::noStrayDialogs());
    }

    void controlsStandInTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        // Left, top, width, height in twips, as the window lays them out.
        QTest::newRow("Image1") << "Image1" << QRect(240, 120, 3720, 900);
        QTest::newRow("Label3") << "Label3" << QRect(240, 1200, 1935, 735);
        QTest::newRow("Label2") << "Label2" << QRect(2640, 1560, 1215, 255);
        QTest::newRow("Label4") << "Label4" << QRect(240, 2400, 1935, 375);
        QTest::newRow("cmdReturn") << "cmdReturn" << QRect(2880, 2400, 1095, 375);
    }
    void controlsStandInTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QWidget *w = openAbout();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("About VorvanCalc"));
        // Client area 4245 x 3210 twips.
        QCOMPARE(w->size(), QSize(px(4245), px(3210)));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(w->frameGeometry().topLeft(), centredOn(w->screen()->geometry(), w->frameGeometry().size()));
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    }

    void contents()
    {
        QWidget *w = openAbout();
        QVERIFY(w);
        // "Version ", the major number, ".", the minor number: the build's 1.3,
        // without the revision and with no leading zero on the minor number.
        QCOMPARE(VORVAN_VERSION_MAJOR, 1);
        QCOMPARE(VORVAN_VERSION_MINOR, 3);
        QCOMPARE(CHILD(QLabel, w, "Label2")->text(), QStringLiteral("Version 1.3"));
        QCOMPARE(CHILD(QLabel, w, "Label3")->text(), QStringLiteral("\u00a9 2026\nVorvan Systems Ltd"));
        QVERIFY(CHILD(QLabel, w, "Label3")->wordWrap());
        // The web address is plain text, not a link.
        auto *Label4 = CHILD(QLabel, w, "Label4");
        QCOMPARE(Label4->text(), QStringLiteral("www.vorvan.example"));
        QCOMPARE(Label4->textFormat(), Qt::PlainText);
        QVERIFY(!Label4->openExternalLinks());
        QCOMPARE(CHILD(vorvan::kit::Picture, w, "Image1")->resource(), QStringLiteral(":/pictures/logo.svg"));
        // The rule across the window, 4080 twips long at 2040 twips down.
        const vorvan::kit::Shape *Line1 =
            CHILD(vorvan::kit::ShapeLayer, w, "shapeLayer")->shape(QStringLiteral("Line1"));
        QVERIFY(Line1);
        QCOMPARE(Line1->a, QPointF(0, 2040));
        QCOMPARE(Line1->b, QPointF(4080, 2040));
        QCOMPARE(Line1->colour, QColor(0, 0, 0));
        QCOMPARE(CHILD(QPushButton, w, "cmdReturn")->text(), QStringLiteral("&Close"));
        // The labels take no focus, so the button has it.
        QCOMPARE(QApplication::focusWidget(), CHILD(QPushButton, w, "cmdReturn"));
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
        QTest::newRow("C alone") << int(Qt::Key_C) << int(Qt::NoModifier) << false;
        QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier) << false;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        QPointer<QWidget> w = openAbout();
        QVERIFY(w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (closes) {
            QTRY_VERIFY(w.isNull());
        } else {
            QTest::qWait(50);
            QVERIFY(!w.isNull() && w->isVisible());
        }
    }

    // Choosing About twice leaves one window; closed and chosen again, it is
    // built again and centred again.
    void singleInstance()
    {
        QWidget *w = openAbout();
        QVERIFY(w);
        const QPoint moved = w->frameGeometry().topLeft() + QPoint(-40, 25);
        w->move(moved);
        QWidget *again = openAbout();
        QCOMPARE(again, w);
        QCOMPARE(uitest::topLevels(QStringLiteral("frmAbout")).size(), 1);
        QCOMPARE(w->frameGeometry().topLeft(), moved);

        QPointer<QWidget> old(w);
        QTest::mouseClick(CHILD(QPushButton, w, "cmdReturn"), Qt::LeftButton);
        QTRY_VERIFY(old.isNull());
        w = openAbout();
        QVERIFY(w);
        QCOMPARE(w->frameGeometry().topLeft(), centredOn(w->screen()->geometry(), w->frameGeometry().size()));
        QCOMPARE(CHILD(QLabel, w, "Label2")->text(), QStringLiteral("Version 1.3"));
    }

    // Maximizing moves no control, and the enlarged area is white.
    void maximizingMovesNothing()
    {
        QWidget *w = openAbout();
        QVERIFY(w);
        QHash<QString, QRect> laidOut;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (!c->objectName().isEmpty() && c->objectName() != QLatin1String("shapeLayer"))
                laidOut.insert(c->objectName(), c->geometry());
        QVERIFY(laidOut.size() >= 5);
        const QSize before = w->size();
        w->showMaximized();
        QTRY_VERIFY(w->width() > before.width() && w->height() > before.height());
        for (auto it = laidOut.cbegin(); it != laidOut.cend(); ++it)
            QCOMPARE(w->findChild<QWidget *>(it.key())->geometry(), it.value());
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixelColor(QPoint(w->width() - 2, w->height() - 2) * shot.devicePixelRatio()),
                 QColor(255, 255, 255));
        // The rule keeps its length: the pixel past its end stays white.
        QCOMPARE(shot.pixelColor(QPoint(px(4080) + 3, px(2040)) * shot.devicePixelRatio()), QColor(255, 255, 255));
        // A one-pixel line in the default line colour, black, on pixel row 136.
        const qreal dpr = shot.devicePixelRatio();
        QCOMPARE(shot.pixelColor(QPoint(px(2000), px(2040)) * dpr), QColor(0, 0, 0));
        QCOMPARE(shot.pixelColor(QPoint(px(2000), px(2040) - 1) * dpr), QColor(255, 255, 255));
        QCOMPARE(shot.pixelColor(QPoint(px(2000), px(2040) + 1) * dpr + QPoint(0, int(dpr) - 1)),
                 QColor(255, 255, 255));
        uitest::grab(w, QStringLiteral("frmAbout-maximized.png"));
    }
};

VORVAN_UI_TEST_MAIN(tst_About)
#include "tst_about.moc"
