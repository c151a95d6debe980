#include "files/building_files.h"

#include "core/german_numbers.h"
#include "files/building_file.h"
#include "settings/settings_file.h"
#include "support/fake_building_view.h"
#include "support/file_size_limit.h"
#include "support/scripted_dialogs.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace orv;
using enum InputId;

namespace {

const QString kUnsaved = QStringLiteral("Gebäudedaten wurden noch nicht gespeichert. Speichern?");

// What the user types and what the window shows after the building was saved and opened again.
struct InputCase
{
    InputId id;
    const char* typed;
    const char* shown;
};
const InputCase kHouse[] = {
    {Length, "12,3", "12,30"},     {Width, "8,75", "8,75"},
    {HeatedHeight, "5,5", "5,50"}, {KOuterWall, "0,35", "0,35"},
    {KWindow, "1,3", "1,30"},      {RFloor, "2,1", "2,10"},
    {KRoof, "0,22", "0,22"},       {Storeys, "3", "3"},
    {WindowArea, "24", "24,00"},   {RoofArea, "140,5", "140,5"},
    {RoofVolume, "210", "210,0"},  {GableArea, "38,2", "38,2"},
    {RGroundWall, "1,75", "1,75"}, {GroundWallHeight, "2,4", "2,40"},
};

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class BuildingFilesTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    Session session;
    test::ScriptedDialogs dialogs;
    test::FakeBuildingView view{session, dialogs};
    BuildingFiles files{session, dialogs, view};

    BuildingFilesTest()
    {
        session.programDir = folder;
        session.settings = shippedDefaultSettings(folder);
        session.settings.DefaultRoomTemperature = 20;
        session.settings.DefaultOutdoorTemperature = -12;
        view.files = &files;
        // The start routine's reset.
        view.starting = true;
        files.ResetBuilding();
        view.starting = false;
    }

    QString path(const char* name) const { return folder + QString::fromUtf8(name); }

    void typeHouse()
    {
        view.chooseRoofSpace(true);
        view.chooseCellar(true);
        for (const InputCase& c : kHouse)
            view.type(c.id, QString::fromUtf8(c.typed));
        session.building.RoomTemperature = 22;
        session.building.OutsideTemperature = -14;
        session.building.LayerTables[3][2][4] = QStringLiteral("0,04");
    }

    void saveAs(const QString& target)
    {
        dialogs.files.push_back(target);
        files.SaveAs();
    }

    void openWithDialog(const QString& target)
    {
        dialogs.files.push_back(target);
        files.OpenWithDialog();
    }

    void expectNewBuildingShown()
    {
        EXPECT_EQ(view.inputs, newBuildingInputTexts());
        EXPECT_EQ(textOf(view.inputs, GroundWallHeight), QStringLiteral("2,75"));
        EXPECT_EQ(session.building.GroundWallHeight, 0.0f);
        EXPECT_FALSE(view.roofSpaceHeated);
        EXPECT_FALSE(view.cellarHeated);
        EXPECT_EQ(view.caption, QStringLiteral("[Neues Gebäude]"));
    }
};

TEST_F(BuildingFilesTest, ResetShowsNewBuildingWithSettingsDefaults)
{
    EXPECT_EQ(view.focusCount, 0) << "no focus while starting";
    typeHouse();
    session.file.CurrentFilePath = path("alt.orv");
    dialogs.answers.push_back(MessageAnswer::No);
    files.NewBuilding();

    expectNewBuildingShown();
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("Neues Gebäude"));
    EXPECT_EQ(view.temperature, QStringLiteral("Raumtemp.: 20°C  Normaußentemp.: -12°C"));
    EXPECT_EQ(view.designation, QString());
    EXPECT_EQ(session.building.RoomTemperature, 20);
    EXPECT_EQ(session.building.OutsideTemperature, -12);
    EXPECT_TRUE(session.building.LayerTables[3][2][4].isEmpty());
    EXPECT_FALSE(session.file.BuildingOpened || session.file.BuildingSaved || session.file.BuildingModified);
    EXPECT_EQ(session.file.CurrentFilePath, path("alt.orv")) << "New keeps the path";
    EXPECT_TRUE(view.storeysFollowHeight);
    EXPECT_FALSE(view.loading);
    EXPECT_EQ(view.focusCount, 1);
}

