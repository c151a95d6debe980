// The settings window's preset page: slots, refusals, factory values, the hint line and the hand-over
// from the layer calculator; and the options page.

#include "ui/settings/settings_window_fixture.h"

#include "core/cp1252.h"
#include "tools/material_catalog.h"
#include "ui/program_commands.h"
#include "ui/tools/geometry_tool_commands.h"
#include "ui/tools/kr_conversion_window.h"
#include "ui/tools/layer_calculator_window.h"
#include "ui/tools/layer_tool_commands.h"

#include <QAbstractButton>
#include <QFile>
#include <QTableWidget>

using namespace orv;
using namespace orv::test;

namespace {

using N = PresetNumber;

const QString kCommaMessage =
    QString::fromUtf8("In einem Eingabefeld wurde ein Komma zuviel eingegeben!\rBitte überprüfen.");

class PresetPageTest : public SettingsWindowTest
{
  protected:
    PresetPage* presets() { return settingsWindow()->presetPage(); }
    int slot() { return presets()->activeSlot(); }
    void pageKey(Qt::Key key) { QTest::keyClick(settingsWindow()->focusWidget(), key); }
    void chooseSlot(int s) { presets()->slotButton(s)->click(); }
};

TEST_F(PresetPageTest, PageKeysWalkTheButtonRowAndTakeEachSlotIn)
{
    start();
    open(Qt::Key_F10);
    EXPECT_EQ(slot(), 7);
    EXPECT_TRUE(presets()->slotButton(7)->isChecked());
    EXPECT_EQ(settingsWindow()->focusWidget(), preset(N::KOuterWall));

    // Slot 6 shows its name read-only.
    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(slot(), 6);
    EXPECT_FALSE(presets()->nameEdit()->isVisible());
    EXPECT_TRUE(presets()->namePanel()->isVisible());
    EXPECT_EQ(presets()->namePanel()->text(), " k-Werte nach WÄRMESCHUTZVERORDNUNG 95");
    EXPECT_EQ(settingsWindow()->factoryButton()->text(), "Stan&dardwerte");

    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(slot(), 1);
    EXPECT_TRUE(presets()->nameEdit()->isVisible());
    retypeField(presets()->nameEdit(), "Altbau");
    retypeField(presetText(N::KOuterWall), QString(200, QLatin1Char('x')));
    retypeField(preset(N::KWindow), ""); // an empty field stores 0 without a message
    chooseSlot(5);
    EXPECT_EQ(session().settings.PresetName[0], "Altbau");
    EXPECT_EQ(session().settings.PresetTextOuterWall[0].size(), 150);
    EXPECT_EQ(session().settings.PresetKWindow[0], 0.0f);
    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(slot(), 7) << "right of slot 5 wraps to the user's own slot";
    pageKey(Qt::Key_PageUp);
    EXPECT_EQ(slot(), 5);
    EXPECT_TRUE(dialogs.script.shown.empty());

    // The names reach the main window's menu and hints with the save.
    clickSave();
    EXPECT_EQ(command("Ak_Einfg_1")->text(), "&1  Altbau");
    EXPECT_EQ(command("Ak_Einfg_1")->toolTip(), "Altbau k-Werte einfügen");
    EXPECT_EQ(storedSettings().PresetName[0], "Altbau");
}

TEST_F(PresetPageTest, TheOwnSlotAsSavedIsWhatTheEButtonInserts)
{
    start();
    open(Qt::Key_F10);
    ASSERT_EQ(slot(), 7);
    const std::pair<N, const char*> typed[] = {{N::KOuterWall, "0,3"},
                                               {N::KWindow, "1.1"},
                                               {N::KRoof, "0,2"},
                                               {N::RFloor, "1,5"},
                                               {N::RGroundWall, "2"}};
    for (const auto& [number, text] : typed)
        retypeField(preset(number), QString::fromLatin1(text));
    clickSave();
    ASSERT_EQ(settingsWindow(), nullptr);
    command("Ak_Einfg_eigener")->trigger();
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), "0,30");
    EXPECT_EQ(edit(InputId::KWindow)->text(), "1,10");
    EXPECT_EQ(edit(InputId::KRoof)->text(), "0,20");
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1,50");
    EXPECT_FLOAT_EQ(storedSettings().PresetRGroundWall[6], 2.0f);
}

