#pragma once

#include "ui/kit/form.h"

#include <QFrame>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace vorvan::ui {

// A help document as stored in the resources. SVG pictures in it are drawn
// from their vector source straight onto the page whenever it is painted, so
// they stay crisp at any scale and no raster of them is kept.
class StoredDocument : public QTextDocument
{
    Q_OBJECT
public:
    // Builds the document from its resource, laid out on a page of the given
    // width in pixels.
    StoredDocument(const QString &resource, int pageWidth, QObject *parent = nullptr);

protected:
    // A raster of an SVG picture, for whoever asks the document for it.
    QVariant loadResource(int type, const QUrl &name) override;
};

// Lays out and draws a document's pictures: SVG from its source, any other
// picture from the document's resources.
class DocumentPictures : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument *doc, int posInDocument, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int posInDocument,
                    const QTextFormat &format) override;
};

// Shows a document's page at its natural size from the top-left corner,
// clipped at the edges: it never scrolls or rescales, and nothing the user
// does in it changes the document.
class DocumentView : public QFrame
{
    Q_OBJECT
public:
    DocumentView(QWidget *parent, const char *name, const QRect &r, QTextDocument *document, const QSize &page);
    QTextDocument *document() const { return m_document; }
    // What of the page shows, in the view's coordinates.
    QRect shownPage() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTextDocument *m_document;
    QSize m_page;
};

// One help window: a caption, a client size and one document view.
struct InfoWindow
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight;                // twips
    int viewLeft, viewTop, viewWidth, viewHeight; // twips
    int pageWidth, pageHeight;                    // the document's natural size, twips
    const char *document;                         // resource
};

class InfoForm : public kit::Form
{
    Q_OBJECT
public:
    enum class Topic { Weight, Pin, Wrap, Offax, XYsim };
    static const InfoWindow &window(Topic topic);

    explicit InfoForm(Topic topic);
};

// The five windows, one class each, so the menu keeps one reference per window.
class frmInfoWeight : public InfoForm
{
    Q_OBJECT
public:
    frmInfoWeight() : InfoForm(Topic::Weight) {}
};

class frmInfoPin : public InfoForm
{
    Q_OBJECT
public:
    frmInfoPin() : InfoForm(Topic::Pin) {}
};

class frmInfoWrap : public InfoForm
{
    Q_OBJECT
public:
    frmInfoWrap() : InfoForm(Topic::Wrap) {}
};

class frmInfoOffax : public InfoForm
{
    Q_OBJECT
public:
    frmInfoOffax() : InfoForm(Topic::Offax) {}
};

class frmInfoXYsim : public InfoForm
{
    Q_OBJECT
public:
    frmInfoXYsim() : InfoForm(Topic::XYsim) {}
};

} // namespace vorvan::ui
