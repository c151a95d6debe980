#include "print/building_info.h"

#include "core/building_record.h"
#include "core/session.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace orv {

namespace {

constexpr int kTextLength = 60;
constexpr int kPostCodeLength = 7;
constexpr int kDateLength = 8;

bool hasDigit(const QString& text)
{
    for (QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

} // namespace

BuildingInfoForm buildingInfoForm(const BuildingRecord& b, const SettingsRecord& s, const QString& today)
{
    BuildingInfoForm form;
    form.date = today;
    if (!b.HasBuildingInfo) {
        form.editor = s.EditorName;
        return form;
    }
    form.designation = b.BuildingName;
    form.editor = b.Editor.isEmpty() ? s.EditorName : b.Editor;
    form.client = b.Client;
    form.street = b.Street;
    form.postCode = b.PostCode;
    form.town = b.Town;
    if (!b.InfoDate.isEmpty())
        form.date = b.InfoDate;
    if (b.BuildingType >= 1 && b.BuildingType <= kBuildingTypes)
        form.buildingType = b.BuildingType;
    form.okEnabled = designationAcceptable(form.designation);
    return form;
}

bool designationAcceptable(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return true;
    return false;
}

void applyBuildingInfo(BuildingRecord& b, const BuildingInfoForm& form)
{
    b.BuildingName = form.designation.left(kTextLength);
    b.Editor = form.editor.left(kTextLength);
    b.Client = form.client.left(kTextLength);
    b.Street = form.street.left(kTextLength);
    b.PostCode = form.postCode.left(kPostCodeLength);
    b.Town = form.town.left(kTextLength);
    b.InfoDate = hasDigit(form.date) ? form.date.left(kDateLength) : QString();
    b.BuildingType = form.buildingType;
    b.HasBuildingInfo = true;
}

std::optional<QString> keepEditorAsDefault(Session& session, Dialogs& dialogs, const QString& editor)
{
    session.settings.EditorName = editor.left(kTextLength);
    if (!Vorgaben_Speichern(session.settings, session.programDir, dialogs))
        return std::nullopt;
    return QStringLiteral(" Bearbeiter ") + session.settings.EditorName +
           QStringLiteral(" als Standard gespeichert");
}

} // namespace orv
