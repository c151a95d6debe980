#include "print/building_info.h"

#include "core/session.h"
#include "core/worked_examples.h"
#include "settings/settings_file.h"
#include "support/scripted_dialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

const QString kToday = QStringLiteral("24.11.26");

BuildingRecord withInformation()
{
    BuildingRecord b = test::withInformation(BuildingRecord());
    b.BuildingType = 3;
    return b;
}

TEST(BuildingInfoTest, WithoutInformationTheFormStartsEmptyWithDefaultEditorAndToday)
{
    BuildingRecord b = withInformation(); // leftovers of an earlier building must not show
    b.HasBuildingInfo = false;
    SettingsRecord s;
    s.EditorName = QStringLiteral("Standard");

    BuildingInfoForm expected;
    expected.editor = QStringLiteral("Standard");
    expected.date = kToday;
    EXPECT_EQ(buildingInfoForm(b, s, kToday), expected);
    EXPECT_FALSE(expected.okEnabled);
    EXPECT_EQ(expected.buildingType, 1);
}

TEST(BuildingInfoTest, WithInformationTheFormShowsTheRecordAndFillsGaps)
{
    SettingsRecord s;
    s.EditorName = QStringLiteral("Standard");
    const BuildingInfoForm full = buildingInfoForm(withInformation(), s, kToday);
    EXPECT_EQ(full, (BuildingInfoForm{QStringLiteral("Haus Meier"), QStringLiteral("Erika Muster"),
                                      QStringLiteral("08.12.26"), QStringLiteral("Familie Meier"),
                                      QStringLiteral("Lindenweg 3"), QStringLiteral("D-12345"),
                                      QStringLiteral("Musterstadt"), 3, true}));

    BuildingRecord gaps = withInformation();
    gaps.Editor.clear();
    gaps.InfoDate.clear();
    gaps.BuildingType = 0; // damaged file
    const BuildingInfoForm filled = buildingInfoForm(gaps, s, kToday);
    EXPECT_EQ(filled.editor, QStringLiteral("Standard"));
    EXPECT_EQ(filled.date, kToday);
    EXPECT_EQ(filled.buildingType, 1);
}

TEST(BuildingInfoTest, BlankDesignationsDoNotCount)
{
    for (const char* blank : {"", " ", "   ", "     ", "      "})
        EXPECT_FALSE(designationAcceptable(QString::fromLatin1(blank))) << '"' << blank << '"';
    for (const char* name : {"Haus", " Haus ", "1"})
        EXPECT_TRUE(designationAcceptable(QString::fromLatin1(name))) << name;
}

TEST(BuildingInfoTest, DatesMustBeRealDaysOrEmpty)
{
    for (const char* date : {"08.12.26", "8.12.26", "8_.1_.26", "29.02.24", "31.12.99", "__.__.__", ".."})
        EXPECT_TRUE(dateAcceptable(QString::fromLatin1(date))) << date;
    for (const char* date : {"99.13.99", "31.04.26", "29.02.23", "00.01.26", "12.00.26", "12.12.2_", "1.1."})
        EXPECT_FALSE(dateAcceptable(QString::fromLatin1(date))) << date;

    BuildingInfoForm form;
    form.designation = QStringLiteral("Haus");
    form.date = QStringLiteral("08.12.26");
    EXPECT_TRUE(formAcceptable(form));
    form.date = QStringLiteral("99.13.99");
    EXPECT_FALSE(formAcceptable(form));
    form.date.clear();
    form.designation = QStringLiteral("  ");
    EXPECT_FALSE(formAcceptable(form));
}

TEST(BuildingInfoTest, OkStoresTheFormCutToTheFields)
{
    BuildingRecord b;
    BuildingInfoForm form;
    form.designation = QString(70, QLatin1Char('B'));
    form.editor = QString(61, QLatin1Char('E'));
    form.client = QStringLiteral("Familie Meier");
    form.street = QStringLiteral("Lindenweg 3");
    form.postCode = QStringLiteral("D-123456");
    form.town = QString(65, QLatin1Char('O'));
    form.date = QStringLiteral("8.12.26");
    form.buildingType = 7;
    applyBuildingInfo(b, form);
    EXPECT_TRUE(b.HasBuildingInfo);
    EXPECT_EQ(b.BuildingName, QString(60, QLatin1Char('B')));
    EXPECT_EQ(b.Editor, QString(60, QLatin1Char('E')));
    EXPECT_EQ(b.Client, QStringLiteral("Familie Meier"));
    EXPECT_EQ(b.Street, QStringLiteral("Lindenweg 3"));
    EXPECT_EQ(b.PostCode, QStringLiteral("D-12345"));
    EXPECT_EQ(b.Town, QString(60, QLatin1Char('O')));
    EXPECT_EQ(b.InfoDate, QStringLiteral("8.12.26"));
    EXPECT_EQ(b.BuildingType, 7);

    for (const char* noDate : {"", ".."}) {
        form.date = QString::fromLatin1(noDate);
        applyBuildingInfo(b, form);
        EXPECT_EQ(b.InfoDate, QString()) << noDate;
    }
}

TEST(BuildingInfoTest, EditorDefaultIsWrittenToTheSettingsOnly)
{
    QTemporaryDir dir;
    Session session;
    session.programDir = dir.path() + QLatin1Char('/');
    session.settings = test::standardSettings();
    session.building = withInformation();
    test::ScriptedDialogs dialogs;

    EXPECT_EQ(keepEditorAsDefault(session, dialogs, QStringLiteral("Max Mustermann")),
              QStringLiteral(" Bearbeiter Max Mustermann als Standard gespeichert"));
    EXPECT_EQ(session.settings.EditorName, QStringLiteral("Max Mustermann"));
    EXPECT_EQ(session.building.Editor, QStringLiteral("Erika Muster"));
    QFile file(settingsFilePath(session.programDir));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto stored = decodeSettings(file.readAll());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->EditorName, QStringLiteral("Max Mustermann"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(BuildingInfoTest, EditorDefaultThatCannotBeWrittenClaimsNothing)
{
    QTemporaryDir dir;
    Session session;
    session.programDir = dir.filePath(QStringLiteral("fehlt/")); // a folder that does not exist
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(keepEditorAsDefault(session, dialogs, QStringLiteral("Max")), std::nullopt);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Fehler bei Datenträgerzugriff.")});
}

} // namespace