TEST_F(PresetPageTest, ImplausibleAndUnreadableValuesKeepThePageAndTheSlot)
{
    start();
    open(Qt::Key_F10);
    chooseSlot(1);
    retypeField(preset(N::KOuterWall), "10,01");
    retypeField(preset(N::RFloor), "20");
    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(dialogs.script.texts(), QStringList{"Der k-Wert der Außenwand ist unrealistisch groß (>10)"});
    EXPECT_EQ(dialogs.script.shown[0].caption, "Eingabe überprüfen");
    EXPECT_EQ(slot(), 1);
    EXPECT_TRUE(presets()->slotButton(1)->isChecked());
    EXPECT_EQ(session().settings.PresetKOuterWall[0], 0.0f);
    EXPECT_FLOAT_EQ(session().settings.PresetRFloor[0], 20.0f) << "the limit itself passes";

    // Neither another slot nor another page, nor F9 from the main window, leaves the refused page.
    chooseSlot(3);
    EXPECT_EQ(slot(), 1);
    EXPECT_TRUE(presets()->slotButton(1)->isChecked());
    settingsWindow()->tabs()->setCurrentIndex(1);
    EXPECT_EQ(page(), presets());
    open(Qt::Key_F9);
    EXPECT_EQ(page(), presets());
    EXPECT_EQ(dialogs.script.shown.size(), 4u);

    retypeField(preset(N::KOuterWall), "10");
    retypeField(preset(N::KRoof), "1,2,3");
    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(dialogs.script.shown.back().text, kCommaMessage);
    EXPECT_EQ(slot(), 1);
    retypeField(preset(N::KRoof), "0,3");
    pageKey(Qt::Key_PageDown);
    EXPECT_EQ(slot(), 2);
    EXPECT_FLOAT_EQ(session().settings.PresetKOuterWall[0], 10.0f);
}

TEST_F(PresetPageTest, FactoryValuesPerSlotAndClearingTheOwnSlot)
{
    start();
    open(Qt::Key_F10);
    chooseSlot(4);
    settingsWindow()->factoryButton()->click();
    EXPECT_EQ(preset(N::RFloor)->text(), "0,70");
    EXPECT_EQ(preset(N::RGroundWall)->text(), "0,65");
    EXPECT_EQ(presetText(N::RGroundWall)->text(), "36 cm Kalksandstein 1200 kg/m³");
    chooseSlot(1);
    settingsWindow()->factoryButton()->click();
    EXPECT_EQ(preset(N::RFloor)->text(), "3,50");
    EXPECT_EQ(preset(N::RGroundWall)->text(), "3,50");

    chooseSlot(7);
    retypeField(preset(N::KWindow), "1,4");
    EXPECT_EQ(settingsWindow()->factoryButton()->text(), "&Löschen");
    dialogs.script.answers = {MessageAnswer::No};
    settingsWindow()->factoryButton()->click();
    EXPECT_EQ(dialogs.script.shown.back().caption, "Eigenen k-Wert löschen?");
    EXPECT_EQ(preset(N::KWindow)->text(), "1,4");
    dialogs.script.answers = {MessageAnswer::Yes};
    settingsWindow()->factoryButton()->click();
    EXPECT_TRUE(preset(N::KWindow)->text().isEmpty());
    pageKey(Qt::Key_PageUp);
    EXPECT_EQ(session().settings.PresetKWindow[6], 0.0f);
    EXPECT_EQ(session().settings.PresetName[6], "Eigene selbstdefinierte k-Werte");
}

TEST_F(PresetPageTest, TheHintLineScrollsInOncePerWindow)
{
    start();
    open(Qt::Key_F8);
    const QString resting = QStringLiteral(" <= Klicken zum Verändern der Werte (Bild auf/ab)");
    EXPECT_TRUE(presets()->animationPending());
    settingsWindow()->tabs()->setCurrentIndex(2);
    EXPECT_FALSE(presets()->animationPending());
    QTRY_COMPARE_WITH_TIMEOUT(presets()->hintText().left(resting.size()), resting, 5000);
    QTest::qWait(200);
    EXPECT_EQ(presets()->hintText().left(resting.size()), resting) << "it comes to rest";
}

