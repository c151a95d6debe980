#pragma once

namespace orv {

// Where the main window opens on a screen of the given size.
struct WindowPlacement
{
    int left = 0;
    int top = 0;
    bool maximized = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Centred horizontally; 30 pixels above the vertical centre on screens taller than 650 pixels, else at the
// top. Maximised on screens at most 850 × 650, or when asked to. A window wider or taller than the screen
// keeps its left and top edge on the screen.
WindowPlacement mainWindowPlacement(int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                                    bool startMaximized);

} // namespace orv
