// The road of one keystroke: key filters, tool letters, the storeys control and input reading.

#include "main_window_fixture.h"

#include <QToolButton>

using namespace orv;
using namespace orv::test;

namespace {

class KeyRoadTest : public MainWindowTest
{
  protected:
    void SetUp() override { start(); }
};

TEST_F(KeyRoadTest, DecimalPointBecomesCommaAndLettersAreSwallowed)
{
    // State: new building. Action: type into Länge. Expected: "." is the decimal comma, letters vanish.
    type(InputId::Length, "2.5");
    EXPECT_EQ(edit(InputId::Length)->text(), "2,5");
    EXPECT_EQ(session().building.BuildingLength, 2.5f);

    retype(InputId::Width, "1x-y2 ;+e3");
    EXPECT_EQ(edit(InputId::Width)->text(), "123");
    EXPECT_EQ(window().counters().LastKey, "3");
}

TEST_F(KeyRoadTest, StoreysTakeDigitsOnly)
{
    retype(InputId::Storeys, "1.2,b");
    EXPECT_EQ(edit(InputId::Storeys)->text(), "12");
    EXPECT_EQ(session().building.Storeys, 12);
}

TEST_F(KeyRoadTest, BackspaceAndEditingKeysKeepWorking)
{
    type(InputId::Length, "12,5");
    QTest::keyClick(edit(InputId::Length), Qt::Key_Backspace);
    QTest::keyClick(edit(InputId::Length), Qt::Key_Home);
    QTest::keyClick(edit(InputId::Length), Qt::Key_Delete);
    EXPECT_EQ(edit(InputId::Length)->text(), "2,");
    EXPECT_EQ(session().building.BuildingLength, 2.0f);
}

TEST_F(KeyRoadTest, ToolLettersAskForTheInputsToolAndNeverReachTheText)
{
    std::vector<ToolRequest> requests;
    for (const ComponentTool tool : {ComponentTool::LayerCalculator, ComponentTool::KRConversion,
                                     ComponentTool::WindowArea, ComponentTool::Roof})
        window().setToolHook(tool, [&](const ToolRequest& r) { requests.push_back(r); });
    type(InputId::KOuterWall, "0,5b");
    type(InputId::RFloor, "1K");
    type(InputId::Length, "7bk");
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), "0,5");
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1");
    EXPECT_EQ(edit(InputId::Length)->text(), "7");
    const std::vector<ToolRequest> expected = {{ComponentTool::LayerCalculator, 1},
                                               {ComponentTool::KRConversion, 4}};
    EXPECT_EQ(requests, expected);

    requests.clear();
    QTest::mouseDClick(edit(InputId::KRoof), Qt::LeftButton);
    QTest::mouseDClick(edit(InputId::Width), Qt::LeftButton);
    const std::vector<ToolRequest> roof = {{ComponentTool::LayerCalculator, 2}};
    EXPECT_EQ(requests, roof);
}

TEST_F(KeyRoadTest, HeightSuggestsStoreysUntilTheUserSetsThem)
{
    const struct
    {
        const char* height;
        const char* storeys;
    } cases[] = {{"2,75", "1"}, {"5,4", "1"}, {"5,5", "2"}, {"8,2", "2"}, {"8,25", "3"}};
    for (const auto& c : cases) {
        retype(InputId::HeatedHeight, c.height);
        EXPECT_EQ(edit(InputId::Storeys)->text(), c.storeys) << c.height;
    }
    EXPECT_EQ(session().building.Storeys, 3);

    retype(InputId::Storeys, "4");
    retype(InputId::HeatedHeight, "11");
    EXPECT_EQ(edit(InputId::Storeys)->text(), "4");
    EXPECT_EQ(session().building.HeatedHeight, 11.0f);
}

TEST_F(KeyRoadTest, UpDownStepsWithinOneToFiftyAndStopsTheSuggestion)
{
    InputEdit* storeys = edit(InputId::Storeys);
    storeys->setFocus();
    QTest::keyClick(storeys, Qt::Key_Down);
    EXPECT_EQ(storeys->text(), "1");
    QTest::keyClick(storeys, Qt::Key_Up);
    EXPECT_EQ(storeys->text(), "2");
    EXPECT_FALSE(window().flags().StoreysFollowHeight);
    retype(InputId::HeatedHeight, "9");
    EXPECT_EQ(storeys->text(), "2");

    retype(InputId::Storeys, "50");
    const auto arrows = control("UpDown2")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    EXPECT_EQ(storeys->text(), "50");
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    EXPECT_EQ(storeys->text(), "49");
    EXPECT_EQ(session().building.Storeys, 49);
}

TEST_F(KeyRoadTest, UnreadableTextIsReportedAndKeepsTheOldValues)
{
    type(InputId::Length, "10");
    type(InputId::Width, "8,");
    EXPECT_TRUE(dialogs.script.shown.empty());
    type(InputId::Width, ",");
    ASSERT_EQ(dialogs.script.texts(),
              QStringList{"Eingabefehler in einem Eingabefeld!\r\rBitte korrigieren."});
    EXPECT_FALSE(window().flags().InputsRead);
    EXPECT_EQ(session().building.BuildingLength, 10.0f);
    EXPECT_EQ(session().building.BuildingWidth, 8.0f); // read before the failing text

    QTest::keyClick(edit(InputId::Width), Qt::Key_Backspace);
    EXPECT_TRUE(window().flags().InputsRead);
    EXPECT_EQ(dialogs.script.shown.size(), 1u);
}

TEST_F(KeyRoadTest, EveryChangeCountsAndMarksTheBuildingModified)
{
    EXPECT_FALSE(session().file.BuildingModified);
    const RoadCounters before = window().counters();
    type(InputId::Length, "1.");
    const RoadCounters after = window().counters();
    EXPECT_TRUE(session().file.BuildingModified);
    EXPECT_EQ(after.KeyPressCount - before.KeyPressCount, 2);
    EXPECT_EQ(after.ChangeCount - before.ChangeCount, 2);
    EXPECT_EQ(after.ReadCount - before.ReadCount, 2);
    EXPECT_EQ(after.LastKey, ".");
}

TEST_F(KeyRoadTest, ChangesAreSavedAsLastBuildingOnlyWithAutoSave)
{
    int saves = 0;
    window().setSaveLastBuilding([&] { ++saves; });
    type(InputId::Length, "12");
    EXPECT_EQ(saves, 2);

    session().settings.AutoSave = false;
    type(InputId::Length, "3");
    EXPECT_EQ(saves, 2);
}

TEST_F(KeyRoadTest, NothingIsReadBeforeTheStartTimer)
{
    // A fresh window: its start timer is still pending.
    Session fresh;
    fresh.settings = exampleSettings(programDir());
    MainWindow pending(fresh, dialogs);
    QTest::keyClicks(pending.input(InputId::Length), "5");
    EXPECT_EQ(fresh.building.BuildingLength, 0.0f);
    pending.finishStartup();
    EXPECT_EQ(pending.input(InputId::Length)->text(), ""); // the start action resets the building
}

TEST_F(KeyRoadTest, DesignationIsCopiedIntoTheBuilding)
{
    auto* designation = control<QLineEdit>("Edit14");
    designation->setFocus();
    QTest::keyClicks(designation, "Haus b.k");
    EXPECT_EQ(session().building.BuildingName, "Haus b.k");
    EXPECT_TRUE(session().building.HasBuildingInfo);
    QTest::keyClicks(designation, QString(70, QLatin1Char('x')));
    EXPECT_EQ(session().building.BuildingName.size(), 60);
}

} // namespace
