#include "ui/analysis/analysis_chart.h"

#include "print/qt/painter_canvas.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace orv {

AnalysisChart::AnalysisChart(const ReportFrame& frame, Drawing drawing, QWidget* parent)
    : QWidget(parent), m_frame(frame), m_drawing(std::move(drawing))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMinimumSize(360, heightForWidth(360));
    setAutoFillBackground(false);
}

void AnalysisChart::setFigures(const AnalysisFigures* figures)
{
    m_figures = figures;
    update();
}

QSize AnalysisChart::sizeHint() const
{
    return {600, heightForWidth(600)};
}

int AnalysisChart::heightForWidth(int width) const
{
    return width * m_frame.height / m_frame.width;
}

void AnalysisChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_figures) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Keine gültigen Ergebnisse"));
        return;
    }
    // A small margin keeps markers and labels at the frame's edge inside the widget.
    constexpr int margin = 30;
    const double scale = std::min(double(width()) / (m_frame.width + 2 * margin),
                                  double(height()) / (m_frame.height + 2 * margin));
    painter.scale(scale, scale);
    painter.translate(margin - m_frame.x, margin - m_frame.y);
    PainterCanvas canvas(painter);
    // The page's 0.2 mm lines would be faint at screen scale: at least one pixel and a half.
    painter.setPen(QPen(Qt::black, std::max(2.0, 1.5 / scale), Qt::SolidLine, Qt::FlatCap));
    m_drawing(canvas, m_frame, *m_figures);
}

} // namespace orv
