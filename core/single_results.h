#pragma once

#include <QString>

#include <array>
#include <optional>

namespace orv {

struct BuildingRecord;
struct CalculationResults;

// The breakdown of the transmission load: ground wall, floor, ground total, outer wall, windows, roof,
// air total, QT (all in W), then the mean k-value; the shares of the first seven rows and of their sum.
struct SingleResultTexts
{
    static constexpr int kValues = 9;
    static constexpr int kShares = 8;
    std::array<QString, kValues> values;
    std::array<QString, kShares> shares;
};

// "Dach:" with a heated roof space, "Decke:" otherwise.
QString singleResultsRoofCaption(bool roofSpaceHeated);

// Empty when QT is 0: nothing to break down, and no share can be computed.
std::optional<SingleResultTexts> singleResultTexts(const BuildingRecord& record,
                                                   const CalculationResults& results);

} // namespace orv
