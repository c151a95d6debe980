#include "core/state_display.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "files/file_state.h"

namespace orv {

namespace {

QString number(float value)
{
    return formatNumber("%-0.2n", value);
}

// Resistances of a few tenths: two decimals would hide what changes.
QString resistance(float value)
{
    return formatNumber("%-0.4n", value);
}

QString integer(std::int32_t value)
{
    return QString::number(value);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("JA") : QStringLiteral("NEIN");
}

} // namespace

const std::array<const char*, kStateCounters> kStateCounterCaptions = {
    "BerechnetZähler", "VollständigZähler", "StringpressZähler",
    "GeaendertZähler", "EinlesenZähler",    "A-SpeichernZähler"};

std::array<QString, 4> statusWords(const FileState& file, bool resultsValid)
{
    return {file.BuildingOpened ? QStringLiteral("GEOFFNET") : QStringLiteral("NICHT GEOFFNET"),
            file.BuildingSaved ? QStringLiteral("GESPEICHERT") : QStringLiteral("NICHT GESPEICHERT"),
            file.BuildingModified ? QStringLiteral("GEÄNDERT") : QStringLiteral("NICHT GEÄNDERT"),
            resultsValid ? QStringLiteral("BERECHNET") : QStringLiteral("NICHT BERECHNET")};
}

QString currentCharacter(const QString& lastKey)
{
    return lastKey.left(1);
}

QString characterCode(const QString& lastKey)
{
    return lastKey.isEmpty() ? QString() : QString::number(lastKey.at(0).unicode());
}

QString extendTrace(const QString& trace, const QString& lastKey)
{
    if (lastKey.isEmpty() || trace.endsWith(lastKey.at(0)))
        return trace;
    return (trace + lastKey.at(0)).right(kTraceLength);
}

std::vector<StateValueGroup> stateValueGroups(const BuildingRecord& b, const CalculationResults& r)
{
    return {
        {"Berechnungs-Werte",
         {{"R-DurchgangsWerte", {}, true},
          {"Luft üb. AW", resistance(r.RGroundWallToAir)},
          {"Luft üb. FB", resistance(r.RFloorToAir)},
          {"G-Was. üb. AW", resistance(r.RGroundWallToWater)},
          {"G-Was. üb. FB", resistance(r.RFloorToWater)},
          {"spez. über AW", number(r.FluxGroundWall)},
          {"spez. über FB", number(r.FluxFloor)},
          {"Gesamt üb. AW", number(r.LossGroundWall)},
          {"Gesamt üb. FB", number(r.LossFloor)},
          {"Transm. üb. Boden", number(r.LossGroundWall + r.LossFloor)}}},
        {"Flächen",
         {{"Dach/Decke f. Q", number(r.RoofLossArea)},
          {"A_AW (frei o. FE)", number(b.OuterWallArea)},
          {"AW ges. o. FE", number(r.TotalWallArea)},
          {"Hüllfläche", number(r.EnvelopeArea)},
          {"V_Geb ", number(b.BuildingVolume)},
          {"A_FE ", number(b.WindowArea)},
          {"A_DA", number(b.RoofArea)},
          {"A_DE", number(b.BaseArea)},
          {"A_AW_DA", number(b.GableArea)},
          {"V_DA", number(b.RoofVolume)}}},
        {"Gebäude-Daten",
         {{"Länge", number(b.BuildingLength)},
          {"Breite", number(b.BuildingWidth)},
          {"Höhe beheizt", number(b.HeatedHeight)},
          {"Geschosse", integer(b.Storeys)},
          {"Höhe erdber.", number(b.GroundWallHeight)},
          {"Dachhöhe", number(b.RoofHeight)},
          {"k AW", number(b.KOuterWall)},
          {"k FE", number(b.KWindow)},
          {"k DA", number(b.KRoof)},
          {"R FB", number(b.RFloor)},
          {"R AE", number(b.RGroundWall)},
          {"Temp. innen", integer(b.RoomTemperature)},
          {"Temp. außen", integer(b.OutsideTemperature)},
          {"GW-Tiefe", integer(b.GroundwaterDepth)},
          {"GW-Temp.", integer(b.GroundwaterTemperature)},
          {"Nutzfläche %", integer(b.UsableAreaPercent)},
          {"Luftwechsel", number(b.MinAirChange)},
          {"Lüftungsanteil", number(b.VentilationShare)},
          {"Dachraum beh.", yesNo(b.RoofSpaceHeated)},
          {"Keller beh.", yesNo(b.CellarHeated)}}},
    };
}

} // namespace orv
