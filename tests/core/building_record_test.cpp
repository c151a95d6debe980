#include "core/building_record.h"
#include "core/cp1252.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace orv;

namespace {

QByteArray bytesAt(const QByteArray& record, int offset, int size)
{
    return record.mid(offset, size);
}

BuildingRecord everyFieldSet()
{
    BuildingRecord r;
    r.FileTitle = QStringLiteral("kvz Orvenna ");
    r.FileNotice = QStringLiteral("Dies ist eine Gebäudedatei");
    float v = 1.25f;
    for (float* f :
         {&r.BuildingLength,   &r.BuildingWidth,   &r.HeatedHeight,   &r.RoofHeight,   &r.GroundWallHeight,
          &r.KOuterWall,       &r.KWindow,         &r.RFloor,         &r.KRoof,        &r.RGroundWall,
          &r.RoofArea,         &r.WindowArea,      &r.OuterWallArea,  &r.BaseArea,     &r.GableArea,
          &r.TransmissionLoad, &r.VentilationLoad, &r.BuildingLoad,   &r.SpecificLoad, &r.BuildingVolume,
          &r.RoofVolume,       &r.AVRatio,         &r.WindowFraction, &r.MinAirChange, &r.VentilationShare})
        *f = (v += 1.5f);
    r.RoomTemperature = 20;
    r.OutsideTemperature = -12;
    r.GroundwaterDepth = 5;
    r.GroundwaterTemperature = 10;
    r.UsableAreaPercent = 85;
    r.RoofSpaceHeated = r.RoofFromCalculator = r.RaiseShareAbove10m = r.HasBuildingInfo = true;
    r.Storeys = 3;
    r.RoofPitch = 38;
    r.BuildingType = 7;
    r.BuildingName = QStringLiteral("Haus Müller – „Süd“ €");
    r.Editor = QStringLiteral("Bearbeiterin");
    r.Client = QStringLiteral("Bauherr");
    r.Street = QStringLiteral("Straße 1");
    r.Town = QStringLiteral("Köln");
    r.PostCode = QStringLiteral("D-50667");
    r.InfoDate = QStringLiteral("09.12.26");
    r.LastBuildingDate = QStringLiteral("10.12.26");
    for (int i = 0; i < 10; ++i)
        r.WindowCount[i] = r.WindowWidth[i] = r.WindowHeight[i] = float(i) * 0.5f;
    r.HasWindowList = true;
    r.LayerTables[3][2][4] = QStringLiteral("0,04");
    r.LayerTables[0][0][0] = QStringLiteral("Kalksandstein");
    return r;
}

TEST(BuildingRecordTest, FieldsLieAtTheirOffsets)
{
    BuildingRecord r;
    r.BuildingLength = 2.5f;
    r.OutsideTemperature = -12;
    r.CellarHeated = true;
    r.Storeys = 7;
    r.BuildingName = QString(60, QLatin1Char('x'));
    r.LayerTables[3][2][4] = QStringLiteral("λ"); // kind 4, column 3, row 5; λ has no Windows-1252 byte
    const QByteArray bytes = encodeBuilding(r);

    ASSERT_EQ(bytes.size(), 5044);
    EXPECT_EQ(bytesAt(bytes, 548, 4), QByteArray::fromHex("00002040"));
    EXPECT_EQ(bytesAt(bytes, 652, 4), QByteArray::fromHex("f4ffffff"));
    EXPECT_EQ(bytes[669], 1);
    EXPECT_EQ(bytesAt(bytes, 676, 4), QByteArray::fromHex("07000000"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[688]), 60);
    EXPECT_EQ(bytesAt(bytes, 689, 60), QByteArray(60, 'x'));
    EXPECT_EQ(bytes[749], 0); // Editor's length byte follows directly
    EXPECT_EQ(buildingLayerCellOffset(4, 3, 5), 4976);
    EXPECT_EQ(bytesAt(bytes, 4976, 2), QByteArray::fromHex("013f"));
    EXPECT_EQ(bytesAt(bytes, 4978, 63), QByteArray(63, '\0')); // tail zeroed up to byte 5040
}

TEST(BuildingRecordTest, RoundTripIsByteIdentical)
{
    const QByteArray first = encodeBuilding(everyFieldSet());
    const auto decoded = decodeBuilding(first);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(encodeBuilding(*decoded), first);
    EXPECT_EQ(decoded->BuildingName, QStringLiteral("Haus Müller – „Süd“ €"));
    EXPECT_EQ(decoded->LayerTables[3][2][4], QStringLiteral("0,04"));
    EXPECT_EQ(decoded->WindowHeight[9], 4.5f);
    // Reserved ranges and padding are zero.
    for (auto [from, to] : {std::pair{31, 52}, {203, 548}, {674, 676}, {5041, 5044}})
        EXPECT_EQ(first.mid(from, to - from), QByteArray(to - from, '\0')) << from;
}

TEST(BuildingRecordTest, ReadsDamagedBytesSafely)
{
    QByteArray bytes(6000, '\0');
    bytes[688] = char(0xff); // length byte far above 60
    std::memset(bytes.data() + 689, 'a', 200);
    bytes[668] = 2;                                         // any non-zero byte is true
    std::memcpy(bytes.data() + 568, "\x00\x00\xc0\x7f", 4); // NaN
    const auto r = decodeBuilding(bytes);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->BuildingName, QString(60, QLatin1Char('a')));
    EXPECT_TRUE(r->RoofSpaceHeated);
    EXPECT_TRUE(std::isnan(r->KOuterWall));
    EXPECT_FALSE(decodeBuilding(QByteArray(5043, '\0')));
}

TEST(Cp1252Test, EveryByteSurvivesARoundTrip)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)), all);
    EXPECT_EQ(decodeCp1252(QByteArray::fromHex("80849396")), QStringLiteral("€„“–"));
    EXPECT_EQ(decodeCp1252(QByteArray::fromHex("c4d6dcdfe4f6fc")), QStringLiteral("ÄÖÜßäöü"));
    EXPECT_EQ(encodeCp1252(QStringLiteral("€ – Ω")), QByteArray::fromHex("802096203f"));
}

TEST(BuildingRecordTest, NewBuildingTakesTheDefaults)
{
    SettingsRecord s = shippedDefaultSettings(QStringLiteral("/p/"));
    BuildingRecord r = everyFieldSet();
    resetToNewBuilding(r, s);
    EXPECT_EQ(r.BuildingLength, 0);
    EXPECT_EQ(r.OuterWallArea, 0);
    EXPECT_EQ(r.Storeys, 1);
    EXPECT_EQ(r.BuildingType, 1);
    EXPECT_TRUE(r.BuildingName.isEmpty());
    EXPECT_FALSE(r.RoofSpaceHeated || r.HasWindowList || r.HasBuildingInfo);
    EXPECT_TRUE(r.LayerTables[0][0][0].isEmpty());
    EXPECT_EQ(r.RoomTemperature, 20);
    EXPECT_EQ(r.OutsideTemperature, -14);
    EXPECT_EQ(r.UsableAreaPercent, 85);
    EXPECT_EQ(r.VentilationShare, 0.5f);
    // Left for input reading to overwrite: k-values, other results, the window list.
    EXPECT_NE(r.KOuterWall, 0);
    EXPECT_NE(r.BuildingLoad, 0);
    EXPECT_EQ(r.WindowHeight[9], 4.5f);
}

} // namespace
