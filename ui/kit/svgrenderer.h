#pragma once

// What draws the compiled-in SVG pictures: Qt SVG's renderer, or, in a build
// for a target whose Qt has no Qt SVG (VORVAN_SVG_RECORDINGS), a player of the
// painter commands the host's Qt SVG recorded for each picture at build time,
// kept in the resources as "<picture>.svg.pic".

#include <QtGlobal>

#if VORVAN_SVG_RECORDINGS
#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace vorvan::kit {

class SvgRenderer
{
public:
    explicit SvgRenderer(const QString &resource);
    bool isValid() const { return m_size.isValid() && !m_picture.isNull(); }
    QSize defaultSize() const { return m_size; }
    void setAspectRatioMode(Qt::AspectRatioMode mode) { m_mode = mode; }
    void render(QPainter *painter, const QRectF &bounds);

private:
    QPicture m_picture;
    QSize m_size;
    Qt::AspectRatioMode m_mode = Qt::IgnoreAspectRatio;
};

} // namespace vorvan::kit
#else
#include <QSvgRenderer>

namespace vorvan::kit {
using SvgRenderer = QSvgRenderer;
} // namespace vorvan::kit
#endif
