#pragma once

#include <QObject>
#include <QPointer>

namespace orv {

class Dialogs;
class GeometryToolCommands;
class LayerToolCommands;
class MainWindow;
class SettingsWindow;
struct Session;

// The settings window on the main window: F8 (values, focus in the open building's column), F9 (options),
// F10 (presets) and the temperature line's double-click; the hand-over of the layer calculator and the k/R
// conversion into the preset page. At most one window exists; the slot the preset page shows is kept for
// the whole run.
class SettingsCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsCommands)

  public:
    SettingsCommands(Session& session, Dialogs& dialogs, MainWindow& window, LayerToolCommands& layerTool,
                     GeometryToolCommands& geometryTools, QObject* parent = nullptr);
    ~SettingsCommands() override;

    // `page`: SettingsWindow::kValuesPage, kOptionsPage or kPresetsPage; other values keep the page.
    void Einstellungsfensteraufruf(int page, bool focusRight);
    // Set up and not yet saved, cancelled or closed (a hidden window counts as open).
    bool SettingsWindowOpen() const;
    // Null while no window is open.
    SettingsWindow* window() const;
    int activePresetSlot() const { return m_activeSlot; }

  private:
    void windowFinished();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_main;
    LayerToolCommands& m_layerTool;
    GeometryToolCommands& m_geometryTools;
    QPointer<SettingsWindow> m_window;
    int m_activeSlot = 7; // the user's own values
};

} // namespace orv
