// vorvan_svgrecord IN.svg OUT: the drawing's size and the painter commands Qt
// SVG gives for it at that size, as ui/kit/svgrenderer.cpp reads them.
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorvan_svgrecord IN.svg OUT\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "vorvan_svgrecord: %s is no drawing Qt SVG can read\n", argv[1]);
        return 1;
    }
    QPicture picture;
    QPainter painter(&picture);
    // Playing back sets the painter's hints to these: the program draws every
    // picture antialiased.
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(svg.defaultSize())));
    painter.end();
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "vorvan_svgrecord: cannot write %s\n", argv[2]);
        return 1;
    }
    QDataStream stream(&out);
    stream << svg.defaultSize() << picture;
    return stream.status() == QDataStream::Ok && out.flush() ? 0 : 1;
}
