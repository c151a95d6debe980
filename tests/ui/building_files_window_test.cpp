// The building files through the real window: its commands, the safety question when it closes, the
// automatic save of its changes and the start with a file on the command line.

#include "main_window_fixture.h"

#include "core/german_numbers.h"
#include "files/building_file.h"
#include "support/file_size_limit.h"
#include "ui/program_commands.h"
#include "ui/welcome_window.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using namespace orv;
using namespace orv::test;

namespace {

const Message kUnsavedOnClose{"Gebäudedaten wurden noch nicht gespeichert. Speichern?", "Programm beenden...",
                              MessageIcon::Warning, MessageButtons::YesNoCancel};

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BuildingFilesWindowTest : public MainWindowTest
{
  protected:
    QString path(const char* name) const { return programDir() + QString::fromUtf8(name); }
    QString statusText() { return control<QLabel>("StatusText")->text(); }
    QString autoSavePath() const { return path("AutoSave.orv"); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(edit(InputId::Length), key, modifiers);
    }
};

TEST_F(BuildingFilesWindowTest, SavedBuildingOpensAgainAsItWas)
{
    start(example2Settings(programDir()));
    typeExample2();
    ASSERT_EQ(text("Panel4"), "9,76 kW");
    const QString file = path("Haus Meier.orv");
    dialogs.script.files = {file};
    press(Qt::Key_S);
    ASSERT_EQ(dialogs.script.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.script.fileRequests[0].title, "Gebäudedatei speichern");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Haus Meier]");
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "Haus Meier");
    EXPECT_EQ(statusText(), " Gespeichert: " + file);
    EXPECT_EQ(command("ADatei1")->text(), "&1  Haus Meier");
    EXPECT_TRUE(command("ADatei1")->isVisible());
    const QByteArray saved = bytesOf(file);
    ASSERT_EQ(saved.size(), 5044);

    // A saved building is discarded without a question.
    press(Qt::Key_N);
    EXPECT_EQ(edit(InputId::Length)->text(), "");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");

    dialogs.script.files = {file};
    press(Qt::Key_O);
    EXPECT_EQ(dialogs.script.fileRequests.back().title, "Gebäudedatei öffnen");
    EXPECT_EQ(edit(InputId::Length)->text(), "12,00");
    EXPECT_EQ(edit(InputId::GroundWallHeight)->text(), "2,50");
    EXPECT_TRUE(control<QAbstractButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>("RadioButton4")->isChecked());
    EXPECT_EQ(text("Panel4"), "9,76 kW");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Haus Meier]");
    EXPECT_TRUE(session().file.BuildingOpened);
    EXPECT_FALSE(session().file.BuildingModified);

    // Saving the opened building reads every input back: nothing was lost or reformatted on the way, and
    // the known file is written without a dialog.
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.script.fileRequests.size(), 2u);
    EXPECT_EQ(bytesOf(file), saved);
    EXPECT_TRUE(session().file.BuildingSaved);
    EXPECT_TRUE(dialogs.script.shown.empty());

    // The recent-file entry opens it too.
    press(Qt::Key_N);
    command("ADatei1")->trigger();
    EXPECT_EQ(edit(InputId::Width)->text(), "9,00");
}

struct CloseCase
{
    MessageAnswer answer;
    bool closes;
    bool fileWritten;
};

class SafetyQuestionOnCloseTest : public BuildingFilesWindowTest,
                                  public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(SafetyQuestionOnCloseTest, AnswerDecidesWhetherTheWindowCloses)
{
    const CloseCase c = GetParam();
    start();
    typeExample1();
    const QString file = path("Haus.orv");
    dialogs.script.answers = {c.answer};
    if (c.answer == MessageAnswer::Yes)
        dialogs.script.files = {file};

    EXPECT_EQ(window().close(), c.closes);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0], kUnsavedOnClose);
    EXPECT_EQ(QFile::exists(file), c.fileWritten);
    EXPECT_EQ(edit(InputId::Length)->text(), "10"); // the window itself never empties the building
}

INSTANTIATE_TEST_SUITE_P(Answers, SafetyQuestionOnCloseTest,
                         ::testing::Values(CloseCase{MessageAnswer::Yes, true, true},
                                           CloseCase{MessageAnswer::No, true, false},
                                           CloseCase{MessageAnswer::Cancel, false, false}));

TEST_F(BuildingFilesWindowTest, NewAsksWithItsOwnCaptionAndACancelledSaveKeepsTheBuilding)
{
    start();
    typeExample1();
    dialogs.script.answers = {MessageAnswer::Yes};
    dialogs.script.files = {std::nullopt};
    press(Qt::Key_N);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].caption, "Hinweis!");
    EXPECT_EQ(edit(InputId::Length)->text(), "10");
    EXPECT_EQ(text("Panel4"), "5,96 kW");

    dialogs.script.answers = {MessageAnswer::No};
    press(Qt::Key_N);
    EXPECT_EQ(edit(InputId::Length)->text(), "");
    // A building that was never saved closes without a question once it is empty again.
    EXPECT_TRUE(window().close());
}

