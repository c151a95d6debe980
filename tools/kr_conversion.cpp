#include "tools/kr_conversion.h"

#include "core/german_numbers.h"

#include <cmath>

namespace orv {

namespace {

constexpr float kMaxR = 20;

// Entries on the way to a number that would convert to zero: no conversion, no message yet.
bool notYetANumber(const QString& text)
{
    static const QStringList kZeros{"0", "00", ",", ",0", ",00", "0,", "0,0", "0,00", "00,", "00,0", "00,00"};
    return text.isEmpty() || kZeros.contains(text);
}

void inputError(KRConversionState& s)
{
    s.firstLine = QStringLiteral("EINGABEFEHLER !");
    s.secondLine = QStringLiteral("(evtl. Komma zuviel)");
}

KRConversionState fromK(KRConversionState s, float ri, float ra)
{
    const auto k = parseDecimal(s.kText);
    if (!k) {
        s.rText.clear();
        inputError(s);
        return s;
    }
    const float r = 1 / *k - ri - ra;
    if (!std::isfinite(r)) {
        s.kText.clear();
        s.rText.clear();
        return s;
    }
    if (r <= 0 || r > kMaxR) {
        s.rText.clear();
        s.firstLine =
            QStringLiteral("R-Wert Unrealistisch (R = ") + formatNumber("%f", r) + QStringLiteral(")");
        s.secondLine = QString::fromUtf8(r <= 0 ? "Bitte wählen Sie den k-Wert kleiner."
                                                : "Bitte wählen Sie den k-Wert größer.");
        return s;
    }
    s.rText = formatNumber("%f", r);
    s.r = r;
    s.converted = true;
    return s;
}

KRConversionState fromR(KRConversionState s, float ri, float ra)
{
    const auto r = parseDecimal(s.rText);
    if (!r) {
        s.kText.clear();
        inputError(s);
        return s;
    }
    const float k = 1 / (ri + *r + ra);
    if (*r == 0 || !std::isfinite(k)) {
        s.kText.clear();
        s.rText.clear();
        return s;
    }
    s.kText = formatNumber("%f", k);
    s.r = *r;
    s.converted = true;
    return s;
}

} // namespace

KRHandOver krHandOver(KRTarget target)
{
    const QString floor = QStringLiteral("&In FB Übernehmen");
    const QString wall = QStringLiteral("&In AW Übernehmen");
    switch (target) {
    case KRTarget::FloorThenWall:
        return {floor, KRField::Floor, false, false};
    case KRTarget::Floor:
        return {floor, KRField::Floor, false, true};
    case KRTarget::Wall:
    case KRTarget::WallAfterFloor:
        return {wall, KRField::GroundWall, false, true};
    case KRTarget::PresetFloor:
        return {floor, KRField::Floor, true, true};
    case KRTarget::PresetWall:
        return {wall, KRField::GroundWall, true, true};
    }
    return {floor, KRField::Floor, false, true};
}

KRTarget krTargetAfterHandOver(KRTarget target)
{
    return target == KRTarget::FloorThenWall ? KRTarget::WallAfterFloor : target;
}

bool krBothToPresets(KRTarget target, bool settingsWindowOpenNormal)
{
    return target == KRTarget::PresetFloor || target == KRTarget::PresetWall || settingsWindowOpenNormal;
}

KRConversionState convertKR(KRDirection direction, const QString& kText, const QString& rText, float ri,
                            float ra)
{
    KRConversionState s{kText, rText, {}, {}, false, 0};
    if (direction == KRDirection::FromK) {
        if (notYetANumber(kText)) {
            s.rText.clear();
            return s;
        }
        return fromK(s, ri, ra);
    }
    if (notYetANumber(rText)) {
        s.kText.clear();
        return s;
    }
    return fromR(s, ri, ra);
}

} // namespace orv
