#pragma once

#include "files/building_files.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace orv {

class AnalysisCommands;
class BuildingInfoDialog;
class GeometryToolCommands;
class Dialogs;
class InfoCommands;
class MainWindow;
class WelcomeWindow;
struct Session;

// The main window's commands that reach beyond its inputs: the building files with the safety question,
// the automatic save and the start timer's action; the welcome window; printing, the PDF export and the
// building information dialog. Connects them to the window's commands and hooks and enables them.
class ProgramCommands final : public QObject
{
    Q_OBJECT

  public:
    // `arguments` is the program's command line; the start timer opens the file it names.
    ProgramCommands(Session& session, Dialogs& dialogs, MainWindow& window, QStringList arguments);
    ~ProgramCommands() override;
    Q_DISABLE_COPY_MOVE(ProgramCommands)

    BuildingFiles& files() { return m_files; }
    // Null unless the window exists; the building information dialog is kept (hidden) once created.
    WelcomeWindow* welcomeWindow() const;
    AnalysisCommands& analysis() { return *m_analysis; }
    BuildingInfoDialog* buildingInfoDialog() const;
    InfoCommands& info() { return *m_infoCommands; }
    GeometryToolCommands& geometryTools() { return *m_geometryTools; }

    void showWelcomeWindow();
    void showBuildingInfo();
    void saveReportAsPdf();

  private:
    void connectCommands();
    void startAction();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    BuildingFiles m_files;
    QStringList m_arguments;
    QPointer<WelcomeWindow> m_welcome;
    QPointer<BuildingInfoDialog> m_info;
    InfoCommands* m_infoCommands; // environment, program information, state display; a child
    GeometryToolCommands* m_geometryTools = nullptr; // a child
    std::unique_ptr<AnalysisCommands> m_analysis;
};

} // namespace orv
