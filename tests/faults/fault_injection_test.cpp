// Saves that fail underneath the real window: a full disk, a read-only folder, a folder removed while
// the program runs. Each time one message, the previous file unchanged, and the program goes on.

#include "main_window_fixture.h"

#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using namespace orv;
using namespace orv::test;

namespace {

enum class Fault
{
    DiskFullLimit,
    DiskFullTmpfs,
    ReadOnlyFolder,
    FolderRemoved
};
enum class Target
{
    Building,
    Settings,
    AutoSave
};

const Message kWriteError{"Fehler bei Datenträgerzugriff.", "Fehler", MessageIcon::Error, MessageButtons::Ok};
const Message kAutoSaveError{
    "Fehler beim automatischen Speichern der Berechnung. (Datenträgerzugriffsfehler)\r"
    "Das Auto-Speichern wird abgeschaltet (unter Einstellungen-Allgemein wieder "
    "anschaltbar).",
    "Fehler", MessageIcon::Error, MessageButtons::Ok};

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(QDir::cleanPath(path));
}

class FaultInjectionTest : public MainWindowTest,
                           public ::testing::WithParamInterface<std::tuple<Target, Fault>>
{
  protected:
    QTemporaryDir goodDir;
    bool tmpfsMounted = false;
    bool readOnlyMounted = false;
    std::unique_ptr<FileSizeLimit> sizeLimit;

    Target target() const { return std::get<0>(GetParam()); }
    Fault fault() const { return std::get<1>(GetParam()); }
    std::string shownTexts() const { return dialogs.script.texts().join(QLatin1Char('|')).toStdString(); }
    QString path(const char* name) const { return programDir() + QString::fromUtf8(name); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(edit(InputId::Length), key, modifiers);
    }

    // The program directory on a tiny file system of its own, where one can be mounted. An atomic
    // rewrite holds the old and the new file at once: the settings (36 kB) need room for two.
    bool mountTinyFileSystem()
    {
        tmpfsMounted = ::mount("tmpfs", nativePath(dir.path()).constData(), "tmpfs", 0, "size=256k") == 0;
        return tmpfsMounted;
    }

    void TearDown() override
    {
        sizeLimit.reset();
        if (readOnlyMounted)
            ::umount2(nativePath(dir.path()).constData(), MNT_DETACH);
        if (tmpfsMounted)
            ::umount2(nativePath(dir.path()).constData(), MNT_DETACH);
        MainWindowTest::TearDown();
    }

    // False where this fault cannot be made here (the test then skips).
    bool inject()
    {
        const QByteArray folder = nativePath(dir.path());
        switch (fault()) {
        case Fault::DiskFullLimit:
            sizeLimit = std::make_unique<FileSizeLimit>(1000);
            return true;
        case Fault::DiskFullTmpfs: {
            QFile filler(path("Füllung"));
            if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                return false;
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            return true;
        }
        case Fault::ReadOnlyFolder:
            // Permissions do not bind root: there the folder becomes a read-only view of itself.
            if (geteuid() == 0) {
                readOnlyMounted =
                    ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0;
                if (readOnlyMounted && ::mount(nullptr, folder.constData(), nullptr,
                                               MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                    return false;
                return readOnlyMounted;
            }
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
                QFile::setPermissions(dir.path() + QLatin1Char('/') + name, QFileDevice::ReadOwner);
            return QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        case Fault::FolderRemoved:
            return QDir(dir.path()).removeRecursively();
        }
        return false;
    }

    void release()
    {
        sizeLimit.reset();
        if (fault() == Fault::DiskFullTmpfs)
            QFile::remove(path("Füllung"));
        if (readOnlyMounted && ::umount2(nativePath(dir.path()).constData(), MNT_DETACH) == 0)
            readOnlyMounted = false;
        if (fault() == Fault::ReadOnlyFolder && geteuid() != 0)
            QFile::setPermissions(dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString savedFile() const
    {
        switch (target()) {
        case Target::Building:
            return path("Haus.orv");
        case Target::Settings:
            return path("DataSet.kvz");
        case Target::AutoSave:
            return path("AutoSave.orv");
        }
        return {};
    }

    // Writes the target's file once without a fault.
    void saveFirst()
    {
        switch (target()) {
        case Target::Building:
            typeExample1();
            dialogs.script.files = {path("Haus.orv")};
            press(Qt::Key_S);
            break;
        case Target::Settings:
            command("ASymbolleisteAnzeigen")->trigger();
            break;
        case Target::AutoSave:
            typeExample1();
            break;
        }
    }

    void saveAgain()
    {
        switch (target()) {
        case Target::Building:
            retype(InputId::Length, "11");
            press(Qt::Key_S);
            break;
        case Target::Settings:
            command("ASymbolleisteAnzeigen")->trigger();
            break;
        case Target::AutoSave:
            retype(InputId::Length, "11");
            break;
        }
    }
};

TEST_P(FaultInjectionTest, OneMessageTheOldFileKeptAndTheProgramGoesOn)
{
    if (fault() == Fault::DiskFullTmpfs && !mountTinyFileSystem())
        GTEST_SKIP() << "no tmpfs can be mounted here; the full disk is covered by the file size limit";
    SettingsRecord settings = exampleSettings(programDir());
    settings.AutoSave = target() == Target::AutoSave;
    start(settings);
    saveFirst();
    const QByteArray old = bytesOf(savedFile());
    ASSERT_FALSE(old.isEmpty());
    ASSERT_TRUE(dialogs.script.shown.empty()) << shownTexts();

    if (!inject())
        GTEST_SKIP() << "this fault cannot be made here (needs root mounts or an unprivileged user)";
    saveAgain();
    release();

    ASSERT_EQ(dialogs.script.shown.size(), 1u) << shownTexts();
    EXPECT_EQ(dialogs.script.shown[0], target() == Target::AutoSave ? kAutoSaveError : kWriteError);
    if (fault() == Fault::FolderRemoved) {
        EXPECT_FALSE(QFile::exists(savedFile()));
    } else {
        EXPECT_EQ(bytesOf(savedFile()), old);
    }

    // The window is still at work: it reads and calculates the next input.
    retype(InputId::Length, "12");
    EXPECT_EQ(session().building.BuildingLength, 12.0f);
    EXPECT_TRUE(window().isVisible());
    if (target() == Target::AutoSave) {
        EXPECT_FALSE(session().settings.AutoSave); // switched off for this run, not asked again
    }

    // The next save to a sound place works without another message.
    if (target() == Target::Settings) {
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        command("ASymbolleisteAnzeigen")->trigger();
        EXPECT_FALSE(bytesOf(savedFile()).isEmpty());
    } else {
        const QString good = goodDir.path() + "/Gut.orv";
        dialogs.script.files = {good};
        press(Qt::Key_F12, Qt::NoModifier);
        EXPECT_FALSE(bytesOf(good).isEmpty());
    }
    // A removed program folder stays removed: the building saved elsewhere still writes the recent-file
    // list into it, and the user learns once that the settings cannot be kept.
    if (fault() == Fault::FolderRemoved && target() != Target::Settings) {
        ASSERT_EQ(dialogs.script.shown.size(), 2u) << shownTexts();
        EXPECT_EQ(dialogs.script.shown[1].text,
                  "Die Einstellungsdatei " + path("DataSet.kvz") +
                      " kann nicht geschrieben werden.\rGeänderte Einstellungen werden nicht gespeichert.");
    } else {
        EXPECT_EQ(dialogs.script.shown.size(), 1u) << shownTexts();
    }
}

INSTANTIATE_TEST_SUITE_P(EverySave, FaultInjectionTest,
                         ::testing::Combine(::testing::Values(Target::Building, Target::Settings,
                                                              Target::AutoSave),
                                            ::testing::Values(Fault::DiskFullLimit, Fault::DiskFullTmpfs,
                                                              Fault::ReadOnlyFolder, Fault::FolderRemoved)));

} // namespace
