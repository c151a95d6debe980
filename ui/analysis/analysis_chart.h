#pragma once

#include "print/analysis_report.h"

#include <QWidget>

#include <functional>

namespace orv {

// One of the analysis pictures on screen: the report's drawing of `frame`, scaled to the widget with its
// proportions kept. Without figures it says that there is nothing to show.
class AnalysisChart final : public QWidget
{
  public:
    using Drawing = std::function<void(ReportCanvas&, const ReportFrame&, const AnalysisFigures&)>;

    AnalysisChart(const ReportFrame& frame, Drawing drawing, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(AnalysisChart)

    // Not owned; null for none. The widget repaints on the next paint event.
    void setFigures(const AnalysisFigures* figures);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ReportFrame m_frame;
    Drawing m_drawing;
    const AnalysisFigures* m_figures = nullptr;
};

} // namespace orv
