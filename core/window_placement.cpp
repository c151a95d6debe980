#include "core/window_placement.h"

#include <algorithm>
#include <cmath>

namespace orv {

WindowPlacement mainWindowPlacement(int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                                    bool startMaximized)
{
    WindowPlacement p;
    p.left = static_cast<int>(std::lround((screenWidth - windowWidth) / 2.0));
    p.top = screenHeight > 650 ? static_cast<int>(std::lround((screenHeight - windowHeight) / 2.0 - 30)) : 0;
    p.left = std::max(p.left, 0);
    p.top = std::max(p.top, 0);
    p.maximized = (screenWidth <= 850 && screenHeight <= 650) || startMaximized;
    return p;
}

} // namespace orv
