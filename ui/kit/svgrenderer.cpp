#include "ui/kit/svgrenderer.h"

#include <QDataStream>
#include <QFile>
#include <QPainter>

namespace vorvan::kit {

SvgRenderer::SvgRenderer(const QString &resource)
{
    QFile file(resource + QLatin1String(".pic"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QDataStream stream(&file);
    stream >> m_size >> m_picture;
    if (stream.status() != QDataStream::Ok)
        m_size = QSize();
}

void SvgRenderer::render(QPainter *painter, const QRectF &bounds)
{
    if (!isValid() || bounds.isEmpty())
        return;
    // Stretched over the bounds, or fitted and centred in them.
    const QSizeF size = QSizeF(m_size).scaled(bounds.size(), m_mode);
    const QPointF origin = bounds.center() - QPointF(size.width(), size.height()) / 2;
    painter->save();
    painter->translate(origin);
    painter->scale(size.width() / m_size.width(), size.height() / m_size.height());
    painter->drawPicture(QPointF(0, 0), m_picture);
    painter->restore();
}

} // namespace vorvan::kit
