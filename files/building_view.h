#pragma once

#include "core/input_reading.h"

#include <QString>

#include <array>
#include <optional>

namespace orv {

constexpr int kRecentSlots = 4;

// The recent-file entries of the Datei menu: the menu text of each visible entry, none for a hidden one.
struct RecentMenu
{
    std::array<std::optional<QString>, kRecentSlots> entries;
    bool separatorVisible = false;
};

// What the building-file commands need from the main window. The window owns its inputs and the flags
// of input reading (LoadingBuilding, StoreysFollowHeight, StartingUp, ResultsValid, StoreKValues);
// the commands own the record, the file state and the order of the steps.
class BuildingView
{
  public:
    virtual ~BuildingView() = default;

    // SofortigesEinlesen: all inputs into the record; shows the input-error message itself.
    // Returns InputsRead.
    virtual bool readInputsIntoRecord() = 0;
    // DatenVollstaendig without saving the last building.
    virtual void checkCompleteness() = 0;
    // The results display is emptied and ResultsValid cleared.
    virtual void clearResults() = 0;
    virtual void setLoadingBuilding(bool loading) = 0;
    virtual void setStoreysFollowHeight(bool follow) = 0;

    // A new building: writes the texts, selects the unheated roof space and cellar through their
    // presentations, puts the roof label back to "Da&ch/Decke:", empties the designation field and
    // allows remembering k-values again (StoreKValues).
    virtual void showNewBuildingInputs(const InputTexts& texts) = 0;
    // A loaded building: writes the texts and selects the roof-space and cellar presentations.
    virtual void showBuildingInputs(const InputTexts& texts, bool roofSpaceHeated, bool cellarHeated) = 0;
    virtual void setTemperatureLine(const QString& text) = 0;
    // The building designation in the toolbar; setting it must not count as typing.
    virtual void setDesignation(const QString& name) = 0;

    // Window caption: the program caption, two blanks and `text`.
    virtual void FormCaptionAnpassen(const QString& text) = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void focusLength() = 0;
    // True while the start routine resets the first building.
    virtual bool startingUp() const = 0;
    // Refreshes the open window-area, roof and building-information windows from the record, in this order.
    virtual void refreshToolWindows() = 0;
    virtual void showRecentFiles(const RecentMenu& menu) = 0;
};

} // namespace orv
