// The layer calculator through the main window: opening, the catalogue, inserting and typing layers, the
// hand-over into the inputs, the stored layers, copying and the preset target.

#include "core/building_record.h"
#include "core/cp1252.h"
#include "core/example_buildings.h"
#include "files/building_file.h"
#include "tools/material_catalog.h"
#include "ui/main_window_fixture.h"
#include "ui/tools/copy_layers_dialog.h"
#include "ui/tools/layer_calculator_window.h"
#include "ui/tools/layer_tool_commands.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace orv::test {
namespace {

const char* const kCatalog[] = {
    "1;1;;Mauerwerk;;;0,24;;;;1400",     "2;1;;Kalksandstein 1800;;;0,99;;;;1800",
    "3;2;;Kalkzementputz;;;1,0;;;;1800", "4;3;;Mineralwolle WLS 035;;;0,035;;;;30",
    "5;5;;Stahlbeton;;;2,3;;;;2300",
};

class LayerCalculatorTest : public MainWindowTest
{
  protected:
    void writeCatalog()
    {
        QFile f(programDir() + QLatin1String(kCatalogFileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const char* line : kCatalog)
            f.write(encodeCp1252(QString::fromUtf8(line) + QStringLiteral("\r\n")));
    }
    void startWithCatalog(SettingsRecord settings)
    {
        writeCatalog();
        start(settings);
    }
    void startWithCatalog() { startWithCatalog(exampleSettings(programDir())); }

    LayerCalculatorWindow* calculator() { return app->layerTool().calculator(); }
    // The offscreen platform has no window manager that would activate the window shown.
    void activateCalculator()
    {
        ASSERT_NE(calculator(), nullptr);
        QApplication::processEvents(); // the platform's own activation first, so it cannot come later
        QApplication::setActiveWindow(calculator());
    }
    template <typename T = QWidget> T* part(const char* name)
    {
        T* found = calculator() ? calculator()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTableWidget* table() { return calculator()->layerTable(); }
    QString cell(int row, int column) { return table()->item(row - 1, column)->text(); }
    QStringList numbers()
    {
        QStringList result;
        for (int row = 1; row <= kLayerRows; ++row)
            result << cell(row, 0);
        return result;
    }
    QString field(const char* name) { return part<QLineEdit>(name)->text(); }

    void openCalculator()
    {
        command("Ak_Wert")->trigger();
        if (calculator())
            activateCalculator();
    }
    void selectMaterial(int listRow)
    {
        QTableWidget* list = calculator()->catalogList();
        list->setFocus();
        list->setCurrentCell(listRow - 1, 1);
    }
    // Picks a catalogue row and inserts it with the key f, answering the thickness question.
    void insertLayer(int listRow, const QString& thickness)
    {
        selectMaterial(listRow);
        dialogs.script.inputs.push_back(thickness);
        QTest::keyClick(calculator()->catalogList(), Qt::Key_F);
    }
    // Types into a layer cell as the user would: select it, type, Enter.
    void typeIntoCell(int row, int column, const QString& keys)
    {
        table()->setFocus();
        table()->setCurrentCell(row - 1, column);
        QTest::keyClick(table(), Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, table());
        auto* edit = qobject_cast<QLineEdit*>(editor);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();
    }
    LayerTable& storedBuildingLayers(int kind) { return session().building.LayerTables[kind - 1]; }
};

TEST_F(LayerCalculatorTest, F3OpensTheOuterWallWithGroupOneListed)
{
    startWithCatalog();
    EXPECT_TRUE(command("Ak_Wert")->isEnabled());
    QTest::keyClick(&window(), Qt::Key_F3);
    activateCalculator();
    EXPECT_TRUE(calculator()->isVisible());
    EXPECT_EQ(calculator()->windowTitle(), "k-Wert-Berechner: Außenwand für aktuelles Gebäude");
    EXPECT_EQ(part<QLabel>("TableLabel")->text(), "Wandaufbau d&er Außenwand:");
    EXPECT_EQ(part<QLabel>("SurfaceResistances")->text(), "Ri=0,13 / Ra=0,04");
    EXPECT_TRUE(part<QAbstractButton>("KindButton1")->isChecked());
    EXPECT_TRUE(part<QAbstractButton>("GroupButton1")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), calculator()->catalogList());

    QTableWidget* list = calculator()->catalogList();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(1, 0)->text(), "2");
    EXPECT_EQ(list->item(1, 1)->text(), "Kalksandstein 1800");
    EXPECT_EQ(list->item(1, 2)->text(), "1800");
    EXPECT_EQ(list->item(1, 3)->text(), "0,990");
    EXPECT_FALSE(part<QPushButton>("HandOverButton")->isEnabled());
    EXPECT_FALSE(part<QPushButton>("HandOverCloseButton")->isEnabled());

