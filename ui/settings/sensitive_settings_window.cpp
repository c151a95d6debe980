#include "ui/settings/sensitive_settings_window.h"

#include "core/dialogs.h"
#include "core/program_info.h"
#include "core/session.h"
#include "settings/calculation_defaults.h"
#include "settings/settings_file.h"
#include "ui/escape_key.h"
#include "ui/main_window.h"
#include "ui/settings/filtered_edit.h"
#include "ui/settings/guarded_check_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SensitiveField;

const char* const kPlausibilityText =
    "ACHTUNG!\rEs wird NICHT empfohlen, die Plausibilitätskontrolle abzuschalten,\rda sonst unrealistische "
    "Eingaben zu falschen bzw. unrealistischen\rErgebnissen führen können.\r\rWollen Sie die "
    "Plausibilitätskontrolle wirklich deaktivieren?";
const char* const kConfirmDeleteText =
    "ACHTUNG!\rEs wird NICHT empfohlen, die Sicherheitsabfrage abzuschalten,\rda sonst durch versehentliches "
    "Drücken eines Löschen-Buttons\r(z.B. k-Werte löschen) die Daten unwiderruflich gelöscht werden.\r\r"
    "Wollen Sie die Sicherheitsabfrage wirklich abschalten?";

} // namespace

SensitiveSettingsWindow::SensitiveSettingsWindow(Session& session, Dialogs& dialogs, MainWindow& window)
    : QWidget(&window, Qt::Window), m_session(session), m_dialogs(dialogs), m_main(window)
{
    setObjectName("SensitiveSettingsWindow");
    handleEscapeIn(*this, [this] { close(); });
    setWindowTitle("Sensible Einstellungen");
    setAttribute(Qt::WA_DeleteOnClose);

    static const char* const editNames[kSensitiveFieldCount] = {"Edit4", "Edit6", "Edit5", "Edit1",
                                                                "Edit2", "Edit3", "Edit7", "Edit8"};
    for (int i = 0; i < kSensitiveFieldCount; ++i) {
        QLineEdit* edit = nullptr;
        if (F(i) == F::LoadIncreasePercent) {
            // Whole percentages only: typed characters go through the settings' digit filter, and the
            // validator refuses pasted text that is not all digits.
            auto* filtered = new FilteredEdit;
            filtered->setFilter([](QChar c) { return filterTypedCharacter(DefaultsKeyFilter::Digits, c); });
            filtered->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), filtered));
            filtered->setMaxLength(9);
            edit = filtered;
        } else {
            edit = new QLineEdit;
        }
        edit->setObjectName(editNames[i]);
        m_edits[i] = edit;
    }
    for (int i = 0; i < kSensitiveFieldCount; ++i)
        m_edits[i]->setMaximumWidth(isIntegerField(F(i)) ? 60 : 80);

    auto row = [this](QGridLayout* grid, int line, const QString& caption, F field, const QString& unit) {
        auto* label = new QLabel(caption);
        label->setBuddy(edit(field));
        grid->addWidget(label, line, 0);
        grid->addWidget(edit(field), line, 1);
        if (!unit.isEmpty())
            grid->addWidget(new QLabel(unit), line, 2);
    };

    auto* top = new QGridLayout;
    row(top, 0, "&Erhöhung des Gesamtergebnisses um", F::LoadIncreasePercent, "%");
    row(top, 1, "&Vertikale Fenstervergrößerung:", F::WindowGrowVertical, "Pixel");
    row(top, 2, "&Horizontale Fenstervergrößerung:", F::WindowGrowHorizontal, "Pixel");
    top->setColumnStretch(3, 1);

    auto* constants = new QGroupBox("Konstanten");
    constants->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(constants);
    row(grid, 0, "Di&chte Luft [kg/m³]", F::AirDensity, {});
    row(grid, 1, "&Wärmekapazität Luft [kJ/(kgK)", F::AirHeatCapacity, {});
    row(grid, 2, "W&ärmeleitfähigkeit Erdreich [W/(mK)]", F::GroundConductivity, {});
    row(grid, 3, "&innerer Wärmeübergangswiderstand Ri ", F::InnerSurfaceResistance, {});
    row(grid, 4, "ä&ußerer Wärmeübergangswiderstand Ra", F::OuterSurfaceResistance, {});
    grid->setColumnStretch(2, 1);

    m_startMaximized = namedCheckBox(QStringLiteral("CheckBox2"), "Hauptfenster zu Beginn &maximiert öffnen");
    m_mainOnly = namedCheckBox(QStringLiteral("CheckBox3"), "&nur Hauptfenster vergrößern");
    m_plausibility =
        namedCheckBox(QStringLiteral("CheckBox4"), "&Plausibilitätskontrollen vornehmen / Eingaben prüfen");
    m_confirmDelete =
        namedCheckBox(QStringLiteral("CheckBox5"), "Sicherheitsnachfrage vor dem &Löschen von Daten");
    m_password = namedCheckBox(
        QStringLiteral("CheckBox6"),
        QStringLiteral("Pa&ßwort \"%1\" bei Paßwortabfrage vorgeben").arg(QLatin1String(kSensitivePassword)));
    askBeforeSwitchingOff(m_plausibility, m_dialogs, "Plausibilitätskontrolle deaktivieren",
                          kPlausibilityText);
    askBeforeSwitchingOff(m_confirmDelete, m_dialogs, "Sicherheitsabfrage deaktivieren", kConfirmDeleteText);

    m_save = new QPushButton("&Speichern + Schließen");
    m_save->setObjectName("SaveButton");
    m_cancel = new QPushButton("&Abbruch");
    m_cancel->setObjectName("CancelButton");
    m_standard = new QPushButton("Stan&dard");
    m_standard->setObjectName("StandardButton");
    connect(m_save, &QPushButton::clicked, this, &SensitiveSettingsWindow::save);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_standard, &QPushButton::clicked, this, &SensitiveSettingsWindow::standard);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_standard);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(constants);
    for (QCheckBox* box : {m_startMaximized, m_mainOnly, m_plausibility, m_confirmDelete, m_password})
        layout->addWidget(box);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void SensitiveSettingsWindow::setUp()
{
    showTexts(sensitiveTextsFrom(m_session.settings));
    adjustSize();
    const QRect main = m_main.frameGeometry();
    move(main.left() + (main.width() - frameGeometry().width()) / 2, main.top() + 68);
    edit(F::LoadIncreasePercent)->setFocus();
}

