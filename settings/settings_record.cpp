#include "settings/settings_record.h"

#include "files/program_location.h"

namespace orv {

namespace {

template <typename Codec, typename Record> void mapSettingsFields(Codec& io, Record& r)
{
    io.shortString(0, 30, r.ProgramTitle);
    io.shortString(52, 150, r.FileDescription);
    io.singles(496, r.PresetKOuterWall);
    io.singles(524, r.PresetKWindow);
    io.singles(552, r.PresetRFloor);
    io.singles(580, r.PresetKRoof);
    io.singles(608, r.PresetRGroundWall);
    io.shortStrings(636, 150, r.PresetTextOuterWall);
    io.shortStrings(1693, 150, r.PresetTextWindow);
    io.shortStrings(2750, 150, r.PresetTextFloor);
    io.shortStrings(3807, 150, r.PresetTextRoof);
    io.shortStrings(4864, 150, r.PresetTextGroundWall);
    io.shortStrings(5921, 150, r.PresetName);
    io.single(6980, r.DefaultMinAirChange);
    io.single(6984, r.DefaultVentilationShare);
    io.single(6988, r.AirDensity);
    io.single(6992, r.AirHeatCapacity);
    io.single(6996, r.GroundConductivity);
    io.single(7000, r.InnerSurfaceResistance);
    io.single(7004, r.OuterSurfaceResistance);
    io.int32(7008, r.DefaultGroundwaterDepth);
    io.int32(7012, r.DefaultGroundwaterTemperature);
    io.int32(7016, r.DefaultRoomTemperature);
    io.int32(7020, r.DefaultOutdoorTemperature);
    io.int32(7024, r.LoadIncreasePercent);
    io.int32(7028, r.WindowGrowVertical);
    io.int32(7032, r.WindowGrowHorizontal);
    io.int32(7036, r.DefaultUsableAreaShare);
    io.boolean(7040, r.ShowWelcomeWindow);
    io.boolean(7041, r.AutoCalcAtStart);
    io.boolean(7042, r.DefaultTallBuildingShare);
    io.boolean(7043, r.AskSaveBeforeDiscard);
    io.boolean(7044, r.AutoSave);
    io.boolean(7045, r.ShowToolbar);
    io.boolean(7047, r.ShowHelpTexts);
    io.boolean(7048, r.PlausibilityChecks);
    io.boolean(7049, r.ConfirmDelete);
    io.boolean(7050, r.StartMaximized);
    io.boolean(7051, r.MaximizeMainOnly);
    io.shortString(7052, 10, r.PresetPassword);
    io.shortString(7063, 60, r.EditorName);
    io.shortStrings(7124, 255, r.RecentFiles);
    io.shortString(8148, 255, r.BuildingsFolder);
    io.shortStrings(8404, 255, r.RecentCaptions);
    for (int kind = 1; kind <= kLayerKinds; ++kind)
        for (int slot = 1; slot <= kPresetSlots; ++slot)
            io.layerTable(settingsLayerCellOffset(kind, slot, 1, 1), r.PresetLayerTables[kind - 1][slot - 1]);
}

struct PresetDefaults
{
    float kOuterWall, kWindow, kRoof, rFloor, rGroundWall;
    const char* name;
    const char* textOuterWall;
    const char* textWindow;
    const char* textRoof;
    const char* textFloor;
    const char* textGroundWall;
};

// Slots 1..6; the roof texts end with a blank, as the construction texts were always stored.
const PresetDefaults kPresetDefaults[6] = {
    {0.22f, 1.1f, 0.16f, 3.5f, 3.5f, "sehr gute (Niedrigenergiehaus)",
     "36 cm Leichthochlochziegel + 12 cm Dämmung 035", "Wärmeschutzverglasung",
     "Decke/Dach: 20 cm Dämmung 035 ", "24 cm Betonplatte + 12 cm Dämmung 035",
     "24 cm Betonplatte + 12 cm Dämmung 035"},
    {0.5f, 1.3f, 0.22f, 1.9f, 1.9f, "gute (ab BJ 1995)", "36 cm Hochlochziegel + 4 cm Dämmung 035",
     "Wärmeschutzverglasung", "Decke/Dach: 14 cm Dämmung 035 ", "24 cm Betonplatte + 6 cm Dämmung 035",
     "24 cm Betonplatte + 6 cm Dämmung 035"},
    {0.8f, 1.8f, 0.4f, 1.5f, 1.5f, "mittlere (BJ 1984-1994)", "36 cm Leichthochlochziegel",
     "Doppelverglasung aus zwei Isoliereinheiten", "Decke/Dach: 8 cm Dämmung 035 ",
     "24 cm Betonplatte + 5 cm Dämmung 040", "24 cm Betonplatte + 5 cm Dämmung 040"},
    {1.3f, 2.8f, 0.6f, 0.7f, 0.65f, "schlechte (BJ 1977-1983)", "36 cm Vollziegel", "Isolierverglasung",
     "Decke/Dach: 5 cm Dämmung 045 ", "24 cm Betonplatte + 2 cm Dämmung 045",
     "36 cm Kalksandstein 1200 kg/m³"},
    {1.55f, 3.5f, 0.8f, 0.2f, 0.35f, "sehr schlechte (vor BJ 1976)", "36 cm Kalksandstein",
     "Doppelverglasung", "Decke/Dach: 4cm Dämmung 050 ", "24 cm Normalbeton",
     "36 cm Kalksandstein 1800 kg/m³"},
    {0.5f, 1.3f, 0.22f, 1.9f, 1.9f, "k-Werte nach WÄRMESCHUTZVERORDNUNG 95",
     "z.B. 36 cm Hochlochziegel + 4 cm Dämmung 035", "Wärmeschutzverglasung", "14 cm Dämmung 035 ",
     "z.B. 24 cm Betonplatte + 6 cm Dämmung 035", "z.B. 24 cm Betonplatte + 6 cm Dämmung 035"},
};

} // namespace

QByteArray encodeSettings(const SettingsRecord& record)
{
    QByteArray bytes =
        record.image.size() == SettingsRecord::Size ? record.image : QByteArray(SettingsRecord::Size, '\0');
    bytes.detach();
    RecordWriter writer(bytes);
    FieldWriter io{writer};
    mapSettingsFields(io, record);
    return bytes;
}

std::optional<SettingsRecord> decodeSettings(const QByteArray& bytes)
{
    if (bytes.size() < SettingsRecord::Size)
        return std::nullopt;
    SettingsRecord record;
    record.image = bytes.left(SettingsRecord::Size);
    RecordReader reader(record.image);
    FieldReader io{reader};
    mapSettingsFields(io, record);
    return record;
}

void applyFactoryDefaults(SettingsRecord& r, const QString& programDir)
{
    r.AirDensity = 1.22f;
    r.AirHeatCapacity = 1.01f;
    r.GroundConductivity = 1.2f;
    r.InnerSurfaceResistance = 0.13f;
    r.OuterSurfaceResistance = 0.04f;
    r.LoadIncreasePercent = 0;
    r.WindowGrowVertical = 0;
    r.WindowGrowHorizontal = 0;
    r.ShowWelcomeWindow = true;
    r.AutoCalcAtStart = true;
    r.DefaultTallBuildingShare = true;
    r.AskSaveBeforeDiscard = true;
    r.AutoSave = true;
    r.ShowToolbar = true;
    r.ShowHelpTexts = true;
    r.PlausibilityChecks = true;
    r.ConfirmDelete = true;
    r.StartMaximized = false;
    r.MaximizeMainOnly = false;
    r.BuildingsFolder = factoryBuildingsFolder(programDir);
}

QString ownPresetName()
{
    return QStringLiteral("Eigene selbstdefinierte k-Werte");
}

void applyPresetFactoryValues(SettingsRecord& r, int slot)
{
    if (slot < 1 || slot > 6)
        return;
    const int i = slot - 1;
    const PresetDefaults& p = kPresetDefaults[i];
    r.PresetKOuterWall[i] = p.kOuterWall;
    r.PresetKWindow[i] = p.kWindow;
    r.PresetKRoof[i] = p.kRoof;
    r.PresetRFloor[i] = p.rFloor;
    r.PresetRGroundWall[i] = p.rGroundWall;
    r.PresetName[i] = QString::fromUtf8(p.name);
    r.PresetTextOuterWall[i] = QString::fromUtf8(p.textOuterWall);
    r.PresetTextWindow[i] = QString::fromUtf8(p.textWindow);
    r.PresetTextRoof[i] = QString::fromUtf8(p.textRoof);
    r.PresetTextFloor[i] = QString::fromUtf8(p.textFloor);
    r.PresetTextGroundWall[i] = QString::fromUtf8(p.textGroundWall);
}

SettingsRecord shippedDefaultSettings(const QString& programDir)
{
    SettingsRecord r;
    applyFactoryDefaults(r, programDir);
    r.DefaultGroundwaterDepth = 5;
    r.DefaultGroundwaterTemperature = 10;
    r.DefaultVentilationShare = 0.5f;
    r.DefaultRoomTemperature = 20;
    r.DefaultOutdoorTemperature = -14;
    r.DefaultMinAirChange = 0.5f;
    r.DefaultUsableAreaShare = 85;
    r.DefaultTallBuildingShare = true;
    for (int slot = 1; slot <= 6; ++slot)
        applyPresetFactoryValues(r, slot);
    r.PresetName[6] = ownPresetName();
    for (auto& entry : r.RecentFiles)
        entry = QStringLiteral("LEER");
    return r;
}

} // namespace orv
