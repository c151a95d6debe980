#include "core/program_description.h"

#include "core/program_info.h"
#include "settings/settings_file.h"
#include "tools/material_catalog.h"

namespace orv {

ProgramDescription programDescription(const QString& programDir)
{
    ProgramDescription d;
    d.name = QString::fromUtf8(kProgramCaption).trimmed();
    d.version = QStringLiteral("Version ") + QString::fromUtf8(kProgramVersion);
    // The maker's notice begins with the dash that joins it to the file headers.
    d.maker = QString::fromUtf8(kMakerNotice).mid(3);
    d.summary = QStringLiteral(
        "Schnelle Abschätzung der Norm-Gebäudeheizlast eines ganzen Gebäudes über die Hüllfläche: aus den "
        "Innenmaßen, den k- und R-Werten der Bauteile, der Fensterfläche und den Auslegungstemperaturen "
        "berechnet das Programm die Transmissionsheizlast QT, die Lüftungsheizlast QL, die "
        "Gebäudeheizlast QN und die spezifische Heizlast je m² Nutzfläche, dazu Flächen, Volumen und das "
        "A/V-Verhältnis.");
    d.limits = QStringLiteral(
        "Grenzen: Das Ergebnis ist ein Überschlag für das ganze Gebäude. Es ersetzt keine raumweise "
        "Heizlastberechnung nach Norm; für die Auslegung einzelner Heizflächen ist eine raumweise "
        "Berechnung nötig.");
    d.licence = QStringLiteral(
        "Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version "
        "(GPL-3.0-or-later). Das Programm wird ohne jede Gewährleistung weitergegeben.");
    d.settingsFile = settingsFilePath(programDir);
    d.lastBuildingFile = programDir + QString::fromUtf8(kAutoSaveFileName);
    d.catalogueFile = programDir + QString::fromLatin1(kCatalogFileName);
    return d;
}

} // namespace orv
