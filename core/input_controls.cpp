#include "core/input_controls.h"

#include "core/german_numbers.h"

#include <algorithm>

namespace orv {

namespace {

constexpr char16_t kBackspace = 8;
constexpr int kMinStoreys = 1;
constexpr int kMaxStoreys = 50;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

FilteredKey Real_Press(QChar key)
{
    if (key == QLatin1Char('.'))
        key = QLatin1Char(',');
    const QChar lower = key.toLower();
    if (lower == QLatin1Char('b'))
        return {std::nullopt, ToolKey::B};
    if (lower == QLatin1Char('k'))
        return {std::nullopt, ToolKey::K};
    if (key.unicode() == kBackspace || key == QLatin1Char(',') || isDigit(key))
        return {key, ToolKey::None};
    return {};
}

FilteredKey IntegerPress(QChar key)
{
    if (key.unicode() == kBackspace || isDigit(key))
        return {key, ToolKey::None};
    return {};
}

ToolRequest toolFor(InputId input, ToolKey key)
{
    using enum InputId;
    if (key == ToolKey::B) {
        switch (input) {
        case KOuterWall:
            return {ComponentTool::LayerCalculator, 1};
        case KRoof:
            return {ComponentTool::LayerCalculator, 2};
        case RGroundWall:
            return {ComponentTool::LayerCalculator, 3};
        case RFloor:
            return {ComponentTool::LayerCalculator, 4};
        case WindowArea:
            return {ComponentTool::WindowArea, 0};
        case RoofArea:
        case RoofVolume:
        case GableArea:
            return {ComponentTool::Roof, 0};
        default:
            return {};
        }
    }
    if (key == ToolKey::K) {
        if (input == RFloor)
            return {ComponentTool::KRConversion, 4};
        if (input == RGroundWall)
            return {ComponentTool::KRConversion, 3};
    }
    return {};
}

QString steppedStoreys(const QString& text, int delta)
{
    const int current = parseInteger(text).value_or(0);
    // Clamp before stepping so that a huge typed number cannot overflow.
    const int next = std::clamp(current, 0, kMaxStoreys + 1) + delta;
    return QString::number(std::clamp(next, kMinStoreys, kMaxStoreys));
}

} // namespace orv
