#pragma once

#include <QObject>
#include <QPointer>

namespace orv {

class Dialogs;
class InfoCommands;
class MainWindow;
class SensitiveSettingsWindow;
struct Session;

// ASensibleEin (Shift+F9): the password prompt, then the sensitive settings window, the state display or
// the end of the program; after saving, the main window recalculates and shows the increase notice.
class SensitiveSettingsCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SensitiveSettingsCommands)

  public:
    SensitiveSettingsCommands(Session& session, Dialogs& dialogs, MainWindow& window, InfoCommands& info,
                              QObject* parent = nullptr);
    ~SensitiveSettingsCommands() override;

    void ASensibleEinExecute();
    // Opens the window, or brings the open one to the front in its normal state.
    void SensibleAnzeigen();
    // Null while the window is not open.
    SensitiveSettingsWindow* window() const;

  private:
    void afterSaving(bool growthChanged);

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_main;
    InfoCommands& m_info;
    QPointer<SensitiveSettingsWindow> m_window;
};

} // namespace orv
