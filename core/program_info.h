#pragma once

#include <QString>

namespace orv {

inline constexpr const char* kProgramCaption = "kvz Orvenna "; // trailing blank belongs to it
inline constexpr const char* kProgramVersion = "1.2";
inline constexpr const char* kAutoSaveFileName = "AutoSave.orv";
inline constexpr const char* kApplicationTitle = "Derodedevoz";
inline constexpr const char* kMakerNotice = " - Orvenna Ingenieursoftware, Lindenweg 12, 12345 Musterstadt";

struct BuildingRecord;
struct SettingsRecord;

// The texts that make a building or settings file recognisable to a person who opens it.
void writeBuildingHeader(BuildingRecord& record, const QString& today);
void writeSettingsHeader(SettingsRecord& settings);

} // namespace orv
