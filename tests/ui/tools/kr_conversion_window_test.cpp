// The k/R conversion through the main window: its targets, message lines and hand-overs.

#include "geometry_tools_fixture.h"
#include "ui/tools/kr_conversion_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orv;
using namespace orv::test;

namespace {

class KRConversionWindowTest : public GeometryToolsTest
{
  protected:
    void SetUp() override
    {
        start();
        typeExample1();
    }

    KRConversionWindow* current()
    {
        KRConversionWindow* kr = tools().krConversionWindow();
        EXPECT_NE(kr, nullptr);
        if (kr)
            QApplication::setActiveWindow(kr);
        return kr;
    }
    KRConversionWindow* openFromMenu()
    {
        command("AkRUmwandlung")->trigger();
        return current();
    }
    static void retypeField(InputEdit* field, const QString& keys)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
};

TEST_F(KRConversionWindowTest, MenuCommandHandsOverToTheFloorAndThenTheWall)
{
    KRConversionWindow* kr = openFromMenu();
    ASSERT_NE(kr, nullptr);
    EXPECT_EQ(kr->windowTitle(), "k/R-Wert-Umwandlung erdreichberührter Bauteile");
    EXPECT_EQ(kr->pos().y(), window().pos().y() + 200);
    EXPECT_EQ(kr->target(), KRTarget::FloorThenWall);
    EXPECT_EQ(kr->handOverButton()->text(), "&In FB Übernehmen");
    EXPECT_FALSE(kr->handOverButton()->isEnabled());
    EXPECT_FALSE(kr->bothButton()->isEnabled());

    retypeField(kr->kEdit(), "0.5");
    EXPECT_EQ(kr->kEdit()->text(), "0,5");
    EXPECT_EQ(kr->rEdit()->text(), "1,83");
    EXPECT_FALSE(kr->firstLine()->isVisible());
    ASSERT_TRUE(kr->handOverButton()->isEnabled());
    const QString before = text("Panel4");

    kr->handOverButton()->click();
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1,83");
    EXPECT_FLOAT_EQ(session().building.RFloor, 1.83f);
    EXPECT_NE(text("Panel4"), before); // the building was calculated again
    EXPECT_TRUE(kr->isVisible());
    EXPECT_EQ(kr->target(), KRTarget::WallAfterFloor);
    EXPECT_EQ(kr->handOverButton()->text(), "&In AW Übernehmen");

    kr->handOverButton()->click();
    EXPECT_EQ(edit(InputId::RGroundWall)->text(), "1,83");
    EXPECT_FALSE(kr->isVisible());
}

TEST_F(KRConversionWindowTest, KKeyInAnRFieldChoosesItsTarget)
{
    control<QAbstractButton>("RadioButton4")->click();
    toolKey(InputId::RGroundWall, 'k');
    KRConversionWindow* kr = current();
    ASSERT_NE(kr, nullptr);
    EXPECT_EQ(kr->target(), KRTarget::Wall);
    EXPECT_EQ(kr->handOverButton()->text(), "&In AW Übernehmen");

    // Open already: brought back with the target it had.
    toolKey(InputId::RFloor, 'k');
    EXPECT_EQ(kr->target(), KRTarget::Wall);
    kr->cancelButton()->click();
    EXPECT_FALSE(kr->isVisible());

    toolKey(InputId::RFloor, 'K');
    EXPECT_EQ(kr->target(), KRTarget::Floor);
    EXPECT_EQ(kr->kEdit()->text(), ""); // a new opening starts empty
    retypeField(kr->rEdit(), "1,83");
    EXPECT_EQ(kr->kEdit()->text(), "0,50");
    kr->handOverButton()->click();
    EXPECT_FALSE(kr->isVisible());
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1,83");
    QApplication::setActiveWindow(&window());
    EXPECT_TRUE(edit(InputId::RFloor)->hasFocus());
}

TEST_F(KRConversionWindowTest, RefusalsShowTheirLinesAndOfferNoHandOver)
{
    KRConversionWindow* kr = openFromMenu();
    retypeField(kr->kEdit(), "10");
    EXPECT_EQ(kr->rEdit()->text(), "");
    EXPECT_TRUE(kr->firstLine()->isVisible());
    EXPECT_EQ(kr->firstLine()->text(), "R-Wert Unrealistisch (R = -0,07)");
    EXPECT_EQ(kr->secondLine()->text(), "Bitte wählen Sie den k-Wert kleiner.");
    EXPECT_FALSE(kr->handOverButton()->isEnabled());
    EXPECT_FALSE(kr->bothButton()->isEnabled());

    retypeField(kr->kEdit(), "0,04");
    EXPECT_EQ(kr->firstLine()->text(), "R-Wert Unrealistisch (R = 24,83)");
    EXPECT_EQ(kr->secondLine()->text(), "Bitte wählen Sie den k-Wert größer.");

    retypeField(kr->kEdit(), "0,0");
    EXPECT_FALSE(kr->firstLine()->isVisible());
    EXPECT_EQ(kr->rEdit()->text(), "");
    QTest::keyClick(kr->kEdit(), '5');
    EXPECT_EQ(kr->rEdit()->text(), "19,83");
    EXPECT_TRUE(kr->handOverButton()->isEnabled());

    retypeField(kr->rEdit(), "1,2,3");
    EXPECT_EQ(kr->kEdit()->text(), "");
    EXPECT_EQ(kr->firstLine()->text(), "EINGABEFEHLER !");
    EXPECT_EQ(kr->secondLine()->text(), "(evtl. Komma zuviel)");
    EXPECT_FALSE(kr->handOverButton()->isEnabled());
}

TEST_F(KRConversionWindowTest, BothButtonWritesFloorAndWall)
{
    KRConversionWindow* kr = openFromMenu();
    retypeField(kr->kEdit(), "0,5");
    kr->bothButton()->click();
    EXPECT_FALSE(kr->isVisible());
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1,83");
    EXPECT_EQ(edit(InputId::RGroundWall)->text(), "1,83");
    EXPECT_FLOAT_EQ(session().building.RFloor, 1.83f);
}

// The settings window's preset fields, as that window hands them over.
TEST_F(KRConversionWindowTest, PresetTargetsWriteIntoThePresetFields)
{
    QWidget settings;
    auto* floor = new QLineEdit(&settings);
    auto* wall = new QLineEdit(&settings);
    auto* layout = new QVBoxLayout(&settings);
    layout->addWidget(floor);
    layout->addWidget(wall);
    settings.show();
    QStringList edited;
    QObject::connect(floor, &QLineEdit::textEdited, [&](const QString& t) { edited << t; });

    tools().setPresetFields(floor, wall);
    tools().openKRConversion(KRTarget::PresetFloor);
    KRConversionWindow* kr = current();
    retypeField(kr->kEdit(), "0,5");
    kr->handOverButton()->click();
    EXPECT_EQ(floor->text(), "1,83");
    EXPECT_EQ(edited, QStringList{"1,83"});
    EXPECT_EQ(wall->text(), "");
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1"); // the main window keeps its own
    EXPECT_FALSE(kr->isVisible());

    // With the settings window open and normal, both go to the presets, whatever the target.
    tools().openKRConversion(KRTarget::Floor);
    retypeField(kr->kEdit(), "0,4");
    kr->bothButton()->click();
    EXPECT_EQ(floor->text(), "2,33");
    EXPECT_EQ(wall->text(), "2,33");
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1");

    // Without the settings window a preset target has nowhere to write.
    settings.hide();
    tools().openKRConversion(KRTarget::PresetWall);
    EXPECT_EQ(kr->handOverButton()->text(), "&In AW Übernehmen");
    retypeField(kr->kEdit(), "0,5");
    EXPECT_EQ(kr->rEdit()->text(), "1,83");
    EXPECT_FALSE(kr->handOverButton()->isEnabled());
    EXPECT_FALSE(kr->bothButton()->isEnabled());
}

TEST_F(KRConversionWindowTest, KeyboardAndScreenReader)
{
    KRConversionWindow* kr = openFromMenu();
    expectCaptionsHaveBuddies(kr);
    EXPECT_EQ(kr->kEdit()->toolTip(), "freistehende Bauteile (nicht erdreichberührt)");
    EXPECT_EQ(kr->rEdit()->toolTip(), "Erdreichberührter Bauteile");
    EXPECT_TRUE(kr->kEdit()->hasFocus());
    QTest::keyClick(kr->kEdit(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(kr->rEdit()->hasFocus());
    QTest::keyClick(kr->rEdit(), Qt::Key_Escape);
    EXPECT_FALSE(kr->isVisible());
    EXPECT_TRUE(command("AkRUmwandlung")->isEnabled());
}

} // namespace
