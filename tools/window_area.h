#pragma once

#include "core/messages.h"

#include <QString>

#include <array>
#include <optional>

namespace orv {

struct BuildingRecord;

inline constexpr int kWindowRows = 10;

// The main window's texts the free-standing wall area is taken from.
struct WallAreaTexts
{
    QString length;
    QString width;
    QString heatedHeight;
    QString gableArea;
    bool roofSpaceHeated = false;
};

// A_W = 2 · (L + B) · H, with the gables when the roof space is heated; none unless L · B · H > 0.
std::optional<float> freeStandingWallArea(const WallAreaTexts& texts);

// One list row as typed: count, width, height.
using WindowRowTexts = std::array<QString, 3>;
using WindowListTexts = std::array<WindowRowTexts, kWindowRows>;

// The list as a building shows it: its stored rows, or count 1 and height 1,2 in every row of a fresh one.
WindowListTexts windowListTexts(const BuildingRecord& building);

// The two result lines under the list or the estimate and whether the area may be handed over.
struct WindowAreaLines
{
    QString first;
    QString second;
    bool firstIsError = false; // shown in red
    bool handOver = false;

    friend bool operator==(const WindowAreaLines&, const WindowAreaLines&) = default;
};

struct WindowListResult
{
    std::array<float, kWindowRows> rowAreas{};
    float total = 0;
    WindowAreaLines lines;
};

// Sums the list and stores its rows in the building (an unreadable cell counts as 0 and is an input error).
WindowListResult calculateWindowList(const WindowListTexts& rows, std::optional<float> wallArea,
                                     BuildingRecord& building);

struct WindowEstimateResult
{
    float total = 0;
    WindowAreaLines lines;
};

// The share of the free-standing wall typed as a percentage; stores the fraction in the building. A text
// that is no number counts as an empty field.
WindowEstimateResult estimateWindowArea(const QString& percentText, float wallArea, BuildingRecord& building);

// The percentage field's text for the stored fraction.
QString windowPercentText(const BuildingRecord& building);

// Asked when the estimate is ticked without length, width and height.
Message estimateNeedsDimensions();
// The result lines meanwhile.
WindowAreaLines estimateNeedsDimensionsLines();

} // namespace orv
