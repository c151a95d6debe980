#include "settings/settings_record.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

TEST(SettingsRecordTest, FieldsLieAtTheirOffsets)
{
    SettingsRecord s;
    s.PresetName[0] = QStringLiteral("Altbau");
    s.PresetName[6] = QStringLiteral("Eigene");
    s.PresetKRoof[6] = 2.5f;
    s.DefaultOutdoorTemperature = -12;
    s.PlausibilityChecks = true;
    s.RecentFiles[1] = QStringLiteral("/b.orv");
    s.PresetLayerTables[3][6][2][4] = QString(64, QLatin1Char('z'));
    const QByteArray bytes = encodeSettings(s);

    ASSERT_EQ(bytes.size(), 36732);
    EXPECT_EQ(bytes.mid(5921, 7), QByteArray("\x06"
                                             "Altbau"));
    EXPECT_EQ(bytes.mid(6827, 7), QByteArray("\x06"
                                             "Eigene"));
    EXPECT_EQ(bytes.mid(580 + 24, 4), QByteArray::fromHex("00002040"));
    EXPECT_EQ(bytes.mid(7020, 4), QByteArray::fromHex("f4ffffff"));
    EXPECT_EQ(bytes[7048], 1);
    EXPECT_EQ(bytes.mid(7124 + 256, 7), QByteArray("\x06/b.orv"));
    EXPECT_EQ(settingsLayerCellOffset(4, 7, 3, 5) + 64, 36728);
    EXPECT_EQ(bytes[36728], 'z');
    EXPECT_EQ(bytes[36729], 0);
}

TEST(SettingsRecordTest, ReservedBytesAreKeptAsRead)
{
    QByteArray file = encodeSettings(shippedDefaultSettings(QStringLiteral("/opt/orvenna/")));
    for (auto [from, to] :
         {std::pair{31, 52}, {203, 496}, {6978, 6980}, {7046, 7047}, {9428, 9429}, {36729, 36732}})
        for (int i = from; i < to; ++i)
            file[i] = char(0xa0 + (i % 7));
    const auto s = decodeSettings(file);
    ASSERT_TRUE(s);
    EXPECT_EQ(encodeSettings(*s), file);
    EXPECT_EQ(s->BuildingsFolder, QStringLiteral("/opt/orvenna/"));
    EXPECT_EQ(s->PresetName[5], QStringLiteral("k-Werte nach WÄRMESCHUTZVERORDNUNG 95"));
    EXPECT_EQ(s->PresetTextRoof[0], QStringLiteral("Decke/Dach: 20 cm Dämmung 035 "));
    EXPECT_EQ(s->PresetRGroundWall[3], 0.65f);
    EXPECT_FALSE(decodeSettings(file.left(36731)));
}

TEST(SettingsRecordTest, FactoryDefaultsTouchOnlyTheirFields)
{
    SettingsRecord s;
    s.DefaultRoomTemperature = 22;
    s.PresetName[2] = QStringLiteral("mine");
    s.EditorName = QStringLiteral("Ingrid");
    s.RecentFiles[0] = QStringLiteral("/x.orv");
    s.PresetPassword = QStringLiteral("pw");
    s.LoadIncreasePercent = 15;
    s.ShowToolbar = false;
    applyFactoryDefaults(s, QStringLiteral("/prog/"));
    EXPECT_EQ(s.AirDensity, 1.22f);
    EXPECT_EQ(s.AirHeatCapacity, 1.01f);
    EXPECT_EQ(s.GroundConductivity, 1.2f);
    EXPECT_EQ(s.InnerSurfaceResistance, 0.13f);
    EXPECT_EQ(s.OuterSurfaceResistance, 0.04f);
    EXPECT_EQ(s.LoadIncreasePercent, 0);
    EXPECT_TRUE(s.ShowToolbar && s.PlausibilityChecks && s.AutoSave && s.ShowWelcomeWindow);
    EXPECT_FALSE(s.StartMaximized || s.MaximizeMainOnly);
    EXPECT_EQ(s.BuildingsFolder, QStringLiteral("/prog/"));
    EXPECT_EQ(s.DefaultRoomTemperature, 22);
    EXPECT_EQ(s.PresetName[2], QStringLiteral("mine"));
    EXPECT_EQ(s.EditorName, QStringLiteral("Ingrid"));
    EXPECT_EQ(s.RecentFiles[0], QStringLiteral("/x.orv"));
    EXPECT_EQ(s.PresetPassword, QStringLiteral("pw"));
}

} // namespace
