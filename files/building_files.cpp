#include "files/building_files.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "core/results_display.h"
#include "core/session.h"
#include "files/building_file.h"
#include "files/building_view.h"
#include "files/recent_files.h"
#include "settings/settings_file.h"

namespace orv {

namespace {

const Message kWriteError{QStringLiteral("Fehler bei Datenträgerzugriff."), QStringLiteral("Fehler"),
                          MessageIcon::Error, MessageButtons::Ok};
const Message kReadError{QStringLiteral("Fehler bei Dateizugriff."), QStringLiteral("Fehler"),
                         MessageIcon::Error, MessageButtons::Ok};

QString bracketed(const QString& name)
{
    return QStringLiteral("[") + name + QStringLiteral("]");
}

// The designation is proposed with its extension, so that a "." inside it is not taken for one,
// and without "/", which the dialog would take for a folder.
QString proposedFileName(const BuildingRecord& b)
{
    if (!b.HasBuildingInfo || b.BuildingName.isEmpty() ||
        b.BuildingName == lastBuildingDesignation(b.LastBuildingDate))
        return QString();
    QString name = b.BuildingName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name + QStringLiteral(".orv");
}

} // namespace

BuildingFiles::BuildingFiles(Session& session, Dialogs& dialogs, BuildingView& view)
    : m_session(session), m_dialogs(dialogs), m_view(view)
{
}

bool BuildingFiles::SafetyQuestion(bool closing)
{
    m_view.readInputsIntoRecord();
    if (!m_session.settings.AskSaveBeforeDiscard || !m_session.file.BuildingModified)
        return true;
    if (isEmptyBuilding(m_session.building))
        return true;
    const MessageAnswer answer =
        m_dialogs.show({QStringLiteral("Gebäudedaten wurden noch nicht gespeichert. Speichern?"),
                        closing ? QStringLiteral("Programm beenden...") : QStringLiteral("Hinweis!"),
                        MessageIcon::Warning, MessageButtons::YesNoCancel});
    switch (answer) {
    case MessageAnswer::Yes:
        // One attempt only: a failed quick save does not fall back to the dialog.
        Save();
        return m_session.file.BuildingSaved;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void BuildingFiles::ResetBuilding()
{
    FileState& file = m_session.file;
    const SettingsRecord& settings = m_session.settings;
    m_view.setLoadingBuilding(true);
    m_view.clearResults();
    m_view.showNewBuildingInputs(newBuildingInputTexts());
    m_view.setTemperatureLine(
        temperatureLine(settings.DefaultRoomTemperature, settings.DefaultOutdoorTemperature));
    file.CurrentFileName = QString::fromUtf8(kNewBuildingName);
    m_view.FormCaptionAnpassen(bracketed(file.CurrentFileName));
    resetToNewBuilding(m_session.building, settings);
    file.BuildingOpened = file.BuildingSaved = file.BuildingModified = file.ForeignFile = false;
    m_view.setStoreysFollowHeight(true);
    m_view.setLoadingBuilding(false);
    if (!m_view.startingUp())
        m_view.focusLength();
    m_view.refreshToolWindows(); // an open tool must not keep the previous building's values
}

void BuildingFiles::ShowBuilding()
{
    const BuildingRecord& b = m_session.building;
    m_view.setLoadingBuilding(true);
    m_view.setStoreysFollowHeight(false);
    m_view.showBuildingInputs(inputTextsOf(b), b.RoofSpaceHeated, b.CellarHeated);
    m_view.setTemperatureLine(temperatureLine(b.RoomTemperature, b.OutsideTemperature));
    m_view.checkCompleteness();
    if (b.HasBuildingInfo)
        m_view.setDesignation(b.BuildingName);
    m_view.focusLength();
    m_session.file.BuildingModified = false;
    m_view.setLoadingBuilding(false);
    m_view.refreshToolWindows();
}

void BuildingFiles::NewBuilding()
{
    if (SafetyQuestion(false))
        ResetBuilding();
}

OpenOutcome BuildingFiles::OpenWithDialog()
{
    if (!SafetyQuestion(false))
        return OpenOutcome::Declined;
    const auto chosen = m_dialogs.openFile(
        {QStringLiteral("Gebäudedatei öffnen"), QStringLiteral("Gebäudedatei (*.orv);;Alle Dateien (*)"),
         QStringLiteral("orv"), m_session.settings.BuildingsFolder, QString()});
    if (!chosen)
        return OpenOutcome::Declined;
    ResetBuilding();
    FileState& file = m_session.file;
    file.CurrentFilePath = *chosen;
    file.CurrentFileName = displayName(*chosen);
    // Read whole before anything is replaced: a short file leaves the reset record untouched.
    auto record = readBuildingFile(*chosen);
    if (!record) {
        m_dialogs.show(kReadError);
        return OpenOutcome::Failed;
    }
    m_session.building = std::move(*record);
    ShowBuilding();
    file.BuildingOpened = true;
    MenueDateiHinzufuegen();
    m_view.FormCaptionAnpassen(bracketed(file.CurrentFileName));
    showOpened(*chosen);
    return OpenOutcome::Opened;
}

OpenOutcome BuildingFiles::OpenByPath()
{
    if (!SafetyQuestion(false))
        return OpenOutcome::Declined;
    ResetBuilding();
    FileState& file = m_session.file;
    const QString path = file.FileToOpen;
    auto record = readBuildingFile(path);
    if (!record) {
        m_dialogs.show({QStringLiteral("FEHLER! Datei ") + path + QStringLiteral(" ist nicht lesbar."),
                        QStringLiteral("Information"), MessageIcon::Information, MessageButtons::Ok});
        return OpenOutcome::Failed;
    }
    m_session.building = std::move(*record);
    ShowBuilding();
    file.BuildingOpened = true;
    file.CurrentFilePath = path;
    file.CurrentFileName = displayName(path);
    m_view.FormCaptionAnpassen(bracketed(file.CurrentFileName));
    showOpened(path);
    return OpenOutcome::Opened;
}

bool BuildingFiles::saveAllowed() const
{
    const FileState& file = m_session.file;
    return (file.BuildingSaved || file.BuildingOpened) && !file.ForeignFile &&
           !file.CurrentFilePath.isEmpty() && file.CurrentFileName != QString::fromUtf8(kNewBuildingName);
}

void BuildingFiles::Save()
{
    if (saveAllowed())
        QuickSave();
    else
        SaveAs();
}

void BuildingFiles::SaveAs()
{
    FileState& file = m_session.file;
    if (!m_view.readInputsIntoRecord()) {
        file.BuildingSaved = false;
        return;
    }
    const auto chosen = m_dialogs.saveFile(
        {QStringLiteral("Gebäudedatei speichern"), QStringLiteral("Gebäudedatei (*.orv)"),
         QStringLiteral("orv"), m_session.settings.BuildingsFolder, proposedFileName(m_session.building)});
    if (!chosen) {
        file.BuildingSaved = false;
        return;
    }
    // Nothing of the file state changes before the file is written: a failed save must leave Ctrl+S,
    // the caption and the designation where they were.
    BuildingRecord saved = m_session.building;
    if (!saved.HasBuildingInfo) {
        saved.BuildingName = designationFromFileName(*chosen);
        saved.HasBuildingInfo = true;
    }
    if (!writeBuildingFile(*chosen, saved)) {
        m_dialogs.show(kWriteError);
        file.BuildingSaved = false;
        return;
    }
    if (!m_session.building.HasBuildingInfo)
        m_view.setDesignation(saved.BuildingName);
    m_session.building = std::move(saved);
    file.CurrentFilePath = *chosen;
    file.CurrentFileName = displayName(*chosen);
    file.ForeignFile = false;
    MenueDateiHinzufuegen();
    showSaved();
}

void BuildingFiles::QuickSave()
{
    FileState& file = m_session.file;
    if (!m_view.readInputsIntoRecord()) {
        file.BuildingSaved = false;
        return;
    }
    if (!writeBuildingFile(file.CurrentFilePath, m_session.building)) {
        m_dialogs.show(kWriteError);
        file.BuildingSaved = false;
        return;
    }
    storeSettings(m_session, m_dialogs);
    file.CurrentFileName = displayName(file.CurrentFilePath);
    showSaved();
}

void BuildingFiles::showSaved()
{
    FileState& file = m_session.file;
    file.BuildingSaved = true;
    file.BuildingModified = false;
    m_view.setStatusText(QStringLiteral(" Gespeichert: ") + file.CurrentFilePath);
    m_view.FormCaptionAnpassen(bracketed(file.CurrentFileName));
}

void BuildingFiles::showOpened(const QString& path)
{
    m_view.setStatusText(QStringLiteral(" Geöffnet: ") + path);
    m_session.file.ForeignFile = isLongerThanBuildingFile(path);
    if (m_session.file.ForeignFile)
        m_dialogs.show({QStringLiteral("Die Datei ") + path +
                            QStringLiteral(" ist keine Gebäudedatei dieses Programms.\rSie wird nicht "
                                           "überschrieben: Speichern fragt nach einem neuen Dateinamen."),
                        QStringLiteral("Hinweis!"), MessageIcon::Information, MessageButtons::Ok});
}

void BuildingFiles::MenueDateiHinzufuegen()
{
    if (!addRecentFile(m_session.settings, m_session.file.CurrentFilePath, m_session.file.CurrentFileName))
        return;
    storeSettings(m_session, m_dialogs);
    DateiEintragHinzufuegen();
}

void BuildingFiles::DateiEintragHinzufuegen()
{
    m_view.showRecentFiles(recentMenu(m_session.settings));
}

OpenOutcome BuildingFiles::openRecentFile(int slot)
{
    m_session.file.FileToOpen = m_session.settings.RecentFiles.at(static_cast<std::size_t>(slot - 1));
    return OpenByPath();
}

QString BuildingFiles::autoSavePath() const
{
    return m_session.programDir + QString::fromLatin1(kAutoSaveFileName);
}

void BuildingFiles::saveLastBuildingAfterChange()
{
    if (m_session.settings.AutoSave && !m_view.startingUp())
        LetztesGebSpeichern();
}

bool BuildingFiles::LetztesGebSpeichern()
{
    m_session.building.LastBuildingDate = shortDateToday().left(8);
    if (!writeBuildingFile(autoSavePath(), m_session.building)) {
        m_dialogs.show({QStringLiteral("Fehler beim automatischen Speichern der Berechnung. "
                                       "(Datenträgerzugriffsfehler)\rDas Auto-Speichern wird abgeschaltet "
                                       "(unter Einstellungen-Allgemein wieder anschaltbar)."),
                        QStringLiteral("Fehler"), MessageIcon::Error, MessageButtons::Ok});
        // Off for this run only: the settings file keeps its value until it is next written.
        m_session.settings.AutoSave = false;
        return false;
    }
    ++m_session.file.AutoSaveCount;
    return true;
}

OpenOutcome BuildingFiles::openLastBuilding()
{
    m_session.file.FileToOpen = autoSavePath();
    const OpenOutcome outcome = OpenByPath();
    // Cancelled or unreadable: the building still shown is not renamed nor cut loose from its file.
    if (outcome != OpenOutcome::Opened)
        return outcome;
    BuildingRecord& b = m_session.building;
    if (!b.HasBuildingInfo)
        b.BuildingName = lastBuildingDesignation(b.LastBuildingDate).left(60);
    m_view.setDesignation(b.BuildingName);
    m_session.file.BuildingOpened = false;
    return outcome;
}

StartAction BuildingFiles::startTimerFired(const QStringList& arguments)
{
    const QString path = commandLineFile(arguments);
    if (!path.isEmpty()) {
        m_session.file.FileToOpen = path;
        OpenByPath();
        return StartAction::OpenedFile;
    }
    if (m_session.settings.ShowWelcomeWindow)
        return StartAction::ShowWelcome;
    ResetBuilding();
    return StartAction::NewBuilding;
}

QString commandLineFile(const QStringList& arguments)
{
    QString joined = arguments.mid(1, 8).join(QLatin1Char(' '));
    while (joined.endsWith(QLatin1Char(' ')))
        joined.chop(1);
    return joined;
}

} // namespace orv