    // A group the catalogue lacks shows an empty list.
    part<QAbstractButton>("GroupButton4")->click();
    EXPECT_EQ(list->rowCount(), 0);
    part<QAbstractButton>("GroupButton3")->click();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->item(0, 1)->text(), "Mineralwolle WLS 035");
}

TEST_F(LayerCalculatorTest, MissingCatalogueClosesTheCalculator)
{
    start();
    openCalculator();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, QString::fromUtf8(kCatalogMissingMessage));
    EXPECT_EQ(calculator(), nullptr);
    // A catalogue put there afterwards is found at the next start.
    writeCatalog();
    openCalculator();
    ASSERT_NE(calculator(), nullptr);
    EXPECT_TRUE(calculator()->isVisible());
}

TEST_F(LayerCalculatorTest, HandOverReachesTheInputAndRecalculatesTheBuilding)
{
    startWithCatalog();
    typeExample1();
    const float lossBefore = session().results.LossOuterWall;
    ASSERT_GT(lossBefore, 0.0f);

    // "b" in the outer wall's input opens its calculator.
    type(InputId::KOuterWall, "b");
    activateCalculator();
    insertLayer(1, "24");
    EXPECT_EQ(dialogs.script.inputPrompts, QStringList({"Mauerwerk"}));
    EXPECT_EQ(cell(1, 1), "Mauerwerk");
    EXPECT_EQ(cell(1, 2), "24");
    EXPECT_EQ(cell(1, 3), "0,240");
    EXPECT_EQ(numbers(), QStringList({"1", "", "", "", ""}));
    EXPECT_EQ(field("KField"), "0,85");
    EXPECT_EQ(field("RField"), "1,00");
    EXPECT_EQ(field("ThicknessField"), "24,0");
    EXPECT_EQ(QApplication::focusWidget(), calculator()->catalogList());

    session().file.BuildingModified = false;
    part<QPushButton>("HandOverButton")->click();
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), "0,85");
    EXPECT_FLOAT_EQ(session().building.KOuterWall, 0.85f);
    EXPECT_FLOAT_EQ(session().results.LossOuterWall, lossBefore * 0.85f / 0.5f);
    EXPECT_TRUE(session().file.BuildingModified);
    EXPECT_EQ(text("StatusText"), "k- bzw. R-Wert wurde übernommen.");
    EXPECT_TRUE(calculator()->isVisible());
}

TEST_F(LayerCalculatorTest, GroundWallHandsOverRWithoutSurfaceResistancesAndCloses)
{
    startWithCatalog();
    control<QAbstractButton>("RadioButton4")->click(); // heated cellar
    QTest::mouseDClick(edit(InputId::RGroundWall), Qt::LeftButton);
    activateCalculator();
    EXPECT_EQ(calculator()->kind(), 3);
    EXPECT_EQ(part<QPushButton>("HandOverCloseButton")->text(), "R in AW übernehmen+&Schließen");
    EXPECT_TRUE(part<QLineEdit>("RField")->font().bold());
    EXPECT_FALSE(part<QLineEdit>("KField")->font().bold());
    insertLayer(1, "24");
    EXPECT_EQ(field("KField"), "0,85"); // the equivalent k with Ri and Ra
    part<QPushButton>("HandOverCloseButton")->click();
    EXPECT_EQ(edit(InputId::RGroundWall)->text(), "1,00");
    EXPECT_FLOAT_EQ(session().building.RGroundWall, 1.0f);
    QApplication::processEvents();
    EXPECT_EQ(calculator(), nullptr);
    EXPECT_EQ(storedBuildingLayers(3)[NameColumn][0], "Mauerwerk") << "closing keeps the layers";
}

