// The building as the window shows it: roof space and cellar choices, k-value presets and the take-back,
// the storeys control, and resetting or showing a whole building.

#include "ui/main_window.h"

#include "core/building_record.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "files/building_files.h"
#include "settings/settings_record.h"
#include "ui/input_edit.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

namespace orv {

void MainWindow::DachraumUnbeheizt()
{
    for (QWidget* control : m_roofControls)
        control->setEnabled(false);
    command("ADach")->setEnabled(false);
    m_session.building.RoofSpaceHeated = false;
    m_roofComponentCaption->setText("De&cke:");
}

void MainWindow::Dachraumbeheizt()
{
    for (QWidget* control : m_roofControls)
        control->setEnabled(true);
    command("ADach")->setEnabled(m_roofToolAvailable);
    m_session.building.RoofSpaceHeated = true;
    m_roofComponentCaption->setText("Da&ch:");
}

void MainWindow::KellerUnbeheizt()
{
    for (QWidget* control : m_cellarControls)
        control->setEnabled(false);
    m_session.building.CellarHeated = false;
    m_heightSecondLine->setVisible(false);
}

void MainWindow::Kellerbeheizt()
{
    for (QWidget* control : m_cellarControls)
        control->setEnabled(true);
    m_session.building.CellarHeated = true;
    m_heightSecondLine->setVisible(true);
}

void MainWindow::RadioButtonClick(int index)
{
    selectRadio(index);
    // A click on the choice already made changes nothing: no modification, no automatic save.
    const bool heated = index % 2 == 1;
    const Session& session = m_session;
    if ((index < 2 ? session.building.RoofSpaceHeated : session.building.CellarHeated) == heated)
        return;
    switch (index) {
    case 0:
        DachraumUnbeheizt();
        DatenVollstaendig(true);
        break;
    case 1:
        Dachraumbeheizt();
        DatenVollstaendig(true);
        input(InputId::RoofArea)->setFocus();
        break;
    case 2:
        KellerUnbeheizt();
        DatenVollstaendig(true);
        break;
    case 3: {
        Kellerbeheizt();
        const QString resistance = input(InputId::RGroundWall)->text();
        const bool filled = !resistance.isEmpty() && resistance != QLatin1String(" ");
        input(filled ? InputId::GroundWallHeight : InputId::RGroundWall)->setFocus();
        DatenVollstaendig(true);
        break;
    }
    default:
        break;
    }
}

void MainWindow::k_Einfg(int slot)
{
    m_flags.InsertedPreset = slot;
    k_werte_eintragen();
    command("Ak_Einfg_alter")->setEnabled(true);
    using enum InputId;
    if (input(WindowArea)->text().isEmpty() && !input(Length)->text().isEmpty() &&
        !input(Width)->text().isEmpty() && !input(HeatedHeight)->text().isEmpty())
        input(WindowArea)->setFocus();
}

void MainWindow::k_werte_eintragen()
{
    m_flags.StoreKValues = false;
    writeComponentTexts(componentTexts(presetValues(m_session.settings, m_flags.InsertedPreset)));
    DatenVollstaendig(true);
    m_flags.StoreKValues = true;
}

// Each write runs the input's change handling; with StoreKValues cleared it keeps the remembered values.
void MainWindow::writeComponentTexts(const ComponentTexts& texts)
{
    for (int i = 0; i < kComponentValues; ++i)
        input(kComponentInputs[i])->setText(texts[i]);
}

void MainWindow::kWertspeichern()
{
    if (!m_flags.StoreKValues) {
        command("Ak_Einfg_alter")->setEnabled(true);
        return;
    }
    ComponentTexts texts;
    for (int i = 0; i < kComponentValues; ++i)
        texts[i] = input(kComponentInputs[i])->text();
    rememberComponentTexts(texts, m_remembered);
    command("Ak_Einfg_alter")->setEnabled(false);
}

void MainWindow::Ak_Einfg_alterExecute()
{
    m_flags.StoreKValues = false;
    writeComponentTexts(componentTexts(m_remembered));
    DatenVollstaendig(true);
    m_flags.StoreKValues = true;
    command("Ak_Einfg_alter")->setEnabled(false);
}

void MainWindow::kWertBezeichnungVeraendern()
{
    for (int slot = 1; slot <= 5; ++slot) {
        QAction* preset = m_presetCommands[slot - 1];
        preset->setText(presetMenuCaption(m_session.settings, slot));
        preset->setToolTip(presetHint(m_session.settings, slot));
        preset->setStatusTip(presetHint(m_session.settings, slot));
    }
}

void MainWindow::stepStoreys(int delta)
{
    m_flags.StoreysFollowHeight = false;
    InputEdit* storeys = input(InputId::Storeys);
    storeys->setText(steppedStoreys(storeys->text(), delta));
}

void MainWindow::requestTool(InputId id, ToolKey key)
{
    const ToolRequest request = toolFor(id, key);
    const auto hook = m_toolHooks.find(request.tool);
    if (hook != m_toolHooks.end() && hook->second)
        hook->second(request);
}

void MainWindow::ResetBuilding()
{
    BuildingFiles(m_session, m_dialogs, *this).ResetBuilding();
}

void MainWindow::ShowBuilding()
{
    BuildingFiles(m_session, m_dialogs, *this).ShowBuilding();
}

bool MainWindow::readInputsIntoRecord()
{
    return SofortigesEinlesen();
}

void MainWindow::checkCompleteness()
{
    DatenVollstaendig(false);
}

void MainWindow::clearResults()
{
    ErgebnisseLoeschen();
}

void MainWindow::setLoadingBuilding(bool loading)
{
    m_flags.LoadingBuilding = loading;
}

void MainWindow::setStoreysFollowHeight(bool follow)
{
    m_flags.StoreysFollowHeight = follow;
}

void MainWindow::writeInputs(const InputTexts& texts)
{
    for (int i = 0; i < kInputCount; ++i)
        m_inputs[i]->setText(texts[i]);
}

// The checked choice of a group is also its tab stop, however it was chosen.
void MainWindow::selectRadio(int index)
{
    const int other = index ^ 1;
    m_radio[index]->setChecked(true);
    m_radio[index]->setFocusPolicy(Qt::StrongFocus);
    m_radio[other]->setFocusPolicy(Qt::ClickFocus);
}

void MainWindow::showNewBuildingInputs(const InputTexts& texts)
{
    writeInputs(texts);
    DachraumUnbeheizt();
    selectRadio(0);
    KellerUnbeheizt();
    selectRadio(2);
    m_roofComponentCaption->setText("Da&ch/Decke:");
    m_designation->clear();
    m_flags.StoreKValues = true;
    // An empty building is incomplete: nothing to calculate or print until it is filled in.
    showIncomplete();
}

void MainWindow::showBuildingInputs(const InputTexts& texts, bool roofSpaceHeated, bool cellarHeated)
{
    writeInputs(texts);
    if (roofSpaceHeated) {
        Dachraumbeheizt();
        selectRadio(1);
    } else {
        DachraumUnbeheizt();
        selectRadio(0);
    }
    if (cellarHeated) {
        Kellerbeheizt();
        selectRadio(3);
    } else {
        KellerUnbeheizt();
        selectRadio(2);
    }
}

void MainWindow::setTemperatureLine(const QString& text)
{
    m_temperatureLine->setText(text);
}

void MainWindow::setDesignation(const QString& name)
{
    m_designation->setText(name);
    m_designation->setCursorPosition(0); // a long designation shows its beginning
}

void MainWindow::focusLength()
{
    input(InputId::Length)->setFocus();
}

bool MainWindow::startingUp() const
{
    return m_flags.StartingUp;
}

void MainWindow::refreshToolWindows()
{
    emit buildingShown();
}

void MainWindow::showRecentFiles(const RecentMenu& menu)
{
    for (int i = 0; i < kRecentSlots; ++i) {
        m_recentFiles[i]->setVisible(menu.entries[i].has_value());
        m_recentFiles[i]->setText(menu.entries[i].value_or(QString()));
    }
    m_recentSeparator->setVisible(menu.separatorVisible);
}

} // namespace orv
