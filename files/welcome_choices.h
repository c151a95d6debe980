#pragma once

#include <QString>

#include <functional>

namespace orv {

class BuildingFiles;
class Dialogs;
struct Session;

inline constexpr const char* kWelcomeRunningText =
    "Willkommen bei kvz Orvenna - Willkommen bei kvz Orvenna - ";

enum class WelcomeChoice
{
    NewCalculation,
    LastBuilding,
    SavedBuilding
};

// Which choices the welcome window offers; a new calculation is always possible.
struct WelcomeAvailability
{
    bool lastBuilding = false;  // settings read cleanly, AutoSave on and the automatic file present
    bool savedBuilding = false; // settings read cleanly
};
WelcomeAvailability welcomeAvailability(const Session& session, const QString& autoSavePath);

// One step of the running text: its first character moves to the end.
QString runningTextStep(const QString& text);

// Carries out the chosen start. The window is closed before a dialog can come up for a new or saved
// building, and after the kept building is open.
void carryOutWelcomeChoice(WelcomeChoice choice, BuildingFiles& files,
                           const std::function<void()>& closeWindow);

// The check box "&Fenster bei Programmstart anzeigen" was set to `checked` by the user. Unchecking is
// confirmed first. Stores the box's final state in ShowWelcomeWindow and writes the settings file;
// returns that state.
bool welcomeCheckBoxChanged(bool checked, Session& session, Dialogs& dialogs);

} // namespace orv
