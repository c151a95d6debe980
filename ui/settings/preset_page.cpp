#include "ui/settings/preset_page.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "settings/calculation_defaults.h"
#include "tools/layer_calculation.h"
#include "ui/painted_icons.h"
#include "ui/settings/filtered_edit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {

namespace {

using N = PresetNumber;

constexpr int kHintLeadingSpaces = 100;
constexpr int kAnimationTicks = 100;
constexpr int kOwnSlot = 7;

const char* const kHint = "<= Klicken zum Verändern der Werte (Bild auf/ab)";

IconKind slotIcon(int slot)
{
    if (slot == kOwnSlot)
        return IconKind::OwnValues;
    if (slot == 6)
        return IconKind::OrdinanceValues;
    return IconKind(int(IconKind::Preset1) + slot - 1);
}

// The component kind of the layer calculator that computes a number field; 0: none (the windows).
int calculatorKind(N n)
{
    switch (n) {
    case N::KOuterWall:
        return 1;
    case N::KRoof:
        return 2;
    case N::RGroundWall:
        return 3;
    case N::RFloor:
        return 4;
    case N::KWindow:
        return 0;
    }
    return 0;
}

N numberOfKind(int kind)
{
    static constexpr N numbers[] = {N::KOuterWall, N::KRoof, N::RGroundWall, N::RFloor};
    return numbers[std::clamp(kind, 1, 4) - 1];
}

Message presetWarning(const QString& text)
{
    return Message{text, QStringLiteral("Eingabe überprüfen"), MessageIcon::Warning};
}

} // namespace

