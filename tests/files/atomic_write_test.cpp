#include "files/atomic_write.h"
#include "support/file_size_limit.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AtomicWriteTest, ReplacesWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Haus.orv"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray(5044, 'a')));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray(5044, 'b')));
    EXPECT_EQ(bytesOf(path), QByteArray(5044, 'b'));

    {
        test::FileSizeLimit diskFull(1000);
        EXPECT_FALSE(writeFileAtomically(path, QByteArray(5044, 'c'))) << "a short write is a failure";
    }
    EXPECT_EQ(bytesOf(path), QByteArray(5044, 'b'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Haus.orv")});

    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("fehlt/Haus.orv")), "x"));
    EXPECT_FALSE(writeFileAtomically(path + QStringLiteral("/unter-datei.orv"), "x"));
}

constexpr QFileDevice::Permissions kReadExecute =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kFolder = kReadExecute | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// A folder without create rights leaves no room for the temporary file: an existing writable file is
// rewritten in place, but nothing else is allowed that the atomic write would refuse.
TEST(AtomicWriteTest, FolderWithoutCreateRightsStillRewritesItsWritableFile)
{
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("geschützt"));
    const QString open = dir.filePath(QStringLiteral("offen"));
    const QString file = locked + QStringLiteral("/Haus.orv");
    const QString readOnly = open + QStringLiteral("/Alt.orv");
    ASSERT_TRUE(QDir().mkpath(locked) && QDir().mkpath(open));
    ASSERT_TRUE(writeFileAtomically(file, QByteArray(5044, 'a')));
    ASSERT_TRUE(writeFileAtomically(readOnly, QByteArray(5044, 'a')));
    ASSERT_TRUE(test::prepareForUnprivileged(dir.path(), kFolder));
    ASSERT_TRUE(test::prepareForUnprivileged(file, kFile));
    ASSERT_TRUE(test::prepareForUnprivileged(locked, kReadExecute));
    ASSERT_TRUE(test::prepareForUnprivileged(readOnly, QFileDevice::ReadOwner));
    ASSERT_TRUE(test::prepareForUnprivileged(open, kFolder));

    EXPECT_TRUE(test::runUnprivileged([&] { return writeFileAtomically(file, QByteArray(5044, 'b')); }));
    EXPECT_EQ(bytesOf(file), QByteArray(5044, 'b'));
    EXPECT_TRUE(test::runUnprivileged([&] {
        return !writeFileAtomically(locked + QStringLiteral("/Neu.orv"), "x");
    })) << "a new file needs create rights";
    EXPECT_TRUE(test::runUnprivileged([&] { return !writeFileAtomically(readOnly, "x"); }))
        << "a write-protected file stays protected where a temporary file could be made";
    EXPECT_EQ(bytesOf(readOnly), QByteArray(5044, 'a'));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Haus.orv")});
    EXPECT_EQ(QDir(open).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Alt.orv")});
    QFile::setPermissions(locked, kFolder); // so that the temporary folder can be removed
}

TEST(AtomicWriteTest, RewrittenFileKeepsItsGroup)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "setting another group needs root or a second group of this user";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Haus.orv"));
    ASSERT_TRUE(writeFileAtomically(path, "a"));
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), uid_t(-1), test::kUnprivilegedGroup), 0);
    ASSERT_TRUE(writeFileAtomically(path, "b"));
    EXPECT_EQ(bytesOf(path), "b");
    EXPECT_EQ(QFileInfo(path).groupId(), test::kUnprivilegedGroup);
}

} // namespace
