#pragma once

#include "core/session.h"
#include "settings/settings_file.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orv::test {

// The scripted dialogs as a watchdog: a dialog the test did not expect fails the test and is answered
// with Cancel (or nothing) instead of throwing through Qt's event handling.
class WatchedDialogs final : public Dialogs
{
  public:
    ScriptedDialogs script;

    MessageAnswer show(const Message& message) override
    {
        try {
            return script.show(message);
        } catch (const std::logic_error&) {
            ADD_FAILURE() << "unexpected message: " << message.text.toStdString();
            return MessageAnswer::Cancel;
        }
    }
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override
    {
        try {
            return script.inputBox(caption, prompt, text);
        } catch (const std::logic_error&) {
            ADD_FAILURE() << "unexpected input box: " << caption.toStdString();
            return std::nullopt;
        }
    }
    std::optional<QString> openFile(const FileDialogRequest& request) override
    {
        try {
            return script.openFile(request);
        } catch (const std::logic_error&) {
            ADD_FAILURE() << "unexpected open dialog: " << request.title.toStdString();
            return std::nullopt;
        }
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        try {
            return script.saveFile(request);
        } catch (const std::logic_error&) {
            ADD_FAILURE() << "unexpected save dialog: " << request.title.toStdString();
            return std::nullopt;
        }
    }
};

// The shipped settings with the constants and defaults of the worked examples.
inline SettingsRecord exampleSettings(const QString& programDir)
{
    SettingsRecord s = shippedDefaultSettings(programDir);
    s.DefaultRoomTemperature = 20;
    s.DefaultOutdoorTemperature = -12;
    s.DefaultGroundwaterDepth = 5;
    s.DefaultGroundwaterTemperature = 10;
    s.DefaultUsableAreaShare = 70;
    s.DefaultMinAirChange = 0.5f;
    s.DefaultVentilationShare = 0.5f;
    s.ShowWelcomeWindow = false;
    return s;
}

// ... and those of the second example (a colder place, groundwater nearer, more usable area).
inline SettingsRecord example2Settings(const QString& programDir)
{
    SettingsRecord s = exampleSettings(programDir);
    s.DefaultOutdoorTemperature = -14;
    s.DefaultGroundwaterDepth = 4;
    s.DefaultUsableAreaShare = 75;
    return s;
}

// A started program in a temporary program directory, its start timer run, the window shown.
class MainWindowTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    WatchedDialogs dialogs;
    std::unique_ptr<Application> app;

    QString programDir() const { return dir.path() + QLatin1Char('/'); }

    // `arguments` is the command line, program name first.
    void start(const SettingsRecord& settings, const QStringList& arguments = {})
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(Vorgaben_Speichern(settings, programDir(), dialogs));
        app = std::make_unique<Application>(programDir(), dialogs);
        app->start(arguments);
        window().show();
        QApplication::setActiveWindow(&window());
        window().finishStartup();
    }
    void start() { start(exampleSettings(programDir())); }

    void TearDown() override
    {
        EXPECT_TRUE(dialogs.script.answers.empty()) << "answers left unused";
        EXPECT_TRUE(dialogs.script.files.empty()) << "file names left unused";
    }

    MainWindow& window() { return app->mainWindow(); }
    Session& session() { return app->session(); }
    InputEdit* edit(InputId id) { return window().input(id); }
    template <typename T = QWidget> T* control(const char* name)
    {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* panel) { return control<QLabel>(panel)->text(); }
    QString hint(const char* name) { return control(name)->toolTip(); }
    QAction* command(const char* name)
    {
        QAction* action = window().command(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    // Types into an input with real key events, as the user would.
    void type(InputId id, const QString& keys)
    {
        InputEdit* input = edit(id);
        input->setFocus();
        QTest::keyClicks(input, keys);
    }
    // Replaces an input's text by typing: select all, then the keys.
    void retype(InputId id, const QString& keys)
    {
        InputEdit* input = edit(id);
        input->setFocus();
        input->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(input, Qt::Key_Backspace);
        else
            QTest::keyClicks(input, keys);
    }

    void typeExample1()
    {
        using enum InputId;
        type(Length, "10");
        type(Width, "8");
        type(HeatedHeight, "5.5");
        type(KOuterWall, "0.5");
        type(KWindow, "1.3");
        type(RFloor, "1");
        type(KRoof, "0.3");
        type(WindowArea, "20");
    }

    // Needs example2Settings.
    void typeExample2()
    {
        using enum InputId;
        control<QAbstractButton>("RadioButton2")->click();
        control<QAbstractButton>("RadioButton4")->click();
        type(Length, "12");
        type(Width, "9");
        type(HeatedHeight, "5");
        retype(Storeys, "3");
        type(KOuterWall, "0.4");
        type(KWindow, "1.6");
        type(RFloor, "1.5");
        type(KRoof, "0.25");
        type(WindowArea, "30");
        type(RoofArea, "160");
        type(RoofVolume, "150");
        type(GableArea, "40");
        type(RGroundWall, "1.2");
        retype(GroundWallHeight, "2.5");
    }
};

} // namespace orv::test
