#include "ui/analysis/analysis_commands.h"

#include "core/checks.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "print/calculation_report.h"
#include "print/qt/painter_canvas.h"
#include "ui/analysis/analysis_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace orv {

namespace {

QIcon analysisIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        const double u = size / 16.0;
        p.fillRect(QRectF(2 * u, 3 * u, 12 * u, 2.5 * u), QColor(0x4F7FB0));
        p.fillRect(QRectF(2 * u, 7 * u, 8 * u, 2.5 * u), QColor(0x4F7FB0));
        p.fillRect(QRectF(2 * u, 11 * u, 5 * u, 2.5 * u), QColor(0x4F7FB0));
        p.fillRect(QRectF(1 * u, 2 * u, 1 * u, 12 * u), Qt::black);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Puts `action` right after `anchor` wherever the anchor appears (menus and the tool bar).
void insertAfter(QAction* anchor, QAction* action)
{
    for (QObject* owner : anchor->associatedObjects()) {
        auto* widget = qobject_cast<QWidget*>(owner);
        if (!qobject_cast<QMenu*>(widget) && !qobject_cast<QToolBar*>(widget))
            continue; // the window itself, which carries the shortcut
        const QList<QAction*> actions = widget->actions();
        const qsizetype at = actions.indexOf(anchor);
        widget->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, action);
    }
}

} // namespace

AnalysisCommands::AnalysisCommands(Session& session, MainWindow& window)
    : m_session(session), m_window(window)
{
    addCommands();
    connect(&m_window, &MainWindow::resultsShown, this, &AnalysisCommands::resultsShown);
    connect(&m_window, &MainWindow::resultsCleared, this, &AnalysisCommands::resultsCleared);
}

AnalysisCommands::~AnalysisCommands()
{
    delete m_analysisWindow;
}

void AnalysisCommands::addCommands()
{
    m_show = new QAction(QStringLiteral("A&uswertung"), &m_window);
    m_show->setObjectName("AAuswertung");
    m_show->setShortcut(Qt::SHIFT | Qt::Key_F2);
    m_show->setIcon(analysisIcon());
    m_show->setToolTip(QStringLiteral("Auswertung: Verluste, Heizlast über der Außentemperatur, Wärmepumpe"));
    m_show->setStatusTip(m_show->toolTip());
    m_window.addAction(m_show);
    insertAfter(m_window.command("AEinzelergebnisse"), m_show);
    connect(m_show, &QAction::triggered, this, &AnalysisCommands::showAnalysisWindow);

    m_secondPage = new QAction(QStringLiteral("Aus&wertung als zweite Seite"), &m_window);
    m_secondPage->setObjectName("AAuswertungSeite");
    m_secondPage->setCheckable(true);
    m_secondPage->setStatusTip(
        QStringLiteral("Drucken, PDF und Seitenansicht mit der Auswertung als zweiter Seite"));
    m_preview = new QAction(QStringLiteral("Seiten&ansicht"), &m_window);
    m_preview->setObjectName("ASeitenansicht");
    m_preview->setStatusTip(QStringLiteral("Seitenansicht des Berechnungsberichts"));
    QAction* pdf = m_window.command("APdfSpeichern");
    insertAfter(pdf, m_secondPage);
    insertAfter(pdf, m_preview);
    connect(m_preview, &QAction::triggered, this, &AnalysisCommands::showPrintPreview);
    // The preview shows what printing would print: offered exactly while printing is.
    QAction* print = m_window.command("ADrucken");
    m_preview->setEnabled(print->isEnabled());
    connect(print, &QAction::enabledChanged, m_preview, &QAction::setEnabled);
}

void AnalysisCommands::resultsShown()
{
    // A load shown with the plausibility checks off but too large to be valid counts as no result.
    m_valid = !loadTooLarge(m_session.building);
    m_figures.reset();
    if (m_valid) {
        m_building = m_session.building;
        m_results = m_session.results;
    }
    refreshWindow();
}

void AnalysisCommands::resultsCleared()
{
    m_valid = false;
    m_figures.reset();
    refreshWindow();
}

const AnalysisFigures* AnalysisCommands::figures()
{
    if (!m_valid)
        return nullptr;
    const std::optional<HeatPumpPoints> pump =
        m_analysisWindow ? m_analysisWindow->heatPump() : std::optional<HeatPumpPoints>();
    if (!m_figures)
        m_figures = analysisFigures(m_building, m_session.settings, m_results, pump);
    else
        m_figures->setPump(pump);
    return &*m_figures;
}

void AnalysisCommands::refreshWindow()
{
    if (m_analysisWindow && m_analysisWindow->isVisible())
        m_analysisWindow->showFigures(figures());
}

void AnalysisCommands::showAnalysisWindow()
{
    if (!m_analysisWindow) {
        m_analysisWindow = new AnalysisWindow(&m_window);
        connect(m_analysisWindow, &AnalysisWindow::heatPumpChanged, this, &AnalysisCommands::refreshWindow);
        m_window.registerAuxiliaryWindow(m_analysisWindow);
        const QRect main = m_window.geometry();
        m_analysisWindow->move(main.left() + 40, main.top() + 60);
    }
    if (m_analysisWindow->isMinimized())
        m_analysisWindow->showNormal();
    m_analysisWindow->show();
    m_analysisWindow->raise();
    m_analysisWindow->activateWindow();
    refreshWindow();
}

ReportPage AnalysisCommands::reportSecondPage()
{
    const AnalysisFigures* shown = figures();
    if (!m_secondPage->isChecked() || !shown)
        return {};
    return [figures = *shown, building = m_session.building](ReportCanvas& canvas) {
        drawAnalysisPage(canvas, building, figures);
    };
}

void AnalysisCommands::paintReport(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    setReportMapping(painter, printer.resolution());
    PainterCanvas canvas(painter);
    drawCalculationReport(canvas, m_session, shortDateToday());
    if (const ReportPage second = reportSecondPage()) {
        printer.newPage();
        second(canvas);
    }
}

void AnalysisCommands::showPrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Heizlastberechnung"));
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { paintReport(*p); });
    preview.exec();
}

} // namespace orv
