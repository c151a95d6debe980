#include "core/calculation.h"

#include "core/building_record.h"
#include "settings/settings_record.h"

#include <cmath>

namespace orv {

namespace {

// exp(ln(x) * e), the form the ground term has always been computed in.
double power(double x, double e)
{
    return std::exp(std::log(x) * e);
}

float single(double value)
{
    return static_cast<float>(value);
}

} // namespace

void computeAreas(BuildingRecord& r)
{
    double wall = 2.0 * r.HeatedHeight * (double(r.BuildingLength) + r.BuildingWidth) - r.WindowArea;
    if (r.RoofSpaceHeated)
        wall += r.GableArea;
    r.OuterWallArea = single(wall);
    r.BaseArea = single(double(r.BuildingLength) * r.BuildingWidth);
}

void BuildingCalculation(BuildingRecord& r, const SettingsRecord& s, CalculationResults& c)
{
    c.CalculationCount += 1;
    const double rho = s.AirDensity;
    const double cp = s.AirHeatCapacity;
    const double lambdaE = s.GroundConductivity;
    const double ri = s.InnerSurfaceResistance;
    const double ra = s.OuterSurfaceResistance;

    const double L = r.BuildingLength;
    const double B = r.BuildingWidth;
    const double H = r.HeatedHeight;

    // Temperature differences in integer arithmetic first, then converted.
    const double dT = r.RoomTemperature - r.OutsideTemperature;
    const double dTAir = r.RoomTemperature - (r.OutsideTemperature + 15);
    const double dTWater = r.RoomTemperature - r.GroundwaterTemperature;

    c.GroundDepth = r.GroundwaterDepth == 0 ? 1.0e-5f : single(r.GroundwaterDepth);
    const double T = c.GroundDepth;

    const auto groundTerm = [&] {
        return 0.24 * std::sqrt(power(T, -0.44) * r.BaseArea * power(L / B, -0.36));
    };
    c.RGroundWallToAir = single(groundTerm() + (ri + r.RGroundWall + ra));
    c.RFloorToAir = single(groundTerm() + (ri + r.RFloor + ra));
    c.RGroundWallToWater = single(ri + r.RGroundWall + T / lambdaE);
    c.RFloorToWater = single(ri + r.RFloor + T / lambdaE);

    c.FluxGroundWall = single(dTAir / c.RGroundWallToAir + dTWater / c.RGroundWallToWater);
    c.FluxFloor = single(dTAir / c.RFloorToAir + dTWater / c.RFloorToWater);

    c.LossGroundWall = single((L + B) * (2.0 * r.GroundWallHeight) * c.FluxGroundWall);
    c.LossFloor = single(double(r.BaseArea) * c.FluxFloor);

    // Wall area as the command left it; it is recomputed below by the same formula.
    c.LossOuterWall = single(dT * r.OuterWallArea * r.KOuterWall);
    c.LossWindows = single(dT * r.WindowArea * r.KWindow);

    if (!r.CellarHeated) {
        c.LossGroundWall = 0;
        c.FluxGroundWall = 0;
        r.GroundWallHeight = 0;
    }
    const double hE = r.GroundWallHeight;

    if (r.RoofSpaceHeated) {
        r.OuterWallArea = single(2.0 * H * (L + B) - r.WindowArea + r.GableArea);
        c.RoofLossArea = r.RoofArea;
        r.BuildingVolume = single(L * B * (H + hE) + r.RoofVolume);
    } else {
        r.OuterWallArea = single(2.0 * H * (L + B) - r.WindowArea);
        c.RoofLossArea = r.BaseArea;
        r.BuildingVolume = single(L * B * (H + hE));
    }

    c.LossRoof = single(dT * c.RoofLossArea * r.KRoof);
    c.TotalWallArea = single(2.0 * hE * (L + B) + r.OuterWallArea);
    c.EnvelopeArea = single(double(c.TotalWallArea) + r.WindowArea + r.BaseArea + c.RoofLossArea);
    r.AVRatio = single(double(c.EnvelopeArea) / r.BuildingVolume);

    const double p = r.UsableAreaPercent;
    r.VentilationLoad = single((p / 100.0) * r.BuildingVolume * r.MinAirChange * rho * cp * dT / 3600.0);
    r.TransmissionLoad = single(((double(r.OuterWallArea) * r.KOuterWall + double(r.WindowArea) * r.KWindow +
                                  double(c.RoofLossArea) * r.KRoof) *
                                     dT +
                                 double(r.BaseArea) * c.FluxFloor + 2.0 * hE * (L + B) * c.FluxGroundWall) /
                                1000.0);
    r.BuildingLoad = single((double(c.EffectiveShare) * r.VentilationLoad + r.TransmissionLoad) *
                            (s.LoadIncreasePercent / 100.0 + 1.0));
    r.SpecificLoad = single(double(r.BuildingLoad) / (double(r.Storeys) * r.BaseArea) * 1000.0 / (p / 100.0));

    c.MeanK =
        single((double(r.OuterWallArea) * r.KOuterWall + double(r.WindowArea) * r.KWindow +
                double(c.RoofLossArea) * r.KRoof + (1.0 / (ri + r.RGroundWall + ra)) * hE * 2.0 * (L + B) +
                (1.0 / (ri + r.RFloor + ra)) * r.BaseArea) /
               c.EnvelopeArea);
    c.EffectiveK = single(double(r.TransmissionLoad) / (dT * c.EnvelopeArea) * 1000.0);
}

} // namespace orv
