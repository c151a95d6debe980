#pragma once

#include "core/session.h"

#include <QString>

#include <memory>

namespace orv {

class Dialogs;
class MainWindow;

// The program: owns the session, reads the settings and creates the main window. The program directory
// (with its trailing separator) holds the settings file; tests hand in a temporary one.
class Application final
{
  public:
    Application(const QString& programDir, Dialogs& dialogs);
    ~Application();
    Q_DISABLE_COPY_MOVE(Application)

    // A program directory without settings first gets the shipped ones, if there are any.
    void start(const QString& shippedSettingsPath = {});

    Session& session() { return m_session; }
    MainWindow& mainWindow() { return *m_mainWindow; }

  private:
    Session m_session;
    Dialogs& m_dialogs;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace orv
