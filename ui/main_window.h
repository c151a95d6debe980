#pragma once

// The main window: the inputs of the one building, its results and the program's commands.
//
// The road of one keystroke: an InputEdit runs the key filter (core/input_controls.h) and hands tool letters
// to the tool hook. The text change runs EditChange: the storeys suggestion from the height, remembering the
// component values, then DatenVollstaendig. That reads every input into the BuildingRecord
// (SofortigesEinlesen, core/input_reading.h) and decides completeness; with AutoBerechnen it runs
// AutoBerechnenGO's checks (core/checks.h) and HLBerechnen: the command's checks, the refusal of unusable
// values, the formula core (core/calculation.h), ErgebnisseZeigen with the panel texts of
// core/results_display.h, and RechnenBeendetProzeduren, which makes the results printable. The window itself
// computes nothing: it moves texts into the record and results onto the screen, and asks every question
// through Dialogs.
//
// Later windows hook in through the public methods and hooks below; their commands exist in the menus and on
// the tool bar but stay disabled until the window is there.

#include "core/component_values.h"
#include "core/input_controls.h"
#include "core/input_reading.h"
#include "core/results_display.h"
#include "files/building_view.h"
#include "ui/input_edit.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolBar;
class QToolButton;

namespace orv {

class Dialogs;
class HintSwitch;
class InputEdit;
struct Session;

// Program-level flags of the main window (run-time only).
struct MainWindowFlags
{
    bool AutoCalcActive = false;
    bool LoadingBuilding = false;
    bool StoreysFollowHeight = true;
    bool StartingUp = false;
    bool InputsRead = false;
    bool ResultsValid = false;
    bool StoreKValues = true;
    int InsertedPreset = 0;
};

// Counters shown by the state display.
struct RoadCounters
{
    int ReadCount = 0;
    int CompletenessCheckCount = 0;
    int ChangeCount = 0;
    int KeyPressCount = 0;
    QString LastKey;
};

class MainWindow final : public QMainWindow, public BuildingView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

