// The roof calculator through the main window: opening, both modes, refusals, swap, hand-over and refill.

#include "geometry_tools_fixture.h"
#include "ui/tools/roof_sketch.h"
#include "ui/tools/roof_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace orv;
using namespace orv::test;

namespace {

class RoofWindowTest : public GeometryToolsTest
{
  protected:
    void SetUp() override
    {
        start();
        typeExample1();
        control<QAbstractButton>("RadioButton2")->click();
    }

    RoofWindow* open()
    {
        command("ADach")->trigger();
        RoofWindow* roof = tools().roofWindow();
        EXPECT_NE(roof, nullptr);
        EXPECT_TRUE(roof && roof->isVisible());
        QApplication::setActiveWindow(roof);
        return roof;
    }

    void calculate(RoofWindow* roof, InputEdit* field, const QString& keys)
    {
        field->selectAll();
        QTest::keyClicks(field, keys);
        roof->calculateButton()->click();
    }
};

TEST_F(RoofWindowTest, CommandFollowsTheRoofSpaceAndNeedsLengthAndWidth)
{
    EXPECT_TRUE(command("ADach")->isEnabled());
    control<QAbstractButton>("RadioButton1")->click();
    EXPECT_FALSE(command("ADach")->isEnabled());
    control<QAbstractButton>("RadioButton2")->click();

    retype(InputId::Width, "");
    dialogs.script.shown.clear();
    command("ADach")->trigger();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "Vor dem Berechnen der Dachfläche und des Dachvolumens \r"
                                            "müssen Sie die Gebäudelänge und -breite angeben.");
    EXPECT_EQ(tools().roofWindow(), nullptr);
    EXPECT_TRUE(edit(InputId::Width)->hasFocus());
}

TEST_F(RoofWindowTest, FreshBuildingOpensInPitchModeFromEachEntry)
{
    toolKey(InputId::GableArea, 'b');
    RoofWindow* roof = tools().roofWindow();
    ASSERT_NE(roof, nullptr);
    QApplication::setActiveWindow(roof);
    EXPECT_EQ(roof->windowTitle(), "Berechnung der Dachfläche");
    EXPECT_TRUE(roof->pitchOption()->isChecked());
    EXPECT_EQ(roof->pitchEdit()->text(), "38");
    EXPECT_FALSE(roof->heightEdit()->isEnabled());
    EXPECT_TRUE(roof->pitchEdit()->hasFocus());
    EXPECT_FALSE(roof->handOverButton()->isEnabled());
    EXPECT_EQ(roof->lengthLabel()->text(), "10,00 m");
    EXPECT_EQ(roof->widthLabel()->text(), "8,00 m");
    EXPECT_EQ(roof->pos().y(), window().pos().y() + 68);

    // Open already: brought back, not filled again.
    roof->pitchEdit()->setText("40");
    QTest::mouseDClick(edit(InputId::RoofVolume), Qt::LeftButton);
    EXPECT_EQ(roof->pitchEdit()->text(), "40");
}

TEST_F(RoofWindowTest, PitchHandOverReachesTheMainWindowAndRecalculates)
{
    RoofWindow* roof = open();
    calculate(roof, roof->pitchEdit(), "45");
    EXPECT_EQ(roof->heightEdit()->text(), "4,00");
    EXPECT_EQ(roof->roofAreaField()->text(), "113,1 m²");
    EXPECT_EQ(roof->volumeField()->text(), "160,0 m³");
    EXPECT_EQ(roof->gableAreaField()->text(), "32,0 m²");
    ASSERT_TRUE(roof->handOverButton()->isEnabled());
    EXPECT_TRUE(roof->handOverButton()->hasFocus());
    EXPECT_EQ(text("Panel4"), ""); // the heated roof space still lacks its values

    roof->handOverButton()->click();
    EXPECT_FALSE(roof->isVisible());
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "113,1");
    EXPECT_EQ(edit(InputId::RoofVolume)->text(), "160,0");
    EXPECT_EQ(edit(InputId::GableArea)->text(), "32,0");
    EXPECT_EQ(edit(InputId::Length)->text(), "10,00");
    EXPECT_EQ(edit(InputId::Width)->text(), "8,00");
    QApplication::setActiveWindow(&window());
    EXPECT_TRUE(edit(InputId::RoofArea)->hasFocus());
    const BuildingRecord& b = session().building;
    EXPECT_TRUE(b.RoofFromCalculator);
    EXPECT_FALSE(b.RoofByHeight);
    EXPECT_EQ(b.RoofPitch, 45);
    EXPECT_NEAR(b.RoofHeight, 4.0f, 1e-5);
    EXPECT_FLOAT_EQ(b.RoofArea, 113.1f);
    EXPECT_NE(text("Panel4"), "");

    // Reopened, it shows what was handed over.
    open();
    EXPECT_EQ(roof->pitchEdit()->text(), "45");
    EXPECT_EQ(roof->heightEdit()->text(), "4,00");
    EXPECT_EQ(roof->roofAreaField()->text(), "113,1 m²");
    EXPECT_FALSE(roof->handOverButton()->isEnabled());
}

