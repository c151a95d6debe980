#include "ui/info/info_commands.h"

#include "core/dialogs.h"
#include "core/environment_info.h"
#include "core/program_description.h"
#include "core/program_info.h"
#include "core/session.h"
#include "settings/settings_file.h"
#include "ui/info/program_icon.h"
#include "ui/info/program_info_window.h"
#include "ui/info/state_display.h"
#include "ui/main_window.h"

#include <QAction>
#include <QMessageBox>
#include <QScreen>

namespace orv {

InfoCommands::InfoCommands(Session& session, Dialogs& dialogs, MainWindow& window, QObject* parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), m_window(window)
{
    auto bind = [this](const char* name, void (InfoCommands::*handler)()) {
        QAction* action = m_window.command(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    bind("AInfo", &InfoCommands::showProgramInfo);
    bind("AUmgebungsinfo", &InfoCommands::UmgebungsInfo);

    // A hidden item: only its shortcut reaches it.
    auto* about = new QAction("Programminfo (kurz)", this);
    about->setObjectName("AKurzinfo");
    about->setShortcut(Qt::ALT | Qt::Key_F1);
    m_window.addAction(about);
    connect(about, &QAction::triggered, this, &InfoCommands::showAboutBox);
}

InfoCommands::~InfoCommands()
{
    // The windows read the session and the main window, which outlive this object.
    delete m_stateDisplay;
    delete m_programInfo;
    delete m_about;
    for (const char* name : {"AInfo", "AUmgebungsinfo"})
        m_window.command(QString::fromLatin1(name))->setEnabled(false);
}

StateDisplay* InfoCommands::stateDisplay() const
{
    return m_stateDisplay;
}

ProgramInfoWindow* InfoCommands::programInfoWindow() const
{
    return m_programInfo;
}

QMessageBox* InfoCommands::aboutBox() const
{
    return m_about;
}

void InfoCommands::UmgebungsInfo()
{
    EnvironmentFacts facts;
    facts.version = QString::fromUtf8(kProgramVersion);
    facts.settingsReadErrors = m_session.SettingsReadErrors;
    facts.settingsChanged = lastChange(settingsFilePath(m_session.programDir));
    facts.programDir = m_session.programDir;
    facts.buildingsFolder = m_session.settings.BuildingsFolder;
    facts.screen = m_window.screen()->geometry().size();
    facts.disk = diskFigures(m_session.programDir);
    m_dialogs.show({environmentInformation(facts), {}, MessageIcon::Information, MessageButtons::Ok});
}

void InfoCommands::showAboutBox()
{
    if (!m_about) {
        const ProgramDescription d = programDescription(m_session.programDir);
        m_about = new QMessageBox(QMessageBox::NoIcon, d.name, d.name + QStringLiteral("  ") + d.version,
                                  QMessageBox::Ok, &m_window);
        m_about->setObjectName("AboutBox");
        m_about->setIconPixmap(programIcon().pixmap(64, 64));
        m_about->setInformativeText(d.maker);
        // Modeless, so that "alle Fenster schließen" reaches it like every other auxiliary window.
        m_about->setWindowModality(Qt::NonModal);
        m_window.registerAuxiliaryWindow(m_about);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void InfoCommands::showProgramInfo()
{
    if (!m_programInfo) {
        m_programInfo = new ProgramInfoWindow(m_session, &m_window);
        m_window.registerAuxiliaryWindow(m_programInfo);
    }
    m_programInfo->Startprozeduren(m_window.geometry(), m_window.extraWidth(), m_window.extraHeight());
}

void InfoCommands::showStateDisplay()
{
    if (m_stateDisplay)
        m_stateDisplay->close(); // deletes itself
    m_stateDisplay = new StateDisplay(m_session, m_window);
    m_window.registerAuxiliaryWindow(m_stateDisplay);
    m_stateDisplay->show();
    m_stateDisplay->Startprozeduren();
}

} // namespace orv
