#include "core/program_info.h"

#include "core/building_record.h"
#include "settings/settings_record.h"

namespace orv {

void writeBuildingHeader(BuildingRecord& r, const QString& today)
{
    const QString caption = QString::fromUtf8(kProgramCaption);
    r.FileTitle = caption.left(30);
    r.FileNotice = (QStringLiteral("Dies ist eine Gebäudedatei des Programmes ") + caption +
                    QString::fromUtf8(kMakerNotice))
                       .left(150);
    r.LastBuildingDate = today.left(8);
}

void writeSettingsHeader(SettingsRecord& s)
{
    const QString caption = QString::fromUtf8(kProgramCaption);
    s.ProgramTitle = caption.left(30);
    s.FileDescription =
        ((QStringLiteral("Dies ist die Einstellungsdatei des Programmes ") + caption).left(66) +
         QString::fromUtf8(kMakerNotice))
            .left(150);
}

} // namespace orv
