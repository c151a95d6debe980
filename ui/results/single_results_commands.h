#pragma once

#include <QObject>
#include <QPointer>

namespace orv {

class MainWindow;
class SingleResultsWindow;
struct Session;

// AEinzelergebnisse (F2): opens the single results window or brings it back, and keeps it following the
// main display while SingleResultsShown is set (also while it is hidden).
class SingleResultsCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleResultsCommands)

  public:
    SingleResultsCommands(Session& session, MainWindow& window, QObject* parent = nullptr);
    ~SingleResultsCommands() override;

    void AEinzelergebnisseExecute();
    bool SingleResultsShown() const;
    // Null while the window does not exist.
    SingleResultsWindow* window() const;

  private:
    Session& m_session;
    MainWindow& m_main;
    QPointer<SingleResultsWindow> m_window;
};

} // namespace orv
