#include "files/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

// The shipped desktop files, copied beside the generated data by the build.
const QString kShipped = QStringLiteral(ORVENNA_DATA_DIR "/");

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString execLine(const QString& entry)
{
    for (const QString& line : entry.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Exec=")))
            return line;
    return QString();
}

TEST(FileTypeRegistrationTest, ShippedFilesDescribeTheBuildingFileType)
{
    const QString entry = readText(kShipped + QLatin1String(kDesktopFileName));
    EXPECT_TRUE(
        entry.contains(QStringLiteral("\nMimeType=") + QLatin1String(kBuildingMimeType) + QLatin1Char(';')));
    EXPECT_EQ(execLine(entry), QStringLiteral("Exec=orvenna %f"));
    const QString mime = readText(kShipped + QLatin1String(kMimePackageFileName));
    EXPECT_TRUE(mime.contains(QStringLiteral("<mime-type type=\"") + QLatin1String(kBuildingMimeType)));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.orv\"/>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("Orvenna Gebäudedatei")));
    EXPECT_TRUE(readText(kShipped + QLatin1String(kIconFileName)).contains(QStringLiteral("<svg")));
}

TEST(FileTypeRegistrationTest, ExecLineQuotesTheProgramPath)
{
    const QString entry = QStringLiteral("[Desktop Entry]\nName=Orvenna\nExec=orvenna %f\nIcon=orvenna\n");
    const struct
    {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/opt/orvenna/orvenna", R"(Exec="/opt/orvenna/orvenna" %f)"},
        {"/home/m/Meine Programme/orvenna", R"(Exec="/home/m/Meine Programme/orvenna" %f)"},
        {"/home/m/$HOME \"x\"/orvenna", R"(Exec="/home/m/\\$HOME \\"x\\"/orvenna" %f)"},
        {"/home/m/a\\b/orvenna", R"(Exec="/home/m/a\\\\b/orvenna" %f)"},
        {"/home/m/100%/orvenna", R"(Exec="/home/m/100%%/orvenna" %f)"},
    };
    for (const auto& c : cases) {
        const QString result = desktopEntryFor(entry, QString::fromUtf8(c.path));
        EXPECT_EQ(execLine(result), QString::fromUtf8(c.exec)) << c.path;
        EXPECT_TRUE(result.contains(QStringLiteral("\nName=Orvenna\n"))) << "other lines stay";
    }
}

TEST(FileTypeRegistrationTest, RegistersIntoTheUsersDataHome)
{
    QTemporaryDir home;
    registerfiletype(kShipped, home.path(), QStringLiteral("/opt/Orvenna Neu/orvenna"), false);
    const QString entry = readText(home.filePath(QStringLiteral("applications/orvenna.desktop")));
    EXPECT_EQ(execLine(entry), QStringLiteral("Exec=\"/opt/Orvenna Neu/orvenna\" %f"));
    EXPECT_TRUE(entry.contains(QStringLiteral("MimeType=application/x-orvgeb;")));
    EXPECT_EQ(readText(home.filePath(QStringLiteral("mime/packages/orvenna-mime.xml"))),
              readText(kShipped + QLatin1String(kMimePackageFileName)));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("icons/hicolor/scalable/apps/orvenna.svg"))));
}

TEST(FileTypeRegistrationTest, UnwritableDataHomeIsSkippedSilently)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("share")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    registerfiletype(kShipped, blocker.fileName(), QStringLiteral("/opt/orvenna"), false);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("share")});
}

TEST(FileTypeRegistrationTest, OncePerInstallationAgainWhenMoved)
{
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(fileTypeRegistrationDue(programDir, QStringLiteral("/opt/a/orvenna")));
    rememberFileTypeRegistration(programDir, QStringLiteral("/opt/a/orvenna"));
    EXPECT_FALSE(fileTypeRegistrationDue(programDir, QStringLiteral("/opt/a/orvenna")));
    EXPECT_TRUE(fileTypeRegistrationDue(programDir, QStringLiteral("/opt/b/orvenna")));
}

} // namespace