TEST_F(BuildingFilesTest, SafetyQuestionOnlyForChangedNonEmptyBuilding)
{
    files.NewBuilding(); // untouched start: nothing to ask
    EXPECT_TRUE(dialogs.shown.empty());

    view.type(Storeys, QStringLiteral("2"));
    dialogs.answers.push_back(MessageAnswer::Cancel);
    files.NewBuilding();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], (Message{kUnsaved, QStringLiteral("Hinweis!"), MessageIcon::Warning,
                                         MessageButtons::YesNoCancel}));
    EXPECT_EQ(textOf(view.inputs, Storeys), QStringLiteral("2")) << "Cancel keeps the building";

    view.type(Storeys, QStringLiteral("1"));
    EXPECT_TRUE(session.file.BuildingModified);
    files.NewBuilding(); // changed back to empty: no question
    EXPECT_EQ(dialogs.shown.size(), 1u);

    view.type(Length, QStringLiteral("5"));
    session.settings.AskSaveBeforeDiscard = false;
    files.NewBuilding();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(textOf(view.inputs, Length).isEmpty());
}

TEST_F(BuildingFilesTest, EmptyBuildingIgnoresRoofAndGableAreasOnly)
{
    const BuildingRecord empty = session.building;
    EXPECT_TRUE(isEmptyBuilding(empty));
    const std::pair<void (*)(BuildingRecord&), bool> cases[] = {
        {[](BuildingRecord& b) { b.RoofArea = 40; }, true},
        {[](BuildingRecord& b) { b.GableArea = 12; }, true},
        {[](BuildingRecord& b) { b.KWindow = 1.1f; }, false},
        {[](BuildingRecord& b) { b.WindowArea = 3; }, false},
        {[](BuildingRecord& b) { b.Storeys = 0; }, false},
        {[](BuildingRecord& b) { b.RoofSpaceHeated = true; }, false},
        {[](BuildingRecord& b) { b.CellarHeated = true; }, false},
        // Building information counts as soon as it holds any text.
        {[](BuildingRecord& b) {
             b.HasBuildingInfo = true;
             b.BuildingName = QStringLiteral("Haus");
         },
         false},
        {[](BuildingRecord& b) {
             b.HasBuildingInfo = true;
             b.Client = QStringLiteral("Meier");
         },
         false},
        {[](BuildingRecord& b) {
             b.HasBuildingInfo = true;
             b.PostCode = QStringLiteral("D-12345");
         },
         false},
        {[](BuildingRecord& b) {
             b.HasBuildingInfo = true;
             b.PostCode = QStringLiteral("D-_____");
         },
         true},
        {[](BuildingRecord& b) {
             b.HasBuildingInfo = true;
             b.BuildingName = QStringLiteral("   ");
         },
         true},
        {[](BuildingRecord& b) { b.Client = QStringLiteral("Meier"); }, true}, // not given: stale bytes
    };
    int n = 0;
    for (const auto& [change, expected] : cases) {
        BuildingRecord b = empty;
        change(b);
        EXPECT_EQ(isEmptyBuilding(b), expected) << "case " << n++;
    }
}