void SensitiveSettingsWindow::showTexts(const SensitiveTexts& t)
{
    for (int i = 0; i < kSensitiveFieldCount; ++i)
        m_edits[i]->setText(t.text[i]);
    m_startMaximized->setChecked(t.startMaximized);
    m_mainOnly->setChecked(t.maximizeMainOnly);
    m_plausibility->setChecked(t.plausibilityChecks);
    m_confirmDelete->setChecked(t.confirmDelete);
    m_password->setChecked(t.presetPassword);
}

SensitiveTexts SensitiveSettingsWindow::currentTexts() const
{
    SensitiveTexts t;
    for (int i = 0; i < kSensitiveFieldCount; ++i)
        t.text[i] = m_edits[i]->text();
    t.startMaximized = m_startMaximized->isChecked();
    t.maximizeMainOnly = m_mainOnly->isChecked();
    t.plausibilityChecks = m_plausibility->isChecked();
    t.confirmDelete = m_confirmDelete->isChecked();
    t.presetPassword = m_password->isChecked();
    return t;
}

void SensitiveSettingsWindow::save()
{
    SettingsRecord& settings = m_session.settings;
    const int oldVertical = settings.WindowGrowVertical;
    const int oldHorizontal = settings.WindowGrowHorizontal;
    if (const auto problem = storeSensitiveValues(currentTexts(), settings)) {
        m_dialogs.show(
            {problem->message, QString::fromUtf8(kApplicationTitle), MessageIcon::Error, MessageButtons::Ok});
        edit(problem->field)->setFocus();
        edit(problem->field)->selectAll();
        return;
    }
    Vorgaben_Speichern(settings, m_session.programDir, m_dialogs);
    const bool growthChanged =
        settings.WindowGrowVertical != oldVertical || settings.WindowGrowHorizontal != oldHorizontal;
    close();
    emit saved(growthChanged);
}

void SensitiveSettingsWindow::standard()
{
    SensitiveTexts t = currentTexts();
    applySensitiveStandard(t, m_session.settings);
    showTexts(t);
    edit(F::LoadIncreasePercent)->setFocus();
}

} // namespace orv
