#pragma once

#include <functional>

class QWidget;

namespace orv {

// Makes Esc the window's own key: `action` runs when it is pressed anywhere in `window`, and the main
// window's program-wide Esc (ending the program) never sees it.
void handleEscapeIn(QWidget& window, std::function<void()> action);

} // namespace orv
