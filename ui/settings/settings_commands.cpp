#include "ui/settings/settings_commands.h"

#include "ui/main_window.h"
#include "ui/settings/filtered_edit.h"
#include "ui/settings/preset_page.h"
#include "ui/settings/settings_window.h"
#include "ui/tools/geometry_tool_commands.h"
#include "ui/tools/layer_tool_commands.h"

#include <QAction>

namespace orv {

SettingsCommands::SettingsCommands(Session& session, Dialogs& dialogs, MainWindow& window,
                                   LayerToolCommands& layerTool, GeometryToolCommands& geometryTools,
                                   QObject* parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), m_main(window), m_layerTool(layerTool),
      m_geometryTools(geometryTools)
{
    const std::pair<const char*, int> commands[] = {{"AVorgaben", SettingsWindow::kValuesPage},
                                                    {"AAllgemein", SettingsWindow::kOptionsPage},
                                                    {"Ak_Buttons", SettingsWindow::kPresetsPage}};
    for (const auto& [name, page] : commands) {
        QAction* action = m_main.command(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, page] { Einstellungsfensteraufruf(page, page == SettingsWindow::kValuesPage); });
    }
    connect(&m_main, &MainWindow::allWindowsClosing, this, [this] {
        if (m_window)
            m_window->closeForGood();
    });
}

SettingsCommands::~SettingsCommands()
{
    delete m_window;
    for (const char* name : {"AVorgaben", "AAllgemein", "Ak_Buttons"})
        m_main.command(QString::fromLatin1(name))->setEnabled(false);
}

bool SettingsCommands::SettingsWindowOpen() const
{
    return !m_window.isNull();
}

SettingsWindow* SettingsCommands::window() const
{
    return m_window;
}

void SettingsCommands::Einstellungsfensteraufruf(int page, bool focusRight)
{
    if (m_window) {
        m_window->raiseAgain(page);
    } else {
        m_window = new SettingsWindow(m_session, m_dialogs, m_main, m_activeSlot);
        PresetPage* presets = m_window->presetPage();
        connect(m_window, &SettingsWindow::finished, this, &SettingsCommands::windowFinished);
        connect(presets, &PresetPage::calculatorRequested, this, [this, presets](int kind) {
            const int slot = presets->activeSlot();
            m_layerTool.openForPreset(slot, kind,
                                      [presets = QPointer(presets), slot](const LayerHandOver& h) {
                                          if (presets)
                                              presets->takeLayerHandOver(slot, h);
                                      });
        });
        connect(presets, &PresetPage::conversionRequested, this,
                [this](KRTarget target) { m_geometryTools.openKRConversion(target); });
        m_geometryTools.setPresetFields(presets->numberEdit(PresetNumber::RFloor),
                                        presets->numberEdit(PresetNumber::RGroundWall));
        m_window->setUp(page);
    }
    m_window->finishOpening(focusRight);
}

void SettingsCommands::windowFinished()
{
    // A tool still working for a preset would hand its result into nowhere: it closes with the window.
    m_layerTool.closeForPreset();
    m_geometryTools.closePresetConversion();
    m_geometryTools.setPresetFields(nullptr, nullptr);
    if (m_window)
        m_window->deleteLater();
    m_window = nullptr;
}

} // namespace orv
