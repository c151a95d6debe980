#include "files/atomic_write.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
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

} // namespace
