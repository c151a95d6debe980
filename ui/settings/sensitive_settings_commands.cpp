#include "ui/settings/sensitive_settings_commands.h"

#include "core/dialogs.h"
#include "core/program_info.h"
#include "core/session.h"
#include "settings/sensitive_values.h"
#include "ui/info/info_commands.h"
#include "ui/main_window.h"
#include "ui/settings/sensitive_settings_window.h"

#include <QAction>

namespace orv {

SensitiveSettingsCommands::SensitiveSettingsCommands(Session& session, Dialogs& dialogs, MainWindow& window,
                                                     InfoCommands& info, QObject* parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), m_main(window), m_info(info)
{
    QAction* action = m_main.command("ASensibleEin");
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, &SensitiveSettingsCommands::ASensibleEinExecute);
}

SensitiveSettingsCommands::~SensitiveSettingsCommands()
{
    delete m_window;
    m_main.command("ASensibleEin")->setEnabled(false);
}

SensitiveSettingsWindow* SensitiveSettingsCommands::window() const
{
    return m_window;
}

void SensitiveSettingsCommands::ASensibleEinExecute()
{
    const QString prefilled = m_session.settings.PresetPassword;
    const auto answer =
        m_dialogs.inputBox(QStringLiteral("Sensible Funktionen - Version ") + QLatin1String(kProgramVersion),
                           QStringLiteral("Paßwort? (falsches Paßwort beendet Programm!)"), prefilled);
    switch (passwordOutcome(answer, prefilled)) {
    case PasswordOutcome::OpenWindow:
        SensibleAnzeigen();
        break;
    case PasswordOutcome::StateDisplay:
        m_info.showStateDisplay();
        break;
    case PasswordOutcome::Nothing:
        break;
    case PasswordOutcome::EndProgram:
        // The normal closing: an unsaved building still gets its safety question.
        m_main.close();
        break;
    }
}

void SensitiveSettingsCommands::SensibleAnzeigen()
{
    if (m_window) {
        m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new SensitiveSettingsWindow(m_session, m_dialogs, m_main);
    connect(m_window, &SensitiveSettingsWindow::saved, this, &SensitiveSettingsCommands::afterSaving);
    m_main.registerAuxiliaryWindow(m_window);
    m_window->show();
    m_window->setUp();
}

void SensitiveSettingsCommands::afterSaving(bool growthChanged)
{
    m_main.DatenVollstaendig(true);
    m_main.showLoadIncrease();
    if (growthChanged)
        m_main.FormularGroesseVeraendert();
}

} // namespace orv
