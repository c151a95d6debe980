#include "core/single_results.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"

namespace orv {

QString singleResultsRoofCaption(bool roofSpaceHeated)
{
    return roofSpaceHeated ? QStringLiteral("Dach:") : QStringLiteral("Decke:");
}

std::optional<SingleResultTexts> singleResultTexts(const BuildingRecord& record,
                                                   const CalculationResults& results)
{
    const double qt = record.TransmissionLoad;
    if (qt == 0)
        return std::nullopt;
    const double losses[7] = {results.LossGroundWall,
                              results.LossFloor,
                              double(results.LossGroundWall) + results.LossFloor,
                              results.LossOuterWall,
                              results.LossWindows,
                              results.LossRoof,
                              double(results.LossOuterWall) + results.LossWindows + results.LossRoof};
    SingleResultTexts texts;
    for (int i = 0; i < 7; ++i) {
        texts.values[i] = formatNumber("%-0.0n", losses[i]) + " W";
        texts.shares[i] = formatNumber("%-0.1n", losses[i] / 10 / qt) + " %";
    }
    texts.values[7] = formatNumber("%-0.0n", qt * 1000) + " W";
    texts.shares[7] = formatNumber("%-0.0n", (losses[2] + losses[6]) / 10 / qt) + " %";
    texts.values[8] = formatNumber("%0.3n", results.MeanK);
    return texts;
}

} // namespace orv