  public:
    // The settings in the session have been read; the window runs its start routine and waits for the
    // start timer (500 ms) before it reacts to completeness checks.
    MainWindow(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window where the start routine placed it (maximised on small screens).
    void showPlaced();
    // Runs the start timer's action now, as the timer would after 500 ms.
    void finishStartup();

    // Hooks for the building files, tools and later windows. Unset hooks leave the default behaviour.
    // Closing: returns whether the building may be discarded (the safety question); unset, it may.
    void setSafetyQuestion(std::function<bool(bool closing)> hook);
    // Called where a complete change is saved as the last building (AutoSave on, not starting up).
    void setSaveLastBuilding(std::function<void()> hook);
    // The start timer's action; unset, the empty building stays.
    void setStartAction(std::function<void()> hook);
    // A tool letter or double-click asked for this component tool; each tool window registers its own.
    void setToolHook(ComponentTool tool, std::function<void(const ToolRequest&)> hook);
    // Printing exists: ADrucken and APdfSpeichern then follow the results' validity.
    void setPrintAvailable(bool available);
    // The roof tool exists: ADach then follows the roof-space choice.
    void setRoofToolAvailable(bool available);

    // A new, empty building, and a building just read into the record, shown in the inputs (the order of
    // the steps is the building-file commands', files/building_files.h).
    void ResetBuilding();
    void ShowBuilding();
    bool SofortigesEinlesen();
    void DatenVollstaendig(bool saveLast);
    void FormularGroesseVeraendert();

    // What the building-file commands see of the window.
    bool readInputsIntoRecord() override;
    void checkCompleteness() override;
    void clearResults() override;
    void setLoadingBuilding(bool loading) override;
    void setStoreysFollowHeight(bool follow) override;
    void showNewBuildingInputs(const InputTexts& texts) override;
    void showBuildingInputs(const InputTexts& texts, bool roofSpaceHeated, bool cellarHeated) override;
    void setTemperatureLine(const QString& text) override;
    void setDesignation(const QString& name) override;
    void FormCaptionAnpassen(const QString& text) override;
    void setStatusText(const QString& text) override;
    void focusLength() override;
    bool startingUp() const override;
    void refreshToolWindows() override;
    void showRecentFiles(const RecentMenu& menu) override;

    // Auxiliary windows, closed together by "alle Fenster schließen" in the order registered.
    void registerAuxiliaryWindow(QWidget* window);
    void AlleFensterSchliessen();
    // The AutoBerechnen switch set as the user would set it (the settings window's cancel).
    void setAutoCalculation(bool on);

    // After the settings changed: preset captions, hint switch, increase notice.
    void kWertBezeichnungVeraendern();
    void HilfetexteAnzeigen();
    void showLoadIncrease();

    const MainWindowFlags& flags() const { return m_flags; }
    const RoadCounters& counters() const { return m_counters; }
    // The state display's "&Reset": the counters start again from 0; the last key stays.
    void resetCounters();
    const ComponentValues& rememberedValues() const { return m_remembered; }
    int extraWidth() const { return m_extraWidth; }
    int extraHeight() const { return m_extraHeight; }
    InputEdit* input(InputId id) const { return m_inputs[static_cast<int>(id)]; }
    QAction* command(const QString& name) const;

  signals:
    // For the single-results window: the display was refilled or emptied.
    void resultsShown();
    void resultsCleared();
    // For the tool windows: a building was written into the inputs.
    void buildingShown();
    // The window became the active one (the welcome window closes then).
    void activated();
    // "alle Fenster schließen": windows that only hide on close end here.
    void allWindowsClosing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // main_window_layout.cpp
    void buildCentralWidget();
    QWidget* buildDimensionsGroup();
    QWidget* buildComponentsGroup();
    QWidget* buildOtherGroup();
    QWidget* buildRoofGroup();
    QWidget* buildCellarGroup();
    QWidget* buildLoadResults();
    QWidget* buildAreaResults();
    QWidget* buildAutoCalcArea();
    InputEdit* makeInput(InputId id, InputEdit::Filter filter, const QString& hint);
    QLabel* makeCaption(const QString& text, QWidget* buddy, const QString& hint = {});
    void arrangeTabOrder();

    // main_window_commands.cpp
    void buildCommands();
    void buildMenus();
    void buildToolBar();
    QAction* addCommand(const QString& name, const QString& caption, const QKeySequence& shortcut,
                        const QString& hint);
    bool isWindowShortcut(const QKeySequence& sequence) const;
    void toggleToolBar(bool show);
    void confirmEscape();

    // main_window_road.cpp
    void EditChange(InputId id);
    void AutoBerechnenGO();
    void HLBerechnen();
    void ErgebnisseZeigen();
    void ErgebnisseLoeschen();
    void RechnenBeendetProzeduren();
    void refuseCalculation(const Message& reason);
    void showIncomplete();
    void setAutoPanel(bool allowed, const QString& firstLine, const QString& secondLine);
    void CheckBox1Click();
    void AutomatischesBerechnenJA();
    void updateResultsValidity();
    void applyResultColours();
    void calculate();
    void setCalculateEnabled(bool enabled);
    InputTexts inputTexts() const;

    // main_window_building.cpp
    void DachraumUnbeheizt();
    void Dachraumbeheizt();
    void KellerUnbeheizt();
    void Kellerbeheizt();
    void RadioButtonClick(int index);
    void k_Einfg(int slot);
    void k_werte_eintragen();
    void kWertspeichern();
    void Ak_Einfg_alterExecute();
    void writeComponentTexts(const ComponentTexts& texts);
    void writeInputs(const InputTexts& texts);
    void selectRadio(int index);
    void stepStoreys(int delta);
    void requestTool(InputId id, ToolKey key);
    void Startprozeduren();
    void placeWindow();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindowFlags m_flags;
    RoadCounters m_counters;
    ComponentValues m_remembered{};
    int m_extraWidth = 0;
    int m_extraHeight = 0;
    bool m_printAvailable = false;
    QByteArray m_calculatedBasis; // of the results shown; empty when none are valid
    bool m_roofToolAvailable = false;
    bool m_maximizeAtShow = false;

    std::function<bool(bool)> m_safetyQuestion;
    std::function<void()> m_saveLastBuilding;
    std::function<void()> m_startAction;
    std::map<ComponentTool, std::function<void(const ToolRequest&)>> m_toolHooks;
    std::vector<QPointer<QWidget>> m_auxiliaryWindows;
    QTimer m_startTimer;
    HintSwitch* m_hintSwitch = nullptr;

    std::array<InputEdit*, kInputCount> m_inputs{};
    InputEdit* m_designation = nullptr; // Edit14 on the tool bar
    QLabel* m_heightCaption = nullptr;
    QLabel* m_heightSecondLine = nullptr;
    QLabel* m_roofComponentCaption = nullptr;
    std::vector<QWidget*> m_roofControls;
    std::vector<QWidget*> m_cellarControls;
    std::array<QRadioButton*, 4> m_radio{};
    QLabel* m_temperatureLine = nullptr;
    QWidget* m_inputPanel = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    std::array<QLabel*, kResultPanels> m_panels{};
    QLabel* m_shareLabel = nullptr;           // Label50
    QLabel* m_ventilationCaption = nullptr;   // Label26
    QLabel* m_increaseNotice = nullptr;       // Panel12
    QFrame* m_autoPanel = nullptr;            // Panel11
    QLabel* m_autoActive = nullptr;           // Label21
    QLabel* m_autoFirstLine = nullptr;        // Label24
    QLabel* m_autoSecondLine = nullptr;       // Label28
    QPushButton* m_calculateButton = nullptr; // BitBtn1
    QCheckBox* m_autoCheck = nullptr;         // CheckBox1
    QLabel* m_statusText = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::array<QAction*, 4> m_recentFiles{};
    std::array<QAction*, 5> m_presetCommands{};
    std::vector<QAction*> m_commands;
};

} // namespace orv
