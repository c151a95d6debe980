#pragma once

#include "core/messages.h"

#include <QString>

#include <array>
#include <cstdint>

namespace orv {

struct BuildingRecord;
struct CalculationResults;

// The main window's result panels, in the order they are filled: the loads QL, QT, QN, qN, then base area,
// wall area without windows, volume and A/V ratio.
enum class ResultPanel
{
    Ventilation,
    Transmission,
    Building,
    Specific,
    BaseArea,
    WallArea,
    Volume,
    AVRatio
};
constexpr int kResultPanels = 8;

struct ResultTexts
{
    std::array<QString, kResultPanels> text;
    std::array<QString, kResultPanels> hint;
    QString share;           // the f in the QN formula
    QString ventilationHint; // hint of the caption "Lüftungsheizlast "
};

// Texts and hints of a calculated building, from the record's result fields and the run-time values.
ResultTexts resultTexts(const BuildingRecord& record, const CalculationResults& results);

// The notice beside the results heading; empty when the load is not increased.
QString loadIncreaseNotice(std::int32_t percent);

// "Raumtemp.: 20°C  Normaußentemp.: -14°C"
QString temperatureLine(std::int32_t roomTemperature, std::int32_t outsideTemperature);

// The main window's caption for a building name such as "[Neues Gebäude]".
QString windowCaption(const QString& text);

// Refusal of a calculation whose results are not finite numbers.
Message invalidResultsMessage();

} // namespace orv
