#include "files/program_location.h"

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

class ProgramLocationTest : public ::testing::Test
{
  protected:
    QTemporaryDir root;
    QString at(const char* relative) const
    {
        return root.path() + QLatin1Char('/') + QLatin1String(relative);
    }
    void makeDir(const char* relative) { ASSERT_TRUE(QDir().mkpath(at(relative))); }
    void makeFile(const char* relative)
    {
        QFile f(at(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(ProgramLocationTest, InstalledProgramKeepsBuildingsInTheDocumentsFolder)
{
    const QString userData = defaultUserDataDir() + QLatin1Char('/');
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_FALSE(documents.isEmpty());
    EXPECT_EQ(factoryBuildingsFolder(userData), documents + QLatin1Char('/'));
    EXPECT_EQ(factoryBuildingsFolder(at("portable/")), at("portable/"));

    SettingsRecord installed;
    applyFactoryDefaults(installed, userData);
    EXPECT_EQ(installed.BuildingsFolder, documents + QLatin1Char('/'));
    SettingsRecord portable;
    applyFactoryDefaults(portable, at("portable/"));
    EXPECT_EQ(portable.BuildingsFolder, at("portable/"));
}

TEST_F(ProgramLocationTest, WritableFolderOfTheProgramIsPortable)
{
    makeDir("portable/data");
    const ProgramLocation l = locateProgram(at("portable"), at("user"));
    EXPECT_EQ(l.programDir, at("portable/"));
    EXPECT_EQ(l.sharedDataDir, at("portable/data/"));
}

TEST_F(ProgramLocationTest, InstalledOrUnwritableProgramUsesUserFolder)
{
    makeDir("usr/bin");
    makeDir("usr/share/orvenna");
    const ProgramLocation installed = locateProgram(at("usr/bin"), at("user/orvenna"));
    EXPECT_EQ(installed.programDir, at("user/orvenna/"));
    EXPECT_EQ(installed.sharedDataDir, at("usr/share/orvenna/"));

    makeFile("plain");
    const ProgramLocation unwritable = locateProgram(at("plain/bin"), at("user/orvenna"));
    EXPECT_EQ(unwritable.programDir, at("user/orvenna/"));
    EXPECT_TRUE(unwritable.sharedDataDir.isEmpty());
}

TEST_F(ProgramLocationTest, UserCopyOfDataFileComesFirst)
{
    makeDir("prog");
    makeDir("shared");
    const ProgramLocation l{at("prog/"), at("shared/")};
    EXPECT_TRUE(findDataFile(l, QStringLiteral("Baustoff.kvz")).isEmpty());
    makeFile("shared/Baustoff.kvz");
    EXPECT_EQ(findDataFile(l, QStringLiteral("Baustoff.kvz")), at("shared/Baustoff.kvz"));
    makeFile("prog/Baustoff.kvz");
    EXPECT_EQ(findDataFile(l, QStringLiteral("Baustoff.kvz")), at("prog/Baustoff.kvz"));
}

TEST_F(ProgramLocationTest, FirstStartGetsShippedSettings)
{
    makeDir("shared");
    SettingsRecord shipped = shippedDefaultSettings(QStringLiteral("/anderswo/"));
    shipped.LoadIncreasePercent = 7;
    QFile f(at("shared/DataSet.kvz"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(encodeSettings(shipped));
    f.close();

    const ProgramLocation l{at("user/orvenna/"), at("shared/")};
    prepareProgramDirectory(l);
    SettingsRecord read;
    test::ScriptedDialogs dialogs;
    ASSERT_EQ(Vorgaben_einlesen(read, l.programDir, dialogs), 0);
    EXPECT_EQ(read.LoadIncreasePercent, 7);
    EXPECT_EQ(read.BuildingsFolder, l.programDir);
}

TEST_F(ProgramLocationTest, FirstStartGetsShippedCatalogueButKeepsAnOwnOne)
{
    makeDir("shared");
    makeDir("user");
    auto writeFile = [this](const char* relative, const QByteArray& bytes) {
        QFile f(at(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    auto readFile = [this](const char* relative) {
        QFile f(at(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    writeFile("shared/Baustoff.kvz", "1;1;;Ziegel;;;0,81;;;;1800\r\n");
    prepareProgramDirectory({at("user/"), at("shared/")});
    EXPECT_EQ(readFile("user/Baustoff.kvz"), "1;1;;Ziegel;;;0,81;;;;1800\r\n");

    writeFile("user/Baustoff.kvz", "1;1;;Eigener Stein;;;0,5;;;;1000\r\n");
    prepareProgramDirectory({at("user/"), at("shared/")});
    EXPECT_EQ(readFile("user/Baustoff.kvz"), "1;1;;Eigener Stein;;;0,5;;;;1000\r\n");
}

} // namespace