TEST_F(BuildingFilesTest, LongerFileIsReadButNeverQuickSavedOver)
{
    BuildingRecord stored = session.building;
    stored.BuildingLength = 7;
    const QByteArray text = encodeBuilding(stored) + QByteArray(1000, 'x');
    ASSERT_TRUE(writeBytes(path("Notizen.txt"), text));
    openWithDialog(path("Notizen.txt"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Die Datei ") + path("Notizen.txt") +
                  QStringLiteral(" ist keine Gebäudedatei dieses Programms.\rSie wird nicht überschrieben: "
                                 "Speichern fragt nach einem neuen Dateinamen."));
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("7,00"));

    // Ctrl+S and the safety question's Yes both ask for a name instead of overwriting.
    view.type(Width, QStringLiteral("9"));
    dialogs.files.push_back(std::nullopt);
    files.Save();
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(files.SafetyQuestion(false));
    EXPECT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests.back().title, QStringLiteral("Gebäudedatei speichern"));
    EXPECT_EQ(bytesOf(path("Notizen.txt")), text);

    // Saved under a name of its own, the building is an ordinary file again.
    saveAs(path("Haus.orv"));
    view.type(Width, QStringLiteral("10"));
    files.Save();
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingWidth, 10.0f);
    EXPECT_EQ(bytesOf(path("Notizen.txt")), text);

    // A building file of exactly one record opened by path is quick-saved as before, without a notice.
    const std::size_t notices = dialogs.shown.size();
    session.file.FileToOpen = path("Haus.orv");
    EXPECT_EQ(files.OpenByPath(), OpenOutcome::Opened);
    EXPECT_EQ(view.status, QStringLiteral(" Geöffnet: ") + path("Haus.orv"));
    view.type(Width, QStringLiteral("11"));
    files.Save();
    EXPECT_EQ(dialogs.shown.size(), notices);
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingWidth, 11.0f);
}

TEST_F(BuildingFilesTest, SettingsThatCannotBeWrittenAreReportedOncePerRun)
{
    typeHouse();
    saveAs(path("Haus.orv"));
    const std::size_t before = dialogs.shown.size();
    session.settings.AutoSave = false; // its own message would come from the same folder
    // A program directory below a regular file: no settings write can succeed, even for root.
    ASSERT_TRUE(writeBytes(path("datei"), "x"));
    session.programDir = path("datei") + QLatin1Char('/');
    view.type(Width, QStringLiteral("9"));
    files.Save();
    view.type(Width, QStringLiteral("10"));
    files.Save();
    ASSERT_EQ(dialogs.shown.size(), before + 1);
    EXPECT_EQ(dialogs.shown.back().text,
              QStringLiteral("Die Einstellungsdatei ") + settingsFilePath(session.programDir) +
                  QStringLiteral(" kann nicht geschrieben werden.\rGeänderte Einstellungen werden nicht "
                                 "gespeichert."));
    EXPECT_FALSE(dialogs.texts().contains(QStringLiteral("Fehler bei Datenträgerzugriff.")));
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingWidth, 10.0f);
    EXPECT_TRUE(session.file.BuildingSaved);
}

TEST_F(BuildingFilesTest, WriteProtectedSettingsAreReportedAtStartAndBuildingSavesStayQuiet)
{
    ASSERT_TRUE(Vorgaben_Speichern(session.settings, folder, dialogs));
    const auto folderRights = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(test::prepareForUnprivileged(dir.path(), folderRights));
    ASSERT_TRUE(test::prepareForUnprivileged(settingsFilePath(folder), QFileDevice::ReadOwner));
    const bool quiet = test::runUnprivileged([this] {
        Session run;
        run.programDir = folder;
        test::ScriptedDialogs messages;
        test::FakeBuildingView window{run, messages};
        BuildingFiles commands{run, messages, window};
        if (Vorgaben_einlesen(run.settings, folder, messages) != 0)
            return false;
        warnIfSettingsReadOnly(run, messages);
        commands.ResetBuilding();
        window.type(Length, QStringLiteral("10"));
        messages.files.push_back(folder + QStringLiteral("Haus.orv"));
        commands.Save(); // Save as, then the recent-file list would be written
        window.type(Length, QStringLiteral("11"));
        commands.Save(); // quick save, then the settings would be written
        const auto saved = readBuildingFile(folder + QStringLiteral("Haus.orv"));
        return messages.shown.size() == 1 &&
               messages.shown[0].text.startsWith(QStringLiteral("Die Einstellungsdatei ") +
                                                 settingsFilePath(folder)) &&
               saved && saved->BuildingLength == 11.0f && run.file.BuildingSaved;
    });
    EXPECT_TRUE(quiet) << "one notice at start, then the building saves without a message";
}

