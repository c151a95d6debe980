// What a new user meets first: results that no longer belong to the inputs, clicks and keys that must
// not count as input, a building that is only named, and what the status line says.

#include "main_window_fixture.h"

#include "files/building_file.h"
#include "ui/building_info_dialog.h"
#include "ui/program_commands.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace orv;
using namespace orv::test;

namespace {

class CarefulUserTest : public MainWindowTest
{
  protected:
    void startWithoutAutoCalc()
    {
        SettingsRecord settings = exampleSettings(programDir());
        settings.AutoCalcAtStart = false;
        start(settings);
    }
    QColor colour(const char* panel) { return control(panel)->palette().color(QPalette::WindowText); }
    // Printing is offered exactly while the results are valid, and valid results are never grey.
    void expectValid(bool valid)
    {
        EXPECT_EQ(window().flags().ResultsValid, valid);
        EXPECT_EQ(command("ADrucken")->isEnabled(), valid);
        EXPECT_EQ(command("APdfSpeichern")->isEnabled(), valid);
        for (const char* panel : {"Panel2", "Panel4", "Panel9"})
            EXPECT_EQ(colour(panel), valid ? QColor(Qt::black) : QColor(Qt::gray)) << panel;
    }
    void calculate() { QTest::keyClick(edit(InputId::Length), Qt::Key_F11); }
    QString statusText() { return control<QLabel>("StatusText")->text(); }
    BuildingInfoDialog* openInfo()
    {
        command("AGebaeudeinfo")->trigger();
        return app->commands().buildingInfoDialog();
    }
};

TEST_F(CarefulUserTest, ResultsOfOtherInputsStayVisibleButGreyAndUnprintable)
{
    startWithoutAutoCalc();
    typeExample1();
    EXPECT_TRUE(text("Panel4").isEmpty());
    expectValid(false);
    calculate();
    ASSERT_EQ(text("Panel4"), "5,96 kW");
    expectValid(true);

    retype(InputId::Length, "12");
    EXPECT_EQ(text("Panel4"), "5,96 kW") << "the old results stay until the next calculation";
    expectValid(false);
    retype(InputId::Length, "10");
    expectValid(true); // the inputs they were computed from again

    retype(InputId::Length, "12");
    calculate();
    EXPECT_NE(text("Panel4"), "5,96 kW");
    expectValid(true);

    // F11 refuses the k-value and the record holds 0: the results shown are those of the value before.
    const QString before = text("Panel4");
    retype(InputId::KOuterWall, "11");
    calculate();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(session().building.KOuterWall, 0.0f);
    EXPECT_EQ(text("Panel4"), before);
    expectValid(false);
    retype(InputId::KOuterWall, "0.5");
    calculate();
    expectValid(true);

    // Building information does not change what the results were computed from.
    BuildingInfoDialog* info = openInfo();
    QTest::keyClicks(info->designationEdit(), "Haus");
    info->okButton()->click();
    expectValid(true);
}

TEST_F(CarefulUserTest, WithAutoCalcEveryChangeIsCalculatedAndStaysPrintable)
{
    start();
    typeExample1();
    expectValid(true);
    retype(InputId::Length, "12");
    expectValid(true);
    retype(InputId::KRoof, "");
    EXPECT_TRUE(text("Panel4").isEmpty());
    EXPECT_FALSE(window().flags().ResultsValid);
    EXPECT_FALSE(command("ADrucken")->isEnabled());
}

TEST_F(CarefulUserTest, AltLetterIsNeitherTypedNorATool)
{
    start();
    int conversions = 0;
    window().setToolHook(ComponentTool::KRConversion, [&](const ToolRequest&) { ++conversions; });
    type(InputId::RFloor, "2");
    QTest::keyClick(edit(InputId::RFloor), Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(edit(InputId::RFloor), Qt::Key_K, Qt::AltModifier);
    QTest::keyClick(edit(InputId::Storeys), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(edit(InputId::RFloor)->text(), "2");
    EXPECT_EQ(edit(InputId::Storeys)->text(), "1");
    EXPECT_EQ(conversions, 0);
    EXPECT_TRUE(dialogs.script.shown.empty());

    type(InputId::RFloor, "k"); // the plain letter still asks for the tool
    EXPECT_EQ(conversions, 1);
    EXPECT_EQ(edit(InputId::RFloor)->text(), "2");
}

TEST_F(CarefulUserTest, AltBPressesTheCalculateButtonWhileItIsThere)
{
    startWithoutAutoCalc();
    typeExample1();
    ASSERT_TRUE(control("BitBtn1")->isVisible());
    QTest::keyClick(edit(InputId::Length), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(text("Panel4"), "5,96 kW");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // With AutoBerechnen the button is hidden: the letter opens the menu "&Berechnen".
    control<QCheckBox>("CheckBox1")->click();
    ASSERT_FALSE(control("BitBtn1")->isVisible());
    QTest::keyClick(edit(InputId::Length), Qt::Key_B, Qt::AltModifier);
    QMenu* calculateMenu = window().menuBar()->actions()[2]->menu();
    ASSERT_EQ(calculateMenu->title(), "&Berechnen");
    QTRY_VERIFY(calculateMenu->isVisible());
    calculateMenu->close();
}

TEST_F(CarefulUserTest, ClickOnTheChoiceAlreadyMadeChangesNothing)
{
    start();
    const QString autoSave = programDir() + "AutoSave.orv";
    for (const char* unchanged : {"RadioButton1", "RadioButton3"}) {
        control<QAbstractButton>(unchanged)->click();
        EXPECT_FALSE(session().file.BuildingModified) << unchanged;
        EXPECT_FALSE(QFile::exists(autoSave)) << unchanged;
    }
    control<QAbstractButton>("RadioButton4")->click();
    EXPECT_TRUE(session().file.BuildingModified);
    EXPECT_TRUE(session().building.CellarHeated);
    EXPECT_TRUE(QFile::exists(autoSave));
    const int saves = session().file.AutoSaveCount;
    control<QAbstractButton>("RadioButton4")->click();
    EXPECT_EQ(session().file.AutoSaveCount, saves);
    EXPECT_TRUE(session().building.CellarHeated);
}

TEST_F(CarefulUserTest, BuildingWithOnlyInformationIsNotDiscardedUnasked)
{
    start();
    BuildingInfoDialog* info = openInfo();
    QTest::keyClicks(info->designationEdit(), "Haus Meier");
    QTest::keyClicks(info->clientEdit(), "Meier");
    info->okButton()->click();
    dialogs.script.answers = {MessageAnswer::Cancel};
    QTest::keyClick(edit(InputId::Length), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "Gebäudedaten wurden noch nicht gespeichert. Speichern?");
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "Haus Meier");

    // A designation typed into the tool bar alone counts as well.
    dialogs.script.answers = {MessageAnswer::No};
    QTest::keyClick(edit(InputId::Length), Qt::Key_N, Qt::ControlModifier);
    QLineEdit* designation = control<QLineEdit>("Edit14");
    designation->setFocus();
    QTest::keyClicks(designation, "Halle");
    dialogs.script.answers = {MessageAnswer::Cancel};
    QTest::keyClick(edit(InputId::Length), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialogs.script.shown.size(), 3u);
    EXPECT_EQ(designation->text(), "Halle");
}

TEST_F(CarefulUserTest, ImpossibleDateKeepsOkDisabledWithAHint)
{
    start();
    BuildingInfoDialog* info = openInfo();
    QTest::keyClicks(info->designationEdit(), "Haus");
    ASSERT_TRUE(info->okButton()->isEnabled());
    QLabel* hint = info->findChild<QLabel*>("DateHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isVisible());

    QLineEdit* date = info->dateEdit();
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, "991399");
    EXPECT_EQ(date->text(), "99.13.99");
    EXPECT_FALSE(info->okButton()->isEnabled());
    EXPECT_TRUE(hint->isVisible());
    QTest::keyClick(date, Qt::Key_Return); // Enter must not store it either
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(session().building.HasBuildingInfo);

    date->selectAll();
    QTest::keyClicks(date, "290224");
    EXPECT_TRUE(info->okButton()->isEnabled());
    EXPECT_FALSE(hint->isVisible());
    info->okButton()->click();
    EXPECT_EQ(session().building.InfoDate, "29.02.24");
}

TEST_F(CarefulUserTest, TextFileOpenedByMistakeSurvivesCtrlS)
{
    start();
    const QString notes = programDir() + "Notizen.txt";
    const QByteArray text(6000, 'x');
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
    dialogs.script.files = {notes};
    QTest::keyClick(edit(InputId::Length), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_TRUE(dialogs.script.shown[0].text.contains("keine Gebäudedatei dieses Programms"));

    dialogs.script.files = {std::nullopt};
    QTest::keyClick(edit(InputId::Length), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.script.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.script.fileRequests[1].title, "Gebäudedatei speichern");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

TEST_F(CarefulUserTest, StatusLineSaysWhatWasOpened)
{
    start();
    typeExample1();
    const QString file = programDir() + "Haus.orv";
    ASSERT_TRUE(writeBuildingFile(file, session().building));
    control<QLabel>("StatusText")->setText("Neues Gebäude"); // the hint of the last command
    dialogs.script.answers = {MessageAnswer::No};
    dialogs.script.files = {file};
    command("AOeffnen")->trigger();
    EXPECT_EQ(statusText(), " Geöffnet: " + file);
}

} // namespace
