#include "ui/application.h"

#include "settings/settings_file.h"
#include "ui/main_window.h"

namespace orv {

Application::Application(const QString& programDir, Dialogs& dialogs) : m_dialogs(dialogs)
{
    m_session.programDir = programDir;
}

Application::~Application() = default;

void Application::start(const QString& shippedSettingsPath)
{
    if (!shippedSettingsPath.isEmpty())
        installShippedSettings(m_session.programDir, shippedSettingsPath);
    m_session.SettingsReadErrors = Vorgaben_einlesen(m_session.settings, m_session.programDir, m_dialogs);
    m_mainWindow = std::make_unique<MainWindow>(m_session, m_dialogs);
}

} // namespace orv
