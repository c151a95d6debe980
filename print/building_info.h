#pragma once

#include <QString>

#include <optional>

namespace orv {

class Dialogs;
struct BuildingRecord;
struct Session;
struct SettingsRecord;

// The administrative data of a building as the building information dialog shows and edits it;
// the printed report shows what OK stored.
struct BuildingInfoForm
{
    QString designation;
    QString editor;
    QString date; // "dd.mm.yy"
    QString client;
    QString street;
    QString postCode; // "D-" and five digits
    QString town;
    int buildingType = 1; // 1 Einfamilienhaus .. 7 sonstiges Gebäude
    bool okEnabled = false;

    friend bool operator==(const BuildingInfoForm&, const BuildingInfoForm&) = default;
};

inline constexpr int kBuildingTypes = 7;

// What the dialog shows for the record. Without building information it starts from empty fields (so a
// refill for another building keeps nothing of the previous one), the default editor and today's date.
BuildingInfoForm buildingInfoForm(const BuildingRecord& building, const SettingsRecord& settings,
                                  const QString& today);

// A designation made of blanks only names nothing, whatever its length.
bool designationAcceptable(const QString& text);

// The date field: empty (no digit typed) or a day that exists, as "d.m.yy" or "dd.mm.yy".
bool dateAcceptable(const QString& text);
// OK may store the form: a designation and a possible date.
bool formAcceptable(const BuildingInfoForm& form);

// OK: stores the form in the record, each text cut to its field, and marks the information as given.
// A date field left without any digit stores no date, so that the report prints the day it is printed.
void applyBuildingInfo(BuildingRecord& building, const BuildingInfoForm& form);

// The editor-default button: keeps `editor` as the settings' default editor and writes the settings file.
// Returns the status-bar text, or nothing when the file could not be written (already reported).
std::optional<QString> keepEditorAsDefault(Session& session, Dialogs& dialogs, const QString& editor);

} // namespace orv
