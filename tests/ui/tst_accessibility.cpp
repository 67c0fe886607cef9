// Every window the menu opens, walked through Qt's accessibility interface as a
// screen reader walks it: every control a user can reach has a role and a name,
// value boxes expose their text, sliders their value and limits.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/frminfo.h"
#include "ui/kit/form.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolTip>

#include <cmath>
#include <functional>

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

    // Desktop colour schemes as the platform theme hands them to Qt: the
    // application palette, the palettes it keeps for kinds of control, and the
    // tool tips' own. Breeze Dark's colours are those of KDE's kdeglobals.
    static QPalette scheme(const QString &name)
    {
        if (name == QLatin1String("light"))
            return QPalette(QColor(239, 239, 239), QColor(239, 239, 239));
        const bool dark = name == QLatin1String("dark");
        const QColor window = dark ? QColor(32, 35, 38) : QColor(0, 0, 0);
        const QColor button = dark ? QColor(49, 54, 59) : QColor(0, 0, 0);
        const QColor text = dark ? QColor(252, 252, 252) : QColor(255, 255, 255);
        QPalette p(button, window);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                          QPalette::HighlightedText, QPalette::BrightText})
            p.setColor(role, text);
        p.setColor(QPalette::Base, dark ? QColor(27, 30, 32) : QColor(0, 0, 0));
        p.setColor(QPalette::AlternateBase, dark ? QColor(35, 38, 41) : QColor(0, 0, 0));
        p.setColor(QPalette::ToolTipBase, button);
        p.setColor(QPalette::Highlight, dark ? QColor(61, 174, 233) : QColor(255, 255, 0));
        p.setColor(QPalette::PlaceholderText, dark ? QColor(161, 169, 177) : QColor(255, 255, 255));
        return p;
    }

    // Puts a scheme in place the way Qt's platform theme does before any window
    // is built, then sets up the program's look as its start-up does.
    static void useScheme(const QString &name)
    {
        const QPalette p = scheme(name);
        QApplication::setPalette(p);
        for (const char *kind : {"QAbstractButton", "QRadioButton", "QLabel", "QGroupBox", "QLineEdit", "QMenu",
                                 "QMenuBar", "QTextEdit", "QTextControl", "QMessageBoxLabel", "QToolButton"})
            QApplication::setPalette(p, kind);
        QToolTip::setPalette(p);
        vorvan::installLook(*qApp);
    }

    // WCAG relative luminance and contrast ratio.
    static double luminance(QRgb c)
    {
        auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    }
    static double contrast(QRgb a, QRgb b)
    {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }
    static QRgb commonest(const QImage &image)
    {
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y) | 0xff000000u];
        QRgb best = 0;
        int most = -1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > most)
                best = it.key(), most = it.value();
        return best;
    }

    // The contrast of a control's text with what it stands on, from the pixels:
    // the control is drawn with its text and without it, and every pixel the
    // text changes weighs the ink against what was there.
    static double textContrast(QWidget *window, QWidget *control, const std::function<void(const QString &)> &set,
                               const QString &text)
    {
        const QRect r(control->mapTo(window, QPoint()), control->size());
        const QImage with = window->grab(r).toImage();
        {
            const QSignalBlocker quiet(control);
            set(QString());
        }
        const QImage without = window->grab(r).toImage();
        {
            const QSignalBlocker quiet(control);
            set(text);
        }
        // Where a text breaks a line (a frame's caption), the gap shows the plain
        // background: such pixels say nothing of the ink.
        const QRgb plain = commonest(with);
        double best = 1.0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if ((with.pixel(x, y) | 0xff000000u) != plain)
                    best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
        return best;
    }

    // Every control of the window that shows a text, with its contrast.
    static QHash<QString, double> readTexts(QWidget *window)
    {
        QHash<QString, double> read;
        int index = 0;
        // A tool tip is a label of its own: the window itself is read too.
        QList<QWidget *> controls = window->findChildren<QWidget *>();
        controls << window;
        for (QWidget *c : std::as_const(controls)) {
            ++index;
            if ((c != window && !c->isVisibleTo(window)) || c->size().isEmpty())
                continue;
            const QString key =
                c->objectName().isEmpty()
                    ? QStringLiteral("%1 #%2").arg(QLatin1String(c->metaObject()->className())).arg(index)
                    : c->objectName();
            QString text;
            std::function<void(const QString &)> set;
            if (auto *l = qobject_cast<QLabel *>(c); l && l->pixmap().isNull())
                text = l->text(), set = [l](const QString &t) { l->setText(t); };
            else if (auto *b = qobject_cast<QAbstractButton *>(c))
                text = b->text(), set = [b](const QString &t) { b->setText(t); };
            else if (auto *e = qobject_cast<QLineEdit *>(c))
                text = e->text(), set = [e](const QString &t) { e->setText(t); };
            else if (auto *v = qobject_cast<vorvan::ui::DocumentView *>(c)) {
                const QString html = v->document()->toHtml();
                text = v->document()->toPlainText();
                set = [v, html](const QString &t) {
                    t.isEmpty() ? v->document()->clear() : v->document()->setHtml(html);
                };
            } else if (auto *g = qobject_cast<QGroupBox *>(c))
                text = g->title(), set = [g](const QString &t) { g->setTitle(t); };
            else if (auto *bar = qobject_cast<QMenuBar *>(c)) {
                // Menu titles keep their width, so they are read against their item's own background.
                for (QAction *a : bar->actions()) {
                    const QRect r(bar->mapTo(window, bar->actionGeometry(a).topLeft()), bar->actionGeometry(a).size());
                    const QImage item = window->grab(r).toImage();
                    const QRgb plain = commonest(item);
                    double best = 1.0;
                    for (int y = 0; y < item.height(); ++y)
                        for (int x = 0; x < item.width(); ++x)
                            best = std::max(best, contrast(item.pixel(x, y), plain));
                    read.insert(QStringLiteral("menu bar: ") + a->text(), best);
                }
            }
            if (!text.trimmed().isEmpty())
                read.insert(key, textContrast(window, c, set, text));
        }
        return read;
    }

    // A window, or a message box or tool tip, brought to the state the row names.
    static QWidget *build(const QString &subject, const QString &state, QPointer<vorvan::kit::Form> &form)
    {
        if (subject == QLatin1String("frmMenu")) {
            QWidget *menu = vorvan::startProgram();
            QApplication::processEvents();
            return menu;
        }
        if (subject == QLatin1String("message box")) {
            QMessageBox *box =
                vorvan::makeMessageBox({QStringLiteral("Entered Values Must Be Numeric"), QStringLiteral("Error 6")});
            box->setProperty("shownByTest", true);
            box->show();
            QApplication::processEvents();
            return box;
        }
        if (subject == QLatin1String("tool tip")) {
            vorvan::openWindow(form, vorvan::windowEntry("frmPinCalc"));
            // Events still due to the new window would hide the tip: they run first.
            QApplication::processEvents();
            QToolTip::showText(form->mapToGlobal(QPoint(40, 40)), QStringLiteral("Rated load in tonnes"), form);
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    return w;
            return nullptr;
        }
        QWidget *w = vorvan::openWindow(form, vorvan::windowEntry(subject.toLatin1().constData()));
        auto move = [w](const char *slider, int value) { CHILD(QScrollBar, w, slider)->setValue(value); };
        if (state == QLatin1String("acceptable"))
            move("hsbLoad", 161);
        else if (state == QLatin1String("too high"))
            move("hsbDiameter", 60), move("hsbLoad", 700);
        else if (state == QLatin1String("too low"))
            move("hsbLoad", 1);
        else if (state == QLatin1String("proof load"))
            move("hsbLoad", 1), move("hsbLoad", 700), move("hsbLoad", 200);
        else if (state == QLatin1String("calculated")) {
            CHILD(QLineEdit, w, "txtWire")->setText(QStringLiteral("10"));
            CHILD(QLineEdit, w, "txtWrapMax")->setText(QStringLiteral("120"));
            CHILD(QLineEdit, w, "txtWrapMin")->setText(QStringLiteral("60"));
            CHILD(QAbstractButton, w, "cmdCompute")->click();
        }
        QApplication::processEvents();
        return w;
    }

