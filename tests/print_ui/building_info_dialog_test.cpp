#include "ui/building_info_dialog.h"

#include "core/session.h"
#include "core/worked_examples.h"
#include "settings/settings_file.h"
#include "support/scripted_dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace orv;

namespace {

const QString kToday = QStringLiteral("24.11.26");

class BuildingInfoDialogTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    Session session;
    test::ScriptedDialogs dialogs;
    BuildingInfoDialog dialog{session, dialogs, nullptr, [] { return kToday; }};
    QSignalSpy toolbar{&dialog, &BuildingInfoDialog::designationFieldChanged};
    QSignalSpy status{&dialog, &BuildingInfoDialog::statusText};
    QSignalSpy finished{&dialog, &QDialog::finished};

    BuildingInfoDialogTest()
    {
        session.programDir = dir.path() + QLatin1Char('/');
        session.settings = test::standardSettings();
        session.settings.EditorName = QStringLiteral("Standard");
        session.building = test::workedExample1();
    }

    void giveInformation()
    {
        session.building = test::withInformation(session.building);
        session.building.BuildingType = 2;
    }

    void open() { dialog.Startprozeduren(QRect(100, 50, 800, 600), 0, 0); }

    QString lastToolbarText() const
    {
        return toolbar.isEmpty() ? QStringLiteral("<none>") : toolbar.last().at(0).toString();
    }
};

TEST_F(BuildingInfoDialogTest, FieldsHaveTheirLabelsMasksAndLimits)
{
    const struct
    {
        const char* caption;
        QLineEdit* edit;
        int maxLength;
    } fields[] = {
        {"&Bezeichnung:", dialog.designationEdit(), 60},
        {"B&earbeiter:", dialog.editorEdit(), 60},
        {"&Datum:", dialog.dateEdit(), -1},
        {"Bau&herr:", dialog.clientEdit(), 60},
        {"&Straße:", dialog.streetEdit(), 60},
        {"&PLZ:", dialog.postCodeEdit(), -1},
        {"&Ort:", dialog.townEdit(), 60},
    };
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    for (const auto& f : fields) {
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel* l) { return l->text() == QString::fromUtf8(f.caption); });
        ASSERT_NE(label, labels.end()) << f.caption;
        EXPECT_EQ((*label)->buddy(), f.edit) << f.caption;
        if (f.maxLength > 0) {
            EXPECT_EQ(f.edit->maxLength(), f.maxLength) << f.caption;
        }
    }
    EXPECT_EQ(dialog.designationEdit()->toolTip(), QStringLiteral("Eingabe zum Speichern erforderlich"));
    EXPECT_EQ(dialog.editorEdit()->toolTip(), QStringLiteral("Ihr Name!"));
    EXPECT_EQ(dialog.editorDefaultButton()->toolTip(),
              QStringLiteral("Den eingegebenen Bearbeiter als Standard-Bearbeiter speichern"));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(dialog.okButton()->toolTip(), QStringLiteral("Speichern und Schließen"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("&Abbrechen"));
    const char* types[] = {"Ei&nfamilienhaus",  "&Mehrfamilienhaus", "B&ürogebäude",
                           "&Industriegebäude", "&Lagergebäude",     "&öffentliches Gebäude",
                           "sonstiges &Gebäude"};
    for (int type = 1; type <= 7; ++type)
        EXPECT_EQ(dialog.typeButton(type)->text(), QString::fromUtf8(types[type - 1]));

    // The masks: typed digits fall into place around the fixed characters.
    QLineEdit* date = dialog.dateEdit();
    date->clear();
    QTest::keyClicks(date, QStringLiteral("081226"));
    EXPECT_EQ(date->text(), QStringLiteral("08.12.26"));
    QLineEdit* postCode = dialog.postCodeEdit();
    postCode->clear();
    EXPECT_EQ(postCode->displayText(), QStringLiteral("D-_____"));
    QTest::keyClicks(postCode, QStringLiteral("1a2345"));
    EXPECT_EQ(postCode->text(), QStringLiteral("D-12345"));
}

