// The settings window's values page and the window as a whole: opening, checks, saving, cancel, Esc,
// hiding and closing with every window.

#include "ui/settings/settings_window_fixture.h"

#include "core/results_display.h"

#include <QAccessible>

using namespace orv;
using namespace orv::test;

namespace {

using F = DefaultsField;

TEST_F(SettingsWindowTest, F8OpensTheValuesWithTheOpenBuildingsRoomTemperatureFocused)
{
    start();
    SettingsWindow* w = open(Qt::Key_F8);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Einstellungen von Orvenna");
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->y(), window().frameGeometry().top() + 68);
    EXPECT_EQ(page(), w->valuesPage());
    EXPECT_EQ(w->focusWidget(), values(F::RoomTemperature));
    EXPECT_EQ(values(F::DefaultOutdoorTemperature)->text(), "-12");
    EXPECT_EQ(values(F::DefaultMinAirChange)->text(), "0,5");
    EXPECT_EQ(values(F::UsableAreaPercent)->text(), "70");
    EXPECT_TRUE(w->fourthButton()->isVisible());
    EXPECT_EQ(w->fourthButton()->text(), "&Übertragen");
    EXPECT_TRUE(w->saveButton()->isEnabled());
    EXPECT_TRUE(app->settingsCommands().SettingsWindowOpen());

    // The key filters: "." becomes ",", letters are dropped, the minus only in outside temperatures.
    retypeField(values(F::MinAirChange), "0.7a");
    EXPECT_EQ(values(F::MinAirChange)->text(), "0,7");
    retypeField(values(F::RoomTemperature), "-2x1");
    EXPECT_EQ(values(F::RoomTemperature)->text(), "21");

    // F9 and F10 reach the other pages, here and from the main window alike.
    QTest::keyClick(w->focusWidget(), Qt::Key_F9);
    EXPECT_EQ(page(), w->optionsPage());
    EXPECT_FALSE(w->fourthButton()->isVisible());
    open(Qt::Key_F10);
    EXPECT_EQ(settingsWindow(), w);
    EXPECT_EQ(page(), w->presetPage());
    EXPECT_EQ(w->fourthButton()->text(), "&Berechnen");
    EXPECT_EQ(w->factoryButton()->text(), "&Löschen"); // slot 7 at start
    EXPECT_EQ(values(F::RoomTemperature)->text(), "21") << "a raised window keeps its entries";
}

TEST_F(SettingsWindowTest, OneSaveShowsEveryRangeMessageInOrderAndStoresNothing)
{
    start();
    open(Qt::Key_F8);
    retypeField(values(F::DefaultRoomTemperature), "101");
    retypeField(values(F::GroundwaterTemperature), "21");
    retypeField(values(F::MinAirChange), "51");
    clickSave();
    EXPECT_EQ(dialogs.script.texts(),
              (QStringList{"Geben Sie einen gültigen Wert für die Raumtemperatur ein (5 bis 100 °C).",
                           "Geben Sie einen gültigen Wert für die Grundwassertemperatur ein (< 20 °C).",
                           "Geben Sie einen gültigen Wert für den Mindestluftwechsel ein (0 bis 50)."}));
    EXPECT_EQ(dialogs.script.shown.back().icon, MessageIcon::Error);
    ASSERT_NE(settingsWindow(), nullptr) << "the window stays open";
    EXPECT_EQ(settingsWindow()->focusWidget(), values(F::MinAirChange));
    EXPECT_EQ(session().settings.DefaultRoomTemperature, 20);
    EXPECT_EQ(session().building.GroundwaterTemperature, 10);

    // The limits themselves pass.
    retypeField(values(F::DefaultRoomTemperature), "100");
    retypeField(values(F::GroundwaterTemperature), "20");
    retypeField(values(F::MinAirChange), "50");
    clickSave();
    EXPECT_EQ(dialogs.script.shown.size(), 3u);
    EXPECT_EQ(settingsWindow(), nullptr);
    EXPECT_EQ(storedSettings().DefaultRoomTemperature, 100);
    EXPECT_EQ(session().building.GroundwaterTemperature, 20);
    EXPECT_FLOAT_EQ(session().building.MinAirChange, 50.0f);
}

