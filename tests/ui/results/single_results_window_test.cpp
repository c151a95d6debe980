// The single results window through the real program: opening, following the results, hiding and closing.

#include "ui/main_window_fixture.h"

#include "ui/results/single_results_window.h"

#include <QPushButton>

using namespace orv;
using namespace orv::test;

namespace {

class SingleResultsTest : public MainWindowTest
{
  protected:
    SingleResultsWindow* openWindow()
    {
        command("AEinzelergebnisse")->trigger();
        auto* shown = window().findChild<SingleResultsWindow*>();
        EXPECT_NE(shown, nullptr);
        return shown;
    }
};

TEST_F(SingleResultsTest, OpenedBeforeAnyCalculationItIsEmptyAndFollowsTheNextOne)
{
    start();
    SingleResultsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEmptied());
    EXPECT_EQ(w->windowTitle(), "Einzelergebnisse Transmissionsheizlast");
    EXPECT_EQ(w->y(), window().frameGeometry().top() + 68);

    typeExample1();
    EXPECT_FALSE(w->isEmptied());
    EXPECT_EQ(w->valueText(7), "5.119 W");
    EXPECT_EQ(w->shareText(7), "100 %");
    EXPECT_EQ(w->roofCaption(), "Decke:");

    // An incomplete building empties the window rather than leaving numbers of the old inputs.
    retype(InputId::Length, "");
    EXPECT_TRUE(w->isEmptied());
}

TEST_F(SingleResultsTest, HiddenByTheCloseBoxItKeepsFollowingAndF2ShowsItAgain)
{
    start();
    typeExample1();
    SingleResultsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    const QString before = w->valueText(4);
    w->close(); // the title bar's close box
    EXPECT_FALSE(w->isVisible());

    retype(InputId::WindowArea, "30");
    EXPECT_NE(w->valueText(4), before);
    const QString windows = w->valueText(4);
    EXPECT_EQ(openWindow(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->valueText(4), windows);
}

TEST_F(SingleResultsTest, EscAndTheCloseButtonEndTheWindow)
{
    start();
    for (bool byEsc : {true, false}) {
        QPointer<SingleResultsWindow> w = openWindow();
        ASSERT_TRUE(w);
        if (byEsc)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->closeButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull()) << byEsc;
    }
}

TEST_F(SingleResultsTest, HeatedRoofSpaceRenamesTheRoofRow)
{
    start(example2Settings(programDir()));
    SingleResultsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    typeExample2();
    EXPECT_EQ(w->roofCaption(), "Dach:");
    EXPECT_EQ(w->shareText(7), "100 %");

    // The documentation's picture of the window is this state.
    if (const QString path = qEnvironmentVariable("ORVENNA_SCREENSHOT_SINGLE"); !path.isEmpty()) {
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(path));
    }
}

} // namespace