TEST_F(BuildingFilesWindowTest, FailedSavesSayWhyAndKeepTheOldFile)
{
    start();
    typeExample1();
    const QString file = path("Haus.orv");
    dialogs.script.files = {file};
    press(Qt::Key_S);
    const QByteArray old = bytesOf(file);
    ASSERT_EQ(old.size(), 5044);

    retype(InputId::Length, "11");
    {
        const FileSizeLimit fullDisk(1000);
        press(Qt::Key_S);
    }
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0],
              (Message{"Fehler bei Datenträgerzugriff.", "Fehler", MessageIcon::Error, MessageButtons::Ok}));
    EXPECT_EQ(bytesOf(file), old);
    EXPECT_FALSE(session().file.BuildingSaved);
    EXPECT_TRUE(session().file.BuildingModified);

    // Save as into a "folder" that is a file: the same message, nothing renamed or listed.
    dialogs.script.files = {file + "/Neu.orv"};
    press(Qt::Key_F12, Qt::NoModifier);
    ASSERT_EQ(dialogs.script.shown.size(), 2u);
    EXPECT_EQ(dialogs.script.shown[1].text, "Fehler bei Datenträgerzugriff.");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Haus]");
    EXPECT_FALSE(command("ADatei2")->isVisible());
    EXPECT_EQ(bytesOf(file), old);
}

TEST_F(BuildingFilesWindowTest, EveryAcceptedChangeIsKeptButNothingAtStart)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.AutoSave = true;
    start(settings);
    EXPECT_FALSE(QFile::exists(autoSavePath()));

    type(InputId::Length, "12");
    auto kept = readBuildingFile(autoSavePath());
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->BuildingLength, 12.0f);
    EXPECT_EQ(kept->LastBuildingDate, shortDateToday().left(8));
    EXPECT_EQ(session().file.AutoSaveCount, 2);
    EXPECT_FALSE(session().file.BuildingSaved);
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");

    // A key the filter refuses changes nothing and keeps nothing.
    type(InputId::Length, "x");
    EXPECT_EQ(session().file.AutoSaveCount, 2);
    control<QAbstractButton>("RadioButton4")->click();
    EXPECT_EQ(session().file.AutoSaveCount, 3);
    EXPECT_TRUE(readBuildingFile(autoSavePath())->CellarHeated);
}

TEST_F(BuildingFilesWindowTest, CommandLineFileOpensInsteadOfTheWelcomeWindow)
{
    SettingsRecord settings = exampleSettings(programDir());
    const QString folder = programDir() + "some folder/";
    ASSERT_TRUE(QDir().mkpath(folder));
    BuildingRecord b;
    resetToNewBuilding(b, settings);
    b.BuildingLength = 12;
    ASSERT_TRUE(writeBuildingFile(folder + "Haus Meier.orv", b));

    settings.ShowWelcomeWindow = true;
    settings.AutoSave = true;
    // A path with a blank arrives split, as a desktop passes it unquoted.
    start(settings, {"orvenna", programDir() + "some", "folder/Haus", "Meier.orv"});
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Haus Meier]");
    EXPECT_EQ(edit(InputId::Length)->text(), "12,00");
    EXPECT_EQ(app->commands().welcomeWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(autoSavePath()));
    EXPECT_FALSE(command("ADatei1")->isVisible()); // opening by path does not enter the list
    EXPECT_TRUE(dialogs.script.shown.empty());
}

TEST_F(BuildingFilesWindowTest, UnreadableCommandLineFileLeavesTheEmptyBuilding)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.ShowWelcomeWindow = true;
    const QString missing = programDir() + "fehlt.orv";
    start(settings, {"orvenna", missing});
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "FEHLER! Datei " + missing + " ist nicht lesbar.");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");
    EXPECT_EQ(app->commands().welcomeWindow(), nullptr);
}

TEST_F(BuildingFilesWindowTest, WelcomeWindowAtStartClosesWhenTheMainWindowIsActivated)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.ShowWelcomeWindow = true;
    start(settings);
    QPointer<WelcomeWindow> welcome = app->commands().welcomeWindow();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_EQ(welcome->windowTitle(), "kvz Orvenna - Startinformationen");
    ASSERT_TRUE(QTest::qWaitForWindowActive(welcome));

    // The user clicks into the main window.
    QApplication::setActiveWindow(&window());
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");

    // Ctrl+I brings a new one, and "alle Fenster schließen" closes it.
    press(Qt::Key_I);
    QPointer<WelcomeWindow> again = app->commands().welcomeWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    command("AlleFensterschlieen1")->trigger();
    EXPECT_FALSE(again->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(welcome.isNull());
    EXPECT_TRUE(again.isNull());
}

TEST_F(BuildingFilesWindowTest, WelcomeWindowReopensTheKeptBuildingUnderItsDate)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.AutoSave = true;
    start(settings);
    typeExample1();
    dialogs.script.answers = {MessageAnswer::No};
    press(Qt::Key_N);

    press(Qt::Key_I);
    WelcomeWindow* welcome = app->commands().welcomeWindow();
    ASSERT_NE(welcome, nullptr);
    welcome->choiceButton(WelcomeChoice::LastBuilding)->click();
    welcome->okButton()->click();
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_EQ(text("Panel4"), "5,96 kW");
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "Letztes Gebäude (am " + shortDateToday().left(8) + ")");

    // Not tied to the automatic file: Save asks for a name.
    dialogs.script.files = {std::nullopt};
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.script.fileRequests.size(), 1u);
}

} // namespace
