#pragma once

#include "core/session.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace orv {

class Dialogs;
class LayerToolCommands;
class MainWindow;
class ProgramCommands;
class SettingsCommands;

// The program: owns the session, reads the settings and creates the main window with its commands. The
// program directory (with its trailing separator) holds the settings file; tests hand in a temporary one.
class Application final
{
  public:
    Application(const QString& programDir, Dialogs& dialogs);
    ~Application();
    Q_DISABLE_COPY_MOVE(Application)

    // `arguments` is the command line (program name first), whose file the start timer opens.
    void start(const QStringList& arguments = {});

    Session& session() { return m_session; }
    MainWindow& mainWindow() { return *m_mainWindow; }
    ProgramCommands& commands() { return *m_commands; }
    LayerToolCommands& layerTool() { return *m_layerTool; }
    SettingsCommands& settingsCommands() { return *m_settings; }

  private:
    Session m_session;
    Dialogs& m_dialogs;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<ProgramCommands> m_commands; // destroyed before the window: it unhooks itself from it
    std::unique_ptr<LayerToolCommands> m_layerTool;
    std::unique_ptr<SettingsCommands> m_settings; // uses both commands above: destroyed first
};

} // namespace orv
