// The road of one keystroke: change handling, reading, completeness, AutoBerechnen, the calculate command
// and the results display.

#include "ui/main_window.h"

#include "core/automatic_calculation.h"
#include "core/calculation.h"
#include "core/calculation_basis.h"
#include "core/checks.h"
#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "ui/hint_switch.h"
#include "ui/input_edit.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace orv {

namespace {

const QColor kAutoCalcGreen(0, 128, 0);
const QColor kAutoCalcRed(Qt::red);
const QColor kOutOfDate(Qt::gray);

} // namespace

InputTexts MainWindow::inputTexts() const
{
    InputTexts texts;
    for (int i = 0; i < kInputCount; ++i)
        texts[i] = m_inputs[i]->text();
    return texts;
}

void MainWindow::EditChange(InputId id)
{
    if (m_flags.LoadingBuilding)
        return;
    if (id == InputId::HeatedHeight) {
        if (const auto height = parseDecimal(input(id)->text())) {
            m_session.building.HeatedHeight = *height;
            // Setting the storeys runs their own change handling first.
            if (*height != 0 && m_flags.StoreysFollowHeight)
                input(InputId::Storeys)->setText(QString::number(suggestedStoreys(*height)));
        }
    }
    if (id == InputId::KOuterWall || id == InputId::KWindow || id == InputId::RFloor || id == InputId::KRoof)
        kWertspeichern();
    DatenVollstaendig(true);
}

bool MainWindow::SofortigesEinlesen()
{
    ++m_counters.ReadCount;
    m_flags.InputsRead = readInputs(inputTexts(), m_session.building, m_session.results);
    if (!m_flags.InputsRead)
        m_dialogs.show({QString::fromUtf8(kInputErrorMessage), {}, MessageIcon::None, MessageButtons::Ok});
    return m_flags.InputsRead;
}

void MainWindow::DatenVollstaendig(bool saveLast)
{
    if (m_startTimer.isActive())
        return;
    ++m_counters.CompletenessCheckCount;
    const bool read = SofortigesEinlesen();
    if (read) {
        if (saveLast && m_session.settings.AutoSave && !m_flags.StartingUp && m_saveLastBuilding)
            m_saveLastBuilding();
        m_session.file.BuildingModified = true;
        ++m_counters.ChangeCount;
    }
    if (read && inputsComplete(m_session.building)) {
        if (m_flags.AutoCalcActive)
            AutoBerechnenGO();
        else
            setCalculateEnabled(true);
    } else {
        showIncomplete();
    }
    updateResultsValidity();
}

void MainWindow::showIncomplete()
{
    if (m_flags.AutoCalcActive) {
        QPalette palette = m_autoPanel->palette();
        palette.setColor(QPalette::Window, kAutoCalcRed);
        m_autoPanel->setPalette(palette);
        ErgebnisseLoeschen();
    }
    setCalculateEnabled(false);
    updateResultsValidity();
}

void MainWindow::setAutoPanel(bool allowed, const QString& firstLine, const QString& secondLine)
{
    QPalette palette = m_autoPanel->palette();
    palette.setColor(QPalette::Window, allowed ? kAutoCalcGreen : kAutoCalcRed);
    palette.setColor(QPalette::BrightText, Qt::white);
    m_autoPanel->setPalette(palette);
    m_autoActive->setVisible(allowed);
    m_autoFirstLine->setText(firstLine);
    m_autoSecondLine->setText(secondLine);
    m_autoFirstLine->setVisible(!allowed);
    m_autoSecondLine->setVisible(!allowed);
    m_autoPanel->setToolTip({});
}

void MainWindow::AutoBerechnenGO()
{
    // Damaged values are refused before the plausibility checks, whose texts would quote them.
    if (const auto refusal = calculationRefusal(m_session.building, m_session.settings)) {
        refuseCalculation(*refusal);
        return;
    }
    const AutoCalcCheck check = autoCalcChecks(m_session.building, m_session.settings);
    if (!check.allowed) {
        setAutoPanel(false, check.firstLine, check.secondLine);
        ErgebnisseLoeschen();
        return;
    }
    setAutoPanel(true, {}, {});
    HLBerechnen();
}

void MainWindow::HLBerechnen()
{
    calculate();
    // A refused calculation may have reset a value in the record: the results shown no longer belong to it.
    updateResultsValidity();
}

void MainWindow::calculate()
{
    BuildingRecord& building = m_session.building;
    const SettingsRecord& settings = m_session.settings;
    if (const auto refusal = calculationRefusal(building, settings)) {
        refuseCalculation(*refusal);
        return;
    }
    const CommandCheck check = commandChecks(building, settings, m_flags.AutoCalcActive);
    for (const Message& message : check.messages)
        m_dialogs.show(message);
    if (check.focus)
        input(*check.focus)->setFocus();
    if (!check.allowed)
        return;
    BuildingCalculation(building, settings, m_session.results);
    if (const auto refusal = resultsRefusal(building, m_session.results)) {
        refuseCalculation(*refusal);
        return;
    }
    ErgebnisseZeigen();
    RechnenBeendetProzeduren();
}

