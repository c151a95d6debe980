#include "tools/layer_calculation.h"

#include "core/building_record.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr float kRi = 0.13f;
constexpr float kRa = 0.04f;

LayerTable layers(std::initializer_list<std::array<const char*, 3>> rows)
{
    LayerTable table;
    int r = 0;
    for (const auto& row : rows) {
        for (int c = 0; c < kLayerColumns; ++c)
            table[c][r] = QString::fromUtf8(row[c]);
        ++r;
    }
    return table;
}

TEST(LayerCalculation, OneLayerGivesKOfTheWholeWall)
{
    const LayerResult r = calculateLayers(layers({{"Mauerwerk", "24", "0,240"}}), kRi, kRa);
    ASSERT_TRUE(r.valid);
    EXPECT_FLOAT_EQ(r.R, 1.0f);
    EXPECT_FLOAT_EQ(r.k, 1.0f / 1.17f);
    EXPECT_FLOAT_EQ(r.thickness, 24.0f);
    EXPECT_EQ(handedOverValue(r, 1), "0,85");
    // Kinds 3 and 4 hand over the layers' R alone.
    EXPECT_EQ(handedOverValue(r, 3), "1,00");
    EXPECT_EQ(handedOverValue(r, 4), "1,00");
}

TEST(LayerCalculation, LayersWithoutLambdaOrThicknessAddNoResistance)
{
    const LayerResult r = calculateLayers(layers({{"Putz", "1,5", "1,000"},
                                                  {"Luft", "4", "0,000"},
                                                  {"Stein", "0", "0,990"},
                                                  {"Dämmung", "10", "0,040"}}),
                                          kRi, kRa);
    ASSERT_TRUE(r.valid);
    EXPECT_FLOAT_EQ(r.R, 0.015f + 2.5f);
    EXPECT_FLOAT_EQ(r.thickness, 15.5f);

    const LayerResult noResistance =
        calculateLayers(layers({{"Luft", "4", "0"}, {"Luft", "2", ""}}), kRi, kRa);
    EXPECT_FALSE(noResistance.valid);
    EXPECT_FLOAT_EQ(noResistance.thickness, 6.0f);
    EXPECT_FALSE(calculateLayers(LayerTable{}, kRi, kRa).valid);
}

TEST(LayerCalculation, UnreadableCellsAreInputErrors)
{
    struct Case
    {
        const char* thickness;
        const char* lambda;
        bool error;
    };
    const Case cases[] = {{"24", "0,24", false}, {" ", "0,24", false}, {"24", " ", false},
                          {"2x", "0,24", true},  {"24", "0.24", true}, {"  ", "0,24", true},
                          {"-5", "0,24", false}, {"24", "1,2,3", true}};
    for (const Case& c : cases) {
        const LayerResult r =
            calculateLayers(layers({{"Stein", c.thickness, c.lambda}, {"Putz", "2", "1"}}), kRi, kRa);
        EXPECT_EQ(r.inputError, c.error) << c.thickness << " / " << c.lambda;
        EXPECT_EQ(r.valid, !c.error) << c.thickness << " / " << c.lambda;
    }
}

TEST(LayerCalculation, RowOperations)
{
    LayerTable t = layers({{"A", "1", "1"}, {"B", "2", "1"}, {"C", "3", "1"}, {"D", "4", "1"}});
    EXPECT_EQ(firstEmptyRow(t), 5);
    deleteLayerRow(t, 2);
    EXPECT_EQ(t, layers({{"A", "1", "1"}, {"C", "3", "1"}, {"D", "4", "1"}}));
    EXPECT_EQ(layerRowNumber(t, 3), "3");
    EXPECT_EQ(layerRowNumber(t, 4), "");

    // A gap in row 3 is where the next layer goes.
    LayerTable gap =
        layers({{"A", "1", "1"}, {"B", "2", "1"}, {"", "", ""}, {"D", "4", "1"}, {"E", "5", "1"}});
    EXPECT_EQ(firstEmptyRow(gap), 3);
    gap[NameColumn][2] = "C";
    EXPECT_EQ(firstEmptyRow(gap), std::nullopt);
    deleteLayerRow(gap, 5);
    EXPECT_EQ(firstEmptyRow(gap), 5);
}

