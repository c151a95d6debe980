#include "ui/application.h"

#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "ui/program_commands.h"
#include "ui/settings/settings_commands.h"
#include "ui/tools/layer_tool_commands.h"

namespace orv {

Application::Application(const QString& programDir, Dialogs& dialogs) : m_dialogs(dialogs)
{
    m_session.programDir = programDir;
}

Application::~Application() = default;

void Application::start(const QStringList& arguments)
{
    m_session.SettingsReadErrors = Vorgaben_einlesen(m_session.settings, m_session.programDir, m_dialogs);
    warnIfSettingsReadOnly(m_session, m_dialogs);
    m_mainWindow = std::make_unique<MainWindow>(m_session, m_dialogs);
    m_commands = std::make_unique<ProgramCommands>(m_session, m_dialogs, *m_mainWindow, arguments);
    m_layerTool = std::make_unique<LayerToolCommands>(m_session, m_dialogs, *m_mainWindow);
    m_settings = std::make_unique<SettingsCommands>(m_session, m_dialogs, *m_mainWindow, *m_layerTool,
                                                    m_commands->geometryTools());
}

} // namespace orv