TEST_F(PresetPageTest, TheLayerCalculatorHandsItsValueAndSummaryIntoThePreset)
{
    {
        QFile f(programDir() + QLatin1String(kCatalogFileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeCp1252(QStringLiteral("2;1;;Kalksandstein 1800;;;0,99;;;;1800\r\n")));
    }
    start();
    open(Qt::Key_F10);
    chooseSlot(2);
    QTest::keyClick(preset(N::KOuterWall), Qt::Key_B);
    LayerCalculatorWindow* calculator = app->layerTool().calculator();
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->target(), LayerTarget::preset(2));
    EXPECT_EQ(calculator->kind(), 1);
    calculator->catalogList()->setFocus();
    calculator->catalogList()->setCurrentCell(0, 1);
    dialogs.script.inputs.push_back(QStringLiteral("24"));
    QTest::keyClick(calculator->catalogList(), Qt::Key_F);
    calculator->findChild<QPushButton*>("HandOverButton")->click();
    EXPECT_EQ(preset(N::KOuterWall)->text(), "2,42");
    EXPECT_EQ(presetText(N::KOuterWall)->text(), "24cm Kalksandstein 1800");

    // The calculator goes with the window it works for; what the page took in stays.
    settingsWindow()->tabs()->setCurrentIndex(0);
    QTest::keyClick(settingsWindow()->focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!app->layerTool().calculator() || !app->layerTool().calculator()->isVisible());
    EXPECT_FLOAT_EQ(session().settings.PresetKOuterWall[1], 2.42f);
}

TEST_F(PresetPageTest, KInAnRValueConvertsFromKIntoThatField)
{
    start();
    open(Qt::Key_F10);
    QTest::keyClick(preset(N::RGroundWall), Qt::Key_K);
    KRConversionWindow* kr = app->commands().geometryTools().krConversionWindow();
    ASSERT_NE(kr, nullptr);
    EXPECT_EQ(kr->target(), KRTarget::PresetWall);
    retypeField(kr->kEdit(), "0,5");
    kr->handOverButton()->click();
    EXPECT_EQ(preset(N::RGroundWall)->text(), "1,83");
    EXPECT_EQ(edit(InputId::RGroundWall)->text(), "") << "the main window keeps its own";
    pageKey(Qt::Key_PageDown);
    EXPECT_FLOAT_EQ(session().settings.PresetRGroundWall[6], 1.83f);

    // A conversion still open for a preset closes with the settings window.
    QTest::keyClick(preset(N::RFloor), Qt::Key_K);
    EXPECT_TRUE(kr->isVisible());
    settingsWindow()->cancelButton()->click();
    EXPECT_FALSE(kr->isVisible());
}

TEST_F(SettingsWindowTest, OptionsAskBeforeSwitchingOffAndKeepACustomFolder)
{
    start();
    open(Qt::Key_F9);
    ASSERT_FALSE(option(1)->isChecked()); // the examples start without the welcome window
    option(1)->click();                   // checking asks nothing
    EXPECT_TRUE(dialogs.script.shown.empty());
    dialogs.script.answers = {MessageAnswer::No};
    option(1)->click();
    EXPECT_TRUE(option(1)->isChecked());
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown.back().caption, "Willkommensfenster deaktivieren");
    EXPECT_EQ(dialogs.script.shown.back().defaultAnswer, MessageAnswer::No);
    dialogs.script.answers = {MessageAnswer::Yes};
    option(5)->click();
    EXPECT_FALSE(option(5)->isChecked());
    option(6)->click(); // asks nothing

    settingsWindow()->optionsPage()->folderEdit()->setText("X:/Bauten/");
    settingsWindow()->factoryButton()->click();
    for (int box : {1, 2, 4, 5, 6})
        EXPECT_TRUE(option(box)->isChecked()) << box;
    EXPECT_EQ(settingsWindow()->optionsPage()->folderEdit()->text(), "X:/Bauten/");

    dialogs.script.answers = {MessageAnswer::Yes};
    option(1)->click();
    clickSave();
    EXPECT_FALSE(storedSettings().ShowWelcomeWindow);
    EXPECT_EQ(storedSettings().BuildingsFolder, "X:/Bauten/");
    EXPECT_EQ(dialogs.script.shown.size(), 3u);
}

} // namespace
