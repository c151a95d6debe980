#include "ui/info/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orv {

namespace {

// Drawn on the 64-unit grid of the SVG.
QPixmap housePixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setBrush(QColor(0xc0, 0x39, 0x2b));
    p.drawPolygon(QPolygonF({QPointF(12, 32), QPointF(32, 14), QPointF(52, 32)}));
    p.setBrush(QColor(0xf4, 0xef, 0xe6));
    p.drawRect(QRectF(17, 31, 30, 22));
    p.setBrush(QColor(0x7f, 0xb3, 0xd5));
    p.drawRect(QRectF(22, 36, 8, 8));
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    p.drawRect(QRectF(35, 39, 7, 14));
    p.setPen(QPen(QColor(0xf3, 0x9c, 0x12), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double x : {8.0, 56.0}) {
        const double side = x < 32 ? -1 : 1;
        QPainterPath wave(QPointF(x, 42));
        wave.quadTo(QPointF(x + 3 * side, 38), QPointF(x, 34));
        wave.quadTo(QPointF(x - 3 * side, 30), QPointF(x, 26));
        p.drawPath(wave);
    }
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        for (const int size : {16, 24, 32, 48, 64, 128})
            result.addPixmap(housePixmap(size));
        return result;
    }();
    return icon;
}

} // namespace orv
