#include "files/welcome_choices.h"

#include "core/german_numbers.h"
#include "files/building_file.h"
#include "settings/settings_file.h"
#include "support/fake_building_view.h"
#include "support/scripted_dialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;
using enum InputId;

namespace {

class WelcomeChoicesTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    Session session;
    test::ScriptedDialogs dialogs;
    test::FakeBuildingView view{session, dialogs};
    BuildingFiles files{session, dialogs, view};
    QStringList steps; // what happened, in order

    WelcomeChoicesTest()
    {
        session.programDir = folder;
        session.settings = shippedDefaultSettings(folder);
        view.files = &files;
        view.starting = true;
        files.ResetBuilding();
        view.starting = false;
    }

    void choose(WelcomeChoice choice)
    {
        carryOutWelcomeChoice(choice, files, [this] {
            steps << QStringLiteral("closed") +
                         (dialogs.fileRequests.empty() ? QString() : QStringLiteral(" late"));
        });
    }

    // An automatically kept building of yesterday without designation.
    void keepLastBuilding()
    {
        view.type(Length, QStringLiteral("9,5"));
        view.type(Width, QStringLiteral("6"));
        BuildingRecord kept = *readBuildingFile(files.autoSavePath());
        kept.LastBuildingDate = QStringLiteral("02.03.26");
        ASSERT_TRUE(writeBuildingFile(files.autoSavePath(), kept));
        files.ResetBuilding();
    }
};

TEST_F(WelcomeChoicesTest, AvailabilityOfTheChoices)
{
    const QString autoSave = files.autoSavePath();
    EXPECT_FALSE(welcomeAvailability(session, autoSave).lastBuilding) << "no automatic file";
    QFile f(autoSave);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(welcomeAvailability(session, autoSave).lastBuilding);
    EXPECT_TRUE(welcomeAvailability(session, autoSave).savedBuilding);
    session.settings.AutoSave = false;
    EXPECT_FALSE(welcomeAvailability(session, autoSave).lastBuilding);
    session.settings.AutoSave = true;
    for (int errors : {1, 10}) {
        session.SettingsReadErrors = errors;
        EXPECT_FALSE(welcomeAvailability(session, autoSave).lastBuilding) << errors;
        EXPECT_FALSE(welcomeAvailability(session, autoSave).savedBuilding) << errors;
    }
}

TEST_F(WelcomeChoicesTest, RunningTextRotatesLeft)
{
    QString text = QString::fromUtf8(kWelcomeRunningText);
    text = runningTextStep(text);
    EXPECT_EQ(text, QStringLiteral("illkommen bei kvz Orvenna - Willkommen bei kvz Orvenna - W"));
    for (int i = 1; i < text.size(); ++i)
        text = runningTextStep(text);
    EXPECT_EQ(text, QString::fromUtf8(kWelcomeRunningText));
}

TEST_F(WelcomeChoicesTest, LastBuildingOpensUnderItsDateAndSaveAsksForName)
{
    keepLastBuilding();
    choose(WelcomeChoice::LastBuilding);
    EXPECT_EQ(steps, QStringList{QStringLiteral("closed")});
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("9,50"));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Letztes Gebäude (am 02.03.26)"));
    EXPECT_EQ(view.designation, QStringLiteral("Letztes Gebäude (am 02.03.26)"));
    EXPECT_FALSE(session.building.HasBuildingInfo);
    EXPECT_FALSE(session.file.BuildingOpened);

    dialogs.files.push_back(folder + QStringLiteral("Neu.orv"));
    files.Save();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u) << "Save asks for a name instead of overwriting the kept file";
    EXPECT_TRUE(dialogs.fileRequests[0].fileName.isEmpty());
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Neu"));
}

TEST_F(WelcomeChoicesTest, CancelledLastBuildingLeavesShownBuildingAlone)
{
    keepLastBuilding();
    view.type(Length, QStringLiteral("4"));
    dialogs.files.push_back(folder + QStringLiteral("Haus.orv"));
    files.SaveAs();
    view.type(Length, QStringLiteral("5"));

    dialogs.fileRequests.clear();
    dialogs.answers.push_back(MessageAnswer::Cancel);
    choose(WelcomeChoice::LastBuilding);
    EXPECT_EQ(steps, QStringList{QStringLiteral("closed")});
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Haus"));
    EXPECT_EQ(view.designation, QStringLiteral("Haus"));
    EXPECT_TRUE(session.file.BuildingSaved);
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("5"));

    // Unreadable: the empty building that replaced it is not named after the kept one either.
    QFile::resize(files.autoSavePath(), 100);
    dialogs.answers.push_back(MessageAnswer::No);
    choose(WelcomeChoice::LastBuilding);
    EXPECT_TRUE(session.building.BuildingName.isEmpty());
    EXPECT_TRUE(view.designation.isEmpty());
}

TEST_F(WelcomeChoicesTest, NewAndSavedBuildingCloseFirst)
{
    view.type(Length, QStringLiteral("4"));
    dialogs.answers.push_back(MessageAnswer::No);
    choose(WelcomeChoice::NewCalculation);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "a changed building is not dropped unasked";
    EXPECT_TRUE(textOf(view.inputs, Length).isEmpty());

    dialogs.files.push_back(std::nullopt);
    choose(WelcomeChoice::SavedBuilding);
    EXPECT_EQ(steps, QStringList({QStringLiteral("closed"), QStringLiteral("closed")}))
        << "closed before the open dialog";
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
}

TEST_F(WelcomeChoicesTest, UncheckingIsConfirmedAndStored)
{
    session.settings.ShowWelcomeWindow = true;
    dialogs.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(welcomeCheckBoxChanged(false, session, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const Message& m = dialogs.shown[0];
    EXPECT_EQ(m.caption, QStringLiteral("Willkommensfenster deaktivieren"));
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.defaultAnswer, MessageAnswer::No);
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("Wenn Sie das Willkommensfenster deaktivieren, \rkann")));
    EXPECT_TRUE(m.text.contains(QStringLiteral("(Button \"Letztes Gebäude öffnen\" im Willkommensfenster)")));
    EXPECT_TRUE(m.text.contains(QStringLiteral("indem\r        Sie die Datei \"AutoSave\" öffnen")));
    EXPECT_TRUE(m.text.endsWith(QStringLiteral("anzeigen lassen?\r")));
    EXPECT_TRUE(session.settings.ShowWelcomeWindow);

    SettingsRecord onDisk;
    const auto stored = [&] {
        Vorgaben_einlesen(onDisk, folder, dialogs);
        return onDisk.ShowWelcomeWindow;
    };
    EXPECT_TRUE(stored()) << "written in every case";

    dialogs.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(welcomeCheckBoxChanged(false, session, dialogs));
    EXPECT_FALSE(session.settings.ShowWelcomeWindow);
    EXPECT_FALSE(stored());

    EXPECT_TRUE(welcomeCheckBoxChanged(true, session, dialogs)); // checking asks nothing
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(stored());
}

} // namespace
