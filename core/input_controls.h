#pragma once

#include "core/input_reading.h"

#include <QChar>
#include <QString>

#include <optional>

namespace orv {

// The letters that ask for an input's component tool instead of reaching its text.
enum class ToolKey
{
    None,
    B,
    K
};

// What a typed character does in a filtered input: the character that reaches the text (none when it is
// swallowed) and the tool letter it was, if any.
struct FilteredKey
{
    std::optional<QChar> character;
    ToolKey tool = ToolKey::None;
};

// Key filter of the real-number inputs: "." becomes the decimal comma; "b"/"k" (either case) ask for a
// tool and are swallowed like every character other than a backspace, "," or a digit.
FilteredKey Real_Press(QChar key);
// Key filter of the storeys input: backspace and digits only.
FilteredKey IntegerPress(QChar key);

// The tools that hand a value back into an input.
enum class ComponentTool
{
    None,
    LayerCalculator,
    KRConversion,
    WindowArea,
    Roof
};

// A tool asked for from an input; componentKind is 1 outer wall, 2 roof or top ceiling,
// 3 ground-contact wall, 4 floor against ground (layer calculator and k/R conversion only).
struct ToolRequest
{
    ComponentTool tool = ComponentTool::None;
    int componentKind = 0;

    friend bool operator==(const ToolRequest&, const ToolRequest&) = default;
};

// Which tool a tool letter opens from an input; a double-click opens the one of "b".
ToolRequest toolFor(InputId input, ToolKey key);

// The storeys input's up-down control: one step from what the text says, kept within 1..50.
// A text that is no number counts as 0.
QString steppedStoreys(const QString& text, int delta);

} // namespace orv
