#include "core/window_placement.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

TEST(WindowPlacementTest, ScreenSizeDecidesPlaceAndMaximising)
{
    const struct
    {
        int screenWidth, screenHeight, width, height;
        bool startMaximized;
        WindowPlacement expected;
    } cases[] = {
        {1024, 768, 950, 600, false, {37, 54, false}}, // centred, 30 pixels above the middle
        {1024, 768, 951, 601, false, {37, 54, false}}, // halves rounded away from zero
        {800, 600, 700, 500, false, {50, 0, true}},    // small screens maximise
        {900, 600, 700, 500, false, {100, 0, false}},  // both limits must hold
        {850, 650, 700, 500, false, {75, 0, true}},
        {1920, 1080, 950, 600, true, {485, 210, true}}, // asked to maximise
        {1024, 768, 1100, 900, false, {0, 0, false}},   // larger than the screen: left and top stay on it
    };
    for (const auto& c : cases)
        EXPECT_EQ(mainWindowPlacement(c.screenWidth, c.screenHeight, c.width, c.height, c.startMaximized),
                  c.expected)
            << c.screenWidth << "x" << c.screenHeight;
}

} // namespace
