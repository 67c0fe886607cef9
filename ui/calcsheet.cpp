#include "ui/calcsheet.h"

#include "app/hooks.h"
#include "app/maker.h"
#include "version.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace vorvan::ui {

namespace {

QString sheetTitle()
{
    return QStringLiteral("Save as PDF");
}

QString versionText()
{
    return QStringLiteral("VorvanCalc %1.%2").arg(VORVAN_VERSION_MAJOR).arg(VORVAN_VERSION_MINOR);
}

// The paper a printer here holds: Letter where sizes are in US units, A4 elsewhere.
QPageSize paperHere()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QFont sheetFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One line of text with its top at `top`, across `width`; returns the next line's top.
qreal textLine(QPainter &painter, const QFont &font, const QString &text, qreal top, qreal width,
               Qt::Alignment align = Qt::AlignLeft)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QRectF(0, top, width, metrics.height()), align | Qt::AlignTop | Qt::TextSingleLine, text);
    return top + metrics.lineSpacing();
}

void rule(QPainter &painter, qreal y, qreal width)
{
    painter.setPen(QPen(Qt::gray, 0.5));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
}

// The sheet on a page whose printable area is `page`, in points.
void drawSheet(QPainter &painter, QWidget *window, const QStringList &lines, const QSizeF &page)
{
    const qreal width = page.width();
    const qreal gap = 14;
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();

    textLine(painter, sheetFont(9), versionText(), 4, width, Qt::AlignRight);
    qreal top = textLine(painter, sheetFont(16, true), window->windowTitle(), 0, width);
    top = textLine(painter, sheetFont(10),
                   locale.toString(now.date(), QLocale::LongFormat) + QStringLiteral(", ") +
                       locale.toString(now.time(), QLocale::ShortFormat),
                   top, width);
    rule(painter, top + gap / 2, width);
    top += gap;

    // The maker's details as the menu window shows them, at the page's foot.
    const QFont footFont = sheetFont(8.5);
    const qreal footTop = page.height() - QFontMetricsF(footFont, painter.device()).height();
    rule(painter, footTop - gap / 2, width);
    painter.setPen(Qt::darkGray);
    textLine(painter, footFont,
             QStringLiteral("Web Site:  %1      Email: %2      Tel: %3")
                 .arg(QLatin1String(maker::webAddress), QLatin1String(maker::email), QLatin1String(maker::phone)),
             footTop, width, Qt::AlignHCenter);

    // The window across the page, or smaller where its height would leave no room for the text.
    const QFont bodyFont = sheetFont(11);
    const qreal textHeight = lines.size() * QFontMetricsF(bodyFont, painter.device()).lineSpacing();
    const QSizeF shown = window->size();
    const qreal scale = std::min(width / shown.width(), (footTop - 2 * gap - textHeight - top) / shown.height());
    const QRectF picture((width - shown.width() * scale) / 2, top, shown.width() * scale, shown.height() * scale);
    painter.save();
    painter.translate(picture.topLeft());
    painter.scale(scale, scale);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
    painter.setPen(QPen(Qt::gray, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture);

    painter.setPen(Qt::black);
    top = picture.bottom() + gap;
    for (qsizetype i = 0; i < lines.size(); ++i)
        top = textLine(painter, i == 0 ? sheetFont(11, true) : bodyFont, lines[i], top, width);
}

// Writes the sheet to `path` whole or not at all; the reason it could not, or empty.
QString writeSheet(QWidget *window, const QString &summary, const QString &path)
{
    QSaveFile file(path);
    // Unbuffered: a write that fails says so itself, where a buffer flushed
    // at commit() could lose the failure and put a cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(window->windowTitle());
        writer.setCreator(versionText());
        writer.setResolution(72); // one unit a point
        writer.setPageLayout(
            QPageLayout(paperHere(), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return QStringLiteral("The page could not be drawn.");
        drawSheet(painter, window, summary.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                  writer.pageLayout().paintRectPoints().size());
        painter.end();
    }
    // A write cut short (a full disk) is told only by the next one, which fails
    // with the reason. An unfinished file goes with its QSaveFile; only
    // commit() puts it in place.
    for (qint64 written = 0, n = 0; written < pdf.size(); written += n)
        if ((n = file.write(pdf.data().constData() + written, pdf.size() - written)) <= 0)
            return file.errorString();
    return file.commit() ? QString() : file.errorString();
}

void saveAsPdf(QWidget *window, const std::function<QString()> &summary)
{
    const QString name =
        window->windowTitle() + QLatin1Char(' ') + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".pdf");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Without a documents folder the dialog would open wherever the program was started.
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path = hooks().saveFileName({.parent = window,
                                               .title = sheetTitle(),
                                               .path = QDir(folder).filePath(name),
                                               .filter = QStringLiteral("PDF files (*.pdf)"),
                                               .suffix = QStringLiteral("pdf")});
    if (path.isEmpty())
        return;
    if (const QString reason = writeSheet(window, summary(), path); !reason.isEmpty())
        showMessageBox({QStringLiteral("The calculation sheet could not be saved as\n%1\n\n%2")
                            .arg(QDir::toNativeSeparators(path), reason),
                        sheetTitle(), true});
}

} // namespace

void offerSaveAsPdf(QWidget *window, std::function<QString()> summary)
{
    auto *save = new QAction(QStringLiteral("Save as PDF\u2026"), window);
    save->setObjectName(QStringLiteral("actSaveAsPdf"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    save->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(save, &QAction::triggered, window, [window, summary] { saveAsPdf(window, summary); });
    window->addAction(save);
}

} // namespace vorvan::ui
