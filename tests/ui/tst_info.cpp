// The five help windows, opened from the menu's Help entries: one window per
// entry, centred at each creation, the stored document shown at its natural
// size, every line of it inside the view, and nothing that moves or scrolls.
#include "uitest.h"

#include "app/frmmenu.h"
#include "app/shell.h"
#include "app/windows.h"
#include "ui/frminfo.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextTable>
#include <QWheelEvent>

#include <cmath>

using vorvan::ui::DocumentView;

namespace {

// Pixels from twips at 15 twips a pixel, rounded to the nearest.
int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// A window that centres itself: left = (screen width - window width) / 2 and the
// same for top, with the outer size; a half pixel rounds away from zero.
QPoint centredOn(const QRect &screen, const QSize &outer)
{
    return screen.topLeft() + QPoint(static_cast<int>(std::lround((screen.width() - outer.width()) / 2.0)),
                                     static_cast<int>(std::lround((screen.height() - outer.height()) / 2.0)));
}

// The extent of everything drawn (text, rules, borders, pictures) when the
// whole document is painted on an unclipped white page.
QRect inkOf(QTextDocument *doc)
{
    const QSize size = doc->size().toSize() + QSize(40, 40);
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc->documentLayout()->draw(&p, context);
    p.end();
    int left = size.width(), top = size.height(), right = -1, bottom = -1;
    for (int y = 0; y < size.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if ((row[x] & 0xffffff) == 0xffffff)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

class tst_Info : public QObject
{
    Q_OBJECT

    QMainWindow *menu = nullptr;

    QAction *entry(const QString &name) { return menu->menuBar()->findChild<QAction *>(name); }

    QWidget *open(const QString &action, const QString &window)
    {
        QAction *a = entry(action);
        if (!a || !a->isEnabled())
            return nullptr;
        a->trigger();
        QWidget *w = uitest::topLevel(window);
        if (w && !QTest::qWaitForWindowExposed(w))
            return nullptr;
        return w;
    }

    static void closeAndWait(QWidget *w)
    {
        QPointer<QWidget> gone(w);
        w->close();
        QTRY_VERIFY(gone.isNull());
    }

    // Row: menu entry, window, caption, client size, view position and size,
    // the document's natural size (all twips, as the window lays them out), the document's title.
    static void windowTable()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("view");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("weights") << "mnuWeight"
                                 << "frmInfoWeight"
                                 << "Help - weights" << QSize(8895, 4830) << QRect(120, 120, 8655, 4575)
                                 << QSize(8941, 5169) << "Pin Weight";
        QTest::newRow("pin") << "mnuPin"
                             << "frmInfoPin"
                             << "Help - pin" << QSize(8880, 3870) << QRect(120, 120, 8655, 3615) << QSize(8640, 4232)
                             << "Load Pin Design";
        QTest::newRow("wrap") << "mnuWrap"
                              << "frmInfoWrap"
                              << "Help - wrap" << QSize(9015, 4125) << QRect(120, 0, 8775, 3975) << QSize(8640, 4186)
                              << "Wrap angle";
        QTest::newRow("off axis") << "mnuOffAx"
                                  << "frmInfoOffax"
                                  << "Help - off axis loading" << QSize(9000, 2805) << QRect(120, 0, 8895, 2775)
                                  << QSize(8640, 3955) << "Off Axis loading";
        QTest::newRow("XY") << "mnuXYsim2"
                            << "frmInfoXYsim"
                            << "Help - XY simulator" << QSize(8970, 8490) << QRect(0, 0, 8895, 8415)
                            << QSize(8640, 8083) << "XY Pin simulator";
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
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != menu && w->isVisible() && w->objectName().startsWith(QLatin1String("frmInfo")))
                closeAndWait(w);
        QVERIFY(uitest::noStrayDialogs());
    }

    void opensWithItsLayout_data() { windowTable(); }
    void opensWithItsLayout()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QRect, view);
        QFETCH(QString, title);
        QVERIFY(!uitest::topLevel(window));
        QWidget *w = open(action, window);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), QSize(px(client.width()), px(client.height())));
        QCOMPARE(w->frameGeometry().topLeft(), centredOn(w->screen()->geometry(), w->frameGeometry().size()));
        QCOMPARE(w->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        QVERIFY(w->autoFillBackground());
        QVERIFY(!w->windowIcon().isNull());

        auto *OLE1 = CHILD(DocumentView, w, "OLE1");
        QCOMPARE(OLE1->geometry(), twipsRect(view.x(), view.y(), view.width(), view.height()));
        // A thin sunken border, then the page.
        QCOMPARE(OLE1->frameShadow(), QFrame::Sunken);
        QCOMPARE(OLE1->frameWidth(), 1);
        QCOMPARE(OLE1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(OLE1->document()->firstBlock().text(), title);
    }

    // Choosing an entry twice leaves one window, in front, where the user left it.
    void secondChoiceBringsToFront_data() { windowTable(); }
    void secondChoiceBringsToFront()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QWidget *w = open(action, window);
        QVERIFY(w);
        const QPoint moved = w->frameGeometry().topLeft() + QPoint(37, -21);
        w->move(moved);
        // Another window comes in front of it.
        QWidget *other =
            open(action == QLatin1String("mnuPin") ? QStringLiteral("mnuWrap") : QStringLiteral("mnuPin"),
                 action == QLatin1String("mnuPin") ? QStringLiteral("frmInfoWrap") : QStringLiteral("frmInfoPin"));
        QVERIFY(other);
        QTRY_COMPARE(QApplication::activeWindow(), other);

        entry(action)->trigger();
        QCOMPARE(uitest::topLevels(window).size(), 1);
        QCOMPARE(uitest::topLevel(window), w);
        QCOMPARE(w->frameGeometry().topLeft(), moved);
        QTRY_COMPARE(QApplication::activeWindow(), w);
    }

    // Closing and opening again centres the window again and shows the document
    // as stored, whatever had become of the old one.
    void reopenShowsStoredDocument_data() { windowTable(); }
    void reopenShowsStoredDocument()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QWidget *w = open(action, window);
        QVERIFY(w);
        const QString stored = CHILD(DocumentView, w, "OLE1")->document()->toPlainText();
        QVERIFY(stored.startsWith(title));
        CHILD(DocumentView, w, "OLE1")->document()->setPlainText(QStringLiteral("changed"));
        w->move(w->frameGeometry().topLeft() + QPoint(50, 30));
        closeAndWait(w);

        w = open(action, window);
        QVERIFY(w);
        QCOMPARE(w->frameGeometry().topLeft(), centredOn(w->screen()->geometry(), w->frameGeometry().size()));
        QCOMPARE(CHILD(DocumentView, w, "OLE1")->document()->toPlainText(), stored);
    }

    // Maximizing moves nothing: the view keeps its place and size, and the
    // enlarged client area shows the window's background.
    void maximizingMovesNothing_data() { windowTable(); }
    void maximizingMovesNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QRect, view);
        QWidget *w = open(action, window);
        QVERIFY(w);
        const QSize laidOut = w->size();
        w->showMaximized();
        QTRY_VERIFY(w->width() > laidOut.width() || w->height() > laidOut.height());
        auto *OLE1 = CHILD(DocumentView, w, "OLE1");
        QCOMPARE(OLE1->geometry(), twipsRect(view.x(), view.y(), view.width(), view.height()));
        const QImage shot = w->grab().toImage();
        const QPoint corner(w->width() - 2, w->height() - 2);
        QVERIFY(!OLE1->geometry().contains(corner));
        QCOMPARE(shot.pixelColor(corner * shot.devicePixelRatio()), QApplication::palette().color(QPalette::Button));
    }

    // Every line of text, and everything else the document draws, lies inside
    // the part of the page that the view shows: the clipping takes only blank
    // margin. Worked out from the layout of the document in the opened view.
    void documentFitsItsView_data() { windowTable(); }
    void documentFitsItsView()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QSize, page);
        QWidget *w = open(action, window);
        QVERIFY(w);
        auto *OLE1 = CHILD(DocumentView, w, "OLE1");
        QTextDocument *doc = OLE1->document();
        // The document is laid out on its natural page width, with no scaling.
        QCOMPARE(doc->textWidth(), qreal(px(page.width())));
        // The page starts inside the border at the view's top left corner.
        const QRect shown = OLE1->shownPage();
        QCOMPARE(shown.topLeft(), OLE1->contentsRect().topLeft());
        QCOMPARE(shown.topLeft(), QPoint(OLE1->frameWidth(), OLE1->frameWidth()));
        // What shows, in document coordinates.
        const QRectF visible(QPointF(0, 0), QSizeF(shown.size()));

        int lines = 0;
        QStringList clipped;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QPointF origin = doc->documentLayout()->blockBoundingRect(block).topLeft();
            QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const QString text = block.text().mid(line.textStart(), line.textLength());
                if (text.trimmed().isEmpty())
                    continue;
                ++lines;
                const QRectF r = line.naturalTextRect().translated(origin);
                if (!visible.contains(r))
                    clipped << QStringLiteral("\"%1\" at %2,%3 %4x%5")
                                   .arg(text.trimmed())
                                   .arg(r.x())
                                   .arg(r.y())
                                   .arg(r.width())
                                   .arg(r.height());
            }
        }
        QVERIFY(lines > 0);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));

        // Rules, table borders and the graph as well as the text.
        const QRect ink = inkOf(doc);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(QRect(QPoint(0, 0), shown.size()).contains(ink),
                 qPrintable(QStringLiteral("drawn %1,%2 to %3,%4; shown %5x%6")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())
                                .arg(shown.width())
                                .arg(shown.height())));
        uitest::grab(w, window + QStringLiteral(".png"));
    }

    // The weight document's density table and the simulator's graph, as the
    // documents hold them.
    void weightTableAndGraph()
    {
        QWidget *w = open(QStringLiteral("mnuWeight"), QStringLiteral("frmInfoWeight"));
        QVERIFY(w);
        QTextDocument *doc = CHILD(DocumentView, w, "OLE1")->document();
        QTextTable *table = nullptr;
        for (QTextFrame *f : doc->rootFrame()->childFrames())
            if ((table = qobject_cast<QTextTable *>(f)))
                break;
        QVERIFY(table);
        QCOMPARE(table->rows(), 4);
        QCOMPARE(table->columns(), 3);
        const auto cell = [&](int r, int c) { return table->cellAt(r, c).firstCursorPosition().block().text(); };
        // The densities of steel, aluminium and titanium in kg/cm3 and lb/in3.
        const QStringList expected = {
            QStringLiteral("Material"),  QStringLiteral("kg/cm\u00b3"), QStringLiteral("lb/in\u00b3"),
            QStringLiteral("Steel"),     QStringLiteral("0.00784"),     QStringLiteral("0.283"),
            QStringLiteral("Aluminium"), QStringLiteral("0.00280"),     QStringLiteral("0.101"),
            QStringLiteral("Titanium"),  QStringLiteral("0.00452"),     QStringLiteral("0.163")};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(cell(r, c), expected[r * 3 + c]);
        // Its rule is a grey line across the page, drawn alike by every Qt: the
        // longest run of one colour other than the page's white is that grey.
        DocumentView *view = CHILD(DocumentView, w, "OLE1");
        const QImage shot = view->grab(view->shownPage()).toImage();
        const QColor grey = QApplication::palette().color(QPalette::Dark);
        int longest = 0;
        QRgb longestColour = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0, run = 0; x < shot.width(); ++x) {
                const QRgb c = shot.pixel(x, y);
                run = (x > 0 && c == shot.pixel(x - 1, y)) ? run + 1 : 1;
                if (c != qRgb(255, 255, 255) && run > longest)
                    longest = run, longestColour = c;
            }
        QVERIFY2(longest > 300, qPrintable(QString::number(longest)));
        QCOMPARE(QColor(longestColour).name(), grey.name());

        w = open(QStringLiteral("mnuXYsim2"), QStringLiteral("frmInfoXYsim"));
        QVERIFY(w);
        doc = CHILD(DocumentView, w, "OLE1")->document();
        // The graph stands between the first and the second paragraph after the title.
        const QTextBlock graph = doc->findBlockByNumber(2);
        QCOMPARE(graph.text(), QString(QChar::ObjectReplacementCharacter));
        const QTextImageFormat image = graph.begin().fragment().charFormat().toImageFormat();
        QVERIFY(image.isValid());
        const QVariant picture = doc->resource(QTextDocument::ImageResource, QUrl(image.name()));
        QVERIFY(picture.canConvert<QImage>());
        QVERIFY(!picture.value<QImage>().isNull());
        QCOMPARE(doc->documentLayout()->blockBoundingRect(graph).height() >= 250, true);
    }

    // Nothing scrolls: wheel and paging keys leave the view as it was.
    void viewNeverScrolls()
    {
        QWidget *w = open(QStringLiteral("mnuXYsim2"), QStringLiteral("frmInfoXYsim"));
        QVERIFY(w);
        auto *OLE1 = CHILD(DocumentView, w, "OLE1");
        const QImage before = OLE1->grab().toImage();
        const QPointF at = QRectF(OLE1->rect()).center();
        QWheelEvent wheel(at, OLE1->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(OLE1, &wheel);
        QTest::mouseClick(OLE1, Qt::LeftButton, Qt::NoModifier, at.toPoint());
        QTest::keyClick(w, Qt::Key_PageDown);
        QTest::keyClick(w, Qt::Key_End);
        QTest::mouseMove(OLE1, OLE1->rect().bottomRight());
        QCOMPARE(OLE1->grab().toImage(), before);
    }
};

VORVAN_UI_TEST_MAIN(tst_Info)
#include "tst_info.moc"