TEST_F(LayerCalculatorTest, InsertRefusalsAndQuestions)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PlausibilityChecks = true;
    startWithCatalog(settings);
    openCalculator();

    QTest::keyClick(calculator()->catalogList(), Qt::Key_F);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown.back().text, QString::fromUtf8(kNoMaterialSelectedMessage));

    // An unreadable thickness asks again; cancelling then inserts nothing.
    selectMaterial(2);
    dialogs.script.inputs = {QStringLiteral("zwölf"), std::nullopt};
    part<QPushButton>("InsertButton")->click();
    EXPECT_EQ(dialogs.script.shown.back().text, "Fehlerhafte Eingabe.");
    EXPECT_EQ(dialogs.script.inputPrompts.size(), 2);
    EXPECT_TRUE(cell(1, 1).isEmpty());

    // Exactly a metre goes in without a question, more asks.
    insertLayer(2, "100");
    EXPECT_EQ(cell(1, 2), "100");
    const std::size_t shown = dialogs.script.shown.size();
    dialogs.script.answers = {MessageAnswer::No};
    insertLayer(2, "100,5");
    ASSERT_EQ(dialogs.script.shown.size(), shown + 1);
    EXPECT_EQ(dialogs.script.shown.back().caption, "Hohe Schichtdicke");
    EXPECT_EQ(dialogs.script.shown.back().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(cell(2, 1).isEmpty());
    dialogs.script.answers = {MessageAnswer::Yes};
    insertLayer(2, "100,5");
    EXPECT_EQ(cell(2, 2), "100,5");

    // A double-click inserts too; a gap in row 3 is filled before the table counts as full.
    for (const char* thickness : {"1", "2", "3"}) {
        selectMaterial(1);
        dialogs.script.inputs.push_back(QString::fromLatin1(thickness));
        calculator()->catalogList()->cellDoubleClicked(0, 1);
    }
    EXPECT_EQ(numbers(), QStringList({"1", "2", "3", "4", "5"}));
    insertLayer(1, "9"); // refused before the question: the answer stays queued
    EXPECT_EQ(dialogs.script.shown.back().text, QString::fromUtf8(kLayerTableFullMessage));
    dialogs.script.inputs.clear();
}

TEST_F(LayerCalculatorTest, PlausibilityChecksOffNeverAsksAboutThickness)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PlausibilityChecks = false;
    startWithCatalog(settings);
    openCalculator();
    insertLayer(1, "250");
    EXPECT_EQ(cell(1, 2), "250");
    EXPECT_TRUE(dialogs.script.shown.empty());
}

