#pragma once

#include "core/input_reading.h"

#include <QString>

class QWidget;

namespace orv {

class MainWindow;

// Writes a tool's result into a main-window input as if it had been typed: the keystroke road runs, also
// when the text was already there.
void handOverToInput(MainWindow& window, InputId id, const QString& text);

// Sizes a tool window from its layout, enlarged by the main window's extra width and height, and places it
// `top` pixels below the main window's top edge, centred on it.
void placeToolWindow(QWidget& tool, const MainWindow& window, int top);

// Brings an open tool window back: restored when minimised, raised and activated.
void raiseToolWindow(QWidget& tool);

} // namespace orv
