#include "ui/settings/defaults_page.h"

#include "core/dialogs.h"
#include "ui/settings/filtered_edit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace orv {

namespace {

using F = DefaultsField;

struct Row
{
    const char* label;
    const char* hint;
    const char* unit;
    F left;
    F right;
    const char* leftName;
    const char* rightName;
    std::optional<std::pair<int, int>> leftSpin;
    std::optional<std::pair<int, int>> rightSpin;
};

// The check-box row sits between the ventilation share and the usable-area share.
constexpr int kCheckBoxRow = 6;

const Row kRows[] = {
    {"&Raumtemperatur:", "DIN4701 für Wohnräume: 20°C, für Bäder: 22°C", "°C", F::DefaultRoomTemperature,
     F::RoomTemperature, "Edit5", "Edit20", std::pair{10, 30}, std::pair{10, 30}},
    {"&Normaußentemperatur:",
     "Normaußentemperatur nach DIN4701 korrigiert um die Schwere des Gebäudes (0-4 °C)", "°C",
     F::DefaultOutdoorTemperature, F::OutsideTemperature, "Edit6", "Edit21", std::pair{-20, 0},
     std::pair{-20, 0}},
    {"&Grundwassertiefe:", "von Unterkante Gebäude bis Oberkante Grundwasser", "m",
     F::DefaultGroundwaterDepth, F::GroundwaterDepth, "Edit1", "Edit22", std::pair{1, 40}, std::pair{1, 50}},
    {"Grundwasser&temperatur:", "Temperatur des Grundwassers", "°C", F::DefaultGroundwaterTemperature,
     F::GroundwaterTemperature, "Edit2", "Edit23", std::pair{1, 20}, std::pair{0, 20}},
    {"&Mindestluftwechsel:", "DIN 4701: 0,5 für Daueraufenthaltsräume", "1/h", F::DefaultMinAirChange,
     F::MinAirChange, "Edit11", "Edit24", std::nullopt, std::nullopt},
    {"&wirksamer Lüftungswärmeanteil ζ", "Gleichzeitig wirksame Lüftungswärmeanteile", "",
     F::DefaultVentilationShare, F::VentilationShare, "Edit3", "Edit25", std::nullopt, std::nullopt},
    {"Anteil Gebäudenutz&fläche an Geschoßfläche:", "HILFE: Auf Fragezeichen klicken", "%",
     F::DefaultUsableAreaShare, F::UsableAreaPercent, "Edit19", "Edit26", std::nullopt, std::nullopt},
};

const char* const kShareHelp =
    "HILFE ANTEIL Nutzfläche an Geschoßfläche:\r\rDieser Wert dient zur realistischen Anpassung der "
    "Lüftungsheizlast\rund der spezifischen Heizlast.\r\rDie spezifische Heizlast bezieht sich normgemäß auf "
    "die Gebäudenutzfläche\r(spez. Heizlast = Gebäudeheizlast geteilt durch Nutzfläche).\rDa aber nur die "
    "Geschoßfläche (Grundfläche x Anzahl Geschosse) anhand der\reingegebenen Werte exakt ermittelt werden "
    "kann, muß die Nutzfläche \r(Gebäudegeschoßfläche minus Mauern und nicht nutzbaren Flächen) über\rden "
    "Anteil abgeschätzt werden.\r\rDementsprechendes gilt für die Lüftungsheizlast.\rDiese ist ebenfalls "
    "(proportional) abhängig von der Nutzfläche, da sie die Wärme-\rmenge bezeichnet, die nötig ist, um die "
    "Außenluft aufzuwärmen (Mindestluftwechsel).\rDie Menge der zu erwärmenden Außenluft wiederum ist "
    "abhängig von der Nutzfläche\r(beheiztes Raumvolumen). \r\rZur realistischen Anpassung sollte die "
    "Nutzfläche kleiner sein als die Geschoßfläche.\r\rJe kleiner Sie diesen Anteil wählen, desto kleiner "
    "ist "
    "demzufolge \rdie Lüftungsheizlast und umso größer ist die spezifische Heizlast.\r\rErfahrungsgemäß "
    "liegt der Wert des Anteils bei 80 - 90 %\r";

QString plainCaption(const char* label)
{
    return QString::fromUtf8(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed();
}

} // namespace

DefaultsPage::DefaultsPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName("DefaultsPage");
    auto* left = new QGroupBox("Voreingestellte Werte  (für neues Gebäude)");
    left->setToolTip("hier sind die Werte angezeigt, die für ein NEUES Gebäude angenommen werden");
    auto* right = new QGroupBox("aktuelles Gebäude");
    right->setToolTip("hier sind die Werte des aktuellen, geöffneten Gebäudes angezeigt");
    auto* leftGrid = new QGridLayout(left);
    auto* rightGrid = new QGridLayout(right);

