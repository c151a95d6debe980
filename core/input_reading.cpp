#include "core/input_reading.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

bool readReal(const InputTexts& texts, InputId id, float& field)
{
    const QString& text = textOf(texts, id);
    if (text.isEmpty()) {
        field = 0;
        return true;
    }
    const auto value = parseDecimal(text);
    if (!value)
        return false;
    field = *value;
    return true;
}

} // namespace

void normaliseRoofSpace(BuildingRecord& r)
{
    if (!r.RoofSpaceHeated)
        r.RoofArea = r.RoofVolume = r.GableArea = r.RoofHeight = 0;
}

void normaliseCellar(BuildingRecord& r)
{
    if (!r.CellarHeated)
        r.RGroundWall = r.GroundWallHeight = 0;
}

float effectiveShare(const BuildingRecord& r)
{
    if (r.RaiseShareAbove10m && double(r.HeatedHeight) + r.RoofHeight > 10.0)
        return 0.7f;
    return r.VentilationShare;
}

bool readInputs(const InputTexts& texts, BuildingRecord& r, CalculationResults& results)
{
    using enum InputId;
    // An unheated roof space or cellar has no such parts, even when a later text cannot be read.
    normaliseRoofSpace(r);
    normaliseCellar(r);
    if (!readReal(texts, Length, r.BuildingLength) || !readReal(texts, Width, r.BuildingWidth) ||
        !readReal(texts, HeatedHeight, r.HeatedHeight) || !readReal(texts, KOuterWall, r.KOuterWall) ||
        !readReal(texts, KWindow, r.KWindow) || !readReal(texts, RFloor, r.RFloor) ||
        !readReal(texts, KRoof, r.KRoof))
        return false;

    const QString& storeys = textOf(texts, Storeys);
    if (storeys.isEmpty()) {
        r.Storeys = 0;
    } else {
        const auto value = parseInteger(storeys);
        if (!value)
            return false;
        r.Storeys = *value;
    }

    if (!readReal(texts, WindowArea, r.WindowArea))
        return false;
    if (r.RoofSpaceHeated) {
        if (!readReal(texts, RoofArea, r.RoofArea) || !readReal(texts, RoofVolume, r.RoofVolume) ||
            !readReal(texts, GableArea, r.GableArea))
            return false;
    }
    normaliseRoofSpace(r);
    results.EffectiveShare = effectiveShare(r);
    if (r.CellarHeated) {
        if (!readReal(texts, RGroundWall, r.RGroundWall) ||
            !readReal(texts, GroundWallHeight, r.GroundWallHeight))
            return false;
    }
    normaliseCellar(r);
    return true;
}

bool inputsComplete(const BuildingRecord& r)
{
    const bool base = r.BuildingLength != 0 && r.BuildingWidth != 0 && r.HeatedHeight != 0 &&
                      r.KOuterWall != 0 && r.KWindow != 0 && r.KRoof != 0 && r.RFloor != 0 &&
                      r.Storeys != 0 && r.WindowArea != 0;
    const bool roof = !r.RoofSpaceHeated || (r.RoofArea != 0 && r.RoofVolume != 0 && r.GableArea != 0);
    const bool cellar = !r.CellarHeated || (r.RGroundWall != 0 && r.GroundWallHeight != 0);
    return base && roof && cellar;
}

int suggestedStoreys(float heatedHeight)
{
    if (double(heatedHeight) < 2.76)
        return 1;
    return static_cast<int>(std::min(std::trunc(double(heatedHeight) / 2.75), 1.0e9));
}

} // namespace orv
