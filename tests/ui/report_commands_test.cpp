// Printing, the PDF export and the building information dialog as the main window offers them.

#include "main_window_fixture.h"

#include "files/building_file.h"
#include "ui/building_info_dialog.h"
#include "ui/program_commands.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using namespace orv;
using namespace orv::test;

namespace {

class ReportCommandsTest : public MainWindowTest
{
  protected:
    void expectPrintable(bool printable)
    {
        EXPECT_EQ(command("ADrucken")->isEnabled(), printable);
        EXPECT_EQ(command("APdfSpeichern")->isEnabled(), printable);
    }
    BuildingInfoDialog* infoDialog() { return app->commands().buildingInfoDialog(); }
    QLineEdit* designation() { return control<QLineEdit>("Edit14"); }
};

TEST_F(ReportCommandsTest, PrintingAndPdfFollowValidResults)
{
    start();
    expectPrintable(false);
    typeExample1();
    expectPrintable(true);
    retype(InputId::KWindow, "");
    expectPrintable(false);
    retype(InputId::KWindow, "1.3");
    expectPrintable(true);

    // A new building stays unprintable until it is calculated.
    dialogs.script.answers = {MessageAnswer::No};
    command("ANeu")->trigger();
    expectPrintable(false);
    typeExample1();
    expectPrintable(true);

    // The PDF command sits right under Drucken.
    const QList<QAction*> file = window().menuBar()->actions()[0]->menu()->actions();
    const auto print = std::find(file.begin(), file.end(), command("ADrucken"));
    ASSERT_NE(print, file.end());
    EXPECT_EQ(*(print + 1), command("APdfSpeichern"));
}

TEST_F(ReportCommandsTest, PdfIsWrittenUnderTheProposedName)
{
    start(example2Settings(programDir()));
    typeExample2();
    designation()->setFocus();
    QTest::keyClicks(designation(), "Haus 1/2");
    const QString pdf = programDir() + "Haus 1_2.pdf";

    dialogs.script.files = {std::nullopt};
    command("APdfSpeichern")->trigger();
    ASSERT_EQ(dialogs.script.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.script.fileRequests[0];
    EXPECT_EQ(request.fileName, "Haus 1_2.pdf");
    EXPECT_EQ(request.defaultSuffix, "pdf");
    EXPECT_FALSE(QFile::exists(pdf));

    dialogs.script.files = {pdf};
    command("APdfSpeichern")->trigger();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_EQ(control<QLabel>("StatusText")->text(), " PDF-Datei geschrieben: " + pdf);
    EXPECT_TRUE(dialogs.script.shown.empty());
}

TEST_F(ReportCommandsTest, F7OpensOneInformationDialogThatFillsTheToolbarField)
{
    start();
    EXPECT_EQ(infoDialog(), nullptr);
    QTest::keyClick(edit(InputId::Length), Qt::Key_F7);
    BuildingInfoDialog* dialog = infoDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->okButton()->isEnabled());

    // Typing shows in the toolbar at once; the building gets it with OK.
    QTest::keyClicks(dialog->designationEdit(), "Haus Meier");
    EXPECT_EQ(designation()->text(), "Haus Meier");
    EXPECT_FALSE(session().building.HasBuildingInfo);
    QTest::keyClick(edit(InputId::Length), Qt::Key_F7);
    EXPECT_EQ(window().findChildren<BuildingInfoDialog*>().size(), 1);
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(session().building.BuildingName, "Haus Meier");
    EXPECT_TRUE(session().building.HasBuildingInfo);

    // The designation field's double-click opens it again, filled from the building.
    QTest::mouseDClick(designation(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->designationEdit()->text(), "Haus Meier");
}

TEST_F(ReportCommandsTest, InformationDialogFollowsAnOpenedBuildingAndClosesWithTheOthers)
{
    start();
    BuildingRecord other = session().building;
    other.HasBuildingInfo = true;
    other.BuildingName = "Lager Nord";
    other.BuildingType = 5;
    const QString file = programDir() + "Lager.orv";
    ASSERT_TRUE(writeBuildingFile(file, other));

    command("AGebaeudeinfo")->trigger();
    BuildingInfoDialog* dialog = infoDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->designationEdit()->text(), "");

    dialogs.script.files = {file};
    command("AOeffnen")->trigger();
    EXPECT_EQ(dialog->designationEdit()->text(), "Lager Nord");
    EXPECT_TRUE(dialog->typeButton(5)->isChecked());

    QTest::keyClick(edit(InputId::Length), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(designation()->text(), "Lager Nord");
}

} // namespace
