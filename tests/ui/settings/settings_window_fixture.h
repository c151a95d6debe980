#pragma once

#include "ui/main_window_fixture.h"
#include "ui/settings/defaults_page.h"
#include "ui/settings/filtered_edit.h"
#include "ui/settings/options_page.h"
#include "ui/settings/preset_page.h"
#include "ui/settings/settings_commands.h"
#include "ui/settings/settings_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

namespace orv::test {

// The settings window opened through the main window's commands, activated as a window manager would.
class SettingsWindowTest : public MainWindowTest
{
  protected:
    SettingsWindow* settingsWindow() { return app->settingsCommands().window(); }

    SettingsWindow* open(Qt::Key key)
    {
        QApplication::setActiveWindow(&window());
        QTest::keyClick(&window(), key);
        SettingsWindow* w = settingsWindow();
        EXPECT_NE(w, nullptr);
        if (w) {
            QApplication::processEvents();
            QApplication::setActiveWindow(w);
        }
        return w;
    }

    FilteredEdit* values(DefaultsField field) { return settingsWindow()->valuesPage()->edit(field); }
    FilteredEdit* preset(PresetNumber n) { return settingsWindow()->presetPage()->numberEdit(n); }
    QLineEdit* presetText(PresetNumber n) { return settingsWindow()->presetPage()->textEdit(n); }
    QCheckBox* option(int number) { return settingsWindow()->optionsPage()->checkBox(number); }
    QWidget* page() { return settingsWindow()->tabs()->currentWidget(); }

    // Replaces a field's text with real key events.
    static void retypeField(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        if (!keys.isEmpty())
            QTest::keyClicks(edit, keys);
    }

    void clickSave() { settingsWindow()->saveButton()->click(); }

    SettingsRecord storedSettings()
    {
        auto stored = readSettingsFile(settingsFilePath(programDir()));
        EXPECT_TRUE(stored.has_value());
        return stored.value_or(SettingsRecord{});
    }
};

} // namespace orv::test