TEST_F(BuildingInfoDialogTest, WithoutInformationOkWaitsForADesignation)
{
    open();
    EXPECT_EQ(dialog.dateEdit()->text(), kToday);
    EXPECT_EQ(dialog.editorEdit()->text(), QStringLiteral("Standard"));
    EXPECT_EQ(dialog.designationEdit()->text(), QString());
    EXPECT_EQ(dialog.postCodeEdit()->text(), QStringLiteral("D-"));
    EXPECT_TRUE(dialog.typeButton(1)->isChecked());
    EXPECT_FALSE(dialog.okButton()->isEnabled());

    const struct
    {
        const char* typed;
        bool ok;
        const char* toolbar;
    } steps[] = {{"   ", false, ""}, {"Haus", true, "   Haus"}};
    for (const auto& s : steps) {
        QTest::keyClicks(dialog.designationEdit(), QString::fromUtf8(s.typed));
        EXPECT_EQ(dialog.okButton()->isEnabled(), s.ok) << s.typed;
        EXPECT_EQ(lastToolbarText(), QString::fromUtf8(s.toolbar)) << s.typed;
    }
    dialog.designationEdit()->clear();
    QTest::keyClicks(dialog.designationEdit(), QStringLiteral("      "));
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "blanks only, however many";

    // Enter presses the default button, which must not store a building without designation.
    QTest::keyClick(dialog.designationEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(session.building.HasBuildingInfo);
    EXPECT_EQ(session.building.BuildingName, QString());
}

TEST_F(BuildingInfoDialogTest, EscapeAfterTypingLeavesTheBuildingWithoutInformation)
{
    open();
    QTest::keyClicks(dialog.designationEdit(), QStringLiteral("Haus Meier"));
    EXPECT_EQ(lastToolbarText(), QStringLiteral("Haus Meier"));
    QTest::keyClick(dialog.designationEdit(), Qt::Key_Escape);

    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), QDialog::Rejected);
    EXPECT_EQ(lastToolbarText(), QString()) << "the toolbar field is emptied again";
    EXPECT_FALSE(session.building.HasBuildingInfo);
    EXPECT_EQ(session.building.BuildingName, QString());
}

TEST_F(BuildingInfoDialogTest, CancelGivesTheToolbarTheStoredDesignationBack)
{
    giveInformation();
    open();
    QTest::keyClicks(dialog.designationEdit(), QStringLiteral(" Nord")); // keyClicks types ASCII only
    EXPECT_EQ(lastToolbarText(), QStringLiteral("Haus Meier Nord"));
    dialog.cancelButton()->click();
    EXPECT_EQ(lastToolbarText(), QStringLiteral("Haus Meier"));
    EXPECT_EQ(session.building.BuildingName, QStringLiteral("Haus Meier"));
}

TEST_F(BuildingInfoDialogTest, OkStoresTheFieldsAndAnEmptyDateAsToday)
{
    giveInformation();
    session.building.InfoDate.clear();
    open();
    EXPECT_EQ(dialog.dateEdit()->text(), kToday);
    EXPECT_TRUE(dialog.typeButton(2)->isChecked());
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    dialog.clientEdit()->clear();
    QTest::keyClicks(dialog.clientEdit(), QString(70, QLatin1Char('K')));
    dialog.typeButton(5)->click();
    dialog.okButton()->click();

    const BuildingRecord& b = session.building;
    EXPECT_EQ(b.InfoDate, kToday);
    EXPECT_EQ(b.Client, QString(60, QLatin1Char('K')));
    EXPECT_EQ(b.BuildingType, 5);
    EXPECT_EQ(b.PostCode, QStringLiteral("D-12345"));
    EXPECT_EQ(b.Editor, QStringLiteral("Erika Muster"));
    EXPECT_TRUE(b.HasBuildingInfo);
    EXPECT_EQ(lastToolbarText(), QStringLiteral("Haus Meier"));
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(BuildingInfoDialogTest, EditorDefaultChangesOnlyTheSettings)
{
    giveInformation();
    open();
    dialog.editorEdit()->setText(QStringLiteral("Max Mustermann"));
    dialog.editorDefaultButton()->click();

    ASSERT_EQ(status.size(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(),
              QStringLiteral(" Bearbeiter Max Mustermann als Standard gespeichert"));
    EXPECT_EQ(session.settings.EditorName, QStringLiteral("Max Mustermann"));
    EXPECT_TRUE(QFile::exists(settingsFilePath(session.programDir)));
    EXPECT_EQ(session.building.Editor, QStringLiteral("Erika Muster"));
    dialog.reject();
    EXPECT_EQ(session.building.Editor, QStringLiteral("Erika Muster"));
}

TEST_F(BuildingInfoDialogTest, RefillsForAnotherBuilding)
{
    giveInformation();
    open();
    EXPECT_EQ(dialog.clientEdit()->text(), QStringLiteral("Familie Meier"));

    session.building = test::workedExample2(); // opened while the window is open, no information
    dialog.WerteEintragen();
    EXPECT_EQ(dialog.designationEdit()->text(), QString());
    EXPECT_EQ(dialog.clientEdit()->text(), QString());
    EXPECT_EQ(dialog.townEdit()->text(), QString());
    EXPECT_EQ(dialog.postCodeEdit()->text(), QStringLiteral("D-"));
    EXPECT_EQ(dialog.editorEdit()->text(), QStringLiteral("Standard"));
    EXPECT_TRUE(dialog.typeButton(1)->isChecked());
    EXPECT_FALSE(dialog.okButton()->isEnabled());
}

TEST_F(BuildingInfoDialogTest, OpensCentredBelowTheMainWindowsTop)
{
    dialog.Startprozeduren(QRect(100, 50, 800, 600), 20, 10);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.y(), 50 + 68);
    EXPECT_NEAR(dialog.x(), 100 + (800 - dialog.width()) / 2.0, 0.5);
}

} // namespace
