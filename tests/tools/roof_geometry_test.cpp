#include "core/building_record.h"
#include "tools/roof_geometry.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

RoofInput byPitch(const char* pitch, float width = 8)
{
    return {false, {}, QString::fromUtf8(pitch), 10, width, true};
}

RoofInput byHeight(const char* height, bool checks = true)
{
    return {true, QString::fromUtf8(height), {}, 10, 8, checks};
}

} // namespace

TEST(RoofGeometry, PitchOf45DegreesOverEightMetres)
{
    const RoofOutcome outcome = calculateRoof(byPitch("45"));
    ASSERT_TRUE(outcome.roof);
    const RoofValues& roof = *outcome.roof;
    EXPECT_FALSE(roof.byHeight);
    EXPECT_EQ(roof.pitch, 45);
    EXPECT_NEAR(roof.height, 4.0f, 1e-5);
    EXPECT_EQ(roofAreaText(roof.roofArea), "113,1 m²");
    EXPECT_EQ(roofVolumeText(roof.volume), "160,0 m³");
    EXPECT_EQ(roofAreaText(roof.gableArea), "32,0 m²");
}

TEST(RoofGeometry, HeightGivesThePitchTruncated)
{
    struct Case
    {
        const char* height;
        int pitch;
    };
    for (const Case c : {Case{"4", 45}, Case{"3", 36}, Case{"2,9", 35}, Case{"0,1", 1}}) {
        const RoofOutcome outcome = calculateRoof(byHeight(c.height));
        ASSERT_TRUE(outcome.roof) << c.height;
        EXPECT_EQ(outcome.roof->pitch, c.pitch) << c.height;
        EXPECT_TRUE(outcome.roof->byHeight);
    }
    const RoofOutcome three = calculateRoof(byHeight("3"));
    EXPECT_EQ(roofAreaText(three.roof->roofArea), "100,0 m²"); // 2 · 10 · √(16 + 9)
    EXPECT_EQ(roofVolumeText(three.roof->volume), "120,0 m³");
    EXPECT_EQ(roofAreaText(three.roof->gableArea), "24,0 m²");
}

TEST(RoofGeometry, RefusedEntriesNameTheirFieldAndReason)
{
    struct Case
    {
        RoofInput input;
        const char* text;
        RoofField field;
    };
    const Case cases[] = {
        {byPitch("86"), "Ein Wert für die Neigung größer 85° ist unrealistisch.", RoofField::Pitch},
        {byPitch("0"), "Die Neigung muß größer als null sein!.", RoofField::Pitch},
        {byPitch(""), "Geben Sie einen gültigen Wert für den Winkel ein.", RoofField::Pitch},
        {byHeight("0"), "Die Dachhöhe muß größer als null sein!", RoofField::Height},
        {byHeight("1,2,3"), "Geben Sie einen gültigen Wert für die Höhe ein.", RoofField::Height},
        {byHeight(""), "Geben Sie einen gültigen Wert für die Höhe ein.", RoofField::Height},
        {byHeight("32,5"), "Die Dachhöhe ist im Vergleich zur Gebäudebreite unrealistisch hoch.",
         RoofField::Height},
    };
    for (const Case& c : cases) {
        const RoofOutcome outcome = calculateRoof(c.input);
        EXPECT_FALSE(outcome.roof) << c.text;
        EXPECT_EQ(outcome.refusal.text, QString::fromUtf8(c.text));
        EXPECT_EQ(outcome.refusal.field, c.field) << c.text;
    }
}

TEST(RoofGeometry, LimitsThatAreStillCalculated)
{
    EXPECT_TRUE(calculateRoof(byPitch("85")).roof);
    EXPECT_TRUE(calculateRoof(byHeight("32")).roof);          // exactly 4 · B
    EXPECT_TRUE(calculateRoof(byHeight("32,5", false)).roof); // no plausibility checks
    EXPECT_FALSE(calculateRoof(byHeight("0", false)).roof);   // never without height
}

TEST(RoofGeometry, OpeningNeedsLengthAndWidth)
{
    BuildingRecord b;
    b.BuildingLength = 10;
    EXPECT_TRUE(roofOpeningRefusal(b));
    b.BuildingWidth = 8;
    EXPECT_FALSE(roofOpeningRefusal(b));
    b.BuildingLength = 0;
    const auto refusal = roofOpeningRefusal(b);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, QString::fromUtf8("Vor dem Berechnen der Dachfläche und des Dachvolumens \r"
                                               "müssen Sie die Gebäudelänge und -breite angeben."));
    EXPECT_EQ(refusal->icon, MessageIcon::Error);
}
