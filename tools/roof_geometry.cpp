#include "tools/roof_geometry.h"

#include "core/building_record.h"
#include "core/german_numbers.h"

#include <cmath>

namespace orv {

namespace {

constexpr int kMaxPitch = 85;

RoofOutcome refused(const char* text, RoofField field)
{
    return {std::nullopt, {QString::fromUtf8(text), field}};
}

} // namespace

RoofValues roofFromHeight(float length, float width, float height, int pitch, bool byHeight)
{
    const float halfWidth = width / 2;
    RoofValues roof;
    roof.byHeight = byHeight;
    roof.height = height;
    roof.pitch = pitch;
    roof.roofArea = 2 * length * std::sqrt(halfWidth * halfWidth + height * height);
    roof.volume = length * height * width / 2;
    roof.gableArea = width * height;
    return roof;
}

RoofOutcome calculateRoof(const RoofInput& in)
{
    const float halfWidth = in.width / 2;
    if (in.byHeight) {
        const auto height = parseDecimal(in.heightText);
        if (!height)
            return refused("Geben Sie einen gültigen Wert für die Höhe ein.", RoofField::Height);
        if (in.plausibilityChecks && *height > 4 * in.width)
            return refused("Die Dachhöhe ist im Vergleich zur Gebäudebreite unrealistisch hoch.",
                           RoofField::Height);
        if (*height <= 0)
            return refused("Die Dachhöhe muß größer als null sein!", RoofField::Height);
        // Truncated, not rounded: 36,87° is a pitch of 36.
        const double degrees = std::atan(double(*height) / halfWidth) * 180 / kRoofPi;
        const int pitch = static_cast<int>(std::trunc(degrees));
        return {roofFromHeight(in.length, in.width, *height, pitch, true), {}};
    }
    const auto pitch = parseInteger(in.pitchText);
    if (!pitch)
        return refused("Geben Sie einen gültigen Wert für den Winkel ein.", RoofField::Pitch);
    if (*pitch <= 0)
        return refused("Die Neigung muß größer als null sein!.", RoofField::Pitch);
    if (*pitch > kMaxPitch)
        return refused("Ein Wert für die Neigung größer 85° ist unrealistisch.", RoofField::Pitch);
    const double angle = *pitch * kRoofPi / 180;
    const auto height = static_cast<float>(std::sin(angle) / std::cos(angle) * halfWidth);
    return {roofFromHeight(in.length, in.width, height, *pitch, false), {}};
}

std::optional<Message> roofOpeningRefusal(const BuildingRecord& building)
{
    if (building.BuildingWidth != 0 && building.BuildingLength != 0)
        return std::nullopt;
    return roofError(QString::fromUtf8("Vor dem Berechnen der Dachfläche und des Dachvolumens \r"
                                       "müssen Sie die Gebäudelänge und -breite angeben."));
}

QString roofAreaText(float area)
{
    return formatNumber("%-0.1n", area) + QString::fromUtf8(" m²");
}

QString roofVolumeText(float volume)
{
    return formatNumber("%-0.1n", volume) + QString::fromUtf8(" m³");
}

Message roofError(const QString& text)
{
    return {text, {}, MessageIcon::Error, MessageButtons::Ok};
}

} // namespace orv
