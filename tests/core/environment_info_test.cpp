#include "core/environment_info.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

EnvironmentFacts sampleFacts()
{
    EnvironmentFacts f;
    f.version = QStringLiteral("1.2");
    f.settingsReadErrors = 10;
    f.settingsChanged = QDateTime(QDate(2026, 12, 3), QTime(9, 5, 7));
    f.programDir = QStringLiteral("/opt/orvenna/");
    f.buildingsFolder = QStringLiteral("/home/erika/Gebäude");
    f.screen = QSize(1024, 768);
    f.disk = {QStringLiteral("/home"), 1'234'567'890, 308'641'972};
    return f;
}

TEST(EnvironmentInfoTest, LinesInOrderWithTheirPadding)
{
    const QStringList lines = environmentInformation(sampleFacts()).split(QLatin1Char('\r'));
    const QStringList expected{
        "PROGRAMM- UND SYSTEMINFORMATIONEN:",
        "",
        "Programmversion:                       1.2",
        "",
        "EINSTELLUNGSDATEI: ",
        "Datei korrekt?                              NEIN - Fehlercode: 10",
        "Letzte Änderung an dieser:          03.12.2026 09:05:07",
        "",
        "Aktueller Programmpfad:              /opt/orvenna/",
        "Eingestellter Dateipfad:                /home/erika/Gebäude",
        "",
        // height first, as "horizontal": the program's own naming of the window enlargement
        "Horizontale Bildschirmgröße:        768 Pixel",
        "Vertikale Bildschirmgröße:            1024 Pixel",
        "",
        "Gesamt Laufwerk /home:                     1.234.568 KByte",
        "Frei auf Laufwerk /home:                     308.642 KByte  = 25,0%",
    };
    EXPECT_EQ(lines, expected);
}

TEST(EnvironmentInfoTest, SettingsStateFollowsTheReadErrors)
{
    const std::pair<int, const char*> cases[] = {
        {0, "JA - Fehlercode: 0"}, {1, "NEIN - Fehlercode: 1"}, {10, "NEIN - Fehlercode: 10"}};
    for (const auto& [errors, state] : cases) {
        EnvironmentFacts f = sampleFacts();
        f.settingsReadErrors = errors;
        EXPECT_TRUE(environmentInformation(f).contains(
            QStringLiteral("Datei korrekt?                              ") + QString::fromUtf8(state) +
            QLatin1Char('\r')))
            << errors;
    }
}

TEST(EnvironmentInfoTest, MissingFileAndUnknownDiskShowNoNonsense)
{
    EnvironmentFacts f = sampleFacts();
    f.settingsChanged.reset();
    f.disk = {};
    const QString text = environmentInformation(f);
    EXPECT_TRUE(text.contains(QStringLiteral("Letzte Änderung an dieser:          (Datei fehlt)")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("0 KByte  = 0,0%"))) << text.toStdString();
}

TEST(EnvironmentInfoTest, FactsComeFromTheFileSystem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const DiskFigures disk = diskFigures(dir.path());
    EXPECT_GT(disk.totalBytes, 0);
    EXPECT_GE(disk.freeBytes, 0);
    EXPECT_LE(disk.freeBytes, disk.totalBytes);
    EXPECT_TRUE(dir.path().startsWith(disk.name)) << disk.name.toStdString();

    const QString file = dir.filePath(QStringLiteral("DataSet.kvz"));
    EXPECT_FALSE(lastChange(file).has_value());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    const auto changed = lastChange(file);
    ASSERT_TRUE(changed.has_value());
    EXPECT_LE(qAbs(changed->secsTo(QDateTime::currentDateTime())), 60);
}

} // namespace
