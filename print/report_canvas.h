#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace orv {

// An indexed picture that the logic library can carry without QtGui: one palette index per pixel,
// row by row from the top.
struct ReportPicture
{
    int width = 0;
    int height = 0;
    std::array<std::uint32_t, 16> palette{}; // 0xAARRGGBB
    QByteArray pixels;

    int indexAt(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]); }
};

// A page in units of 0.1 mm, origin at the top-left corner of the printable area, y downward.
// A text's point is the top-left corner of its text cell, and `height` is the cell's height;
// texts are drawn on a white background.
class ReportCanvas
{
  public:
    virtual ~ReportCanvas() = default;

    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void text(int x, int y, const QString& fontName, int height, const QString& text) = 0;
    // The picture is stretched to the rectangle.
    virtual void picture(int x, int y, int width, int height, const ReportPicture& picture) = 0;
    // A rectangle filled with one colour (0xRRGGBB), without an outline.
    virtual void fill(int x, int y, int width, int height, std::uint32_t rgb) = 0;
};

// A further page of the report, drawn after the calculation page; empty for the one-page report.
using ReportPage = std::function<void(ReportCanvas&)>;

} // namespace orv