    auto makeEdit = [this](F field, const char* name, const std::optional<std::pair<int, int>>& spin,
                           const Row& row) {
        auto* edit = new FilteredEdit;
        edit->setObjectName(QString::fromLatin1(name));
        const DefaultsKeyFilter filter = keyFilterOf(field);
        edit->setFilter([filter](QChar c) { return filterTypedCharacter(filter, c); });
        if (spin)
            edit->setSpinRange(spin->first, spin->second);
        edit->setToolTip(QString::fromUtf8(row.hint));
        edit->setMaximumWidth(70);
        connect(edit, &FilteredEdit::keyReleased, this, &DefaultsPage::edited);
        connect(edit, &FilteredEdit::aboutToStep, this, &DefaultsPage::edited);
        m_edits[static_cast<int>(field)] = edit;
        return edit;
    };

    int line = 0;
    for (const Row& row : kRows) {
        if (line == kCheckBoxRow)
            ++line;
        auto* caption = new QLabel(QString::fromUtf8(row.label));
        caption->setToolTip(QString::fromUtf8(row.hint));
        FilteredEdit* leftEdit = makeEdit(row.left, row.leftName, row.leftSpin, row);
        FilteredEdit* rightEdit = makeEdit(row.right, row.rightName, row.rightSpin, row);
        caption->setBuddy(leftEdit);
        // The right column has no captions of its own: a screen reader names its fields by the row.
        rightEdit->setAccessibleName(plainCaption(row.label) + QStringLiteral(" (aktuelles Gebäude)"));
        leftGrid->addWidget(caption, line, 0);
        leftGrid->addWidget(leftEdit, line, 1);
        leftGrid->addWidget(new QLabel(QString::fromUtf8(row.unit)), line, 2);
        rightGrid->addWidget(rightEdit, line, 0);
        rightGrid->addWidget(new QLabel(QString::fromUtf8(row.unit)), line, 1);
        ++line;
    }
    m_tallDefault = new QCheckBox("&Änderung auf 0,7 wenn Gebäudehöhe > 10 m");
    m_tallDefault->setObjectName("CheckBox3");
    m_tallBuilding = new QCheckBox("0,7 wenn h>10m");
    m_tallBuilding->setObjectName("CheckBox7");
    leftGrid->addWidget(m_tallDefault, kCheckBoxRow, 0, 1, 3);
    rightGrid->addWidget(m_tallBuilding, kCheckBoxRow, 0, 1, 2);

    auto* help = new QPushButton("?");
    help->setObjectName("HelpButton");
    help->setToolTip("HILFE zum Anteil");
    help->setAccessibleName("HILFE zum Anteil");
    help->setMaximumWidth(28);
    connect(help, &QPushButton::clicked, this, [this] {
        m_dialogs.show(Message{QString::fromUtf8(kShareHelp), {}, MessageIcon::None});
    });
    rightGrid->addWidget(help, line - 1, 2);

    // Both columns line up row by row.
    for (int r = 0; r < line; ++r) {
        leftGrid->setRowMinimumHeight(r, 28);
        rightGrid->setRowMinimumHeight(r, 28);
    }
    leftGrid->setColumnStretch(0, 1);
    rightGrid->setColumnStretch(3, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(left, 3);
    layout->addWidget(right, 1);
}

void DefaultsPage::fill(const DefaultsTexts& texts)
{
    for (int i = 0; i < kDefaultsFieldCount; ++i)
        m_edits[i]->setText(texts.text[i]);
    m_tallDefault->setChecked(texts.defaultTallBuildingShare);
    m_tallBuilding->setChecked(texts.raiseShareAbove10m);
}

DefaultsTexts DefaultsPage::texts() const
{
    DefaultsTexts t;
    for (int i = 0; i < kDefaultsFieldCount; ++i)
        t.text[i] = m_edits[i]->text();
    t.defaultTallBuildingShare = m_tallDefault->isChecked();
    t.raiseShareAbove10m = m_tallBuilding->isChecked();
    return t;
}

void DefaultsPage::setFactoryValues()
{
    DefaultsTexts t = texts();
    setFactoryDefaultTexts(t);
    fill(t);
    const Message question{"Auch in dem aktuellen Gebäude Standardwerte setzen ?", "Standardwerte..",
                           MessageIcon::Question, MessageButtons::YesNo};
    if (m_dialogs.show(question) == MessageAnswer::Yes)
        Werte_Uebertragen();
    edit(F::DefaultRoomTemperature)->setFocus();
    emit edited();
}

void DefaultsPage::Werte_Uebertragen()
{
    DefaultsTexts t = texts();
    transferDefaultsToBuilding(t);
    fill(t);
}

} // namespace orv