private Q_SLOTS:
    // Every text of every window, message box and tool tip reads under the
    // desktop's scheme: at least 4.5 : 1 against what it stands on, or, where the
    // window's own colours make a weaker pair, as well as in a light session.
    void textsReadUnderEveryScheme_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("state");
        QTest::newRow("menu") << QStringLiteral("frmMenu") << QString();
        for (const vorvan::WindowEntry &e : vorvan::windowTable())
            QTest::newRow(e.name) << QString::fromLatin1(e.name) << QString();
        for (const char *state : {"acceptable", "too high", "too low", "proof load"})
            QTest::addRow("frmPinCalc %s", state) << QStringLiteral("frmPinCalc") << QString::fromLatin1(state);
        QTest::newRow("frmDeflect calculated") << QStringLiteral("frmDeflect") << QStringLiteral("calculated");
        QTest::newRow("message box") << QStringLiteral("message box") << QString();
        QTest::newRow("tool tip") << QStringLiteral("tool tip") << QString();
    }

    void textsReadUnderEveryScheme()
    {
        QFETCH(QString, subject);
        QFETCH(QString, state);
        QHash<QString, double> light;
        QStringList problems;
        for (const QString &name : {QStringLiteral("light"), QStringLiteral("dark"), QStringLiteral("high contrast")}) {
            useScheme(name);
            QPointer<vorvan::kit::Form> form;
            QPointer<QWidget> shown = build(subject, state, form);
            QVERIFY2(shown, qPrintable(subject + QStringLiteral(" did not show")));
            const QHash<QString, double> read = readTexts(shown);
            QVERIFY2(!read.isEmpty(), qPrintable(subject + QStringLiteral(": no text read")));
            if (name == QLatin1String("light"))
                light = read;
            for (auto it = read.cbegin(); it != read.cend(); ++it) {
                const double floor = std::min(4.5, light.value(it.key(), 4.5)) - 0.05;
                if (it.value() < floor)
                    problems << QStringLiteral("%1: %2 %3 : 1 (light %4)")
                                    .arg(name, it.key())
                                    .arg(it.value(), 0, 'f', 2)
                                    .arg(light.value(it.key()), 0, 'f', 2);
            }
            QToolTip::hideText();
            uitest::deleteLeftWindows();
            delete shown;
            delete form;
        }
        useScheme(QStringLiteral("light"));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
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
