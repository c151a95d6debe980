#pragma once

#include "settings/sensitive_values.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orv {

class Dialogs;
class MainWindow;
struct Session;

// "Sensible Einstellungen": the calculation constants, the load increase, the window enlargement and the
// safety switches. Holds the texts until "Speichern + Schließen" stores them all at once; "Abbruch", Esc and
// the close box discard them. The window deletes itself when closed.
class SensitiveSettingsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SensitiveSettingsWindow)

  public:
    SensitiveSettingsWindow(Session& session, Dialogs& dialogs, MainWindow& window);

    // Placement on the main window, the inputs from the settings, focus on the load increase.
    void setUp();

    QLineEdit* edit(SensitiveField field) const { return m_edits[static_cast<int>(field)]; }
    QCheckBox* plausibilityBox() const { return m_plausibility; }
    QCheckBox* confirmDeleteBox() const { return m_confirmDelete; }
    QCheckBox* passwordBox() const { return m_password; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* standardButton() const { return m_standard; }

  signals:
    // Stored and written; the window is closing. `growthChanged`: a window enlargement value changed.
    void saved(bool growthChanged);

  private:
    void showTexts(const SensitiveTexts& texts);
    SensitiveTexts currentTexts() const;
    void save();
    void standard();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_main;
    std::array<QLineEdit*, kSensitiveFieldCount> m_edits{};
    QCheckBox* m_startMaximized = nullptr;
    QCheckBox* m_mainOnly = nullptr;
    QCheckBox* m_plausibility = nullptr;
    QCheckBox* m_confirmDelete = nullptr;
    QCheckBox* m_password = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_standard = nullptr;
};

} // namespace orv