TEST_F(BuildingFilesTest, SafetyQuestionAnswers)
{
    typeHouse();
    dialogs.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(files.SafetyQuestion(false));

    // Yes on a building never saved: the save dialog; cancelling it keeps the building.
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(files.SafetyQuestion(true));
    EXPECT_EQ(dialogs.shown.back().caption, QStringLiteral("Programm beenden..."));
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);

    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.files.push_back(path("Haus.orv"));
    EXPECT_TRUE(files.SafetyQuestion(false));
    EXPECT_EQ(bytesOf(path("Haus.orv")).size(), BuildingRecord::Size);

    // Yes on a building with a file: quick save without a dialog.
    view.type(Width, QStringLiteral("9"));
    dialogs.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(files.SafetyQuestion(false));
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingWidth, 9.0f);
}

TEST_F(BuildingFilesTest, FailedQuickSaveInSafetyQuestionRefusesWithoutSecondAttempt)
{
    typeHouse();
    saveAs(path("Haus.orv"));
    view.type(Width, QStringLiteral("9"));
    session.file.CurrentFilePath = path("fehlt/Haus.orv");
    dialogs.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(files.SafetyQuestion(true));
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("Fehler bei Datenträgerzugriff."));
    EXPECT_EQ(dialogs.fileRequests.size(), 1u) << "no save dialog after the failed quick save";
}

TEST_F(BuildingFilesTest, SaveAndOpenRoundTripRestoresEveryInputAndFlag)
{
    typeHouse();
    const QString target = path("Haus Meier.orv");
    saveAs(target);

    const FileDialogRequest& save = dialogs.fileRequests.at(0);
    EXPECT_EQ(save.title, QStringLiteral("Gebäudedatei speichern"));
    EXPECT_EQ(save.filter, QStringLiteral("Gebäudedatei (*.orv)"));
    EXPECT_EQ(save.defaultSuffix, QStringLiteral("orv"));
    EXPECT_EQ(save.directory, session.settings.BuildingsFolder);
    EXPECT_TRUE(save.fileName.isEmpty()) << "no designation, nothing proposed";

    const QByteArray written = bytesOf(target);
    ASSERT_EQ(written.size(), BuildingRecord::Size);
    EXPECT_EQ(written, encodeBuilding(session.building));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Haus Meier"));
    EXPECT_TRUE(session.building.HasBuildingInfo);
    EXPECT_EQ(view.designation, QStringLiteral("Haus Meier"));
    EXPECT_EQ(view.caption, QStringLiteral("[Haus Meier]"));
    EXPECT_EQ(view.status, QStringLiteral(" Gespeichert: ") + target);
    EXPECT_TRUE(session.file.BuildingSaved);
    EXPECT_FALSE(session.file.BuildingModified);
    EXPECT_FALSE(session.file.BuildingOpened);

    const int refreshesBefore = view.toolWindowRefreshes;
    files.NewBuilding(); // saved: no question
    EXPECT_TRUE(dialogs.shown.empty());
    expectNewBuildingShown();
    EXPECT_EQ(view.toolWindowRefreshes, refreshesBefore + 1) << "open tools follow the new building";

    openWithDialog(target);
    const FileDialogRequest& open = dialogs.fileRequests.at(1);
    EXPECT_EQ(open.title, QStringLiteral("Gebäudedatei öffnen"));
    EXPECT_EQ(open.filter, QStringLiteral("Gebäudedatei (*.orv);;Alle Dateien (*)"));
    EXPECT_EQ(open.defaultSuffix, QStringLiteral("orv"));
    EXPECT_EQ(open.directory, session.settings.BuildingsFolder);

    for (const InputCase& c : kHouse)
        EXPECT_EQ(textOf(view.inputs, c.id), QString::fromUtf8(c.shown)) << static_cast<int>(c.id);
    EXPECT_TRUE(view.roofSpaceHeated);
    EXPECT_TRUE(view.cellarHeated);
    EXPECT_EQ(view.temperature, QStringLiteral("Raumtemp.: 22°C  Normaußentemp.: -14°C"));
    EXPECT_EQ(view.designation, QStringLiteral("Haus Meier"));
    EXPECT_EQ(view.caption, QStringLiteral("[Haus Meier]"));
    EXPECT_EQ(encodeBuilding(session.building), written) << "reading the shown inputs back changes nothing";
    EXPECT_TRUE(session.file.BuildingOpened);
    EXPECT_FALSE(session.file.BuildingSaved);
    EXPECT_FALSE(session.file.BuildingModified);
    EXPECT_FALSE(view.storeysFollowHeight);
    EXPECT_FALSE(view.loading);
    EXPECT_EQ(view.toolWindowRefreshes, refreshesBefore + 3); // opening empties the building first

    // Save on a building from a file writes to it without a dialog, and writes the settings file.
    QFile::remove(settingsFilePath(folder));
    view.type(KWindow, QStringLiteral("1,1"));
    files.Save();
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(decodeBuilding(bytesOf(target))->KWindow, 1.1f);
    EXPECT_TRUE(QFile::exists(settingsFilePath(folder)));
    EXPECT_EQ(view.status, QStringLiteral(" Gespeichert: ") + target);
    EXPECT_TRUE(session.file.BuildingSaved);
    EXPECT_FALSE(session.file.BuildingModified);
}

