#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace orv;

namespace {

class SettingsFileTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    QString programDir = dir.path() + QLatin1Char('/');
    test::ScriptedDialogs dialogs;

    void writeRaw(const QByteArray& bytes)
    {
        QFile f(settingsFilePath(programDir));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readRaw()
    {
        QFile f(settingsFilePath(programDir));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SettingsFileTest, MissingFileGivesFactoryDefaultsAndErrorOne)
{
    SettingsRecord s;
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("FEHLER! Datei DataSet.kvz (Einstellungen/Vorgaben) im Verzeichnis \r") +
                  programDir +
                  QStringLiteral(
                      " fehlt oder ist beschädigt.  (Fehlercode: 1)\r\rBitte UNBEDINGT Programm bzw. o.g. "
                      "Datei neu von Diskette installieren\rErledigen Sie das umgehend, da das Programm "
                      "sonst falsch rechnet !"));
    EXPECT_EQ(s.AirDensity, 1.22f);
    EXPECT_EQ(s.BuildingsFolder, programDir);
    EXPECT_EQ(s.DefaultRoomTemperature, 0); // calculation defaults stay as they were
    EXPECT_TRUE(s.PresetName[0].isEmpty());
}

TEST_F(SettingsFileTest, ShortFileIsErrorTenWithItsBytesUnderTheDefaults)
{
    SettingsRecord written = shippedDefaultSettings(programDir);
    written.LoadIncreasePercent = 20;
    writeRaw(encodeSettings(written).left(36731));
    SettingsRecord s;
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 10);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("(Fehlercode: 10)")));
    EXPECT_EQ(s.LoadIncreasePercent, 0);     // factory default over the read bytes
    EXPECT_EQ(s.DefaultRoomTemperature, 20); // the partly read bytes stay
}

TEST_F(SettingsFileTest, LongerFileIsReadFromItsStartAndSavedShort)
{
    SettingsRecord written = shippedDefaultSettings(programDir);
    written.EditorName = QStringLiteral("Frau Jäger");
    writeRaw(encodeSettings(written) + QByteArray(40000 - 36732, 'x'));
    SettingsRecord s;
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s.EditorName, QStringLiteral("Frau Jäger"));
    ASSERT_TRUE(Vorgaben_Speichern(s, programDir, dialogs));
    EXPECT_EQ(readRaw(), encodeSettings(written));
}

TEST_F(SettingsFileTest, WriteProtectedFileIsStillRead)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root opens write-protected files for writing anyway";
    writeRaw(encodeSettings(shippedDefaultSettings(programDir)));
    QFile::setPermissions(settingsFilePath(programDir), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    SettingsRecord s;
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 0);
    EXPECT_EQ(s.DefaultUsableAreaShare, 85);
}

TEST_F(SettingsFileTest, FailedSaveReportsAndKeepsTheOldFile)
{
    const QByteArray old = encodeSettings(shippedDefaultSettings(programDir));
    writeRaw(old);
    SettingsRecord s = shippedDefaultSettings(programDir);
    s.EditorName = QStringLiteral("neu");
    // A program directory below a regular file cannot be written, even by root.
    EXPECT_FALSE(Vorgaben_Speichern(s, settingsFilePath(programDir) + QLatin1Char('/'), dialogs));
    ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("Fehler bei Datenträgerzugriff.")});
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(readRaw(), old);
    EXPECT_EQ(s.EditorName, QStringLiteral("neu"));
}

TEST_F(SettingsFileTest, FirstStartInstallsTheShippedSettings)
{
    QTemporaryDir shippedDir;
    const QString shipped = shippedDir.filePath(QStringLiteral("DataSet.kvz"));
    {
        QFile f(shipped);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeSettings(shippedDefaultSettings(QString())));
    }
    installShippedSettings(programDir, shipped);
    SettingsRecord s;
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s.BuildingsFolder, programDir);
    EXPECT_EQ(s.DefaultOutdoorTemperature, -14);

    // An existing file is never replaced.
    s.DefaultRoomTemperature = 18;
    ASSERT_TRUE(Vorgaben_Speichern(s, programDir, dialogs));
    installShippedSettings(programDir, shipped);
    EXPECT_EQ(Vorgaben_einlesen(s, programDir, dialogs), 0);
    EXPECT_EQ(s.DefaultRoomTemperature, 18);
}

TEST(ShippedSettingsTest, BuildGeneratedFileHoldsTheDefaults)
{
    QFile f(QStringLiteral(ORVENNA_DATA_DIR "/DataSet.kvz"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto s = decodeSettings(f.readAll());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->DefaultGroundwaterDepth, 5);
    EXPECT_EQ(s->DefaultGroundwaterTemperature, 10);
    EXPECT_EQ(s->DefaultVentilationShare, 0.5f);
    EXPECT_EQ(s->DefaultRoomTemperature, 20);
    EXPECT_EQ(s->DefaultOutdoorTemperature, -14);
    EXPECT_EQ(s->DefaultMinAirChange, 0.5f);
    EXPECT_EQ(s->DefaultUsableAreaShare, 85);
    EXPECT_TRUE(s->DefaultTallBuildingShare && s->PlausibilityChecks);
    EXPECT_EQ(s->PresetName[0], QStringLiteral("sehr gute (Niedrigenergiehaus)"));
    EXPECT_EQ(s->PresetName[6], QStringLiteral("Eigene selbstdefinierte k-Werte"));
    EXPECT_EQ(s->PresetKOuterWall[4], 1.55f);
    EXPECT_TRUE(s->ProgramTitle.startsWith(QStringLiteral("kvz Orvenna")));
}

} // namespace
