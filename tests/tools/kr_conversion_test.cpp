#include "tools/kr_conversion.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr float kRi = 0.13f;
constexpr float kRa = 0.04f;

KRConversionState fromK(const char* k)
{
    return convertKR(KRDirection::FromK, QString::fromUtf8(k), "9,99", kRi, kRa);
}

KRConversionState fromR(const char* r)
{
    return convertKR(KRDirection::FromR, "9,99", QString::fromUtf8(r), kRi, kRa);
}

} // namespace

TEST(KRConversion, BothDirections)
{
    const KRConversionState r = fromK("0,5");
    EXPECT_EQ(r.rText, "1,83");
    EXPECT_EQ(r.kText, "0,5");
    EXPECT_TRUE(r.converted);
    EXPECT_EQ(r.firstLine, "");
    EXPECT_NEAR(r.r, 1.83f, 1e-5);

    const KRConversionState k = fromR("1,83");
    EXPECT_EQ(k.kText, "0,50");
    EXPECT_EQ(k.rText, "1,83");
    EXPECT_TRUE(k.converted);
    EXPECT_NEAR(k.r, 1.83f, 1e-6);
}

TEST(KRConversion, UnrealisticRValuesAreRefusedWithTheirLines)
{
    EXPECT_EQ(fromK("10"), (KRConversionState{"10", "", "R-Wert Unrealistisch (R = -0,07)",
                                              "Bitte wählen Sie den k-Wert kleiner.", false, 0}));
    EXPECT_EQ(fromK("0,04"), (KRConversionState{"0,04", "", "R-Wert Unrealistisch (R = 24,83)",
                                                "Bitte wählen Sie den k-Wert größer.", false, 0}));
    const KRConversionState limit = fromK("0,05");
    EXPECT_EQ(limit.rText, "19,83");
    EXPECT_TRUE(limit.converted);
}

TEST(KRConversion, EntriesThatAreNoNumberYet)
{
    for (const char* text : {"", "0", "00", ",", ",0", ",00", "0,", "0,0", "0,00", "00,", "00,0", "00,00"}) {
        EXPECT_EQ(fromK(text), (KRConversionState{QString::fromUtf8(text), "", "", "", false, 0})) << text;
        EXPECT_EQ(fromR(text), (KRConversionState{"", QString::fromUtf8(text), "", "", false, 0})) << text;
    }
    EXPECT_EQ(fromK("0,05").rText, "19,83"); // one more digit converts
    // Zero that is not in the list cannot be divided by: both fields are emptied.
    EXPECT_EQ(fromK("000"), (KRConversionState{"", "", "", "", false, 0}));
    EXPECT_EQ(fromR("000"), (KRConversionState{"", "", "", "", false, 0}));
}

TEST(KRConversion, TwoCommasAreAnInputError)
{
    EXPECT_EQ(fromK("1,2,3"),
              (KRConversionState{"1,2,3", "", "EINGABEFEHLER !", "(evtl. Komma zuviel)", false, 0}));
    EXPECT_EQ(fromR("1,2,3"),
              (KRConversionState{"", "1,2,3", "EINGABEFEHLER !", "(evtl. Komma zuviel)", false, 0}));
}

TEST(KRConversion, TargetsAndTheirHandOver)
{
    struct Case
    {
        KRTarget target;
        const char* caption;
        KRField field;
        bool toPresets;
        bool closes;
        KRTarget next;
    };
    const Case cases[] = {
        {KRTarget::FloorThenWall, "&In FB Übernehmen", KRField::Floor, false, false,
         KRTarget::WallAfterFloor},
        {KRTarget::Floor, "&In FB Übernehmen", KRField::Floor, false, true, KRTarget::Floor},
        {KRTarget::Wall, "&In AW Übernehmen", KRField::GroundWall, false, true, KRTarget::Wall},
        {KRTarget::PresetFloor, "&In FB Übernehmen", KRField::Floor, true, true, KRTarget::PresetFloor},
        {KRTarget::PresetWall, "&In AW Übernehmen", KRField::GroundWall, true, true, KRTarget::PresetWall},
        {KRTarget::WallAfterFloor, "&In AW Übernehmen", KRField::GroundWall, false, true,
         KRTarget::WallAfterFloor},
    };
    for (const Case& c : cases) {
        const KRHandOver h = krHandOver(c.target);
        const int value = static_cast<int>(c.target);
        EXPECT_EQ(h.caption, QString::fromUtf8(c.caption)) << value;
        EXPECT_EQ(h.field, c.field) << value;
        EXPECT_EQ(h.toPresets, c.toPresets) << value;
        EXPECT_EQ(h.closes, c.closes) << value;
        EXPECT_EQ(krTargetAfterHandOver(c.target), c.next) << value;
    }
    EXPECT_TRUE(krBothToPresets(KRTarget::PresetFloor, false));
    EXPECT_TRUE(krBothToPresets(KRTarget::Floor, true));
    EXPECT_FALSE(krBothToPresets(KRTarget::FloorThenWall, false));
}
