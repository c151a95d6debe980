// The main window as the building-file commands see it: a file opened by path is shown and calculated,
// a new building empties it again, the recent-file entries appear.

#include "main_window_fixture.h"

#include "files/building_file.h"
#include "files/building_files.h"

#include <QMenu>
#include <QMenuBar>

using namespace orv;
using namespace orv::test;

namespace {

class BuildingViewTest : public MainWindowTest
{
  protected:
    void SetUp() override { start(example2Settings(programDir())); }
};

TEST_F(BuildingViewTest, OpenedFileIsShownAndCalculated)
{
    BuildingRecord b = session().building;
    b.BuildingLength = 12;
    b.BuildingWidth = 9;
    b.HeatedHeight = 5;
    b.GroundWallHeight = 2.5f;
    b.WindowArea = 30;
    b.RoofArea = 160;
    b.GableArea = 40;
    b.RoofVolume = 150;
    b.KOuterWall = 0.4f;
    b.KWindow = 1.6f;
    b.KRoof = 0.25f;
    b.RFloor = 1.5f;
    b.RGroundWall = 1.2f;
    b.Storeys = 3;
    b.RoofSpaceHeated = true;
    b.CellarHeated = true;
    b.HasBuildingInfo = true;
    b.BuildingName = "Beispiel 2";
    const QString path = programDir() + "Beispiel 2.orv";
    ASSERT_TRUE(writeBuildingFile(path, b));

    BuildingFiles files(session(), dialogs, window());
    session().file.FileToOpen = path;
    EXPECT_EQ(files.OpenByPath(), OpenOutcome::Opened);
    EXPECT_EQ(edit(InputId::Length)->text(), "12,00");
    EXPECT_EQ(edit(InputId::RoofArea)->text(), "160,0");
    EXPECT_TRUE(edit(InputId::RoofArea)->isEnabled());
    EXPECT_TRUE(control<QAbstractButton>("RadioButton4")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Edit14")->text(), "Beispiel 2");
    EXPECT_EQ(text("Panel4"), "9,76 kW");
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Beispiel 2]");
    EXPECT_FALSE(session().file.BuildingModified);
    EXPECT_TRUE(dialogs.script.shown.empty());

    // Typing after the open is a change again; a new building empties everything.
    type(InputId::KWindow, "0");
    EXPECT_TRUE(session().file.BuildingModified);
    files.ResetBuilding();
    EXPECT_EQ(edit(InputId::Length)->text(), "");
    EXPECT_EQ(text("Panel4"), "");
    EXPECT_TRUE(control<QAbstractButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(command("AHLBerechnen")->isEnabled());
    EXPECT_EQ(window().windowTitle(), "kvz Orvenna   [Neues Gebäude]");
}

TEST_F(BuildingViewTest, RecentFileEntriesAndTheirSeparator)
{
    RecentMenu menu;
    menu.entries[0] = "&1  Haus Meier";
    menu.separatorVisible = true;
    window().showRecentFiles(menu);
    EXPECT_TRUE(command("ADatei1")->isVisible());
    EXPECT_EQ(command("ADatei1")->text(), "&1  Haus Meier");
    EXPECT_FALSE(command("ADatei2")->isVisible());
    const QList<QAction*> file = window().menuBar()->actions()[0]->menu()->actions();
    EXPECT_TRUE(file[file.size() - 2]->isVisible());
}

} // namespace
