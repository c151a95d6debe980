#include "ui/welcome_window.h"

#include "files/building_file.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "support/fake_building_view.h"
#include "support/scripted_dialogs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace orv;
using enum InputId;

namespace {

class WelcomeWindowTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    Session session;
    test::ScriptedDialogs dialogs;
    test::FakeBuildingView view{session, dialogs};
    BuildingFiles files{session, dialogs, view};
    const QRect mainWindow{100, 50, 800, 600};

    WelcomeWindowTest()
    {
        session.programDir = dir.path() + QLatin1Char('/');
        session.settings = shippedDefaultSettings(session.programDir);
        view.files = &files;
        view.starting = true;
        files.ResetBuilding();
        view.starting = false;
    }

    void keepLastBuilding()
    {
        view.type(Length, QStringLiteral("9,5"));
        files.ResetBuilding();
    }

    std::unique_ptr<WelcomeWindow> open()
    {
        auto window = std::make_unique<WelcomeWindow>(session, dialogs, files);
        window->show();
        window->Startprozeduren(mainWindow, 0, 0);
        return window;
    }
};

TEST_F(WelcomeWindowTest, StartsBelowMainWindowWithRunningText)
{
    auto window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("kvz Orvenna - Startinformationen"));
    EXPECT_EQ(window->geometry().top(), mainWindow.top() + 68);
    EXPECT_LE(std::abs(window->geometry().center().x() - mainWindow.center().x()), 1);
    EXPECT_TRUE(window->choiceButton(WelcomeChoice::NewCalculation)->isChecked());
    EXPECT_TRUE(window->showAtStartBox()->isChecked());

    const QString start = QString::fromUtf8(kWelcomeRunningText);
    QTest::qWait(500);
    EXPECT_EQ(window->runningText(), start) << "still in the start delay";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->runningText() != start; }, 1000));
    EXPECT_EQ(window->runningText(), start.mid(1) + start.left(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->runningText() == start.mid(2) + start.left(2); }, 1000));
}

TEST_F(WelcomeWindowTest, LastBuildingOfferedOnlyWithAutoSaveAndItsFile)
{
    auto without = open();
    EXPECT_FALSE(without->choiceButton(WelcomeChoice::LastBuilding)->isEnabled());
    EXPECT_TRUE(without->choiceButton(WelcomeChoice::SavedBuilding)->isEnabled());

    keepLastBuilding();
    EXPECT_TRUE(open()->choiceButton(WelcomeChoice::LastBuilding)->isEnabled());
    session.settings.AutoSave = false;
    EXPECT_FALSE(open()->choiceButton(WelcomeChoice::LastBuilding)->isEnabled());
    session.settings.AutoSave = true;
    session.SettingsReadErrors = 10;
    auto damaged = open();
    EXPECT_FALSE(damaged->choiceButton(WelcomeChoice::LastBuilding)->isEnabled());
    EXPECT_FALSE(damaged->choiceButton(WelcomeChoice::SavedBuilding)->isEnabled());
    EXPECT_TRUE(damaged->choiceButton(WelcomeChoice::NewCalculation)->isEnabled());
}

TEST_F(WelcomeWindowTest, OkOpensLastBuildingAndCloses)
{
    keepLastBuilding();
    auto window = open();
    QSignalSpy finished(window.get(), &QDialog::finished);
    const int focusBefore = view.focusCount;
    window->choiceButton(WelcomeChoice::LastBuilding)->setChecked(true);
    QTest::mouseClick(window->okButton(), Qt::LeftButton);

    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("9,50"));
    EXPECT_EQ(view.designation, lastBuildingDesignation(session.building.LastBuildingDate));
    EXPECT_FALSE(session.file.BuildingOpened);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->runningTextActive());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_GT(view.focusCount, focusBefore);
}

TEST_F(WelcomeWindowTest, DoubleClickOnChoiceActsLikeOk)
{
    auto window = open();
    dialogs.files.push_back(std::nullopt); // the open dialog, cancelled
    QTest::mouseDClick(window->choiceButton(WelcomeChoice::SavedBuilding), Qt::LeftButton);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("Gebäudedatei öffnen"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WelcomeWindowTest, EscapeClosesWithoutChoice)
{
    view.type(Length, QStringLiteral("4"));
    auto window = open();
    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->runningTextActive());
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("4"));
    EXPECT_TRUE(dialogs.shown.empty());
    window->closeWindow(); // the main window activated afterwards: nothing more happens
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(WelcomeWindowTest, UncheckingAnsweredNoKeepsTheBoxChecked)
{
    auto window = open();
    dialogs.answers.push_back(MessageAnswer::No);
    QTest::mouseClick(window->showAtStartBox(), Qt::LeftButton);
    EXPECT_TRUE(window->showAtStartBox()->isChecked());
    EXPECT_TRUE(session.settings.ShowWelcomeWindow);

    dialogs.answers.push_back(MessageAnswer::Yes);
    QTest::mouseClick(window->showAtStartBox(), Qt::LeftButton);
    EXPECT_FALSE(window->showAtStartBox()->isChecked());
    SettingsRecord onDisk;
    ASSERT_EQ(Vorgaben_einlesen(onDisk, session.programDir, dialogs), 0);
    EXPECT_FALSE(onDisk.ShowWelcomeWindow);
}

} // namespace
