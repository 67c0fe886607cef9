// At a scale factor of 2 every window is laid out exactly as at 1 (in
// device-independent pixels) and pictures are drawn at the screen's full
// resolution. The test runs itself twice, once per scale, and compares.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>

namespace {

// Opens every window from the menu and prints each named control's geometry.
int dumpGeometry()
{
    auto *menu = vorvan::startProgram();
    vorvan::openEveryWindow(menu);
    QTextStream out(stdout);
    QStringList lines;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        // Some windows set their outer size, the others keep their client size; the frame
        // (its width in device pixels is the same at both scales) makes up the difference.
        const QSize outer = w->frameGeometry().size();
        lines << QStringLiteral("%1 size outer %2x%3 client %4x%5")
                     .arg(w->objectName())
                     .arg(outer.width())
                     .arg(outer.height())
                     .arg(w->width())
                     .arg(w->height());
        for (QWidget *c : w->findChildren<QWidget *>()) {
            // The central area and the painted layer fill whatever the frame leaves.
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) ||
                c->objectName() == QLatin1String("client") || c->objectName() == QLatin1String("shapeLayer"))
                continue;
            const QRect g(c->mapTo(w, QPoint(0, 0)), c->size());
            lines << QStringLiteral("%1/%2 %3,%4 %5x%6 %7")
                         .arg(w->objectName(), c->objectName())
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(c->isVisibleTo(w) ? QStringLiteral("shown") : QStringLiteral("hidden"));
        }
        // Pictures are drawn at the screen's own resolution (vector), not stretched from fewer pixels.
        for (auto *picture : w->findChildren<vorvan::kit::Picture *>()) {
            const QPixmap pm = picture->grab();
            const bool crisp = pm.devicePixelRatio() == w->devicePixelRatio() &&
                               pm.width() == qRound(picture->width() * w->devicePixelRatio());
            lines << QStringLiteral("%1/%2 drawn at full resolution: %3")
                         .arg(w->objectName(), picture->objectName(),
                              crisp ? QStringLiteral("yes") : QStringLiteral("no"));
        }
    }
    lines.sort();
    out << lines.join(QLatin1Char('\n')) << Qt::endl;
    return 0;
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

    static QStringList runAt(const QString &scale)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dump")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return {QStringLiteral("failed: ") + QString::fromLocal8Bit(p.readAllStandardError())};
        return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void scaleTwoLaysOutAsScaleOne()
    {
        const QStringList one = runAt(QStringLiteral("1"));
        const QStringList two = runAt(QStringLiteral("2"));
        QVERIFY2(one.size() > 20, qPrintable(one.join(QLatin1Char('\n'))));
        QCOMPARE(two.size(), one.size());
        for (qsizetype i = 0; i < one.size(); ++i) {
            if (one[i].contains(QLatin1String(" size outer "))) {
                // Either the outer or the client size is the window's own; that one must match.
                const QStringList a = one[i].split(QLatin1Char(' ')), b = two[i].split(QLatin1Char(' '));
                QVERIFY2(a[3] == b[3] || a[5] == b[5], qPrintable(one[i] + QStringLiteral(" / ") + two[i]));
            } else {
                QCOMPARE(two[i], one[i]);
            }
        }
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--dump") {
        uitest::setUp();
        return dumpGeometry();
    }
    uitest::setUp();
    tst_HiDpi tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_hidpi.moc"
