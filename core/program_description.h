#pragma once

#include <QString>

namespace orv {

// The texts of the program information: what the program computes and where it keeps its files.
struct ProgramDescription
{
    QString name;
    QString version;
    QString maker;
    QString summary;
    QString limits;
    QString licence;
    QString settingsFile;
    QString lastBuildingFile;
    QString catalogueFile;
};

// `programDir` ends with its separator.
ProgramDescription programDescription(const QString& programDir);

} // namespace orv
