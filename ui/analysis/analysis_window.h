#pragma once

#include "print/analysis_report.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QTableWidget;

namespace orv {

class AnalysisChart;

// "Auswertung": the loss breakdown as bars, the load line with the heat pump's capacity line, the heat
// pump's two data-sheet points, and every figure as text in two tables for keyboard and screen reader.
// Modeless; closing only hides it, so the heat pump's points stay for the run. It shows what it is given
// (AnalysisCommands keeps it following the main window's results) and reports the points typed.
class AnalysisWindow final : public QDialog
{
    Q_OBJECT

  public:
    explicit AnalysisWindow(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(AnalysisWindow)

    // Shows these figures (kept by the caller until the next call), or nothing.
    void showFigures(const AnalysisFigures* figures);

    // The points as typed: nothing until all four are numbers and usable.
    std::optional<HeatPumpPoints> heatPump() const;

    QLineEdit* pumpEdit(int index) const { return m_pump[index]; } // t1, p1, t2, p2
    QTableWidget* figuresTable() const { return m_figuresTable; }
    QTableWidget* loadTable() const { return m_loadTable; }

  signals:
    void heatPumpChanged();

  private:
    QWidget* buildPumpGroup();
    void fillTables(const AnalysisFigures* figures);

    AnalysisChart* m_bars = nullptr;
    AnalysisChart* m_chart = nullptr;
    std::array<QLineEdit*, 4> m_pump{};
    QTableWidget* m_figuresTable = nullptr;
    QTableWidget* m_loadTable = nullptr;
};

} // namespace orv