PresetPage::PresetPage(Session& session, Dialogs& dialogs, int& activeSlot, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_activeSlot(activeSlot)
{
    setObjectName("PresetPage");
    m_slots = new QButtonGroup(this);
    m_slots->setExclusive(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(2);
    for (int slot : kPresetButtonOrder) {
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("SlotButton%1").arg(slot));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(paintedIcon(slotIcon(slot)));
        button->setIconSize(QSize(24, 24));
        m_slots->addButton(button, slot);
        buttonRow->addWidget(button);
    }
    connect(m_slots, &QButtonGroup::idClicked, this, &PresetPage::moveToSlot);
    m_hint = new QLabel(QString(kHintLeadingSpaces, QLatin1Char(' ')) + QString::fromUtf8(kHint));
    m_hint->setObjectName("HintLine");
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette navy = m_hint->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_hint->setPalette(navy);
    buttonRow->addWidget(m_hint, 1);

    m_nameCaption = new QLabel;
    m_name = new FilteredEdit;
    m_name->setObjectName("Edit10");
    m_name->setToolTip("Hier können Sie einen eigenen Namen festlegen");
    m_nameUnit = new QLabel("k-Werte");
    m_namePanel = new QLabel;
    m_namePanel->setObjectName("NamePanel");
    m_namePanel->setFrameShape(QFrame::Panel);
    m_namePanel->setFrameShadow(QFrame::Sunken);
    m_namePanel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameCaption);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_namePanel, 1);
    nameRow->addWidget(m_nameUnit);

    struct Row
    {
        N number;
        const char* caption;
        const char* hint;
        const char* numberName;
        const char* textName;
    };
    const Row kRows[] = {
        {N::KOuterWall, "A&ußenwand:", "k-Wert der freistehenden Außenwand (b: Berechnen)", "Edit4", "Edit7"},
        {N::KWindow, "&Fenster:",
         "nach DIN4701 darf eine Sonnenkorrektur abgezogen werden (beträgt z.B. für Klarglas-Fenster 0,3 "
         "W/(m²K) ) ",
         "Edit13", "Edit8"},
        {N::KRoof, "De&cke bzw. Dach:", "k-Wert der Decke zum Dach bzw. des Flachdachs (b: Berechnen)",
         "Edit14", "Edit9"},
        {N::RFloor, "Fu&ßboden:", "R-Wert des Fußbodens zum Erdreich (b: Berechnen)", "Edit15", "Edit12"},
        {N::RGroundWall, "Außen&wand:", "R-Wert der erdreichberührten Außenwand (b: Berechnen)", "Edit16",
         "Edit17"},
    };
    auto* kGroup = new QGroupBox("k-Werte in W/(m²K)");
    auto* rGroup = new QGroupBox("R-Werte (erdreichberührte Bauteile) in m²K/W");
    auto* kGrid = new QGridLayout(kGroup);
    auto* rGrid = new QGridLayout(rGroup);
    kGrid->addWidget(new QLabel("Aufbau:"), 0, 2);
    const DefaultsKeyFilter decimal = DefaultsKeyFilter::Decimal;
    for (const Row& row : kRows) {
        const int n = static_cast<int>(row.number);
        auto* number = new FilteredEdit;
        number->setObjectName(QString::fromLatin1(row.numberName));
        number->setFilter([decimal](QChar c) { return filterTypedCharacter(decimal, c); });
        number->setMaximumWidth(70);
        const bool ground = row.number == N::RFloor || row.number == N::RGroundWall;
        if (calculatorKind(row.number) != 0)
            number->setToolLetters(ground ? QStringLiteral("bk") : QStringLiteral("b"));
        connect(number, &FilteredEdit::toolLetter, this, [this, row](QChar letter) {
            if (letter == QLatin1Char('b'))
                emit calculatorRequested(calculatorKind(row.number));
            else
                emit conversionRequested(row.number == N::RFloor ? KRTarget::PresetFloor
                                                                 : KRTarget::PresetWall);
        });
        auto* text = new QLineEdit;
        text->setObjectName(QString::fromLatin1(row.textName));
        auto* caption = new QLabel(QString::fromUtf8(row.caption));
        caption->setToolTip(QString::fromUtf8(row.hint));
        number->setToolTip(QString::fromUtf8(row.hint));
        caption->setBuddy(number);
        caption->setMinimumWidth(130); // both groups line up
        const QString plain = caption->text().remove(QLatin1Char('&')).remove(QLatin1Char(':'));
        text->setAccessibleName(QStringLiteral("Aufbau ") + plain);
        QGridLayout* grid = ground ? rGrid : kGrid;
        const int line = ground ? n - 3 : n + 1;
        grid->addWidget(caption, line, 0);
        grid->addWidget(number, line, 1);
        grid->addWidget(text, line, 2);
        grid->setColumnStretch(2, 1);
        m_numbers[n] = number;
        m_texts[n] = text;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addLayout(nameRow);
    layout->addWidget(kGroup);
    layout->addWidget(rGroup);
    layout->addStretch();

    auto* down =
        new QShortcut(QKeySequence(Qt::Key_PageDown), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(down, &QShortcut::activated, this, [this] { moveToSlot(nextPresetSlot(m_activeSlot)); });
    auto* up =
        new QShortcut(QKeySequence(Qt::Key_PageUp), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(up, &QShortcut::activated, this, [this] { moveToSlot(previousPresetSlot(m_activeSlot)); });

    m_timer.setInterval(25);
    connect(&m_timer, &QTimer::timeout, this, &PresetPage::tick);
}

QLineEdit* PresetPage::nameEdit() const
{
    return m_name;
}

QAbstractButton* PresetPage::slotButton(int slot) const
{
    return m_slots->button(slot);
}

QString PresetPage::factoryButtonCaption() const
{
    return m_activeSlot == kOwnSlot ? QStringLiteral("&Löschen") : QStringLiteral("Stan&dardwerte");
}

void PresetPage::showTexts(const PresetTexts& t)
{
    for (int n = 0; n < kPresetNumbers; ++n) {
        m_numbers[n]->setText(t.number[n]);
        m_texts[n]->setText(t.textOf(PresetNumber(n)));
    }
    m_name->setText(t.name);
    m_name->setCursorPosition(0);
    m_namePanel->setText(QStringLiteral(" ") + t.name);
}

PresetTexts PresetPage::texts() const
{
    PresetTexts t;
    for (int n = 0; n < kPresetNumbers; ++n) {
        t.number[n] = m_numbers[n]->text();
        t.textOf(PresetNumber(n)) = m_texts[n]->text();
    }
    t.name = m_name->text();
    return t;
}

void PresetPage::SpeedButtonWechseln(bool moveFocus)
{
    const int slot = m_activeSlot;
    m_slots->button(slot)->setChecked(true);
    // The buttons carry pictures only: their names speak and show as hints.
    for (int s = 1; s <= kPresetSlots; ++s) {
        m_slots->button(s)->setAccessibleName(m_session.settings.PresetName[s - 1]);
        m_slots->button(s)->setToolTip(m_session.settings.PresetName[s - 1]);
    }
    const bool editable = presetNameEditable(slot);
    m_name->setVisible(editable);
    m_nameUnit->setVisible(editable);
    m_namePanel->setVisible(!editable);
    m_nameCaption->setText(editable ? QStringLiteral("&Button-Name:") : QStringLiteral("Button-Name:"));
    m_nameCaption->setBuddy(editable ? static_cast<QWidget*>(m_name) : m_namePanel);
    showTexts(presetTextsFrom(m_session.settings, slot));
    emit factoryCaptionChanged();
    if (moveFocus)
        numberEdit(N::KOuterWall)->setFocus();
}

bool PresetPage::kWerteEinlesen()
{
    const int slot = m_activeSlot;
    const std::vector<PresetProblem> problems =
        takePresetInput(texts(), m_session.settings, slot, m_session.settings.PlausibilityChecks);
    if (isVisible())
        numberEdit(N::KOuterWall)->setFocus();
    if (problems.empty())
        return true;
    emit refusing();
    for (const PresetProblem& problem : problems) {
        m_dialogs.show(presetWarning(problem.message));
        numberEdit(problem.field)->setFocus();
    }
    // A click on another slot has already pushed that one down.
    m_slots->button(slot)->setChecked(true);
    emit factoryCaptionChanged();
    return false;
}

void PresetPage::moveToSlot(int slot)
{
    if (!kWerteEinlesen())
        return;
    m_activeSlot = slot;
    SpeedButtonWechseln();
}

void PresetPage::setFactoryValues()
{
    const int slot = m_activeSlot;
    if (slot != kOwnSlot) {
        applyPresetFactoryValues(m_session.settings, slot);
        showTexts(presetTextsFrom(m_session.settings, slot));
        numberEdit(N::KOuterWall)->setFocus();
        return;
    }
    if (m_session.settings.ConfirmDelete) {
        const Message question{
            QStringLiteral("Alle Werte dieses k-Wertes werden gelöscht.\rSind Sie Sicher?"),
            QStringLiteral("Eigenen k-Wert löschen?"), MessageIcon::Warning, MessageButtons::YesNo};
        if (m_dialogs.show(question) != MessageAnswer::Yes)
            return;
    }
    showTexts(clearOwnPreset(m_session.settings));
    numberEdit(N::KOuterWall)->setFocus();
}

void PresetPage::takeLayerHandOver(int slot, const LayerHandOver& handOver)
{
    const N number = numberOfKind(handOver.kind);
    if (slot == m_activeSlot) {
        numberEdit(number)->setText(handOver.value);
        textEdit(number)->setText(handOver.summary);
        numberEdit(number)->setFocus();
        return;
    }
    // The page shows another slot by now: the result belongs to the slot it was computed for.
    PresetTexts t = presetTextsFrom(m_session.settings, slot);
    t[number] = handOver.value;
    t.textOf(number) = handOver.summary;
    takePresetInput(t, m_session.settings, slot, false);
}

void PresetPage::startAnimation()
{
    m_animated = true;
    m_ticks = 0;
    m_timer.start();
}

void PresetPage::stopAnimation()
{
    m_timer.stop();
}

QString PresetPage::hintText() const
{
    return m_hint->text();
}

void PresetPage::tick()
{
    ++m_ticks;
    if (m_ticks < kAnimationTicks) {
        const QString text = m_hint->text();
        m_hint->setText(text.mid(1) + text.left(1));
    } else {
        m_timer.stop();
    }
}

} // namespace orv
