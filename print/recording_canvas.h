#pragma once

#include "print/report_canvas.h"

#include <QStringList>

#include <vector>

namespace orv {

// Keeps what was drawn, so that a page can be compared operation by operation.
struct DrawOp
{
    enum class Kind
    {
        Line,
        Text,
        Picture,
        Fill
    };
    Kind kind = Kind::Line;
    int x = 0;
    int y = 0;
    int x2 = 0; // line end, or picture or fill width
    int y2 = 0; // line end, or picture or fill height
    QString fontName;
    int height = 0;
    QString text;
    std::uint32_t rgb = 0; // of a fill

    friend bool operator==(const DrawOp&, const DrawOp&) = default;

    // One readable line, e.g. "text 250,380 arial/40 Bezeichnung:", for comparisons with clear diffs.
    QString describe() const
    {
        switch (kind) {
        case Kind::Line:
            return QStringLiteral("line %1,%2-%3,%4").arg(x).arg(y).arg(x2).arg(y2);
        case Kind::Text:
            return QStringLiteral("text %1,%2 %3/%4 %5").arg(x).arg(y).arg(fontName).arg(height).arg(text);
        case Kind::Picture:
            return QStringLiteral("picture %1,%2 %3x%4").arg(x).arg(y).arg(x2).arg(y2);
        case Kind::Fill:
            return QStringLiteral("fill %1,%2 %3x%4 #%5")
                .arg(x)
                .arg(y)
                .arg(x2)
                .arg(y2)
                .arg(rgb, 6, 16, QLatin1Char('0'));
        }
        return QString();
    }
};

class RecordingCanvas final : public ReportCanvas
{
  public:
    std::vector<DrawOp> ops;
    ReportPicture lastPicture;

    void line(int x1, int y1, int x2, int y2) override
    {
        ops.push_back({DrawOp::Kind::Line, x1, y1, x2, y2, {}, 0, {}});
    }
    void text(int x, int y, const QString& fontName, int height, const QString& text) override
    {
        ops.push_back({DrawOp::Kind::Text, x, y, 0, 0, fontName, height, text});
    }
    void picture(int x, int y, int width, int height, const ReportPicture& picture) override
    {
        ops.push_back({DrawOp::Kind::Picture, x, y, width, height, {}, 0, {}});
        lastPicture = picture;
    }
    void fill(int x, int y, int width, int height, std::uint32_t rgb) override
    {
        ops.push_back({DrawOp::Kind::Fill, x, y, width, height, {}, 0, {}, rgb});
    }

    QStringList described() const
    {
        QStringList result;
        for (const DrawOp& op : ops)
            result << op.describe();
        return result;
    }
};

} // namespace orv