TEST_F(SettingsWindowTest, ZeroOutsideTemperatureCannotBeSavedButMinusZeroCan)
{
    start();
    open(Qt::Key_F8);
    retypeField(values(F::OutsideTemperature), "0");
    EXPECT_FALSE(settingsWindow()->saveButton()->isEnabled());
    retypeField(values(F::OutsideTemperature), "-0");
    EXPECT_TRUE(settingsWindow()->saveButton()->isEnabled());
    clickSave();
    EXPECT_TRUE(dialogs.script.shown.empty());
    EXPECT_EQ(session().building.OutsideTemperature, 0);
}

TEST_F(SettingsWindowTest, SavingRoundsZWritesTheFileAndRecalculatesTheBuilding)
{
    start();
    typeExample1();
    ASSERT_TRUE(window().flags().ResultsValid);
    const QString before = text("Panel3");
    open(Qt::Key_F8);
    retypeField(values(F::RoomTemperature), "22");
    retypeField(values(F::VentilationShare), "0,55");
    retypeField(values(F::DefaultVentilationShare), "0,44");
    clickSave();
    EXPECT_EQ(settingsWindow(), nullptr);
    EXPECT_FALSE(app->settingsCommands().SettingsWindowOpen());
    EXPECT_FLOAT_EQ(session().building.VentilationShare, 0.6f);
    EXPECT_FLOAT_EQ(storedSettings().DefaultVentilationShare, 0.4f);
    EXPECT_EQ(session().building.RoomTemperature, 22);
    EXPECT_EQ(text("TemperatureLine"), temperatureLine(22, -12));
    EXPECT_TRUE(window().flags().ResultsValid);
    EXPECT_NE(text("Panel3"), before) << "recalculated with the warmer room";
}

TEST_F(SettingsWindowTest, StandardValuesAskWhetherTheOpenBuildingTakesThemToo)
{
    start();
    open(Qt::Key_F8);
    settingsWindow()->fourthButton(); // the values page is shown
    dialogs.script.answers = {MessageAnswer::No};
    settingsWindow()->factoryButton()->click();
    EXPECT_EQ(values(F::DefaultOutdoorTemperature)->text(), "-14");
    EXPECT_EQ(values(F::DefaultUsableAreaShare)->text(), "85");
    EXPECT_EQ(values(F::OutsideTemperature)->text(), "-12");
    EXPECT_EQ(dialogs.script.shown.back().caption, "Standardwerte..");

    dialogs.script.answers = {MessageAnswer::Yes};
    settingsWindow()->factoryButton()->click();
    EXPECT_EQ(values(F::OutsideTemperature)->text(), "-14");
    EXPECT_EQ(values(F::UsableAreaPercent)->text(), "85");
    EXPECT_EQ(session().settings.DefaultOutdoorTemperature, -12) << "nothing stored before the save";
}

TEST_F(SettingsWindowTest, ABadDecimalWithChecksOffStoresNothingAtAll)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PlausibilityChecks = false;
    start(settings);
    open(Qt::Key_F8);
    retypeField(values(F::RoomTemperature), "300"); // stored without comment when all else converts
    retypeField(values(F::VentilationShare), "1,,5");
    clickSave();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "In einem Eingabefeld wurde ein Komma zuviel eingegeben!\rBitte "
                                            "überprüfen.");
    EXPECT_EQ(dialogs.script.shown[0].caption, "Eingabe überprüfen");
    EXPECT_NE(settingsWindow(), nullptr);
    EXPECT_EQ(session().building.RoomTemperature, 20) << "a refused save leaves every value as it was";

    retypeField(values(F::VentilationShare), "1,5");
    clickSave();
    EXPECT_EQ(session().building.RoomTemperature, 300);
}

