// Roof space and cellar choices: enabling, captions, focus and what the reading counts.

#include "main_window_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class RoofCellarTest : public MainWindowTest
{
  protected:
    void SetUp() override { start(); }
    QAbstractButton* radio(const char* name) { return control<QAbstractButton>(name); }
    QString caption(InputId id)
    {
        for (QLabel* label : window().findChildren<QLabel*>())
            if (label->buddy() == edit(id))
                return label->text();
        return {};
    }
};

TEST_F(RoofCellarTest, NewBuildingStartsUnheatedWithTheCombinedRoofCaption)
{
    EXPECT_TRUE(radio("RadioButton1")->isChecked());
    EXPECT_TRUE(radio("RadioButton3")->isChecked());
    EXPECT_EQ(caption(InputId::KRoof), "Da&ch/Decke:");
    for (InputId id : {InputId::RoofArea, InputId::RoofVolume, InputId::GableArea, InputId::RGroundWall,
                       InputId::GroundWallHeight})
        EXPECT_FALSE(edit(id)->isEnabled());
    EXPECT_EQ(edit(InputId::GroundWallHeight)->text(), "2,75");
    EXPECT_EQ(edit(InputId::Storeys)->text(), "1");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");
    EXPECT_FALSE(command("ADach")->isEnabled());
}

TEST_F(RoofCellarTest, HeatedRoofSpaceWithoutAreaIsIncomplete)
{
    typeExample1();
    ASSERT_EQ(text("Panel4"), "5,96 kW");
    radio("RadioButton2")->click();
    EXPECT_TRUE(edit(InputId::RoofArea)->isEnabled());
    EXPECT_TRUE(edit(InputId::RoofArea)->hasFocus());
    EXPECT_EQ(caption(InputId::KRoof), "Da&ch:");
    EXPECT_TRUE(session().building.RoofSpaceHeated);
    EXPECT_EQ(text("Panel4"), "");
    EXPECT_FALSE(command("AHLBerechnen")->isEnabled());
    EXPECT_TRUE(command("ADach")->isEnabled());
}

TEST_F(RoofCellarTest, UnheatedRoofSpaceKeepsItsTextsButCountsNothing)
{
    typeExample1();
    radio("RadioButton2")->click();
    type(InputId::RoofArea, "120");
    type(InputId::RoofVolume, "100");
    type(InputId::GableArea, "30");
    EXPECT_EQ(session().building.RoofArea, 120.0f);
    const QString heated = text("Panel8");

    radio("RadioButton1")->click();
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "120");
    EXPECT_FALSE(edit(InputId::RoofArea)->isEnabled());
    EXPECT_EQ(session().building.RoofArea, 0.0f);
    EXPECT_EQ(caption(InputId::KRoof), "De&cke:");
    EXPECT_EQ(text("Panel8"), "440 m³");

    radio("RadioButton2")->click();
    EXPECT_EQ(session().building.RoofArea, 120.0f);
    EXPECT_EQ(text("Panel8"), heated);
}

TEST_F(RoofCellarTest, HeatedCellarFocusesTheFirstEmptyInputAndExtendsTheHeightCaption)
{
    EXPECT_FALSE(control("HeightSecondLine")->isVisible());
    radio("RadioButton4")->click();
    EXPECT_TRUE(edit(InputId::RGroundWall)->hasFocus());
    EXPECT_TRUE(control("HeightSecondLine")->isVisible());
    EXPECT_EQ(text("HeightSecondLine"), "über Erdreich!");
    EXPECT_EQ(hint("HeightSecondLine"), "Höhe von Oberkante Erdreich bis Unterkante Dach");

    type(InputId::RGroundWall, "1.2");
    radio("RadioButton3")->click();
    EXPECT_FALSE(edit(InputId::RGroundWall)->isEnabled());
    EXPECT_EQ(session().building.RGroundWall, 0.0f);
    EXPECT_FALSE(control("HeightSecondLine")->isVisible());
    radio("RadioButton4")->click();
    EXPECT_TRUE(edit(InputId::GroundWallHeight)->hasFocus());
    EXPECT_EQ(session().building.RGroundWall, 1.2f);
    EXPECT_EQ(session().building.GroundWallHeight, 2.75f);
}

TEST_F(RoofCellarTest, ArrowKeysInTheGroupSwitchTheChoice)
{
    radio("RadioButton3")->setFocus();
    QTest::keyClick(radio("RadioButton3"), Qt::Key_Right);
    EXPECT_TRUE(radio("RadioButton4")->isChecked());
    EXPECT_TRUE(session().building.CellarHeated);
}

TEST_F(RoofCellarTest, ShowBuildingFillsTheInputsAndResetBuildingEmptiesThem)
{
    BuildingRecord& b = session().building;
    b.BuildingLength = 12.345f;
    b.BuildingWidth = 9;
    b.HeatedHeight = 5;
    b.KOuterWall = 0.4f;
    b.KWindow = 1.6f;
    b.RFloor = 1.5f;
    b.KRoof = 0.25f;
    b.Storeys = 3;
    b.WindowArea = 30;
    b.RoofSpaceHeated = true;
    b.RoofArea = 160.04f;
    b.RoofVolume = 150;
    b.GableArea = 40;
    b.CellarHeated = true;
    b.RGroundWall = 1.2f;
    b.GroundWallHeight = 2.5f;
    b.HasBuildingInfo = true;
    b.BuildingName = "Musterhaus";
    b.OutsideTemperature = -14;
    window().ShowBuilding();

    EXPECT_EQ(edit(InputId::Length)->text(), "12,35");
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "160,0");
    EXPECT_EQ(edit(InputId::Storeys)->text(), "3");
    EXPECT_TRUE(radio("RadioButton2")->isChecked());
    EXPECT_TRUE(radio("RadioButton4")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "Musterhaus");
    EXPECT_EQ(text("TemperatureLine"), "Raumtemp.: 20°C  Normaußentemp.: -14°C");
    EXPECT_FALSE(text("Panel4").isEmpty());
    EXPECT_FALSE(session().file.BuildingModified);
    EXPECT_FALSE(window().flags().StoreysFollowHeight);
    EXPECT_TRUE(edit(InputId::Length)->hasFocus());

    window().ResetBuilding();
    EXPECT_EQ(edit(InputId::Length)->text(), "");
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "");
    EXPECT_TRUE(radio("RadioButton1")->isChecked());
    EXPECT_TRUE(radio("RadioButton3")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "");
    EXPECT_EQ(text("Panel4"), "");
    EXPECT_EQ(session().file.CurrentFileName, "Neues Gebäude");
    EXPECT_EQ(session().building.OutsideTemperature, -12);
    EXPECT_TRUE(window().flags().StoreysFollowHeight);
}

} // namespace