TEST_F(BuildingFilesTest, SaveAsNamesBuildingFromFileNameOnlyWithoutDesignation)
{
    typeHouse();
    saveAs(path("Haus.alt.orv"));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Haus"));
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("Haus.alt"));
    EXPECT_EQ(view.caption, QStringLiteral("[Haus.alt]"));

    // With a designation it stays and is proposed, with its extension.
    session.building.BuildingName = QStringLiteral("Villa Nr. 5/6");
    saveAs(path("anders.orv"));
    EXPECT_EQ(dialogs.fileRequests.back().fileName, QStringLiteral("Villa Nr. 5-6.orv"));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Villa Nr. 5/6"));

    // The name the welcome window gives the kept building is no file name.
    session.building.LastBuildingDate = QStringLiteral("03.02.26");
    session.building.BuildingName = QStringLiteral("Letztes Gebäude (am 03.02.26)");
    saveAs(path("dritte.orv"));
    EXPECT_TRUE(dialogs.fileRequests.back().fileName.isEmpty());
}

TEST_F(BuildingFilesTest, SaveWithUnreadableInputsWritesNothing)
{
    typeHouse();
    saveAs(path("Haus.orv"));
    view.type(Length, QStringLiteral("1,,2"));
    dialogs.shown.clear();
    files.Save();
    files.SaveAs();
    EXPECT_EQ(dialogs.texts(), QStringList(2, QString::fromUtf8(kInputErrorMessage)));
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_FALSE(session.file.BuildingSaved);
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingLength, 12.3f);
}

TEST_F(BuildingFilesTest, OpenReadsOneRecordAndRefusesShortFiles)
{
    BuildingRecord stored = session.building;
    stored.BuildingLength = 7;
    stored.Storeys = 2;
    const QByteArray record = encodeBuilding(stored);
    ASSERT_TRUE(writeBytes(path("kurz.orv"), record.left(5043)));
    ASSERT_TRUE(writeBytes(path("lang.orv"), record + QByteArray(956, '\x7f')));

    openWithDialog(path("lang.orv"));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "the notice that the longer file is not a building file";
    EXPECT_EQ(encodeBuilding(session.building), record);
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("7,00"));

    const BuildingRecord beforeFailure = session.building;
    openWithDialog(path("kurz.orv"));
    EXPECT_EQ(dialogs.shown.back(),
              (Message{QStringLiteral("Fehler bei Dateizugriff."), QStringLiteral("Fehler"),
                       MessageIcon::Error, MessageButtons::Ok}));
    expectNewBuildingShown();
    EXPECT_EQ(session.file.CurrentFilePath, path("kurz.orv"));
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("kurz")) << "already names the failed file";
    EXPECT_FALSE(session.file.BuildingOpened);
    // None of the short file's bytes: the record is the reset one.
    BuildingRecord reset = beforeFailure;
    resetToNewBuilding(reset, session.settings);
    EXPECT_EQ(encodeBuilding(session.building), encodeBuilding(reset));
    EXPECT_EQ(session.settings.RecentFiles[0], path("lang.orv")) << "the failed file is not listed";
}

