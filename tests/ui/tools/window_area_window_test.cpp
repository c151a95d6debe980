// The window-area calculator through the main window: list, estimate, hand-over, cancel and refill.

#include "geometry_tools_fixture.h"
#include "ui/tools/window_area_window.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;
using namespace orv::test;

namespace {

class WindowAreaWindowTest : public GeometryToolsTest
{
  protected:
    void SetUp() override { start(); }

    WindowAreaWindow* open()
    {
        command("AFensterflaeche")->trigger();
        WindowAreaWindow* w = tools().windowAreaWindow();
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(w && w->isVisible());
        QApplication::setActiveWindow(w);
        return w;
    }
    QString cell(WindowAreaWindow* w, int row, int column) { return w->list()->item(row, column)->text(); }
    void typeExampleList(WindowAreaWindow* w)
    {
        typeCell(w->list(), 0, 0, "4");
        typeCell(w->list(), 0, 1, "1.01");
        typeCell(w->list(), 0, 2, "1,26");
        typeCell(w->list(), 1, 0, "2");
        typeCell(w->list(), 1, 1, "2,00");
    }
    void typePercent(WindowAreaWindow* w, const QString& keys)
    {
        w->percentEdit()->selectAll();
        QTest::keyClicks(w->percentEdit(), keys);
    }
};

TEST_F(WindowAreaWindowTest, FreshListAndItsHeaders)
{
    typeExample1();
    toolKey(InputId::WindowArea, 'b');
    WindowAreaWindow* w = tools().windowAreaWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Fensterfläche berechnen ");
    QTableWidget* list = w->list();
    EXPECT_EQ(list->rowCount(), 10);
    EXPECT_EQ(list->verticalHeaderItem(0)->text(), "Fenster 1");
    EXPECT_EQ(list->verticalHeaderItem(9)->text(), "Fenster 10");
    QStringList headers;
    for (int column = 0; column < list->columnCount(); ++column)
        headers << list->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers, (QStringList{"Anzahl", "Breite [m]", "Höhe [m]", "Fläche [m²]"}));
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(cell(w, row, 0), "1");
        EXPECT_EQ(cell(w, row, 1), "");
        EXPECT_EQ(cell(w, row, 2), "1,2");
    }
    EXPECT_EQ(w->firstLine()->text(), "");
    EXPECT_FALSE(w->handOverButton()->isEnabled());
    EXPECT_FALSE(w->percentEdit()->isEnabled());
    EXPECT_EQ(w->wallArea(), 198.0f);
    expectCaptionsHaveBuddies(w);
    EXPECT_EQ(w->cancelButton()->toolTip(),
              "Abbrechen ohne die Fläche zu übernehmen (Angaben bleiben erhalten)");
}

TEST_F(WindowAreaWindowTest, ListHandOverReachesTheMainWindowAndRecalculates)
{
    typeExample1();
    ASSERT_EQ(text("Panel4"), "5,96 kW");
    WindowAreaWindow* w = open();
    typeExampleList(w);
    EXPECT_EQ(cell(w, 0, 1), "1,01"); // the point became a comma
    EXPECT_EQ(cell(w, 0, 3), "5,09");
    EXPECT_EQ(cell(w, 1, 3), "4,80");
    EXPECT_EQ(cell(w, 2, 3), "0,00");
    EXPECT_EQ(w->firstLine()->text(), "Berechnete Fensterfläche: 9,89 m²");
    EXPECT_EQ(w->secondLine()->text(), "( = 5,0% von 198 m² Außenwandfläche freistehend)");
    EXPECT_EQ(session().building.WindowArea, 20.0f); // still the main window's field
    ASSERT_TRUE(w->handOverButton()->isEnabled());

    w->handOverButton()->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(edit(InputId::WindowArea)->text(), "9,89");
    EXPECT_FLOAT_EQ(session().building.WindowArea, 9.89f);
    EXPECT_TRUE(session().building.HasWindowList);
    EXPECT_NE(text("Panel4"), "5,96 kW");
    EXPECT_NE(text("Panel4"), "");
    QApplication::setActiveWindow(&window());
    EXPECT_TRUE(edit(InputId::WindowArea)->hasFocus());

    // Reopened, the list is the one typed.
    open();
    EXPECT_EQ(cell(w, 0, 0), "4,0");
    EXPECT_EQ(cell(w, 0, 1), "1,01");
    EXPECT_EQ(cell(w, 1, 2), "1,20");
    EXPECT_EQ(w->firstLine()->text(), "Berechnete Fensterfläche: 9,89 m²");
}

