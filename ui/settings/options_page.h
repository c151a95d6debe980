#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace orv {

class Dialogs;
struct SettingsRecord;

// "  Optionen  F9  ": start, saving and help-text options and the folder for buildings.
class OptionsPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsPage)

  public:
    // `programDir` (with its trailing separator) is what the small button beside the folder puts in.
    OptionsPage(Dialogs& dialogs, QString programDir, QWidget* parent = nullptr);

    void fill(const SettingsRecord& settings);
    void store(SettingsRecord& settings) const;
    // "Stan&dardwerte": every box checked, the folder kept.
    void setFactoryValues();

    QCheckBox* checkBox(int number) const;
    QLineEdit* folderEdit() const { return m_folder; }

  private:
    Dialogs& m_dialogs;
    QString m_programDir;
    QCheckBox* m_welcome = nullptr;   // CheckBox1
    QCheckBox* m_autoCalc = nullptr;  // CheckBox2
    QCheckBox* m_askSave = nullptr;   // CheckBox4
    QCheckBox* m_autoSave = nullptr;  // CheckBox5
    QCheckBox* m_helpTexts = nullptr; // CheckBox6
    QLineEdit* m_folder = nullptr;    // Edit18
};

} // namespace orv