TEST(LayerCalculation, StoredCellsHoldSixtyFourCharacters)
{
    LayerTable t;
    t[NameColumn][0] = QString(70, QLatin1Char('n'));
    EXPECT_EQ(storedLayers(t)[NameColumn][0], QString(64, QLatin1Char('n')));
}

TEST(LayerCalculation, CellKeyFilter)
{
    for (const char* typed : {"0", "9", "-", "\b"})
        EXPECT_TRUE(acceptsLayerCellCharacter(QLatin1Char(typed[0]))) << typed;
    for (const char* typed : {".", ",", "a", "B", " ", "+"})
        EXPECT_FALSE(acceptsLayerCellCharacter(QLatin1Char(typed[0]))) << typed;
    EXPECT_FALSE(acceptsLayerCellCharacter(QChar(0x00E4))); // ä
}

TEST(LayerCalculation, HighThicknessQuestion)
{
    EXPECT_FALSE(asksHighThickness(100.0f, true));
    EXPECT_TRUE(asksHighThickness(100.5f, true));
    EXPECT_FALSE(asksHighThickness(100.5f, false));
}

TEST(LayerCalculation, PresetSummary)
{
    EXPECT_EQ(layerSummary(layers({{"Kalkzementputz", "1,5", "1,000"},
                                   {"Kalksandstein 1800", "17,5", "0,990"},
                                   {"ohne Lambda", "4", ""},
                                   {"Mineralwolle WLS 035", "14", "0,035"}})),
              "1,5cm Kalkzementputz + 17,5cm Kalksandstein 1800 + 14cm Mineralwolle WLS 035");

    // "10cm " + 141 characters = 146 + " ..." once the whole is 151 long.
    const QString name(146, QLatin1Char('x'));
    const QString summary = layerSummary(layers({{name.toUtf8().constData(), "10", "1"}}));
    EXPECT_EQ(summary.size(), 150);
    EXPECT_TRUE(summary.endsWith(" ..."));
    EXPECT_EQ(summary.left(146), QStringLiteral("10cm ") + name.left(141));
    const QString fits(145, QLatin1Char('x'));
    EXPECT_EQ(layerSummary(layers({{fits.toUtf8().constData(), "10", "1"}})).size(), 150);
}

TEST(LayerCalculation, StoreOfTheTarget)
{
    BuildingRecord building;
    SettingsRecord settings;
    layerStore(building, settings, LayerTarget::building(), 3)[NameColumn][0] = "Gebäude";
    layerStore(building, settings, LayerTarget::preset(7), 2)[NameColumn][0] = "Vorgabe";
    EXPECT_EQ(building.LayerTables[2][NameColumn][0], "Gebäude");
    EXPECT_EQ(settings.PresetLayerTables[1][6][NameColumn][0], "Vorgabe");
}

TEST(LayerCalculation, CaptionsForKindAndTarget)
{
    SettingsRecord settings;
    settings.PresetName[1] = QStringLiteral("Altbau");
    settings.InnerSurfaceResistance = 0.13f;
    settings.OuterSurfaceResistance = 0.04f;
    EXPECT_EQ(layerWindowCaption(1, LayerTarget::building(), settings),
              "k-Wert-Berechner: Außenwand für aktuelles Gebäude");
    EXPECT_EQ(layerWindowCaption(4, LayerTarget::preset(2), settings),
              "k-Wert-Berechner: Kellerboden (R-Wert) für k-Wert-Button (Altbau)");
    settings.PresetName[1] = QString(200, QLatin1Char('a'));
    EXPECT_EQ(layerWindowCaption(2, LayerTarget::preset(2), settings).size(),
              QStringLiteral("k-Wert-Berechner: Dach").size() + 100);
    EXPECT_EQ(surfaceResistanceText(settings), "Ri=0,13 / Ra=0,04");
    EXPECT_EQ(layerKindTexts(3).mainField, InputId::RGroundWall);
    EXPECT_EQ(layerKindTexts(4).mainField, InputId::RFloor);
    EXPECT_EQ(layerKindTexts(2).mainField, InputId::KRoof);
}

} // namespace