TEST_F(BuildingFilesTest, OpenShowsNonFiniteValuesOfADamagedFileAsEmptyInputs)
{
    BuildingRecord stored = session.building;
    stored.BuildingLength = 7;
    stored.KOuterWall = std::numeric_limits<float>::quiet_NaN();
    stored.RoofArea = -std::numeric_limits<float>::infinity();
    stored.GroundWallHeight = std::numeric_limits<float>::infinity();
    const QByteArray record = encodeBuilding(stored);
    ASSERT_TRUE(writeBytes(path("kaputt.orv"), record));

    openWithDialog(path("kaputt.orv"));
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("7,00"));
    EXPECT_EQ(textOf(view.inputs, KOuterWall), QString());
    EXPECT_EQ(textOf(view.inputs, RoofArea), QString());
    EXPECT_EQ(textOf(view.inputs, GroundWallHeight), QString());
    // The empty inputs are read back: the record holds what is shown, and the k value is missing.
    EXPECT_EQ(session.building.KOuterWall, 0.0f);
    EXPECT_EQ(session.building.RoofArea, 0.0f);
    EXPECT_EQ(session.building.GroundWallHeight, 0.0f);
    EXPECT_EQ(session.building.BuildingLength, 7.0f);
}

TEST_F(BuildingFilesTest, OpenByPathFailureKeepsPathAndShowsEmptyBuilding)
{
    typeHouse();
    saveAs(path("Haus.orv"));
    session.file.FileToOpen = path("fehlt.orv");
    EXPECT_EQ(files.OpenByPath(), OpenOutcome::Failed);
    EXPECT_EQ(
        dialogs.shown.back(),
        (Message{QStringLiteral("FEHLER! Datei ") + path("fehlt.orv") + QStringLiteral(" ist nicht lesbar."),
                 QStringLiteral("Information"), MessageIcon::Information, MessageButtons::Ok}));
    expectNewBuildingShown();
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("Neues Gebäude"));
    EXPECT_EQ(session.file.CurrentFilePath, path("Haus.orv"));
    EXPECT_FALSE(session.file.BuildingOpened);
}

TEST_F(BuildingFilesTest, FailedSaveAsLeavesCaptionStatusAndList)
{
    typeHouse();
    const auto listBefore = session.settings.RecentFiles;
    saveAs(path("fehlt/Haus.orv"));
    EXPECT_EQ(dialogs.shown.back(),
              (Message{QStringLiteral("Fehler bei Datenträgerzugriff."), QStringLiteral("Fehler"),
                       MessageIcon::Error, MessageButtons::Ok}));
    EXPECT_FALSE(session.file.BuildingSaved);
    EXPECT_TRUE(session.file.BuildingModified);
    EXPECT_EQ(view.caption, QStringLiteral("[Neues Gebäude]"));
    EXPECT_TRUE(view.status.isEmpty());
    EXPECT_EQ(session.settings.RecentFiles, listBefore);
    // The failed name is nowhere: neither the next Ctrl+S's target nor the designation.
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("Neues Gebäude"));
    EXPECT_TRUE(session.file.CurrentFilePath.isEmpty());
    EXPECT_FALSE(session.building.HasBuildingInfo);
    EXPECT_TRUE(session.building.BuildingName.isEmpty());
    EXPECT_TRUE(view.designation.isEmpty());
}

TEST_F(BuildingFilesTest, FailedSaveAsOfAnOpenedBuildingKeepsTheQuickSaveTarget)
{
    typeHouse();
    saveAs(path("Haus.orv"));
    session.building.HasBuildingInfo = false; // a designation would be kept anyway
    view.type(Width, QStringLiteral("9"));
    saveAs(path("fehlt/Anders.orv"));
    EXPECT_EQ(session.file.CurrentFilePath, path("Haus.orv"));
    EXPECT_EQ(session.file.CurrentFileName, QStringLiteral("Haus"));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Haus"));
    EXPECT_EQ(view.caption, QStringLiteral("[Haus]"));

    // Save as failed, so the building is not saved: Save asks again rather than writing blindly.
    dialogs.files.push_back(path("Haus.orv"));
    files.Save();
    EXPECT_EQ(decodeBuilding(bytesOf(path("Haus.orv")))->BuildingWidth, 9.0f);
}

