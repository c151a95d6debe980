#pragma once

#include "core/building_record.h"
#include "core/calculation.h"
#include "print/analysis_report.h"
#include "print/report_canvas.h"
#include "ui/analysis/analysis_window.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QAction;
class QPrinter;

namespace orv {

class MainWindow;
struct Session;

// The analysis in the main window: the command "Auswertung" (Ansicht, Shift+F2, tool bar) with its window,
// "Seitenansicht" and the option "Auswertung als zweite Seite" (Datei), which adds the analysis page to
// printing, PDF and preview. Keeps what the result panels show: at every resultsShown it takes the
// building and results as they were calculated (cheap copies), so that the analysis never mixes in inputs
// typed after the last calculation; the analysis itself is computed only when something shows it.
class AnalysisCommands final : public QObject
{
    Q_OBJECT

  public:
    AnalysisCommands(Session& session, MainWindow& window);
    ~AnalysisCommands() override;
    Q_DISABLE_COPY_MOVE(AnalysisCommands)

    // The report's second page while the option is on and there are valid results; empty otherwise.
    ReportPage reportSecondPage();

    // Null until the window was first opened.
    AnalysisWindow* analysisWindow() const { return m_analysisWindow; }
    // The figures the window and the second page show; null while there are no valid results.
    const AnalysisFigures* figures();

    void showAnalysisWindow();
    void showPrintPreview();
    // What the preview shows, page by page, on `printer`.
    void paintReport(QPrinter& printer);

  private:
    void resultsShown();
    void resultsCleared();
    void refreshWindow();
    void addCommands();

    Session& m_session;
    MainWindow& m_window;
    QPointer<AnalysisWindow> m_analysisWindow;
    QAction* m_show = nullptr;
    QAction* m_preview = nullptr;
    QAction* m_secondPage = nullptr;

    // The last calculation shown, and its analysis once asked for.
    bool m_valid = false;
    BuildingRecord m_building;
    CalculationResults m_results;
    std::optional<AnalysisFigures> m_figures;
};

} // namespace orv
