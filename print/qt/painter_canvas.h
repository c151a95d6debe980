#pragma once

#include "print/report_canvas.h"

#include <QHash>

class QPainter;
class QImage;

namespace orv {

// Maps the painter to 0.1 mm with y downward for a device of `dotsPerInch`. Scaling the painter is
// exact; a window/viewport mapping rounds the extents to whole device pixels.
void setReportMapping(QPainter& painter, int dotsPerInch);

QImage toImage(const ReportPicture& picture);

// Renders the report's drawing operations with a painter already set up by setReportMapping.
class PainterCanvas final : public ReportCanvas
{
  public:
    explicit PainterCanvas(QPainter& painter);

    void line(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const QString& fontName, int height, const QString& text) override;
    void picture(int x, int y, int width, int height, const ReportPicture& picture) override;
    void fill(int x, int y, int width, int height, std::uint32_t rgb) override;

    // The font pixel size whose text cell (ascent + descent) comes closest to `height`.
    int pixelSizeFor(const QString& fontName, int height);

  private:
    QPainter& m_painter;
    QHash<QString, double> m_cellPerPixel; // text-cell height per pixel of font size, by font name
};

} // namespace orv
