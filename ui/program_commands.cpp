#include "ui/program_commands.h"

#include "core/german_numbers.h"
#include "core/session.h"
#include "print/qt/report_export.h"
#include "ui/analysis/analysis_commands.h"
#include "ui/building_info_dialog.h"
#include "ui/info/info_commands.h"
#include "ui/main_window.h"
#include "ui/report_printer.h"
#include "ui/results/single_results_commands.h"
#include "ui/settings/sensitive_settings_commands.h"
#include "ui/tools/geometry_tool_commands.h"
#include "ui/welcome_window.h"

#include <QAction>

namespace orv {

ProgramCommands::ProgramCommands(Session& session, Dialogs& dialogs, MainWindow& window,
                                 QStringList arguments)
    : m_session(session), m_dialogs(dialogs), m_window(window), m_files(session, dialogs, window),
      m_arguments(std::move(arguments)), m_infoCommands(new InfoCommands(session, dialogs, window, this)),
      m_analysis(std::make_unique<AnalysisCommands>(session, window))
{
    m_window.setSafetyQuestion([this](bool closing) { return m_files.SafetyQuestion(closing); });
    m_window.setSaveLastBuilding([this] { m_files.saveLastBuildingAfterChange(); });
    m_window.setStartAction([this] { startAction(); });
    m_window.setPrintAvailable(true);
    m_geometryTools = new GeometryToolCommands(session, dialogs, window, this);
    new SingleResultsCommands(session, window, this);
    new SensitiveSettingsCommands(session, dialogs, window, *m_infoCommands, this);
    connectCommands();
    m_files.DateiEintragHinzufuegen();

    connect(&m_window, &MainWindow::activated, this, [this] {
        if (m_welcome)
            m_welcome->closeWindow();
    });
    connect(&m_window, &MainWindow::buildingShown, this, [this] {
        if (m_info && m_info->isVisible())
            m_info->WerteEintragen();
    });
}

ProgramCommands::~ProgramCommands()
{
    // The windows refer to the building files; the main window outlives this object.
    delete m_welcome;
    delete m_info;
    m_window.setSafetyQuestion({});
    m_window.setSaveLastBuilding({});
    m_window.setStartAction({});
    m_window.setPrintAvailable(false);
}

WelcomeWindow* ProgramCommands::welcomeWindow() const
{
    return m_welcome;
}

BuildingInfoDialog* ProgramCommands::buildingInfoDialog() const
{
    return m_info;
}

void ProgramCommands::connectCommands()
{
    auto bind = [this](const QString& name, auto handler) {
        QAction* action = m_window.command(name);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    bind("ANeu", [this] { m_files.NewBuilding(); });
    bind("AOeffnen", [this] { m_files.OpenWithDialog(); });
    bind("ASpeichern", [this] { m_files.Save(); });
    bind("ASpeichernUnter", [this] { m_files.SaveAs(); });
    for (int slot = 1; slot <= kRecentSlots; ++slot)
        bind(QStringLiteral("ADatei%1").arg(slot), [this, slot] { m_files.openRecentFile(slot); });
    bind("StartInfo", [this] { showWelcomeWindow(); });
    bind("AGebaeudeinfo", [this] { showBuildingInfo(); });

    // Enabled by the window while the results are valid.
    connect(m_window.command("ADrucken"), &QAction::triggered, this,
            [this] { printReportWithDialog(m_session, &m_window, m_analysis->reportSecondPage()); });
    connect(m_window.command("APdfSpeichern"), &QAction::triggered, this, &ProgramCommands::saveReportAsPdf);
}

void ProgramCommands::startAction()
{
    if (m_files.startTimerFired(m_arguments) == StartAction::ShowWelcome)
        showWelcomeWindow();
}

void ProgramCommands::showWelcomeWindow()
{
    if (m_welcome)
        m_welcome->closeWindow();
    m_welcome = new WelcomeWindow(m_session, m_dialogs, m_files, &m_window);
    connect(m_welcome, &QDialog::finished, m_welcome, &QObject::deleteLater);
    m_window.registerAuxiliaryWindow(m_welcome);
    m_welcome->show();
    m_welcome->Startprozeduren(m_window.geometry(), m_window.extraWidth(), m_window.extraHeight());
}

void ProgramCommands::showBuildingInfo()
{
    if (m_info && m_info->isVisible()) {
        if (m_info->isMinimized())
            m_info->showNormal();
        m_info->raise();
        m_info->activateWindow();
        return;
    }
    if (!m_info) {
        m_info = new BuildingInfoDialog(m_session, m_dialogs, &m_window);
        connect(m_info, &BuildingInfoDialog::designationFieldChanged, &m_window, &MainWindow::setDesignation);
        connect(m_info, &BuildingInfoDialog::statusText, &m_window, &MainWindow::setStatusText);
        connect(m_info, &QDialog::finished, &m_window, &MainWindow::checkCompleteness);
        m_window.registerAuxiliaryWindow(m_info);
    }
    m_info->Startprozeduren(m_window.geometry(), m_window.extraWidth(), m_window.extraHeight());
}

void ProgramCommands::saveReportAsPdf()
{
    if (const auto path =
            exportReportAsPdf(m_session, m_dialogs, shortDateToday(), m_analysis->reportSecondPage()))
        m_window.setStatusText(QStringLiteral(" PDF-Datei geschrieben: ") + *path);
}

} // namespace orv