TEST_F(BuildingFilesTest, FailedQuickSaveKeepsOldFileWhole)
{
    typeHouse();
    const QString target = path("Haus.orv");
    saveAs(target);
    const QByteArray old = bytesOf(target);
    const QByteArray settingsBefore = bytesOf(settingsFilePath(folder));
    view.type(Width, QStringLiteral("9"));
    view.status.clear();
    const std::size_t messagesBefore = dialogs.shown.size();

    {
        test::FileSizeLimit full(100);
        files.Save();
    }

    EXPECT_EQ(bytesOf(target), old);
    ASSERT_EQ(dialogs.shown.size(), messagesBefore + 1);
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("Fehler bei Datenträgerzugriff."));
    EXPECT_FALSE(session.file.BuildingSaved);
    EXPECT_TRUE(session.file.BuildingModified);
    EXPECT_TRUE(view.status.isEmpty());
    EXPECT_EQ(bytesOf(settingsFilePath(folder)), settingsBefore)
        << "settings not written after a failed save";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("AutoSave.orv"), QStringLiteral("DataSet.kvz"),
                           QStringLiteral("Haus.orv")}))
        << "no temporary file left";
}

TEST_F(BuildingFilesTest, OpenAndSaveAsEnterRecentListAndRecentEntriesOpen)
{
    typeHouse();
    saveAs(path("Haus A.orv"));
    ASSERT_TRUE(view.recent.entries[0].has_value());
    EXPECT_EQ(*view.recent.entries[0], QStringLiteral("&1  Haus A"));
    EXPECT_TRUE(view.recent.separatorVisible);
    SettingsRecord onDisk;
    ASSERT_EQ(Vorgaben_einlesen(onDisk, folder, dialogs), 0);
    EXPECT_EQ(onDisk.RecentFiles[0], path("Haus A.orv"));
    EXPECT_EQ(onDisk.RecentCaptions[0], QStringLiteral("Haus A"));

    QFile::copy(path("Haus A.orv"), path("Haus B.orv"));
    openWithDialog(path("Haus B.orv"));
    EXPECT_EQ(session.settings.RecentFiles[0], path("Haus B.orv"));
    EXPECT_EQ(session.settings.RecentFiles[1], path("Haus A.orv"));

    // A recent entry opens its file and leaves the list alone.
    EXPECT_EQ(files.openRecentFile(2), OpenOutcome::Opened);
    EXPECT_EQ(view.caption, QStringLiteral("[Haus A]"));
    EXPECT_EQ(session.settings.RecentFiles[0], path("Haus B.orv"));
    QFile::remove(path("Haus B.orv"));
    EXPECT_EQ(files.openRecentFile(1), OpenOutcome::Failed);
    EXPECT_EQ(session.settings.RecentFiles[0], path("Haus B.orv"));
}

TEST_F(BuildingFilesTest, AutoSaveOnEveryAcceptedChangeOnly)
{
    const QString autoSave = path("AutoSave.orv");
    view.starting = true;
    view.type(Length, QStringLiteral("10"));
    EXPECT_FALSE(QFile::exists(autoSave)) << "never while starting";
    view.starting = false;

    session.building.LastBuildingDate = QStringLiteral("01.01.99");
    view.type(Length, QStringLiteral("11"));
    auto kept = decodeBuilding(bytesOf(autoSave));
    ASSERT_TRUE(kept);
    EXPECT_EQ(bytesOf(autoSave).size(), BuildingRecord::Size);
    EXPECT_EQ(kept->BuildingLength, 11.0f);
    EXPECT_EQ(kept->LastBuildingDate, shortDateToday());
    view.type(Width, QStringLiteral("7"));
    EXPECT_EQ(decodeBuilding(bytesOf(autoSave))->BuildingWidth, 7.0f);
    view.type(Width, QStringLiteral("7,,")); // not accepted
    EXPECT_EQ(decodeBuilding(bytesOf(autoSave))->BuildingWidth, 7.0f);
    EXPECT_EQ(session.file.AutoSaveCount, 2);
    EXPECT_FALSE(session.file.BuildingSaved);
    EXPECT_EQ(view.caption, QStringLiteral("[Neues Gebäude]"));
    EXPECT_TRUE(view.status.isEmpty());

    session.settings.AutoSave = false;
    view.type(Width, QStringLiteral("8"));
    EXPECT_EQ(decodeBuilding(bytesOf(autoSave))->BuildingWidth, 7.0f);
    EXPECT_EQ(session.file.AutoSaveCount, 2);
}

