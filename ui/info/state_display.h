#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QPushButton;

namespace orv {

class MainWindow;
struct Session;

// "VariablenAnzeige": the program's flags, counters, the typed keys and the calculation's intermediate
// values while the user works. Stays on top; rewrites every value from the session and the main window
// at each refresh (300 ms) and keeps none. Collapsed it shows the status words and the counters, expanded
// also the file, the typed keys and the value groups. Created anew each time and deleted when closed.
class StateDisplay final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StateDisplay)

  public:
    static constexpr int kCollapsedWidth = 155;
    static constexpr int kExpandedWidth = 485;
    static constexpr int kRefreshInterval = 300; // ms

    StateDisplay(Session& session, MainWindow& window);

    // Left of the main window at its top, collapsed, the trace emptied, the refresh running. Call after
    // show().
    void Startprozeduren();
    void refresh();
    // "&Reset": the six counters start again from 0.
    void resetCounters();
    void setExpanded(bool expanded);
    bool isExpanded() const;
    const QTimer& refreshTimer() const { return m_timer; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildStatusAndCounters();
    QWidget* buildDetails();
    QWidget* buildValueGroup(int index);

    Session& m_session;
    MainWindow& m_window;
    QTimer m_timer;
    std::array<QLabel*, 4> m_status{};
    std::array<QLabel*, 6> m_counters{};
    QLabel* m_character = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_trace = nullptr;
    QLabel* m_fileName = nullptr;
    QLabel* m_filePath = nullptr;
    std::vector<QLabel*> m_values; // the value groups' lines in order, sub-headings left out
    QWidget* m_details = nullptr;
    QPushButton* m_expand = nullptr;
};

} // namespace orv
