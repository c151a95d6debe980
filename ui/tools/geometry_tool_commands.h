#pragma once

#include "tools/kr_conversion.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>

namespace orv {

class Dialogs;
class KRConversionWindow;
class MainWindow;
class RoofWindow;
class WindowAreaWindow;
struct Session;

// The roof, window-area and k/R conversion tools on the main window: its tool letters and double-clicks,
// the commands F4, F5 and F6 with their buttons, and the refill when another building is shown. Each window
// exists at most once; it is created at the first opening and kept.
class GeometryToolCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeometryToolCommands)

  public:
    GeometryToolCommands(Session& session, Dialogs& dialogs, MainWindow& window, QObject* parent = nullptr);
    ~GeometryToolCommands() override;

    void openRoof();
    void openWindowArea();
    // An open conversion window is only brought back: it keeps the target it was opened for.
    void openKRConversion(KRTarget target);
    // The settings window's floor and wall preset fields of the active slot, registered while that window
    // exists: the destination of the preset targets (opened with openKRConversion(KRTarget::PresetFloor or
    // PresetWall)) and of the conversion's "both" hand-over while that window is open in its normal state.
    void setPresetFields(QLineEdit* floor, QLineEdit* groundWall);
    // The settings window closed for good: a conversion working for a preset closes too.
    void closePresetConversion();

    // Null until first opened.
    RoofWindow* roofWindow() const;
    WindowAreaWindow* windowAreaWindow() const;
    KRConversionWindow* krConversionWindow() const;

  private:
    void refill();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    QPointer<RoofWindow> m_roof;
    QPointer<WindowAreaWindow> m_windowArea;
    QPointer<KRConversionWindow> m_kr;
    QPointer<QLineEdit> m_presetFloor;
    QPointer<QLineEdit> m_presetWall;
};

} // namespace orv