TEST_F(WindowAreaWindowTest, UnreadableCellShowsTheErrorInRed)
{
    typeExample1();
    WindowAreaWindow* w = open();
    typeCell(w->list(), 0, 1, "1,2,");
    EXPECT_EQ(w->firstLine()->text(), "EINGABEFEHLER!  -  Bitte korrigieren.");
    EXPECT_EQ(w->firstLine()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(w->handOverButton()->isEnabled());
    typeCell(w->list(), 0, 1, "1,25");
    EXPECT_EQ(w->firstLine()->text(), "Berechnete Fensterfläche: 1,50 m²");
    EXPECT_NE(w->firstLine()->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(WindowAreaWindowTest, EstimateHandOverAndReopening)
{
    typeExample1();
    WindowAreaWindow* w = open();
    w->estimateBox()->click();
    EXPECT_TRUE(w->percentEdit()->isEnabled());
    EXPECT_FALSE(w->list()->isEnabled());
    EXPECT_TRUE(w->percentEdit()->hasFocus());
    EXPECT_TRUE(session().building.WindowAreaEstimated);
    typePercent(w, "99,5");
    EXPECT_EQ(w->firstLine()->text(), "Der Prozentsatz ist zu hoch (max. 99%)");
    EXPECT_FALSE(w->handOverButton()->isEnabled());
    typePercent(w, "20");
    EXPECT_EQ(w->firstLine()->text(), "Geschätzte Fensterfläche: 39,60 m²");
    EXPECT_EQ(w->secondLine()->text(), "( = 20% von 198 m² Außenwandfläche freistehend)");
    w->handOverButton()->click();
    EXPECT_EQ(edit(InputId::WindowArea)->text(), "39,60");
    EXPECT_FLOAT_EQ(session().building.WindowArea, 39.6f);

    open();
    EXPECT_TRUE(w->estimateBox()->isChecked());
    EXPECT_EQ(w->percentEdit()->text(), "20");
    EXPECT_EQ(w->firstLine()->text(), "Geschätzte Fensterfläche: 39,60 m²");

    // Unticked, the list counts again.
    w->estimateBox()->click();
    EXPECT_FALSE(session().building.WindowAreaEstimated);
    EXPECT_TRUE(w->list()->isEnabled());
    EXPECT_EQ(w->firstLine()->text(), "");
}

TEST_F(WindowAreaWindowTest, EstimateWithoutDimensionsOffersToGoThere)
{
    type(InputId::Length, "10");
    WindowAreaWindow* w = open();
    EXPECT_FALSE(w->wallArea());
    dialogs.script.answers = {MessageAnswer::No};
    w->estimateBox()->click();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].caption, "Abschätzen geht nicht");
    EXPECT_EQ(dialogs.script.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(w->estimateBox()->isChecked());
    EXPECT_FALSE(session().building.WindowAreaEstimated);
    EXPECT_EQ(w->firstLine()->text(), "Vor der Abschätzung der Fensterfläche");
    EXPECT_EQ(w->secondLine()->text(), "müssen Sie die Gebäudelänge, -breite und -höhe angeben.");
    EXPECT_TRUE(w->isVisible());

    dialogs.script.answers = {MessageAnswer::Yes};
    w->estimateBox()->click();
    EXPECT_FALSE(w->isVisible());
    QApplication::setActiveWindow(&window());
    EXPECT_TRUE(edit(InputId::Width)->hasFocus());
}

TEST_F(WindowAreaWindowTest, CancelKeepsTheEntriesButNotTheArea)
{
    typeExample1();
    WindowAreaWindow* w = open();
    typeExampleList(w);
    w->cancelButton()->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(edit(InputId::WindowArea)->text(), "20");
    EXPECT_EQ(session().building.WindowArea, 20.0f);
    EXPECT_TRUE(session().building.HasWindowList);
    EXPECT_EQ(session().building.WindowCount[0], 4.0f);
    open();
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WindowAreaWindowTest, RefillDeterminesTheWallAreaAgain)
{
    typeExample1();
    control<QAbstractButton>("RadioButton2")->click();
    type(InputId::GableArea, "32");
    WindowAreaWindow* w = open();
    EXPECT_EQ(w->wallArea(), 230.0f);
    w->estimateBox()->click();
    typePercent(w, "20");
    EXPECT_EQ(w->secondLine()->text(), "( = 20% von 230 m² Außenwandfläche freistehend)");

    // Another building shown: its dimensions and its list.
    retype(InputId::Length, "12");
    session().building.WindowAreaEstimated = false;
    session().building.HasWindowList = false;
    window().refreshToolWindows();
    EXPECT_EQ(w->wallArea(), 252.0f); // 2 · (12 + 8) · 5,5 + 32
    EXPECT_FALSE(w->estimateBox()->isChecked());
    EXPECT_EQ(cell(w, 0, 2), "1,2");
}

} // namespace
