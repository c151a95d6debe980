#include "ui/settings/settings_window.h"

#include "core/dialogs.h"
#include "core/results_display.h"
#include "core/session.h"
#include "settings/settings_file.h"
#include "ui/escape_key.h"
#include "ui/main_window.h"
#include "ui/settings/defaults_page.h"
#include "ui/settings/filtered_edit.h"
#include "ui/settings/options_page.h"
#include "ui/settings/preset_page.h"
#include "ui/tools/geometry_tool_support.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kTopOffset = 68;

const char* const kFactoryCaption = "Stan&dardwerte";
const char* const kTransferHint = "voreingestellte Werte auf aktuelles Gebäude übertragen";
const char* const kCalculateHint = "k / R-Wert berechnen";

QPushButton* bottomButton(const char* name, const char* caption, const char* hint)
{
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    return button;
}

} // namespace

SettingsWindow::SettingsWindow(Session& session, Dialogs& dialogs, MainWindow& window, int& activeSlot)
    : QWidget(&window, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_session(session), m_dialogs(dialogs), m_window(window)
{
    setObjectName("SettingsWindow");
    handleEscapeIn(*this, [this] { escape(); });
    setWindowTitle("Einstellungen von Orvenna");
    m_tabs = new QTabWidget;
    m_tabs->setObjectName("PageControl");
    m_values = new DefaultsPage(dialogs);
    m_options = new OptionsPage(dialogs, session.programDir);
    m_presets = new PresetPage(session, dialogs, activeSlot);
    m_tabs->addTab(m_values, "  Werte  F8  ");
    m_tabs->addTab(m_options, "  Optionen  F9  ");
    m_tabs->addTab(m_presets, "  k-Wert Buttons  F10  ");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildButtons());

    connect(m_tabs, &QTabWidget::currentChanged, this, &SettingsWindow::TabSheetWechseln);
    connect(m_values, &DefaultsPage::edited, this, &SettingsWindow::Datenvollstaendig_Allg);
    connect(m_presets, &PresetPage::refusing, this, [this] { switchPageQuietly(m_presets); });
    // The keys of the opening commands switch the pages here as well.
    const std::pair<Qt::Key, QWidget*> pageKeys[] = {
        {Qt::Key_F8, m_values}, {Qt::Key_F9, m_options}, {Qt::Key_F10, m_presets}};
    for (const auto& [key, page] : pageKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, target = page] { m_tabs->setCurrentWidget(target); });
    }
    connect(m_presets, &PresetPage::factoryCaptionChanged, this, [this] {
        if (m_tabs->currentWidget() == m_presets)
            m_factory->setText(m_presets->factoryButtonCaption());
    });
}

SettingsWindow::~SettingsWindow() = default;

QWidget* SettingsWindow::buildButtons()
{
    m_save = bottomButton("SaveButton", "&Speichern + Schließen",
                          "Speichern der Änderungen und schließen des Fensters");
    m_factory = bottomButton("FactoryButton", kFactoryCaption, "Standardwerte (Vorgaben) werden eingefügt ");
    m_fourth = bottomButton("FourthButton", "&Übertragen", kTransferHint);
    m_cancel = bottomButton("CancelButton", "&Abbruch", "Abbrechen OHNE die Änderungen zu speichern");
    connect(m_save, &QPushButton::clicked, this, &SettingsWindow::save);
    connect(m_factory, &QPushButton::clicked, this, &SettingsWindow::factoryClicked);
    connect(m_fourth, &QPushButton::clicked, this, &SettingsWindow::fourthClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsWindow::cancel);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {m_save, m_factory, m_fourth, m_cancel})
        layout->addWidget(button);
    return row;
}

int SettingsWindow::pageIndex(int page) const
{
    switch (page) {
    case kValuesPage:
        return 0;
    case kOptionsPage:
        return 1;
    case kPresetsPage:
        return 2;
    default:
        return -1;
    }
}

// A refusal brings its page back without taking the pages in again.
void SettingsWindow::switchPageQuietly(QWidget* page)
{
    if (m_tabs->currentWidget() == page)
        return;
    const QSignalBlocker blocker(m_tabs);
    m_tabs->setCurrentWidget(page);
    m_factory->setText(page == m_presets ? m_presets->factoryButtonCaption() : QString(kFactoryCaption));
}

void SettingsWindow::setUp(int page)
{
    placeToolWindow(*this, m_window, kTopOffset);
    if (const int index = pageIndex(page); index >= 0) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
    if (m_tabs->currentWidget() == m_presets)
        m_presets->startAnimation();
    Vorgaben_eintragen();
    show();
    TabSheetWechseln();
}

