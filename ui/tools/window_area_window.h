#pragma once

#include "tools/window_area.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orv {

class Dialogs;
class MainWindow;
struct Session;

// "Fensterfläche berechnen ": the building's window area as the sum of up to ten window types or as a share
// of the free-standing outer wall. The list, the percentage and the chosen way go into the building record
// as they are typed; only the hand-over changes the main window's window-area field. Modeless.
class WindowAreaWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowAreaWindow)

  public:
    WindowAreaWindow(Session& session, Dialogs& dialogs, MainWindow& window);

    // Places the window over the main window, fills it and shows it.
    void Startprozeduren();
    // Determines the free-standing wall area from the main window and fills the window from the record;
    // also when another building was opened while it is open.
    void werteEintragen();

    QTableWidget* list() const { return m_list; }
    QCheckBox* estimateBox() const { return m_estimate; }
    QLineEdit* percentEdit() const { return m_percent; }
    QLabel* firstLine() const { return m_firstLine; }
    QLabel* secondLine() const { return m_secondLine; }
    QPushButton* handOverButton() const { return m_handOver; }
    QPushButton* cancelButton() const { return m_cancel; }
    std::optional<float> wallArea() const { return m_wallArea; }
    float total() const { return m_total; }

  public slots:
    // "&Abbruch", Escape and the close button: the entries stay in the record.
    void reject() override;

  private:
    void buildLayout();
    void determineWallArea();
    void fillList();
    void setEstimateMode(bool estimate);
    void CheckBox1Click(bool ticked);
    void AutomatischesBerechnen();
    void showLines(const WindowAreaLines& lines);
    void BitBtn1Click();
    WindowListTexts listTexts() const;

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    std::optional<float> m_wallArea; // A_W; none while length, width or height are missing
    // The area on offer. Kept here, not in the record, whose window area stays the main window's field.
    float m_total = 0;
    bool m_filling = false;

    QTableWidget* m_list = nullptr;
    QCheckBox* m_estimate = nullptr;
    QLabel* m_percentCaption = nullptr;
    QLineEdit* m_percent = nullptr;
    QLabel* m_percentUnit = nullptr;
    QLabel* m_firstLine = nullptr;
    QLabel* m_secondLine = nullptr;
    QPushButton* m_handOver = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace orv