// Values no input can produce (a damaged file, unusable settings). With AutoBerechnen the panel says so
// instead of a message box at every keystroke; the full reason is its hint and the status line.
void MainWindow::refuseCalculation(const Message& reason)
{
    if (!m_flags.AutoCalcActive) {
        m_dialogs.show(reason);
        return;
    }
    setAutoPanel(false, "Berechnung nicht möglich", "Gebäude-Werte prüfen (F8)");
    QString text = reason.text;
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_autoPanel->setToolTip(text);
    setStatusText(text);
    ErgebnisseLoeschen();
}

void MainWindow::ErgebnisseZeigen()
{
    if (m_session.settings.PlausibilityChecks && loadTooLarge(m_session.building)) {
        ErgebnisseLoeschen();
        m_dialogs.show(tooLargeMessage());
        return;
    }
    const ResultTexts texts = resultTexts(m_session.building, m_session.results);
    for (int i = 0; i < kResultPanels; ++i)
        m_panels[i]->setText(texts.text[i]);
    m_shareLabel->setText(texts.share);
    setHint(m_ventilationCaption, texts.ventilationHint);
    for (int i = 0; i < kResultPanels; ++i)
        setHint(m_panels[i], texts.hint[i]);
    showLoadIncrease();
    emit resultsShown();
}

void MainWindow::ErgebnisseLoeschen()
{
    for (QLabel* panel : m_panels) {
        panel->clear();
        setHint(panel, {});
    }
    setHint(m_ventilationCaption, {});
    m_calculatedBasis.clear();
    updateResultsValidity();
    emit resultsCleared();
}

void MainWindow::RechnenBeendetProzeduren()
{
    // An absurd load shown with the checks off must not stay printable from an earlier calculation.
    if (loadTooLarge(m_session.building)) {
        m_calculatedBasis.clear();
        updateResultsValidity();
        return;
    }
    m_calculatedBasis = calculationBasis(m_session.building, m_session.results, m_session.settings);
    updateResultsValidity();
    kWertspeichern();
}

void MainWindow::showLoadIncrease()
{
    const QString notice = loadIncreaseNotice(m_session.settings.LoadIncreasePercent);
    m_increaseNotice->setText(notice);
    m_increaseNotice->setVisible(!notice.isEmpty());
    applyResultColours();
}

// Results that no longer belong to the inputs stay readable but grey; the increase makes QN and qN red.
void MainWindow::applyResultColours()
{
    const bool increased = m_session.settings.LoadIncreasePercent != 0;
    const bool outOfDate = !m_flags.ResultsValid;
    for (int i = 0; i < kResultPanels; ++i) {
        const bool red = increased && (i == static_cast<int>(ResultPanel::Building) ||
                                       i == static_cast<int>(ResultPanel::Specific));
        QPalette palette = m_panels[i]->palette();
        palette.setColor(QPalette::WindowText,
                         outOfDate ? kOutOfDate : (red ? QColor(Qt::red) : QColor(Qt::black)));
        m_panels[i]->setPalette(palette);
    }
}

void MainWindow::CheckBox1Click()
{
    m_flags.AutoCalcActive = m_autoCheck->isChecked();
    AutomatischesBerechnenJA();
}

void MainWindow::setAutoCalculation(bool on)
{
    m_flags.AutoCalcActive = on;
    AutomatischesBerechnenJA();
}

void MainWindow::AutomatischesBerechnenJA()
{
    const bool on = m_flags.AutoCalcActive;
    m_calculateButton->setVisible(!on);
    setCalculateEnabled(!on);
    m_autoPanel->setVisible(on);
    if (on) {
        m_autoActive->setVisible(true);
        m_autoFirstLine->setVisible(false);
        m_autoSecondLine->setVisible(false);
    }
    m_autoCheck->setChecked(on);
    DatenVollstaendig(false);
}

void MainWindow::setCalculateEnabled(bool enabled)
{
    command("AHLBerechnen")->setEnabled(enabled);
}

void MainWindow::setPrintAvailable(bool available)
{
    m_printAvailable = available;
    updateResultsValidity();
}

// The one place that decides ResultsValid and with it printing (on paper or as a PDF): the results of
// the last calculation are valid exactly while the record still holds what they were computed from.
void MainWindow::updateResultsValidity()
{
    m_flags.ResultsValid =
        !m_calculatedBasis.isEmpty() &&
        m_calculatedBasis == calculationBasis(m_session.building, m_session.results, m_session.settings);
    const bool enabled = m_printAvailable && m_flags.ResultsValid;
    command("ADrucken")->setEnabled(enabled);
    command("APdfSpeichern")->setEnabled(enabled);
    applyResultColours();
}

} // namespace orv
