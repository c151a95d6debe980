#pragma once

#include "settings/calculation_defaults.h"

#include <QWidget>

#include <array>

class QCheckBox;

namespace orv {

class Dialogs;
class FilteredEdit;

// "  Werte  F8  ": the defaults for new buildings beside the same values of the open building. Holds texts
// only; the settings window checks and stores them.
class DefaultsPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DefaultsPage)

  public:
    DefaultsPage(Dialogs& dialogs, QWidget* parent = nullptr);

    void fill(const DefaultsTexts& texts);
    DefaultsTexts texts() const;
    FilteredEdit* edit(DefaultsField field) const { return m_edits[static_cast<int>(field)]; }

    // "Stan&dardwerte": factory texts on the left, on request also on the right.
    void setFactoryValues();
    // "&Übertragen": the left column's texts into the right column.
    void Werte_Uebertragen();

  signals:
    // A key was released in a field or a spinner is about to step: time for the completeness check.
    void edited();

  private:
    Dialogs& m_dialogs;
    std::array<FilteredEdit*, kDefaultsFieldCount> m_edits{};
    QCheckBox* m_tallDefault = nullptr;  // CheckBox3
    QCheckBox* m_tallBuilding = nullptr; // CheckBox7
};

} // namespace orv
