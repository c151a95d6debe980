#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace orv {

class DefaultsPage;
class Dialogs;
class MainWindow;
class OptionsPage;
class PresetPage;
struct Session;

// "Einstellungen von Orvenna": the calculation defaults, the program options and the k-value presets, with
// one row of buttons for all three pages. Not modal. The title bar's close box only hides it; saving,
// cancelling and Esc end it (finished), and the next opening sets up a new one from the records.
class SettingsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsWindow)

  public:
    // The page numbers the opening command is given; others keep the page shown.
    static constexpr int kValuesPage = 1;
    static constexpr int kOptionsPage = 2;
    static constexpr int kPresetsPage = 4;

    SettingsWindow(Session& session, Dialogs& dialogs, MainWindow& window, int& activeSlot);
    ~SettingsWindow() override;

    // First opening: placed over the main window on `page`, filled from the records.
    void setUp(int page);
    // Opening an existing window again: the preset page is taken in first and keeps the window on it
    // while its input is refused.
    void raiseAgain(int page);
    // Both openings end here: completeness check, and with `focusRight` on the values page the focus in
    // the open building's room temperature.
    void finishOpening(bool focusRight);

    void Vorgaben_eintragen();
    void TabSheetWechseln();
    void Datenvollstaendig_Allg();
    void save();
    void cancel();
    void escape();
    // The window is done (saved, cancelled, Esc, or closed with every auxiliary window): hidden, its
    // animation stopped, finished emitted once. Closing with all windows stores and reloads nothing.
    void closeForGood();

    DefaultsPage* valuesPage() const { return m_values; }
    OptionsPage* optionsPage() const { return m_options; }
    PresetPage* presetPage() const { return m_presets; }
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* factoryButton() const { return m_factory; }
    QPushButton* fourthButton() const { return m_fourth; }
    QPushButton* cancelButton() const { return m_cancel; }

  signals:
    // Saved, cancelled, Esc or closed with all windows: the window is done and may go.
    void finished();

  private:
    QWidget* buildButtons();
    int pageIndex(int page) const;
    void switchPageQuietly(QWidget* page);
    void factoryClicked();
    void fourthClicked();
    bool checkValuesPage();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    QTabWidget* m_tabs = nullptr;
    DefaultsPage* m_values = nullptr;
    OptionsPage* m_options = nullptr;
    PresetPage* m_presets = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_factory = nullptr;
    QPushButton* m_fourth = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_finished = false;
};

} // namespace orv
