// The pin and link weight windows, driven as a user drives them: typing into
// the named boxes, clicking options and boxes.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/frmlinkweight.h"
#include "ui/frmpinweight.h"

#include <QApplication>
#include <QLocale>
#include <QRadioButton>

using uitest::retype;
using vorvan::ui::frmLinkWeight;
using vorvan::ui::frmPinWeight;

class tst_Weights : public QObject
{
    Q_OBJECT

    QPointer<frmPinWeight> pin;
    QPointer<frmLinkWeight> link;

    QLineEdit *box(QWidget *w, const char *name) { return CHILD(QLineEdit, w, name); }
    QRadioButton *opt(QWidget *w, const char *name) { return CHILD(QRadioButton, w, name); }
    QString weight(QWidget *w) { return box(w, "txtWeight")->text(); }

private Q_SLOTS:
    void init()
    {
        QPointer<vorvan::kit::Form> pinWindow, linkWindow;
        pin = qobject_cast<frmPinWeight *>(vorvan::openWindow(pinWindow, vorvan::windowEntry("frmPinWeight")));
        link = qobject_cast<frmLinkWeight *>(vorvan::openWindow(linkWindow, vorvan::windowEntry("frmLinkWeight")));
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        delete pin;
        delete link;
        QVERIFY(uitest::noStrayDialogs());
    }

    void opensWithItsStartingState()
    {
        for (QWidget *w : {static_cast<QWidget *>(pin), static_cast<QWidget *>(link)}) {
            QCOMPARE(weight(w), QStringLiteral("00.00"));
            QCOMPARE(box(w, "txtMat")->text(), QStringLiteral("Steel"));
            QCOMPARE(box(w, "txtLen")->text(), QStringLiteral("mm"));
            QVERIFY(opt(w, "optSteel")->isChecked());
            QVERIFY(opt(w, "optmm")->isChecked());
            QCOMPARE(box(w, "txtLength")->text(), QString());
        }
        QCOMPARE(pin->windowTitle(), QStringLiteral("Pin Weight calculation"));
        QCOMPARE(link->windowTitle(), QStringLiteral("Link Weight calculation"));
        QCOMPARE(pin->focusWidget(), box(pin, "txtDiameter"));
        QCOMPARE(link->focusWidget(), box(link, "txtHeight"));
        // Client areas 7695 x 5070 and 7455 x 4770 twips.
        QCOMPARE(pin->size(), QSize(513, 338));
        QCOMPARE(link->size(), QSize(497, 318));
        // The look of the result and of an input.
        QCOMPARE(uitest::foreground(box(pin, "txtWeight")), QColor(255, 0, 0));
        QCOMPARE(uitest::background(box(pin, "txtWeight")), QColor(0, 0, 0));
        QCOMPARE(uitest::background(box(link, "txtWidth")), QColor(255, 255, 0));
        QCOMPARE(box(pin, "txtDiameter")->toolTip(), QStringLiteral("diameter"));
        QCOMPARE(box(pin, "txtDiameter")->accessibleName(), QStringLiteral("diameter"));
    }

