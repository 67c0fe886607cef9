#include "ui/frminfo.h"

#include "ui/kit/geometry.h"
#include "ui/kit/look.h"
#include "ui/kit/painted.h"
#include "ui/kit/svgrenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextBlock>

#include <cmath>

namespace vorvan::ui {

using namespace kit;

namespace {
// ":/help/x.svg" from the name of a picture, "qrc:/help/x.svg" included.
QString resourcePath(const QUrl &name)
{
    return name.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + name.path() : name.toString();
}

// The same from the name as the <img> gives it: ":/help/x.svg" is no valid URL.
QString resourcePath(const QString &name)
{
    return name.startsWith(QLatin1String("qrc:")) ? resourcePath(QUrl(name)) : name;
}

bool isSvg(const QString &path)
{
    return path.endsWith(QLatin1String(".svg"));
}
} // namespace

StoredDocument::StoredDocument(const QString &resource, int pageWidth, QObject *parent) : QTextDocument(parent)
{
    documentLayout()->registerHandler(QTextFormat::ImageObject, new DocumentPictures(this));
    // The documents were written for this font, margin and page width; their
    // line breaks, and so what the views show, depend on all three.
    setDefaultFont(arial(9));
    setDocumentMargin(12);
    setTextWidth(pageWidth);
    setUndoRedoEnabled(false);
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        setHtml(QString::fromUtf8(file.readAll()));
}

QVariant StoredDocument::loadResource(int type, const QUrl &name)
{
    const QString path = resourcePath(name);
    if (type != QTextDocument::ImageResource || !isSvg(path))
        return QTextDocument::loadResource(type, name);
    const QImage image = svgImage(path, std::ceil(qApp->devicePixelRatio()));
    if (image.isNull())
        return {};
    addResource(type, name, image);
    return image;
}

QSizeF DocumentPictures::intrinsicSize(QTextDocument *doc, int, const QTextFormat &format)
{
    // The size the <img> gives; a side it leaves out follows the picture's proportions.
    const QTextImageFormat image = format.toImageFormat();
    const bool hasWidth = image.hasProperty(QTextFormat::ImageWidth);
    const bool hasHeight = image.hasProperty(QTextFormat::ImageHeight);
    if (hasWidth && hasHeight)
        return {image.width(), image.height()};
    const QString path = resourcePath(image.name());
    const QSizeF natural = isSvg(path)
                               ? QSizeF(SvgRenderer(path).defaultSize())
                               : qvariant_cast<QImage>(doc->resource(QTextDocument::ImageResource, QUrl(image.name())))
                                     .deviceIndependentSize();
    if (natural.isEmpty())
        return {hasWidth ? image.width() : 0, hasHeight ? image.height() : 0};
    if (hasWidth)
        return {image.width(), image.width() * natural.height() / natural.width()};
    if (hasHeight)
        return {image.height() * natural.width() / natural.height(), image.height()};
    return natural;
}

void DocumentPictures::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int,
                                  const QTextFormat &format)
{
    const QString name = format.toImageFormat().name();
    const QString path = resourcePath(name);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (isSvg(path)) {
        SvgRenderer svg(path);
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg.render(painter, rect);
    } else {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, qvariant_cast<QImage>(doc->resource(QTextDocument::ImageResource, QUrl(name))));
    }
    painter->restore();
}

DocumentView::DocumentView(QWidget *parent, const char *name, const QRect &r, QTextDocument *document,
                           const QSize &page)
    : QFrame(parent), m_document(document), m_page(page)
{
    setObjectName(QLatin1String(name));
    setGeometry(r);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(document->firstBlock().text());
    setAccessibleDescription(document->toPlainText());
}

QRect DocumentView::shownPage() const
{
    return QRect(contentsRect().topLeft(), m_page).intersected(contentsRect());
}

void DocumentView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.fillRect(contentsRect(), Qt::white);
    const QRect shown = shownPage();
    p.setClipRect(shown);
    p.translate(shown.topLeft());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), shown.size());
    context.palette.setColor(QPalette::Text, Qt::black);
    // A rule is drawn in the palette's dark grey by Qt 6.4 and in the inactive
    // window text (black) by later Qt: both get the grey, so every Qt draws it alike.
    context.palette.setColor(QPalette::Inactive, QPalette::WindowText, context.palette.color(QPalette::Dark));
    m_document->documentLayout()->draw(&p, context);
}

const InfoWindow &InfoForm::window(Topic topic)
{
    static const InfoWindow windows[] = {
        {"frmInfoWeight", "Help - weights", 8895, 4830, 120, 120, 8655, 4575, 8941, 5169, ":/help/weights.html"},
        {"frmInfoPin", "Help - pin", 8880, 3870, 120, 120, 8655, 3615, 8640, 4232, ":/help/pin.html"},
        {"frmInfoWrap", "Help - wrap", 9015, 4125, 120, 0, 8775, 3975, 8640, 4186, ":/help/wrap.html"},
        // This view reaches one pixel past the client area's right edge and is clipped there.
        {"frmInfoOffax", "Help - off axis loading", 9000, 2805, 120, 0, 8895, 2775, 8640, 3955, ":/help/offaxis.html"},
        {"frmInfoXYsim", "Help - XY simulator", 8970, 8490, 0, 0, 8895, 8415, 8640, 8083, ":/help/xysim.html"},
    };
    return windows[static_cast<int>(topic)];
}

InfoForm::InfoForm(Topic topic)
    : Form(QLatin1String(window(topic).caption), window(topic).clientWidth, window(topic).clientHeight,
           QApplication::palette().color(QPalette::Button))
{
    const InfoWindow &d = window(topic);
    setObjectName(QLatin1String(d.name));
    // Built afresh with each window, so every opening shows the document as stored.
    auto *document = new StoredDocument(QLatin1String(d.document), px(d.pageWidth), this);
    new DocumentView(this, "OLE1", at(d.viewLeft, d.viewTop, d.viewWidth, d.viewHeight), document,
                     QSize(px(d.pageWidth), px(d.pageHeight)));
}

} // namespace vorvan::ui