TEST_F(SettingsWindowTest, CancelReloadsTheFileAndResetsAutoCalculation)
{
    start();
    ASSERT_TRUE(session().settings.AutoCalcAtStart);
    control<QAbstractButton>("CheckBox1")->click(); // AutoBerechnen off in the main window
    ASSERT_FALSE(window().flags().AutoCalcActive);
    open(Qt::Key_F10);
    retypeField(preset(PresetNumber::KOuterWall), "0,3");
    settingsWindow()->tabs()->setCurrentIndex(0); // the preset page is taken in
    EXPECT_FLOAT_EQ(session().settings.PresetKOuterWall[6], 0.3f);
    settingsWindow()->cancelButton()->click();
    EXPECT_EQ(settingsWindow(), nullptr);
    EXPECT_FLOAT_EQ(session().settings.PresetKOuterWall[6], storedSettings().PresetKOuterWall[6]);
    EXPECT_NE(session().settings.PresetKOuterWall[6], 0.3f);
    EXPECT_TRUE(window().flags().AutoCalcActive);
}

TEST_F(SettingsWindowTest, EscKeepsWhatThePresetPageTookIn)
{
    start();
    open(Qt::Key_F10);
    retypeField(preset(PresetNumber::KOuterWall), "0,3");
    settingsWindow()->tabs()->setCurrentIndex(1);
    QTest::keyClick(settingsWindow()->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(settingsWindow(), nullptr);
    EXPECT_TRUE(window().isVisible()) << "Esc here never reaches the main window";
    EXPECT_FLOAT_EQ(session().settings.PresetKOuterWall[6], 0.3f);
    EXPECT_NE(storedSettings().PresetKOuterWall[6], 0.3f);
    open(Qt::Key_F10);
    EXPECT_EQ(preset(PresetNumber::KOuterWall)->text(), "0,30");
}

TEST_F(SettingsWindowTest, TheCloseBoxOnlyHidesButClosingAllWindowsEndsIt)
{
    start();
    open(Qt::Key_F8);
    retypeField(values(F::RoomTemperature), "23");
    settingsWindow()->close();
    EXPECT_FALSE(settingsWindow()->isVisible());
    EXPECT_TRUE(app->settingsCommands().SettingsWindowOpen());
    open(Qt::Key_F8);
    EXPECT_TRUE(settingsWindow()->isVisible());
    EXPECT_EQ(values(F::RoomTemperature)->text(), "23");

    command("AlleFensterschlieen1")->trigger();
    EXPECT_FALSE(app->settingsCommands().SettingsWindowOpen());
    EXPECT_EQ(session().building.RoomTemperature, 20);
    open(Qt::Key_F8);
    EXPECT_EQ(values(F::RoomTemperature)->text(), "20") << "set up afresh from the records";
}

TEST_F(SettingsWindowTest, DoubleClickOnTheTemperatureLineOpensTheValues)
{
    start();
    QTest::mouseDClick(control("TemperatureLine"), Qt::LeftButton);
    ASSERT_NE(settingsWindow(), nullptr);
    EXPECT_EQ(page(), settingsWindow()->valuesPage());
}

} // namespace

namespace {

TEST_F(SettingsWindowTest, EveryFieldAndButtonHasANameAndAcceleratorsReachTheirFields)
{
    start();
    SettingsWindow* w = open(Qt::Key_F10);
    for (int page = 0; page < 3; ++page) {
        w->tabs()->setCurrentIndex(page);
        for (QLineEdit* edit : w->tabs()->currentWidget()->findChildren<QLineEdit*>()) {
            if (!edit->isVisible())
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << edit->objectName().toStdString();
        }
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
            if (!button->isVisible())
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << button->objectName().toStdString();
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w->presetPage()->slotButton(1))->text(QAccessible::Name),
              "sehr gute (Niedrigenergiehaus)");

    w->tabs()->setCurrentIndex(0);
    QTest::keyClick(w->focusWidget(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(w->focusWidget(), values(DefaultsField::DefaultMinAirChange));
    // The up and down keys step a whole number within its range.
    retypeField(values(DefaultsField::DefaultRoomTemperature), "30");
    QTest::keyClick(values(DefaultsField::DefaultRoomTemperature), Qt::Key_Up);
    EXPECT_EQ(values(DefaultsField::DefaultRoomTemperature)->text(), "30");
    QTest::keyClick(values(DefaultsField::DefaultRoomTemperature), Qt::Key_Down);
    EXPECT_EQ(values(DefaultsField::DefaultRoomTemperature)->text(), "29");
}

} // namespace
