#pragma once

#include <QObject>
#include <QPointer>

class QMessageBox;

namespace orv {

class Dialogs;
class MainWindow;
class ProgramInfoWindow;
class StateDisplay;
struct Session;

// The main window's information functions: the environment information (Ctrl+F1), the short about box
// (Alt+F1), the program information (F1) and the state display. Connects and enables their commands;
// every window is handed to the main window's "alle Fenster schließen".
class InfoCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoCommands)

  public:
    InfoCommands(Session& session, Dialogs& dialogs, MainWindow& window, QObject* parent = nullptr);
    ~InfoCommands() override;

    void UmgebungsInfo();
    void showAboutBox();
    void showProgramInfo();
    // The state display, created anew (an open one closes first); the sensitive settings' prompt opens
    // it with its access code.
    void showStateDisplay();

    // Null while the window does not exist.
    StateDisplay* stateDisplay() const;
    ProgramInfoWindow* programInfoWindow() const;
    QMessageBox* aboutBox() const;

  private:
    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    QPointer<StateDisplay> m_stateDisplay;
    QPointer<ProgramInfoWindow> m_programInfo;
    QPointer<QMessageBox> m_about;
};

} // namespace orv