    void pinWeight_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("steel") << "50"
                               << "200"
                               << "optSteel"
                               << "optmm"
                               << "3.08";
        QTest::newRow("aluminium") << "50"
                                   << "200"
                                   << "optAluminium"
                                   << "optmm"
                                   << "1.10";
        QTest::newRow("titanium") << "50"
                                  << "200"
                                  << "optTitanium"
                                  << "optmm"
                                  << "1.77";
        QTest::newRow("inches") << "2"
                                << "8"
                                << "optSteel"
                                << "optInches"
                                << "3.23";
        QTest::newRow("small") << "20"
                               << "100"
                               << "optSteel"
                               << "optmm"
                               << "0.25";
        QTest::newRow("grouped") << "1000"
                                 << "10000"
                                 << "optSteel"
                                 << "optmm"
                                 << "61,600.00";
        QTest::newRow("onlyDiameter") << "50"
                                      << ""
                                      << "optSteel"
                                      << "optmm"
                                      << "0.00";
        // A number beyond the double range: the window says so and keeps running.
        QTest::newRow("overflow") << "1e400"
                                  << "1"
                                  << "optSteel"
                                  << "optmm"
                                  << "Overflow";
    }

    void pinWeight()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(QString, material);
        QFETCH(QString, unit);
        QFETCH(QString, shown);
        opt(pin, qPrintable(material))->click();
        opt(pin, qPrintable(unit))->click();
        retype(box(pin, "txtDiameter"), diameter);
        retype(box(pin, "txtLength"), length);
        QCOMPARE(weight(pin), shown);
    }

    void linkWeight_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("steel") << "1000"
                               << "100"
                               << "50"
                               << "optSteel"
                               << "optmm"
                               << "39.21";
        QTest::newRow("aluminium") << "1000"
                                   << "100"
                                   << "50"
                                   << "optAluminium"
                                   << "optmm"
                                   << "13.99";
        QTest::newRow("titanium") << "1000"
                                  << "100"
                                  << "50"
                                  << "optTitanium"
                                  << "optmm"
                                  << "22.58";
        QTest::newRow("inches") << "10"
                                << "2"
                                << "1"
                                << "optSteel"
                                << "optInches"
                                << "2.57";
        QTest::newRow("small") << "100"
                               << "10"
                               << "10"
                               << "optSteel"
                               << "optmm"
                               << "0.08";
        QTest::newRow("heightEmpty") << "1000"
                                     << "100"
                                     << ""
                                     << "optSteel"
                                     << "optmm"
                                     << "0.00";
    }

    void linkWeight()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, material);
        QFETCH(QString, unit);
        QFETCH(QString, shown);
        opt(link, qPrintable(material))->click();
        opt(link, qPrintable(unit))->click();
        retype(box(link, "txtLength"), length);
        retype(box(link, "txtWidth"), width);
        retype(box(link, "txtHeight"), height);
        QCOMPARE(weight(link), shown);
    }

    void recomputesOnEveryKeystroke()
    {
        retype(box(pin, "txtDiameter"), QStringLiteral("5"));
        QCOMPARE(weight(pin), QStringLiteral("0.00")); // no length yet
        retype(box(pin, "txtLength"), QStringLiteral("20"));
        // 20 * 0.00616 * 25 / 1000 = 0.00308
        QCOMPARE(weight(pin), QStringLiteral("0.00"));
        QTest::keyClick(box(pin, "txtLength"), Qt::Key_0);   // 200
        QTest::keyClick(box(pin, "txtDiameter"), Qt::Key_0); // 50
        QCOMPARE(weight(pin), QStringLiteral("3.08"));
        QTest::keyClick(box(pin, "txtDiameter"), Qt::Key_Backspace); // 5 again
        QCOMPARE(weight(pin), QStringLiteral("0.03"));
    }

    void unitSwitchRecomputesWithTheSameNumbers()
    {
        retype(box(link, "txtLength"), QStringLiteral("10"));
        retype(box(link, "txtWidth"), QStringLiteral("2"));
        retype(box(link, "txtHeight"), QStringLiteral("1"));
        QCOMPARE(weight(link), QStringLiteral("0.00"));
        opt(link, "optInches")->click();
        QCOMPARE(weight(link), QStringLiteral("2.57"));
        QCOMPARE(box(link, "txtLength")->text(), QStringLiteral("10"));
        for (const char *caption : {"txtHt", "txtLen", "txtWd"})
            QCOMPARE(box(link, caption)->text(), QStringLiteral("inches"));
        opt(link, "optmm")->click();
        QCOMPARE(box(link, "txtWd")->text(), QStringLiteral("mm"));
        QCOMPARE(weight(link), QStringLiteral("0.00"));
    }

    void unitCaptionsAreRewrittenInTheirOrder()
    {
        QStringList order;
        for (const char *name : {"txtHt", "txtLen", "txtWd"})
            connect(box(link, name), &QLineEdit::textChanged, this, [&order, name] { order << QLatin1String(name); });
        opt(link, "optInches")->click();
        QCOMPARE(order, (QStringList{"txtHt", "txtLen", "txtWd"}));
    }

    void steelSelectedAgainSaysStainlessSteel()
    {
        retype(box(pin, "txtDiameter"), QStringLiteral("50"));
        retype(box(pin, "txtLength"), QStringLiteral("200"));
        opt(pin, "optAluminium")->click();
        QCOMPARE(box(pin, "txtMat")->text(), QStringLiteral("Aluminium"));
        QCOMPARE(weight(pin), QStringLiteral("1.10"));
        opt(pin, "optSteel")->click();
        QCOMPARE(box(pin, "txtMat")->text(), QStringLiteral("Stainless Steel"));
        QCOMPARE(weight(pin), QStringLiteral("3.08"));
    }

    void clickingIntoAnInputRecomputes()
    {
        // Typed into the weight box by hand: a click into an input puts the weight back.
        retype(box(pin, "txtDiameter"), QStringLiteral("50"));
        retype(box(pin, "txtLength"), QStringLiteral("200"));
        box(pin, "txtWeight")->setText(QStringLiteral("scribble"));
        QTest::mouseClick(box(pin, "txtLength"), Qt::LeftButton);
        QCOMPARE(weight(pin), QStringLiteral("3.08"));
        // Clicking into a box of a fresh window computes 0.00 from the empty inputs.
        QTest::mouseClick(box(link, "txtWidth"), Qt::LeftButton);
        QCOMPARE(weight(link), QStringLiteral("0.00"));
    }

    void tabOrderFollowsTheLayout()
    {
        pin->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pin));
        box(pin, "txtDiameter")->setFocus();
        QTest::keyClick(pin, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(pin, "txtLength"));
        QTest::keyClick(pin, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), opt(pin, "optSteel"));
    }

    void germanLocaleShowsDecimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        retype(box(pin, "txtDiameter"), QStringLiteral("1000"));
        retype(box(pin, "txtLength"), QStringLiteral("10000"));
        QCOMPARE(weight(pin), QStringLiteral("61.600,00"));
        // A comma typed by the user is still no decimal point: 1,5 reads as 1.
        retype(box(pin, "txtDiameter"), QStringLiteral("1,5"));
        retype(box(pin, "txtLength"), QStringLiteral("1e6"));
        // 1e6 * 0.00616 * 1 / 1000 = 6.16
        QCOMPARE(weight(pin), QStringLiteral("6,16"));
    }

    void screenshots()
    {
        retype(box(pin, "txtDiameter"), QStringLiteral("50"));
        retype(box(pin, "txtLength"), QStringLiteral("200"));
        retype(box(link, "txtLength"), QStringLiteral("1000"));
        retype(box(link, "txtWidth"), QStringLiteral("100"));
        retype(box(link, "txtHeight"), QStringLiteral("50"));
        QCOMPARE(weight(pin), QStringLiteral("3.08"));
        QCOMPARE(weight(link), QStringLiteral("39.21"));
        const QList<QPair<QWidget *, QString>> shots{{pin, QStringLiteral("frmPinWeight-3.08.png")},
                                                     {link, QStringLiteral("frmLinkWeight-39.21.png")}};
        for (const auto &[window, file] : shots) {
            const QImage shot = uitest::grab(window, file);
            QCOMPARE(shot.deviceIndependentSize().toSize(), window->size());
            // The weight is drawn in red on its black box.
            QVERIFY(uitest::pixelsOf(shot, box(window, "txtWeight"), QColor(255, 0, 0)) > 20);
            QVERIFY(uitest::pixelsOf(shot, box(window, "txtWeight"), QColor(0, 0, 0)) > 1000);
            // The material frame is white inside, right of its options and between them.
            const QPoint frame = window->findChild<QWidget *>(QStringLiteral("Frame1"))->pos();
            for (const QPoint &twips : {QPoint(1300, 1000), QPoint(700, 1650)})
                QCOMPARE(shot.pixelColor((frame + uitest::point(twips.x(), twips.y())) * shot.devicePixelRatio()),
                         QColor(255, 255, 255));
        }
    }
};

VORVAN_UI_TEST_MAIN(tst_Weights)
#include "tst_weights.moc"
