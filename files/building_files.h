#pragma once

#include <QString>
#include <QStringList>

namespace orv {

class BuildingView;
class Dialogs;
struct Session;

enum class OpenOutcome
{
    Opened,
    Declined, // the safety question or the file dialog was cancelled: nothing changed
    Failed,   // the file could not be read: the empty building is shown
};

enum class StartAction
{
    OpenedFile,
    ShowWelcome,
    NewBuilding
};

// The building-file commands of the main window: new, open, save, the safety question before a
// building is discarded, the recent-file list and the automatically kept last building.
// Works on the session's record, settings and file state, and on the window through BuildingView.
class BuildingFiles
{
  public:
    BuildingFiles(Session& session, Dialogs& dialogs, BuildingView& view);

    // ProceedAfterQuestion: true when the current building may be discarded. `closing` only changes
    // the question's caption.
    bool SafetyQuestion(bool closing);
    void ResetBuilding();
    void ShowBuilding();

    void NewBuilding();
    OpenOutcome OpenWithDialog();
    // Opens the session's FileToOpen; the recent-file list stays as it is.
    OpenOutcome OpenByPath();
    void Save();
    void SaveAs();
    void QuickSave();

    void MenueDateiHinzufuegen();
    void DateiEintragHinzufuegen();
    // ADatei1..ADatei4, slot counted from 1.
    OpenOutcome openRecentFile(int slot);

    // The hook of the completeness check after inputs were read without error: keeps the last
    // building while AutoSave is on, never while the program starts.
    void saveLastBuildingAfterChange();
    bool LetztesGebSpeichern();
    QString autoSavePath() const;

    // The welcome window's "Letztes Gebäude öffnen": the kept building, named by its date when it has
    // no designation, and not tied to the automatic file so that Save asks for a name.
    OpenOutcome openLastBuilding();

    // The main window's one-shot start timer: a file named on the command line, else the welcome
    // window (shown by the caller), else an empty building.
    StartAction startTimerFired(const QStringList& arguments);

    BuildingView& view() { return m_view; }

  private:
    bool saveAllowed() const;
    void showSaved();
    // After a successful open: the status line, and a file that is no building file of ours.
    void showOpened(const QString& path);

    Session& m_session;
    Dialogs& m_dialogs;
    BuildingView& m_view;
};

// Arguments 1 to 8 joined with blanks, trailing blanks removed: a desktop that passes a path with
// blanks unquoted splits it into several arguments.
QString commandLineFile(const QStringList& arguments);

} // namespace orv
