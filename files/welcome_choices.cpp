#include "files/welcome_choices.h"

#include "core/dialogs.h"
#include "core/session.h"
#include "files/building_files.h"
#include "settings/settings_file.h"

#include <QFileInfo>

namespace orv {

WelcomeAvailability welcomeAvailability(const Session& session, const QString& autoSavePath)
{
    const bool settingsRead = session.SettingsReadErrors == 0;
    return {settingsRead && session.settings.AutoSave && QFileInfo(autoSavePath).isFile(), settingsRead};
}

QString runningTextStep(const QString& text)
{
    return text.isEmpty() ? text : text.mid(1) + text.front();
}

void carryOutWelcomeChoice(WelcomeChoice choice, BuildingFiles& files,
                           const std::function<void()>& closeWindow)
{
    switch (choice) {
    case WelcomeChoice::NewCalculation:
        closeWindow();
        // Also offered from the menu in the middle of work: a changed building is not dropped unasked.
        files.NewBuilding();
        break;
    case WelcomeChoice::LastBuilding:
        files.openLastBuilding();
        closeWindow();
        break;
    case WelcomeChoice::SavedBuilding:
        closeWindow();
        files.OpenWithDialog();
        break;
    }
}

bool welcomeCheckBoxChanged(bool checked, Session& session, Dialogs& dialogs)
{
    if (!checked) {
        const QString q = QStringLiteral("\"");
        const QString text =
            QStringLiteral(
                "Wenn Sie das Willkommensfenster deaktivieren, \rkann das letzte Gebäude nicht mehr zu "
                "Beginn eingelesen werden!\r(Button ") +
            q + QStringLiteral("Letztes Gebäude öffnen") + q +
            QStringLiteral(
                " im Willkommensfenster)\r\rTIP: Sie können das letzte Gebäude dennoch wieder einlesen, "
                "indem\r        Sie die Datei ") +
            q + QStringLiteral("AutoSave") + q +
            QStringLiteral(" öffnen, falls AutoSpeichern aktiviert ist.\r\rWollen Sie das Willkommensfenster "
                           "wirklich nicht mehr anzeigen lassen?\r");
        const MessageAnswer answer =
            dialogs.show({text, QStringLiteral("Willkommensfenster deaktivieren"), MessageIcon::Warning,
                          MessageButtons::YesNo, MessageAnswer::No});
        checked = answer != MessageAnswer::Yes;
    }
    session.settings.ShowWelcomeWindow = checked;
    Vorgaben_Speichern(session.settings, session.programDir, dialogs);
    return checked;
}

} // namespace orv
