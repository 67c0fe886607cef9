// The off-axis loading window: opened from the menu, the loss follows every
// keystroke, angles above the limit are rewritten to "90" by a nested run of
// the change handler, and an unreadable number is reported as Error 6 while
// the previous result stays.
#include "uitest.h"

#include "app/errortraps.h"
#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/frmsigloss.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <cmath>

using vorvan::ui::frmSigLoss;

class tst_SigLoss : public QObject
{
    Q_OBJECT

private:
    QWidget *menu = nullptr;
    QPointer<frmSigLoss> window;
    QLineEdit *box = nullptr;
    QLabel *result = nullptr;

    void openFromButton()
    {
        CHILD(QPushButton, menu, "cmdSignalLoss")->click();
        window = qobject_cast<frmSigLoss *>(uitest::topLevel(QStringLiteral("frmSigLoss")));
        QVERIFY(window);
        box = CHILD(QLineEdit, window, "txtLoadAngle");
        result = CHILD(QLabel, window, "lblLoss");
    }

private Q_SLOTS:
    void initTestCase()
    {
        menu = vorvan::startProgram();
        openFromButton();
    }

    void init() { uitest::recorder().clear(); }

    void opensEmptyAndCentred()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Load Mis-Alignment Calculator"));
        // Nothing is computed at load.
        QCOMPARE(box->text(), QString());
        QCOMPARE(result->text(), QString());
        // Outer size 5300 x 5800 twips at 15 twips a pixel, centred on the screen.
        const QRect outer = window->frameGeometry();
        QCOMPARE(outer.size(), QSize(353, 387));
        const QRect screen = window->screen()->geometry();
        // Centred from the outer size the window really has, in whole pixels.
        QCOMPARE(outer.left(), qRound((screen.width() - outer.width()) / 2.0));
        QCOMPARE(outer.top(), qRound((screen.height() - outer.height()) / 2.0));
        QCOMPARE(CHILD(vorvan::kit::Picture, window, "Image1")->resource(), QStringLiteral(":/pictures/offaxis.svg"));
        QCOMPARE(uitest::background(box), QColor(255, 255, 0));
        QCOMPARE(uitest::foreground(result), QColor(0, 0, 192));
        QVERIFY(result->font().bold());
    }

    // The window's fixed captions and their colours.
    void fixedCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        const QColor black(0, 0, 0), green(0, 128, 0);
        const auto row = [](const char *name, const char *caption, QColor colour) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << colour;
        };
        row("Label1", "Normal Load Alignment", black);
        row("Label2", "Load Mis-Alignment", black);
        row("Label6", "o", black);
        row("Label3", "Enter Angle In Degrees", green);
        row("Label4", "(Max 90)", green);
    }

    void fixedCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        auto *label = CHILD(QLabel, window, qPrintable(name));
        QCOMPARE(label->text(), caption);
        QCOMPARE(uitest::foreground(label), colour);
    }

    void lossFollowsTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // 100 - 100 cos(degrees * 3.14159268 / 180), two decimals
        QTest::newRow("10") << "10"
                            << "Signal Loss = 1.52 %"; // cos 10 = 0.98481
        QTest::newRow("30") << "30"
                            << "Signal Loss = 13.40 %"; // cos 30 = 0.86603
        QTest::newRow("89") << "89"
                            << "Signal Loss = 98.25 %"; // cos 89 = 0.017452
        QTest::newRow("5.5") << "5.5"
                             << "Signal Loss = 0.46 %"; // cos 5.5 = 0.99540
        QTest::newRow("45abc") << "45abc"
                               << "Signal Loss = 29.29 %"; // the leading 45 counts
        QTest::newRow("4,5") << "4,5"
                             << "Signal Loss = 0.24 %"; // the comma ends the number: 4
        QTest::newRow("-120") << "-120"
                              << "Signal Loss = 150.00 %"; // no lower limit, cos -120 = -0.5
        QTest::newRow("90.0002") << "90.0002"
                                 << "Signal Loss = 100.00 %"; // 1.5707998 rad, below the limit
        // The one double that converts to exactly 1.5708 rad: not above the limit, so kept.
        QTest::newRow("at the limit") << "90.00020970255125"
                                      << "Signal Loss = 100.00 %"; // cos 1.5708 = -3.67e-6
        QTest::newRow("text") << "abc"
                              << "Signal Loss = 0.00 %"; // no number reads as 0
    }

    void lossFollowsTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        uitest::retype(box, typed);
        QCOMPARE(box->text(), typed);
        QCOMPARE(result->text(), shown);
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void everyKeystrokeRecomputes()
    {
        uitest::retype(box, QString());
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 0.00 %")); // the emptied box
        QTest::keyClick(box, Qt::Key_6);
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 0.55 %")); // cos 6 = 0.99452
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 50.00 %")); // cos 60 = 0.5
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 0.55 %"));
    }

    // The degree sign after the angle box is a small raised o, clear of the box:
    // in the window as drawn, its ink stands right of the box, at most 60 % as
    // tall as the typed digits, and ends above the digits' middle.
    void degreeSignIsSmallRaisedAndClear()
    {
        uitest::retype(box, QStringLiteral("30"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QImage shot = uitest::grab(window, QStringLiteral("frmSigLoss-degree-sign.png"));
        const qreal dpr = shot.devicePixelRatio();
        const auto inShot = [dpr](const QRect &r) {
            return QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr).toRect();
        };
        // The dark pixels of `area`, less those inside `leftOut`; not the blue text cursor.
        const auto ink = [&](const QRect &area, const QRect &leftOut) {
            QRect found;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (const QRgb c = shot.valid(x, y) ? shot.pixel(x, y) : qRgb(255, 255, 255);
                        !leftOut.contains(x, y) && qGray(c) < 128 && qBlue(c) - std::max(qRed(c), qGreen(c)) < 64)
                        found |= QRect(x, y, 1, 1);
            return found;
        };
        const QRect boxArea = inShot(box->geometry());
        const QRect digits = ink(inShot(box->geometry().adjusted(2, 2, -2, -2)), QRect()); // inside the box's frame
        const QRect sign = ink(inShot(CHILD(QLabel, window, "Label6")->geometry().adjusted(-4, -4, 8, 8)), boxArea);
        const QString where = QStringLiteral("sign at %1, digits at %2, box ends at %3 (device pixels)")
                                  .arg(uitest::rectText(sign), uitest::rectText(digits))
                                  .arg(boxArea.right());
        QVERIFY2(!digits.isEmpty() && !sign.isEmpty(), qPrintable(where));
        QVERIFY2(sign.left() >= boxArea.right() + 2 * dpr, qPrintable(where));
        QVERIFY2(sign.height() * 5 <= digits.height() * 3, qPrintable(where));
        QVERIFY2(sign.bottom() < digits.center().y(), qPrintable(where));
    }

    void theProgramsOwnEditRecomputesToo()
    {
        box->setText(QStringLiteral("60"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 50.00 %")); // cos 60 = 0.5
    }

    void aboveTheLimitIsRewrittenTo90_data()
    {
        QTest::addColumn<QString>("typed");
        // each is above 1.5708 rad = 90.00021 degrees
        QTest::newRow("91") << "91";
        QTest::newRow("90.1") << "90.1";
        QTest::newRow("1e2") << "1e2";
        QTest::newRow("90.0003") << "90.0003";
    }

    void aboveTheLimitIsRewrittenTo90()
    {
        QFETCH(QString, typed);
        uitest::retype(box, typed);
        QCOMPARE(box->text(), QStringLiteral("90"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 100.00 %"));
        // The nested run for "90" leaves 1.5707963 rad; the outer run then finishes
        // with the limit itself, 1.5708, and its loss 100 - 100 cos 1.5708.
        QCOMPARE(window->angle(), 1.5708);
        QCOMPARE(window->loss(), 100 - std::cos(1.5708) * 100);
        QVERIFY(uitest::recorder().messages.isEmpty());
        uitest::grab(window, QStringLiteral("frmSigLoss-limited.png"));
    }

    void typingOnAfterTheRewrite()
    {
        uitest::retype(box, QStringLiteral("95"));
        QCOMPARE(box->text(), QStringLiteral("90"));
        QTest::keyClick(box, Qt::Key_Backspace); // "9"
        QCOMPARE(box->text(), QStringLiteral("9"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 1.23 %")); // cos 9 = 0.98769
    }

    void tooLargeANumberReportsError6()
    {
        uitest::retype(box, QStringLiteral("30"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 13.40 %"));
        QString shownWhileBoxUp;
        uitest::recorder().whileShowing = [&](const vorvan::MessageRequest &) { shownWhileBoxUp = result->text(); };
        // Pasted in one edit: typed key by key, 1e40 would already be rewritten to "90".
        box->selectAll();
        box->insert(QStringLiteral("1e400"));
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages[0].title, QStringLiteral("Error 6"));
        QCOMPARE(uitest::recorder().messages[0].text, QStringLiteral("Overflow"));
        QCOMPARE(shownWhileBoxUp, QStringLiteral("Signal Loss = 13.40 %"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 13.40 %"));
        QCOMPARE(box->text(), QStringLiteral("1e400"));
        QCOMPARE(vorvan::ErrorTraps::pendingError().number, 0);
        // The window goes on working.
        uitest::retype(box, QStringLiteral("60"));
        QCOMPARE(result->text(), QStringLiteral("Signal Loss = 50.00 %"));
        QCOMPARE(uitest::recorder().messages.size(), 1);
    }

    void typedOverflowKeepsTheLineBefore()
    {
        // A negative angle is never limited, so -1e400 can be typed key by key;
        // its last readable prefix -1e40 sets the line that must stay.
        uitest::retype(box, QStringLiteral("-1e40"));
        const QString before = result->text();
        QVERIFY(before.startsWith(QStringLiteral("Signal Loss = ")));
        QTest::keyClick(box, Qt::Key_0);
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages[0].title, QStringLiteral("Error 6"));
        QCOMPARE(box->text(), QStringLiteral("-1e400"));
        QCOMPARE(result->text(), before);
    }

    void screenshotAt30()
    {
        uitest::retype(box, QStringLiteral("30"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QImage shot = uitest::grab(window, QStringLiteral("frmSigLoss-30.png"));
        QCOMPARE(shot.deviceIndependentSize().toSize(), window->size());
        // The result is drawn in its dark blue, the angle box in yellow.
        QVERIFY(uitest::pixelsOf(shot, result, QColor(0, 0, 192)) > 20);
        QVERIFY(uitest::pixelsOf(shot, box, QColor(255, 255, 0)) > 100);
    }

    void menuEntryBringsTheOpenWindowForward()
    {
        auto *entry = menu->findChild<QAction *>(QStringLiteral("mnuSigLoss"));
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        QCOMPARE(uitest::topLevels(QStringLiteral("frmSigLoss")).size(), 1);
        QCOMPARE(uitest::topLevel(QStringLiteral("frmSigLoss")), window.data());
        QCOMPARE(box->text(), QStringLiteral("30"));
    }

    void reopenedAfterClosingStartsEmpty()
    {
        window->close();
        QTRY_VERIFY(window.isNull());
        openFromButton();
        QCOMPARE(box->text(), QString());
        QCOMPARE(result->text(), QString());
    }

    void cleanupTestCase() { QVERIFY(uitest::noStrayDialogs()); }
};

VORVAN_UI_TEST_MAIN(tst_SigLoss)
#include "tst_sigloss.moc"