TEST_F(RoofWindowTest, HeightModeAndAFailureAfterASuccess)
{
    RoofWindow* roof = open();
    roof->heightOption()->click();
    EXPECT_TRUE(roof->heightEdit()->hasFocus());
    EXPECT_EQ(roof->pitchEdit()->text(), "");
    EXPECT_FALSE(roof->pitchEdit()->isEnabled());
    calculate(roof, roof->heightEdit(), "3");
    EXPECT_EQ(roof->pitchEdit()->text(), "36");
    EXPECT_EQ(roof->roofAreaField()->text(), "100,0 m²");
    EXPECT_TRUE(roof->handOverButton()->isEnabled());

    calculate(roof, roof->heightEdit(), "0");
    ASSERT_FALSE(dialogs.script.shown.empty());
    EXPECT_EQ(dialogs.script.shown.back().text, "Die Dachhöhe muß größer als null sein!");
    EXPECT_EQ(roof->roofAreaField()->text(), "100,0 m²"); // shown as before
    EXPECT_FALSE(roof->handOverButton()->isEnabled());    // but no longer offered with height 0
    EXPECT_TRUE(roof->heightEdit()->hasFocus());

    calculate(roof, roof->heightEdit(), "32.5"); // the point becomes a comma
    EXPECT_EQ(roof->heightEdit()->text(), "32,5");
    EXPECT_EQ(dialogs.script.shown.back().text,
              "Die Dachhöhe ist im Vergleich zur Gebäudebreite unrealistisch hoch.");
    calculate(roof, roof->heightEdit(), "4");
    EXPECT_EQ(roof->pitchEdit()->text(), "45");
    roof->handOverButton()->click();
    EXPECT_TRUE(session().building.RoofByHeight);
    EXPECT_EQ(session().building.RoofPitch, 45);
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "113,1");
}

TEST_F(RoofWindowTest, PitchRefusals)
{
    RoofWindow* roof = open();
    calculate(roof, roof->pitchEdit(), "86");
    EXPECT_EQ(dialogs.script.shown.back().text, "Ein Wert für die Neigung größer 85° ist unrealistisch.");
    calculate(roof, roof->pitchEdit(), "4,5"); // the comma is swallowed
    EXPECT_EQ(roof->pitchEdit()->text(), "45");
    calculate(roof, roof->pitchEdit(), "0");
    EXPECT_EQ(dialogs.script.shown.back().text, "Die Neigung muß größer als null sein!.");
    EXPECT_FALSE(roof->handOverButton()->isEnabled());
}

TEST_F(RoofWindowTest, SwapExchangesLengthAndWidthUntilCancelled)
{
    RoofWindow* roof = open();
    calculate(roof, roof->pitchEdit(), "45");
    roof->swapButton()->click();
    EXPECT_EQ(roof->lengthLabel()->text(), "8,00 m");
    EXPECT_EQ(roof->widthLabel()->text(), "10,00 m");
    EXPECT_EQ(session().building.BuildingLength, 8.0f);
    EXPECT_EQ(roof->heightEdit()->text(), "");
    EXPECT_EQ(roof->roofAreaField()->text(), "");
    EXPECT_FALSE(roof->handOverButton()->isEnabled());
    EXPECT_TRUE(roof->calculateButton()->hasFocus());

    QTest::keyClick(roof, Qt::Key_Escape);
    EXPECT_FALSE(roof->isVisible());
    EXPECT_EQ(session().building.BuildingLength, 10.0f); // read back from the main window
    EXPECT_EQ(session().building.BuildingWidth, 8.0f);
}

TEST_F(RoofWindowTest, SwapIsCarriedIntoTheMainWindowByTheHandOver)
{
    RoofWindow* roof = open();
    roof->swapButton()->click();
    calculate(roof, roof->pitchEdit(), "45");
    EXPECT_EQ(roof->heightEdit()->text(), "5,00");
    roof->handOverButton()->click();
    EXPECT_EQ(edit(InputId::Length)->text(), "8,00");
    EXPECT_EQ(edit(InputId::Width)->text(), "10,00");
    EXPECT_EQ(edit(InputId::GableArea)->text(), "50,0");
}

TEST_F(RoofWindowTest, RefilledForAnotherBuilding)
{
    RoofWindow* roof = open();
    calculate(roof, roof->pitchEdit(), "45");
    BuildingRecord& b = session().building;
    b.BuildingWidth = 9;
    b.RoofFromCalculator = true;
    b.RoofByHeight = true;
    b.RoofHeight = 3;
    b.RoofPitch = 33;
    b.RoofArea = 120;
    window().refreshToolWindows();
    EXPECT_EQ(roof->widthLabel()->text(), "9,00 m");
    EXPECT_TRUE(roof->heightOption()->isChecked());
    EXPECT_EQ(roof->heightEdit()->text(), "3,00");
    EXPECT_EQ(roof->pitchEdit()->text(), "33");
    EXPECT_EQ(roof->roofAreaField()->text(), "120,0 m²");
    EXPECT_FALSE(roof->handOverButton()->isEnabled()); // the earlier result was the other building's

    b.BuildingWidth = 0;
    window().refreshToolWindows();
    EXPECT_FALSE(roof->isVisible());
}

TEST_F(RoofWindowTest, KeyboardAndScreenReader)
{
    RoofWindow* roof = open();
    expectCaptionsHaveBuddies(roof);
    EXPECT_EQ(roof->pitchOption()->toolTip(), "Innenwinkel");
    EXPECT_EQ(roof->heightEdit()->toolTip(), "Höhe des Dachgeschosses (von UK Dachfußboden bis Spitzgiebel)");
    EXPECT_EQ(roof->swapButton()->toolTip(), "Länge und Breite tauschen");
    EXPECT_EQ(roof->cancelButton()->toolTip(), "Abbrechen, ohne die Werte zu übernehmen");
    EXPECT_EQ(roof->pitchEdit()->accessibleName(), "Dachneigung");
    calculate(roof, roof->pitchEdit(), "45");
    EXPECT_EQ(roof->sketch()->accessibleDescription(), "Breite 8,00 m, h = 4,00 m, Neigung 45°");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    // A mnemonic clicks its option with the button's short animation.
    EXPECT_TRUE(QTest::qWaitFor([roof] { return roof->heightOption()->isChecked(); }, 1000));
    EXPECT_TRUE(roof->heightEdit()->hasFocus());
}

} // namespace