TEST_F(LayerCalculatorTest, TypingRecalculatesAtEveryKeyAndShowsInputErrors)
{
    startWithCatalog();
    openCalculator();
    insertLayer(1, "10");
    EXPECT_EQ(field("RField"), "0,42");

    // Point and comma never reach a cell.
    typeIntoCell(1, 2, "12.5");
    EXPECT_EQ(cell(1, 2), "125");
    typeIntoCell(1, 2, "2,4");
    EXPECT_EQ(cell(1, 2), "24");
    EXPECT_EQ(field("KField"), "0,85");
    typeIntoCell(2, 1, "Ziegel7");
    EXPECT_EQ(cell(2, 1), "7");
    EXPECT_EQ(numbers(), QStringList({"1", "2", "", "", ""}));

    // "2-4" passes the filter but is no number.
    typeIntoCell(1, 2, "2-4");
    EXPECT_TRUE(part<QLabel>("InputError")->isVisible());
    EXPECT_EQ(table()->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_TRUE(field("KField").isEmpty());
    EXPECT_FALSE(part<QPushButton>("HandOverButton")->isEnabled());
    typeIntoCell(1, 2, "24");
    EXPECT_FALSE(part<QLabel>("InputError")->isVisible());
    EXPECT_NE(table()->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_TRUE(part<QPushButton>("HandOverButton")->isEnabled());

    // Every key counts, not only the finished cell.
    table()->setCurrentCell(0, 2);
    QTest::keyClick(table(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_8);
    EXPECT_EQ(storedBuildingLayers(1)[ThicknessColumn][0], "248");
    EXPECT_EQ(field("ThicknessField"), "248,0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

TEST_F(LayerCalculatorTest, EnterMovesToTheNextCell)
{
    startWithCatalog();
    openCalculator();
    typeIntoCell(1, 3, "1");
    QApplication::processEvents();
    EXPECT_EQ(table()->currentRow(), 1);
    EXPECT_EQ(table()->currentColumn(), 1);
    EXPECT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr)
        << "the next cell is being edited";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

TEST_F(LayerCalculatorTest, DeletingMovesTheRowsBelowUp)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.ConfirmDelete = true;
    startWithCatalog(settings);
    openCalculator();
    for (const char* thickness : {"1", "2", "3", "4"})
        insertLayer(1, QString::fromLatin1(thickness));

    dialogs.script.answers = {MessageAnswer::No};
    table()->setCurrentCell(1, 1);
    part<QPushButton>("DeleteButton")->click();
    EXPECT_EQ(dialogs.script.shown.back().caption, "Löschen einer Schicht");
    EXPECT_EQ(cell(2, 2), "2");

    dialogs.script.answers = {MessageAnswer::Yes};
    table()->setCurrentCell(1, 1);
    part<QPushButton>("DeleteButton")->click();
    EXPECT_EQ(numbers(), QStringList({"1", "2", "3", "", ""}));
    EXPECT_EQ(cell(2, 2), "3");
    EXPECT_EQ(cell(3, 2), "4");
    EXPECT_EQ(storedBuildingLayers(1)[ThicknessColumn][1], "3");
    EXPECT_FLOAT_EQ(calculator()->result().thickness, 8.0f);

    dialogs.script.answers = {MessageAnswer::Yes};
    part<QPushButton>("DeleteAllButton")->click();
    EXPECT_EQ(dialogs.script.shown.back().text, "Sollen alle Schichten des Bauteils gelöscht werden?");
    EXPECT_EQ(numbers(), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(storedBuildingLayers(1), LayerTable{});
    EXPECT_FALSE(part<QPushButton>("HandOverButton")->isEnabled());
}

TEST_F(LayerCalculatorTest, EachKindKeepsItsLayersInTheBuilding)
{
    startWithCatalog();
    openCalculator();
    insertLayer(2, "17,5");
    part<QAbstractButton>("KindButton2")->click();
    EXPECT_EQ(calculator()->windowTitle(), "k-Wert-Berechner: Dach für aktuelles Gebäude");
    EXPECT_TRUE(cell(1, 1).isEmpty());
    insertLayer(1, "20");
    EXPECT_EQ(storedBuildingLayers(2)[NameColumn][0], "Mauerwerk");

    // A long name stays whole in the table until the table is loaded from the store again.
    const QString longName(70, QLatin1Char('7'));
    typeIntoCell(2, 1, longName);
    EXPECT_EQ(cell(2, 1), longName);
    part<QAbstractButton>("KindButton1")->click();
    EXPECT_EQ(cell(1, 1), "Kalksandstein 1800");
    part<QAbstractButton>("KindButton2")->click();
    EXPECT_EQ(cell(2, 1), longName.left(64));

    // The layers travel with the building file.
    const QByteArray image = encodeBuilding(session().building);
    const auto decoded = decodeBuilding(image);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->LayerTables[0][ThicknessColumn][0], "17,5");
    EXPECT_EQ(decoded->LayerTables[1][NameColumn][0], "Mauerwerk");
}

TEST_F(LayerCalculatorTest, AnotherBuildingReloadsTheTable)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.AskSaveBeforeDiscard = false;
    startWithCatalog(settings);

    BuildingRecord other = workedExample1();
    other.LayerTables[0][NameColumn][0] = "Stahlbeton";
    other.LayerTables[0][ThicknessColumn][0] = "20";
    other.LayerTables[0][LambdaColumn][0] = "2,300";
    const QString path = dir.filePath(QStringLiteral("anderes.orv"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeBuilding(other));
    }

    openCalculator();
    insertLayer(1, "24");
    dialogs.script.files = {path};
    command("AOeffnen")->trigger();
    EXPECT_EQ(cell(1, 1), "Stahlbeton");
    EXPECT_EQ(cell(1, 2), "20");

    command("ANeu")->trigger();
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_EQ(storedBuildingLayers(1), LayerTable{}) << "the previous layers stay out of the new building";
}

TEST_F(LayerCalculatorTest, CopyDialogTakesAnotherKindsLayers)
{
    startWithCatalog();
    openCalculator();
    insertLayer(2, "17,5");
    part<QAbstractButton>("KindButton3")->click();
    insertLayer(1, "30");

    struct Case
    {
        int current;
        int preselected;
    };
    for (const Case c : {Case{1, 3}, Case{2, 1}, Case{3, 4}, Case{4, 3}}) {
        CopyLayersDialog dialog(c.current, calculator());
        EXPECT_FALSE(dialog.option(c.current)->isEnabled()) << c.current;
        EXPECT_EQ(dialog.selectedKind(), c.preselected) << c.current;
    }

    part<QAbstractButton>("KindButton2")->click();
    part<QPushButton>("CopyButton")->click();
    auto* dialog = calculator()->findChild<CopyLayersDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Kopieren in aktuellen k-Wert");
    EXPECT_EQ(dialog->selectedKind(), 1);
    dialog->findChild<QPushButton*>("CopyButton")->click();
    EXPECT_EQ(cell(1, 1), "Kalksandstein 1800");
    EXPECT_EQ(storedBuildingLayers(2)[ThicknessColumn][0], "17,5");
    EXPECT_TRUE(part<QPushButton>("HandOverButton")->isEnabled());

    // From an empty kind: the table empties and there is no result.
    part<QPushButton>("CopyButton")->click();
    QApplication::processEvents();
    dialog = calculator()->findChild<CopyLayersDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->option(4)->setChecked(true);
    QTest::mouseDClick(dialog->option(4), Qt::LeftButton);
    EXPECT_EQ(numbers(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(part<QPushButton>("HandOverButton")->isEnabled());
}

TEST_F(LayerCalculatorTest, PresetTargetStoresInTheSettingsAndHandsOverTheSummary)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PresetName[1] = QStringLiteral("Altbau");
    startWithCatalog(settings);
    openCalculator();
    insertLayer(2, "24"); // the building's outer wall

    std::vector<LayerHandOver> received;
    app->layerTool().openForPreset(2, 1, [&](const LayerHandOver& h) { received.push_back(h); });
    activateCalculator();
    EXPECT_EQ(calculator()->windowTitle(), "k-Wert-Berechner: Außenwand für k-Wert-Button (Altbau)");
    EXPECT_TRUE(cell(1, 1).isEmpty());
    part<QAbstractButton>("GroupButton2")->click();
    insertLayer(1, "1,5");
    EXPECT_EQ(session().settings.PresetLayerTables[0][1][NameColumn][0], "Kalkzementputz");
    EXPECT_EQ(storedBuildingLayers(1)[NameColumn][0], "Kalksandstein 1800");

    // The copy comes from the building's layers even here.
    calculator()->Kopieren(1);
    EXPECT_EQ(cell(1, 1), "Kalksandstein 1800");
    part<QPushButton>("HandOverButton")->click();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].target, LayerTarget::preset(2));
    EXPECT_EQ(received[0].value, "2,42");
    EXPECT_EQ(received[0].summary, "24cm Kalksandstein 1800");
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), "") << "a preset's value never reaches the building";
    EXPECT_EQ(text("StatusText"), "k- bzw. R-Wert wurde übernommen.");

    app->layerTool().presetFieldsClosed();
    EXPECT_FALSE(part<QPushButton>("HandOverButton")->isEnabled());

    // Opened from the main window again, it shows the building's layers.
    openCalculator();
    EXPECT_EQ(calculator()->target(), LayerTarget::building());
    EXPECT_EQ(cell(1, 1), "Kalksandstein 1800");
    EXPECT_TRUE(part<QPushButton>("HandOverButton")->isEnabled());
}

TEST_F(LayerCalculatorTest, KeyboardAndScreenReader)
{
    startWithCatalog();
    openCalculator();
    QHeaderView* header = table()->horizontalHeader();
    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers << table()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Nr.", "Baustoff", "DICKE [cm]", "Lambda"}));
    EXPECT_FALSE(header->isHidden());
    for (QLabel* label : calculator()->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('&')) || label->text().endsWith(QLatin1Char(':'))) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
    for (QPushButton* button : calculator()->findChildren<QPushButton*>())
        EXPECT_FALSE(button->text().isEmpty()) << button->objectName().toStdString();
    EXPECT_EQ(calculator()->catalogList()->toolTip(),
              "Taste F zum schnellen Einfügen der markierten Schicht drücken");

    // Alt+letter reaches the group buttons; Escape closes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTest::qWait(150); // a button's accelerator clicks after its press animation
    EXPECT_TRUE(part<QAbstractButton>("GroupButton5")->isChecked());
    EXPECT_EQ(calculator()->catalogList()->item(0, 1)->text(), "Stahlbeton");
    QTest::keyClick(calculator()->catalogList(), Qt::Key_Escape);
    EXPECT_FALSE(calculator()->isVisible());
}

} // namespace
} // namespace orv::test