TEST_F(BuildingFilesTest, FailedAutoSaveSwitchesItOffForThisRun)
{
    ASSERT_TRUE(Vorgaben_Speichern(session.settings, folder, dialogs));
    session.programDir = path("fehlt/");
    view.type(Length, QStringLiteral("10"));
    view.type(Length, QStringLiteral("11"));
    ASSERT_EQ(dialogs.shown.size(), 1u) << "one message, then off";
    EXPECT_EQ(dialogs.shown[0],
              (Message{QStringLiteral(
                           "Fehler beim automatischen Speichern der Berechnung. (Datenträgerzugriffsfehler)"
                           "\rDas Auto-Speichern wird abgeschaltet (unter Einstellungen-Allgemein wieder "
                           "anschaltbar)."),
                       QStringLiteral("Fehler"), MessageIcon::Error, MessageButtons::Ok}));
    EXPECT_FALSE(session.settings.AutoSave);
    EXPECT_EQ(session.file.AutoSaveCount, 0);
    SettingsRecord onDisk;
    Vorgaben_einlesen(onDisk, folder, dialogs);
    EXPECT_TRUE(onDisk.AutoSave) << "the file keeps its value until next written";
}

TEST_F(BuildingFilesTest, CommandLineArgumentsJoinIntoOnePath)
{
    const auto args = [](std::initializer_list<const char*> list) {
        QStringList result{QStringLiteral("orvenna")};
        for (const char* a : list)
            result << QString::fromUtf8(a);
        return result;
    };
    EXPECT_EQ(commandLineFile(args({})), QString());
    EXPECT_EQ(commandLineFile(args({"/tmp/Haus.orv"})), QStringLiteral("/tmp/Haus.orv"));
    EXPECT_EQ(commandLineFile(args({"/tmp/some", "folder/Haus", "Meier.orv"})),
              QStringLiteral("/tmp/some folder/Haus Meier.orv"));
    EXPECT_EQ(commandLineFile(args({"/a", "b ", "  "})), QStringLiteral("/a b"));
    EXPECT_EQ(commandLineFile(args({"1", "2", "3", "4", "5", "6", "7", "8", "9"})),
              QStringLiteral("1 2 3 4 5 6 7 8"));
}

TEST_F(BuildingFilesTest, StartTimerOpensCommandLineFileOrOffersWelcome)
{
    typeHouse();
    QDir().mkpath(path("some folder"));
    saveAs(path("some folder/Haus Meier.orv"));
    files.NewBuilding();

    const QStringList split =
        (QStringLiteral("orvenna ") + path("some folder/Haus Meier.orv")).split(QLatin1Char(' '));
    EXPECT_EQ(files.startTimerFired(split), StartAction::OpenedFile);
    EXPECT_EQ(view.caption, QStringLiteral("[Haus Meier]"));
    EXPECT_TRUE(session.file.BuildingOpened);
    EXPECT_EQ(textOf(view.inputs, Length), QStringLiteral("12,30"));

    EXPECT_EQ(files.startTimerFired({QStringLiteral("orvenna"), path("fehlt.orv")}), StartAction::OpenedFile)
        << "an unreadable file does not lead to the welcome window";
    EXPECT_TRUE(dialogs.texts().back().startsWith(QStringLiteral("FEHLER! Datei ")));
    expectNewBuildingShown();

    session.settings.ShowWelcomeWindow = true;
    EXPECT_EQ(files.startTimerFired({QStringLiteral("orvenna")}), StartAction::ShowWelcome);
    session.settings.ShowWelcomeWindow = false;
    view.type(Length, QStringLiteral("3"));
    EXPECT_EQ(files.startTimerFired({QStringLiteral("orvenna")}), StartAction::NewBuilding);
    EXPECT_TRUE(textOf(view.inputs, Length).isEmpty());
}

} // namespace
