// Every window the menu opens, walked through Qt's accessibility interface as a
// screen reader walks it: every control a user can reach has a role and a name,
// value boxes expose their text, sliders their value and limits.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

class tst_Accessibility : public QObject
{
    Q_OBJECT

    static void walk(QAccessibleInterface *iface, const QString &window, QStringList &problems, int &interactive)
    {
        if (!iface || !iface->isValid())
            return;
        const QAccessible::Role role = iface->role();
        const QString name = iface->text(QAccessible::Name);
        const QString object = iface->object() ? iface->object()->objectName() : QString();
        const bool reachable = iface->state().focusable && !iface->state().invisible;
        if (reachable && role != QAccessible::Window && role != QAccessible::Client) {
            ++interactive;
            if (name.trimmed().isEmpty())
                problems << QStringLiteral("%1/%2: no name (role %3)").arg(window, object).arg(role);
        }
        if (role == QAccessible::ScrollBar || role == QAccessible::Slider) {
            QAccessibleValueInterface *v = iface->valueInterface();
            if (!v || !v->maximumValue().isValid() || !v->minimumValue().isValid() || !v->currentValue().isValid())
                problems << QStringLiteral("%1/%2: slider without value and limits").arg(window, object);
        }
        if (role == QAccessible::StaticText && iface->object()) {
            const QString shown = iface->object()->property("text").toString();
            if (name != shown)
                problems << QStringLiteral("%1/%2: text \"%3\" but name \"%4\"").arg(window, object, shown, name);
        }
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), window, problems, interactive);
    }

private Q_SLOTS:
    void everyReachableControlIsNamed()
    {
        auto *menu = vorvan::startProgram();
        vorvan::openEveryWindow(menu);
        QStringList problems;
        int windows = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            ++windows;
            int interactive = 0;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            QCOMPARE(iface->text(QAccessible::Name), w->windowTitle());
            walk(iface, w->objectName(), problems, interactive);
            QVERIFY2(interactive > 0 || w->objectName().startsWith(QLatin1String("frmInfo")),
                     qPrintable(w->objectName() + QStringLiteral(" has nothing to reach")));
        }
        QVERIFY(windows >= 3);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void messageBoxesAreAnnounced()
    {
        // Screen readers announce a shown window whose role is an alert, reading its title and text.
        QPointer<QMessageBox> box = vorvan::makeMessageBox({QStringLiteral("Overflow"), QStringLiteral("Error 6")});
        box->show();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::AlertMessage);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Error 6"));
        QVERIFY(iface->text(QAccessible::Description).contains(QStringLiteral("Overflow")) ||
                iface->text(QAccessible::Value).contains(QStringLiteral("Overflow")));
        QCOMPARE(box->buttons().size(), 1);
        QVERIFY(box->isModal());
        box->close();
    }

    void menuEntriesHaveAccessKeys()
    {
        auto *menu = qobject_cast<QMainWindow *>(uitest::topLevel(QStringLiteral("frmMenu")));
        QVERIFY(menu);
        for (QAction *a : menu->menuBar()->actions())
            QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
    }
};

VORVAN_UI_TEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
