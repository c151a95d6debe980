#include "print/qt/painter_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr double kLineWidth = 2.0; // 0.2 mm

} // namespace

void setReportMapping(QPainter& painter, int dotsPerInch)
{
    const double unitsPerTenthMm = dotsPerInch / 254.0;
    painter.resetTransform();
    painter.scale(unitsPerTenthMm, unitsPerTenthMm);
}

QImage toImage(const ReportPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (std::uint32_t c : picture.palette)
        colours << QRgb(c);
    image.setColorTable(colours);
    for (int y = 0; y < picture.height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < picture.width; ++x)
            row[x] = static_cast<uchar>(picture.indexAt(x, y));
    }
    return image;
}

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setBackgroundMode(Qt::OpaqueMode);
    m_painter.setBackground(Qt::white);
    m_painter.setPen(QPen(Qt::black, kLineWidth, Qt::SolidLine, Qt::FlatCap));
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

int PainterCanvas::pixelSizeFor(const QString& fontName, int height)
{
    auto found = m_cellPerPixel.constFind(fontName);
    if (found == m_cellPerPixel.constEnd()) {
        // Measured once on a large size, where rounding of the font's metrics does not matter.
        constexpr int probe = 1000;
        QFont font(fontName);
        font.setPixelSize(probe);
        const double cell = QFontMetricsF(font, m_painter.device()).height() / probe;
        found = m_cellPerPixel.insert(fontName, cell > 0 ? cell : 1.0);
    }
    return std::max(1, static_cast<int>(std::lround(height / *found)));
}

void PainterCanvas::text(int x, int y, const QString& fontName, int height, const QString& text)
{
    QFont font(fontName);
    font.setPixelSize(pixelSizeFor(fontName, height));
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_painter.device());
    m_painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void PainterCanvas::fill(int x, int y, int width, int height, std::uint32_t rgb)
{
    m_painter.fillRect(QRectF(x, y, width, height), QColor(QRgb(rgb)));
}

void PainterCanvas::picture(int x, int y, int width, int height, const ReportPicture& picture)
{
    m_painter.drawImage(QRectF(x, y, width, height), toImage(picture));
}

} // namespace orv
