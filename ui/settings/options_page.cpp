#include "ui/settings/options_page.h"

#include "core/dialogs.h"
#include "settings/settings_record.h"
#include "ui/settings/guarded_check_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kFolderLength = 255;

const char* const kWelcomeQuestion =
    "Wenn Sie das Willkommensfenster deaktivieren, \rkann das letzte Gebäude nicht mehr zu Beginn eingelesen "
    "werden!\r(Button \"Letztes Gebäude öffnen\" im Willkommensfenster)\r\rTIP: Sie können das letzte "
    "Gebäude "
    "dennoch wieder einlesen, indem\r        Sie die Datei \"AutoSave\" öffnen, falls AutoSpeichern "
    "aktiviert "
    "ist.\r\rWollen Sie das Willkommensfenster wirklich nicht mehr anzeigen lassen?\r";
const char* const kAutoSaveQuestion =
    "Wenn Sie AutoSpeichern deaktivieren, kann das letzte \rGebäude nicht mehr eingelesen werden!\r(Button "
    "\"Letztes Gebäude öffnen\" im Willkommensfenster)\r\rBei sehr langsamen Computern kann sich die "
    "Berechnungsgeschwindigkeit\rallerdings erhöhen, da nicht nach jeder Eingabe gespeichert wird.\r\rWollen "
    "Sie die AutoSpeichern wirklich deaktivieren?";

} // namespace

OptionsPage::OptionsPage(Dialogs& dialogs, QString programDir, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_programDir(std::move(programDir))
{
    setObjectName("OptionsPage");
    m_welcome = namedCheckBox(QStringLiteral("CheckBox1"), "&Willkommensfenster bei Programmstart anzeigen");
    m_autoCalc = namedCheckBox(QStringLiteral("CheckBox2"),
                               "Automatisches &Berechnen von Beginn an aktiviert (Funktion AutoBerechnen)");
    m_askSave =
        namedCheckBox(QStringLiteral("CheckBox4"),
                      "\"Speichern?\"-Sicherheits&nachfrage bei den Aktionen Beenden, Neu und Öffnen");
    m_askSave->setToolTip("Wenn deaktiviert, erscheint keine Sicherheitsmeldung vor dem Beenden");
    m_autoSave = namedCheckBox(QStringLiteral("CheckBox5"),
                               "A&utomatisches Speichern jeder Änderung (Funktion AutoSpeichern)");
    m_helpTexts = namedCheckBox(QStringLiteral("CheckBox6"), "gelbe &Hilfetexte im Hauptformular anzeigen");

    askBeforeSwitchingOff(m_welcome, m_dialogs, "Willkommensfenster deaktivieren", kWelcomeQuestion);
    askBeforeSwitchingOff(m_autoSave, m_dialogs, "AutoSpeichern deaktivieren", kAutoSaveQuestion);

    auto* start = new QGroupBox("Startoptionen");
    auto* startLayout = new QVBoxLayout(start);
    startLayout->addWidget(m_welcome);
    startLayout->addWidget(m_autoCalc);

    auto* saving = new QGroupBox("Speichern");
    auto* savingLayout = new QGridLayout(saving);
    savingLayout->addWidget(m_askSave, 0, 0, 1, 3);
    savingLayout->addWidget(m_autoSave, 1, 0, 1, 3);
    m_folder = new QLineEdit;
    m_folder->setObjectName("Edit18");
    m_folder->setMaxLength(kFolderLength);
    auto* folderCaption = new QLabel("S&peicherpfad der Gebäude:");
    folderCaption->setBuddy(m_folder);
    auto* current = new QToolButton;
    current->setObjectName("FolderButton");
    current->setText("...");
    current->setToolTip("aktuellen Pfad einfügen");
    current->setAccessibleName("aktuellen Pfad einfügen");
    connect(current, &QToolButton::clicked, this, [this] { m_folder->setText(m_programDir); });
    savingLayout->addWidget(folderCaption, 2, 0);
    savingLayout->addWidget(m_folder, 2, 1);
    savingLayout->addWidget(current, 2, 2);
    savingLayout->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(start);
    layout->addWidget(saving);
    layout->addWidget(m_helpTexts);
    layout->addStretch();
}

void OptionsPage::fill(const SettingsRecord& s)
{
    m_welcome->setChecked(s.ShowWelcomeWindow);
    m_autoCalc->setChecked(s.AutoCalcAtStart);
    m_askSave->setChecked(s.AskSaveBeforeDiscard);
    m_autoSave->setChecked(s.AutoSave);
    m_helpTexts->setChecked(s.ShowHelpTexts);
    m_folder->setText(s.BuildingsFolder);
}

void OptionsPage::store(SettingsRecord& s) const
{
    s.ShowWelcomeWindow = m_welcome->isChecked();
    s.AutoCalcAtStart = m_autoCalc->isChecked();
    s.AskSaveBeforeDiscard = m_askSave->isChecked();
    s.AutoSave = m_autoSave->isChecked();
    s.ShowHelpTexts = m_helpTexts->isChecked();
    s.BuildingsFolder = m_folder->text().left(kFolderLength);
}

void OptionsPage::setFactoryValues()
{
    for (QCheckBox* box : {m_welcome, m_autoCalc, m_askSave, m_autoSave, m_helpTexts})
        box->setChecked(true);
}

QCheckBox* OptionsPage::checkBox(int number) const
{
    switch (number) {
    case 1:
        return m_welcome;
    case 2:
        return m_autoCalc;
    case 4:
        return m_askSave;
    case 5:
        return m_autoSave;
    case 6:
        return m_helpTexts;
    default:
        return nullptr;
    }
}

} // namespace orv
