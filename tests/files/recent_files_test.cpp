#include "files/recent_files.h"

#include "settings/settings_record.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

SettingsRecord emptyList()
{
    SettingsRecord s;
    s.RecentFiles.fill(QString::fromLatin1(kEmptyRecentSlot));
    return s;
}

QStringList paths(const SettingsRecord& s)
{
    return QStringList(s.RecentFiles.begin(), s.RecentFiles.end());
}

TEST(RecentFilesTest, NewestFirstAndFifthPushesOutFirst)
{
    SettingsRecord s = emptyList();
    for (const char* name : {"a", "b", "c", "d", "e"})
        EXPECT_TRUE(addRecentFile(s, QStringLiteral("/h/") + QLatin1String(name) + QStringLiteral(".orv"),
                                  QString::fromLatin1(name)));
    EXPECT_EQ(paths(s), QStringList({"/h/e.orv", "/h/d.orv", "/h/c.orv", "/h/b.orv"}));
    EXPECT_EQ(s.RecentCaptions[0], QStringLiteral("e"));
    EXPECT_EQ(s.RecentCaptions[3], QStringLiteral("b"));
}

TEST(RecentFilesTest, EntriesThatDoNotEnter)
{
    SettingsRecord s = emptyList();
    addRecentFile(s, QStringLiteral("/h/Haus.orv"), QStringLiteral("Haus"));
    addRecentFile(s, QStringLiteral("/h/Villa.orv"), QStringLiteral("Villa"));
    addRecentFile(s, QStringLiteral("/h/Hof.orv"), QStringLiteral("Hof"));
    const SettingsRecord before = s;
    const struct
    {
        const char* path;
        const char* caption;
        const char* why;
    } refused[] = {
        {"/h/Haus.orv", "Haus", "listed already: keeps its place, in slot 3"},
        {"/anderswo/Haus.orv", "Haus", "same caption from another folder"},
        {"/h/AutoSave.orv", "AutoSave", "the automatically kept building"},
        {"A:\\Haus2.orv", "Haus2", "floppy drive"},
        {"b:/Haus3.orv", "Haus3", "floppy drive, lower case"},
        {"/h/Дом.orv", "Дом", "a slot cannot hold the name"},
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(addRecentFile(s, QString::fromUtf8(c.path), QString::fromUtf8(c.caption))) << c.why;
        EXPECT_EQ(paths(s), paths(before)) << c.why;
    }
    EXPECT_FALSE(
        addRecentFile(s, QStringLiteral("/h/") + QString(260, QLatin1Char('x')) + QStringLiteral(".orv"),
                      QString(260, QLatin1Char('x'))));

    // Only a drive letter counts as a floppy; a relative folder starting with a or b does not.
    EXPECT_TRUE(addRecentFile(s, QStringLiteral("archiv/Alt.orv"), QStringLiteral("Alt")));
    EXPECT_TRUE(addRecentFile(s, QStringLiteral("/h/AutoSave2.orv"), QStringLiteral("AutoSave2")));
}

TEST(RecentFilesTest, MenuShowsExistingFilesOnly)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("Haus & Hof.orv"));
    const QString c = dir.filePath(QStringLiteral("Villa.orv"));
    for (const QString& p : {a, c}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    SettingsRecord s = emptyList();
    s.RecentFiles = {a, dir.filePath(QStringLiteral("weg.orv")), c, QStringLiteral("LEER")};
    s.RecentCaptions = {QStringLiteral("Haus & Hof"), QStringLiteral("weg"), QStringLiteral("Villa"),
                        QString()};

    const RecentMenu menu = recentMenu(s);
    EXPECT_EQ(menu.entries[0], QStringLiteral("&1  Haus && Hof"));
    EXPECT_FALSE(menu.entries[1].has_value());
    EXPECT_EQ(menu.entries[2], QStringLiteral("&3  Villa"));
    EXPECT_FALSE(menu.entries[3].has_value());
    EXPECT_TRUE(menu.separatorVisible);

    QFile::remove(a);
    QFile::remove(c);
    const RecentMenu none = recentMenu(s);
    EXPECT_FALSE(none.separatorVisible);
    for (const auto& entry : none.entries)
        EXPECT_FALSE(entry.has_value());
}

} // namespace
