#pragma once

#include "settings/preset_values.h"
#include "tools/kr_conversion.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;

namespace orv {

class Dialogs;
class FilteredEdit;
struct LayerHandOver;
struct Session;

// "  k-Wert Buttons  F10  ": the seven presets of component values, one slot at a time. The page's
// texts reach the record's active slot whenever the page is taken in.
class PresetPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PresetPage)

  public:
    // `activeSlot` (1..7) outlives the page: the slot shown stays chosen while the program runs.
    PresetPage(Session& session, Dialogs& dialogs, int& activeSlot, QWidget* parent = nullptr);
    int activeSlot() const { return m_activeSlot; }

    // Shows the active slot; `moveFocus` puts the focus into the outer wall's k-value.
    void SpeedButtonWechseln(bool moveFocus = true);
    // Takes the page into the active slot and checks it; false (PresetInputValid cleared) after the
    // messages, with the page in front and its slot button down again.
    bool kWerteEinlesen();
    // The bottom button: factory values of slots 1..6, clearing of slot 7.
    void setFactoryValues();
    QString factoryButtonCaption() const;
    // Page Down / Page Up: the next slot to the right / left, once the page has been taken in.
    void moveToSlot(int slot);
    // "&Berechnen": the layer calculator for the outer wall.
    void calculateOuterWall() { emit calculatorRequested(1); }

    // The hint line's scroll-in, once per set-up window.
    void startAnimation();
    void stopAnimation();
    bool animationPending() const { return !m_animated; }
    QString hintText() const;

    // The layer calculator's result for preset `slot` and component kind 1..4.
    void takeLayerHandOver(int slot, const LayerHandOver& handOver);

    FilteredEdit* numberEdit(PresetNumber n) const { return m_numbers[static_cast<int>(n)]; }
    QLineEdit* textEdit(PresetNumber n) const { return m_texts[static_cast<int>(n)]; }
    QLineEdit* nameEdit() const;
    QLabel* namePanel() const { return m_namePanel; }
    QAbstractButton* slotButton(int slot) const;

  signals:
    // Before a refusal's messages: the window brings this page to the front.
    void refusing();
    // The bottom button's caption changed with the slot.
    void factoryCaptionChanged();
    // "b" in a number field or "&Berechnen": the layer calculator for the active slot and component kind.
    void calculatorRequested(int kind);
    // "k" in the floor or wall R-value.
    void conversionRequested(KRTarget target);

  private:
    void showTexts(const PresetTexts& texts);
    PresetTexts texts() const;
    void tick();

    Session& m_session;
    Dialogs& m_dialogs;
    int& m_activeSlot;
    QButtonGroup* m_slots = nullptr;
    QLabel* m_nameCaption = nullptr;
    FilteredEdit* m_name = nullptr; // Edit10
    QLabel* m_nameUnit = nullptr;
    QLabel* m_namePanel = nullptr;
    std::array<FilteredEdit*, kPresetNumbers> m_numbers{};
    std::array<QLineEdit*, kPresetNumbers> m_texts{};
    QLabel* m_hint = nullptr;
    QTimer m_timer;
    int m_ticks = 0;
    bool m_animated = false;
};

} // namespace orv