void SettingsWindow::raiseAgain(int page)
{
    show();
    raiseToolWindow(*this);
    if (!m_presets->kWerteEinlesen())
        return;
    if (const int index = pageIndex(page); index >= 0 && index != m_tabs->currentIndex())
        m_tabs->setCurrentIndex(index); // runs TabSheetWechseln
    else
        TabSheetWechseln();
}

void SettingsWindow::finishOpening(bool focusRight)
{
    Datenvollstaendig_Allg();
    if (focusRight && m_tabs->currentWidget() == m_values)
        m_values->edit(DefaultsField::RoomTemperature)->setFocus();
}

void SettingsWindow::Vorgaben_eintragen()
{
    m_values->fill(defaultsTextsFrom(m_session.settings, m_session.building));
    m_options->fill(m_session.settings);
    m_presets->SpeedButtonWechseln(false);
}

void SettingsWindow::TabSheetWechseln()
{
    if (!m_presets->kWerteEinlesen())
        return;
    QWidget* page = m_tabs->currentWidget();
    if (page == m_values) {
        m_factory->setText(kFactoryCaption);
        m_fourth->setText("&Übertragen");
        m_fourth->setToolTip(QString::fromUtf8(kTransferHint));
        m_fourth->setVisible(true);
        m_values->edit(DefaultsField::DefaultRoomTemperature)->setFocus();
    } else if (page == m_options) {
        m_factory->setText(kFactoryCaption);
        m_fourth->setVisible(false);
    } else {
        m_factory->setText(m_presets->factoryButtonCaption());
        m_fourth->setText("&Berechnen");
        m_fourth->setToolTip(QString::fromUtf8(kCalculateHint));
        m_fourth->setVisible(true);
        m_presets->numberEdit(PresetNumber::KOuterWall)->setFocus();
        if (m_presets->animationPending())
            m_presets->startAnimation();
    }
}

void SettingsWindow::Datenvollstaendig_Allg()
{
    m_save->setEnabled(!firstIncompleteField(m_values->texts()).has_value());
}

void SettingsWindow::factoryClicked()
{
    QWidget* page = m_tabs->currentWidget();
    if (page == m_values)
        m_values->setFactoryValues();
    else if (page == m_options)
        m_options->setFactoryValues();
    else
        m_presets->setFactoryValues();
}

void SettingsWindow::fourthClicked()
{
    if (m_tabs->currentWidget() == m_values)
        m_values->Werte_Uebertragen();
    else if (m_tabs->currentWidget() == m_presets)
        m_presets->calculateOuterWall();
}

// The range checks (when switched on) and the conversion of every field of the values page.
bool SettingsWindow::checkValuesPage()
{
    const DefaultsTexts texts = m_values->texts();
    if (m_session.settings.PlausibilityChecks) {
        const std::vector<DefaultsProblem> problems = validateDefaults(texts);
        for (const DefaultsProblem& problem : problems) {
            switchPageQuietly(m_values);
            m_dialogs.show(Message{problem.message, {}, MessageIcon::Error});
            m_values->edit(problem.field)->setFocus();
        }
        if (!problems.empty())
            return false;
    }
    SettingsRecord settings = m_session.settings;
    BuildingRecord building = m_session.building;
    if (const auto problem = storeDefaults(texts, settings, building)) {
        switchPageQuietly(m_values);
        if (keyFilterOf(problem->field) == DefaultsKeyFilter::Decimal)
            m_dialogs.show(
                Message{problem->message, QStringLiteral("Eingabe überprüfen"), MessageIcon::Warning});
        else
            m_dialogs.show(Message{problem->message, {}, MessageIcon::Error});
        m_values->edit(problem->field)->setFocus();
        return false;
    }
    return true;
}

void SettingsWindow::save()
{
    // Every page is checked before anything is stored, so a refused save leaves the records as they were
    // (the preset page's own take-in aside, which every page change does as well).
    if (!checkValuesPage() || !m_presets->kWerteEinlesen())
        return;
    storeDefaults(m_values->texts(), m_session.settings, m_session.building);
    m_options->store(m_session.settings);
    Vorgaben_Speichern(m_session.settings, m_session.programDir, m_dialogs);
    m_window.kWertBezeichnungVeraendern();
    closeForGood();
    m_window.setTemperatureLine(
        temperatureLine(m_session.building.RoomTemperature, m_session.building.OutsideTemperature));
    m_window.HilfetexteAnzeigen();
    m_window.DatenVollstaendig(true);
}

void SettingsWindow::cancel()
{
    m_session.SettingsReadErrors = Vorgaben_einlesen(m_session.settings, m_session.programDir, m_dialogs);
    escape();
}

void SettingsWindow::escape()
{
    m_window.setAutoCalculation(m_session.settings.AutoCalcAtStart);
    closeForGood();
}

void SettingsWindow::closeForGood()
{
    if (m_finished)
        return;
    m_finished = true;
    m_presets->stopAnimation();
    hide();
    emit finished();
}

} // namespace orv
