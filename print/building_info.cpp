#include "print/building_info.h"

#include "core/building_record.h"
#include "core/session.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QDate>
#include <QStringList>

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
    form.okEnabled = formAcceptable(form);
    return form;
}

bool designationAcceptable(const QString& text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return true;
    return false;
}

bool dateAcceptable(const QString& text)
{
    if (!hasDigit(text))
        return true;
    QString digits = text;
    digits.remove(QLatin1Char('_')).remove(QLatin1Char(' '));
    const QStringList parts = digits.split(QLatin1Char('.'));
    if (parts.size() != 3 || parts[2].size() != 2)
        return false;
    bool dayOk = false, monthOk = false, yearOk = false;
    const int day = parts[0].toInt(&dayOk);
    const int month = parts[1].toInt(&monthOk);
    const int year = parts[2].toInt(&yearOk);
    // Two-digit years: the leap days of 2000..2099 are those of the years a user will mean.
    return dayOk && monthOk && yearOk && QDate(2000 + year, month, day).isValid();
}

bool formAcceptable(const BuildingInfoForm& form)
{
    return designationAcceptable(form.designation) && dateAcceptable(form.date);
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
