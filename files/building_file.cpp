#include "files/building_file.h"

#include "core/german_numbers.h"
#include "files/atomic_write.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace orv {

bool isLongerThanBuildingFile(const QString& path)
{
    return QFileInfo(path).size() > BuildingRecord::Size;
}

std::optional<BuildingRecord> readBuildingFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeBuilding(file.read(BuildingRecord::Size));
}

bool writeBuildingFile(const QString& path, const BuildingRecord& record)
{
    return writeFileAtomically(path, encodeBuilding(record));
}

QString displayName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(qMax(qsizetype(0), name.size() - 4));
}

QString designationFromFileName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.left(qMin(dot, qsizetype(60)));
}

QString lastBuildingDesignation(const QString& date)
{
    return QStringLiteral("Letztes Gebäude (am ") + date + QStringLiteral(")");
}

InputTexts inputTextsOf(const BuildingRecord& r)
{
    using enum InputId;
    InputTexts t;
    // A damaged file's infinity or NaN is no number to show: its input stays empty.
    const auto two = [](float v) { return std::isfinite(v) ? formatNumber("%0.2f", v) : QString(); };
    const auto one = [](float v) { return std::isfinite(v) ? formatNumber("%0.1f", v) : QString(); };
    textOf(t, Length) = two(r.BuildingLength);
    textOf(t, Width) = two(r.BuildingWidth);
    textOf(t, HeatedHeight) = two(r.HeatedHeight);
    textOf(t, RoofArea) = one(r.RoofArea);
    textOf(t, KOuterWall) = two(r.KOuterWall);
    textOf(t, KWindow) = two(r.KWindow);
    textOf(t, RFloor) = two(r.RFloor);
    textOf(t, KRoof) = two(r.KRoof);
    textOf(t, Storeys) = QString::number(r.Storeys);
    textOf(t, GableArea) = one(r.GableArea);
    textOf(t, WindowArea) = two(r.WindowArea);
    textOf(t, RGroundWall) = two(r.RGroundWall);
    textOf(t, RoofVolume) = one(r.RoofVolume);
    textOf(t, GroundWallHeight) = two(r.GroundWallHeight);
    return t;
}

InputTexts newBuildingInputTexts()
{
    InputTexts t;
    textOf(t, InputId::Storeys) = QStringLiteral("1");
    // Shown as a suggestion; the record keeps 0 until the inputs are next read.
    textOf(t, InputId::GroundWallHeight) = QStringLiteral("2,75");
    return t;
}

bool hasBuildingInfoText(const BuildingRecord& r)
{
    if (!r.HasBuildingInfo)
        return false;
    for (const QString* text : {&r.BuildingName, &r.Editor, &r.Client, &r.Street, &r.Town})
        if (!text->trimmed().isEmpty())
            return true;
    // The post code input keeps its "D-" prefix and placeholders when nothing is typed.
    return std::any_of(r.PostCode.begin(), r.PostCode.end(), [](QChar c) { return c.isDigit(); });
}

bool isEmptyBuilding(const BuildingRecord& r)
{
    return !hasBuildingInfoText(r) && r.BuildingLength == 0 && r.BuildingWidth == 0 && r.HeatedHeight == 0 &&
           r.KOuterWall == 0 && r.KWindow == 0 && r.KRoof == 0 && r.RFloor == 0 && r.WindowArea == 0 &&
           r.Storeys == 1 && !r.RoofSpaceHeated && !r.CellarHeated;
}

} // namespace orv
